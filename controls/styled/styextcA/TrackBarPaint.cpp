// The track bar's painting: track, interior, ticks, the thumb over its saved
// background, and the focus frame.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "controls/styled/stycompo.h"
#include "controls/styled/styextcA/TrackBar.h"
#include "controls/styled/styextcA/TrackThumbs.h"
#include "controls/styled/styprocs.h"

void TStyCustomTrackBar::Paint() {
  if (Loading()) return;
  DrawBackground();
  TCanvas* c = GetCanvas();
  const TStyTrackLayout layout = Layout();
  TRect interior = layout.Track();
  DrawBorderStyle(c, interior, FTrackBorderStyle, 0);
  interior = TRect(interior.Left + FTrackBorder, interior.Top + FTrackBorder, interior.Right - FTrackBorder,
                   interior.Bottom - FTrackBorder);
  if (FTrackTransparent) {
    // A transparent bar has its background there already.
    if (!GetTransparent())
      DrawBackgroundArea(c, interior, TPoint(GetLeft() + interior.Left, GetTop() + interior.Top), 0);
  } else if (FTrackFillObject->GetStyle() != sfNone) {
    FTrackFillObject->PaintFill(c, interior, GetColor());
  } else {
    c->GetBrush()->SetStyle(bsSolid);
    c->GetBrush()->SetColor(FColors[1]);
    c->FillRect(interior);
  }
  c->GetBrush()->SetStyle(bsSolid);
  c->GetBrush()->SetColor(GetColor());
  if (FTickStyle != tsNone) DrawTicks(c, layout);
  DrawThumb(c, layout, CurrentPosition());
  if (Focused()) DrawTrackFocus(c, true);
}

void TStyCustomTrackBar::DrawTicks(TCanvas* Canvas, const TStyTrackLayout& Layout) {
  const TRect& a = Layout.Area();
  const bool horizontal = FOrientation == toHorizontal;
  const bool nearSide = FTickMarks == styextcA::tmBoth || FTickMarks == styextcA::tmTopLeft;
  const bool farSide = FTickMarks == styextcA::tmBoth || FTickMarks == styextcA::tmBottomRight;
  const int step = FTickGap < 2 ? 1 : FTickGap;
  Canvas->GetPen()->SetStyle(psSolid);
  Canvas->GetPen()->SetWidth(1);
  Canvas->GetPen()->SetMode(pmCopy);
  Canvas->GetPen()->SetColor(FColors[2]);
  auto tick = [&](int value, TPoint from, TPoint to) {
    if (FTickStyle == tsOwnerDraw) {
      if (OnDrawTick) OnDrawTick(this, Canvas, value, from);
      return;
    }
    Canvas->MoveTo(from.X, from.Y);
    Canvas->LineTo(to.X, to.Y);
  };
  auto tickAt = [&](int value, int at) {
    if (horizontal) {
      if (nearSide) tick(value, TPoint(at, a.Top), TPoint(at, a.Top + FTickLength));
      if (farSide) tick(value, TPoint(at, a.Bottom - FTickLength), TPoint(at, a.Bottom));
    } else {
      if (nearSide) tick(value, TPoint(a.Left, at), TPoint(a.Left + FTickLength, at));
      if (farSide) tick(value, TPoint(a.Right - FTickLength, at), TPoint(a.Right, at));
    }
  };
  const std::int64_t range = std::int64_t{FMaxValue} - FMinValue;
  const std::int64_t room = std::abs(Layout.TrackLength() - ThumbMetrics().Length);
  if (FTickStyle == tsAuto && step * room < range) {
    // Ticks less than a pixel apart: together they fill every pixel from the
    // first tick to the last, each drawn once instead of once per value (a
    // wide range would hold the window for minutes).
    const int first = Layout.TickPixel(FMinValue);
    const int last = Layout.TickPixel(static_cast<int>(FMinValue + range / step * step));
    for (int at = std::min(first, last); at <= std::max(first, last); ++at) tickAt(0, at);
    return;
  }
  // 64 bits: a range reaching the integer limits still ends.
  for (std::int64_t v = FMinValue; v <= FMaxValue; v += step) {
    const int value = static_cast<int>(v);
    tickAt(value, Layout.TickPixel(value));
  }
}

