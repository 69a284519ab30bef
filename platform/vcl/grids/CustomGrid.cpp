// TCustomGrid: sizes, current cell and selection, view and scroll bars.
// Painting, keys, mouse and the editor are in CustomGridInput.cpp and
// CustomGridPaint.cpp.
#include "platform/vcl/grids/CustomGrid.h"

#include <algorithm>

#include "platform/vcl/classes/components/WeakRef.h"
#include "platform/vcl/grids/GridAxis.h"
#include "platform/vcl/grids/InplaceEdit.h"
#include "platform/win/windows.h"

namespace {
constexpr const char* kIndexOutOfRange = "Grid index out of range";
}  // namespace

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner) {
  FWidth = 320;
  FHeight = 120;
  FTabStop = true;
  FColor = clWindow;
  FBrush->SetColor(FColor);
  FParentColor = false;
  FControlStyle = TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks, csClickEvents};
}

TCustomGrid::~TCustomGrid() {
  delete FInplaceEdit;
  FInplaceEdit = nullptr;
}

// ---- Layout ------------------------------------------------------------------

vcl::grids::GridAxis TCustomGrid::ColAxis() {
  TRect client = GetClientRect();
  int line = FOptions.Contains(goFixedVertLine) || FOptions.Contains(goVertLine) ? FGridLineWidth : 0;
  return {FColCount, FFixedCols, FTopLeft.X, line, FDefaultColWidth, &FColWidths, client.Width()};
}

vcl::grids::GridAxis TCustomGrid::RowAxis() {
  TRect client = GetClientRect();
  int line = FOptions.Contains(goFixedHorzLine) || FOptions.Contains(goHorzLine) ? FGridLineWidth : 0;
  return {FRowCount, FFixedRows, FTopLeft.Y, line, FDefaultRowHeight, &FRowHeights, client.Height()};
}

TRect TCustomGrid::CellRect(int ACol, int ARow) {
  int left, right, top, bottom;
  if (!ColAxis().Span(ACol, left, right) || !RowAxis().Span(ARow, top, bottom)) return TRect();
  return TRect(left, top, right, bottom);
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) {
  TGridCoord cell{ColAxis().CellAt(X), RowAxis().CellAt(Y)};
  if (cell.X < 0 || cell.Y < 0) return {-1, -1};
  return cell;
}

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) {
  TGridCoord cell = MouseCoord(X, Y);
  ACol = cell.X;
  ARow = cell.Y;
}

int TCustomGrid::GetVisibleColCount() {
  return ColAxis().FullyVisible();
}

int TCustomGrid::GetVisibleRowCount() {
  return RowAxis().FullyVisible();
}

int TCustomGrid::MaxLeftCol() {
  return ColAxis().MaxFirst();
}

int TCustomGrid::MaxTopRow() {
  return RowAxis().MaxFirst();
}

// ---- Sizes ---------------------------------------------------------------------

void TCustomGrid::SetColCount(int value) {
  value = std::max(1, value);
  if (value == FColCount) return;
  int old = FColCount;
  FColCount = value;
  if (FFixedCols >= value) FFixedCols = value - 1;
  SizeArrays(old, FRowCount);
}

void TCustomGrid::SetRowCount(int value) {
  value = std::max(1, value);
  if (value == FRowCount) return;
  int old = FRowCount;
  FRowCount = value;
  if (FFixedRows >= value) FFixedRows = value - 1;
  SizeArrays(FColCount, old);
}

void TCustomGrid::SizeArrays(int oldColCount, int oldRowCount) {
  if (!FColWidths.empty()) FColWidths.resize(FColCount, FDefaultColWidth);
  if (!FRowHeights.empty()) FRowHeights.resize(FRowCount, FDefaultRowHeight);
  auto clampCell = [this](TGridCoord& c) {
    c.X = std::clamp(c.X, FFixedCols, FColCount - 1);
    c.Y = std::clamp(c.Y, FFixedRows, FRowCount - 1);
  };
  clampCell(FCurrent);
  clampCell(FAnchor);
  clampCell(FTopLeft);
  SizeChanged(oldColCount, oldRowCount);
  LayoutChanged();
}

void TCustomGrid::SetFixedCols(int value) {
  if (value == FFixedCols) return;
  if (value < 0) throw EInvalidGridOperation(kIndexOutOfRange);
  if (value >= FColCount) throw EInvalidGridOperation("Fixed column count must be less than column count");
  FFixedCols = value;
  FCurrent.X = FAnchor.X = FTopLeft.X = value;
  LayoutChanged();
}

