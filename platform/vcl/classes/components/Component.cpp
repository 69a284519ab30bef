#include "platform/vcl/classes/components/Component.h"

#include <algorithm>

#include "platform/vcl/classes/components/WeakRef.h"
#include "platform/vcl/classes/streaming/Fixups.h"
#include "platform/vcl/classes/streaming/Reader.h"
#include "platform/vcl/classes/streaming/Writer.h"
#include "platform/vcl/rtl/Exceptions.h"

namespace vcl::detail {

namespace {
thread_local bool nextComponentLoading = false;
}

void MarkNextComponentLoading() {
  nextComponentLoading = true;
}

void ClearNextComponentLoading() {
  nextComponentLoading = false;
}

bool IsValidIdent(const std::string& name) {
  if (name.empty()) return false;
  auto alpha = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
  if (!alpha(name[0])) return false;
  return std::all_of(name.begin() + 1, name.end(), [&](char c) { return alpha(c) || (c >= '0' && c <= '9'); });
}

TComponent* AsComponent(TObject* object) {
  return dynamic_cast<TComponent*>(object);
}

}  // namespace vcl::detail

namespace {

// The class asked is the one the owner is now: while a form's destructor
// runs, the fields of the classes already destroyed are out of reach.
const TFieldInfo* FieldOf(const TComponent* owner, const std::string& name) {
  if (owner == nullptr || name.empty()) return nullptr;
  return owner->ClassType()->Published().FindField(name);
}

}  // namespace

std::string vcl::detail::FieldMismatch(const TComponent* owner, const std::string& name, const TComponent* component) {
  const TFieldInfo* field = FieldOf(owner, name);
  if (field == nullptr || component->InheritsFrom(field->FieldClass)) return {};
  return "Field " + owner->ClassName() + "." + field->Name + " needs a " + field->FieldClass->Name + ", not a " +
         component->ClassName();
}

void TComponent::Publish(TPublisher<TComponent>& p) {
  // The name travels in the component's header, not as a property.
  p.Prop("Name", &TComponent::GetName, &TComponent::SetName).Stored(false);
  p.Prop("Tag", &TComponent::GetTag, &TComponent::SetTag).Default(0);
}

TComponent::TComponent(TComponent* AOwner) {
  if (vcl::detail::nextComponentLoading) {
    vcl::detail::nextComponentLoading = false;
    FComponentState.Include(csLoading);
  }
  if (AOwner != nullptr) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  // Whoever holds a weak reference sees null from here on, also while the
  // owned components go.
  while (FWeakLinks != nullptr) FWeakLinks->Attach(nullptr);
  Destroying();
  vcl::detail::RemoveFixupsOf(this);
  // Each notified component removes itself from the list in turn.
  while (!FFreeNotifies.empty()) {
    TComponent* other = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    other->Notification(this, opRemove);
    // A component that did not remove the link through the inherited
    // Notification must still forget this one.
    other->RemoveNotification(this);
  }
  DestroyComponents();
  if (FOwner != nullptr) FOwner->RemoveComponent(this);
}

TComponent* TComponent::GetComponents(int index) const {
  if (index < 0 || index >= GetComponentCount()) throw EListError("List index out of bounds (%d)", {index});
  return FComponents[static_cast<std::size_t>(index)];
}

