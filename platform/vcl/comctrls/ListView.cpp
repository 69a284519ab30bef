#include "platform/vcl/comctrls/ListView.h"

#include <algorithm>

#include "platform/vcl/SysUtils.h"
#include "platform/vcl/classes/components/WeakRef.h"
#include "platform/vcl/rtl/StringUtils.h"
#include "platform/win/commctrl.h"
#include "platform/win/windows.h"

namespace {

int ColumnFormat(TAlignment alignment) {
  return alignment == taRightJustify ? LVCFMT_RIGHT : alignment == taCenter ? LVCFMT_CENTER : LVCFMT_LEFT;
}

}  // namespace

// ---------------------------------------------------------------- TListColumn

TListColumn::TListColumn(TCollection* Collection) : TCollectionItem(Collection) {
  // The collection heard of the item before it was a column: the window
  // gets it now.
  Changed(false);
}

void TListColumn::Publish(TPublisher<TListColumn>& p) {
  p.Prop("Alignment", &TListColumn::GetAlignment, &TListColumn::SetAlignment).Default(taLeftJustify);
  p.Prop("Caption", &TListColumn::GetCaption, &TListColumn::SetCaption);
  p.Prop("Width", &TListColumn::GetWidth, &TListColumn::SetWidth).Default(50);
}

TCustomListView* TListColumn::ListView() const {
  auto* columns = dynamic_cast<TListColumns*>(GetCollection());
  return columns ? columns->GetOwnerView() : nullptr;
}

void TListColumn::SetCaption(const std::string& value) {
  if (value == FCaption) return;
  FCaption = value;
  Changed(false);
}

// The window knows a column's width only in report view: in list view its
// column width is the width of the list's cells, whatever the column.
bool TListColumn::WindowHoldsWidth() const {
  TCustomListView* lv = ListView();
  return lv && lv->HandleAllocated() && !lv->FQuiet && lv->FViewStyle == vsReport;
}

int TListColumn::GetWidth() const {
  if (WindowHoldsWidth())
    return static_cast<int>(
        SendMessageA(ListView()->GetHandle(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(GetIndex()), 0));
  return FWidth;
}

void TListColumn::SetWidth(int value) {
  if (value == GetWidth()) return;
  FWidth = value;
  if (WindowHoldsWidth()) {
    SendMessageA(ListView()->GetHandle(), LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(GetIndex()), value);
    return;
  }
  Changed(false);
}

void TListColumn::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  Changed(false);
}

void TListColumn::Assign(TPersistent* source) {
  if (auto* other = dynamic_cast<TListColumn*>(source)) {
    FCaption = other->FCaption;
    FWidth = other->GetWidth();
    FAlignment = other->FAlignment;
    Changed(false);
    return;
  }
  inherited::Assign(source);
}

TListColumns::TListColumns(TCustomListView* AOwner) : TCollection(TListColumn::StaticClass(), AOwner), FView(AOwner) {}

void TListColumns::Update(TCollectionItem* item) {
  if (item)
    FView->UpdateColumn(item->GetIndex());
  else
    FView->UpdateColumns();
}

// ---------------------------------------------------------------- TIconOptions

void TIconOptions::Publish(TPublisher<TIconOptions>& p) {
  p.Prop("Arrangement", &TIconOptions::GetArrangement, &TIconOptions::SetArrangement).Default(iaTop);
  p.Prop("AutoArrange", &TIconOptions::GetAutoArrange, &TIconOptions::SetAutoArrange).Default(false);
  p.Prop("WrapText", &TIconOptions::GetWrapText, &TIconOptions::SetWrapText).Default(true);
}

void TIconOptions::SetArrangement(TIconArrangement value) {
  if (value == FArrangement) return;
  FArrangement = value;
  FOwner->UpdateStyle();
}

void TIconOptions::SetAutoArrange(bool value) {
  if (value == FAutoArrange) return;
  FAutoArrange = value;
  FOwner->UpdateStyle();
}

void TIconOptions::SetWrapText(bool value) {
  if (value == FWrapText) return;
  FWrapText = value;
  FOwner->UpdateStyle();
}

