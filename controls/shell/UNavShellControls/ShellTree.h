// TNavCustomShellTree: the folder tree of the shell browser controls. Its
// top node is a base folder (the desktop by default); a node lists its child
// folders the first time it is expanded. Selecting a node moves a linked
// shell list (at once after a click, half a second after the last key) and a
// linked combo; directory-change notices on the expanded folders refresh it
// by comparison. TNavShellTree publishes it with the setters that tie it to
// a list and switch OLE drop, drag style and watching.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "controls/shell/UNavShellControls/ChangeHandlerThread.h"
#include "controls/shell/UNavShellControls/ComboLink.h"
#include "controls/shell/UNavShellControls/DropTargets.h"
#include "controls/shell/UNavShellControls/Locator.h"
#include "controls/shell/UNavShellControls/ScrollHelpers.h"
#include "controls/shell/UNavShellControls/ShellDragDrop.h"
#include "controls/shell/UNavShellControls/ShellList.h"
#include "controls/shell/UNavShellControls/TreeData.h"
#include "controls/shell/UNavTreeList.h"
#include "platform/vcl/ExtCtrls.h"

enum TNavShellTreeOption {
  navstoAutoFill,
  navstoVirtualFolders,
  navstoDesignInteractive,
  navstoDefaultKeyHandling,
  navstoContextMenus,
  navstoDynamicRefresh,
  navstoIncludeNonFolders,
  navstoOleDrag,
  navstoOleDrop,
  navstoShowHidden
};
DRUMS_ENUM_NAMES(TNavShellTreeOption, "navstoAutoFill", "navstoVirtualFolders", "navstoDesignInteractive",
                 "navstoDefaultKeyHandling", "navstoContextMenus", "navstoDynamicRefresh", "navstoIncludeNonFolders",
                 "navstoOleDrag", "navstoOleDrop", "navstoShowHidden")
using TNavShellTreeOptions = WORD;
// The options as a set, the way forms stream them.
using TNavShellTreeOptionSet = TSet<TNavShellTreeOption>;
constexpr TNavShellTreeOptions NavSto(TNavShellTreeOption option) {
  return static_cast<WORD>(1u << option);
}
inline constexpr TNavShellTreeOptions kNavShellTreeDefaultOptions = 955;

using TNavShTreeDeleteItemEvent = TEvent<void(TObject* Sender, TTreeNode* Node)>;
using TNavShTreeInsertItemEvent = TEvent<void(TObject* Sender, TTreeNode* Node)>;
// Node and Data are nil outside the item stages (and Data for a node
// without shell data). Change the drawer's Font or Brush.
using TNavShTvCustomDrawEvent =
    TEvent<void(TObject* Sender, TNavTvCustomDraw* Draw, TTreeNode* Node, TNavShTreeData* Data)>;

