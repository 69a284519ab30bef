#include "controls/bmp/bmpctrls/BmpTrackBar.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

void LoadResource(TBitmap* bitmap, const char* name) {
  bitmap->LoadFromResourceName(GetModuleHandleA(nullptr), name);
}

bool Usable(const std::unique_ptr<TBitmap>& bitmap) {
  return bitmap && !bitmap->Empty();
}

// A value asked for beyond the int range asks for its end instead.
int Saturated(int64_t value) {
  return static_cast<int>(std::clamp<int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

TBmpTrackBar::TBmpTrackBar(TComponent* AOwner) : TCustomControl(AOwner), FThumb(std::make_unique<TBitmap>()) {
  SetControlStyle(TControlStyle{csCaptureMouse, csClickEvents, csDoubleClicks});
  SetTabStop(true);
  SetBounds(GetLeft(), GetTop(), 150, 40);
  LoadResource(FThumb.get(), "THUMB_HORZ");
  FImageChangeLink = std::make_unique<TBmpChangeLink>();
  FImageChangeLink->OnChange = [this](TObject*) { Invalidate(); };
}

void TBmpTrackBar::SetBmpImages(TBmpImages* value) {
  RelinkBmpImages(FBmpImages, value, FImageChangeLink.get(), this);
  Invalidate();
}

void TBmpTrackBar::SetidWallpaper(int value) {
  if (value == FidWallpaper) return;
  FidWallpaper = value;
  Invalidate();
}

void TBmpTrackBar::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FBmpImages) FBmpImages = nullptr;
}

TBmpTrackBar::~TBmpTrackBar() {
  if (FBmpImages) FBmpImages->UnRegisterChanges(FImageChangeLink.get());
}

void TBmpTrackBar::Publish(TPublisher<TBmpTrackBar>& p) {
  p.Prop("Orientation", &TBmpTrackBar::GetOrientation, &TBmpTrackBar::SetOrientation);
  p.Prop("MinValue", &TBmpTrackBar::GetMinValue, &TBmpTrackBar::SetMinValue);
  p.Prop("MaxValue", &TBmpTrackBar::GetMaxValue, &TBmpTrackBar::SetMaxValue);
  p.Prop("Position", &TBmpTrackBar::GetPosition, &TBmpTrackBar::SetPosition);
  p.Prop("PageSize", &TBmpTrackBar::GetPageSize, &TBmpTrackBar::SetPageSize);
  p.Prop("BarSize", &TBmpTrackBar::GetBarSize, &TBmpTrackBar::SetBarSize);
  p.Prop("BarColor", &TBmpTrackBar::GetBarColor, &TBmpTrackBar::SetBarColor);
  p.Prop("TickMarks", &TBmpTrackBar::GetTickMarks, &TBmpTrackBar::SetTickMarks);
  p.Prop("PaintOptions", &TBmpTrackBar::GetPaintOptions, &TBmpTrackBar::SetPaintOptions);
  p.Prop("TransparentThumb", &TBmpTrackBar::GetTransparentThumb, &TBmpTrackBar::SetTransparentThumb);
  p.Prop("ThumbHorz", &TBmpTrackBar::GetThumbHorz, &TBmpTrackBar::SetThumbHorz);
  p.Prop("ThumbVert", &TBmpTrackBar::GetThumbVert, &TBmpTrackBar::SetThumbVert);
  p.Prop("ThumbHorzSelected", &TBmpTrackBar::GetThumbHorzSelected, &TBmpTrackBar::SetThumbHorzSelected);
  p.Prop("ThumbVertSelected", &TBmpTrackBar::GetThumbVertSelected, &TBmpTrackBar::SetThumbVertSelected);
  p.Prop("BevelInner", &TBmpTrackBar::GetBevelInner, &TBmpTrackBar::SetBevelInner);
  p.Prop("BevelOuter", &TBmpTrackBar::GetBevelOuter, &TBmpTrackBar::SetBevelOuter);
  p.Prop("Options", &TBmpTrackBar::GetOptions, &TBmpTrackBar::SetOptions);
  p.Prop("TransparencyLevel", &TBmpTrackBar::GetTransparencyLevel, &TBmpTrackBar::SetTransparencyLevel);
  p.Prop("Wallpaper", &TBmpTrackBar::GetWallpaper, &TBmpTrackBar::SetWallpaper);
  p.Prop("BmpImages", &TBmpTrackBar::GetBmpImages, &TBmpTrackBar::SetBmpImages);
  p.Prop("idWallpaper", &TBmpTrackBar::GetidWallpaper, &TBmpTrackBar::SetidWallpaper);
  p.Prop("OnChange", &TBmpTrackBar::OnChange);
}

