#include "controls/shell/UNavTreeList/ListView.h"

#include "controls/shell/UNavShellUtils/SystemInfo.h"
#include "controls/shell/UNavTreeList/MenuKeys.h"

using navtreelist::IsMenuKey;
using navtreelist::IsSystemColor;

TNavCustomListView::TNavCustomListView(TComponent* AOwner)
    : TCustomListView(AOwner), FHeaderCanvas(std::make_unique<TCanvas>()) {}

TNavCustomListView::~TNavCustomListView() {
  FCustomDraw.reset();
  FHeaderCanvas.reset();
}

void TNavCustomListView::Messages(TMessageMap<TNavCustomListView>& m) {
  m.On(CN_NOTIFY, &TNavCustomListView::CNNotify);
  m.On(WM_NOTIFY, &TNavCustomListView::WMNotify);
  m.On(WM_PARENTNOTIFY, &TNavCustomListView::WMParentNotify);
  m.On(WM_DRAWITEM, &TNavCustomListView::WMDrawItem);
  m.On(WM_RBUTTONUP, &TNavCustomListView::WMRButtonUp);
  m.On(WM_CONTEXTMENU, &TNavCustomListView::WMContextMenu);
  m.On(WM_REFRESHHEADER, &TNavCustomListView::WMRefreshHeader);
  m.On(CM_COLORCHANGED, &TNavCustomListView::CMColorChanged);
  m.On(CM_SYSCOLORCHANGE, &TNavCustomListView::CMSysColorChange);
}

void TNavCustomListView::CreateWnd() {
  inherited::CreateWnd();
  SetWindowColors();
  RefreshHeaderItems();
  PostMessageA(GetHandle(), WM_REFRESHHEADER, 0, 0);
}

void TNavCustomListView::SetWindowColors() {
  if (!HandleAllocated()) return;
  COLORREF color = ColorToRGB(GetColor());
  SendMessageA(GetHandle(), LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(color));
  SendMessageA(GetHandle(), LVM_SETBKCOLOR, 0, static_cast<LPARAM>(color));
}

void TNavCustomListView::CMColorChanged(TMessage& m) {
  InheritedMessage(m);
  SetWindowColors();
}

void TNavCustomListView::CMSysColorChange(TMessage& m) {
  InheritedMessage(m);
  if (IsSystemColor(GetColor())) Perform(CM_COLORCHANGED, 0, 0);
}

void TNavCustomListView::WMRefreshHeader(TMessage&) {
  RefreshHeaderItems();
}

void TNavCustomListView::SetViewStyle(TViewStyle value) {
  if (value == GetViewStyle()) return;
  inherited::SetViewStyle(value);
  if (value == vsReport) RefreshHeaderItems();
}

void TNavCustomListView::SetHeaderSortDisplayMode(TNavLvHeaderSortDisplayMode value) {
  if (value == FHeaderSortDisplayMode) return;
  // Older common controls draw no owner-drawn header items.
  FHeaderSortDisplayMode = Comctl32Version().Most < kComctl32SortArrows ? navlvNone : value;
  RefreshHeaderItems();
  InvalidateHeader();
}

void TNavCustomListView::SetSortColumn(int value) {
  if (value == FSortColumn) return;
  InvalidateHeaderItem(FSortColumn);
  InvalidateHeaderItem(value);
  FSortColumn = value;
}

void TNavCustomListView::SetSortDirection(int value) {
  if (value == FSortDirection) return;
  InvalidateHeaderItem(FSortColumn);
  FSortDirection = value;
}

HWND TNavCustomListView::HeaderWindow() const {
  return HandleAllocated() ? GetDlgItem(const_cast<TNavCustomListView*>(this)->GetHandle(), 0) : nullptr;
}

void TNavCustomListView::InvalidateHeader() {
  if (HWND header = HeaderWindow()) InvalidateRect(header, nullptr, TRUE);
}

void TNavCustomListView::InvalidateHeaderItem(int index) {
  HWND header = HeaderWindow();
  if (!header || index < 0 || index >= static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0))) return;
  RECT r{};
  if (SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r)))
    InvalidateRect(header, &r, TRUE);
}

