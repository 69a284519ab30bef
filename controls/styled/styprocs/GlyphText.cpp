#include "controls/styled/styprocs/GlyphText.h"

#include <algorithm>

#include "controls/styled/styclass/StyLayouts.h"
#include "controls/styled/stygraph/Captions.h"
#include "controls/styled/styprocs/Blit.h"
#include "controls/styled/styprocs/Frames.h"
#include "controls/styled/styprocs/Text3D.h"
#include "platform/win/windows.h"

namespace {

TRect Moved(const TRect& r, int dx, int dy) {
  return TRect(r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy);
}
TRect Grown(const TRect& r, int d) {
  return TRect(r.Left - d, r.Top - d, r.Right + d, r.Bottom + d);
}
TRect Union(const TRect& a, const TRect& b) {
  return TRect(std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
               std::max(a.Bottom, b.Bottom));
}

}  // namespace

void DrawGlyphText(TCanvas* Canvas, const std::string& Text, TSty3DCaption* Caption, const TRect& R,
                   TCanvas* GlyphCanvas, TRect& GlyphRect, TCanvas* MaskCanvas, TColor TransparentColor,
                   TStyGlyphTextLayout* Layout, bool MultiLine, bool ShowAccel, bool TransparentGlyph,
                   std::uint16_t Flags, UINT Format) {
  TRect result = R;
  bool chosen = false;
  const TRect glyphSource = GlyphRect;
  const bool hasGlyph = GlyphCanvas && glyphSource.Width() > 0 && glyphSource.Height() > 0;
  const bool hasText = !Text.empty();
  const int spacing = (hasGlyph != hasText) ? 0 : Layout->GetSpacing();
  const bool measureOnly = Flags & gfMeasureOnly;

  TRect TR, GR;
  if (hasText) {
    TR = TRect(0, 0, R.Width(), 0);
    MeasureText3D(Text, Caption, TR, Canvas->GetFont(), MultiLine, ShowAccel, 0, Format);
  }
  if (hasGlyph) GR = TRect(0, 0, glyphSource.Width(), glyphSource.Height());

  auto* button = dynamic_cast<TStyButtonLayout*>(Layout);
  const bool arrow = button && button->GetArrow();
  const int arrowSize = arrow ? button->GetArrowSize() : 0;
  const int A = 2 * arrowSize - 1;
  const TStyArrowPosition arrowPos = arrow ? button->GetArrowPosition() : apRightText;
  if (arrow) {
    if (arrowPos == apRightText || arrowPos == apLeftText)
      TR.Right += A + button->GetArrowIndent();
    else
      GR.Right += A + button->GetArrowIndent();
  }

  const TStyTextArrange arrange = Layout->GetAlignText2Glyph();
  const bool horizontal = arrange <= taRightTop;
  int t = 0, g = 0;
  TRect box;
  if (horizontal) {
    const int h = std::max(TR.Height(), GR.Height());
    t = (h - TR.Height()) / 2;
    g = (h - GR.Height()) / 2;
    box = TRect(0, 0, TR.Width() + spacing + GR.Width(), h);
  } else {
    const int w = std::max(TR.Width(), GR.Width());
    t = (w - TR.Width()) / 2;
    g = (w - GR.Width()) / 2;
    box = TRect(0, 0, w, TR.Height() + spacing + GR.Height());
  }
  TPoint tp, gp;
  switch (arrange) {
    case taLeft: tp = TPoint(0, t), gp = TPoint(TR.Width() + spacing, g); break;
    case taLeftTop: tp = TPoint(0, t), gp = TPoint(TR.Width() + spacing, 0); break;
    case taRight: tp = TPoint(GR.Width() + spacing, t), gp = TPoint(0, g); break;
    case taRightTop: tp = TPoint(GR.Width() + spacing, t), gp = TPoint(0, 0); break;
    case taTop: tp = TPoint(t, 0), gp = TPoint(g, TR.Height() + spacing); break;
    case taTopLeft: tp = TPoint(t, 0), gp = TPoint(0, TR.Height() + spacing); break;
    case taBottom: tp = TPoint(t, GR.Height() + spacing), gp = TPoint(g, 0); break;
    case taBottomLeft: tp = TPoint(t, GR.Height() + spacing), gp = TPoint(0, 0); break;
  }
  TR = Bounds(tp.X, tp.Y, TR.Width(), TR.Height());
  GR = Bounds(gp.X, gp.Y, GR.Width(), GR.Height());

  if (Flags & gfKeepTopLeft) {
    TR = Moved(TR, R.Left, R.Top);
    GR = Moved(GR, R.Left, R.Top);
  } else {
    TRect placed;
    AlignRect(Layout->GetAlignment(), box, R, placed);
    TR = Moved(TR, placed.Left + 1, placed.Top + 1);
    GR = Moved(GR, placed.Left, placed.Top);
    if (arrow && arrowPos == apLeftText) TR = Moved(TR, button->GetArrowIndent() + A, 0);
  }
  UINT format = Format | DT_WORDBREAK | DT_EXPANDTABS;
  if (MultiLine) format |= AlignmentFormats[Layout->GetAlignment()];
  TR = Moved(TR, Layout->GetOffsetX(), Layout->GetOffsetY());
  GR = Moved(GR, Layout->GetOffsetX(), Layout->GetOffsetY());

  if (hasText && !measureOnly) DrawText3D(Canvas, Text, Caption, TR, format, Flags, nullptr);
  if (Flags & gfReportText) {
    result = Grown(TR, 1);
    chosen = true;
  }
  const bool enabled = Flags & 0x0002;
  auto arrowTop = [&](const TRect& part) { return part.Top + part.Height() / 2 - arrowSize / 2; };
  if (arrow && !measureOnly) {
    if (arrowPos == apRightText) {
      const int x = MultiLine ? TR.Right - (arrowSize + 1) : TR.Right - A - 1;
      DrawArrow(Canvas, x, arrowTop(TR), arrowSize, button->GetArrowColor(), true, enabled);
    } else if (arrowPos == apLeftText) {
      DrawArrow(Canvas, TR.Left - (button->GetArrowIndent() + A), arrowTop(TR), arrowSize, button->GetArrowColor(),
                true, enabled);
    }
  }
  if (arrow && arrowPos == apLeftGlyph) GR = Moved(GR, button->GetArrowIndent() + A, 0);
  if (hasGlyph && !measureOnly) {
    std::uint16_t blit = 0;
    TPersistent* aux = nullptr;
    if (MaskCanvas) {
      blit = dfMask;
      aux = MaskCanvas;
    } else if (TransparentGlyph) {
      blit = dfTransparent;
    }
    TRect painted;
    const TRect dest(GR.Left, GR.Top, GR.Left + glyphSource.Width(), GR.Top + glyphSource.Height());
    DrawBitmapExt(Canvas, dest, GlyphCanvas, glyphSource, blit, TransparentColor, nullptr, aux, painted);
  }
  if (Flags & gfReportGlyph) {
    result = GR;
    chosen = true;
  }
  if (Flags & gfReportUnion || measureOnly) {
    result = Union(GR, Grown(TR, 1));
    chosen = true;
  }
  if (arrow && !measureOnly) {
    if (arrowPos == apRightGlyph)
      DrawArrow(Canvas, GR.Right - A, arrowTop(GR), arrowSize, button->GetArrowColor(), true, enabled);
    else if (arrowPos == apLeftGlyph)
      DrawArrow(Canvas, GR.Left - (button->GetArrowIndent() + A), arrowTop(GR), arrowSize, button->GetArrowColor(),
                true, enabled);
  }
  if (!chosen) result = Grown(R, -1);
  if (measureOnly) result = Grown(result, 1);
  GlyphRect = result;
}
