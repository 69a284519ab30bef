// TTreeView / TCustomTreeView on the window manager's tree view, with the
// nodes as TTreeNode objects in TTreeNodes. The nodes keep their own text,
// images and data, so they outlive the window: a new window gets them all
// back. The window tells the control about selection, expansion, editing and
// drawing through its notifications (reflected back as CN_NOTIFY), which
// reach the virtual methods and events here.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/vcl/comctrls/ViewNotifications.h"
#include "platform/vcl/comctrls/ViewTypes.h"
#include "platform/vcl/controls/ImageList.h"
#include "platform/vcl/controls/WinControl.h"

class TTreeNode;
class TTreeNodes;
class TCustomTreeView;

// < 0, 0 or > 0 for node1 against node2.
using TTVCompare = std::function<int(TTreeNode* node1, TTreeNode* node2, LPARAM data)>;

using TTVChangedEvent = TEvent<void(TObject* Sender, TTreeNode* Node)>;
using TTVChangingEvent = TEvent<void(TObject* Sender, TTreeNode* Node, bool& AllowChange)>;
using TTVExpandingEvent = TEvent<void(TObject* Sender, TTreeNode* Node, bool& AllowExpansion)>;
using TTVCollapsingEvent = TEvent<void(TObject* Sender, TTreeNode* Node, bool& AllowCollapse)>;
using TTVExpandedEvent = TEvent<void(TObject* Sender, TTreeNode* Node)>;
using TTVEditingEvent = TEvent<void(TObject* Sender, TTreeNode* Node, bool& AllowEdit)>;
using TTVEditedEvent = TEvent<void(TObject* Sender, TTreeNode* Node, std::string& S)>;
using TTVCompareEvent = TEvent<void(TObject* Sender, TTreeNode* Node1, TTreeNode* Node2, LPARAM Data, int& Compare)>;
using TTVCustomDrawEvent = TEvent<void(TCustomTreeView* Sender, const TRect& ARect, bool& DefaultDraw)>;
using TTVCustomDrawItemEvent =
    TEvent<void(TCustomTreeView* Sender, TTreeNode* Node, TCustomDrawState State, bool& DefaultDraw)>;

enum TNodeAttachMode { naAdd, naAddFirst, naAddChild, naAddChildFirst, naInsert };

class TTreeNode : public TPersistent {
  DRUMS_CLASS(TTreeNode, TPersistent)

 public:
  explicit TTreeNode(TTreeNodes* AOwner);
  ~TTreeNode() override;

  TTreeNodes* GetOwner() const { return FOwner; }
  TCustomTreeView* GetTreeView() const;
  HTREEITEM GetItemId() const { return FItemId; }

  const std::string& GetText() const { return FText; }
  void SetText(const std::string& value);
  void* GetData() const { return FData; }
  void SetData(void* value) { FData = value; }
  int GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(int value);
  int GetSelectedIndex() const { return FSelectedIndex; }
  void SetSelectedIndex(int value);
  // -1: none; 0..14 the list's overlay images 1..15.
  int GetOverlayIndex() const { return FOverlayIndex; }
  void SetOverlayIndex(int value);
  // -1: none; otherwise the state image list's picture.
  int GetStateIndex() const { return FStateIndex; }
  void SetStateIndex(int value);
  bool GetCut() const { return GetState(TVIS_CUT); }
  void SetCut(bool value) { SetState(TVIS_CUT, value); }
  bool GetDropTarget() const { return GetState(TVIS_DROPHILITED); }
  void SetDropTarget(bool value);
  // Without children of its own a node shows a button only when this is set.
  bool GetHasChildren() const;
  void SetHasChildren(bool value);
  bool GetExpanded() const { return GetState(TVIS_EXPANDED); }
  void SetExpanded(bool value);
  bool GetSelected() const;
  void SetSelected(bool value);
  bool GetFocused() const { return GetSelected(); }
  void SetFocused(bool value) { SetSelected(value); }

  TTreeNode* GetParent() const { return FParent; }
  int GetCount() const { return static_cast<int>(FChildren.size()); }
  TTreeNode* GetItem(int index) const;
  int GetIndex() const;
  int GetLevel() const;
  TTreeNode* GetFirstChild() const { return FChildren.empty() ? nullptr : FChildren.front(); }
  TTreeNode* GetLastChild() const { return FChildren.empty() ? nullptr : FChildren.back(); }
  TTreeNode* GetNextSibling() const;
  TTreeNode* GetPrevSibling() const;
  // The next node in tree order (children first), or null.
  TTreeNode* GetNext() const;
  bool HasAsParent(TTreeNode* value) const;