void TCustomGrid::SetFixedRows(int value) {
  if (value == FFixedRows) return;
  if (value < 0) throw EInvalidGridOperation(kIndexOutOfRange);
  if (value >= FRowCount) throw EInvalidGridOperation("Fixed row count must be less than row count");
  FFixedRows = value;
  FCurrent.Y = FAnchor.Y = FTopLeft.Y = value;
  LayoutChanged();
}

void TCustomGrid::SetDefaultColWidth(int value) {
  value = std::max(0, value);
  if (value == FDefaultColWidth) return;
  // A new default is every column's width again.
  FDefaultColWidth = value;
  FColWidths.clear();
  LayoutChanged();
}

void TCustomGrid::SetDefaultRowHeight(int value) {
  value = std::max(0, value);
  if (value == FDefaultRowHeight) return;
  FDefaultRowHeight = value;
  FRowHeights.clear();
  LayoutChanged();
}

namespace {
int SizeOf(const std::vector<int>& sizes, int def, int count, int index) {
  if (index < 0 || index >= count) throw EInvalidGridOperation(kIndexOutOfRange);
  return sizes.empty() ? def : sizes[index];
}

// True when the size changed.
bool StoreSize(std::vector<int>& sizes, int def, int count, int index, int value) {
  if (index < 0 || index >= count) throw EInvalidGridOperation(kIndexOutOfRange);
  value = std::max(0, value);
  if ((sizes.empty() ? def : sizes[index]) == value) return false;
  if (sizes.empty()) sizes.assign(count, def);
  sizes[index] = value;
  return true;
}
}  // namespace

int TCustomGrid::GetColWidths(int index) const {
  return SizeOf(FColWidths, FDefaultColWidth, FColCount, index);
}

void TCustomGrid::SetColWidths(int index, int value) {
  if (StoreSize(FColWidths, FDefaultColWidth, FColCount, index, value)) LayoutChanged();
}

int TCustomGrid::GetRowHeights(int index) const {
  return SizeOf(FRowHeights, FDefaultRowHeight, FRowCount, index);
}

void TCustomGrid::SetRowHeights(int index, int value) {
  if (StoreSize(FRowHeights, FDefaultRowHeight, FRowCount, index, value)) LayoutChanged();
}

void TCustomGrid::SetGridLineWidth(int value) {
  value = std::max(0, value);
  if (value == FGridLineWidth) return;
  FGridLineWidth = value;
  LayoutChanged();
}

void TCustomGrid::SetOptions(TGridOptions value) {
  if (value == FOptions) return;
  FOptions = value;
  if (!FOptions.Contains(goEditing)) HideEditor();
  LayoutChanged();
}

void TCustomGrid::SetFixedColor(TColor value) {
  if (value == FFixedColor) return;
  FFixedColor = value;
  InvalidateGrid();
}

void TCustomGrid::SetDefaultDrawing(bool value) {
  if (value == FDefaultDrawing) return;
  FDefaultDrawing = value;
  InvalidateGrid();
}

void TCustomGrid::SetScrollBars(TScrollStyle value) {
  if (value == FScrollBars) return;
  FScrollBars = value;
  UpdateScrollBars();
}

void TCustomGrid::SetBorderStyle(TBorderStyle value) {
  if (value == FBorderStyle) return;
  FBorderStyle = value;
  RecreateWnd();
}

// Everything may have moved: cells, the view's limits, the scroll bars and
// the editor.
void TCustomGrid::LayoutChanged() {
  InvalidateGrid();
  UpdateScrollBars();
  MoveTopLeft(FTopLeft.X, FTopLeft.Y);
  UpdateEditor();
}

// ---- Current cell and selection ---------------------------------------------------

TGridRect TCustomGrid::GetSelection() const {
  TGridRect r{std::min(FAnchor.X, FCurrent.X), std::min(FAnchor.Y, FCurrent.Y), std::max(FAnchor.X, FCurrent.X),
              std::max(FAnchor.Y, FCurrent.Y)};
  if (FOptions.Contains(goRowSelect)) {
    r.Left = FFixedCols;
    r.Right = FColCount - 1;
  }
  return r;
}

