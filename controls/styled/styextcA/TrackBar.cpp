// The track bar's construction, properties and thumb bitmap.
#include <climits>

#include "controls/styled/stycompo.h"
#include "controls/styled/styextcA/TrackBar.h"
#include "controls/styled/styextcA/TrackThumbs.h"

namespace {
constexpr WORD kPagingInterval = 300;
}  // namespace

TStyCustomTrackBar::TStyCustomTrackBar(TComponent* AOwner)
    : TStyCustomPanel(AOwner),
      FTrackFillObject(std::make_unique<TStyFillObject>()),
      FThumb(std::make_unique<TBitmap>()),
      FSavedBack(std::make_unique<TBitmap>()) {
  FControlStyle.Exclude(csAcceptsControls);
  FThumb->OnChange = [this](TObject* sender) { GetChange(sender); };
  FTrackFillObject->OnChange = [this](TObject* sender) { GetChange(sender); };
  FSavedBack->SetPixelFormat(pf32bit);
  FTimer = StyAddTimer(kPagingInterval, [this](TObject*) { PagingTick(); });
  EnableTimer(false);
  SetTabStop(true);
  SetBounds(GetLeft(), GetTop(), 220, 35);
  // A bar made in code has its thumb at once; one read from a form gets it
  // again when loaded, with the form's settings.
  BuildThumb();
}

TStyCustomTrackBar::~TStyCustomTrackBar() {
  FTrackFillObject->OnChange = nullptr;
  FThumb->OnChange = nullptr;
  if (StyApplication) StyApplication->RemoveTimer(FTimer);
}

void TStyCustomTrackBar::Publish(TPublisher<TStyCustomTrackBar>& p) {
  using T = TStyCustomTrackBar;
  p.Prop("About", &T::GetAbout, &T::SetAbout).Stored(false);
  p.Prop("MinValue", &T::GetMinValue, &T::SetMinValue).Default(0);
  p.Prop("MaxValue", &T::GetMaxValue, &T::SetMaxValue).Default(10);
  p.Prop("LineSize", &T::GetLineSize, &T::SetLineSize).Default(1);
  p.Prop("PageSize", &T::GetPageSize, &T::SetPageSize).Default(2);
  p.Prop("Margin", &T::GetMargin, &T::SetMargin).Default(1);
  p.Prop("Orientation", &T::GetOrientation, &T::SetOrientation).Default(toHorizontal);
  p.Prop("TrackWidth", &T::GetTrackWidth, &T::SetTrackWidth).Default(10);
  p.Prop("TrackBorder", &T::GetTrackBorder, &T::SetTrackBorder).Default(0);
  p.Prop("TrackBorderStyle", &T::GetTrackBorderStyle, &T::SetTrackBorderStyle).Default(lsLoweredExt);
  p.Prop("TrackColor", &T::GetTrackColor, &T::SetTrackColor).Idents("TColor").Default(clWhite);
  p.Prop("TrackFillObject", &T::GetTrackFillObject, &T::SetTrackFillObject);
  p.Prop("TrackTransparent", &T::GetTrackTransparent, &T::SetTrackTransparent).Default(false);
  p.Prop("ThumbStyle", &T::GetThumbStyle, &T::SetThumbStyle).Default(tsStandard);
  p.Prop("Thumb", &T::GetThumb, &T::SetThumb).Stored([](T& t) { return t.FThumbStyle == tsCustom; });
  p.Prop("ThumbColor", &T::GetThumbColor, &T::SetThumbColor).Idents("TColor").Default(clBtnFace);
  p.Prop("TickStyle", &T::GetTickStyle, &T::SetTickStyle).Default(tsAuto);
  p.Prop("TickMarks", &T::GetTickMarks, &T::SetTickMarks).Default(styextcA::tmBottomRight);
  p.Prop("TickLength", &T::GetTickLength, &T::SetTickLength).Default(6);
  p.Prop("TickGap", &T::GetTickGap, &T::SetTickGap).Default(-1);
  p.Prop("TickColor", &T::GetTickColor, &T::SetTickColor).Idents("TColor").Default(clBlack);
  p.Prop("FocusStyle", &T::GetFocusStyle, &T::SetFocusStyle).Default(tbFocus);
  p.Prop("UseFocusColor", &T::GetUseFocusColor, &T::SetUseFocusColor).Default(false);
  p.Prop("FocusColor", &T::GetFocusColor, &T::SetFocusColor).Idents("TColor").Default(clGray);
  p.Prop("Transparent", &T::GetTransparent, &T::SetTransparent).Default(false);
  p.Default("TabStop", true);
  p.Prop("OnChange", &T::OnChange);
  p.Prop("OnDrawTick", &T::OnDrawTick);
  p.Prop("OnMouseWheel", &T::OnMouseWheel);
  p.Prop("OnMouseWheelDown", &T::OnMouseWheelDown);
  p.Prop("OnMouseWheelUp", &T::OnMouseWheelUp);
}

