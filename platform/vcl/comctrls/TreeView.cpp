#include "platform/vcl/comctrls/TreeView.h"

#include <algorithm>
#include <cstring>

#include "platform/vcl/SysUtils.h"
#include "platform/vcl/rtl/StringUtils.h"
#include "platform/win/commctrl.h"
#include "platform/win/windows.h"

namespace {

UINT StateImageBits(int stateIndex) {
  return static_cast<UINT>(INDEXTOSTATEIMAGEMASK(stateIndex > 0 ? stateIndex : 0));
}

template <class F>
void ForEachNode(const std::vector<TTreeNode*>& nodes, const F& fn) {
  for (TTreeNode* node : nodes) {
    fn(node);
    std::vector<TTreeNode*> kids;
    for (int i = 0; i < node->GetCount(); i++) kids.push_back(node->GetItem(i));
    ForEachNode(kids, fn);
  }
}

}  // namespace

// ---------------------------------------------------------------- TTreeNode

TTreeNode::TTreeNode(TTreeNodes* AOwner) : FOwner(AOwner) {}

TTreeNode::~TTreeNode() = default;

TCustomTreeView* TTreeNode::GetTreeView() const {
  return FOwner->GetOwner();
}

HWND TTreeNode::Window() const {
  TCustomTreeView* tv = GetTreeView();
  return FItemId && tv->HandleAllocated() ? tv->GetHandle() : nullptr;
}