void TStyCustomTrackBar::DrawThumb(TCanvas* Canvas, const TStyTrackLayout& Layout, int Value) {
  const TRect r = Layout.ThumbRect(Value);
  FThumbRect = r;
  const int w = r.Width(), h = r.Height();
  if (w <= 0 || h <= 0) return;
  FSavedBack->SetSize(w, h);
  FSavedBack->GetCanvas()->CopyRect(TRect(0, 0, w, h), Canvas, r);
  if (FThumb->Empty()) return;
  const int imageWidth = FThumb->GetWidth() / 2;
  const int image = (!GetEnabled() || FDragging) ? 1 : 0;
  const TRect source = Bounds(image * imageWidth, 0, imageWidth, FThumb->GetHeight());
  if (FThumbStyle == tsStandard && FTickMarks == styextcA::tmBoth) {
    Canvas->CopyRect(r, FThumb->GetCanvas(), source);
    return;
  }
  const TColor key = FThumbStyle == tsStandard ? kStyThumbKeyColor : FThumb->GetTransparentColor();
  TBitmap scratch;
  scratch.SetPixelFormat(pf32bit);
  scratch.SetSize(w, h);
  const TRect all(0, 0, w, h);
  TRect painted;
  DrawBitmapRect(scratch.GetCanvas(), all, FSavedBack.get(), 0, clNone, painted);
  DrawBitmapExt(scratch.GetCanvas(), all, FThumb->GetCanvas(), source, dfTransparent, key, nullptr, nullptr, painted);
  Canvas->CopyRect(r, scratch.GetCanvas(), all);
}

void TStyCustomTrackBar::RestoreThumbBackground(TCanvas* Canvas) {
  if (FSavedBack->Empty()) return;
  Canvas->CopyRect(FThumbRect, FSavedBack->GetCanvas(), TRect(0, 0, FSavedBack->GetWidth(), FSavedBack->GetHeight()));
}

void TStyCustomTrackBar::RedrawThumb() {
  if (!HandleAllocated() || !Showing()) return;
  TCanvas* c = GetCanvas();
  if (FThumbRect.Width() > 0 && FThumbRect.Height() > 0) RestoreThumbBackground(c);
  DrawThumb(c, Layout(), CurrentPosition());
}

// Focus: a dotted frame in FocusColor, or the platform's focus rectangle,
// around the client area; a frame in Color takes an old one away.
void TStyCustomTrackBar::DrawTrackFocus(TCanvas* Canvas, bool Focus) {
  const TRect r = GetClientRect();
  Canvas->GetBrush()->SetStyle(bsSolid);
  Canvas->GetBrush()->SetColor(GetColor());
  Canvas->FrameRect(r);
  if (!Focus || FFocusStyle != tbFocus) return;
  if (FUseFocusColor) {
    Canvas->GetPen()->SetStyle(psDot);
    Canvas->GetPen()->SetWidth(1);
    Canvas->GetPen()->SetMode(pmCopy);
    Canvas->GetPen()->SetColor(FColors[3]);
    Canvas->GetBrush()->SetStyle(bsClear);
    Canvas->Rectangle(r);
    Canvas->GetPen()->SetStyle(psSolid);
    Canvas->GetBrush()->SetStyle(bsSolid);
  } else {
    Canvas->DrawFocusRect(r);
  }
}

void TStyCustomTrackBar::DoEnter() {
  TStyCustomPanel::DoEnter();
  if (UsesParentBackground())
    Repaint();
  else if (HandleAllocated())
    DrawTrackFocus(GetCanvas(), true);
}

void TStyCustomTrackBar::DoExit() {
  TStyCustomPanel::DoExit();
  if (UsesParentBackground())
    Repaint();
  else if (HandleAllocated())
    DrawTrackFocus(GetCanvas(), false);
}

void TStyCustomTrackBar::CMEnabledChanged(TMessage& m) {
  InheritedMessage(m);
  Repaint();
}
