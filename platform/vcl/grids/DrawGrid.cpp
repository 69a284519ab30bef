#include "platform/vcl/grids/DrawGrid.h"

#include "platform/vcl/graphics/Canvas.h"

TDrawGrid::TDrawGrid(TComponent* AOwner) : TCustomGrid(AOwner) {}

void TDrawGrid::Publish(TPublisher<TDrawGrid>& p) {
  p.Prop("BorderStyle", &TDrawGrid::GetBorderStyle, &TDrawGrid::SetBorderStyle).Default(bsSingle);
  p.Prop("ColCount", &TDrawGrid::GetColCount, &TDrawGrid::SetColCount).Default(5);
  p.Prop("DefaultColWidth", &TDrawGrid::GetDefaultColWidth, &TDrawGrid::SetDefaultColWidth).Default(64);
  p.Prop("DefaultRowHeight", &TDrawGrid::GetDefaultRowHeight, &TDrawGrid::SetDefaultRowHeight).Default(24);
  p.Prop("DefaultDrawing", &TDrawGrid::GetDefaultDrawing, &TDrawGrid::SetDefaultDrawing).Default(true);
  p.Prop("FixedColor", &TDrawGrid::GetFixedColor, &TDrawGrid::SetFixedColor).Idents("TColor").Default(clBtnFace);
  p.Prop("FixedCols", &TDrawGrid::GetFixedCols, &TDrawGrid::SetFixedCols).Default(1);
  p.Prop("RowCount", &TDrawGrid::GetRowCount, &TDrawGrid::SetRowCount).Default(5);
  p.Prop("FixedRows", &TDrawGrid::GetFixedRows, &TDrawGrid::SetFixedRows).Default(1);
  p.Prop("GridLineWidth", &TDrawGrid::GetGridLineWidth, &TDrawGrid::SetGridLineWidth).Default(1);
  p.Prop("Options", &TDrawGrid::GetOptions, &TDrawGrid::SetOptions)
      .Default(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect});
  p.Prop("ScrollBars", &TDrawGrid::GetScrollBars, &TDrawGrid::SetScrollBars).Default(ssBoth);
  p.Prop("OnDrawCell", &TDrawGrid::OnDrawCell);
  p.Prop("OnGetEditText", &TDrawGrid::OnGetEditText);
  p.Prop("OnSelectCell", &TDrawGrid::OnSelectCell);
  p.Prop("OnSetEditText", &TDrawGrid::OnSetEditText);
  p.Prop("OnTopLeftChanged", &TDrawGrid::OnTopLeftChanged);
}

void TDrawGrid::DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) {
  if (OnDrawCell) OnDrawCell(this, ACol, ARow, ARect, AState);
}

bool TDrawGrid::SelectCell(int ACol, int ARow) {
  bool canSelect = true;
  if (OnSelectCell) OnSelectCell(this, ACol, ARow, canSelect);
  return canSelect;
}

std::string TDrawGrid::GetEditText(int ACol, int ARow) {
  std::string value;
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, value);
  return value;
}

void TDrawGrid::SetEditText(int ACol, int ARow, const std::string& value) {
  if (OnSetEditText) OnSetEditText(this, ACol, ARow, value);
}

void TDrawGrid::TopLeftChanged() {
  if (OnTopLeftChanged) OnTopLeftChanged(this);
}

// ---- String grid ------------------------------------------------------------

TStringGrid::TStringGrid(TComponent* AOwner) : TDrawGrid(AOwner) {}

const TStringGrid::Cell* TStringGrid::Find(int ACol, int ARow) const {
  if (ACol < 0 || ACol >= GetColCount() || ARow < 0 || ARow >= GetRowCount())
    throw EInvalidGridOperation("Grid index out of range");
  if (ARow >= static_cast<int>(FCells.size()) || ACol >= static_cast<int>(FCells[ARow].size())) return nullptr;
  return &FCells[ARow][ACol];
}

TStringGrid::Cell& TStringGrid::At(int ACol, int ARow) {
  Find(ACol, ARow);  // checks the index
  if (ARow >= static_cast<int>(FCells.size())) FCells.resize(ARow + 1);
  if (ACol >= static_cast<int>(FCells[ARow].size())) FCells[ARow].resize(ACol + 1);
  return FCells[ARow][ACol];
}

std::string TStringGrid::GetCells(int ACol, int ARow) const {
  const Cell* cell = Find(ACol, ARow);
  return cell ? cell->Text : std::string();
}

void TStringGrid::SetCells(int ACol, int ARow, const std::string& value) {
  const Cell* cell = Find(ACol, ARow);
  if ((cell ? cell->Text : std::string()) == value) return;
  At(ACol, ARow).Text = value;
  InvalidateCell(ACol, ARow);
  if (FStoringEdit == 0 && IsEditorCell(ACol, ARow)) InvalidateEditor();
}

TObject* TStringGrid::GetObjects(int ACol, int ARow) const {
  const Cell* cell = Find(ACol, ARow);
  return cell ? cell->Object : nullptr;
}

void TStringGrid::SetObjects(int ACol, int ARow, TObject* value) {
  if (GetObjects(ACol, ARow) == value) return;
  At(ACol, ARow).Object = value;
}

void TStringGrid::SizeChanged(int oldColCount, int oldRowCount) {
  (void)oldColCount;
  (void)oldRowCount;
  // Cells outside the new size go; the others keep their contents.
  if (static_cast<int>(FCells.size()) > GetRowCount()) FCells.resize(GetRowCount());
  for (auto& row : FCells)
    if (static_cast<int>(row.size()) > GetColCount()) row.resize(GetColCount());
}

void TStringGrid::DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) {
  if (GetDefaultDrawing()) {
    const Cell* cell = Find(ACol, ARow);
    if (cell && !cell->Text.empty()) GetCanvas()->TextRect(ARect, ARect.Left + 2, ARect.Top + 2, cell->Text);
  }
  inherited::DrawCell(ACol, ARow, ARect, AState);
}

std::string TStringGrid::GetEditText(int ACol, int ARow) {
  std::string value = GetCells(ACol, ARow);
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, value);
  return value;
}

void TStringGrid::SetEditText(int ACol, int ARow, const std::string& value) {
  FStoringEdit++;
  try {
    SetCells(ACol, ARow, value);
  } catch (...) {
    FStoringEdit--;
    throw;
  }
  FStoringEdit--;
  inherited::SetEditText(ACol, ARow, value);
}
