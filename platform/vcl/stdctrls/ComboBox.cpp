#include "platform/vcl/stdctrls/ComboBox.h"

#include <algorithm>

#include "platform/vcl/classes/components/WeakRef.h"
#include "platform/vcl/stdctrls/ControlColors.h"
#include "platform/vcl/stdctrls/OwnerDraw.h"
#include "platform/win/windows.h"

namespace {
constexpr TItemMessages kComboMessages{CB_ADDSTRING,   CB_INSERTSTRING,    CB_DELETESTRING, CB_RESETCONTENT,
                                       CB_GETCOUNT,    CB_GETLBTEXT,       CB_GETLBTEXTLEN, CB_GETITEMDATA,
                                       CB_SETITEMDATA, CB_FINDSTRINGEXACT, CB_ERR};
}  // namespace

TCustomComboBox::TCustomComboBox(TComponent* AOwner)
    : TWinControl(AOwner),
      FItems(std::make_unique<TControlItemStrings>(this, kComboMessages)),
      FCanvas(std::make_unique<TControlCanvas>()) {
  FControlStyle = TControlStyle{csSetCaption, csDoubleClicks};
  FWidth = 145;
  FHeight = 21;
  FTabStop = true;
  FParentColor = false;
  FColor = clWindow;
  FBrush->SetColor(FColor);
  FCanvas->SetControl(this);
}

TCustomComboBox::~TCustomComboBox() = default;

void TCustomComboBox::Publish(TPublisher<TCustomComboBox>& p) {
  p.Prop("Style", &TCustomComboBox::GetStyle, &TCustomComboBox::SetStyle).Default(csDropDown);
  p.Prop("DropDownCount", &TCustomComboBox::GetDropDownCount, &TCustomComboBox::SetDropDownCount).Default(8);
  p.Prop("ItemHeight", &TCustomComboBox::GetItemHeight, &TCustomComboBox::SetItemHeight).Default(16);
  p.Prop("MaxLength", &TCustomComboBox::GetMaxLength, &TCustomComboBox::SetMaxLength).Default(0);
  p.Prop("Sorted", &TCustomComboBox::GetSorted, &TCustomComboBox::SetSorted).Default(false);
  p.Prop("Items", &TCustomComboBox::GetItems, &TCustomComboBox::SetItems);
  p.Prop("Text", &TCustomComboBox::GetText, &TCustomComboBox::SetText);
  p.Prop("Caption", &TCustomComboBox::GetCaption, &TCustomComboBox::SetCaption).Stored(false);
  p.Prop("OnChange", &TCustomComboBox::OnChange);
  p.Prop("OnCloseUp", &TCustomComboBox::OnCloseUp);
  p.Prop("OnDrawItem", &TCustomComboBox::OnDrawItem);
  p.Prop("OnDropDown", &TCustomComboBox::OnDropDown);
  p.Prop("OnMeasureItem", &TCustomComboBox::OnMeasureItem);
  p.Default("TabStop", true);
}

void TCustomComboBox::Messages(TMessageMap<TCustomComboBox>& m) {
  m.On(CN_COMMAND, &TCustomComboBox::CNCommand);
  m.On(CN_DRAWITEM, &TCustomComboBox::CNDrawItem);
  m.On(CN_MEASUREITEM, &TCustomComboBox::CNMeasureItem);
  m.On(CN_CTLCOLOREDIT, &TCustomComboBox::CNCtlColor);
  m.On(CN_CTLCOLORLISTBOX, &TCustomComboBox::CNCtlColor);
  m.On(CN_CTLCOLORSTATIC, &TCustomComboBox::CNCtlColor);
  m.On(WM_PAINT, &TCustomComboBox::WMPaint);
}

void TCustomComboBox::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  CreateSubClass(params, "COMBOBOX");
  static constexpr DWORD kStyles[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED,
                                      CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE};
  params.Style |= kStyles[FStyle] | CBS_HASSTRINGS | CBS_AUTOHSCROLL | WS_VSCROLL;
  if (FSorted) params.Style |= CBS_SORT;
}

void TCustomComboBox::CreateWnd() {
  std::string text = FText;
  inherited::CreateWnd();
  if (FStyle == csOwnerDrawFixed) {
    SendMessageA(FHandle, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), FItemHeight);
    SendMessageA(FHandle, CB_SETITEMHEIGHT, 0, FItemHeight);
  }
  FItems->MoveToWindow();
  if (FMaxLength > 0) SendMessageA(FHandle, CB_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
  if (FItemIndex >= 0)
    SendMessageA(FHandle, CB_SETCURSEL, static_cast<WPARAM>(FItemIndex), 0);
  else if (!text.empty())
    SetWindowTextA(FHandle, text.c_str());
  ApplyDropDownCount();
}

void TCustomComboBox::DestroyWnd() {
  FItemIndex = GetItemIndex();
  FItems->MoveFromWindow();
  inherited::DestroyWnd();
}