void TTreeNode::UpdateItem(UINT mask) {
  HWND w = Window();
  if (!w) return;
  TVITEMA item{};
  item.mask = mask | TVIF_HANDLE;
  item.hItem = FItemId;
  item.pszText = const_cast<char*>(FText.c_str());
  item.iImage = I_IMAGECALLBACK;
  item.iSelectedImage = I_IMAGECALLBACK;
  item.cChildren = FHasChildren > 0 ? 1 : 0;
  item.state = vcl::comctrls::OverlayBits(FOverlayIndex) | StateImageBits(FStateIndex);
  item.stateMask = TVIS_OVERLAYMASK | TVIS_STATEIMAGEMASK;
  SendMessageA(w, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  InvalidateRect(w, nullptr, TRUE);
}

void TTreeNode::SetText(const std::string& value) {
  if (value == FText) return;
  FText = value;
  UpdateItem(TVIF_TEXT);
}

void TTreeNode::SetImageIndex(int value) {
  if (value == FImageIndex) return;
  FImageIndex = value;
  UpdateItem(TVIF_IMAGE);
}

void TTreeNode::SetSelectedIndex(int value) {
  if (value == FSelectedIndex) return;
  FSelectedIndex = value;
  UpdateItem(TVIF_SELECTEDIMAGE);
}

void TTreeNode::SetOverlayIndex(int value) {
  if (value == FOverlayIndex) return;
  FOverlayIndex = value;
  UpdateItem(TVIF_STATE);
}

void TTreeNode::SetStateIndex(int value) {
  if (value == FStateIndex) return;
  FStateIndex = value;
  UpdateItem(TVIF_STATE);
}

bool TTreeNode::GetState(UINT bit) const {
  HWND w = Window();
  if (!w) return (FState & bit) != 0;
  return SendMessageA(w, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(FItemId), bit) != 0;
}

void TTreeNode::SetState(UINT bit, bool value) {
  if (GetState(bit) == value) return;
  FState = value ? FState | bit : FState & ~bit;
  HWND w = Window();
  if (!w) return;
  TVITEMA item{};
  item.mask = TVIF_HANDLE | TVIF_STATE;
  item.hItem = FItemId;
  item.state = value ? bit : 0;
  item.stateMask = bit;
  SendMessageA(w, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  InvalidateRect(w, nullptr, TRUE);
}

void TTreeNode::SetDropTarget(bool value) {
  if (GetDropTarget() == value) return;
  HWND w = Window();
  if (!w) {
    FState = value ? FState | TVIS_DROPHILITED : FState & ~TVIS_DROPHILITED;
    return;
  }
  SendMessageA(w, TVM_SELECTITEM, TVGN_DROPHILITE, reinterpret_cast<LPARAM>(value ? FItemId : nullptr));
}

bool TTreeNode::GetHasChildren() const {
  return FHasChildren >= 0 ? FHasChildren != 0 : !FChildren.empty();
}

void TTreeNode::SetHasChildren(bool value) {
  if (FHasChildren == (value ? 1 : 0)) return;
  FHasChildren = value ? 1 : 0;
  UpdateItem(TVIF_CHILDREN);
}

void TTreeNode::SetExpanded(bool value) {
  if (GetExpanded() == value) return;
  HWND w = Window();
  if (!w) {
    FState = value ? FState | TVIS_EXPANDED : FState & ~TVIS_EXPANDED;
    return;
  }
  SendMessageA(w, TVM_EXPAND, value ? TVE_EXPAND : TVE_COLLAPSE, reinterpret_cast<LPARAM>(FItemId));
}

bool TTreeNode::GetSelected() const {
  return GetState(TVIS_SELECTED);
}

void TTreeNode::SetSelected(bool value) {
  if (GetSelected() == value) return;
  HWND w = Window();
  if (w) {
    SendMessageA(w, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(value ? FItemId : nullptr));
    return;
  }
  // Without a window one node at most keeps the selection for the next one.
  if (value) ForEachNode(FOwner->FRoots, [](TTreeNode* n) { n->FState &= ~static_cast<UINT>(TVIS_SELECTED); });
  FState = value ? FState | TVIS_SELECTED : FState & ~TVIS_SELECTED;
}

TTreeNode* TTreeNode::GetItem(int index) const {
  if (index < 0 || index >= GetCount()) throw EListError("List index out of bounds (%d)", {index});
  return FChildren[static_cast<size_t>(index)];
}

int TTreeNode::GetIndex() const {
  const auto& sibs = FParent ? FParent->FChildren : FOwner->FRoots;
  auto it = std::find(sibs.begin(), sibs.end(), this);
  return it == sibs.end() ? -1 : static_cast<int>(it - sibs.begin());
}

int TTreeNode::GetLevel() const {
  int level = 0;
  for (TTreeNode* p = FParent; p; p = p->FParent) level++;
  return level;
}

TTreeNode* TTreeNode::GetNextSibling() const {
  const auto& sibs = FParent ? FParent->FChildren : FOwner->FRoots;
  int i = GetIndex();
  return i >= 0 && i + 1 < static_cast<int>(sibs.size()) ? sibs[static_cast<size_t>(i) + 1] : nullptr;
}

TTreeNode* TTreeNode::GetPrevSibling() const {
  const auto& sibs = FParent ? FParent->FChildren : FOwner->FRoots;
  int i = GetIndex();
  return i > 0 ? sibs[static_cast<size_t>(i) - 1] : nullptr;
}

TTreeNode* TTreeNode::GetNext() const {
  if (!FChildren.empty()) return FChildren.front();
  for (const TTreeNode* n = this; n; n = n->FParent)
    if (TTreeNode* next = n->GetNextSibling()) return next;
  return nullptr;
}

bool TTreeNode::HasAsParent(TTreeNode* value) const {
  for (TTreeNode* p = FParent; p; p = p->FParent)
    if (p == value) return true;
  return false;
}

void TTreeNode::Expand(bool recurse) {
  SetExpanded(true);
  if (recurse)
    for (TTreeNode* kid : std::vector<TTreeNode*>(FChildren)) kid->Expand(true);
}

void TTreeNode::Collapse(bool recurse) {
  SetExpanded(false);
  if (recurse)
    for (TTreeNode* kid : std::vector<TTreeNode*>(FChildren)) kid->Collapse(true);
}

void TTreeNode::Delete() {
  HWND w = Window();
  // The window announces every node it removes; the announcement frees it.
  if (w && GetTreeView()->FQuiet == 0)
    SendMessageA(w, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(FItemId));
  else
    FOwner->FreeNode(this, true);
}

void TTreeNode::DeleteChildren() {
  while (!FChildren.empty()) FChildren.back()->Delete();
}

bool TTreeNode::EditText() {
  HWND w = Window();
  return w && SendMessageA(w, TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(FItemId)) != 0;
}

void TTreeNode::EndEdit(bool cancel) {
  if (HWND w = Window()) SendMessageA(w, TVM_ENDEDITLABELNOW, cancel ? TRUE : FALSE, 0);
}

void TTreeNode::MakeVisible() {
  HWND w = Window();
  if (w) {
    SendMessageA(w, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(FItemId));
    return;
  }
  for (TTreeNode* p = FParent; p; p = p->FParent) p->FState |= TVIS_EXPANDED;
}

TRect TTreeNode::DisplayRect(bool textOnly) const {
  HWND w = Window();
  if (!w) return TRect();
  RECT r{};
  static_assert(sizeof(RECT) >= sizeof(HTREEITEM));
  std::memcpy(&r, &FItemId, sizeof FItemId);
  if (!SendMessageA(w, TVM_GETITEMRECT, textOnly ? TRUE : FALSE, reinterpret_cast<LPARAM>(&r))) return TRect();
  return TRect(r.left, r.top, r.right, r.bottom);
}

bool TTreeNode::AlphaSort(bool recurse) {
  return CustomSort(nullptr, 0, recurse);
}

bool TTreeNode::CustomSort(const TTVCompare& compare, LPARAM data, bool recurse) {
  TCustomTreeView* tv = GetTreeView();
  tv->SortLevel(FChildren, this, compare ? compare : tv->DefaultCompare(), data, recurse);
  return true;
}

// ---------------------------------------------------------------- TTreeNodes

TTreeNodes::TTreeNodes(TCustomTreeView* AOwner) : FOwner(AOwner) {}

TTreeNodes::~TTreeNodes() {
  while (!FRoots.empty()) FreeNode(FRoots.back(), false);
}

int TTreeNodes::GetCount() const {
  int n = 0;
  ForEachNode(FRoots, [&](TTreeNode*) { n++; });
  return n;
}

TTreeNode* TTreeNodes::GetItem(int index) const {
  TTreeNode* node = GetFirstNode();
  for (int i = 0; node && i < index; i++) node = node->GetNext();
  if (index < 0 || !node) throw EListError("List index out of bounds (%d)", {index});
  return node;
}

TTreeNode* TTreeNodes::AddNode(TTreeNode* parent, int position, const std::string& s, void* data) {
  auto* node = new TTreeNode(this);
  node->FParent = parent;
  node->FText = s;
  node->FData = data;
  auto& sibs = parent ? parent->FChildren : FRoots;
  position = std::clamp(position, 0, static_cast<int>(sibs.size()));
  sibs.insert(sibs.begin() + position, node);
  // A parent told it had no children has one now.
  if (parent && parent->FHasChildren == 0) {
    parent->FHasChildren = 1;
    parent->UpdateItem(TVIF_CHILDREN);
  }
  InsertItem(node);
  return node;
}

TTreeNode* TTreeNodes::AddObject(TTreeNode* sibling, const std::string& s, void* data) {
  TTreeNode* parent = sibling ? sibling->FParent : nullptr;
  return AddNode(parent, static_cast<int>((parent ? parent->FChildren : FRoots).size()), s, data);
}

TTreeNode* TTreeNodes::AddObjectFirst(TTreeNode* sibling, const std::string& s, void* data) {
  return AddNode(sibling ? sibling->FParent : nullptr, 0, s, data);
}

TTreeNode* TTreeNodes::AddChildObject(TTreeNode* parent, const std::string& s, void* data) {
  return AddNode(parent, static_cast<int>((parent ? parent->FChildren : FRoots).size()), s, data);
}

TTreeNode* TTreeNodes::AddChildObjectFirst(TTreeNode* parent, const std::string& s, void* data) {
  return AddNode(parent, 0, s, data);
}

TTreeNode* TTreeNodes::InsertObject(TTreeNode* sibling, const std::string& s, void* data) {
  if (!sibling) return AddObject(nullptr, s, data);
  return AddNode(sibling->FParent, sibling->GetIndex(), s, data);
}

void TTreeNodes::InsertItem(TTreeNode* node) {
  if (!FOwner->HandleAllocated()) return;
  HWND h = FOwner->GetHandle();
  const auto& sibs = SiblingsOf(node);
  int index = node->GetIndex();
  TVINSERTSTRUCTA ins{};
  ins.hParent = node->FParent ? node->FParent->FItemId : TVI_ROOT;
  ins.hInsertAfter = index == 0 ? TVI_FIRST : sibs[static_cast<size_t>(index) - 1]->FItemId;
  TVITEMA& item = ins.item;
  item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_STATE |
              (node->FHasChildren >= 0 ? TVIF_CHILDREN : 0);
  item.pszText = const_cast<char*>(node->FText.c_str());
  item.iImage = I_IMAGECALLBACK;
  item.iSelectedImage = I_IMAGECALLBACK;
  item.lParam = reinterpret_cast<LPARAM>(node);
  item.cChildren = node->FHasChildren > 0 ? 1 : 0;
  item.state =
      (node->FState & TVIS_CUT) | vcl::comctrls::OverlayBits(node->FOverlayIndex) | StateImageBits(node->FStateIndex);
  item.stateMask = TVIS_CUT | TVIS_OVERLAYMASK | TVIS_STATEIMAGEMASK;
  node->FItemId = reinterpret_cast<HTREEITEM>(SendMessageA(h, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&ins)));
  for (TTreeNode* kid : node->FChildren) InsertItem(kid);
  // States the window keeps by its own rules come back through them.
  UINT state = node->FState;
  LPARAM id = reinterpret_cast<LPARAM>(node->FItemId);
  if (state & TVIS_EXPANDED) SendMessageA(h, TVM_EXPAND, TVE_EXPAND, id);
  if (state & TVIS_SELECTED) SendMessageA(h, TVM_SELECTITEM, TVGN_CARET, id);
  if (state & TVIS_DROPHILITED) SendMessageA(h, TVM_SELECTITEM, TVGN_DROPHILITE, id);
}

void TTreeNodes::FreeNode(TTreeNode* node, bool notify) {
  while (!node->FChildren.empty()) FreeNode(node->FChildren.back(), notify);
  if (notify) FOwner->Delete(node);
  std::erase(SiblingsOf(node), node);
  delete node;
}

void TTreeNodes::Clear() {
  BeginUpdate();
  while (!FRoots.empty()) FRoots.back()->Delete();
  EndUpdate();
}

void TTreeNodes::BeginUpdate() {
  if (FUpdateCount++ == 0 && FOwner->HandleAllocated()) SendMessageA(FOwner->GetHandle(), WM_SETREDRAW, FALSE, 0);
}

void TTreeNodes::EndUpdate() {
  if (FUpdateCount == 0 || --FUpdateCount > 0 || !FOwner->HandleAllocated()) return;
  SendMessageA(FOwner->GetHandle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(FOwner->GetHandle(), nullptr, TRUE);
}

// ---------------------------------------------------------------- TCustomTreeView

TCustomTreeView::TCustomTreeView(TComponent* AOwner)
    : TWinControl(AOwner),
      FTreeNodes(std::make_unique<TTreeNodes>(this)),
      FCanvas(std::make_unique<TCanvas>()),
      FImageChangeLink(std::make_unique<TChangeLink>()),
      FStateChangeLink(std::make_unique<TChangeLink>()) {
  FWidth = 121;
  FHeight = 97;
  FTabStop = true;
  FParentColor = false;
  FColor = clWindow;
  FBrush->SetColor(FColor);
  // The window tracks the mouse itself.
  FControlStyle.Exclude(csCaptureMouse);
  FImageChangeLink->OnChange = [this](TObject* sender) { ImageListChange(sender); };
  FStateChangeLink->OnChange = [this](TObject* sender) { ImageListChange(sender); };
}

TCustomTreeView::~TCustomTreeView() {
  FQuiet++;
  DestroyHandle();
  FTreeNodes.reset();
}

void TCustomTreeView::Publish(TPublisher<TCustomTreeView>& p) {
  p.Prop("HideSelection", &TCustomTreeView::GetHideSelection, &TCustomTreeView::SetHideSelection).Default(true);
  p.Prop("Images", &TCustomTreeView::GetImages, &TCustomTreeView::SetImages);
  p.Prop("Indent", &TCustomTreeView::GetIndent, &TCustomTreeView::SetIndent).Default(19);
  p.Prop("ReadOnly", &TCustomTreeView::GetReadOnly, &TCustomTreeView::SetReadOnly).Default(false);
  p.Prop("ShowButtons", &TCustomTreeView::GetShowButtons, &TCustomTreeView::SetShowButtons).Default(true);
  p.Prop("ShowLines", &TCustomTreeView::GetShowLines, &TCustomTreeView::SetShowLines).Default(true);
  p.Prop("ShowRoot", &TCustomTreeView::GetShowRoot, &TCustomTreeView::SetShowRoot).Default(true);
  p.Prop("StateImages", &TCustomTreeView::GetStateImages, &TCustomTreeView::SetStateImages);
  p.Prop("OnChange", &TCustomTreeView::OnChange);
  p.Prop("OnChanging", &TCustomTreeView::OnChanging);
  p.Prop("OnCollapsed", &TCustomTreeView::OnCollapsed);
  p.Prop("OnCollapsing", &TCustomTreeView::OnCollapsing);
  p.Prop("OnCompare", &TCustomTreeView::OnCompare);
  p.Prop("OnCustomDraw", &TCustomTreeView::OnCustomDraw);
  p.Prop("OnCustomDrawItem", &TCustomTreeView::OnCustomDrawItem);
  p.Prop("OnDeletion", &TCustomTreeView::OnDeletion);
  p.Prop("OnEdited", &TCustomTreeView::OnEdited);
  p.Prop("OnEditing", &TCustomTreeView::OnEditing);
  p.Prop("OnExpanded", &TCustomTreeView::OnExpanded);
  p.Prop("OnExpanding", &TCustomTreeView::OnExpanding);
  p.Prop("OnGetImageIndex", &TCustomTreeView::OnGetImageIndex);
  p.Prop("OnGetSelectedIndex", &TCustomTreeView::OnGetSelectedIndex);
  p.Default("TabStop", true);
}

void TCustomTreeView::Messages(TMessageMap<TCustomTreeView>& m) {
  m.On(CN_NOTIFY, &TCustomTreeView::CNNotify);
  m.On(WM_DESTROY, &TCustomTreeView::WMDestroy);
}

void TCustomTreeView::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  // The view may be the first common control of the program: its window
  // class must exist before the subclass takes its procedure.
  InitCommonControls();
  CreateSubClass(params, WC_TREEVIEWA);
  params.Style |= (FShowButtons ? TVS_HASBUTTONS : 0) | (FShowLines ? TVS_HASLINES : 0) |
                  (FShowRoot ? TVS_LINESATROOT : 0) | (FReadOnly ? 0 : TVS_EDITLABELS) |
                  (FHideSelection ? 0 : TVS_SHOWSELALWAYS) | (GetDragMode() == dmAutomatic ? 0 : TVS_DISABLEDRAGDROP);
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomTreeView::CreateWnd() {
  inherited::CreateWnd();
  FQuiet++;
  HWND h = FHandle;
  if (FImages) SendMessageA(h, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(FImages->GetHandle()));
  if (FStateImages) SendMessageA(h, TVM_SETIMAGELIST, TVSIL_STATE, reinterpret_cast<LPARAM>(FStateImages->GetHandle()));
  SendMessageA(h, TVM_SETINDENT, static_cast<WPARAM>(FIndent), 0);
  for (TTreeNode* node : FTreeNodes->FRoots) FTreeNodes->InsertItem(node);
  FQuiet--;
}

void TCustomTreeView::PaintWindow(HDC dc) {
  TMessage m{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  DefaultHandler(m);
}

void TCustomTreeView::WMDestroy(TMessage& m) {
  // The nodes outlive the window: remember what only the window knew.
  ForEachNode(FTreeNodes->FRoots, [this](TTreeNode* node) {
    if (node->FItemId)
      node->FState =
          static_cast<UINT>(SendMessageA(FHandle, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(node->FItemId), 0xFFFF));
  });
  FQuiet++;
  InheritedMessage(m);
  FQuiet--;
  ForEachNode(FTreeNodes->FRoots, [](TTreeNode* node) { node->FItemId = nullptr; });
}

void TCustomTreeView::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation != opRemove) return;
  // The list is going: forget it without calling into it.
  if (component == FImages) {
    FImages = nullptr;
    if (FHandle) SendMessageA(FHandle, TVM_SETIMAGELIST, TVSIL_NORMAL, 0);
  }
  if (component == FStateImages) {
    FStateImages = nullptr;
    if (FHandle) SendMessageA(FHandle, TVM_SETIMAGELIST, TVSIL_STATE, 0);
  }
}

void TCustomTreeView::SetImageList(TCustomImageList*& slot, TCustomImageList* value, WPARAM which) {
  if (slot == value) return;
  TChangeLink* link = which == TVSIL_STATE ? FStateChangeLink.get() : FImageChangeLink.get();
  if (slot) {
    slot->UnRegisterChanges(link);
    slot->RemoveFreeNotification(this);
  }
  slot = value;
  if (slot) {
    slot->RegisterChanges(link);
    slot->FreeNotification(this);
  }
  if (FHandle)
    SendMessageA(FHandle, TVM_SETIMAGELIST, which, reinterpret_cast<LPARAM>(slot ? slot->GetHandle() : nullptr));
}

void TCustomTreeView::SetImages(TCustomImageList* value) {
  SetImageList(FImages, value, TVSIL_NORMAL);
}

void TCustomTreeView::SetStateImages(TCustomImageList* value) {
  SetImageList(FStateImages, value, TVSIL_STATE);
}

void TCustomTreeView::ImageListChange(TObject* sender) {
  if (!FHandle) return;
  // The list may have taken another handle.
  if (sender == FImages)
    SendMessageA(FHandle, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(FImages->GetHandle()));
  if (sender == FStateImages)
    SendMessageA(FHandle, TVM_SETIMAGELIST, TVSIL_STATE, reinterpret_cast<LPARAM>(FStateImages->GetHandle()));
  InvalidateRect(FHandle, nullptr, TRUE);
}

void TCustomTreeView::SetStyleBit(DWORD bit, bool on) {
  if (!FHandle) return;
  auto style = static_cast<DWORD>(GetWindowLongA(FHandle, GWL_STYLE));
  DWORD wanted = on ? style | bit : style & ~bit;
  if (wanted != style) SetWindowLongA(FHandle, GWL_STYLE, static_cast<LONG>(wanted));
  InvalidateRect(FHandle, nullptr, TRUE);
}

void TCustomTreeView::SetShowButtons(bool value) {
  if (value == FShowButtons) return;
  FShowButtons = value;
  SetStyleBit(TVS_HASBUTTONS, value);
}

void TCustomTreeView::SetShowLines(bool value) {
  if (value == FShowLines) return;
  FShowLines = value;
  SetStyleBit(TVS_HASLINES, value);
}

void TCustomTreeView::SetShowRoot(bool value) {
  if (value == FShowRoot) return;
  FShowRoot = value;
  SetStyleBit(TVS_LINESATROOT, value);
}

void TCustomTreeView::SetReadOnly(bool value) {
  if (value == FReadOnly) return;
  FReadOnly = value;
  SetStyleBit(TVS_EDITLABELS, !value);
}

void TCustomTreeView::SetHideSelection(bool value) {
  if (value == FHideSelection) return;
  FHideSelection = value;
  SetStyleBit(TVS_SHOWSELALWAYS, !value);
}

void TCustomTreeView::SetIndent(int value) {
  if (value == FIndent) return;
  FIndent = value;
  if (FHandle) SendMessageA(FHandle, TVM_SETINDENT, static_cast<WPARAM>(value), 0);
}

TTreeNode* TCustomTreeView::NodeFromItem(HTREEITEM item) const {
  if (!item || !FHandle) return nullptr;
  TVITEMA it{};
  it.mask = TVIF_HANDLE | TVIF_PARAM;
  it.hItem = item;
  if (!SendMessageA(FHandle, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&it))) return nullptr;
  return reinterpret_cast<TTreeNode*>(it.lParam);
}

