// TMenuItem: one entry of a main or popup menu, and the list of entries below
// it. An item with entries of its own opens a submenu; a caption of "-" is a
// separator line. Changing an item rebuilds the window manager's menu of its
// parent, so an item added, changed or deleted at run time shows at once.
#pragma once

#include <string>
#include <vector>

#include "platform/vcl/classes/components/Component.h"
#include "platform/vcl/graphics/Canvas.h"
#include "platform/vcl/graphics/Geometry.h"
#include "platform/vcl/menus/ShortCuts.h"
#include "platform/vcl/rtl/Exceptions.h"
#include "platform/win/winuser.h"

class TMenu;
class TMenuItem;

DRUMS_DECLARE_EXCEPTION(EMenuError, Exception);

using TMenuDrawItemEvent = TEvent<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, bool Selected)>;
using TMenuMeasureItemEvent = TEvent<void(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)>;

class TMenuItem : public TComponent {
  DRUMS_CLASS(TMenuItem, TComponent)

 public:
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;

  // The entries below this one.
  int GetCount() const { return static_cast<int>(FItems.size()); }
  // EMenuError "Menu index out of range" for a bad index.
  TMenuItem* GetItem(int index) const;
  TMenuItem* operator[](int index) const { return GetItem(index); }
  int IndexOf(const TMenuItem* item) const;
  // EMenuError "Menu inserted twice" when item already sits in a menu.
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  // Takes the entry out of the list without deleting it.
  void Delete(int index);
  void Remove(TMenuItem* item);
  // Deletes every entry below this one.
  void Clear();
  // The entry whose caption, without "&", equals caption (case ignored).
  TMenuItem* Find(const std::string& caption) const;
  TMenuItem* GetParent() const { return FParent; }
  // The menu this item belongs to, through its parents; null when loose.
  TMenu* GetParentMenu() const;
  int GetMenuIndex() const;
  void SetMenuIndex(int value);

  const std::string& GetCaption() const { return FCaption; }
  void SetCaption(const std::string& value);
  bool IsLine() const { return FCaption == "-"; }
  bool GetChecked() const { return FChecked; }
  // Checking a radio item unchecks the radio items of its group beside it.
  void SetChecked(bool value);
  bool GetRadioItem() const { return FRadioItem; }
  void SetRadioItem(bool value);
  BYTE GetGroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(BYTE value);
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool value);
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool value);
  bool GetDefault() const { return FDefault; }
  void SetDefault(bool value);
  TShortCut GetShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut value);
  const std::string& GetHint() const { return FHint; }
  void SetHint(const std::string& value) { FHint = value; }
  int GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(int value);
  int GetHelpContext() const { return FHelpContext; }
  void SetHelpContext(int value) { FHelpContext = value; }
  bool GetBreak() const { return FBreak; }
  void SetBreak(bool value);

  // The window manager's command id of the item (unique while it lives).
  UINT GetCommand() const { return FCommand; }
  // The submenu of an item with entries (made on demand), else null.
  HMENU GetHandle();

  // Fires OnClick.
  virtual void Click();
  // Owner drawing: the item paints itself on ACanvas in ARect (OnDrawItem,
  // or the default look) and tells its size.
  virtual void DrawItem(TCanvas* ACanvas, TRect ARect, bool Selected);
  virtual void MeasureItem(TCanvas* ACanvas, int& Width, int& Height);

  TNotifyEvent OnClick;
  TMenuDrawItemEvent OnDrawItem;
  TMenuMeasureItemEvent OnMeasureItem;

  bool HasParent() override { return true; }
  TComponent* GetParentComponent() override;
  void SetParentComponent(TComponent* value) override;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  void SetChildOrder(TComponent* child, int order) override;

  static void Publish(TPublisher<TMenuItem>& p);

 protected:
  void Loaded() override;

 private:
  friend class TMenu;
  // Makes the window manager's menu of this item's entries say what they
  // are now (the menu's handle for its root item).
  void RebuildHandle();
  // The parent's menu needs rebuilding after a change of this item.
  void Changed();
  void AppendTo(HMENU menu);
  void TurnSiblingsOff();
  HMENU MenuHandleOfEntries();

  std::string FCaption;
  bool FChecked = false;
  bool FRadioItem = false;
  BYTE FGroupIndex = 0;
  bool FEnabled = true;
  bool FVisible = true;
  bool FDefault = false;
  bool FBreak = false;
  TShortCut FShortCut = 0;
  std::string FHint;
  int FImageIndex = -1;
  int FHelpContext = 0;
  UINT FCommand = 0;
  HMENU FHandle = nullptr;
  TMenu* FMenu = nullptr;  // set on the root item of a menu only
  TMenuItem* FParent = nullptr;
  std::vector<TMenuItem*> FItems;
};

// The text a menu shows for a caption: "&&" stays, and a shortcut follows
// after a tab.
std::string StripHotkey(const std::string& caption);
