#include "platform/vcl/menus/MenuItem.h"

#include <algorithm>
#include <strings.h>

#include "platform/vcl/controls/Screen.h"
#include "platform/vcl/menus/Menu.h"

namespace {

// Command ids in use: each living item holds one, so WM_COMMAND finds it.
std::vector<bool>& CommandsInUse() {
  static std::vector<bool> used(0x10000, false);
  return used;
}

UINT UniqueCommand() {
  auto& used = CommandsInUse();
  for (UINT id = 1; id < used.size(); id++)
    if (!used[id]) {
      used[id] = true;
      return id;
    }
  throw EMenuError("No more menu commands");
}

void ReleaseCommand(UINT id) {
  if (id != 0) CommandsInUse()[id] = false;
}

// Takes the entries out of a menu handle without destroying their submenus
// (those belong to their own items).
void RemoveAllEntries(HMENU menu) {
  while (GetMenuItemCount(menu) > 0) RemoveMenu(menu, 0, MF_BYPOSITION);
}

}  // namespace

std::string StripHotkey(const std::string& caption) {
  std::string out;
  for (size_t i = 0; i < caption.size(); i++) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') out += caption[++i];
      continue;
    }
    out += caption[i];
  }
  return out;
}

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), FCommand(UniqueCommand()) {}

TMenuItem::~TMenuItem() {
  if (FParent) FParent->Remove(this);
  while (!FItems.empty()) delete FItems.back();
  if (FHandle) {
    RemoveAllEntries(FHandle);
    DestroyMenu(FHandle);
  }
  ReleaseCommand(FCommand);
}

void TMenuItem::Publish(TPublisher<TMenuItem>& p) {
  p.Prop("Break", &TMenuItem::GetBreak, &TMenuItem::SetBreak).Default(false);
  p.Prop("Caption", &TMenuItem::GetCaption, &TMenuItem::SetCaption);
  p.Prop("Checked", &TMenuItem::GetChecked, &TMenuItem::SetChecked).Default(false);
  p.Prop("Default", &TMenuItem::GetDefault, &TMenuItem::SetDefault).Default(false);
  p.Prop("Enabled", &TMenuItem::GetEnabled, &TMenuItem::SetEnabled).Default(true);
  p.Prop("GroupIndex", &TMenuItem::GetGroupIndex, &TMenuItem::SetGroupIndex).Default(0);
  p.Prop("HelpContext", &TMenuItem::GetHelpContext, &TMenuItem::SetHelpContext).Default(0);
  p.Prop("Hint", &TMenuItem::GetHint, &TMenuItem::SetHint);
  p.Prop("ImageIndex", &TMenuItem::GetImageIndex, &TMenuItem::SetImageIndex).Default(-1);
  p.Prop("RadioItem", &TMenuItem::GetRadioItem, &TMenuItem::SetRadioItem).Default(false);
  p.Prop("ShortCut", &TMenuItem::GetShortCut, &TMenuItem::SetShortCut).Default(0);
  p.Prop("Visible", &TMenuItem::GetVisible, &TMenuItem::SetVisible).Default(true);
  p.Prop("OnClick", &TMenuItem::OnClick);
  p.Prop("OnDrawItem", &TMenuItem::OnDrawItem);
  p.Prop("OnMeasureItem", &TMenuItem::OnMeasureItem);
}

// ---- The list of entries ---------------------------------------------------

