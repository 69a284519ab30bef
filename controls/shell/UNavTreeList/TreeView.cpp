#include "controls/shell/UNavTreeList/TreeView.h"

#include "controls/shell/UNavShellUtils/SystemInfo.h"
#include "controls/shell/UNavTreeList/MenuKeys.h"

using navtreelist::IsMenuKey;
using navtreelist::IsSystemColor;

TNavCustomTreeView::~TNavCustomTreeView() {
  DeleteAllNodes();
  FCustomDraw.reset();
}

void TNavCustomTreeView::DeleteAllNodes() {
  if (FNodesDeleted || !HandleAllocated()) return;
  FNodesDeleted = true;
  for (TTreeNode* node = GetItems()->GetFirstNode(); node; node = node->GetNextSibling()) DeleteNodes(node);
}

void TNavCustomTreeView::DeleteNodes(TTreeNode* node) {
  for (TTreeNode* child = node->GetFirstChild(); child; child = child->GetNextSibling()) DeleteNodes(child);
  Delete(node);
}

void TNavCustomTreeView::Messages(TMessageMap<TNavCustomTreeView>& m) {
  m.On(CN_NOTIFY, &TNavCustomTreeView::CNNotify);
  m.On(WM_RBUTTONUP, &TNavCustomTreeView::WMRButtonUp);
  m.On(WM_CONTEXTMENU, &TNavCustomTreeView::WMContextMenu);
  m.On(CM_SYSCOLORCHANGE, &TNavCustomTreeView::CMSysColorChange);
}

void TNavCustomTreeView::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  if (IsWinNT() && Comctl32Version().Most < kComctl32ToolTips) params.Style |= TVS_NOTOOLTIPS;
}

TNavCustomDraw* TNavCustomTreeView::CreateCustomDraw(NMCUSTOMDRAW* notification, LRESULT& result) {
  auto* draw = new TNavTvCustomDraw(notification, GetFont(), &result);
  draw->NotifyItemDraw = true;
  return draw;
}

void TNavCustomTreeView::CNNotify(TMessage& m) {
  auto* hdr = reinterpret_cast<NMHDR*>(m.LParam);
  bool designing = GetComponentState().Contains(csDesigning);
  switch (hdr->code) {
    case NM_RCLICK:
      if (!designing) {
        TPoint client = ScreenToClient(navtreelist::CursorPos());
        if (TTreeNode* node = GetNodeAt(client.X, client.Y)) {
          auto* menu = dynamic_cast<TPopupMenu*>(GetPopupMenu());
          DoNodeContextMenu(node, client, menu);
          if (menu) {
            FMenuShown = true;
            ShowMenu(menu, client);
          }
        }
      }
      InheritedMessage(m);
      return;
    case NM_CUSTOMDRAW: {
      if (designing) return;
      if (OnCustomDraw || OnCustomDrawItem) {
        InheritedMessage(m);
        return;
      }
      AnswerWithDrawer(m, FCustomDraw, [this](NMCUSTOMDRAW* notification, LRESULT& result) {
        return CustomDrawNotify(notification, result);
      });
      return;
    }
    default:
      // The image callbacks: the class library asks GetImageIndex and
      // GetSelectedIndex (and through them the events) once per request.
      InheritedMessage(m);
  }
}

void TNavCustomTreeView::WMRButtonUp(TMessage& m) {
  auto* menu = dynamic_cast<TPopupMenu*>(GetPopupMenu());
  if (FMenuShown && menu) {
    bool autoPopup = menu->GetAutoPopup();
    menu->SetAutoPopup(false);
    InheritedMessage(m);
    menu->SetAutoPopup(autoPopup);
    FMenuShown = false;
    return;
  }
  InheritedMessage(m);
}

void TNavCustomTreeView::WMContextMenu(TMessage& m) {
  if (GetComponentState().Contains(csDesigning) || GetSelected() || FMenuShown) return;
  if (m.XPos() == -1 && m.YPos() == -1)
    ShowNodeContextMenu();
  else
    NodeContextMenu(GetSelected(), ScreenToClient(TPoint(m.XPos(), m.YPos())));
  m.Result = 1;
}

void TNavCustomTreeView::KeyDown(WORD& key, TShiftState shift) {
  if (IsMenuKey(key, shift)) {
    key = 0;
    ShowNodeContextMenu();
  }
  inherited::KeyDown(key, shift);
}

void TNavCustomTreeView::ShowNodeContextMenu() {
  if (TTreeNode* node = GetSelected()) {
    TRect r = node->DisplayRect(true);
    NodeContextMenu(node, TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
  } else if (auto* menu = dynamic_cast<TPopupMenu*>(GetPopupMenu())) {
    ShowMenu(menu, TPoint(0, 0));
  }
}

void TNavCustomTreeView::NodeContextMenu(TTreeNode* node, TPoint point) {
  auto* proposed = dynamic_cast<TPopupMenu*>(GetPopupMenu());
  TPopupMenu* menu = proposed;
  DoNodeContextMenu(node, point, menu);
  if (menu != proposed) FMenuShown = true;
  if (menu) ShowMenu(menu, point);
}

void TNavCustomTreeView::DoNodeContextMenu(TTreeNode* node, TPoint point, TPopupMenu*& menu) {
  if (OnNodeContextMenu) OnNodeContextMenu(this, node, point, menu);
}

void TNavCustomTreeView::ShowMenu(TPopupMenu* menu, TPoint clientPoint) {
  navtreelist::PopupAtClientPoint(this, menu, clientPoint);
}

void TNavCustomTreeView::CMSysColorChange(TMessage& m) {
  InheritedMessage(m);
  if (IsSystemColor(GetColor())) Perform(CM_COLORCHANGED, 0, 0);
}