void TCustomGrid::SetSelection(TGridRect value) {
  auto clampCol = [this](int c) { return std::clamp(c, FFixedCols, FColCount - 1); };
  auto clampRow = [this](int r) { return std::clamp(r, FFixedRows, FRowCount - 1); };
  TGridCoord anchor{clampCol(std::min(value.Left, value.Right)), clampRow(std::min(value.Top, value.Bottom))};
  TGridCoord current{clampCol(std::max(value.Left, value.Right)), clampRow(std::max(value.Top, value.Bottom))};
  if (anchor == FAnchor && current == FCurrent) return;
  TGridRect old = GetSelection();
  TGridCoord oldCurrent = FCurrent;
  FAnchor = anchor;
  FCurrent = current;
  SelectionMoved(old);
  if (!(oldCurrent == FCurrent)) {
    InvalidateCell(oldCurrent.X, oldCurrent.Y);
    InvalidateCell(FCurrent.X, FCurrent.Y);
    UpdateEditor();
  }
}

void TCustomGrid::SetCol(int value) {
  if (value == FCurrent.X) return;
  MoveCurrent(value, FCurrent.Y, true, true);
}

void TCustomGrid::SetRow(int value) {
  if (value == FCurrent.Y) return;
  MoveCurrent(FCurrent.X, value, true, true);
}

bool TCustomGrid::SelectCell(int ACol, int ARow) {
  (void)ACol;
  (void)ARow;
  return true;
}

bool TCustomGrid::MoveCurrent(int ACol, int ARow, bool moveAnchor, bool show) {
  if (ACol < FFixedCols || ACol >= FColCount || ARow < FFixedRows || ARow >= FRowCount)
    throw EInvalidGridOperation(kIndexOutOfRange);
  TWeakRef<TCustomGrid> self(this);
  if (!SelectCell(ACol, ARow) || !self) return false;
  TGridRect old = GetSelection();
  TGridCoord oldCurrent = FCurrent;
  FCurrent = {ACol, ARow};
  if (moveAnchor || !FOptions.Contains(goRangeSelect)) FAnchor = FCurrent;
  if (show) ClampInView(FCurrent);
  SelectionMoved(old);
  InvalidateCell(oldCurrent.X, oldCurrent.Y);
  InvalidateCell(FCurrent.X, FCurrent.Y);
  if (!(oldCurrent == FCurrent)) UpdateEditor();
  if (FOptions.Contains(goAlwaysShowEditor) && Focused_()) ShowEditor();
  return true;
}

void TCustomGrid::MoveAnchor(int ACol, int ARow) {
  if (!FOptions.Contains(goRangeSelect) || FOptions.Contains(goEditing)) {
    MoveCurrent(ACol, ARow, true, true);
    return;
  }
  TGridCoord anchor{std::clamp(ACol, FFixedCols, FColCount - 1), std::clamp(ARow, FFixedRows, FRowCount - 1)};
  if (anchor == FAnchor) return;
  TGridRect old = GetSelection();
  FAnchor = anchor;
  ClampInView(anchor);
  SelectionMoved(old);
}

void TCustomGrid::SelectionMoved(const TGridRect& old) {
  TGridRect now = GetSelection();
  if (old == now || !HandleAllocated()) return;
  // Only the cells whose selected state changed are drawn again.
  for (int r = std::min(old.Top, now.Top); r <= std::max(old.Bottom, now.Bottom); r++)
    for (int c = std::min(old.Left, now.Left); c <= std::max(old.Right, now.Right); c++)
      if (old.Contains(c, r) != now.Contains(c, r)) InvalidateCell(c, r);
}

// ---- View ------------------------------------------------------------------------

void TCustomGrid::SetTopRow(int value) {
  MoveTopLeft(FTopLeft.X, value);
}

void TCustomGrid::SetLeftCol(int value) {
  MoveTopLeft(value, FTopLeft.Y);
}

void TCustomGrid::MoveTopLeft(int col, int row) {
  col = std::clamp(col, FFixedCols, std::max(FFixedCols, MaxLeftCol()));
  row = std::clamp(row, FFixedRows, std::max(FFixedRows, MaxTopRow()));
  if (col == FTopLeft.X && row == FTopLeft.Y) return;
  FTopLeft = {col, row};
  InvalidateGrid();
  UpdateScrollBars();
  UpdateEditor();
  TopLeftChanged();
}

void TCustomGrid::ClampInView(TGridCoord cell) {
  if (!HandleAllocated()) return;
  auto scrollTo = [](vcl::grids::GridAxis axis, int index) {
    if (index < axis.fixed) return axis.first;
    if (index < axis.first) return index;
    int first = axis.first;
    // Scroll forward until the cell's far edge is inside.
    while (first < index) {
      axis.first = first;
      int a, b;
      if (axis.Span(index, a, b) && b <= axis.extent) break;
      first++;
    }
    return first;
  };
  MoveTopLeft(scrollTo(ColAxis(), cell.X), scrollTo(RowAxis(), cell.Y));
}