TMenuItem* TMenuItem::GetItem(int index) const {
  if (index < 0 || index >= GetCount()) throw EMenuError("Menu index out of range");
  return FItems[static_cast<size_t>(index)];
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(FItems.begin(), FItems.end(), item);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TMenuItem::Add(TMenuItem* item) {
  Insert(GetCount(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (item == nullptr) return;
  if (item->FParent != nullptr) throw EMenuError("Menu inserted twice");
  for (const TMenuItem* p = this; p; p = p->FParent)
    if (p == item) throw EMenuError("Menu inserted twice");
  if (index < 0 || index > GetCount()) throw EMenuError("Menu index out of range");
  FItems.insert(FItems.begin() + index, item);
  item->FParent = this;
  if (item->FRadioItem && item->FChecked) item->TurnSiblingsOff();
  RebuildHandle();
  Changed();
}

void TMenuItem::Delete(int index) {
  TMenuItem* item = GetItem(index);
  FItems.erase(FItems.begin() + index);
  item->FParent = nullptr;
  RebuildHandle();
  Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
  int i = IndexOf(item);
  if (i < 0) throw EMenuError("Sub-menu is not in menu");
  Delete(i);
}

void TMenuItem::Clear() {
  while (!FItems.empty()) delete FItems.back();
}

TMenuItem* TMenuItem::Find(const std::string& caption) const {
  std::string wanted = StripHotkey(caption);
  for (TMenuItem* item : FItems)
    if (strcasecmp(StripHotkey(item->FCaption).c_str(), wanted.c_str()) == 0) return item;
  return nullptr;
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->FParent) root = root->FParent;
  return root->FMenu;
}

int TMenuItem::GetMenuIndex() const {
  return FParent ? FParent->IndexOf(this) : -1;
}

void TMenuItem::SetMenuIndex(int value) {
  if (!FParent) return;
  TMenuItem* parent = FParent;
  int count = parent->GetCount();
  value = std::clamp(value, 0, count - 1);
  if (value == GetMenuIndex()) return;
  parent->FItems.erase(parent->FItems.begin() + GetMenuIndex());
  parent->FItems.insert(parent->FItems.begin() + value, this);
  parent->RebuildHandle();
}

// ---- Streaming --------------------------------------------------------------

TComponent* TMenuItem::GetParentComponent() {
  if (FParent && FParent->FMenu) return FParent->FMenu;
  return FParent;
}

void TMenuItem::SetParentComponent(TComponent* value) {
  if (FParent) FParent->Remove(this);
  if (!value) return;
  if (auto* menu = dynamic_cast<TMenu*>(value))
    menu->GetItems()->Add(this);
  else if (auto* item = dynamic_cast<TMenuItem*>(value))
    item->Add(this);
}

void TMenuItem::GetChildren(const TGetChildProc& proc, TComponent*) {
  std::vector<TMenuItem*> items = FItems;
  for (TMenuItem* item : items) proc(item);
}

void TMenuItem::SetChildOrder(TComponent* child, int order) {
  if (auto* item = dynamic_cast<TMenuItem*>(child); item && item->FParent == this) item->SetMenuIndex(order);
}

void TMenuItem::Loaded() {
  inherited::Loaded();
  if (FRadioItem && FChecked) TurnSiblingsOff();
}

// ---- Properties ---------------------------------------------------------------

void TMenuItem::SetCaption(const std::string& value) {
  if (value == FCaption) return;
  FCaption = value;
  Changed();
}

void TMenuItem::SetChecked(bool value) {
  if (value == FChecked) return;
  FChecked = value;
  if (value && FRadioItem) TurnSiblingsOff();
  Changed();
}

void TMenuItem::SetRadioItem(bool value) {
  if (value == FRadioItem) return;
  FRadioItem = value;
  if (FChecked && FRadioItem) TurnSiblingsOff();
  Changed();
}

void TMenuItem::SetGroupIndex(BYTE value) {
  if (value == FGroupIndex) return;
  FGroupIndex = value;
  if (FChecked && FRadioItem) TurnSiblingsOff();
  Changed();
}

void TMenuItem::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  Changed();
}

void TMenuItem::SetVisible(bool value) {
  if (value == FVisible) return;
  FVisible = value;
  Changed();
}

void TMenuItem::SetDefault(bool value) {
  if (value == FDefault) return;
  if (value && FParent)
    for (TMenuItem* sibling : FParent->FItems) sibling->FDefault = false;
  FDefault = value;
  Changed();
}

void TMenuItem::SetShortCut(TShortCut value) {
  if (value == FShortCut) return;
  FShortCut = value;
  Changed();
}

void TMenuItem::SetImageIndex(int value) {
  if (value == FImageIndex) return;
  FImageIndex = value;
  Changed();
}

void TMenuItem::SetBreak(bool value) {
  if (value == FBreak) return;
  FBreak = value;
  Changed();
}

void TMenuItem::TurnSiblingsOff() {
  if (!FParent) return;
  for (TMenuItem* sibling : FParent->FItems)
    if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex) sibling->FChecked = false;
}

// ---- The window manager's menus ------------------------------------------------

HMENU TMenuItem::GetHandle() {
  if (FMenu) return FMenu->GetHandle();
  if (FItems.empty()) return nullptr;
  if (!FHandle) {
    FHandle = CreatePopupMenu();
    RebuildHandle();
  }
  return FHandle;
}