  void Expand(bool recurse);
  void Collapse(bool recurse);
  // Removes the node and its children (OnDeletion for each, children first).
  void Delete();
  void DeleteChildren();
  // Starts editing the label in place; false when refused or without window.
  bool EditText();
  void EndEdit(bool cancel);
  void MakeVisible();
  // The node's rectangle in client coordinates (the label alone with
  // textOnly); empty while the node is hidden.
  TRect DisplayRect(bool textOnly) const;
  bool AlphaSort(bool recurse = false);
  bool CustomSort(const TTVCompare& compare, LPARAM data, bool recurse = false);

 private:
  friend class TTreeNodes;
  friend class TCustomTreeView;
  bool GetState(UINT bit) const;
  void SetState(UINT bit, bool value);
  void UpdateItem(UINT mask);
  HWND Window() const;

  TTreeNodes* FOwner;
  TTreeNode* FParent = nullptr;
  std::vector<TTreeNode*> FChildren;
  HTREEITEM FItemId = nullptr;
  std::string FText;
  void* FData = nullptr;
  int FImageIndex = 0;
  int FSelectedIndex = 0;
  int FOverlayIndex = -1;
  int FStateIndex = -1;
  // TVIS_ bits kept while there is no window.
  UINT FState = 0;
  // -1: from the children; 0 or 1: as set.
  int FHasChildren = -1;
};

class TTreeNodes : public TPersistent {
  DRUMS_CLASS(TTreeNodes, TPersistent)

 public:
  explicit TTreeNodes(TCustomTreeView* AOwner);
  ~TTreeNodes() override;

  TCustomTreeView* GetOwner() const { return FOwner; }
  // Every node of the tree.
  int GetCount() const;
  // The node at index in tree order (children after their parent).
  TTreeNode* GetItem(int index) const;
  TTreeNode* GetFirstNode() const { return FRoots.empty() ? nullptr : FRoots.front(); }
  int GetTopCount() const { return static_cast<int>(FRoots.size()); }

  // A new last sibling of sibling (a last top-level node without one).
  TTreeNode* Add(TTreeNode* sibling, const std::string& s) { return AddObject(sibling, s, nullptr); }
  TTreeNode* AddObject(TTreeNode* sibling, const std::string& s, void* data);
  TTreeNode* AddFirst(TTreeNode* sibling, const std::string& s) { return AddObjectFirst(sibling, s, nullptr); }
  TTreeNode* AddObjectFirst(TTreeNode* sibling, const std::string& s, void* data);
  TTreeNode* AddChild(TTreeNode* parent, const std::string& s) { return AddChildObject(parent, s, nullptr); }
  TTreeNode* AddChildObject(TTreeNode* parent, const std::string& s, void* data);
  TTreeNode* AddChildFirst(TTreeNode* parent, const std::string& s) { return AddChildObjectFirst(parent, s, nullptr); }
  TTreeNode* AddChildObjectFirst(TTreeNode* parent, const std::string& s, void* data);
  // A new node just before sibling.
  TTreeNode* Insert(TTreeNode* sibling, const std::string& s) { return InsertObject(sibling, s, nullptr); }
  TTreeNode* InsertObject(TTreeNode* sibling, const std::string& s, void* data);
  void Delete(TTreeNode* node) { node->Delete(); }
  void Clear();
  void BeginUpdate();
  void EndUpdate();

 private:
  friend class TTreeNode;
  friend class TCustomTreeView;
  TTreeNode* AddNode(TTreeNode* parent, int position, const std::string& s, void* data);
  std::vector<TTreeNode*>& SiblingsOf(TTreeNode* node) { return node->FParent ? node->FParent->FChildren : FRoots; }
  // Puts the node (and its children) into the window.
  void InsertItem(TTreeNode* node);
  // Takes the node out of the model and frees it, its children first.
  void FreeNode(TTreeNode* node, bool notify);

  TCustomTreeView* FOwner;
  std::vector<TTreeNode*> FRoots;
  int FUpdateCount = 0;
};

class TCustomTreeView : public TWinControl, protected vcl::comctrls::TViewNotifications<TCustomTreeView, TTreeNode> {
  DRUMS_CLASS(TCustomTreeView, TWinControl)
  DRUMS_MESSAGE_MAP(TCustomTreeView)

 public:
  explicit TCustomTreeView(TComponent* AOwner);
  ~TCustomTreeView() override;

