#include "platform/vcl/comctrls/PageControl.h"

#include <algorithm>

#include "platform/vcl/classes/components/WeakRef.h"
#include "platform/vcl/SysUtils.h"
#include "platform/win/commctrl.h"

// ---------------------------------------------------------------- TTabSheet

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner) {
  FAlign = alClient;
  FVisible = false;
  FControlStyle.Include(csAcceptsControls);
  FColor = clBtnFace;
  FBrush->SetColor(FColor);
  FParentColor = false;
}

TTabSheet::~TTabSheet() {
  if (FPageControl) FPageControl->RemovePage(this);
}

void TTabSheet::Publish(TPublisher<TTabSheet>& p) {
  p.Prop("PageIndex", &TTabSheet::GetPageIndex, &TTabSheet::SetPageIndex).Stored(false);
}

void TTabSheet::Messages(TMessageMap<TTabSheet>& m) {
  m.On(CM_TEXTCHANGED, &TTabSheet::CMTextChanged);
}

void TTabSheet::SetParent(TWinControl* AParent) {
  if (AParent == FParent) return;
  if (FPageControl) FPageControl->RemovePage(this);
  inherited::SetParent(AParent);
  if (auto* pc = dynamic_cast<TPageControl*>(AParent)) pc->InsertPage(this);
}

void TTabSheet::SetPageControl(TPageControl* value) {
  SetParent(value);
}

int TTabSheet::GetPageIndex() const {
  if (!FPageControl) return -1;
  const auto& pages = FPageControl->FPages;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int value) {
  if (FPageControl) FPageControl->MovePage(this, value);
}

void TTabSheet::CMTextChanged(TMessage& m) {
  InheritedMessage(m);
  if (FPageControl) FPageControl->UpdateTab(this);
}

// ---------------------------------------------------------------- TPageControl

TPageControl::TPageControl(TComponent* AOwner) : TCommonControl(AOwner) {
  FWidth = 289;
  FHeight = 193;
  FTabStop = true;
  FColor = clBtnFace;
  FBrush->SetColor(FColor);
  FParentColor = false;
  FControlStyle.Exclude(csSetCaption);
}

TPageControl::~TPageControl() {
  // The sheets go with their parent (the base class frees them) and must
  // not call back into this part of the object.
  for (TTabSheet* page : FPages) page->FPageControl = nullptr;
  FPages.clear();
  FActivePage = nullptr;
}

void TPageControl::Publish(TPublisher<TPageControl>& p) {
  p.Prop("ActivePage", &TPageControl::GetActivePage, &TPageControl::SetActivePage);
  p.Default("TabStop", true);
  p.Prop("OnChange", &TPageControl::OnChange);
  p.Prop("OnChanging", &TPageControl::OnChanging);
}

void TPageControl::Messages(TMessageMap<TPageControl>& m) {
  m.On(CN_NOTIFY, &TPageControl::CNNotify);
}

void TPageControl::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  CreateCommonControl(params, WC_TABCONTROLA);
  params.Style |= WS_CLIPCHILDREN;
}

void TPageControl::CreateWnd() {
  inherited::CreateWnd();
  UpdateTabs();
}

TTabSheet* TPageControl::GetPages(int index) const {
  if (index < 0 || index >= GetPageCount())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return FPages[static_cast<size_t>(index)];
}

int TPageControl::GetActivePageIndex() const {
  return FActivePage ? FActivePage->GetPageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int value) {
  SetActivePage(value >= 0 && value < GetPageCount() ? FPages[static_cast<size_t>(value)] : nullptr);
}

void TPageControl::SetActivePage(TTabSheet* value) {
  if (value == FActivePage) return;
  if (value && value->FPageControl != this) return;
  TTabSheet* old = FActivePage;
  FActivePage = value;
  if (value) {
    value->BringToFront();
    value->SetVisible(true);
  }
  if (old) old->SetVisible(false);
  SendToWindow(TCM_SETCURSEL, static_cast<WPARAM>(GetActivePageIndex()), 0);
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool goForward) const {
  int count = GetPageCount();
  if (count == 0) return nullptr;
  int i = current ? current->GetPageIndex() : -1;
  if (i < 0 || i >= count) return FPages[goForward ? 0 : static_cast<size_t>(count - 1)];
  i = goForward ? (i + 1) % count : (i + count - 1) % count;
  return FPages[static_cast<size_t>(i)];
}