void TBmpTrackBar::Messages(TMessageMap<TBmpTrackBar>& m) {
  m.On(WM_ERASEBKGND, &TBmpTrackBar::WMEraseBkgnd);
  m.On(WM_GETDLGCODE, &TBmpTrackBar::WMGetDlgCode);
  m.On(WM_SETFOCUS, &TBmpTrackBar::WMFocus);
  m.On(WM_KILLFOCUS, &TBmpTrackBar::WMFocus);
  m.On(CM_ENABLEDCHANGED, &TBmpTrackBar::CMEnabledChanged);
  m.On(CM_PARENTCOLORCHANGED, &TBmpTrackBar::CMParentColorChanged);
  m.On(CM_MOUSEENTER, &TBmpTrackBar::CMMouseEnter);
  m.On(CM_MOUSELEAVE, &TBmpTrackBar::CMMouseLeave);
}

TBitmap* TBmpTrackBar::Owned(std::unique_ptr<TBitmap>& slot) {
  if (!slot) slot = std::make_unique<TBitmap>();
  return slot.get();
}

TBitmap* TBmpTrackBar::GetThumbHorz() {
  return Owned(FThumbHorz);
}
TBitmap* TBmpTrackBar::GetThumbVert() {
  return Owned(FThumbVert);
}
TBitmap* TBmpTrackBar::GetThumbHorzSelected() {
  return Owned(FThumbHorzSelected);
}
TBitmap* TBmpTrackBar::GetThumbVertSelected() {
  return Owned(FThumbVertSelected);
}

TBitmap* TBmpTrackBar::GetWallpaper() {
  if (!FWallpaper) {
    FWallpaper = std::make_unique<TBitmap>();
    FWallpaper->OnChange = [this](TObject*) {
      Invalidate();
      Perform(CM_COLORCHANGED, 0, 0);
    };
  }
  return FWallpaper.get();
}

void TBmpTrackBar::SetThumbHorz(TBitmap* value) {
  GetThumbHorz()->Assign(value);
  RefreshThumbImage();
  Invalidate();
}

void TBmpTrackBar::SetThumbVert(TBitmap* value) {
  GetThumbVert()->Assign(value);
  RefreshThumbImage();
  Invalidate();
}

void TBmpTrackBar::SetThumbHorzSelected(TBitmap* value) {
  GetThumbHorzSelected()->Assign(value);
  Invalidate();
}

void TBmpTrackBar::SetThumbVertSelected(TBitmap* value) {
  GetThumbVertSelected()->Assign(value);
  Invalidate();
}

void TBmpTrackBar::SetWallpaper(TBitmap* value) {
  GetWallpaper()->Assign(value);
  Invalidate();
}

void TBmpTrackBar::SetOrientation(TTrackOrientation value) {
  if (value == FOrientation) return;
  FOrientation = value;
  if (!GetComponentState().Contains(csLoading) && !GetComponentState().Contains(csUpdating))
    SetBounds(GetLeft(), GetTop(), GetHeight(), GetWidth());
  RefreshThumbImage();
  Invalidate();
}

// A form may give MaxValue before MinValue: while it is read, the bounds are
// kept as they come and Loaded puts them in order, so that neither is cut
// by the other's default.
void TBmpTrackBar::SetMinValue(int value) {
  if (value == FMinValue) return;
  if (GetComponentState().Contains(csLoading)) {
    FMinValue = value;
    return;
  }
  FMinValue = std::min(value, FMaxValue);
  if (FPosition < FMinValue) FPosition = FMinValue;
  Invalidate();
}

void TBmpTrackBar::SetMaxValue(int value) {
  if (value == FMaxValue) return;
  if (GetComponentState().Contains(csLoading)) {
    FMaxValue = value;
    return;
  }
  FMaxValue = std::max(value, FMinValue);
  if (FPosition > FMaxValue) FPosition = FMaxValue;
  Invalidate();
}

// The setters that only store and repaint.
#define BMP_SIMPLE_SETTER(Name, Type)        \
  void TBmpTrackBar::Set##Name(Type value) { \
    if (F##Name == value) return;            \
    F##Name = value;                         \
    Invalidate();                            \
  }