void TIconOptions::Assign(TPersistent* source) {
  if (auto* other = dynamic_cast<TIconOptions*>(source)) {
    SetArrangement(other->FArrangement);
    SetAutoArrange(other->FAutoArrange);
    SetWrapText(other->FWrapText);
    return;
  }
  inherited::Assign(source);
}

// ---------------------------------------------------------------- TListItem

TListItem::TListItem(TListItems* AOwner) : FOwner(AOwner), FSubItems(std::make_unique<TStringList>()) {
  FSubItems->SetOnChange([this](TObject*) { SubItemsChanged(); });
}

TListItem::~TListItem() = default;

TCustomListView* TListItem::GetListView() const {
  return FOwner->GetOwner();
}

int TListItem::GetIndex() const {
  return FOwner->IndexOf(this);
}

HWND TListItem::Window() const {
  TCustomListView* lv = GetListView();
  return FInWindow && lv->HandleAllocated() ? lv->GetHandle() : nullptr;
}

void TListItem::SetCaption(const std::string& value) {
  if (value == FCaption) return;
  std::string old = FCaption;
  FCaption = value;
  HWND w = Window();
  if (!w) return;
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = GetIndex();
  item.pszText = const_cast<char*>(value.c_str());
  // The window may refuse the change (OnChanging); OnChange sees the new one.
  if (!SendMessageA(w, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item))) FCaption = old;
}