void TNavCustomListView::RefreshHeaderItems() {
  HWND header = HeaderWindow();
  if (!header || FRefreshingHeader) return;
  FRefreshingHeader++;
  int count = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
  for (int i = count - 1; i >= 0; i--) {
    HDITEMA item{};
    item.mask = HDI_FORMAT;
    SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    item.fmt = (item.fmt & HDF_JUSTIFYMASK) | (FHeaderSortDisplayMode != navlvNone ? HDF_OWNERDRAW : HDF_STRING);
    SendMessageA(header, HDM_SETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
  InvalidateHeader();
  FRefreshingHeader--;
}

TNavCustomDraw* TNavCustomListView::CreateCustomDraw(NMCUSTOMDRAW* notification, LRESULT& result) {
  auto* draw = new TNavLvCustomDraw(notification, GetFont(), &result);
  draw->NotifyItemDraw = false;
  return draw;
}

void TNavCustomListView::CNNotify(TMessage& m) {
  auto* hdr = reinterpret_cast<NMHDR*>(m.LParam);
  switch (hdr->code) {
    case LVN_BEGINDRAG:
    case LVN_BEGINRDRAG:
      FDragBegun = true;
      InheritedMessage(m);
      return;
    case NM_CUSTOMDRAW: {
      if (GetComponentState().Contains(csDesigning)) return;
      if (OnCustomDraw || OnCustomDrawItem) {
        InheritedMessage(m);
        return;
      }
      AnswerWithDrawer(m, FCustomDraw, [this](NMCUSTOMDRAW* notification, LRESULT& result) {
        return CustomDrawNotify(notification, result);
      });
      return;
    }
    case NM_RCLICK:
      ShowItemContextMenu(ScreenToClient(navtreelist::CursorPos()));
      InheritedMessage(m);
      return;
    default: InheritedMessage(m);
  }
}

void TNavCustomListView::WMNotify(TMessage& m) {
  auto* hdr = reinterpret_cast<NMHDR*>(m.LParam);
  bool fromHeader = hdr && hdr->hwndFrom && hdr->hwndFrom == HeaderWindow();
  // The header may report in either character set; both are acted on.
  if (fromHeader && (hdr->code == HDN_ITEMCLICKA || hdr->code == HDN_ITEMCLICKW)) InvalidateHeader();
  InheritedMessage(m);
  if (!fromHeader) return;
  switch (hdr->code) {
    case HDN_BEGINTRACKA:
    case HDN_BEGINTRACKW:
    case HDN_ENDTRACKA:
    case HDN_ENDTRACKW:
    case HDN_ITEMCHANGEDA:
    case HDN_ITEMCHANGEDW: RefreshHeaderItems(); break;
    default: break;
  }
}

void TNavCustomListView::WMParentNotify(TMessage& m) {
  InheritedMessage(m);
  RefreshHeaderItems();
}

void TNavCustomListView::WMDrawItem(TMessage& m) {
  auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
  if (!dis || dis->CtlType != ODT_HEADER || dis->hwndItem != HeaderWindow()) {
    InheritedMessage(m);
    return;
  }
  int saved = SaveDC(dis->hDC);
  FHeaderCanvas->SetHandle(dis->hDC);
  DrawHeaderItem(*dis);
  FHeaderCanvas->SetHandle(nullptr);
  RestoreDC(dis->hDC, saved);
  m.Result = 1;
}

void TNavCustomListView::DrawHeaderItem(const DRAWITEMSTRUCT& dis) {
  int index = static_cast<int>(dis.itemID);
  navtreelist::THeaderItem item;
  item.Rect = TRect(dis.rcItem.left, dis.rcItem.top, dis.rcItem.right, dis.rcItem.bottom);
  if (index >= 0 && index < GetColumns()->GetCount()) {
    TListColumn* column = GetColumns()->GetItem(index);
    item.Caption = column->GetCaption();
    item.Alignment = column->GetAlignment();
  }
  item.SortColumn = index == FSortColumn;
  item.Direction = FSortDirection;
  FHeaderCanvas->GetFont()->Assign(GetFont());
  navtreelist::DrawHeaderItem(*FHeaderCanvas, item, FHeaderSortDisplayMode);
}

void TNavCustomListView::WMRButtonUp(TMessage& m) {
  TComponent* menu = GetPopupMenu();
  if (FMenuShown && menu) {
    // The menu was shown already: the window must not show the popup menu again.
    SetPopupMenu(nullptr);
    InheritedMessage(m);
    SetPopupMenu(menu);
  } else {
    InheritedMessage(m);
  }
  FMenuShown = false;
}

void TNavCustomListView::WMContextMenu(TMessage& m) {
  if (GetComponentState().Contains(csDesigning) || FMenuShown || !GetSelected() || !GetItemFocused()) return;
  if (m.XPos() == -1 && m.YPos() == -1)
    ShowItemContextMenu(TPoint(0, 0));
  else
    ItemContextMenu(ScreenToClient(TPoint(m.XPos(), m.YPos())));
  m.Result = 1;
}

void TNavCustomListView::KeyDown(WORD& key, TShiftState shift) {
  if (IsMenuKey(key, shift)) {
    key = 0;
    ShowItemContextMenu(TPoint(0, 0));
  }
  inherited::KeyDown(key, shift);
}

TPoint TNavCustomListView::IconCentre(TListItem* item) const {
  TRect r = item->DisplayRect(drIcon);
  return TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

void TNavCustomListView::ShowItemContextMenu(TPoint point) {
  auto* popup = dynamic_cast<TPopupMenu*>(GetPopupMenu());
  TListItem* focused = GetItemFocused();
  if (focused && focused->GetSelected()) {
    ItemContextMenu(IconCentre(focused));
  } else if (focused && GetSelected()) {
    ItemContextMenu(IconCentre(GetSelected()));
  } else if (popup) {
    ShowMenu(popup, point);
  }
}

void TNavCustomListView::ItemContextMenu(TPoint point) {
  auto* menu = dynamic_cast<TPopupMenu*>(GetPopupMenu());
  DoItemContextMenu(GetItemFocused(), point, menu);
  FMenuShown = true;
  if (menu) ShowMenu(menu, point);
}

void TNavCustomListView::DoItemContextMenu(TListItem* item, TPoint point, TPopupMenu*& menu) {
  if (OnItemContextMenu) OnItemContextMenu(this, item, point, menu);
}

void TNavCustomListView::ShowMenu(TPopupMenu* menu, TPoint clientPoint) {
  navtreelist::PopupAtClientPoint(this, menu, clientPoint);
}