BMP_SIMPLE_SETTER(PageSize, int)
BMP_SIMPLE_SETTER(BarSize, int)
BMP_SIMPLE_SETTER(BarColor, TColor)
BMP_SIMPLE_SETTER(TickMarks, TTickMark)
BMP_SIMPLE_SETTER(PaintOptions, TPaintOptions)
BMP_SIMPLE_SETTER(TransparentThumb, bool)
BMP_SIMPLE_SETTER(BevelInner, BmpCtrls::TBevelCut)
BMP_SIMPLE_SETTER(BevelOuter, BmpCtrls::TBevelCut)
BMP_SIMPLE_SETTER(TransparencyLevel, int)
#undef BMP_SIMPLE_SETTER

void TBmpTrackBar::SetOptions(TBmpOptions value) {
  FOptions = value;
  Invalidate();
  Perform(CM_COLORCHANGED, 0, 0);
}

void TBmpTrackBar::SetPosition(int value) {
  if (value == FPosition) return;
  FPosition = std::clamp(value, FMinValue, FMaxValue);
  if (OnChange) OnChange(this);
  RepaintNow();
}

// Draws the whole control off-screen and copies it on in one step, so a
// dragged thumb does not flicker.
void TBmpTrackBar::RepaintNow() {
  if (!GetParent()) return;
  HandleNeeded();
  TBitmap off;
  off.SetPixelFormat(pf32bit);
  off.SetSize(GetWidth(), GetHeight());
  TCanvas* c = off.GetCanvas();
  PaintTo(c->GetHandle(), 0, 0);
  if (FPaintOptions.Contains(poDrawTrackBar)) DrawTrackBar(c);
  if (FPaintOptions.Contains(poDrawTicks)) DrawTicks(c);
  if (FPaintOptions.Contains(poDrawThumb)) DrawThumb(c);
  DrawBevelAndFocus(c);
  HDC dc = GetDC(GetHandle());
  BitBlt(dc, 0, 0, GetWidth(), GetHeight(), c->GetHandle(), 0, 0, SRCCOPY);
  ReleaseDC(GetHandle(), dc);
}

void TBmpTrackBar::Loaded() {
  TCustomControl::Loaded();
  // A form whose MaxValue lies below its MinValue keeps the minimum and gets
  // an empty range there.
  FMaxValue = std::max(FMaxValue, FMinValue);
  FPosition = std::clamp(FPosition, FMinValue, FMaxValue);
  RefreshThumbImage();
}

void TBmpTrackBar::Paint() {
  TCanvas* c = GetCanvas();
  if (FPaintOptions.Contains(poDrawTrackBar)) DrawTrackBar(c);
  if (FPaintOptions.Contains(poDrawTicks)) DrawTicks(c);
  if (FPaintOptions.Contains(poDrawThumb)) DrawThumb(c);
  DrawBevelAndFocus(c);
}

void TBmpTrackBar::DrawBevelAndFocus(TCanvas* canvas) {
  RECT r = GetClientRect();
  auto part = [](BmpCtrls::TBevelCut cut, UINT sunken, UINT raised) -> UINT {
    return cut == BmpCtrls::bvLowered ? sunken : cut == BmpCtrls::bvRaised ? raised : 0;
  };
  UINT edge = part(FBevelInner, BDR_SUNKENINNER, BDR_RAISEDINNER) | part(FBevelOuter, BDR_SUNKENOUTER, BDR_RAISEDOUTER);
  if (edge) {
    DrawEdge(canvas->GetHandle(), &r, edge, BF_RECT);
    InflateRect(&r, -2, -2);
  }
  if (FPaintOptions.Contains(poDrawFocusRect) && CanFocus() && Focused()) canvas->DrawFocusRect(r);
}

void TBmpTrackBar::DrawTrackBar(TCanvas* canvas) {
  // Worked out in 64 bits and stopped a little outside the control: a bar
  // thicker than the control looks the same, and its edges and ticks are not
  // drawn a long way out of sight.
  constexpr int64_t beyond = 16;
  int64_t across = FOrientation == BmpCtrls::toHorizontal ? GetHeight() : GetWidth();
  int64_t start = (across - FBarSize) / 2;
  auto limit = [&](int64_t v) { return static_cast<int>(std::clamp(v, -beyond, across + beyond)); };
  int from = limit(start), to = limit(start + FBarSize);
  if (FOrientation == BmpCtrls::toHorizontal)
    FBarRect = TRect(kInset, from, GetWidth() - kInset, to);
  else
    FBarRect = TRect(from, kInset, to, GetHeight() - kInset);
  canvas->GetBrush()->SetStyle(bsSolid);
  canvas->GetBrush()->SetColor(FBarColor);
  canvas->FillRect(FBarRect);
  RECT r = FBarRect;
  DrawEdge(canvas->GetHandle(), &r, EDGE_SUNKEN, BF_RECT);
}