class TNavCustomShellTree : public TNavCustomTreeView,
                            public INavShellComboPartner,
                            public INavOleDropOwner,
                            public INavShellBrowserControl {
  DRUMS_CLASS(TNavCustomShellTree, TNavCustomTreeView)
  DRUMS_MESSAGE_MAP(TNavCustomShellTree)

 public:
  // From a selection change by keyboard to the linked list's move.
  static constexpr UINT kSelectionDelay = 500;
  // The expanded folders watched at most: the change thread's slots.
  static constexpr int kWatchSlots = TChangeHandlerThread::kSlotCount;

  explicit TNavCustomShellTree(TComponent* AOwner);
  ~TNavCustomShellTree() override;

  // The folder of the top node; a change rebuilds the tree.
  TNavShellLocator* GetBaseFolder() const { return FBaseFolder.get(); }
  // The folder of the selected node; a change selects it in the tree.
  TNavShellLocator* GetSelectedFolder() const { return FSelectedFolder.get(); }
  void SetSelectedFolder(TNavShellLocator* value);
  TNavCustomShellList* GetShellList() const { return FShellList; }
  TNavCustomShellCombo* GetShellCombo() const { return FShellCombo; }
  void SetShellCombo(TNavCustomShellCombo* combo);
  TNavShellTreeOptions GetOptions() const { return FOptions; }
  // Stores the set; TNavShellTree also applies it to a living window.
  virtual void SetOptions(TNavShellTreeOptions value) { FOptions = value; }
  bool HasOption(TNavShellTreeOption option) const { return (FOptions & NavSto(option)) != 0; }
  TNavShellTreeOptionSet GetOptionSet() const { return TNavShellTreeOptionSet::FromBits(FOptions); }
  void SetOptionSet(TNavShellTreeOptionSet value) { SetOptions(static_cast<TNavShellTreeOptions>(value.Bits())); }

  // The node's shell data, nil for a node without.
  TNavShTreeData* NodeData(TTreeNode* node) const;
  // The first top-level node with shell data.
  TTreeNode* TopNode() const;

  // Selects the folder, adding and expanding the nodes on its way from the
  // base folder; beeps and stops at the nearest node when a step is missing.
  void SelectFolderPidl(LPCITEMIDLIST target);
  // Builds the tree again from the base folder.
  void Rebuild();
  // Adds and removes the children of the filled nodes as the folders now
  // hold them.
  void RefreshContents();
  // (Re)starts watching the expanded folders, nearest to the selection first.
  void StartChangeWatch();
  // Runs a pending selection update or refresh at once.
  void FlushPendingRefresh(bool linked);
  // Selects the ancestor levels up (stopping at a top-level node).
  void GoUp(int levels);
  // A shell verb on the node's item; S_FALSE for the top node and nodes
  // without shell data.
  HRESULT InvokeVerb(TTreeNode* node, const std::string& verb);
  void BeginOleDrag(bool rightButton);
  DWORD AllowedDragEffects(TTreeNode* node);

  // A drag from the tree, a shell popup menu or a caption edit is under way.
  virtual bool Busy() const;
  // A refresh is waiting for the tree to be free again.
  bool RefreshDeferred() const { return FRefreshDeferred; }
  bool DropTargetRegistered() const { return FDropRegistration.Registered(); }
  // The folders watched now, in the order they were given to the thread.
  const std::vector<std::string>& WatchedFolders() const { return FWatched; }

  // What the linked combo sees of the tree.
  TComponent* ComboPartnerComponent() override { return this; }
  void SetComboLink(TNavCustomShellCombo* combo) override { SetShellCombo(combo); }
  void ComboFolderChanged(TNavShellLocator* folder) override { SetSelectedFolder(folder); }
  void ComboLoaded(TNavShellLocator* folder) override { SetSelectedFolder(folder); }

  // The tree as an OLE drop target.
  HRESULT DragEnter(IDataObject* data, DWORD keyState, DWORD& effect, POINTL point) override;
  HRESULT DragOver(DWORD keyState, POINTL point, DWORD& effect) override;
  HRESULT DragLeave() override;
  HRESULT Drop(IDataObject* data, DWORD keyState, DWORD& effect, POINTL point) override;

  TNavShAddItemEvent OnAddItem;
  TNavShTreeDeleteItemEvent OnDeleteItem;
  TNavShTreeInsertItemEvent OnInsertItem;
  TNavShPopupHintEvent OnPopupHint;
  // Ex at every stage, the other only before a node is painted.
  TNavShTvCustomDrawEvent OnCustomDrawSh;
  TNavShTvCustomDrawEvent OnCustomDrawShEx;
  TNotifyEvent OnFillComplete;
  TNotifyEvent OnFillStart;

  static void Messages(TMessageMap<TNavCustomShellTree>& m);

 protected:
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& message) override;
  void GetImageIndex(TTreeNode* node) override;
  void GetSelectedIndex(TTreeNode* node) override;
  TNavCustomDraw* CustomDrawNotify(NMCUSTOMDRAW* notification, LRESULT& result) override;
  void Change(TTreeNode* node) override;
  bool CanExpand(TTreeNode* node) override;
  void Expand(TTreeNode* node) override;
  void Collapse(TTreeNode* node) override;
  bool CanEdit(TTreeNode* node) override;
  void Edit(const TVITEMA& item) override;
  void Delete(TTreeNode* node) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
  void DoNodeContextMenu(TTreeNode* node, TPoint point, TPopupMenu*& menu) override;

  virtual bool CanAddItem(IShellFolder* folder, LPCITEMIDLIST parent, SFGAOF attributes, LPCITEMIDLIST relative);
  // A volume came or went: the tree refreshes.
  virtual void DeviceChange(TMessage& message);
  // Lists the folder's children under node; without a node, makes the top
  // node for the base folder first.
  virtual void FillNode(IShellFolder* folder, TTreeNode* node);
  virtual void DoInsertItem(TTreeNode* node);
  virtual void FillOnExpand(TTreeNode* node);
  virtual void DoFillComplete();
  virtual void DoFillStart();
  virtual void SendTo(TTreeNode* node, int index);
  // Watches one folder without its subtree; the empty path clears every
  // watch.
  virtual void WatchFolder(const std::string& path);
  virtual void ShowContextMenu(TTreeNode* node, TPoint point);

  // Adds the item as a child of parent (a top-level node without one).
  HRESULT AddChildNode(IMalloc* allocator, IShellFolder* folder, LPCITEMIDLIST relative, TTreeNode* parent,
                       LPCITEMIDLIST parentAbsolute);
  int CompareNodes(TTreeNode* node1, TTreeNode* node2);
  // The enumeration flags of a fill.
  DWORD EnumFlags() const;

 private:
  void BaseFolderChanged(TObject* sender);
  void SelectedFolderChanged(TObject* sender);
  // Selects node as the window would, also before the tree has one.
  void SelectNode(TTreeNode* node);
  // The selected folder, the linked list and the linked combo take node.
  void UpdateLinked(TTreeNode* node);
  void RefreshTimerTick(TObject* sender);
  void StartTimer(UINT interval, int tag);
  // Keeps a refresh (or a full rebuild) for when the tree is free again.
  void Defer(bool rebuild);
  void RefreshNode(TTreeNode* node, TTreeNode*& remembered);
  void SortChildren(TTreeNode* node);
  // Whether a node of these attributes can be expanded.
  bool ShowsButton(SFGAOF attributes) const;
  // Asks the folder again whether the unlisted node can be expanded.
  void UpdateButton(TTreeNode* node);
  void DeleteNodeData(TTreeNode* node);
  // The folders that should be watched now, nearest to the selection first.
  std::vector<std::string> WatchCandidates();
  void UpdateWatches();
  TTreeNode* NodeAtScreen(POINTL point);
  // The shell's drop target of the node's folder, nil when it has none.
  IDropTarget* NodeDropTarget(TTreeNode* node);
  void SetDropHighlight(TTreeNode* node);
  HWND OwnerWindow();
  bool Loading() const;
  bool Designing() const;
  void CNNotify(TMessage& m);
  void WMFolderContentsChanged(TMessage& m);
  void WMDeferredFill(TMessage& m);
  void WMNCDestroy(TMessage& m);
  void WMPaint(TMessage& m);
  void CMWantSpecialKey(TMessage& m);
  void CMDesignHitTest(TMessage& m);
  void WMMenuMessage(TMessage& m);

  std::unique_ptr<TNavShellLocator> FBaseFolder;
  std::unique_ptr<TNavShellLocator> FSelectedFolder;
  std::unique_ptr<TTimer> FRefreshTimer;
  TNavCustomShellList* FShellList = nullptr;
  TNavShellTreeOptions FOptions = kNavShellTreeDefaultOptions;
  TNavCustomShellCombo* FShellCombo = nullptr;
  IContextMenu* FContextMenu = nullptr;
  bool FSelectAtOnce = false;
  int FUpdateNesting = 0;
  int FExpansionBlocked = 0;
  bool FSelfCaused = false;
  std::unique_ptr<TChangeHandlerThread> FChangeThread;
  bool FBusy = false;
  bool FRefreshDeferred = false;
  bool FRebuildDeferred = false;
  // What the refresh timer owes: a selection update and/or a refresh. A
  // keyboard move does not cancel a refresh that a notice asked for.
  bool FPendingSelection = false;
  bool FPendingRefresh = false;
  TTreeNode* FDragNode = nullptr;
  TTreeNode* FLastInserted = nullptr;
  bool FLoaded = false;
  bool FDestroyingWnd = false;
  IDataObject* FDragDataObject = nullptr;
  TNavDropRegistration FDropRegistration;
  TNavEnteredDrag FEntered;
  std::unique_ptr<TCustomImageList> FImages;
  std::vector<std::string> FWatched;

  friend class TNavShellTree;
};

class TNavShellTree : public TNavCustomShellTree {
  DRUMS_CLASS(TNavShellTree, TNavCustomShellTree)

 public:
  using TNavCustomShellTree::TNavCustomShellTree;

  // Ignored while loading; otherwise the base folder copies value.
  void SetBaseFolder(TNavShellLocator* value);
  // Unlinks the list linked before, links list both ways and moves it to
  // the selected folder.
  void SetShellList(TNavCustomShellList* list);
  // Stores the set and, with a window, switches the drop target, the drag
  // style and the watching to match.
  void SetOptions(TNavShellTreeOptions value) override;

  static void Publish(TPublisher<TNavShellTree>& p);
};

// Adds or removes style bits of a window; writes only a changed style.
void SetWindowStyleBits(HWND window, DWORD bits, bool set);
