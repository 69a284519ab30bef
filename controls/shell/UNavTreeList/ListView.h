// The list view the shell list is built on: custom drawing of single items
// through TNavCustomDraw, a context menu for the focused item from the mouse
// or the keyboard, and a details header whose items are drawn here to show
// the sort column with an arrow.
#pragma once

#include <memory>

#include "controls/shell/UNavShConsts.h"
#include "controls/shell/UNavTreeList/CustomDraw.h"
#include "controls/shell/UNavTreeList/SortHeader.h"
#include "platform/vcl/ComCtrls.h"
#include "platform/vcl/Menus.h"

using TNavLvOnItemContextMenuEvent = TEvent<void(TObject* Sender, TListItem* Item, TPoint Point, TPopupMenu*& Menu)>;

// WM_REFRESHHEADER is posted to itself after the window is made: the header
// is ready by then.

class TNavCustomListView : public TCustomListView {
  DRUMS_CLASS(TNavCustomListView, TCustomListView)
  DRUMS_MESSAGE_MAP(TNavCustomListView)

 public:
  explicit TNavCustomListView(TComponent* AOwner);
  ~TNavCustomListView() override;

  void SetViewStyle(TViewStyle value) override;
  TNavLvHeaderSortDisplayMode GetHeaderSortDisplayMode() const { return FHeaderSortDisplayMode; }
  void SetHeaderSortDisplayMode(TNavLvHeaderSortDisplayMode value);
  // -1: none.
  int GetSortColumn() const { return FSortColumn; }
  void SetSortColumn(int value);
  // 1 ascending, other values descending.
  int GetSortDirection() const { return FSortDirection; }
  void SetSortDirection(int value);
  // The details header (null without a window).
  HWND HeaderWindow() const;
  // Sets every header item owner-drawn (or plain text with navlvNone).
  void RefreshHeaderItems();

  TNavLvOnItemContextMenuEvent OnItemContextMenu;

  static void Messages(TMessageMap<TNavCustomListView>& m);

 protected:
  // Answers one NM_CUSTOMDRAW; the drawer returned lives until the next one.
  // The base draws nothing of its own.
  virtual TNavCustomDraw* CustomDrawNotify(NMCUSTOMDRAW*, LRESULT&) { return nullptr; }
  virtual TNavCustomDraw* CreateCustomDraw(NMCUSTOMDRAW* notification, LRESULT& result);
  virtual void ShowItemContextMenu(TPoint point);
  virtual void ItemContextMenu(TPoint point);
  virtual void DoItemContextMenu(TListItem* item, TPoint point, TPopupMenu*& menu);

  void CreateWnd() override;
  void KeyDown(WORD& key, TShiftState shift) override;
  bool MenuShown() const { return FMenuShown; }
  // A drag began in the window since the flag was last cleared.
  bool GetDragBegun() const { return FDragBegun; }
  void SetDragBegun(bool value) { FDragBegun = value; }

 private:
  void CNNotify(TMessage& m);
  void WMNotify(TMessage& m);
  void WMParentNotify(TMessage& m);
  void WMDrawItem(TMessage& m);
  void WMRButtonUp(TMessage& m);
  void WMContextMenu(TMessage& m);
  void WMRefreshHeader(TMessage& m);
  void CMColorChanged(TMessage& m);
  void CMSysColorChange(TMessage& m);
  void SetWindowColors();
  void InvalidateHeaderItem(int index);
  void InvalidateHeader();
  void DrawHeaderItem(const DRAWITEMSTRUCT& dis);
  void ShowMenu(TPopupMenu* menu, TPoint clientPoint);
  TPoint IconCentre(TListItem* item) const;

  bool FMenuShown = false;
  std::unique_ptr<TNavCustomDraw> FCustomDraw;
  bool FDragBegun = false;
  std::unique_ptr<TCanvas> FHeaderCanvas;
  int FSortColumn = -1;
  int FSortDirection = 0;
  TNavLvHeaderSortDisplayMode FHeaderSortDisplayMode = navlvRightOfText;
  int FRefreshingHeader = 0;
};
