// TCustomGrid: a windowed control drawn by itself as rows and columns of
// cells, fixed ones (headers that do not scroll) at the top and left, with
// grid lines between cells, a current cell and a selected block, keyboard
// and mouse navigation, scrolling through the window's scroll bars, and an
// in-place editor over the current cell.
//
// The current cell moves through SelectCell, which may refuse the move; the
// selection set from code (SetSelection) moves it without asking.
#pragma once

#include <string>
#include <vector>

#include "platform/vcl/controls/CustomControl.h"
#include "platform/vcl/grids/GridTypes.h"
#include "platform/vcl/rtl/Exceptions.h"

// A grid asked for a cell, size or count it cannot have.
DRUMS_DECLARE_EXCEPTION(EInvalidGridOperation, Exception);

class TInplaceEdit;
namespace vcl::grids {
struct GridAxis;
}
class TFiler;
class TReader;
class TWriter;

class TCustomGrid : public TCustomControl {
  DRUMS_CLASS(TCustomGrid, TCustomControl)
  DRUMS_MESSAGE_MAP(TCustomGrid)

 public:
  explicit TCustomGrid(TComponent* AOwner);
  ~TCustomGrid() override;

  // Size -------------------------------------------------------------------
  int GetColCount() const { return FColCount; }
  void SetColCount(int value);
  int GetRowCount() const { return FRowCount; }
  void SetRowCount(int value);
  int GetFixedCols() const { return FFixedCols; }
  void SetFixedCols(int value);
  int GetFixedRows() const { return FFixedRows; }
  void SetFixedRows(int value);
  int GetDefaultColWidth() const { return FDefaultColWidth; }
  void SetDefaultColWidth(int value);
  int GetDefaultRowHeight() const { return FDefaultRowHeight; }
  void SetDefaultRowHeight(int value);
  int GetColWidths(int index) const;
  void SetColWidths(int index, int value);
  int GetRowHeights(int index) const;
  void SetRowHeights(int index, int value);
  int GetGridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(int value);

  // Look -------------------------------------------------------------------
  TGridOptions GetOptions() const { return FOptions; }
  void SetOptions(TGridOptions value);
  TColor GetFixedColor() const { return FFixedColor; }
  void SetFixedColor(TColor value);
  bool GetDefaultDrawing() const { return FDefaultDrawing; }
  void SetDefaultDrawing(bool value);
  TScrollStyle GetScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle value);
  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);

  // Current cell, selection, view ---------------------------------------------
  int GetCol() const { return FCurrent.X; }
  void SetCol(int value);
  int GetRow() const { return FCurrent.Y; }
  void SetRow(int value);
  // From the anchor to the current cell; with goRowSelect, whole rows.
  TGridRect GetSelection() const;
  // Moves the anchor to the block's top-left and the current cell to its
  // bottom-right, without SelectCell.
  void SetSelection(TGridRect value);
  int GetTopRow() const { return FTopLeft.Y; }
  void SetTopRow(int value);
  int GetLeftCol() const { return FTopLeft.X; }
  void SetLeftCol(int value);
  // Scrollable rows and columns shown in full.
  int GetVisibleRowCount();
  int GetVisibleColCount();

  // Geometry -----------------------------------------------------------------
  // The cell's rectangle in client coordinates; empty when it is not shown.
  TRect CellRect(int ACol, int ARow);
  // The cell under a client point; -1, -1 outside every cell.
  TGridCoord MouseCoord(int X, int Y);
  void MouseToCell(int X, int Y, int& ACol, int& ARow);

  // Editing -------------------------------------------------------------------
  bool GetEditorMode() const { return FEditorMode; }
  void SetEditorMode(bool value);
  TInplaceEdit* GetInplaceEditor() const { return FInplaceEdit; }

  static void Publish(TPublisher<TCustomGrid>& p);
  static void Messages(TMessageMap<TCustomGrid>& m);

 protected:
  // Drawing one cell; the background is already filled when DefaultDrawing.
  virtual void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) = 0;
  virtual bool SelectCell(int ACol, int ARow);
  virtual std::string GetEditText(int ACol, int ARow);
  virtual void SetEditText(int ACol, int ARow, const std::string& value);
  // Whether the current cell may be edited now.
  virtual bool CanEditShow();
  virtual void SizeChanged(int oldColCount, int oldRowCount) {
    (void)oldColCount;
    (void)oldRowCount;
  }
  virtual void TopLeftChanged() {}

  void Paint() override;
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Resize() override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void DblClick() override;
  void DoEnter() override;
  void DoExit() override;
  void DefineProperties(TFiler* filer) override;
  void Loaded() override;

  void InvalidateCell(int ACol, int ARow);
  void InvalidateGrid();
  void ShowEditor();
  void HideEditor();
  // The editor reloads its cell's text (after the text changed from code).
  void InvalidateEditor();
  bool IsEditorCell(int ACol, int ARow) const;

 private:
  friend class TInplaceEdit;
  vcl::grids::GridAxis ColAxis();
  vcl::grids::GridAxis RowAxis();
  void LayoutChanged();
  // Moves the current cell through SelectCell; false when refused.
  bool MoveCurrent(int ACol, int ARow, bool moveAnchor, bool show);
  // Moves the anchor only (a range growing from the current cell).
  void MoveAnchor(int ACol, int ARow);
  void SelectionMoved(const TGridRect& oldSelection);
  void ClampInView(TGridCoord cell);
  void MoveTopLeft(int col, int row);
  void UpdateScrollBars();
  void ScrollMessage(TMessage& m, bool vertical);
  int MaxTopRow();
  int MaxLeftCol();
  void SizeArrays(int oldColCount, int oldRowCount);
  void UpdateEditor();
  // The editor changed its text: the cell takes it.
  void EditChanged(const std::string& text);
  // The keys that move the current cell or open the editor, after the key
  // events ran (the grid's own keys and those the editor passes on).
  void NavigateKey(WORD& key, TShiftState shift);
  void DrawLines(TCanvas* canvas, const TRect& client);
  bool Focused_();

  void ReadColWidths(TReader* reader);
  void WriteColWidths(TWriter* writer);
  void ReadRowHeights(TReader* reader);
  void WriteRowHeights(TWriter* writer);

  void WMGetDlgCode(TMessage& m);
  void WMHScroll(TMessage& m);
  void WMVScroll(TMessage& m);
  void WMSetFocus(TMessage& m);
  void WMKillFocus(TMessage& m);
  void CMFontChanged(TMessage& m);

  int FColCount = 5;
  int FRowCount = 5;
  int FFixedCols = 1;
  int FFixedRows = 1;
  int FDefaultColWidth = 64;
  int FDefaultRowHeight = 24;
  int FGridLineWidth = 1;
  // Empty while every column (row) has the default size.
  std::vector<int> FColWidths;
  std::vector<int> FRowHeights;
  TGridOptions FOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
  TColor FFixedColor = clBtnFace;
  bool FDefaultDrawing = true;
  TScrollStyle FScrollBars = ssBoth;
  TBorderStyle FBorderStyle = bsSingle;

  TGridCoord FCurrent{1, 1};
  TGridCoord FAnchor{1, 1};
  TGridCoord FTopLeft{1, 1};
  bool FSelecting = false;
  TInplaceEdit* FInplaceEdit = nullptr;
  bool FEditorMode = false;
  int FUpdatingScrollBars = 0;
};
