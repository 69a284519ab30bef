// TMenu and its two kinds: TMainMenu, the menu bar of a form, and
// TPopupMenu, the menu a control pops up on a right click (or a program
// pops up at a point). A menu owns the root item whose entries it shows;
// commands, submenus opening, owner drawing and shortcuts reach the items
// through the menu.
#pragma once

#include <vector>

#include "platform/vcl/controls/ControlMessages.h"
#include "platform/vcl/controls/ImageList.h"
#include "platform/vcl/menus/MenuItem.h"

enum TFindItemKind { fkCommand, fkHandle, fkShortCut };
enum TPopupAlignment { paLeft, paRight, paCenter };
DRUMS_ENUM_NAMES(TPopupAlignment, "paLeft", "paRight", "paCenter")
enum TTrackButton { tbRightButton, tbLeftButton };
DRUMS_ENUM_NAMES(TTrackButton, "tbRightButton", "tbLeftButton")

class TMenu : public TComponent {
  DRUMS_CLASS(TMenu, TComponent)

 public:
  explicit TMenu(TComponent* AOwner);
  ~TMenu() override;

  TMenuItem* GetItems() const { return FItems; }
  // The window manager's menu (made on first use).
  HMENU GetHandle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  bool GetOwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool value);
  TCustomImageList* GetImages() const { return FImages; }
  void SetImages(TCustomImageList* value);

  // The item with this command id, submenu handle or shortcut (enabled and
  // visible ones only for shortcuts), searched through every level.
  TMenuItem* FindItem(UINT value, TFindItemKind kind);
  // A command of the window manager: the item's OnClick. False when no item
  // of this menu has that id.
  bool DispatchCommand(UINT command);
  // A submenu is opening: the item that holds it is clicked (so that its
  // OnClick can prepare the entries). False when it is not one of ours.
  bool DispatchPopup(HMENU submenu);
  // A key down message (WM_KEYDOWN or WM_SYSKEYDOWN): true when it is the
  // shortcut of an enabled, visible item, which is then clicked.
  bool IsShortCut(const TMessage& message);
  // Owner drawing of WM_DRAWITEM / WM_MEASUREITEM for one of our items;
  // false when the record is not about this menu.
  bool DrawItem(DRAWITEMSTRUCT& item);
  bool MeasureItem(MEASUREITEMSTRUCT& item);

  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  void SetChildOrder(TComponent* child, int order) override;

  static void Publish(TPublisher<TMenu>& p);

 protected:
  virtual HMENU CreateMenuHandle() = 0;
  // The handle's items changed: a menu bar redraws.
  virtual void MenuChanged() {}
  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override;

 private:
  friend class TMenuItem;
  HMENU FHandle = nullptr;
  TMenuItem* FItems = nullptr;
  bool FOwnerDraw = false;
  TCustomImageList* FImages = nullptr;
};

class TMainMenu : public TMenu {
  DRUMS_CLASS(TMainMenu, TMenu)

 public:
  explicit TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}
  ~TMainMenu() override;

  // The form's window showing this menu as its bar (the form sets it).
  HWND GetWindowHandle() const { return FWindowHandle; }
  void SetWindowHandle(HWND value);

 protected:
  HMENU CreateMenuHandle() override { return CreateMenu(); }
  void MenuChanged() override;

 private:
  HWND FWindowHandle = nullptr;
};

class TPopupMenu : public TMenu {
  DRUMS_CLASS(TPopupMenu, TMenu)

 public:
  explicit TPopupMenu(TComponent* AOwner);
  ~TPopupMenu() override;

  // Fires OnPopup (also for a menu without items), then runs the window
  // manager's menu loop at the screen point; the chosen item's OnClick
  // follows from the command the loop posts.
  virtual void Popup(int X, int Y);
  TPoint GetPopupPoint() const { return FPopupPoint; }
  TPopupAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TPopupAlignment value) { FAlignment = value; }
  bool GetAutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool value) { FAutoPopup = value; }
  // The control that popped the menu up last (set by the right click).
  TComponent* GetPopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* value);
  TTrackButton GetTrackButton() const { return FTrackButton; }
  void SetTrackButton(TTrackButton value) { FTrackButton = value; }
  int GetHelpContext() const { return FHelpContext; }
  void SetHelpContext(int value) { FHelpContext = value; }
  // The TrackPopupMenu flags of Alignment and TrackButton.
  UINT TrackFlags() const;

  TNotifyEvent OnPopup;

  static void Publish(TPublisher<TPopupMenu>& p);

 protected:
  HMENU CreateMenuHandle() override { return CreatePopupMenu(); }
  virtual void DoPopup(TObject* Sender);
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TPoint FPopupPoint;
  TPopupAlignment FAlignment = paLeft;
  bool FAutoPopup = true;
  TComponent* FPopupComponent = nullptr;
  TTrackButton FTrackButton = tbRightButton;
  int FHelpContext = 0;
};

namespace vcl::menus {
// The hidden window that owns every popup menu's loop and passes the menu
// messages it gets (commands, owner drawing, submenus opening, selection
// hints) to the popup menus.
HWND PopupListWindow();
// Handles a menu message sent to a window for the menus in `menus` (the
// form's main menu, the popup menus); true when one of them took it. An
// exception of an item's handler goes to the application.
bool HandleMenuMessage(TMessage& message, const std::vector<TMenu*>& menus);
// Installs the control hooks (right click popups, shortcut keys) and
// registers the menu classes for form streaming. The application's start-up
// calls it.
void InitMenus();
void DoneMenus();
}  // namespace vcl::menus