void TCustomComboBox::ApplyDropDownCount() {
  if (!HandleAllocated() || FStyle == csSimple) return;
  // The window's height asked for covers the field and the dropped list.
  int itemHeight = static_cast<int>(SendMessageA(FHandle, CB_GETITEMHEIGHT, 0, 0));
  SetWindowPos(FHandle, nullptr, 0, 0, GetWidth(), GetHeight() + itemHeight * FDropDownCount + 2,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

void TCustomComboBox::WMPaint(TMessage& m) {
  DefaultHandler(m);
}

void TCustomComboBox::CNCtlColor(TMessage& m) {
  vcl::stdctrls::AnswerCtlColor(*this, m);
}

void TCustomComboBox::CNCommand(TMessage& m) {
  switch (HIWORD(m.WParam)) {
    case CBN_DBLCLK: DblClick(); break;
    case CBN_EDITCHANGE: Change(); break;
    case CBN_DROPDOWN: DropDown(); break;
    case CBN_CLOSEUP: CloseUp(); break;
    case CBN_SELCHANGE: {
      // OnClick may free the box.
      TWeakRef<TCustomComboBox> self(this);
      Click();
      if (self) Change();
      break;
    }
    default: break;
  }
}

void TCustomComboBox::Change() {
  if (OnChange) OnChange(this);
}

void TCustomComboBox::DropDown() {
  if (OnDropDown) OnDropDown(this);
}

void TCustomComboBox::CloseUp() {
  if (OnCloseUp) OnCloseUp(this);
}

int TCustomComboBox::GetItemIndex() {
  if (!HandleAllocated()) return FItemIndex;
  return static_cast<int>(SendMessageA(FHandle, CB_GETCURSEL, 0, 0));
}

void TCustomComboBox::SetItemIndex(int value) {
  if (value < -1 || value >= FItems->GetCount()) value = -1;
  if (GetItemIndex() == value) return;
  if (!HandleAllocated()) {
    FItemIndex = value;
    return;
  }
  SendMessageA(FHandle, CB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

void TCustomComboBox::SetStyle(TComboBoxStyle value) {
  if (FStyle == value) return;
  FStyle = value;
  RecreateWnd();
}

void TCustomComboBox::SetSorted(bool value) {
  if (FSorted == value) return;
  FSorted = value;
  FItems->SetSorted(value);
  RecreateWnd();
}

void TCustomComboBox::SetDropDownCount(int value) {
  if (value < 1 || FDropDownCount == value) return;
  FDropDownCount = value;
  ApplyDropDownCount();
}

bool TCustomComboBox::GetDroppedDown() {
  return HandleAllocated() && SendMessageA(FHandle, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomComboBox::SetDroppedDown(bool value) {
  if (GetDroppedDown() == value) return;
  SendMessageA(GetHandle(), CB_SHOWDROPDOWN, value ? TRUE : FALSE, 0);
}

int TCustomComboBox::GetItemHeight() {
  if (HandleAllocated() && !OwnerDrawn()) return static_cast<int>(SendMessageA(FHandle, CB_GETITEMHEIGHT, 0, 0));
  return FItemHeight;
}

void TCustomComboBox::SetItemHeight(int value) {
  if (value <= 0 || FItemHeight == value) return;
  FItemHeight = value;
  if (HandleAllocated() && FStyle == csOwnerDrawFixed) {
    SendMessageA(FHandle, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), value);
    SendMessageA(FHandle, CB_SETITEMHEIGHT, 0, value);
    ApplyDropDownCount();
  }
}

void TCustomComboBox::SetMaxLength(int value) {
  if (value < 0) value = 0;
  if (FMaxLength == value) return;
  FMaxLength = value;
  if (HandleAllocated()) SendMessageA(FHandle, CB_LIMITTEXT, static_cast<WPARAM>(value), 0);
}

void TCustomComboBox::Clear() {
  SetText("");
  FItems->Clear();
  FItemIndex = -1;
}

void TCustomComboBox::CNMeasureItem(TMessage& m) {
  vcl::stdctrls::AnswerMeasureItem(m, FItemHeight, FStyle == csOwnerDrawVariable,
                                   [this](int index, int& height) { MeasureItem(index, height); });
}

void TCustomComboBox::MeasureItem(int index, int& height) {
  if (OnMeasureItem) OnMeasureItem(this, index, height);
}

void TCustomComboBox::CNDrawItem(TMessage& m) {
  vcl::stdctrls::PaintOwnerDrawnItem(
      *FCanvas, *this, *reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam),
      [this](int index, TRect rect, TOwnerDrawState state) { DrawItem(index, rect, state); });
  m.Result = TRUE;
}

void TCustomComboBox::DrawItem(int index, TRect rect, TOwnerDrawState state) {
  if (OnDrawItem) {
    OnDrawItem(this, index, rect, state);
    return;
  }
  vcl::stdctrls::DrawItemText(*FCanvas, rect, index < FItems->GetCount() ? FItems->GetStrings(index) : "");
}
