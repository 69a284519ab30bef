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
#include "controls/shell/UNavShellControls/ListData.h"
#include "controls/shell/UNavShellControls/Locator.h"
#include "controls/shell/UNavTreeList.h"
#include "platform/vcl/ExtCtrls.h"

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
using TNavShellListOptions = WORD;
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

class TNavCustomShellList : public TNavCustomListView, public TNavShListDataOwner, public INavShellComboPartner {
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

  TNavShAddItemEvent OnAddItem;
  TNavShListDeleteItemEvent OnDeleteItem;
  // Ex at every stage, the other only before an item is painted.
  TNavShLvCustomDrawEvent OnCustomDrawSh;
  TNavShLvCustomDrawEvent OnCustomDrawShEx;
  TNotifyEvent OnFillStart;
  TNotifyEvent OnFillComplete;
  TNotifyEvent OnFolderChanged;

  static void Messages(TMessageMap<TNavCustomShellList>& m);

 protected:
  void CreateWnd() override;
  void DestroyWnd() override;
  void Notification(TComponent* component, TOperation operation) override;
  TNavCustomDraw* CustomDrawNotify(NMCUSTOMDRAW* notification, LRESULT& result) override;
  void ColClick(TListColumn* column) override;
  // An item with shell data is renamed in place only when the shell allows.
  bool CanEdit(TListItem* item) override;
  void Delete(TListItem* item) override;
  void InsertItem(TListItem* item) override;

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
  // A popup menu or a caption edit is under way: refreshes wait for it.
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
  int FSort = 1;
  bool FSortSet = false;
  int FFolderChangeNesting = 0;
  bool FRefreshDeferred = false;
  bool FRebuildDeferred = false;
  TNavShListData* FStagedData = nullptr;
  SFGAOF FStagedAttributes = 0;
  int FStagedSubItems = 3;
};

class TNavShellList : public TNavCustomShellList {
  DRUMS_CLASS(TNavShellList, TNavCustomShellList)

 public:
  using TNavCustomShellList::TNavCustomShellList;
};