HMENU TMenuItem::MenuHandleOfEntries() {
  return FMenu ? FMenu->FHandle : FHandle;
}

void TMenuItem::Changed() {
  if (FParent) FParent->RebuildHandle();
}

void TMenuItem::AppendTo(HMENU menu) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_SUBMENU | MIIM_STRING;
  std::string text = FCaption;
  if (FShortCut != 0) text += "\t" + ShortCutToText(FShortCut);
  TMenu* menuComponent = GetParentMenu();
  bool ownerDraw = menuComponent && menuComponent->GetOwnerDraw();
  if (IsLine()) {
    info.fType = MFT_SEPARATOR;
  } else {
    info.fType = ownerDraw ? MFT_OWNERDRAW : MFT_STRING;
    if (FRadioItem) info.fType |= MFT_RADIOCHECK;
    if (FBreak) info.fType |= MFT_MENUBREAK;
  }
  info.fState = (FChecked ? MFS_CHECKED : 0) | (FEnabled ? 0 : MFS_GRAYED) | (FDefault ? MFS_DEFAULT : 0);
  info.wID = FCommand;
  info.hSubMenu = FItems.empty() ? nullptr : GetHandle();
  info.dwItemData = reinterpret_cast<ULONG_PTR>(this);
  if (!IsLine()) {
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
  }
  InsertMenuItemA(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info);
}

void TMenuItem::RebuildHandle() {
  HMENU menu = MenuHandleOfEntries();
  if (!menu) return;
  RemoveAllEntries(menu);
  for (TMenuItem* item : FItems)
    if (item->FVisible) item->AppendTo(menu);
  if (FMenu) FMenu->MenuChanged();
}

// ---- Clicking and owner drawing --------------------------------------------------

void TMenuItem::Click() {
  if (FEnabled && OnClick) OnClick(this);
}

void TMenuItem::MeasureItem(TCanvas* ACanvas, int& Width, int& Height) {
  if (IsLine()) {
    Width = 10;
    Height = 8;
  } else {
    std::string text = StripHotkey(FCaption);
    if (FShortCut != 0) text += "    " + ShortCutToText(FShortCut);
    Width = ACanvas->TextWidth(text) + 24 + 16;
    Height = std::max(ACanvas->TextHeight(text) + 6, 18);
  }
  if (OnMeasureItem) OnMeasureItem(this, ACanvas, Width, Height);
}

void TMenuItem::DrawItem(TCanvas* ACanvas, TRect ARect, bool Selected) {
  if (OnDrawItem) {
    OnDrawItem(this, ACanvas, ARect, Selected);
    return;
  }
  ACanvas->FillRect(ARect);
  if (IsLine()) {
    int y = (ARect.Top + ARect.Bottom) / 2;
    ACanvas->GetPen()->SetColor(clBtnShadow);
    ACanvas->MoveTo(ARect.Left + 2, y);
    ACanvas->LineTo(ARect.Right - 2, y);
    return;
  }
  TMenu* menu = GetParentMenu();
  TCustomImageList* images = menu ? menu->GetImages() : nullptr;
  int textLeft = ARect.Left + 24;
  int middle = (ARect.Top + ARect.Bottom) / 2;
  if (images && FImageIndex >= 0 && FImageIndex < images->GetCount())
    images->Draw(ACanvas, ARect.Left + 2, middle - images->GetHeight() / 2, FImageIndex, FEnabled);
  else if (FChecked)
    ACanvas->TextOut(ARect.Left + 6, middle - ACanvas->TextHeight("x") / 2,
                     FRadioItem ? "\xE2\x80\xA2" : "\xE2\x9C\x93");
  if (!FEnabled) ACanvas->GetFont()->SetColor(clGrayText);
  std::string text = StripHotkey(FCaption);
  ACanvas->GetBrush()->SetStyle(bsClear);
  ACanvas->TextOut(textLeft, middle - ACanvas->TextHeight(text) / 2, text);
  if (FShortCut != 0) {
    std::string keys = ShortCutToText(FShortCut);
    ACanvas->TextOut(ARect.Right - 8 - ACanvas->TextWidth(keys), middle - ACanvas->TextHeight(keys) / 2, keys);
  }
}