void TBmpTrackBar::DrawTicks(TCanvas* canvas) {
  canvas->GetPen()->SetColor(clBlack);
  int64_t d = static_cast<int64_t>(FMaxValue) - FMinValue;
  if (d < 0) return;
  int travel = Extent() - 2 * kInset;
  auto tick = [&](int c) {
    bool after = FTickMarks == tmBottomRight || FTickMarks == tmBoth;
    bool before = FTickMarks == tmTopLeft || FTickMarks == tmBoth;
    if (FOrientation == BmpCtrls::toHorizontal) {
      if (after) canvas->MoveTo(c, FBarRect.Bottom + 8), canvas->LineTo(c, FBarRect.Bottom + 12);
      if (before) canvas->MoveTo(c, FBarRect.Top - 12), canvas->LineTo(c, FBarRect.Top - 8);
    } else {
      if (after) canvas->MoveTo(FBarRect.Right + 8, c), canvas->LineTo(FBarRect.Right + 12, c);
      if (before) canvas->MoveTo(FBarRect.Left - 12, c), canvas->LineTo(FBarRect.Left - 8, c);
    }
  };
  // Without room or range to spread values over, one tick at the start.
  if (!HasTravel()) {
    tick(kInset);
    return;
  }
  double step = static_cast<double>(travel) / static_cast<double>(d);
  if (step < 1) {
    // More values than pixels: their ticks cover every pixel up to the
    // last one, so each pixel is drawn once instead of once per value.
    int last = static_cast<int>(std::trunc(static_cast<double>(d) * step));
    for (int c = 0; c <= last; ++c) tick(c + kInset);
    return;
  }
  for (int64_t i = 0; i <= d; ++i) tick(static_cast<int>(std::trunc(static_cast<double>(i) * step)) + kInset);
}

void TBmpTrackBar::DrawThumb(TCanvas* canvas) {
  int centre = kInset;
  if (HasTravel()) {
    double k = static_cast<double>(Extent() - 2 * kInset) / (static_cast<double>(FMaxValue) - FMinValue);
    centre = static_cast<int>(std::trunc((kInset + std::trunc(FPosition * k)) - FMinValue * k));
  }
  int w = FThumb->GetWidth(), h = FThumb->GetHeight();
  if (FOrientation == BmpCtrls::toHorizontal)
    FThumbRect = Bounds(centre - w / 2, (GetHeight() - h) / 2, w, h);
  else
    FThumbRect = Bounds((GetWidth() - w) / 2, centre - h / 2, w, h);
  if (FThumb->Empty()) return;
  FThumb->SetTransparent(FTransparentThumb);
  canvas->Draw(FThumbRect.Left, FThumbRect.Top, FThumb.get());
}

void TBmpTrackBar::RefreshThumbImage() {
  bool vertical = FOrientation == BmpCtrls::toVertical;
  if (FDragging || !GetEnabled()) {
    const auto& own = vertical ? FThumbVertSelected : FThumbHorzSelected;
    if (Usable(own))
      FThumb->Assign(own.get());
    else
      LoadResource(FThumb.get(), vertical ? "THUMB_VERT_INVERT" : "THUMB_HORZ_INVERT");
  } else {
    const auto& own = vertical ? FThumbVert : FThumbHorz;
    if (Usable(own))
      FThumb->Assign(own.get());
    else
      LoadResource(FThumb.get(), vertical ? "THUMB_VERT" : "THUMB_HORZ");
  }
}

void TBmpTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !GetEnabled()) return;
  if (CanFocus()) SetFocus();
  TPoint p(x, y);
  RECT thumb = FThumbRect, client = GetClientRect();
  if (PtInRect(&thumb, p)) {
    FDragging = HasTravel();
    if (!FDragging) return;
    if (FPaintOptions.Contains(poDrawThumbStates)) RefreshThumbImage();
    RECT r = FThumbRect;
    InvalidateRect(GetHandle(), &r, TRUE);
    return;
  }
  if (!PtInRect(&client, p)) return;
  if (FOrientation == BmpCtrls::toHorizontal) {
    if (x >= FThumbRect.Right)
      SetPosition(Saturated(int64_t{FPosition} + 1));
    else if (x < FThumbRect.Left)
      SetPosition(Saturated(int64_t{FPosition} - 1));
  } else {
    if (y >= FThumbRect.Bottom)
      SetPosition(Saturated(int64_t{FPosition} + 1));
    else if (y < FThumbRect.Top)
      SetPosition(Saturated(int64_t{FPosition} - 1));
  }
}

