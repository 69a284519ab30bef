// TCustomGrid's painting: the cells shown, each filled (when DefaultDrawing)
// and drawn by DrawCell, the grid lines after them, and the focus frame.
#include <algorithm>

#include "platform/vcl/grids/CustomGrid.h"
#include "platform/vcl/grids/GridAxis.h"
#include "platform/vcl/grids/InplaceEdit.h"
#include "platform/win/windows.h"
#include "platform/win/winuser_draw.h"

namespace {
// Fixed cells are divided by dark lines, the others by light ones.
constexpr TColor kFixedLineColor = clBlack;
constexpr TColor kLineColor = clSilver;

std::vector<int> Shown(const vcl::grids::GridAxis& axis) {
  std::vector<int> shown;
  for (int i = 0; i < axis.fixed; i++) shown.push_back(i);
  int a, b;
  for (int i = axis.first; i < axis.count && axis.Span(i, a, b); i++) shown.push_back(i);
  return shown;
}
}  // namespace

bool TCustomGrid::Focused_() {
  if (!HandleAllocated()) return false;
  HWND focus = GetFocus();
  return focus == FHandle || (FInplaceEdit && FInplaceEdit->HandleAllocated() && focus == FInplaceEdit->GetHandle());
}

void TCustomGrid::Paint() {
  TCanvas* canvas = GetCanvas();
  TRect client = GetClientRect();
  canvas->GetBrush()->SetStyle(bsSolid);
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(client);

  auto cols = ColAxis();
  auto rows = RowAxis();
  int colLine = cols.line;
  int rowLine = rows.line;
  bool focused = Focused_();
  TGridRect selection = GetSelection();
  TRect focusRect;
  bool drawFocus = false;

  for (int r : Shown(rows)) {
    for (int c : Shown(cols)) {
      TRect rect = CellRect(c, r);
      TGridDrawState state;
      bool fixed = c < FFixedCols || r < FFixedRows;
      if (fixed) {
        state.Include(gdFixed);
      } else {
        if (selection.Contains(c, r)) state.Include(gdSelected);
        if (focused && c == FCurrent.X && r == FCurrent.Y) state.Include(gdFocused);
      }
      // The current cell of a focused grid is framed, not filled, unless
      // asked for.
      bool highlight =
          state.Contains(gdSelected) &&
          (!state.Contains(gdFocused) || FOptions.Contains(goDrawFocusSelected) || FOptions.Contains(goRowSelect));
      TColor background = fixed ? FFixedColor : highlight ? clHighlight : GetColor();
      canvas->SetFont(GetFont());
      if (FDefaultDrawing) {
        canvas->GetBrush()->SetStyle(bsSolid);
        canvas->GetBrush()->SetColor(background);
        if (highlight) canvas->GetFont()->SetColor(clHighlightText);
        canvas->FillRect(rect);
      }
      DrawCell(c, r, rect, state);
      if (FDefaultDrawing && fixed && GetCtl3D()) {
        RECT edge = rect;
        DrawEdge(canvas->GetHandle(), &edge, BDR_RAISEDINNER, BF_BOTTOMRIGHT);
        DrawEdge(canvas->GetHandle(), &edge, BDR_RAISEDINNER, BF_TOPLEFT);
      }
      if (state.Contains(gdFocused) && !FOptions.Contains(goRowSelect) && !FEditorMode) {
        focusRect = rect;
        drawFocus = true;
      }
      // The lines after the cell: the vertical one runs through the corner.
      canvas->GetBrush()->SetStyle(bsSolid);
      bool vert = FOptions.Contains(fixed ? goFixedVertLine : goVertLine);
      bool horz = FOptions.Contains(fixed ? goFixedHorzLine : goHorzLine);
      TColor line = fixed ? kFixedLineColor : kLineColor;
      if (colLine > 0) {
        canvas->GetBrush()->SetColor(vert ? line : background);
        canvas->FillRect(TRect(rect.Right, rect.Top, rect.Right + colLine, rect.Bottom + rowLine));
      }
      if (rowLine > 0) {
        canvas->GetBrush()->SetColor(horz ? line : background);
        canvas->FillRect(TRect(rect.Left, rect.Bottom, rect.Right, rect.Bottom + rowLine));
      }
    }
  }
  if (drawFocus && FDefaultDrawing) {
    canvas->GetBrush()->SetColor(GetColor());
    canvas->GetFont()->SetColor(GetFont()->GetColor());
    canvas->DrawFocusRect(focusRect);
  }
}
