#include "controls/shell/UNavTreeList/SortHeader.h"

namespace navtreelist {

namespace {

UINT AlignmentFlag(TAlignment alignment) {
  switch (alignment) {
    case taRightJustify: return DT_RIGHT;
    case taCenter: return DT_CENTER;
    default: return DT_LEFT;
  }
}

// Draws the caption into text; with measure, text becomes the caption's extent.
void DrawCaption(TCanvas& canvas, const THeaderItem& item, TRect& text, bool measure) {
  HDC dc = canvas.GetHandle();
  RECT r{text.Left, text.Top, text.Right, text.Bottom};
  int oldMode = SetBkMode(dc, TRANSPARENT);
  DrawTextA(dc, item.Caption.c_str(), -1, &r, DT_SINGLELINE | DT_END_ELLIPSIS | AlignmentFlag(item.Alignment));
  if (measure) {
    DrawTextA(dc, item.Caption.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_RIGHT | DT_END_ELLIPSIS);
    text = TRect(r.left, r.top, r.right, r.bottom);
  }
  SetBkMode(dc, oldMode);
}

// The arrow box moved so that it ends 5 pixels before the text's right edge.
TRect AtRightEnd(const TRect& text) {
  TRect arrow = ArrowRect(text);
  int width = arrow.Right - arrow.Left;
  arrow.Right = text.Right - 5;
  arrow.Left = arrow.Right - width;
  return arrow;
}

bool ArrowFits(const TRect& arrow, const THeaderItem& item) {
  return item.SortColumn && 2 * (arrow.Right - arrow.Left) < item.Rect.Right - item.Rect.Left;
}

}  // namespace

TRect ArrowRect(const TRect& text) {
  int a = (text.Top + text.Bottom) / 2 - 1;
  TRect r;
  r.Left = text.Left;
  r.Right = text.Left + a + 1;
  r.Top = (text.Top + text.Bottom - a) / 2 - 1;
  r.Bottom = r.Top + a;
  return r;
}

void DrawSortArrow(TCanvas& canvas, const TRect& r, bool ascending) {
  int h = (r.Bottom - r.Top - 1) | 1;
  int w = h + 1;
  int left = r.Left, top = r.Top, right = left + w - 1, bottom = top + h - 1, middle = left + w / 2;
  canvas.GetBrush()->SetColor(clBtnFace);
  canvas.FillRect(TRect(left, top, left + w, top + h));
  TPen* pen = canvas.GetPen();
  if (ascending) {
    pen->SetColor(clBtnShadow);
    canvas.MoveTo(left, bottom);
    canvas.LineTo(middle, top);
    pen->SetColor(clBtnHighlight);
    canvas.LineTo(right, bottom);
    canvas.LineTo(left, bottom);
  } else {
    pen->SetColor(clBtnShadow);
    canvas.MoveTo(middle, bottom);
    canvas.LineTo(left, top);
    canvas.LineTo(right, top);
    pen->SetColor(clBtnHighlight);
    canvas.LineTo(middle, bottom);
  }
}

void DrawHeaderItem(TCanvas& canvas, const THeaderItem& item, TNavLvHeaderSortDisplayMode mode) {
  canvas.GetBrush()->SetColor(clBtnFace);
  TRect box(item.Rect.Left + 2, item.Rect.Top + 2, item.Rect.Right - 2, item.Rect.Bottom - 2);
  canvas.FillRect(box);
  TRect text(box.Left + 4, box.Top, box.Right - 4, box.Bottom);
  bool ascending = item.Direction == 1;
  int columnWidth = item.Rect.Right - item.Rect.Left;
  switch (mode) {
    case navlvNone: DrawCaption(canvas, item, text, false); break;
    case navlvLeftAlign:
      if (item.SortColumn && columnWidth > 15) {
        TRect arrow = ArrowRect(text);
        if (ArrowFits(arrow, item)) DrawSortArrow(canvas, arrow, ascending);
        text.Left = arrow.Right + 5;
      }
      DrawCaption(canvas, item, text, false);
      break;
    case navlvRightOfText:
      if (item.Alignment == taRightJustify) {
        if (item.SortColumn) {
          TRect arrow = AtRightEnd(text);
          if (ArrowFits(arrow, item)) DrawSortArrow(canvas, arrow, ascending);
          text.Right = arrow.Left - 4;
        }
        DrawCaption(canvas, item, text, false);
      } else {
        DrawCaption(canvas, item, text, true);
        int width = text.Right - text.Left;
        TRect moved(text.Left + width + 5, text.Top, text.Right + width + 5, text.Bottom);
        TRect arrow = ArrowRect(moved);
        if (ArrowFits(arrow, item)) DrawSortArrow(canvas, arrow, ascending);
      }
      break;
    case navlvRightAlign: {
      TRect arrow = AtRightEnd(text);
      if (ArrowFits(arrow, item)) DrawSortArrow(canvas, arrow, ascending);
      if (item.SortColumn) text.Right = arrow.Left - 4;
      DrawCaption(canvas, item, text, false);
      break;
    }
  }
}

}  // namespace navtreelist
