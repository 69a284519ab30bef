// TNavShTreeData: what a shell tree's node knows of its shell item.
#pragma once

#include "platform/vcl/Classes.h"
#include "platform/win/ole2.h"
#include "platform/win/shlobj.h"

class TNavCustomShellTree;

class TNavShTreeData : public TObject {
  DRUMS_CLASS(TNavShTreeData, TObject)

 public:
  explicit TNavShTreeData(TNavCustomShellTree* tree) : FTree(tree) {}
  ~TNavShTreeData() override;
  TNavShTreeData(const TNavShTreeData&) = delete;
  TNavShTreeData& operator=(const TNavShTreeData&) = delete;

  // parent nil: the root, whose relative list is the absolute list of the
  // tree's base folder (the empty list for the desktop). Both lists are
  // made and freed with allocator, of which the data holds a reference.
  void Init(TNavShTreeData* parent, IMalloc* allocator, LPCITEMIDLIST relative);

  TNavCustomShellTree* GetTree() const { return FTree; }
  TNavShTreeData* GetParent() const { return FParent; }
  LPCITEMIDLIST GetRelIdList() const { return FRelIdList; }
  // Made on first use from the parent's list and the relative one.
  LPCITEMIDLIST AbsIdList();
  // The parent's bound folder; nil for the root.
  IShellFolder* ParentFolder();
  // The node's own folder, bound on first use; nil while binding fails
  // (tried again next time). A node without an absolute list is the desktop.
  IShellFolder* BoundFolder();
  // The tree sets the root's folder when it fills the root.
  void SetBoundFolder(IShellFolder* folder);
  // False for the root and the desktop.
  bool CanRename();
  // A new name: both lists and the folder are made again from list.
  void SetRelIdList(LPCITEMIDLIST list);
  // Forgets the absolute list and the folder; both are made again on demand.
  void Invalidate();
  HRESULT GetDropTarget(HWND window, IDropTarget** target);

 private:
  void FreeList(LPITEMIDLIST& list);

  TNavCustomShellTree* FTree;
  TNavShTreeData* FParent = nullptr;
  LPITEMIDLIST FRelIdList = nullptr;
  LPITEMIDLIST FAbsIdList = nullptr;
  IShellFolder* FBoundFolder = nullptr;
  IMalloc* FMalloc = nullptr;
};