void TBmpTrackBar::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  if (!FDragging || !HasTravel()) return;
  bool horizontal = FOrientation == BmpCtrls::toHorizontal;
  int p = horizontal ? x : y;
  int start = horizontal ? FThumbRect.Left : FThumbRect.Top;
  int size = horizontal ? FThumbRect.Right - FThumbRect.Left : FThumbRect.Bottom - FThumbRect.Top;
  double delta = (static_cast<double>(FMaxValue) - FMinValue) / (Extent() - 2 * kInset) * (p - (start + size / 2));
  // Clamped in double first: over a wide range one pixel is worth more
  // than the int range holds.
  double target = std::clamp(static_cast<double>(FPosition) + std::nearbyint(delta),
                             static_cast<double>(std::numeric_limits<int>::min()),
                             static_cast<double>(std::numeric_limits<int>::max()));
  SetPosition(static_cast<int>(target));
}

void TBmpTrackBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  FDragging = false;
  if (FPaintOptions.Contains(poDrawThumbStates)) RefreshThumbImage();
  if (HandleAllocated()) {
    RECT r = FThumbRect;
    InvalidateRect(GetHandle(), &r, TRUE);
  }
}

void TBmpTrackBar::KeyDown(WORD& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  if (!GetEnabled()) return;
  switch (key) {
    case VK_PRIOR: SetPosition(Saturated(int64_t{FPosition} - FPageSize)); break;
    case VK_NEXT: SetPosition(Saturated(int64_t{FPosition} + FPageSize)); break;
    case VK_END: SetPosition(FMaxValue); break;
    case VK_HOME: SetPosition(FMinValue); break;
    case VK_LEFT:
    case VK_UP:
      if (FPosition > FMinValue) SetPosition(FPosition - 1);
      break;
    case VK_RIGHT:
    case VK_DOWN:
      if (FPosition < FMaxValue) SetPosition(FPosition + 1);
      break;
  }
}

void TBmpTrackBar::Resize() {
  TCustomControl::Resize();
  TTrackOrientation wanted = GetWidth() < GetHeight() ? BmpCtrls::toVertical : BmpCtrls::toHorizontal;
  if (wanted != FOrientation) {
    // The control already has the shape; only the axis follows it.
    FOrientation = wanted;
    RefreshThumbImage();
    Invalidate();
  }
}

bool TBmpTrackBar::PaintWallpaper(HDC dc) {
  TBitmap* paper = ChooseWallpaper(FBmpImages, FidWallpaper, FWallpaper.get());
  if (!paper) return false;
  DrawWallpaper(dc, paper, GetClientRect(), SRCCOPY, FOptions.Contains(ocTileWallpaper));
  return true;
}

void TBmpTrackBar::WMEraseBkgnd(TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  if (FOptions.Contains(ocPaintTransparently)) {
    PaintParentBackground(ParentAtLevel(this, FTransparencyLevel), dc);
    m.Result = 1;
    return;
  }
  if (FOptions.Contains(ocPaintWallpaper) && PaintWallpaper(dc)) {
    m.Result = 1;
    return;
  }
  InheritedMessage(m);
}

void TBmpTrackBar::WMGetDlgCode(TMessage& m) {
  m.Result = DLGC_WANTARROWS;
}

void TBmpTrackBar::WMFocus(TMessage& m) {
  InheritedMessage(m);
  Invalidate();
}

void TBmpTrackBar::CMEnabledChanged(TMessage& m) {
  InheritedMessage(m);
  RefreshThumbImage();
  Invalidate();
}

void TBmpTrackBar::CMParentColorChanged(TMessage& m) {
  InheritedMessage(m);
  if (FOptions.Contains(ocPaintTransparently)) Invalidate();
}

void TBmpTrackBar::CMMouseEnter(TMessage& m) {
  InheritedMessage(m);
  if (OnMouseEnter) OnMouseEnter(this);
}

void TBmpTrackBar::CMMouseLeave(TMessage& m) {
  InheritedMessage(m);
  if (OnMouseLeave) OnMouseLeave(this);
}
