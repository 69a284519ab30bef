#include "platform/vcl/comctrls/StatusBar.h"

#include <vector>

#include "platform/win/commctrl.h"

// ---------------------------------------------------------------- TStatusPanel

TStatusPanel::TStatusPanel(TCollection* Collection) : TCollectionItem(Collection) {
  if (auto* items = dynamic_cast<TControlItems*>(Collection)) items->ItemBuilt(this);
}

void TStatusPanel::Publish(TPublisher<TStatusPanel>& p) {
  p.Prop("Alignment", &TStatusPanel::GetAlignment, &TStatusPanel::SetAlignment).Default(taLeftJustify);
  p.Prop("Style", &TStatusPanel::GetStyle, &TStatusPanel::SetStyle).Default(psText);
  p.Prop("Text", &TStatusPanel::GetTextValue, &TStatusPanel::SetText);
  p.Prop("Width", &TStatusPanel::GetWidth, &TStatusPanel::SetWidth).NoDefault();
}

void TStatusPanel::SetText(const std::string& value) {
  if (value == FText) return;
  FText = value;
  Changed(false);
}

void TStatusPanel::SetWidth(int value) {
  if (value == FWidth) return;
  FWidth = value;
  // The edges of every later panel move too.
  Changed(true);
}

void TStatusPanel::SetStyle(TStatusPanelStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  Changed(false);
}

void TStatusPanel::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  Changed(false);
}

void TStatusPanel::Assign(TPersistent* source) {
  if (auto* other = dynamic_cast<TStatusPanel*>(source)) {
    FText = other->FText;
    FWidth = other->FWidth;
    FStyle = other->FStyle;
    FAlignment = other->FAlignment;
    Changed(true);
    return;
  }
  TCollectionItem::Assign(source);
}

std::string TStatusPanel::GetDisplayName() {
  return FText.empty() ? TCollectionItem::GetDisplayName() : FText;
}

// ---------------------------------------------------------------- TStatusPanels

TStatusPanels::TStatusPanels(TStatusBar* statusBar)
    : TControlItems(TStatusPanel::StaticClass(), statusBar), FStatusBar(statusBar) {}

void TStatusPanels::Update(TCollectionItem* item) {
  if (Ready()) FStatusBar->UpdatePanels(static_cast<TStatusPanel*>(item));
}

// ---------------------------------------------------------------- TStatusBar

TStatusBar::TStatusBar(TComponent* AOwner) : TCommonControl(AOwner), FPanels(std::make_unique<TStatusPanels>(this)) {
  FWidth = 150;
  FHeight = 19;
  FAlign = alBottom;
  FColor = clBtnFace;
  FBrush->SetColor(FColor);
  FParentColor = false;
  FControlStyle.Exclude(csSetCaption);
}

TStatusBar::~TStatusBar() {
  // The items going with this object tell no window of it.
  Destroying();
}

void TStatusBar::Publish(TPublisher<TStatusBar>& p) {
  p.Default("Align", alBottom);
  // The window's text is the first part's: the panels hold it.
  p.Prop("Caption", &TStatusBar::GetCaption, &TStatusBar::SetCaption).Stored(false);
  p.Prop("Panels", &TStatusBar::GetPanels, &TStatusBar::SetPanels);
  p.Prop("SimplePanel", &TStatusBar::GetSimplePanel, &TStatusBar::SetSimplePanel).Default(false);
  p.Prop("SimpleText", &TStatusBar::GetSimpleTextValue, &TStatusBar::SetSimpleText);
  p.Prop("SizeGrip", &TStatusBar::GetSizeGrip, &TStatusBar::SetSizeGrip).Default(true);
  p.Prop("OnDrawPanel", &TStatusBar::OnDrawPanel);
}

void TStatusBar::Messages(TMessageMap<TStatusBar>& m) {
  m.On(CN_DRAWITEM, &TStatusBar::CNDrawItem);
}

void TStatusBar::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  CreateCommonControl(params, STATUSCLASSNAMEA);
  // The library places the bar (Align), not the window manager.
  params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE;
  if (FSizeGrip) params.Style |= SBARS_SIZEGRIP;
}

void TStatusBar::CreateWnd() {
  inherited::CreateWnd();
  UpdatePanels(nullptr);
  UpdateSimple();
}

void TStatusBar::SetSimplePanel(bool value) {
  if (value == FSimplePanel) return;
  FSimplePanel = value;
  UpdateSimple();
}

void TStatusBar::SetSimpleText(const std::string& value) {
  if (value == FSimpleText) return;
  FSimpleText = value;
  UpdateSimple();
}

void TStatusBar::SetSizeGrip(bool value) {
  if (value == FSizeGrip) return;
  FSizeGrip = value;
  SetWindowStyleBit(SBARS_SIZEGRIP, value);
}

void TStatusBar::UpdateSimple() {
  if (!HandleAllocated()) return;
  SendToWindow(SB_SIMPLE, FSimplePanel ? 1 : 0, 0);
  SendToWindow(SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(FSimpleText.c_str()));
}

void TStatusBar::UpdatePanels(TStatusPanel* only) {
  if (!HandleAllocated()) return;
  if (only) {
    UpdatePanelText(only->GetIndex());
    return;
  }
  int count = FPanels->GetCount();
  // The last panel runs to the end of the bar.
  std::vector<int> edges;
  int right = 0;
  for (int i = 0; i < count; i++) {
    right += FPanels->GetItem(i)->GetWidth();
    edges.push_back(i == count - 1 ? -1 : right);
  }
  if (edges.empty()) edges.push_back(-1);
  SendToWindow(SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  if (count == 0) SendToWindow(SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(""));
  for (int i = 0; i < count; i++) UpdatePanelText(i);
}

void TStatusBar::UpdatePanelText(int index) {
  TStatusPanel* panel = FPanels->GetItem(index);
  if (panel->GetStyle() == psOwnerDraw) {
    SendToWindow(SB_SETTEXTA, static_cast<WPARAM>(index) | SBT_OWNERDRAW, reinterpret_cast<LPARAM>(panel));
    InvalidateRect(FHandle, nullptr, FALSE);
    return;
  }
  // A tab before the text centres it, two right-align it.
  std::string text = panel->GetAlignment() == taCenter         ? "\t" + panel->GetText()
                     : panel->GetAlignment() == taRightJustify ? "\t\t" + panel->GetText()
                                                               : panel->GetText();
  SendToWindow(SB_SETTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
}

void TStatusBar::DrawPanel(TStatusPanel* panel, const TRect& rect) {
  if (OnDrawPanel) {
    OnDrawPanel(this, panel, rect);
    return;
  }
  GetCanvas()->FillRect(rect);
}

void TStatusBar::CNDrawItem(TMessage& m) {
  const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
  int index = static_cast<int>(item.itemID);
  if (index < 0 || index >= FPanels->GetCount()) return;
  TStatusPanel* panel = FPanels->GetItem(index);
  DrawItemOnCanvas(item, [&] {
    GetCanvas()->GetBrush()->SetColor(GetColor());
    DrawPanel(panel, TRect(item.rcItem));
  });
  m.Result = 1;
}
