#include "platform/vcl/controls/ActionList.h"

#include <algorithm>

#include "platform/vcl/classes/typeinfo/ClassRegistry.h"
#include "platform/vcl/controls/Control.h"
#include "platform/vcl/rtl/Exceptions.h"

// ---- TCustomAction ----------------------------------------------------------

TCustomAction::~TCustomAction() {
  SetActionList(nullptr);
}

bool TCustomAction::Execute() {
  return FEnabled && inherited::Execute();
}

void TCustomAction::SetActionList(TCustomActionList* value) {
  if (value == FActionList) return;
  if (FActionList) {
    auto& actions = FActionList->FActions;
    actions.erase(std::remove(actions.begin(), actions.end(), this), actions.end());
  }
  FActionList = value;
  if (value) value->FActions.push_back(this);
}

int TCustomAction::GetIndex() const {
  return FActionList ? FActionList->IndexOfAction(this) : -1;
}

template <class V>
void TCustomAction::Set(V& field, const V& value) {
  if (field == value) return;
  field = value;
  Change();
}

void TCustomAction::SetCaption(const std::string& value) {
  Set(FCaption, value);
}
void TCustomAction::SetChecked(bool value) {
  Set(FChecked, value);
}
void TCustomAction::SetEnabled(bool value) {
  Set(FEnabled, value);
}
void TCustomAction::SetHelpContext(int value) {
  Set(FHelpContext, value);
}
void TCustomAction::SetHint(const std::string& value) {
  Set(FHint, value);
}
void TCustomAction::SetImageIndex(int value) {
  Set(FImageIndex, value);
}
void TCustomAction::SetShortCut(TShortCut value) {
  Set(FShortCut, value);
}
void TCustomAction::SetVisible(bool value) {
  Set(FVisible, value);
}

TComponent* TCustomAction::GetParentComponent() {
  return FActionList ? FActionList : inherited::GetParentComponent();
}

void TCustomAction::SetParentComponent(TComponent* value) {
  if (auto* list = dynamic_cast<TCustomActionList*>(value)) SetActionList(list);
}

void TAction::Publish(TPublisher<TAction>& p) {
  p.Prop("Caption", &TAction::GetCaption, &TAction::SetCaption);
  p.Prop("Checked", &TAction::GetChecked, &TAction::SetChecked).Default(false);
  p.Prop("Enabled", &TAction::GetEnabled, &TAction::SetEnabled).Default(true);
  p.Prop("HelpContext", &TAction::GetHelpContext, &TAction::SetHelpContext).Default(0);
  p.Prop("Hint", &TAction::GetHint, &TAction::SetHint);
  p.Prop("ImageIndex", &TAction::GetImageIndex, &TAction::SetImageIndex).Default(-1);
  p.Prop("ShortCut", &TAction::GetShortCut, &TAction::SetShortCut).Default(TShortCut{0});
  p.Prop("Visible", &TAction::GetVisible, &TAction::SetVisible).Default(true);
}

// ---- TCustomActionList ------------------------------------------------------

TCustomActionList::TCustomActionList(TComponent* AOwner) : TComponent(AOwner) {}

TCustomActionList::~TCustomActionList() {
  while (!FActions.empty()) delete FActions.back();
}

TCustomAction* TCustomActionList::GetAction(int index) const {
  if (index < 0 || index >= GetActionCount()) throw EListError("List index out of bounds (%d)", {index});
  return FActions[static_cast<std::size_t>(index)];
}

int TCustomActionList::IndexOfAction(const TCustomAction* action) const {
  auto it = std::find(FActions.begin(), FActions.end(), action);
  return it == FActions.end() ? -1 : static_cast<int>(it - FActions.begin());
}

void TCustomActionList::SetImages(TCustomImageList* value) {
  if (value == FImages) return;
  FImages = value;
  if (value) value->FreeNotification(this);
}

void TCustomActionList::GetChildren(const TGetChildProc& proc, TComponent* root) {
  std::vector<TCustomAction*> actions = FActions;
  for (TCustomAction* action : actions)
    if (action->GetOwner() == root) proc(action);
}

void TCustomActionList::SetChildOrder(TComponent* child, int order) {
  auto* action = dynamic_cast<TCustomAction*>(child);
  int from = IndexOfAction(action);
  if (from < 0) return;
  order = std::clamp(order, 0, GetActionCount() - 1);
  FActions.erase(FActions.begin() + from);
  FActions.insert(FActions.begin() + order, action);
}

void TCustomActionList::Publish(TPublisher<TCustomActionList>& p) {
  p.Prop("Images", &TCustomActionList::GetImages, &TCustomActionList::SetImages);
}

void TCustomActionList::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImages) FImages = nullptr;
}

// ---- TControlActionLink -----------------------------------------------------

TControlActionLink::TControlActionLink(TControl* client) : TBasicActionLink(client), FControl(client) {}

void TControlActionLink::Change() {
  inherited::Change();
  if (GetAction()) FControl->ActionChange(GetAction(), false);
}

namespace vcl {
void RegisterActionClasses() {
  RegisterClasses({TAction::StaticClass(), TActionList::StaticClass()});
}
}  // namespace vcl
