#include "platform/vcl/comctrls/HeaderControl.h"

#include <algorithm>

#include "platform/vcl/classes/components/WeakRef.h"
#include "platform/win/commctrl.h"

// ---------------------------------------------------------------- THeaderSection

THeaderSection::THeaderSection(TCollection* Collection) : TCollectionItem(Collection) {
  if (auto* items = dynamic_cast<TControlItems*>(Collection)) items->ItemBuilt(this);
}

void THeaderSection::Publish(TPublisher<THeaderSection>& p) {
  p.Prop("Alignment", &THeaderSection::GetAlignment, &THeaderSection::SetAlignment).Default(taLeftJustify);
  p.Prop("AllowClick", &THeaderSection::GetAllowClick, &THeaderSection::SetAllowClick).Default(true);
  p.Prop("MaxWidth", &THeaderSection::GetMaxWidth, &THeaderSection::SetMaxWidth).Default(10000);
  p.Prop("MinWidth", &THeaderSection::GetMinWidth, &THeaderSection::SetMinWidth).Default(0);
  p.Prop("Style", &THeaderSection::GetStyle, &THeaderSection::SetStyle).Default(hsText);
  p.Prop("Text", &THeaderSection::GetTextValue, &THeaderSection::SetText);
  p.Prop("Width", &THeaderSection::GetWidth, &THeaderSection::SetWidth).NoDefault();
}

void THeaderSection::SetText(const std::string& value) {
  if (value == FText) return;
  FText = value;
  Changed(false);
}

void THeaderSection::SetWidth(int value) {
  value = std::clamp(value, FMinWidth, std::max(FMinWidth, FMaxWidth));
  if (value == FWidth) return;
  FWidth = value;
  Changed(false);
}

void THeaderSection::SetMinWidth(int value) {
  value = std::max(value, 0);
  if (value == FMinWidth) return;
  FMinWidth = value;
  if (FWidth < value) SetWidth(value);
}

void THeaderSection::SetMaxWidth(int value) {
  value = std::max(value, 0);
  if (value == FMaxWidth) return;
  FMaxWidth = value;
  if (FWidth > value) SetWidth(value);
}

void THeaderSection::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  Changed(false);
}

void THeaderSection::SetStyle(THeaderSectionStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  Changed(false);
}

int THeaderSection::GetLeft() const {
  int left = 0;
  auto* sections = static_cast<THeaderSections*>(GetCollection());
  for (int i = 0; sections && i < GetIndex(); i++) left += sections->GetItem(i)->FWidth;
  return left;
}

void THeaderSection::Assign(TPersistent* source) {
  if (auto* other = dynamic_cast<THeaderSection*>(source)) {
    FText = other->FText;
    FWidth = other->FWidth;
    FMinWidth = other->FMinWidth;
    FMaxWidth = other->FMaxWidth;
    FAllowClick = other->FAllowClick;
    FAlignment = other->FAlignment;
    FStyle = other->FStyle;
    Changed(false);
    return;
  }
  TCollectionItem::Assign(source);
}

std::string THeaderSection::GetDisplayName() {
  return FText.empty() ? TCollectionItem::GetDisplayName() : FText;
}

// ---------------------------------------------------------------- THeaderSections

THeaderSections::THeaderSections(THeaderControl* headerControl)
    : TControlItems(THeaderSection::StaticClass(), headerControl), FHeaderControl(headerControl) {}

void THeaderSections::Update(TCollectionItem* item) {
  if (Ready()) FHeaderControl->UpdateSections(static_cast<THeaderSection*>(item));
}

// ---------------------------------------------------------------- THeaderControl

THeaderControl::THeaderControl(TComponent* AOwner)
    : TCommonControl(AOwner), FSections(std::make_unique<THeaderSections>(this)) {
  FWidth = 200;
  FHeight = 17;
  FAlign = alTop;
  FColor = clBtnFace;
  FBrush->SetColor(FColor);
  FParentColor = false;
  FControlStyle.Exclude(csSetCaption);
}

THeaderControl::~THeaderControl() {
  // The items going with this object tell no window of it.
  Destroying();
}

void THeaderControl::Publish(TPublisher<THeaderControl>& p) {
  p.Default("Align", alTop);
  p.Prop("FullDrag", &THeaderControl::GetFullDrag, &THeaderControl::SetFullDrag).Default(true);
  p.Prop("HotTrack", &THeaderControl::GetHotTrack, &THeaderControl::SetHotTrack).Default(false);
  p.Prop("Sections", &THeaderControl::GetSections, &THeaderControl::SetSections);
  p.Prop("Style", &THeaderControl::GetStyle, &THeaderControl::SetStyle).Default(hsButtons);
  p.Prop("OnDrawSection", &THeaderControl::OnDrawSection);
  p.Prop("OnSectionClick", &THeaderControl::OnSectionClick);
  p.Prop("OnSectionResize", &THeaderControl::OnSectionResize);
  p.Prop("OnSectionTrack", &THeaderControl::OnSectionTrack);
}

void THeaderControl::Messages(TMessageMap<THeaderControl>& m) {
  m.On(CN_NOTIFY, &THeaderControl::CNNotify);
  m.On(CN_DRAWITEM, &THeaderControl::CNDrawItem);
}

