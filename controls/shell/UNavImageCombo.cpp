#include "controls/shell/UNavImageCombo.h"

#include <algorithm>
#include <cstdlib>

#include "platform/vcl/Forms.h"
#include "platform/vcl/vcl_ext.h"

void TNavCustomCombobox::Messages(TMessageMap<TNavCustomCombobox>& m) {
  m.On(CN_COMMAND, &TNavCustomCombobox::CNCommand);
  m.On(CN_DELETEITEM, &TNavCustomCombobox::DeleteItem);
  m.On(WM_DELETEITEM, &TNavCustomCombobox::DeleteItem);
}

void TNavCustomCombobox::SetItemHeight(int value) {
  if (value == GetItemHeight() || !OwnerDrawn()) return;
  inherited::SetItemHeight(value);
  // A fixed box takes the height in its live window. Only a variable one
  // needs a new window, and never from inside its own WM_SETFONT, which
  // arrives while the window is being made.
  if (HandleAllocated() && GetStyle() == csOwnerDrawVariable && !FInSetFont) RecreateWnd();
}

void TNavCustomCombobox::CNCommand(TMessage& m) {
  switch (HIWORD(m.WParam)) {
    case CBN_CLOSEUP: CloseUp(); return;
    case CBN_SELENDOK: SelEndOk(); return;
    case CBN_SELENDCANCEL: SelEndCancel(); return;
    default: InheritedMessage(m);
  }
}

void TNavCustomCombobox::DeleteItem(TMessage& m) {
  auto* item = reinterpret_cast<DELETEITEMSTRUCT*>(m.LParam);
  if (item && item->itemData && !FKeepItemData) {
    DeleteItemData(reinterpret_cast<void*>(item->itemData));
    item->itemData = 0;
  }
  InheritedMessage(m);
}

void TNavCustomCombobox::DestroyWnd() {
  // The entries wait for the next window with their data; only a control
  // that goes lets its entries' data go with the window.
  FKeepItemData = !GetComponentState().Contains(csDestroying);
  inherited::DestroyWnd();
  FKeepItemData = false;
}

void TNavCustomCombobox::CloseUp() {
  if (OnCloseUp) OnCloseUp(this);
}

void TNavCustomCombobox::SelEndCancel() {
  if (OnSelEndCancel) OnSelEndCancel(this);
}

void TNavCustomCombobox::SelEndOk() {
  if (OnSelEndOk) OnSelEndOk(this);
}

void TNavImageComboItem::Changed() {
  if (FOwner) FOwner->Invalidate();
}

void TNavImageComboItem::SetImageIndex(int value) {
  FImageIndex = value;
  Changed();
}

void TNavImageComboItem::SetOverlayIndex(int value) {
  FOverlayIndex = value;
  Changed();
}

void TNavImageComboItem::SetCaption(const std::string& value) {
  FCaption = value;
  Changed();
}

TNavCustomImageCombo::TNavCustomImageCombo(TComponent* AOwner) : TNavCustomCombobox(AOwner) {
  SetStyle(csOwnerDrawFixed);
}

TNavCustomImageCombo::~TNavCustomImageCombo() {
  ClearEntries();
}

void TNavCustomImageCombo::ClearEntries() {
  TStrings* items = GetItems();
  if (!HandleAllocated()) {
    // Waiting entries reach no window that would report them.
    for (int i = 0; i < items->GetCount(); i++) {
      TObject* entry = items->GetObjects(i);
      items->SetObjects(i, nullptr);
      if (entry) DeleteItemData(entry);
    }
  }
  // With a window each entry's data goes through WM_DELETEITEM.
  items->Clear();
}

void TNavCustomImageCombo::Messages(TMessageMap<TNavCustomImageCombo>& m) {
  m.On(WM_SETFONT, &TNavCustomImageCombo::WMSetFont);
  m.On(WM_ERASEBKGND, &TNavCustomImageCombo::WMEraseBkgnd);
  m.On(CN_DRAWITEM, &TNavCustomImageCombo::CNDrawItem);
}

TNavImageComboItem* TNavCustomImageCombo::Item(int index) const {
  return dynamic_cast<TNavImageComboItem*>(GetItems()->GetObjects(index));
}

TNavImageComboItem* TNavCustomImageCombo::AddItem(const std::string& caption, int imageIndex, int indent) {
  auto* item = new TNavImageComboItem(this, caption, imageIndex, indent);
  item->FListIndex = GetItems()->AddObject("", item);
  return item;
}

void TNavCustomImageCombo::SetImages(TCustomImageList* value) {
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = value;
  Invalidate();
  if (FImages) FImages->FreeNotification(this);
  if (!GetComponentState().Contains(csLoading)) FontChanged(GetFont()->GetHandle());
}

void TNavCustomImageCombo::SetIndentPixels(int value) {
  if (value == FIndentPixels) return;
  FIndentPixels = value;
  Invalidate();
}

