// TDrawGrid: a grid whose cells the program draws (OnDrawCell), with the
// published properties and events forms set; TStringGrid: a draw grid
// holding a text and an object per cell, editing its texts in place.
#pragma once

#include <string>
#include <vector>

#include "platform/vcl/grids/CustomGrid.h"

class TDrawGrid : public TCustomGrid {
  DRUMS_CLASS(TDrawGrid, TCustomGrid)

 public:
  explicit TDrawGrid(TComponent* AOwner);

  TDrawCellEvent OnDrawCell;
  TSelectCellEvent OnSelectCell;
  TGetEditEvent OnGetEditText;
  TSetEditEvent OnSetEditText;
  TNotifyEvent OnTopLeftChanged;

  static void Publish(TPublisher<TDrawGrid>& p);

 protected:
  void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
  bool SelectCell(int ACol, int ARow) override;
  std::string GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const std::string& value) override;
  void TopLeftChanged() override;
};

class TStringGrid : public TDrawGrid {
  DRUMS_CLASS(TStringGrid, TDrawGrid)

 public:
  explicit TStringGrid(TComponent* AOwner);

  std::string GetCells(int ACol, int ARow) const;
  // Setting the text of the cell being edited shows it in the editor too.
  void SetCells(int ACol, int ARow, const std::string& value);
  // Not owned: the grid never frees them.
  TObject* GetObjects(int ACol, int ARow) const;
  void SetObjects(int ACol, int ARow, TObject* value);

 protected:
  void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
  std::string GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const std::string& value) override;
  void SizeChanged(int oldColCount, int oldRowCount) override;

 private:
  struct Cell {
    std::string Text;
    TObject* Object = nullptr;
  };
  const Cell* Find(int ACol, int ARow) const;
  Cell& At(int ACol, int ARow);
  // Rows of cells; a row grows when one of its cells is set.
  std::vector<std::vector<Cell>> FCells;
  // The editor's own change is being stored: it has the text already.
  int FStoringEdit = 0;
};