void THeaderControl::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  CreateCommonControl(params, WC_HEADERA);
  params.Style |= HDS_HORZ | HDS_BUTTONS;
  if (FHotTrack) params.Style |= HDS_HOTTRACK;
  if (FStyle == hsFlat) params.Style |= HDS_FLAT;
  if (FFullDrag) params.Style |= HDS_FULLDRAG;
}

void THeaderControl::CreateWnd() {
  inherited::CreateWnd();
  UpdateSections(nullptr);
}

void THeaderControl::SetHotTrack(bool value) {
  if (value == FHotTrack) return;
  FHotTrack = value;
  SetWindowStyleBit(HDS_HOTTRACK, value);
}

void THeaderControl::SetStyle(THeaderStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  SetWindowStyleBit(HDS_FLAT, value == hsFlat);
}

void THeaderControl::SetFullDrag(bool value) {
  if (value == FFullDrag) return;
  FFullDrag = value;
  SetWindowStyleBit(HDS_FULLDRAG, value);
}

THeaderSection* THeaderControl::SectionOf(int index) const {
  return index >= 0 && index < FSections->GetCount() ? FSections->GetItem(index) : nullptr;
}

namespace {
// The window's item for a section; text holds the caption the item points to.
void FillItem(THeaderSection* section, HDITEMA& item, std::string& text) {
  text = section->GetText();
  item.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_LPARAM;
  item.cxy = section->GetWidth();
  item.pszText = text.data();
  item.fmt = section->GetStyle() == hsOwnerDraw          ? HDF_OWNERDRAW
             : section->GetAlignment() == taCenter       ? HDF_STRING | HDF_CENTER
             : section->GetAlignment() == taRightJustify ? HDF_STRING | HDF_RIGHT
                                                         : HDF_STRING | HDF_LEFT;
  item.lParam = reinterpret_cast<LPARAM>(section);
}
}  // namespace

void THeaderControl::UpdateSections(THeaderSection* only) {
  if (!HandleAllocated()) return;
  FSyncing++;
  std::string text;
  HDITEMA item{};
  if (only) {
    FillItem(only, item, text);
    SendToWindow(HDM_SETITEMA, static_cast<WPARAM>(only->GetIndex()), reinterpret_cast<LPARAM>(&item));
  } else {
    while (SendToWindow(HDM_GETITEMCOUNT, 0, 0) > 0) SendToWindow(HDM_DELETEITEM, 0, 0);
    for (int i = 0; i < FSections->GetCount(); i++) {
      FillItem(FSections->GetItem(i), item, text);
      SendToWindow(HDM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
  }
  FSyncing--;
}

void THeaderControl::SectionClick(THeaderSection* section) {
  if (OnSectionClick) OnSectionClick(this, section);
}

void THeaderControl::SectionResize(THeaderSection* section) {
  if (OnSectionResize) OnSectionResize(this, section);
}

void THeaderControl::SectionTrack(THeaderSection* section, int& width, TSectionTrackState state) {
  if (OnSectionTrack) OnSectionTrack(this, section, width, state);
}

void THeaderControl::DrawSection(THeaderSection* section, const TRect& rect, bool pressed) {
  if (OnDrawSection) {
    OnDrawSection(this, section, rect, pressed);
    return;
  }
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetStyle(bsClear);
  canvas->TextRect(rect, rect.Left + 4, rect.Top + 2, section->GetText());
}

void THeaderControl::CNNotify(TMessage& m) {
  auto* nm = reinterpret_cast<NMHEADERA*>(m.LParam);
  THeaderSection* section = SectionOf(nm->iItem);
  if (!section || FSyncing) {
    InheritedMessage(m);
    return;
  }
  auto clamped = [&](int width) {
    return std::clamp(width, section->GetMinWidth(), std::max(section->GetMinWidth(), section->GetMaxWidth()));
  };
  switch (nm->hdr.code) {
    case HDN_BEGINTRACKA: {
      int width = section->GetWidth();
      SectionTrack(section, width, tsTrackBegin);
      return;
    }
    case HDN_TRACKA:
    case HDN_ENDTRACKA: {
      if (!nm->pitem) return;
      int width = clamped(nm->pitem->cxy);
      // OnSectionTrack may free the header and its sections.
      TWeakRef<THeaderControl> self(this);
      SectionTrack(section, width, nm->hdr.code == HDN_TRACKA ? tsTrackMove : tsTrackEnd);
      if (self) nm->pitem->cxy = clamped(width);
      return;
    }
    case HDN_ITEMCHANGEDA:
      // The window took a new width from the user's drag.
      if (nm->pitem && (nm->pitem->mask & HDI_WIDTH) && nm->pitem->cxy != section->FWidth) {
        section->FWidth = nm->pitem->cxy;
        SectionResize(section);
      }
      return;
    case HDN_ITEMCLICKA:
      if (section->GetAllowClick()) SectionClick(section);
      return;
    default: InheritedMessage(m);
  }
}

void THeaderControl::CNDrawItem(TMessage& m) {
  const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
  THeaderSection* section = SectionOf(static_cast<int>(item.itemID));
  if (!section) return;
  DrawItemOnCanvas(item, [&] { DrawSection(section, TRect(item.rcItem), (item.itemState & ODS_SELECTED) != 0); });
  m.Result = 1;
}