void TNavCustomImageCombo::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == opRemove && component == FImages) FImages = nullptr;
}

void TNavCustomImageCombo::DeleteItemData(void* data) {
  auto* item = dynamic_cast<TNavImageComboItem*>(static_cast<TObject*>(data));
  if (!item) return;
  if (OnDeleteItem) OnDeleteItem(this, item);
  delete item;
}

void TNavCustomImageCombo::FontChanged(HFONT font) {
  if (!FAutoItemHeight) return;
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  int height = std::abs(static_cast<int>(tm.tmHeight)) + 2;
  if (FImages) height = std::max(height, FImages->GetHeight());
  SetItemHeight(height);
}

void TNavCustomImageCombo::WMSetFont(TMessage& m) {
  if (!FInSetFont) {
    FInSetFont = true;
    FontChanged(reinterpret_cast<HFONT>(m.WParam));
    FInSetFont = false;
  }
  InheritedMessage(m);
}

void TNavCustomImageCombo::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  params.Style &= ~static_cast<DWORD>(CBS_HASSTRINGS);
}

void TNavCustomImageCombo::CreateWnd() {
  inherited::CreateWnd();
  SendMessageA(GetHandle(), CB_SETEXTENDEDUI, TRUE, 0);
}

void TNavCustomImageCombo::DestroyWnd() {
  // A window made again (a new item height) keeps the entries; they go
  // with the control.
  if (GetComponentState().Contains(csDestroying)) ClearEntries();
  inherited::DestroyWnd();
}

void TNavCustomImageCombo::WMEraseBkgnd(TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  auto* form = dynamic_cast<TCustomForm*>(GetOwner());
  HBRUSH brush = CreateSolidBrush(ColorToRGB(form ? form->GetColor() : clWindow));
  RECT r;
  ::GetClientRect(GetHandle(), &r);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
  m.Result = 1;
}

void TNavCustomImageCombo::CNDrawItem(TMessage& m) {
  auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
  TCanvas* canvas = GetCanvas();
  TOwnerDrawState state = vcl::stdctrls::OwnerDrawState(dis->itemState);
  canvas->SetHandle(dis->hDC);
  canvas->GetFont()->Assign(GetFont());
  canvas->GetBrush()->Assign(GetBrush());
  if (dis->itemState & ODS_SELECTED) {
    canvas->GetBrush()->SetColor(clHighlight);
    canvas->GetFont()->SetColor(clHighlightText);
  }
  TRect rect(dis->rcItem.left, dis->rcItem.top, dis->rcItem.right, dis->rcItem.bottom);
  if (static_cast<int>(dis->itemID) < 0)
    canvas->FillRect(rect);
  else
    DrawItem(static_cast<int>(dis->itemID), rect, state);
  canvas->SetHandle(nullptr);
  m.Result = TRUE;
}

void TNavCustomImageCombo::DrawItem(int index, TRect rect, TOwnerDrawState state) {
  if (OnDrawItem) {
    OnDrawItem(this, index, rect, state);
    return;
  }
  TNavImageComboItem* item = index < GetItems()->GetCount() ? Item(index) : nullptr;
  if (!item) return;
  GetItemInfo(item);
  TCanvas* canvas = GetCanvas();
  // The edit part shows the chosen entry at the left edge.
  bool inEdit = WindowFromDC(canvas->GetHandle()) == GetHandle();
  int level = inEdit ? 0 : item->GetIndent();
  bool selected = state.Contains(odSelected);
  TColor brushColor = canvas->GetBrush()->GetColor();
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(rect);
  canvas->GetBrush()->SetColor(brushColor);
  int left = rect.Left + level * FIndentPixels;
  if (FImages) {
    UINT style = ILD_TRANSPARENT;
    COLORREF blend = CLR_NONE;
    if (selected) {
      canvas->GetBrush()->SetColor(clHighlight);
      style |= ILD_SELECTED;
      blend = ColorToRGB(clHighlight);
    }
    if (item->GetOverlayIndex() >= 0) style |= INDEXTOOVERLAYMASK(item->GetOverlayIndex() + 1);
    int y = (rect.Top + rect.Bottom - FImages->GetHeight()) / 2;
    ImageList_DrawEx(FImages->GetHandle(), item->GetImageIndex(), canvas->GetHandle(), left + 2, y, 0, 0, CLR_NONE,
                     blend, style);
  }
  if (selected) canvas->GetBrush()->SetColor(clHighlight);
  if (!item->GetCaption().empty()) {
    int textLeft = left + (FImages ? FImages->GetWidth() + 4 : 4) + 1;
    TRect textRect(textLeft, rect.Top, textLeft + canvas->TextWidth(item->GetCaption()) + 3, rect.Bottom);
    canvas->TextRect(textRect, textRect.Left + 1, textRect.Top + 1, item->GetCaption());
  }
}