void TCustomGrid::UpdateScrollBars() {
  if (!HandleAllocated() || FUpdatingScrollBars > 0) return;
  FUpdatingScrollBars++;
  // Showing one bar narrows the client area, which may call for the other.
  for (int pass = 0; pass < 3; pass++) {
    bool changed = false;
    for (int bar : {SB_HORZ, SB_VERT}) {
      bool vertical = bar == SB_VERT;
      bool allowed = FScrollBars == ssBoth || FScrollBars == (vertical ? ssVertical : ssHorizontal);
      auto axis = vertical ? RowAxis() : ColAxis();
      int maxFirst = axis.MaxFirst();
      SCROLLINFO info{};
      info.cbSize = sizeof(info);
      info.fMask = SIF_ALL;
      if (allowed && maxFirst > axis.fixed) {
        info.nMin = 0;
        info.nMax = axis.count - axis.fixed - 1;
        info.nPage = static_cast<UINT>(axis.count - maxFirst);
        info.nPos = axis.first - axis.fixed;
      }
      TRect before = GetClientRect();
      SetScrollInfo(FHandle, bar, &info, TRUE);
      TRect after = GetClientRect();
      changed = changed || !(before.Right == after.Right && before.Bottom == after.Bottom);
    }
    if (!changed) break;
  }
  FUpdatingScrollBars--;
  int col = std::min(FTopLeft.X, std::max(FFixedCols, MaxLeftCol()));
  int row = std::min(FTopLeft.Y, std::max(FFixedRows, MaxTopRow()));
  if (col != FTopLeft.X || row != FTopLeft.Y) MoveTopLeft(col, row);
}

void TCustomGrid::ScrollMessage(TMessage& m, bool vertical) {
  auto axis = vertical ? RowAxis() : ColAxis();
  int first = axis.first;
  int page = std::max(1, axis.FullyVisible());
  int code = LOWORD(m.WParam);
  switch (code) {
    case SB_LINEUP: first--; break;
    case SB_LINEDOWN: first++; break;
    case SB_PAGEUP: first -= page; break;
    case SB_PAGEDOWN: first += page; break;
    case SB_THUMBTRACK:
      // Following the thumb while it is dragged is an option; otherwise the
      // view moves when it is let go.
      if (!FOptions.Contains(goThumbTracking)) return;
      [[fallthrough]];
    case SB_THUMBPOSITION: {
      SCROLLINFO info{};
      info.cbSize = sizeof(info);
      info.fMask = SIF_TRACKPOS;
      GetScrollInfo(FHandle, vertical ? SB_VERT : SB_HORZ, &info);
      first = axis.fixed + info.nTrackPos;
      break;
    }
    case SB_TOP: first = axis.fixed; break;
    case SB_BOTTOM: first = axis.MaxFirst(); break;
    default: return;
  }
  if (vertical)
    MoveTopLeft(FTopLeft.X, first);
  else
    MoveTopLeft(first, FTopLeft.Y);
}

void TCustomGrid::WMHScroll(TMessage& m) {
  if (m.LParam != 0) {
    InheritedMessage(m);
    return;
  }
  ScrollMessage(m, false);
}

void TCustomGrid::WMVScroll(TMessage& m) {
  if (m.LParam != 0) {
    InheritedMessage(m);
    return;
  }
  ScrollMessage(m, true);
}

// ---- Window --------------------------------------------------------------------

void TCustomGrid::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  params.Style |= WS_TABSTOP;
  if (FBorderStyle == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
  params.WindowClass.style &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

void TCustomGrid::CreateWnd() {
  inherited::CreateWnd();
  UpdateScrollBars();
}

void TCustomGrid::Resize() {
  inherited::Resize();
  UpdateScrollBars();
  UpdateEditor();
}

void TCustomGrid::InvalidateCell(int ACol, int ARow) {
  if (!HandleAllocated()) return;
  TRect r = CellRect(ACol, ARow);
  if (r.Width() <= 0 && r.Height() <= 0) return;
  // The grid lines after the cell belong to it.
  RECT rc{r.Left, r.Top, r.Right + FGridLineWidth, r.Bottom + FGridLineWidth};
  InvalidateRect(FHandle, &rc, FALSE);
}

void TCustomGrid::InvalidateGrid() {
  Invalidate();
}

void TCustomGrid::Loaded() {
  inherited::Loaded();
  LayoutChanged();
}
