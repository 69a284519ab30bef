#include "controls/styled/styextcA/TrackThumbs.h"

#include <vector>

#include "controls/styled/styprocs/Frames.h"

namespace {

constexpr TColor kInnerShade = static_cast<TColor>(0x808080);

// The brush of one image: the thumb colour, or the checker pattern when pressed.
void SetFace(TCanvas* c, TColor Color, TBitmap* Pattern) {
  if (Pattern) {
    c->GetBrush()->SetBitmap(Pattern);
  } else {
    c->GetBrush()->SetBitmap(nullptr);
    c->GetBrush()->SetStyle(bsSolid);
    c->GetBrush()->SetColor(Color);
  }
}

void Pen(TCanvas* c, TColor Color) {
  c->GetPen()->SetStyle(psSolid);
  c->GetPen()->SetWidth(1);
  c->GetPen()->SetMode(pmCopy);
  c->GetPen()->SetColor(Color);
}

void Path(TCanvas* c, TColor Color, std::initializer_list<TPoint> points) {
  Pen(c, Color);
  const TPoint* p = points.begin();
  c->MoveTo(p->X, p->Y);
  for (++p; p != points.end(); ++p) c->LineTo(p->X, p->Y);
}

// One pointer image of w by h + 1 pixels at its own origin, following the
// marks: the face outlined in white, its dark edge ending in a black tip,
// and a grey inner shade along that edge.
void DrawPointer(TCanvas* c, TStyOrientation Orientation, TStyTickMarks Marks, int w, int h) {
  const int cc = Orientation == toVertical ? h / 2 : w / 2;
  Pen(c, clWhite);
  if (Orientation == toHorizontal && Marks != styextcA::tmTopLeft) {  // points down
    c->Polygon({{0, 2}, {0, h - cc}, {cc, h}, {w - 1, h - cc}, {w - 1, 2}});
    Path(c, clWhite, {{0, h - cc}, {cc + 1, h + 1}});
    Path(c, clBlack, {{w - 1, 2}, {w - 1, h - cc}, {cc, h}});
    c->SetPixels(cc, h, clBlack);
    Path(c, kInnerShade, {{w - 2, 3}, {w - 2, h - cc}, {cc, h - 1}});
  } else if (Orientation == toHorizontal) {  // points up
    c->Polygon({{0, h - 2}, {0, cc}, {cc, 0}, {w - 1, cc}, {w - 1, h - 2}});
    Path(c, clWhite, {{0, cc}, {cc, 0}});
    Path(c, clBlack, {{0, h - 2}, {w - 1, h - 2}, {w - 1, cc}, {cc, 0}});
    c->SetPixels(cc, 0, clBlack);
    Path(c, kInnerShade, {{1, h - 3}, {w - 2, h - 3}, {w - 2, cc}, {cc, 1}});
  } else if (Marks != styextcA::tmTopLeft) {  // points right
    c->Polygon({{2, 0}, {2, h - 1}, {w - cc, h - 1}, {w, cc}, {w - cc, 0}, {2, 0}});
    Path(c, clBlack, {{2, h - 1}, {w - cc, h - 1}, {w, cc}});
    c->SetPixels(w, cc, clBlack);
    Path(c, kInnerShade, {{3, h - 2}, {w - cc, h - 2}, {w - 1, cc}});
  } else {  // points left
    c->Polygon({{w - 2, 0}, {w - 2, h - 1}, {cc, h - 1}, {0, cc}, {cc, 0}});
    Path(c, clWhite, {{0, cc - 1}, {cc - 1, 0}, {cc, 0}});
    Path(c, clBlack, {{w - 2, 0}, {w - 2, h - 1}, {cc, h - 1}, {0, cc}});
    c->SetPixels(0, cc, clBlack);
    Path(c, kInnerShade, {{w - 3, 1}, {w - 3, h - 2}, {cc, h - 2}, {1, cc}});
  }
}

}  // namespace

void BuildStandardThumb(TBitmap* Thumb, TStyOrientation Orientation, TStyTickMarks Marks, int TrackWidth, TColor Color,
                        TBitmap* Pattern) {
  int w = Orientation == toHorizontal ? TrackWidth : TrackWidth + 8;
  int h = Orientation == toHorizontal ? TrackWidth + 8 : TrackWidth;
  const bool block = Marks == styextcA::tmBoth;
  if (!block) {
    w |= 1;
    h |= 1;
  }
  const int imageHeight = block ? h : h + 1;
  // Each image is drawn on its own sheet so that the pattern starts at its corner.
  TBitmap image;
  image.SetPixelFormat(pf32bit);
  image.SetSize(w, imageHeight);
  Thumb->SetPixelFormat(pf32bit);
  Thumb->SetSize(2 * w, imageHeight);
  for (int pressed = 0; pressed < 2; ++pressed) {
    TCanvas* c = image.GetCanvas();
    const TRect all(0, 0, w, imageHeight);
    c->GetBrush()->SetBitmap(nullptr);
    c->GetBrush()->SetStyle(bsSolid);
    c->GetBrush()->SetColor(block ? Color : kStyThumbKeyColor);
    c->FillRect(all);
    SetFace(c, Color, pressed ? Pattern : nullptr);
    if (block) {
      c->FillRect(all);
      TRect frame = all;
      DrawBorderStyle(c, frame, lsRaisedExt, 0);
    } else {
      DrawPointer(c, Orientation, Marks, w, h);
    }
    c->GetBrush()->SetBitmap(nullptr);
    Thumb->GetCanvas()->CopyRect(Bounds(pressed * w, 0, w, imageHeight), c, all);
  }
}
