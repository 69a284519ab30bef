#include "platform/vcl/stdctrls/ListBox.h"

#include <algorithm>

#include "platform/vcl/rtl/Exceptions.h"
#include "platform/vcl/stdctrls/ControlColors.h"
#include "platform/vcl/stdctrls/OwnerDraw.h"
#include "platform/win/windows.h"

namespace {
constexpr TItemMessages kListMessages{LB_ADDSTRING,   LB_INSERTSTRING,    LB_DELETESTRING, LB_RESETCONTENT,
                                      LB_GETCOUNT,    LB_GETTEXT,         LB_GETTEXTLEN,   LB_GETITEMDATA,
                                      LB_SETITEMDATA, LB_FINDSTRINGEXACT, LB_ERR};
}  // namespace

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TWinControl(AOwner),
      FItems(std::make_unique<TControlItemStrings>(this, kListMessages)),
      FCanvas(std::make_unique<TControlCanvas>()) {
  FControlStyle = TControlStyle{csSetCaption, csDoubleClicks};
  FWidth = 121;
  FHeight = 97;
  FTabStop = true;
  FParentColor = false;
  FColor = clWindow;
  FBrush->SetColor(FColor);
  FCanvas->SetControl(this);
}

TCustomListBox::~TCustomListBox() = default;

void TCustomListBox::Publish(TPublisher<TCustomListBox>& p) {
  p.Prop("BorderStyle", &TCustomListBox::GetBorderStyle, &TCustomListBox::SetBorderStyle).Default(bsSingle);
  p.Prop("ExtendedSelect", &TCustomListBox::GetExtendedSelect, &TCustomListBox::SetExtendedSelect).Default(true);
  p.Prop("IntegralHeight", &TCustomListBox::GetIntegralHeight, &TCustomListBox::SetIntegralHeight).Default(false);
  p.Prop("ItemHeight", &TCustomListBox::GetItemHeight, &TCustomListBox::SetItemHeight).Default(16);
  p.Prop("Items", &TCustomListBox::GetItems, &TCustomListBox::SetItems);
  p.Prop("MultiSelect", &TCustomListBox::GetMultiSelect, &TCustomListBox::SetMultiSelect).Default(false);
  p.Prop("Sorted", &TCustomListBox::GetSorted, &TCustomListBox::SetSorted).Default(false);
  p.Prop("Style", &TCustomListBox::GetStyle, &TCustomListBox::SetStyle).Default(lbStandard);
  p.Prop("OnDrawItem", &TCustomListBox::OnDrawItem);
  p.Prop("OnMeasureItem", &TCustomListBox::OnMeasureItem);
  p.Default("TabStop", true);
}

void TCustomListBox::Messages(TMessageMap<TCustomListBox>& m) {
  m.On(CN_COMMAND, &TCustomListBox::CNCommand);
  m.On(CN_DRAWITEM, &TCustomListBox::CNDrawItem);
  m.On(CN_MEASUREITEM, &TCustomListBox::CNMeasureItem);
  m.On(CN_CTLCOLORLISTBOX, &TCustomListBox::CNCtlColor);
  m.On(WM_PAINT, &TCustomListBox::WMPaint);
}