void TStyTrackBar::Publish(TPublisher<TStyTrackBar>& p) {
  p.Prop("Position", &TStyTrackBar::GetPosition, &TStyTrackBar::SetPosition).Default(0);
}

// Range and value ----------------------------------------------------------

// While a form is read the range arrives one end at a time, in any order;
// Loaded restores the order of the ends and brings Position inside them.
void TStyCustomTrackBar::SetMinValue(int value) {
  if (value == FMinValue) return;
  if (Loading()) {
    FMinValue = value;
    return;
  }
  if (value >= FMaxValue) return;
  FMinValue = value;
  if (FPosition < value) SetPosition(value);
  Invalidate();
}

void TStyCustomTrackBar::SetMaxValue(int value) {
  if (value == FMaxValue) return;
  if (Loading()) {
    FMaxValue = value;
    return;
  }
  if (value <= FMinValue) return;
  FMaxValue = value;
  if (FPosition > value) SetPosition(value);
  Invalidate();
}

void TStyCustomTrackBar::SetPosition(int value) {
  if (Loading()) {
    FPosition = value;
    return;
  }
  if (value < FMinValue) value = FMinValue;
  if (value > FMaxValue) value = FMaxValue;
  if (value == FPosition) return;
  FPosition = value;
  if (Designing()) {
    Invalidate();
    return;
  }
  if (HandleAllocated() && Showing()) {
    if (FDragging || GetKeyState(VK_LBUTTON) < 0) {
      if (FThumbRect.Width() > 0 && FThumbRect.Height() > 0) RestoreThumbBackground(GetCanvas());
      DrawThumb(GetCanvas(), Layout(), FPosition);
    } else {
      Repaint();
    }
  }
  if (OnChange) OnChange(this);
}

void TStyCustomTrackBar::Loaded() {
  TStyCustomPanel::Loaded();
  if (FMinValue >= FMaxValue) {
    if (FMinValue < INT_MAX)
      FMaxValue = FMinValue + 1;
    else
      FMinValue = FMaxValue - 1;
  }
  if (FPosition < FMinValue) FPosition = FMinValue;
  if (FPosition > FMaxValue) FPosition = FMaxValue;
  BuildThumb();
  if (FFocusStyle == tbNoFocus) SetTabStop(false);
}

// Appearance ---------------------------------------------------------------

void TStyCustomTrackBar::SetMargin(int value) {
  if (value == FMargin || value <= 0) return;
  FMargin = value;
  Invalidate();
}

void TStyCustomTrackBar::SetOrientation(TStyOrientation value) {
  if (value == FOrientation) return;
  FOrientation = value;
  BuildThumb();
  Invalidate();
}

void TStyCustomTrackBar::SetTrackWidth(int value) {
  if (value == FTrackWidth || value < 3) return;
  FTrackWidth = value;
  BuildThumb();
  Invalidate();
}

void TStyCustomTrackBar::SetTrackBorder(int value) {
  if (value == FTrackBorder) return;
  FTrackBorder = value;
  Invalidate();
}

void TStyCustomTrackBar::SetTrackBorderStyle(TStyBorderStyle value) {
  if (value == FTrackBorderStyle) return;
  FTrackBorderStyle = value;
  Invalidate();
}

void TStyCustomTrackBar::SetTrackTransparent(bool value) {
  if (value == FTrackTransparent) return;
  FTrackTransparent = value;
  GetChange(nullptr);
}

void TStyCustomTrackBar::SetColorIndex(int index, TColor value) {
  if (FColors[index] == value) return;
  FColors[index] = value;
  if (index == 0) BuildThumb();
  Invalidate();
}

