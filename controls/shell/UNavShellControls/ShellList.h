// TNavCustomShellList: the list of one shell folder's items with the
// system's icons, filtered by file masks, sorted by the folder's detail
// columns and kept current by directory-change notices. TNavShellList only
// publishes it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "controls/shell/UNavShellControls/ChangeHandlerThread.h"
#include "controls/shell/UNavShellControls/ComboLink.h"
#include "controls/shell/UNavShellControls/DataObjects.h"
#include "controls/shell/UNavShellControls/DropTargets.h"
#include "controls/shell/UNavShellControls/ListData.h"
#include "controls/shell/UNavShellControls/Locator.h"
#include "controls/shell/UNavShellControls/ScrollHelpers.h"
#include "controls/shell/UNavShellControls/SendToMenu.h"
#include "controls/shell/UNavShellControls/ShellDragDrop.h"
#include "controls/shell/UNavTreeList.h"
#include "platform/vcl/ExtCtrls.h"

class TNavCustomShellTree;

enum TNavShellListOption {
  navsloAutoFill,
  navsloNonFilesystemAncestors,
  navsloDesignInteractive,
  navsloDefaultKeyHandling,
  navsloContextMenus,
  navsloDontChangeFolder,
  navsloDontGoBelowBase,
  navsloDynamicRefresh,
  navsloHideFoldersWhenLinkedToTree,
  navsloOleDrag,
  navsloOleDrop,
  navsloFolderContextMenu,
  navsloShowHidden
};
DRUMS_ENUM_NAMES(TNavShellListOption, "navsloAutoFill", "navsloNonFilesystemAncestors", "navsloDesignInteractive",
                 "navsloDefaultKeyHandling", "navsloContextMenus", "navsloDontChangeFolder", "navsloDontGoBelowBase",
                 "navsloDynamicRefresh", "navsloHideFoldersWhenLinkedToTree", "navsloOleDrag", "navsloOleDrop",
                 "navsloFolderContextMenu", "navsloShowHidden")
using TNavShellListOptions = WORD;
// The options as a set, the way forms stream them.
using TNavShellListOptionSet = TSet<TNavShellListOption>;
constexpr TNavShellListOptions NavSlo(TNavShellListOption option) {
  return static_cast<WORD>(1u << option);
}
inline constexpr TNavShellListOptions kNavShellListDefaultOptions = 7835;

// The parent list is the absolute list handed to ShouldAddItem.
using TNavShAddItemEvent = TEvent<void(TObject* Sender, IShellFolder* Folder, LPCITEMIDLIST ParentIdList,
                                       LPCITEMIDLIST RelIdList, SFGAOF Attributes, bool& AllowAdd)>;
using TNavShListDeleteItemEvent = TEvent<void(TObject* Sender, TListItem* Item)>;
// Item and Data are nil outside the item stages (and Data for an item
// without shell data). Change the drawer's Font or Brush.
using TNavShLvCustomDrawEvent =
    TEvent<void(TObject* Sender, TNavLvCustomDraw* Draw, TListItem* Item, TNavShListData* Data)>;
// Fired before a file item is opened; set afHandled to keep the shell's own
// command from running.
using TNavShDblClickOpenEvent = TEvent<void(TObject* Sender, bool& afHandled)>;
using TNavShPopupHintEvent = TNavPopupHintEvent;