void TCustomListBox::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  CreateSubClass(params, "LISTBOX");
  params.Style |= LBS_NOTIFY | LBS_HASSTRINGS | WS_VSCROLL;
  if (FSorted) params.Style |= LBS_SORT;
  if (FMultiSelect) params.Style |= FExtendedSelect ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
  if (!FIntegralHeight) params.Style |= LBS_NOINTEGRALHEIGHT;
  if (FStyle == lbOwnerDrawFixed) params.Style |= LBS_OWNERDRAWFIXED;
  if (FStyle == lbOwnerDrawVariable) params.Style |= LBS_OWNERDRAWVARIABLE;
  if (FBorderStyle == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::CreateWnd() {
  inherited::CreateWnd();
  // A fixed owner-drawn list's lines are as high as ItemHeight says.
  if (FStyle == lbOwnerDrawFixed) SendMessageA(FHandle, LB_SETITEMHEIGHT, 0, FItemHeight);
  FItems->MoveToWindow();
  if (FMultiSelect)
    for (int i : FSavedSelection) SendMessageA(FHandle, LB_SETSEL, TRUE, i);
  else
    SendMessageA(FHandle, LB_SETCURSEL, static_cast<WPARAM>(FItemIndex), 0);
  SendMessageA(FHandle, LB_SETTOPINDEX, static_cast<WPARAM>(FTopIndex), 0);
  FSavedSelection.clear();
}

void TCustomListBox::DestroyWnd() {
  FItemIndex = GetItemIndex();
  FTopIndex = GetTopIndex();
  FSavedSelection.clear();
  if (FMultiSelect)
    for (int i = 0; i < FItems->GetCount(); i++)
      if (GetSelected(i)) FSavedSelection.push_back(i);
  FItems->MoveFromWindow();
  inherited::DestroyWnd();
}

void TCustomListBox::WMPaint(TMessage& m) {
  DefaultHandler(m);
}

void TCustomListBox::CNCtlColor(TMessage& m) {
  vcl::stdctrls::AnswerCtlColor(*this, m);
}

void TCustomListBox::CNCommand(TMessage& m) {
  switch (HIWORD(m.WParam)) {
    case LBN_SELCHANGE: Click(); break;
    case LBN_DBLCLK: DblClick(); break;
    default: break;
  }
}

int TCustomListBox::GetItemIndex() {
  if (!HandleAllocated()) return FItemIndex;
  if (FMultiSelect) return static_cast<int>(SendMessageA(FHandle, LB_GETCARETINDEX, 0, 0));
  return static_cast<int>(SendMessageA(FHandle, LB_GETCURSEL, 0, 0));
}

void TCustomListBox::SetItemIndex(int value) {
  if (value < -1 || value >= FItems->GetCount()) value = -1;
  if (GetItemIndex() == value) return;
  if (!HandleAllocated()) {
    FItemIndex = value;
    return;
  }
  if (FMultiSelect)
    SendMessageA(FHandle, LB_SETCARETINDEX, static_cast<WPARAM>(value), 0);
  else
    SendMessageA(FHandle, LB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

int TCustomListBox::GetTopIndex() {
  return HandleAllocated() ? static_cast<int>(SendMessageA(FHandle, LB_GETTOPINDEX, 0, 0)) : FTopIndex;
}

void TCustomListBox::SetTopIndex(int value) {
  if (GetTopIndex() == value) return;
  FTopIndex = value;
  if (HandleAllocated()) SendMessageA(FHandle, LB_SETTOPINDEX, static_cast<WPARAM>(value), 0);
}

int TCustomListBox::GetSelCount() {
  if (!FMultiSelect) return GetItemIndex() >= 0 ? 1 : 0;
  return HandleAllocated() ? static_cast<int>(SendMessageA(FHandle, LB_GETSELCOUNT, 0, 0))
                           : static_cast<int>(FSavedSelection.size());
}

bool TCustomListBox::GetSelected(int index) {
  if (!HandleAllocated()) {
    if (!FMultiSelect) return index == FItemIndex;
    return std::find(FSavedSelection.begin(), FSavedSelection.end(), index) != FSavedSelection.end();
  }
  LRESULT r = SendMessageA(FHandle, LB_GETSEL, static_cast<WPARAM>(index), 0);
  if (r == LB_ERR) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return r != 0;
}

void TCustomListBox::SetSelected(int index, bool value) {
  if (index < 0 || index >= FItems->GetCount())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  if (!FMultiSelect) {
    if (value)
      SetItemIndex(index);
    else if (GetItemIndex() == index)
      SetItemIndex(-1);
    return;
  }
  if (!HandleAllocated()) {
    auto it = std::find(FSavedSelection.begin(), FSavedSelection.end(), index);
    if (value && it == FSavedSelection.end()) FSavedSelection.push_back(index);
    if (!value && it != FSavedSelection.end()) FSavedSelection.erase(it);
    return;
  }
  SendMessageA(FHandle, LB_SETSEL, value ? TRUE : FALSE, index);
}

void TCustomListBox::SetMultiSelect(bool value) {
  if (FMultiSelect == value) return;
  FMultiSelect = value;
  RecreateWnd();
}

void TCustomListBox::SetExtendedSelect(bool value) {
  if (FExtendedSelect == value) return;
  FExtendedSelect = value;
  RecreateWnd();
}

void TCustomListBox::SetSorted(bool value) {
  if (FSorted == value) return;
  FSorted = value;
  FItems->SetSorted(value);
  RecreateWnd();
}

void TCustomListBox::SetStyle(TListBoxStyle value) {
  if (FStyle == value) return;
  FStyle = value;
  RecreateWnd();
}

void TCustomListBox::SetIntegralHeight(bool value) {
  if (FIntegralHeight == value) return;
  FIntegralHeight = value;
  RecreateWnd();
}

void TCustomListBox::SetBorderStyle(TBorderStyle value) {
  if (FBorderStyle == value) return;
  FBorderStyle = value;
  RecreateWnd();
}

int TCustomListBox::GetItemHeight() {
  if (HandleAllocated() && FStyle == lbStandard) return static_cast<int>(SendMessageA(FHandle, LB_GETITEMHEIGHT, 0, 0));
  return FItemHeight;
}

void TCustomListBox::SetItemHeight(int value) {
  if (value <= 0 || FItemHeight == value) return;
  FItemHeight = value;
  if (HandleAllocated() && FStyle == lbOwnerDrawFixed) {
    SendMessageA(FHandle, LB_SETITEMHEIGHT, 0, value);
    Invalidate();
  }
}

TRect TCustomListBox::ItemRect(int index) {
  RECT r{};
  if (SendMessageA(GetHandle(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r)) == LB_ERR)
    return TRect(0, 0, 0, 0);
  return TRect(r.left, r.top, r.right, r.bottom);
}

int TCustomListBox::ItemAtPos(TPoint pos, bool existing) {
  LRESULT r = SendMessageA(GetHandle(), LB_ITEMFROMPOINT, 0, PointToLParam(pos.X, pos.Y));
  int index = LOWORD(r);
  bool outside = HIWORD(r) != 0;
  if (outside) return existing ? -1 : FItems->GetCount();
  return index;
}

void TCustomListBox::CNMeasureItem(TMessage& m) {
  vcl::stdctrls::AnswerMeasureItem(m, FItemHeight, FStyle == lbOwnerDrawVariable,
                                   [this](int index, int& height) { MeasureItem(index, height); });
}

void TCustomListBox::MeasureItem(int index, int& height) {
  if (OnMeasureItem) OnMeasureItem(this, index, height);
}

void TCustomListBox::CNDrawItem(TMessage& m) {
  vcl::stdctrls::PaintOwnerDrawnItem(
      *FCanvas, *this, *reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam),
      [this](int index, TRect rect, TOwnerDrawState state) { DrawItem(index, rect, state); });
  m.Result = TRUE;
}

void TCustomListBox::DrawItem(int index, TRect rect, TOwnerDrawState state) {
  if (OnDrawItem) {
    OnDrawItem(this, index, rect, state);
    return;
  }
  vcl::stdctrls::DrawItemText(*FCanvas, rect, index < FItems->GetCount() ? FItems->GetStrings(index) : "");
}