int TComponent::GetComponentIndex() const {
  if (FOwner == nullptr) return -1;
  auto& list = FOwner->FComponents;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TComponent::SetComponentIndex(int value) {
  if (FOwner == nullptr) return;
  auto& list = FOwner->FComponents;
  int current = GetComponentIndex();
  if (current < 0) return;
  int count = static_cast<int>(list.size());
  if (value < 0) value = 0;
  if (value >= count) value = count - 1;
  if (value == current) return;
  list.erase(list.begin() + current);
  list.insert(list.begin() + value, this);
}

void TComponent::SetName(const std::string& value) {
  if (FName == value) return;
  if (!value.empty() && !vcl::detail::IsValidIdent(value))
    throw EComponentError("'%s' is not a valid component name", {value});
  if (FOwner != nullptr)
    FOwner->ValidateRename(this, FName, value);
  else
    ValidateRename(nullptr, FName, value);
  SetReference(false);
  ChangeName(value);
  SetReference(true);
}

void TComponent::SetReference(bool enable) {
  const TFieldInfo* field = FieldOf(FOwner, FName);
  if (field == nullptr) return;
  if (enable) {
    if (InheritsFrom(field->FieldClass)) field->Set(*FOwner, this);
  } else if (field->Get(*FOwner) == this) {
    // A field code pointed elsewhere is not this component's to clear.
    field->Set(*FOwner, nullptr);
  }
}

void TComponent::ValidateRename(TComponent* component, const std::string& curName, const std::string& newName) {
  if (component != nullptr && !vcl::detail::SameName(curName, newName) && component->FOwner == this &&
      FindComponent(newName) != nullptr)
    throw EComponentError("A component named %s already exists", {newName});
  if (component != nullptr) {
    std::string mismatch = vcl::detail::FieldMismatch(this, newName, component);
    if (!mismatch.empty()) throw EComponentError(mismatch);
  }
}

void TComponent::ValidateContainer(TComponent* component) {
  component->ValidateInsert(this);
}

void TComponent::ValidateInsert(TComponent*) {}

TComponent* TComponent::FindComponent(const std::string& name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : FComponents)
    if (vcl::detail::SameName(c->FName, name)) return c;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  component->ValidateContainer(this);
  ValidateRename(component, "", component->FName);
  Insert(component);
  Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  ValidateRename(component, component->FName, "");
  Notification(component, opRemove);
  Remove(component);
}

void TComponent::Insert(TComponent* component) {
  FComponents.push_back(component);
  component->FOwner = this;
  component->SetReference(true);
}

void TComponent::Remove(TComponent* component) {
  auto it = std::find(FComponents.begin(), FComponents.end(), component);
  if (it != FComponents.end()) FComponents.erase(it);
  component->SetReference(false);
  component->FOwner = nullptr;
}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* instance = FComponents.back();
    // Siblings that asked to hear of it are told; the rest die together.
    if (instance->FComponentState.Contains(csFreeNotification))
      RemoveComponent(instance);
    else
      Remove(instance);
    delete instance;
  }
}

void TComponent::Destroying() {
  if (FComponentState.Contains(csDestroying)) return;
  FComponentState.Include(csDestroying);
  for (TComponent* c : FComponents) c->Destroying();
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component != nullptr) RemoveFreeNotification(component);
  // Owned components hear of it too; the list may shrink while they react.
  std::size_t i = FComponents.size();
  while (i > 0) {
    --i;
    FComponents[i]->Notification(component, operation);
    if (i > FComponents.size()) i = FComponents.size();
  }
}

void TComponent::FreeNotification(TComponent* component) {
  if (component == nullptr || component == this) return;
  if (FOwner == nullptr || component->FOwner != FOwner) {
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) == FFreeNotifies.end()) {
      FFreeNotifies.push_back(component);
      component->FreeNotification(this);
    }
  }
  FComponentState.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (component == nullptr) return;
  RemoveNotification(component);
  component->RemoveNotification(this);
}

void TComponent::RemoveNotification(TComponent* component) {
  auto it = std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component);
  if (it != FFreeNotifies.end()) FFreeNotifies.erase(it);
}

void TComponent::GetChildren(const TGetChildProc& proc, TComponent* root) {
  // A root streams the components it owns that no parent streams for it.
  if (root != this) return;
  std::vector<TComponent*> owned = FComponents;
  for (TComponent* c : owned)
    if (!c->HasParent()) proc(c);
}

TComponent* TComponent::GetChildOwner() {
  return nullptr;
}

TComponent* TComponent::GetChildParent() {
  return this;
}

bool TComponent::HasParent() {
  return false;
}

TComponent* TComponent::GetParentComponent() {
  return nullptr;
}

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::SetChildOrder(TComponent*, int) {}

void TComponent::ReadState(TReader* reader) {
  reader->ReadData(this);
}

void TComponent::WriteState(TWriter* writer) {
  writer->WriteData(this);
}

void TComponent::Loaded() {
  FComponentState.Exclude(csLoading);
}

void TComponent::SetComponentStateFlag(TComponentStateItem flag, bool on) {
  if (on)
    FComponentState.Include(flag);
  else
    FComponentState.Exclude(flag);
}

std::string TComponent::GetNamePath() {
  return FName;
}