class TNavCustomShellList : public TNavCustomListView,
                            public TNavShListDataOwner,
                            public INavShellComboPartner,
                            public INavShellSelection,
                            public INavOleDropOwner,
                            public INavShellBrowserControl {
  DRUMS_CLASS(TNavCustomShellList, TNavCustomListView)
  DRUMS_MESSAGE_MAP(TNavCustomShellList)

 public:
  static constexpr UINT kFocusedRefreshDelay = 400;
  static constexpr UINT kRefreshDelay = 2000;

  explicit TNavCustomShellList(TComponent* AOwner);
  ~TNavCustomShellList() override;

  TNavShellLocator* GetFolder() const { return FFolder.get(); }
  void SetFolder(TNavShellLocator* value) { FFolder->Assign(value); }
  const std::string& GetFileFilter() const { return FFileFilter; }
  void SetFileFilter(const std::string& value);
  TNavShellListOptions GetOptions() const { return FOptions; }
  void SetOptions(TNavShellListOptions value);
  bool HasOption(TNavShellListOption option) const { return (FOptions & NavSlo(option)) != 0; }
  TNavShellListOptionSet GetOptionSet() const { return TNavShellListOptionSet::FromBits(FOptions); }
  void SetOptionSet(TNavShellListOptionSet value) { SetOptions(static_cast<TNavShellListOptions>(value.Bits())); }

  TNavShListData* ItemData(TListItem* item) const;
  TNavShListData* ItemDataAt(int index) const;
  TNavShListData* SelectedItemData() const;

  // Refills the list from the folder.
  void Rebuild();
  // Removes vanished items and appends new ones, leaving the rest alone.
  void RefreshContents();
  void WatchFolder();
  // Runs a pending refresh at once.
  void FlushPendingRefresh(bool linked);
  // +(column + 1) ascending, -(column + 1) descending, 0 unsorted.
  int GetSort() const { return FSort; }
  void SetSort(int value);
  void SortItems();
  // A refresh is waiting for a drag or a caption edit to end.
  bool RefreshDeferred() const { return FRefreshDeferred; }

  // IMalloc and the folder the items' data use.
  IMalloc* GetItemMalloc() override;
  LPCITEMIDLIST GetFolderIdList() override { return FFolderIdList; }
  IShellFolder* GetBoundFolder() override { return FShellFolder; }
  IShellDetails* GetColumnSource() override { return FDetails; }

  // The link a shell combo keeps with the list: the list moves where the
  // combo goes and tells the combo where it went.
  TComponent* ComboPartnerComponent() override { return this; }
  void SetComboLink(TNavCustomShellCombo* combo) override;
  void ComboFolderChanged(TNavShellLocator* folder) override { FFolder->Assign(folder); }
  void ComboLoaded(TNavShellLocator* folder) override { FFolder->Assign(folder); }
  TNavCustomShellCombo* GetShellCombo() const { return FShellCombo; }
  // The tree the list is linked to (set by the tree): its selection is the
  // listed folder.
  TNavCustomShellTree* GetShellTree() const { return FShellTree; }
  void SetShellTree(TNavCustomShellTree* tree);

  // The user's commands on the items.
  void OpenSelected();
  void OpenItem(TListItem* item);
  // Moves the listed folder levels up (through a linked tree or combo).
  void GoUp(int levels);
  // Makes a "New Folder" in the listed folder; with edit, its caption edit
  // starts once the list shows it. False when none was made.
  bool NewFolder(bool edit);
  void SelectAll();
  // A shell verb ("copy", "cut", "delete") on the selection.
  void InvokeVerb(const std::string& verb);
  // A shell verb ("paste") on the listed folder itself.
  void InvokeFolderVerb(const std::string& verb);
  // The shell's context menu of the selection at a client point.
  void ShowContextMenu(TPoint point);
  // Drops the selection on the Send To entry index.
  void SendTo(int index);
  void BeginOleDrag(bool rightButton);
  // The copy, move and link bits every dragged item allows.
  DWORD AllowedDragEffects();
  // An OLE drag from this list is under way.
  bool Dragging() const { return FDragging; }

  // What the selection's data object reads.
  LPCITEMIDLIST GetPidl() override { return FFolderIdList; }
  IShellFolder* GetSelectionFolder() override { return FShellFolder; }
  std::vector<LPCITEMIDLIST> GetSelectedRelIdLists() override;

  // The list as an OLE drop target.
  HRESULT DragEnter(IDataObject* data, DWORD keyState, DWORD& effect, POINTL point) override;
  HRESULT DragOver(DWORD keyState, POINTL point, DWORD& effect) override;
  HRESULT DragLeave() override;
  HRESULT Drop(IDataObject* data, DWORD keyState, DWORD& effect, POINTL point) override;
  // The drop target is registered with the window.
  bool DropTargetRegistered() const { return FDropRegistration.Registered(); }

  TNavShAddItemEvent OnAddItem;
  TNavShListDeleteItemEvent OnDeleteItem;
  // Ex at every stage, the other only before an item is painted.
  TNavShLvCustomDrawEvent OnCustomDrawSh;
  TNavShLvCustomDrawEvent OnCustomDrawShEx;
  TNotifyEvent OnFillStart;
  TNotifyEvent OnFillComplete;
  TNotifyEvent OnFolderChanged;
  TNavShDblClickOpenEvent OnDblClickOpen;
  TNavShPopupHintEvent OnPopupHint;

  static void Messages(TMessageMap<TNavCustomShellList>& m);

 protected:
  void CreateWnd() override;
  void DestroyWnd() override;
  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override;
  TNavCustomDraw* CustomDrawNotify(NMCUSTOMDRAW* notification, LRESULT& result) override;
  void ColClick(TListColumn* column) override;
  // An item with shell data is renamed in place only when the shell allows.
  bool CanEdit(TListItem* item) override;
  void Delete(TListItem* item) override;
  void InsertItem(TListItem* item) override;
  void Edit(const LVITEMA& item) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
  void DoItemContextMenu(TListItem* item, TPoint point, TPopupMenu*& menu) override;

  // Fires OnDblClickOpen; true when the shell's own command may run.
  virtual bool DoDblClickOpen();
  virtual HRESULT GetUIObjectOfSelection(IMalloc* allocator, REFIID iid, void** object);
  virtual HRESULT GetUIObjectOfItem(TListItem* item, REFIID iid, void** object);

  // A volume came or went: a list showing My Computer fills again.
  virtual void DeviceChange(TMessage& message);
  virtual bool CanAddItem(IShellFolder* folder, LPCITEMIDLIST parent, SFGAOF attributes, LPCITEMIDLIST relative);
  virtual void Fill(IShellFolder* folder, LPCITEMIDLIST list);
  virtual void PrepareFilter();
  virtual bool FilterAccepts(const std::string& name, SFGAOF attributes);
  virtual void ReleaseFilter();
  virtual void DoFillComplete();
  virtual void DoFillStart();
  virtual void DoFolderChanged();
  // A popup menu, a caption edit or a drag is under way: refreshes wait for it.
  virtual bool Busy();
  // Keeps a refresh (or a full refill) for when the list is free again.
  void Defer(bool rebuild);

  // The enumeration flags of a fill.
  DWORD EnumFlags() const;

 private:
  void FolderChanged(TObject* sender);
  bool ShouldAddItem(LPCITEMIDLIST parent, LPCITEMIDLIST relative);
  // True when the listed folder is gone and the list moved to its parent.
  bool MoveOffVanishedFolder();
  void AddNewShellItem(LPCITEMIDLIST absolute, LPITEMIDLIST relative);
  void AddStaged(TNavShListData* data, SFGAOF attributes);
  void SetupColumns();
  void SetupDetailsColumns();
  void SetupFixedColumns();
  void SaveColumnWidths();
  void LoadColumnWidths();
  int CompareItems(TListItem* item1, TListItem* item2);
  void RefreshTimerTick(TObject* sender);
  void WMFolderContentsChanged(TMessage& m);
  void WMDeferredFill(TMessage& m);
  void WMDestroy(TMessage& m);
  void ReleaseDetails();
  void UpdateImageLists();

  // The folder is watched, so the list's own changes come back as notices.
  bool Watching() const { return FChangeThread && HasOption(navsloDynamicRefresh); }
  // Commands.
  void NavigateTo(LPCITEMIDLIST absolute);
  void RunDefaultCommand(const std::vector<LPITEMIDLIST>& lists);
  HWND OwnerWindow();
  bool InNetworkFolder();
  std::vector<LPITEMIDLIST> CopySelectedRelIdLists();
  void CNNotify(TMessage& m);
  void CMWantSpecialKey(TMessage& m);
  void WMRButtonUp(TMessage& m);
  void WMMenuMessage(TMessage& m);
  void WMEditNewFolder(TMessage& m);
  void WMGetIShellBrowser(TMessage& m);
  // Drops.
  IDropTarget* FolderDropTarget();
  // The drop target under a client point and the item it belongs to.
  IDropTarget* DropTargetAt(POINTL screen, DWORD keyState, TListItem*& item, bool& copyWithoutTarget);
  void SetDropHighlight(TListItem* item);

  std::unique_ptr<TNavShellLocator> FFolder;
  TNavShellListOptions FOptions = kNavShellListDefaultOptions;
  std::string FFileFilter;
  std::vector<std::string> FMasks;
  // Upper-case names the masks matched; only between PrepareFilter and
  // ReleaseFilter, and only when the masks restrict anything.
  std::unique_ptr<std::vector<std::string>> FMaskNames;
  IShellFolder* FShellFolder = nullptr;
  LPITEMIDLIST FFolderIdList = nullptr;
  IShellDetails* FDetails = nullptr;
  bool FWidthsRemembered = false;
  std::unique_ptr<TCustomImageList> FSmallImages;
  std::unique_ptr<TCustomImageList> FLargeImages;
  std::unique_ptr<TTimer> FRefreshTimer;
  std::unique_ptr<TChangeHandlerThread> FChangeThread;
  TNavCustomShellCombo* FShellCombo = nullptr;
  TNavCustomShellTree* FShellTree = nullptr;
  int FSort = 1;
  bool FSortSet = false;
  int FFolderChangeNesting = 0;
  bool FRefreshDeferred = false;
  bool FRebuildDeferred = false;
  TNavShListData* FStagedData = nullptr;
  SFGAOF FStagedAttributes = 0;
  int FStagedSubItems = 3;
  // The next change notice comes from the list's own rename or new folder.
  bool FSelfCaused = false;
  bool FDragStarted = false;
  bool FDragging = false;
  IDataObject* FDragDataObject = nullptr;
  IContextMenu* FCurrentContextMenu = nullptr;
  std::string FNewFolderName;
  TNavDropRegistration FDropRegistration;
  TNavEnteredDrag FEntered;
  TListItem* FDropHighlight = nullptr;
};

class TNavShellList : public TNavCustomShellList {
  DRUMS_CLASS(TNavShellList, TNavCustomShellList)

 public:
  using TNavCustomShellList::TNavCustomShellList;

  static void Publish(TPublisher<TNavShellList>& p);

 private:
  // The folder is the linked control's business when one is linked.
  bool FolderStored() const;
};