void TListItem::SubItemsChanged() {
  HWND w = Window();
  if (!w) return;
  int columns = std::max(FSubItems->GetCount(), GetListView()->GetColumns()->GetCount() - 1);
  for (int k = 1; k <= columns; k++) {
    std::string text = k <= FSubItems->GetCount() ? FSubItems->GetStrings(k - 1) : std::string();
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = GetIndex();
    item.iSubItem = k;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(w, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
}

void TListItem::SetImageIndex(int value) {
  if (value == FImageIndex) return;
  FImageIndex = value;
  Update();
}

void TListItem::SetOverlayIndex(int value) {
  if (value == FOverlayIndex) return;
  FOverlayIndex = value;
  HWND w = Window();
  if (!w) return;
  LVITEMA item{};
  item.state = vcl::comctrls::OverlayBits(value);
  item.stateMask = LVIS_OVERLAYMASK;
  SendMessageA(w, LVM_SETITEMSTATE, static_cast<WPARAM>(GetIndex()), reinterpret_cast<LPARAM>(&item));
  Update();
}

bool TListItem::GetState(UINT bit) const {
  HWND w = Window();
  if (!w) return (FState & bit) != 0;
  return SendMessageA(w, LVM_GETITEMSTATE, static_cast<WPARAM>(GetIndex()), bit) != 0;
}

void TListItem::SetState(UINT bit, bool value) {
  if (GetState(bit) == value) return;
  HWND w = Window();
  if (!w) {
    FState = value ? FState | bit : FState & ~bit;
    return;
  }
  LVITEMA item{};
  item.state = value ? bit : 0;
  item.stateMask = bit;
  SendMessageA(w, LVM_SETITEMSTATE, static_cast<WPARAM>(GetIndex()), reinterpret_cast<LPARAM>(&item));
}

TRect TListItem::DisplayRect(TDisplayCode code) const {
  HWND w = Window();
  if (!w) return TRect();
  static constexpr int kCodes[] = {LVIR_BOUNDS, LVIR_ICON, LVIR_LABEL, LVIR_SELECTBOUNDS};
  RECT r{};
  r.left = kCodes[code];
  if (!SendMessageA(w, LVM_GETITEMRECT, static_cast<WPARAM>(GetIndex()), reinterpret_cast<LPARAM>(&r))) return TRect();
  return TRect(r.left, r.top, r.right, r.bottom);
}

bool TListItem::EditCaption() {
  HWND w = Window();
  return w && SendMessageA(w, LVM_EDITLABELA, static_cast<WPARAM>(GetIndex()), 0) != 0;
}

void TListItem::CancelEdit() {
  if (HWND w = Window()) SendMessageA(w, LVM_EDITLABELA, static_cast<WPARAM>(-1), 0);
}

void TListItem::MakeVisible(bool partialOK) {
  if (HWND w = Window()) SendMessageA(w, LVM_ENSUREVISIBLE, static_cast<WPARAM>(GetIndex()), partialOK ? TRUE : FALSE);
}

void TListItem::Update() {
  if (HWND w = Window()) SendMessageA(w, LVM_UPDATE, static_cast<WPARAM>(GetIndex()), 0);
}

void TListItem::Delete() {
  HWND w = Window();
  // The window announces the removal; the announcement frees the item.
  if (w && GetListView()->FQuiet == 0)
    SendMessageA(w, LVM_DELETEITEM, static_cast<WPARAM>(GetIndex()), 0);
  else
    FOwner->FreeItem(this, true);
}

// ---------------------------------------------------------------- TListItems

TListItems::TListItems(TCustomListView* AOwner) : FOwner(AOwner) {}

TListItems::~TListItems() {
  while (!FItems.empty()) FreeItem(FItems.back(), false);
}

TListItem* TListItems::GetItem(int index) const {
  if (index < 0 || index >= GetCount()) throw EListError("List index out of bounds (%d)", {index});
  return FItems[static_cast<size_t>(index)];
}

int TListItems::IndexOf(const TListItem* item) const {
  auto it = std::find(FItems.begin(), FItems.end(), item);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

TListItem* TListItems::Insert(int index) {
  index = std::clamp(index, 0, GetCount());
  auto* item = new TListItem(this);
  FItems.insert(FItems.begin() + index, item);
  InsertInWindow(item, index);
  FOwner->InsertItem(item);
  return item;
}

void TListItems::InsertInWindow(TListItem* item, int index) {
  if (!FOwner->HandleAllocated()) return;
  HWND h = FOwner->GetHandle();
  LVITEMA in{};
  in.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE;
  in.iItem = index;
  in.pszText = const_cast<char*>(item->FCaption.c_str());
  in.iImage = I_IMAGECALLBACK;
  in.lParam = reinterpret_cast<LPARAM>(item);
  in.state = (item->FState & (LVIS_SELECTED | LVIS_FOCUSED | LVIS_CUT | LVIS_DROPHILITED)) |
             vcl::comctrls::OverlayBits(item->FOverlayIndex);
  in.stateMask = LVIS_SELECTED | LVIS_FOCUSED | LVIS_CUT | LVIS_DROPHILITED | LVIS_OVERLAYMASK;
  SendMessageA(h, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&in));
  item->FInWindow = true;
  if (item->FSubItems->GetCount() > 0) item->SubItemsChanged();
}

void TListItems::FreeItem(TListItem* item, bool notify) {
  item->FInWindow = false;
  if (notify) FOwner->Delete(item);
  std::erase(FItems, item);
  delete item;
}

void TListItems::Clear() {
  BeginUpdate();
  while (!FItems.empty()) {
    TListItem* last = FItems.back();
    const size_t count = FItems.size();
    last->Delete();
    // A parent being destroyed no longer reflects the removal notice, so the
    // item would stay: free it here rather than loop forever.
    if (FItems.size() == count && FItems.back() == last) FreeItem(last, true);
  }
  EndUpdate();
}

void TListItems::BeginUpdate() {
  if (FUpdateCount++ == 0 && FOwner->HandleAllocated()) SendMessageA(FOwner->GetHandle(), WM_SETREDRAW, FALSE, 0);
}

void TListItems::EndUpdate() {
  if (FUpdateCount == 0 || --FUpdateCount > 0 || !FOwner->HandleAllocated()) return;
  SendMessageA(FOwner->GetHandle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(FOwner->GetHandle(), nullptr, TRUE);
}

// ---------------------------------------------------------------- TCustomListView

TCustomListView::TCustomListView(TComponent* AOwner)
    : TWinControl(AOwner),
      FListItems(std::make_unique<TListItems>(this)),
      FColumns(std::make_unique<TListColumns>(this)),
      FIconOptions(std::make_unique<TIconOptions>(this)),
      FCanvas(std::make_unique<TCanvas>()),
      FLargeChangeLink(std::make_unique<TChangeLink>()),
      FSmallChangeLink(std::make_unique<TChangeLink>()),
      FStateChangeLink(std::make_unique<TChangeLink>()) {
  FWidth = 250;
  FHeight = 150;
  FTabStop = true;
  FParentColor = false;
  FColor = clWindow;
  FBrush->SetColor(FColor);
  // The window tracks the mouse itself.
  FControlStyle.Exclude(csCaptureMouse);
  for (TChangeLink* link : {FLargeChangeLink.get(), FSmallChangeLink.get(), FStateChangeLink.get()})
    link->OnChange = [this](TObject* sender) { ImageListChange(sender); };
}

TCustomListView::~TCustomListView() {
  FQuiet++;
  DestroyHandle();
  FListItems.reset();
}

void TCustomListView::Publish(TPublisher<TCustomListView>& p) {
  p.Prop("AllocBy", &TCustomListView::GetAllocBy, &TCustomListView::SetAllocBy).Default(0);
  p.Prop("ColumnClick", &TCustomListView::GetColumnClick, &TCustomListView::SetColumnClick).Default(true);
  p.Prop("Columns", &TCustomListView::GetColumns, &TCustomListView::SetColumns);
  p.Prop("GridLines", &TCustomListView::GetGridLines, &TCustomListView::SetGridLines).Default(false);
  p.Prop("HideSelection", &TCustomListView::GetHideSelection, &TCustomListView::SetHideSelection).Default(true);
  p.Prop("IconOptions", &TCustomListView::GetIconOptions, &TCustomListView::SetIconOptions);
  p.Prop("LargeImages", &TCustomListView::GetLargeImages, &TCustomListView::SetLargeImages);
  p.Prop("MultiSelect", &TCustomListView::GetMultiSelect, &TCustomListView::SetMultiSelect).Default(false);
  p.Prop("ReadOnly", &TCustomListView::GetReadOnly, &TCustomListView::SetReadOnly).Default(false);
  p.Prop("RowSelect", &TCustomListView::GetRowSelect, &TCustomListView::SetRowSelect).Default(false);
  p.Prop("ShowColumnHeaders", &TCustomListView::GetShowColumnHeaders, &TCustomListView::SetShowColumnHeaders)
      .Default(true);
  p.Prop("SmallImages", &TCustomListView::GetSmallImages, &TCustomListView::SetSmallImages);
  p.Prop("StateImages", &TCustomListView::GetStateImages, &TCustomListView::SetStateImages);
  p.Prop("ViewStyle", &TCustomListView::GetViewStyle, &TCustomListView::SetViewStyle).Default(vsIcon);
  p.Prop("OnChange", &TCustomListView::OnChange);
  p.Prop("OnChanging", &TCustomListView::OnChanging);
  p.Prop("OnColumnClick", &TCustomListView::OnColumnClick);
  p.Prop("OnCompare", &TCustomListView::OnCompare);
  p.Prop("OnCustomDraw", &TCustomListView::OnCustomDraw);
  p.Prop("OnCustomDrawItem", &TCustomListView::OnCustomDrawItem);
  p.Prop("OnDeletion", &TCustomListView::OnDeletion);
  p.Prop("OnEdited", &TCustomListView::OnEdited);
  p.Prop("OnEditing", &TCustomListView::OnEditing);
  p.Prop("OnGetImageIndex", &TCustomListView::OnGetImageIndex);
  p.Prop("OnInsert", &TCustomListView::OnInsert);
  p.Prop("OnSelectItem", &TCustomListView::OnSelectItem);
  p.Default("TabStop", true);
}

void TCustomListView::Messages(TMessageMap<TCustomListView>& m) {
  m.On(CN_NOTIFY, &TCustomListView::CNNotify);
  m.On(WM_DESTROY, &TCustomListView::WMDestroy);
}

namespace {

DWORD ViewStyleBits(TViewStyle style) {
  static constexpr DWORD kBits[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
  return kBits[style];
}

}  // namespace

void TCustomListView::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  // The view may be the first common control of the program: its window
  // class must exist before the subclass takes its procedure.
  InitCommonControls();
  CreateSubClass(params, WC_LISTVIEWA);
  // The image lists belong to their components, never to the window.
  params.Style |= LVS_SHAREIMAGELISTS | ViewStyleBits(FViewStyle) | (FReadOnly ? 0 : LVS_EDITLABELS) |
                  (FHideSelection ? 0 : LVS_SHOWSELALWAYS) | (FMultiSelect ? 0 : LVS_SINGLESEL) |
                  (FShowColumnHeaders ? 0 : LVS_NOCOLUMNHEADER) | (FColumnClick ? 0 : LVS_NOSORTHEADER) |
                  (FIconOptions->GetArrangement() == iaLeft ? LVS_ALIGNLEFT : LVS_ALIGNTOP) |
                  (FIconOptions->GetAutoArrange() ? LVS_AUTOARRANGE : 0) |
                  (FIconOptions->GetWrapText() ? 0 : LVS_NOLABELWRAP);
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListView::CreateWnd() {
  inherited::CreateWnd();
  FQuiet++;
  HWND h = FHandle;
  if (FLargeImages)
    SendMessageA(h, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(FLargeImages->GetHandle()));
  if (FSmallImages) SendMessageA(h, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(FSmallImages->GetHandle()));
  if (FStateImages) SendMessageA(h, LVM_SETIMAGELIST, LVSIL_STATE, reinterpret_cast<LPARAM>(FStateImages->GetHandle()));
  UpdateExStyle();
  FQuiet--;
  UpdateColumns();
  FQuiet++;
  if (FAllocBy > 0) SendMessageA(h, LVM_SETITEMCOUNT, static_cast<WPARAM>(FAllocBy), 0);
  for (int i = 0; i < FListItems->GetCount(); i++)
    FListItems->InsertInWindow(FListItems->FItems[static_cast<size_t>(i)], i);
  FQuiet--;
}

void TCustomListView::PaintWindow(HDC dc) {
  TMessage m{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  DefaultHandler(m);
}

void TCustomListView::WMDestroy(TMessage& m) {
  // The items outlive the window: remember what only the window knew.
  auto& items = FListItems->FItems;
  for (size_t i = 0; i < items.size(); i++) {
    if (!items[i]->FInWindow) continue;
    items[i]->FState = static_cast<UINT>(SendMessageA(FHandle, LVM_GETITEMSTATE, i, 0xFFFF));
  }
  KeepColumnWidths();
  FQuiet++;
  InheritedMessage(m);
  FQuiet--;
  for (TListItem* item : items) item->FInWindow = false;
}

void TCustomListView::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation != opRemove) return;
  // A list that is going: forget it without calling into it.
  struct Slot {
    TCustomImageList*& list;
    WPARAM which;
  };
  for (Slot slot : {Slot{FLargeImages, LVSIL_NORMAL}, Slot{FSmallImages, LVSIL_SMALL}, Slot{FStateImages, LVSIL_STATE}})
    if (component == slot.list) {
      slot.list = nullptr;
      if (FHandle) SendMessageA(FHandle, LVM_SETIMAGELIST, slot.which, 0);
    }
}

void TCustomListView::SetImageList(TCustomImageList*& slot, TCustomImageList* value, WPARAM which) {
  if (slot == value) return;
  TChangeLink* link = which == LVSIL_NORMAL  ? FLargeChangeLink.get()
                      : which == LVSIL_SMALL ? FSmallChangeLink.get()
                                             : FStateChangeLink.get();
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
    SendMessageA(FHandle, LVM_SETIMAGELIST, which, reinterpret_cast<LPARAM>(slot ? slot->GetHandle() : nullptr));
}

void TCustomListView::SetLargeImages(TCustomImageList* value) {
  SetImageList(FLargeImages, value, LVSIL_NORMAL);
}

void TCustomListView::SetSmallImages(TCustomImageList* value) {
  SetImageList(FSmallImages, value, LVSIL_SMALL);
}

void TCustomListView::SetStateImages(TCustomImageList* value) {
  SetImageList(FStateImages, value, LVSIL_STATE);
}

void TCustomListView::ImageListChange(TObject* sender) {
  if (!FHandle) return;
  // The list may have taken another handle.
  if (sender == FLargeImages)
    SendMessageA(FHandle, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(FLargeImages->GetHandle()));
  if (sender == FSmallImages)
    SendMessageA(FHandle, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(FSmallImages->GetHandle()));
  if (sender == FStateImages)
    SendMessageA(FHandle, LVM_SETIMAGELIST, LVSIL_STATE, reinterpret_cast<LPARAM>(FStateImages->GetHandle()));
  InvalidateRect(FHandle, nullptr, TRUE);
}

void TCustomListView::UpdateStyle() {
  if (!FHandle) return;
  TCreateParams params;
  CreateParams(params);
  constexpr DWORD kOwn = LVS_TYPEMASK | LVS_EDITLABELS | LVS_SHOWSELALWAYS | LVS_SINGLESEL | LVS_NOCOLUMNHEADER |
                         LVS_NOSORTHEADER | LVS_ALIGNMASK | LVS_AUTOARRANGE | LVS_NOLABELWRAP;
  auto style = static_cast<DWORD>(GetWindowLongA(FHandle, GWL_STYLE));
  DWORD wanted = (style & ~kOwn) | (params.Style & kOwn);
  if (wanted != style) SetWindowLongA(FHandle, GWL_STYLE, static_cast<LONG>(wanted));
}

void TCustomListView::UpdateExStyle() {
  if (!FHandle) return;
  DWORD ex = (FGridLines ? LVS_EX_GRIDLINES : 0) | (FRowSelect ? LVS_EX_FULLROWSELECT : 0);
  SendMessageA(FHandle, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT, ex);
}

void TCustomListView::UpdateColumns() {
  if (!FHandle || FQuiet) return;
  while (SendMessageA(FHandle, LVM_DELETECOLUMN, 0, 0)) {}
  for (int i = 0; i < FColumns->GetCount(); i++) {
    auto* column = dynamic_cast<TListColumn*>(FColumns->TCollection::GetItem(i));
    if (!column) continue;  // still being made
    LVCOLUMNA col{};
    col.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    col.fmt = ColumnFormat(column->FAlignment);
    col.cx = column->FWidth;
    col.pszText = const_cast<char*>(column->FCaption.c_str());
    col.iSubItem = i;
    SendMessageA(FHandle, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&col));
  }
}

void TCustomListView::KeepColumnWidths() {
  if (!FHandle || FViewStyle != vsReport) return;
  for (int i = 0; i < FColumns->GetCount(); i++)
    FColumns->GetItem(i)->FWidth =
        static_cast<int>(SendMessageA(FHandle, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(i), 0));
}

void TCustomListView::UpdateColumn(int index) {
  (void)index;
  // Columns are few: the window gets them all again.
  UpdateColumns();
}

void TCustomListView::SetViewStyle(TViewStyle value) {
  if (value == FViewStyle) return;
  // The widths the person gave the columns in report view stay theirs.
  KeepColumnWidths();
  FViewStyle = value;
  UpdateStyle();
}

void TCustomListView::SetAllocBy(int value) {
  if (value == FAllocBy) return;
  FAllocBy = value;
  if (FHandle && value > 0) SendMessageA(FHandle, LVM_SETITEMCOUNT, static_cast<WPARAM>(value), 0);
}

void TCustomListView::SetReadOnly(bool value) {
  if (value == FReadOnly) return;
  FReadOnly = value;
  UpdateStyle();
}

void TCustomListView::SetHideSelection(bool value) {
  if (value == FHideSelection) return;
  FHideSelection = value;
  UpdateStyle();
}

void TCustomListView::SetMultiSelect(bool value) {
  if (value == FMultiSelect) return;
  FMultiSelect = value;
  UpdateStyle();
}

void TCustomListView::SetShowColumnHeaders(bool value) {
  if (value == FShowColumnHeaders) return;
  FShowColumnHeaders = value;
  UpdateStyle();
}

void TCustomListView::SetColumnClick(bool value) {
  if (value == FColumnClick) return;
  FColumnClick = value;
  UpdateStyle();
}

void TCustomListView::SetRowSelect(bool value) {
  if (value == FRowSelect) return;
  FRowSelect = value;
  UpdateExStyle();
}

void TCustomListView::SetGridLines(bool value) {
  if (value == FGridLines) return;
  FGridLines = value;
  UpdateExStyle();
}

TListItem* TCustomListView::GetSelected() const {
  if (!FHandle) {
    for (TListItem* item : FListItems->FItems)
      if (item->FState & LVIS_SELECTED) return item;
    return nullptr;
  }
  auto i = static_cast<int>(SendMessageA(FHandle, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  return i >= 0 && i < FListItems->GetCount() ? FListItems->GetItem(i) : nullptr;
}

void TCustomListView::SetSelected(TListItem* value) {
  for (TListItem* item : std::vector<TListItem*>(FListItems->FItems))
    if (item != value) item->SetSelected(false);
  if (value) value->SetSelected(true);
}

TListItem* TCustomListView::GetItemFocused() const {
  if (!FHandle) {
    for (TListItem* item : FListItems->FItems)
      if (item->FState & LVIS_FOCUSED) return item;
    return nullptr;
  }
  auto i = static_cast<int>(SendMessageA(FHandle, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
  return i >= 0 && i < FListItems->GetCount() ? FListItems->GetItem(i) : nullptr;
}

void TCustomListView::SetItemFocused(TListItem* value) {
  if (value) {
    value->SetFocused(true);
  } else if (TListItem* current = GetItemFocused()) {
    current->SetFocused(false);
  }
}

int TCustomListView::GetSelCount() const {
  if (FHandle) return static_cast<int>(SendMessageA(FHandle, LVM_GETSELECTEDCOUNT, 0, 0));
  return static_cast<int>(std::count_if(FListItems->FItems.begin(), FListItems->FItems.end(),
                                        [](TListItem* item) { return (item->FState & LVIS_SELECTED) != 0; }));
}

TListItem* TCustomListView::GetItemAt(int x, int y) {
  if (!HandleAllocated()) return nullptr;
  LVHITTESTINFO hit{};
  hit.pt = POINT{x, y};
  auto i = static_cast<int>(SendMessageA(FHandle, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  return i >= 0 && i < FListItems->GetCount() && (hit.flags & LVHT_ONITEM) ? FListItems->GetItem(i) : nullptr;
}

bool TCustomListView::IsEditing() const {
  return FHandle && SendMessageA(FHandle, LVM_GETEDITCONTROL, 0, 0) != 0;
}

TLVCompare TCustomListView::DefaultCompare() {
  return [this](TListItem* a, TListItem* b, LPARAM data) {
    if (OnCompare) {
      int compare = 0;
      OnCompare(this, a, b, data, compare);
      return compare;
    }
    return vcl::comctrls::CompareLabels(a->GetCaption(), b->GetCaption());
  };
}

bool TCustomListView::AlphaSort() {
  return CustomSort(nullptr, 0);
}

bool TCustomListView::CustomSort(const TLVCompare& compare, LPARAM data) {
  TLVCompare by = compare ? compare : DefaultCompare();
  auto& items = FListItems->FItems;
  std::stable_sort(items.begin(), items.end(), [&](TListItem* a, TListItem* b) { return by(a, b, data) < 0; });
  if (FHandle)
    SendMessageA(FHandle, LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(&vcl::comctrls::ByModelPosition<TListItem>));
  return true;
}

// ---- notifications

void TCustomListView::CNNotify(TMessage& m) {
  auto* hdr = reinterpret_cast<NMHDR*>(m.LParam);
  auto* nm = reinterpret_cast<NMLISTVIEW*>(m.LParam);
  auto* di = reinterpret_cast<NMLVDISPINFOA*>(m.LParam);
  m.Result = 0;
  switch (hdr->code) {
    case NM_CUSTOMDRAW: {
      auto* cd = reinterpret_cast<NMLVCUSTOMDRAW*>(m.LParam);
      m.Result = AnswerCustomDraw(&cd->nmcd, &cd->clrText, &cd->clrTextBk, DrawnItem(cd->nmcd));
      return;
    }
    case LVN_GETDISPINFOA: {
      TListItem* item = ItemOf(di->item.lParam);
      if (!item) return;
      if (di->item.mask & LVIF_IMAGE) {
        GetImageIndex(item);
        di->item.iImage = item->FImageIndex;
      }
      return;
    }
    case LVN_ITEMCHANGING: {
      TListItem* item = ItemOf(nm->lParam);
      if (FQuiet || !item) return;
      TItemChange change = nm->uChanged & LVIF_TEXT ? ctText : nm->uChanged & LVIF_IMAGE ? ctImage : ctState;
      m.Result = CanChange(item, change) ? 0 : 1;
      return;
    }
    case LVN_ITEMCHANGED: {
      TListItem* item = ItemOf(nm->lParam);
      if (FQuiet || !item) return;
      // Each handler may free the view (and the item with it).
      TWeakRef<TCustomListView> self(this);
      if (nm->uChanged & LVIF_TEXT) Change(item, ctText);
      if (self && (nm->uChanged & LVIF_IMAGE)) Change(item, ctImage);
      if (self && (nm->uChanged & LVIF_STATE)) {
        Change(item, ctState);
        if (self && ((nm->uOldState ^ nm->uNewState) & LVIS_SELECTED))
          DoSelectItem(item, (nm->uNewState & LVIS_SELECTED) != 0);
      }
      return;
    }
    case LVN_DELETEITEM: {
      TListItem* item = ItemOf(nm->lParam);
      if (FQuiet || !item) return;
      FListItems->FreeItem(item, true);
      return;
    }
    case LVN_COLUMNCLICK:
      if (nm->iSubItem >= 0 && nm->iSubItem < FColumns->GetCount()) ColClick(FColumns->GetItem(nm->iSubItem));
      return;
    case LVN_BEGINLABELEDITA: {
      TListItem* item = ItemOf(di->item.lParam);
      m.Result = item && CanEdit(item) ? 0 : 1;
      return;
    }
    case LVN_ENDLABELEDITA:
      // The new text goes in through Edit, which sets the caption itself.
      if (di->item.pszText) Edit(di->item);
      return;
    default: InheritedMessage(m); return;
  }
}

TListItem* TCustomListView::DrawnItem(const NMCUSTOMDRAW& nmcd) const {
  if (TListItem* item = ItemOf(nmcd.lItemlParam)) return item;
  auto i = static_cast<int>(nmcd.dwItemSpec);
  return i >= 0 && i < FListItems->GetCount() ? FListItems->GetItem(i) : nullptr;
}

// ---- the virtual hooks

bool TCustomListView::CanChange(TListItem* item, TItemChange change) {
  return vcl::comctrls::AskEvent(OnChanging, this, item, change);
}

void TCustomListView::Change(TListItem* item, TItemChange change) {
  if (OnChange) OnChange(this, item, change);
}

void TCustomListView::DoSelectItem(TListItem* item, bool selected) {
  if (OnSelectItem) OnSelectItem(this, item, selected);
}

void TCustomListView::ColClick(TListColumn* column) {
  if (OnColumnClick) OnColumnClick(this, column);
}

bool TCustomListView::CanEdit(TListItem* item) {
  return !FReadOnly && vcl::comctrls::AskEvent(OnEditing, this, item);
}

void TCustomListView::Edit(const LVITEMA& item) {
  EndLabelEdit(ItemOf(item.lParam), item.pszText, &TListItem::SetCaption);
}

void TCustomListView::Delete(TListItem* item) {
  if (OnDeletion) OnDeletion(this, item);
}

void TCustomListView::InsertItem(TListItem* item) {
  if (OnInsert) OnInsert(this, item);
}

void TCustomListView::GetImageIndex(TListItem* item) {
  if (OnGetImageIndex) OnGetImageIndex(this, item);
}