void TPageControl::SelectNextPage(bool goForward) {
  TTabSheet* next = FindNextPage(FActivePage, goForward);
  if (!next || next == FActivePage) return;
  // OnChanging may free the control.
  TWeakRef<TPageControl> self(this);
  if (!CanChange() || !self) return;
  SetActivePage(next);
  Change();
}

void TPageControl::ShowControl(TControl* control) {
  if (auto* page = dynamic_cast<TTabSheet*>(control); page && page->FPageControl == this) SetActivePage(page);
  inherited::ShowControl(control);
}

void TPageControl::GetChildren(const TGetChildProc& proc, TComponent* root) {
  // The pages in tab order first, so that a form keeps the order of its tabs.
  for (TTabSheet* page : FPages)
    if (page->GetOwner() == root) proc(page);
  for (int i = 0; i < GetControlCount(); i++) {
    TControl* c = GetControls(i);
    if (c->GetOwner() == root && !dynamic_cast<TTabSheet*>(c)) proc(c);
  }
}

bool TPageControl::CanChange() {
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  return allow;
}

void TPageControl::Change() {
  if (OnChange) OnChange(this);
}

void TPageControl::InsertPage(TTabSheet* page) {
  page->FPageControl = this;
  FPages.push_back(page);
  if (HandleAllocated()) UpdateTabs();
}

void TPageControl::RemovePage(TTabSheet* page) {
  auto it = std::find(FPages.begin(), FPages.end(), page);
  if (it == FPages.end()) return;
  if (page == FActivePage) {
    // The page after it (or before, at the end) takes its place.
    TTabSheet* next = FPages.size() > 1 ? FindNextPage(page, true) : nullptr;
    SetActivePage(next == page ? nullptr : next);
  }
  FPages.erase(std::find(FPages.begin(), FPages.end(), page));
  page->FPageControl = nullptr;
  if (HandleAllocated() && !GetComponentState().Contains(csDestroying)) UpdateTabs();
}

void TPageControl::MovePage(TTabSheet* page, int index) {
  int from = page->GetPageIndex();
  index = std::clamp(index, 0, GetPageCount() - 1);
  if (from < 0 || from == index) return;
  FPages.erase(FPages.begin() + from);
  FPages.insert(FPages.begin() + index, page);
  if (HandleAllocated()) UpdateTabs();
}

void TPageControl::UpdateTabs() {
  if (!HandleAllocated()) return;
  SendToWindow(TCM_DELETEALLITEMS, 0, 0);
  for (size_t i = 0; i < FPages.size(); i++) {
    std::string text = FPages[i]->GetCaption();
    TCITEMA item{};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = text.data();
    item.lParam = reinterpret_cast<LPARAM>(FPages[i]);
    SendToWindow(TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
  }
  SendToWindow(TCM_SETCURSEL, static_cast<WPARAM>(GetActivePageIndex()), 0);
  // The tabs may take more or fewer rows: the pages follow.
  Realign();
}

void TPageControl::UpdateTab(TTabSheet* page) {
  if (!HandleAllocated()) return;
  std::string text = page->GetCaption();
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = text.data();
  SendToWindow(TCM_SETITEMA, static_cast<WPARAM>(page->GetPageIndex()), reinterpret_cast<LPARAM>(&item));
  Realign();
}

void TPageControl::AdjustClientRect(TRect& rect) {
  if (!HandleAllocated()) {
    // Until the window exists: a guess of one row of tabs and the frame.
    rect = TRect(rect.Left + 4, rect.Top + 24, rect.Right - 4, rect.Bottom - 4);
    return;
  }
  RECT r = rect;
  SendMessageA(FHandle, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  rect = TRect(r);
}

void TPageControl::CNNotify(TMessage& m) {
  auto* header = reinterpret_cast<NMHDR*>(m.LParam);
  switch (header->code) {
    case TCN_SELCHANGING: m.Result = CanChange() ? 0 : 1; return;
    case TCN_SELCHANGE: {
      int index = static_cast<int>(SendMessageA(FHandle, TCM_GETCURSEL, 0, 0));
      if (index >= 0 && index < GetPageCount()) {
        SetActivePage(FPages[static_cast<size_t>(index)]);
        Change();
      }
      return;
    }
    default: InheritedMessage(m);
  }
}