TTreeNode* TCustomTreeView::GetSelected() const {
  if (FHandle) return NodeFromItem(reinterpret_cast<HTREEITEM>(SendMessageA(FHandle, TVM_GETNEXTITEM, TVGN_CARET, 0)));
  TTreeNode* found = nullptr;
  ForEachNode(FTreeNodes->FRoots, [&](TTreeNode* n) {
    if (!found && (n->FState & TVIS_SELECTED)) found = n;
  });
  return found;
}

void TCustomTreeView::SetSelected(TTreeNode* value) {
  if (value) {
    value->SetSelected(true);
  } else if (TTreeNode* current = GetSelected()) {
    current->SetSelected(false);
  }
}

TTreeNode* TCustomTreeView::GetDropTarget() const {
  if (FHandle)
    return NodeFromItem(reinterpret_cast<HTREEITEM>(SendMessageA(FHandle, TVM_GETNEXTITEM, TVGN_DROPHILITE, 0)));
  TTreeNode* found = nullptr;
  ForEachNode(FTreeNodes->FRoots, [&](TTreeNode* n) {
    if (!found && (n->FState & TVIS_DROPHILITED)) found = n;
  });
  return found;
}

void TCustomTreeView::SetDropTarget(TTreeNode* value) {
  if (value) {
    value->SetDropTarget(true);
  } else if (TTreeNode* current = GetDropTarget()) {
    current->SetDropTarget(false);
  }
}