  TTreeNodes* GetItems() const { return FTreeNodes.get(); }
  TTreeNode* GetSelected() const;
  void SetSelected(TTreeNode* value);
  TTreeNode* GetDropTarget() const;
  void SetDropTarget(TTreeNode* value);
  TCustomImageList* GetImages() const { return FImages; }
  void SetImages(TCustomImageList* value);
  TCustomImageList* GetStateImages() const { return FStateImages; }
  void SetStateImages(TCustomImageList* value);
  bool GetShowButtons() const { return FShowButtons; }
  void SetShowButtons(bool value);
  bool GetShowLines() const { return FShowLines; }
  void SetShowLines(bool value);
  bool GetShowRoot() const { return FShowRoot; }
  void SetShowRoot(bool value);
  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value);
  bool GetHideSelection() const { return FHideSelection; }
  void SetHideSelection(bool value);
  int GetIndent() const { return FIndent; }
  void SetIndent(int value);
  TCanvas* GetCanvas() const { return FCanvas.get(); }
  bool IsEditing() const;

  TTreeNode* GetNodeAt(int x, int y);
  void FullExpand();
  void FullCollapse();
  // Sorts every level: by OnCompare when set, else by text.
  bool AlphaSort();
  bool CustomSort(const TTVCompare& compare, LPARAM data);

  TTVChangedEvent OnChange;
  TTVChangingEvent OnChanging;
  TTVExpandingEvent OnExpanding;
  TTVExpandedEvent OnExpanded;
  TTVCollapsingEvent OnCollapsing;
  TTVExpandedEvent OnCollapsed;
  TTVEditingEvent OnEditing;
  TTVEditedEvent OnEdited;
  TTVExpandedEvent OnDeletion;
  TTVExpandedEvent OnGetImageIndex;
  TTVExpandedEvent OnGetSelectedIndex;
  TTVCompareEvent OnCompare;
  TTVCustomDrawEvent OnCustomDraw;
  TTVCustomDrawItemEvent OnCustomDrawItem;

  static void Publish(TPublisher<TCustomTreeView>& p);
  static void Messages(TMessageMap<TCustomTreeView>& m);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  // The window draws itself.
  void PaintWindow(HDC dc) override;
  void Notification(TComponent* component, TOperation operation) override;

  virtual bool CanChange(TTreeNode* node);
  virtual void Change(TTreeNode* node);
  virtual bool CanExpand(TTreeNode* node);
  virtual void Expand(TTreeNode* node);
  virtual bool CanCollapse(TTreeNode* node);
  virtual void Collapse(TTreeNode* node);
  virtual bool CanEdit(TTreeNode* node);
  // The label edit ended with a new text in item.pszText.
  virtual void Edit(const TVITEMA& item);
  // The node is about to go (OnDeletion); its window item is gone or going.
  virtual void Delete(TTreeNode* node);
  virtual void GetImageIndex(TTreeNode* node);
  virtual void GetSelectedIndex(TTreeNode* node);

 private:
  friend class TTreeNode;
  friend class TTreeNodes;
  friend class vcl::comctrls::TViewNotifications<TCustomTreeView, TTreeNode>;
  void CNNotify(TMessage& m);
  void WMDestroy(TMessage& m);
  // The node a custom-draw record is about, or null.
  TTreeNode* DrawnItem(const NMCUSTOMDRAW& nmcd) const;
  void SetStyleBit(DWORD bit, bool on);
  void SetImageList(TCustomImageList*& slot, TCustomImageList* value, WPARAM which);
  void ImageListChange(TObject* sender);
  TTreeNode* NodeFromItem(HTREEITEM item) const;
  void SortLevel(std::vector<TTreeNode*>& nodes, TTreeNode* parent, const TTVCompare& compare, LPARAM data,
                 bool recurse);
  TTVCompare DefaultCompare();

  std::unique_ptr<TTreeNodes> FTreeNodes;
  std::unique_ptr<TCanvas> FCanvas;
  std::unique_ptr<TChangeLink> FImageChangeLink;
  std::unique_ptr<TChangeLink> FStateChangeLink;
  TCustomImageList* FImages = nullptr;
  TCustomImageList* FStateImages = nullptr;
  bool FShowButtons = true;
  bool FShowLines = true;
  bool FShowRoot = true;
  bool FReadOnly = false;
  bool FHideSelection = true;
  int FIndent = 19;
  // While above 0 the window's notifications fire no events: the window is
  // being refilled from the nodes, or is going.
  int FQuiet = 0;
};

class TTreeView : public TCustomTreeView {
  DRUMS_CLASS(TTreeView, TCustomTreeView)

 public:
  explicit TTreeView(TComponent* AOwner) : TCustomTreeView(AOwner) {}
};