void TStyCustomTrackBar::SetTickStyle(TStyTickStyle value) {
  if (value == FTickStyle) return;
  FTickStyle = value;
  Invalidate();
}

void TStyCustomTrackBar::SetTickMarks(TStyTickMarks value) {
  if (value == FTickMarks) return;
  FTickMarks = value;
  BuildThumb();
  Invalidate();
}

void TStyCustomTrackBar::SetTickLength(int value) {
  if (value == FTickLength) return;
  FTickLength = value;
  Invalidate();
}

void TStyCustomTrackBar::SetTickGap(int value) {
  if (value == FTickGap || value < -1) return;
  FTickGap = value;
  Invalidate();
}

void TStyCustomTrackBar::SetUseFocusColor(bool value) {
  if (value == FUseFocusColor) return;
  FUseFocusColor = value;
  Invalidate();
}

// The thumb ----------------------------------------------------------------

void TStyCustomTrackBar::SetThumbStyle(TStyThumbStyle value) {
  if (value == FThumbStyle) return;
  FThumbStyle = value;
  if (value == tsStandard) {
    BuildThumb();
  } else if (!Loading()) {
    // An empty custom thumb, until a picture is given; swapping the object
    // reports nothing, so the style stays custom.
    FThumb = std::make_unique<TBitmap>();
    FThumb->OnChange = [this](TObject* sender) { GetChange(sender); };
  }
  Invalidate();
}

TBitmap* TStyCustomTrackBar::GetThumb() const {
  if (Loading() || (FThumbStyle == tsCustom && !GetImageList())) return FThumb.get();
  return nullptr;
}

void TStyCustomTrackBar::SetThumb(TBitmap* value) {
  FThumb->Assign(value);
}

TStyThumbMetrics TStyCustomTrackBar::ThumbMetrics() const {
  if (FThumbStyle == tsCustom) return CustomThumbMetrics(FThumb->GetWidth(), FThumb->GetHeight());
  return StandardThumbMetrics(FThumb->GetWidth(), FThumb->GetHeight(), FOrientation);
}

void TStyCustomTrackBar::FillThumb(const std::function<void()>& fill) {
  const bool was = FFillingThumb;
  FFillingThumb = true;
  try {
    fill();
  } catch (...) {
    FFillingThumb = was;
    throw;
  }
  FFillingThumb = was;
}

void TStyCustomTrackBar::BuildThumb() {
  if (FThumbStyle == tsCustom || Loading()) return;
  TBitmap* pattern = StyApplication ? StyApplication->GetPattern(FColors[0]) : nullptr;
  FillThumb([&] { BuildStandardThumb(FThumb.get(), FOrientation, FTickMarks, FTrackWidth, FColors[0], pattern); });
}

void TStyCustomTrackBar::TakeListThumb() {
  FillThumb([&] { GetImageList()->GetImage(GetListIndex(), GetImageIndex(), FThumb.get()); });
  FThumbStyle = tsCustom;
}

void TStyCustomTrackBar::GetChange(TObject* Sender) {
  if (Sender && Sender == FThumb.get()) {
    if (FFillingThumb) return;
    if (FThumb->Empty()) {
      FThumbStyle = tsStandard;
      BuildThumb();
    } else {
      if (!ImageListEmpty()) TakeListThumb();
      FThumbStyle = tsCustom;
    }
  }
  TStyCustomPanel::GetChange(Sender);
}

void TStyCustomTrackBar::ImageListChanged(TObject*) {
  if (ImageListEmpty()) {
    FThumbStyle = tsStandard;
    BuildThumb();
  } else {
    TakeListThumb();
  }
  Invalidate();
}

bool TStyCustomTrackBar::IsBackgroundProvider() {
  if (!GetTransparent() && !FTrackTransparent) return false;
  return ParentProvidesBackground(GetParent());
}

TStyTrackLayout TStyCustomTrackBar::Layout() {
  TStyTrackSettings s;
  s.Orientation = FOrientation;
  s.Margin = FMargin;
  s.TrackWidth = FTrackWidth;
  s.TickStyle = FTickStyle;
  s.TickMarks = FTickMarks;
  s.MinValue = FMinValue;
  s.MaxValue = FMaxValue;
  s.Thumb = ThumbMetrics();
  return TStyTrackLayout(GetClientRect(), s);
}
