#include "platform/vcl/classes/components/Collection.h"

#include <algorithm>
#include <atomic>
#include <cstdint>

#include "platform/vcl/classes/strings/Updating.h"
#include "platform/vcl/rtl/Exceptions.h"

namespace vcl::detail {

TCollection* AsCollection(TObject* object) {
  return dynamic_cast<TCollection*>(object);
}

namespace {

std::atomic<std::uint64_t> itemSearches{0};

}  // namespace

std::uint64_t CollectionItemSearches() {
  return itemSearches.load(std::memory_order_relaxed);
}

}  // namespace vcl::detail

TCollectionItem::TCollectionItem(TCollection* Collection) {
  SetCollection(Collection);
}

TCollectionItem::~TCollectionItem() {
  SetCollection(nullptr);
}

void TCollectionItem::SetCollection(TCollection* value) {
  if (FCollection == value) return;
  if (FCollection != nullptr) FCollection->RemoveItem(this);
  if (value != nullptr) value->InsertItem(this);
}

int TCollectionItem::GetIndex() const {
  if (FCollection == nullptr) return -1;
  return FCollection->IndexOfItem(this);
}

void TCollectionItem::SetIndex(int value) {
  int current = GetIndex();
  if (current < 0 || value == current) return;
  auto& items = FCollection->FItems;
  if (value < 0 || value >= static_cast<int>(items.size())) throw EListError("List index out of bounds (%d)", {value});
  items.erase(items.begin() + current);
  items.insert(items.begin() + value, this);
  Changed(true);
}

std::string TCollectionItem::GetDisplayName() {
  return ClassName();
}

void TCollectionItem::SetDisplayName(const std::string&) {
  Changed(false);
}

std::string TCollectionItem::GetNamePath() {
  if (FCollection == nullptr) return ClassName();
  return FCollection->GetNamePath() + "[" + std::to_string(GetIndex()) + "]";
}

TPersistent* TCollectionItem::GetOwner() {
  return FCollection;
}

void TCollectionItem::Changed(bool allItems) {
  if (FCollection != nullptr && FCollection->FUpdateCount == 0) FCollection->Update(allItems ? nullptr : this);
}

TCollection::TCollection(TClass itemClass, TPersistent* owner) : FItemClass(itemClass), FOwner(owner) {}

TCollection::~TCollection() {
  FUpdateCount = 1;  // no Update calls while dying
  Clear();
}

TCollectionItem* TCollection::Add() {
  TObject* object = FItemClass->Create(this);
  auto* item = dynamic_cast<TCollectionItem*>(object);
  if (item == nullptr) {
    delete object;
    throw EInvalidOperation("%s is not a collection item class", {FItemClass->Name});
  }
  return item;
}

TCollectionItem* TCollection::Insert(int index) {
  TCollectionItem* item = Add();
  item->SetIndex(index);
  return item;
}

void TCollection::Delete(int index) {
  Notify(GetItem(index), cnDeleting);
  delete GetItem(index);
}

void TCollection::Clear() {
  if (FItems.empty()) return;
  BeginUpdate();
  // Each item leaves from the back and is detached before it is deleted, so
  // that its destructor has nothing to look up: clearing stays linear however
  // many items there are.
  while (!FItems.empty()) {
    TCollectionItem* item = FItems.back();
    Notify(item, cnExtracting);
    FItems.pop_back();
    item->FCollection = nullptr;
    delete item;
  }
  EndUpdate();
}

TCollectionItem* TCollection::GetItem(int index) const {
  if (index < 0 || index >= GetCount()) throw EListError("List index out of bounds (%d)", {index});
  return FItems[static_cast<std::size_t>(index)];
}

void TCollection::SetItem(int index, TCollectionItem* value) {
  GetItem(index)->Assign(value);
}

TCollectionItem* TCollection::FindItemID(int id) const {
  for (TCollectionItem* item : FItems)
    if (item->FID == id) return item;
  return nullptr;
}

void TCollection::BeginUpdate() {
  ++FUpdateCount;
}

void TCollection::EndUpdate() {
  --FUpdateCount;
  Changed();
}

void TCollection::Changed() {
  if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Notify(TCollectionItem*, TCollectionNotification) {}

void TCollection::Assign(TPersistent* source) {
  if (auto* other = dynamic_cast<TCollection*>(source)) {
    if (other == this) return;
    vcl::detail::WhileUpdating(*this, [&] {
      Clear();
      for (TCollectionItem* item : other->FItems) Add()->Assign(item);
    });
    return;
  }
  TPersistent::Assign(source);
}

std::string TCollection::GetNamePath() {
  if (FOwner == nullptr) return ClassName();
  std::string ownerPath = FOwner->GetNamePath();
  if (ownerPath.empty()) return ClassName();
  // The owner's published property that holds this collection names it.
  for (const TPropInfo& prop : FOwner->ClassType()->Published().Props())
    if (prop.Kind == TPropKind::Class && prop.GetObject(*FOwner) == this) return ownerPath + "." + prop.Name;
  return ownerPath + "." + ClassName();
}

void TCollection::InsertItem(TCollectionItem* item) {
  FItems.push_back(item);
  item->FCollection = this;
  item->FID = FNextID++;
  Notify(item, cnAdded);
  Changed();
}

int TCollection::IndexOfItem(const TCollectionItem* item) const {
  vcl::detail::itemSearches.fetch_add(1, std::memory_order_relaxed);
  auto it = std::find(FItems.begin(), FItems.end(), item);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TCollection::RemoveItem(TCollectionItem* item) {
  Notify(item, cnExtracting);
  int index = IndexOfItem(item);
  if (index >= 0) FItems.erase(FItems.begin() + index);
  item->FCollection = nullptr;
  Changed();
}