bool TCustomTreeView::IsEditing() const {
  return FHandle && SendMessageA(FHandle, TVM_GETEDITCONTROL, 0, 0) != 0;
}

TTreeNode* TCustomTreeView::GetNodeAt(int x, int y) {
  if (!HandleAllocated()) return nullptr;
  TVHITTESTINFO hit{};
  hit.pt = POINT{x, y};
  SendMessageA(FHandle, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  return NodeFromItem(hit.hItem);
}

void TCustomTreeView::FullExpand() {
  for (TTreeNode* node : std::vector<TTreeNode*>(FTreeNodes->FRoots)) node->Expand(true);
}

void TCustomTreeView::FullCollapse() {
  for (TTreeNode* node : std::vector<TTreeNode*>(FTreeNodes->FRoots)) node->Collapse(true);
}

TTVCompare TCustomTreeView::DefaultCompare() {
  return [this](TTreeNode* a, TTreeNode* b, LPARAM data) {
    if (OnCompare) {
      int compare = 0;
      OnCompare(this, a, b, data, compare);
      return compare;
    }
    return vcl::comctrls::CompareLabels(a->GetText(), b->GetText());
  };
}

bool TCustomTreeView::AlphaSort() {
  return CustomSort(nullptr, 0);
}

bool TCustomTreeView::CustomSort(const TTVCompare& compare, LPARAM data) {
  SortLevel(FTreeNodes->FRoots, nullptr, compare ? compare : DefaultCompare(), data, true);
  return true;
}

void TCustomTreeView::SortLevel(std::vector<TTreeNode*>& nodes, TTreeNode* parent, const TTVCompare& compare,
                                LPARAM data, bool recurse) {
  std::stable_sort(nodes.begin(), nodes.end(), [&](TTreeNode* a, TTreeNode* b) { return compare(a, b, data) < 0; });
  if (FHandle && (!parent || parent->FItemId)) {
    TVSORTCB sort{parent ? parent->FItemId : TVI_ROOT, &vcl::comctrls::ByModelPosition<TTreeNode>, 0};
    SendMessageA(FHandle, TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(&sort));
  }
  if (recurse)
    for (TTreeNode* node : nodes) SortLevel(node->FChildren, node, compare, data, true);
}

// ---- notifications

void TCustomTreeView::CNNotify(TMessage& m) {
  auto* hdr = reinterpret_cast<NMHDR*>(m.LParam);
  auto* tv = reinterpret_cast<NMTREEVIEWA*>(m.LParam);
  auto* di = reinterpret_cast<NMTVDISPINFOA*>(m.LParam);
  m.Result = 0;
  switch (hdr->code) {
    case NM_CUSTOMDRAW: {
      auto* cd = reinterpret_cast<NMTVCUSTOMDRAW*>(m.LParam);
      m.Result = AnswerCustomDraw(&cd->nmcd, &cd->clrText, &cd->clrTextBk, DrawnItem(cd->nmcd));
      return;
    }
    case TVN_GETDISPINFOA: {
      auto* node = reinterpret_cast<TTreeNode*>(di->item.lParam);
      if (!node) return;
      if (di->item.mask & TVIF_IMAGE) {
        GetImageIndex(node);
        di->item.iImage = node->FImageIndex;
      }
      if (di->item.mask & TVIF_SELECTEDIMAGE) {
        GetSelectedIndex(node);
        di->item.iSelectedImage = node->FSelectedIndex;
      }
      return;
    }
    case TVN_SELCHANGINGA:
      if (!FQuiet) m.Result = CanChange(reinterpret_cast<TTreeNode*>(tv->itemNew.lParam)) ? 0 : 1;
      return;
    case TVN_SELCHANGEDA:
      if (!FQuiet) Change(reinterpret_cast<TTreeNode*>(tv->itemNew.lParam));
      return;
    case TVN_ITEMEXPANDINGA: {
      auto* node = reinterpret_cast<TTreeNode*>(tv->itemNew.lParam);
      if (FQuiet || !node) return;
      if (tv->action == TVE_EXPAND) m.Result = CanExpand(node) ? 0 : 1;
      if (tv->action == TVE_COLLAPSE) m.Result = CanCollapse(node) ? 0 : 1;
      return;
    }
    case TVN_ITEMEXPANDEDA: {
      auto* node = reinterpret_cast<TTreeNode*>(tv->itemNew.lParam);
      if (FQuiet || !node) return;
      if (tv->action == TVE_EXPAND) Expand(node);
      if (tv->action == TVE_COLLAPSE) Collapse(node);
      return;
    }
    case TVN_DELETEITEMA: {
      auto* node = reinterpret_cast<TTreeNode*>(tv->itemOld.lParam);
      if (FQuiet || !node) return;
      node->FItemId = nullptr;
      FTreeNodes->FreeNode(node, true);
      return;
    }
    case TVN_BEGINLABELEDITA: {
      TTreeNode* node = NodeFromItem(di->item.hItem);
      m.Result = node && CanEdit(node) ? 0 : 1;
      return;
    }
    case TVN_ENDLABELEDITA:
      // The new text goes in through Edit; the window keeps the node's.
      if (di->item.pszText) Edit(di->item);
      return;
    default: InheritedMessage(m); return;
  }
}

TTreeNode* TCustomTreeView::DrawnItem(const NMCUSTOMDRAW& nmcd) const {
  if (auto* node = reinterpret_cast<TTreeNode*>(nmcd.lItemlParam)) return node;
  return NodeFromItem(reinterpret_cast<HTREEITEM>(nmcd.dwItemSpec));
}

// ---- the virtual hooks

bool TCustomTreeView::CanChange(TTreeNode* node) {
  return vcl::comctrls::AskEvent(OnChanging, this, node);
}

void TCustomTreeView::Change(TTreeNode* node) {
  if (OnChange) OnChange(this, node);
}

bool TCustomTreeView::CanExpand(TTreeNode* node) {
  return vcl::comctrls::AskEvent(OnExpanding, this, node);
}

void TCustomTreeView::Expand(TTreeNode* node) {
  if (OnExpanded) OnExpanded(this, node);
}

bool TCustomTreeView::CanCollapse(TTreeNode* node) {
  return vcl::comctrls::AskEvent(OnCollapsing, this, node);
}

void TCustomTreeView::Collapse(TTreeNode* node) {
  if (OnCollapsed) OnCollapsed(this, node);
}

bool TCustomTreeView::CanEdit(TTreeNode* node) {
  return !FReadOnly && vcl::comctrls::AskEvent(OnEditing, this, node);
}

void TCustomTreeView::Edit(const TVITEMA& item) {
  EndLabelEdit(NodeFromItem(item.hItem), item.pszText, &TTreeNode::SetText);
}

void TCustomTreeView::Delete(TTreeNode* node) {
  if (OnDeletion) OnDeletion(this, node);
}

void TCustomTreeView::GetImageIndex(TTreeNode* node) {
  if (OnGetImageIndex) OnGetImageIndex(this, node);
}

void TCustomTreeView::GetSelectedIndex(TTreeNode* node) {
  if (OnGetSelectedIndex) OnGetSelectedIndex(this, node);
}
