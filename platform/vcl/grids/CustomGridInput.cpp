// TCustomGrid's input: keys, mouse, focus, the in-place editor, and the
// column widths and row heights a form stores.
#include <algorithm>

#include "platform/vcl/classes/components/WeakRef.h"
#include "platform/vcl/classes/streaming/Filer.h"
#include "platform/vcl/classes/streaming/Reader.h"
#include "platform/vcl/classes/streaming/Writer.h"
#include "platform/vcl/grids/CustomGrid.h"
#include "platform/vcl/grids/GridAxis.h"
#include "platform/vcl/grids/InplaceEdit.h"
#include "platform/win/windows.h"

void TCustomGrid::Publish(TPublisher<TCustomGrid>& p) {
  p.Default("TabStop", true);
}

void TCustomGrid::Messages(TMessageMap<TCustomGrid>& m) {
  m.On(WM_GETDLGCODE, &TCustomGrid::WMGetDlgCode);
  m.On(WM_HSCROLL, &TCustomGrid::WMHScroll);
  m.On(WM_VSCROLL, &TCustomGrid::WMVScroll);
  m.On(WM_SETFOCUS, &TCustomGrid::WMSetFocus);
  m.On(WM_KILLFOCUS, &TCustomGrid::WMKillFocus);
  m.On(CM_FONTCHANGED, &TCustomGrid::CMFontChanged);
}

void TCustomGrid::WMGetDlgCode(TMessage& m) {
  m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
  if (FOptions.Contains(goTabs)) m.Result |= DLGC_WANTTAB;
}

void TCustomGrid::WMSetFocus(TMessage& m) {
  InheritedMessage(m);
  // The current cell shows the focus now (or the editor takes it back).
  if (FEditorMode && FInplaceEdit && FInplaceEdit->HandleAllocated() && IsWindowVisible(FInplaceEdit->GetHandle())) {
    ::SetFocus(FInplaceEdit->GetHandle());
    return;
  }
  InvalidateCell(FCurrent.X, FCurrent.Y);
}

void TCustomGrid::WMKillFocus(TMessage& m) {
  InheritedMessage(m);
  InvalidateCell(FCurrent.X, FCurrent.Y);
}

void TCustomGrid::CMFontChanged(TMessage& m) {
  InheritedMessage(m);
  InvalidateGrid();
}

// The focus moving between the grid and its editor stays inside the grid,
// so OnEnter and OnExit run only when it comes from or goes to another
// control.
void TCustomGrid::DoEnter() {
  inherited::DoEnter();
  if (FOptions.Contains(goAlwaysShowEditor)) ShowEditor();
}

void TCustomGrid::DoExit() {
  inherited::DoExit();
  if (!FOptions.Contains(goAlwaysShowEditor)) HideEditor();
}

// ---- Keys ---------------------------------------------------------------------

// OnKeyDown, OnKeyPress, OnMouseDown and OnSelectCell may free the grid:
// each path stops there.

void TCustomGrid::KeyDown(WORD& key, TShiftState shift) {
  TWeakRef<TCustomGrid> self(this);
  inherited::KeyDown(key, shift);
  if (self && key != 0) NavigateKey(key, shift);
}

void TCustomGrid::NavigateKey(WORD& key, TShiftState shift) {
  // Shift with an arrow grows the block from its moving corner.
  bool arrow = key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT;
  bool extend = arrow && shift.Contains(ssShift) && FOptions.Contains(goRangeSelect) && !FOptions.Contains(goEditing);
  TGridCoord target = extend ? FAnchor : FCurrent;
  int page = std::max(1, GetVisibleRowCount());
  bool ctrl = shift.Contains(ssCtrl);
  switch (key) {
    case VK_UP: target.Y--; break;
    case VK_DOWN: target.Y++; break;
    case VK_LEFT: target.X--; break;
    case VK_RIGHT: target.X++; break;
    case VK_PRIOR: target.Y -= page; break;
    case VK_NEXT: target.Y += page; break;
    case VK_HOME:
      target.X = FFixedCols;
      if (ctrl) target.Y = FFixedRows;
      break;
    case VK_END:
      target.X = FColCount - 1;
      if (ctrl) target.Y = FRowCount - 1;
      break;
    case VK_TAB:
      if (!FOptions.Contains(goTabs) || shift.Contains(ssAlt)) return;
      // Tab runs along the row and on to the next one; Shift+Tab back.
      if (shift.Contains(ssShift)) {
        if (--target.X < FFixedCols) {
          if (target.Y > FFixedRows) {
            target.X = FColCount - 1;
            target.Y--;
          } else {
            target.X = FFixedCols;
          }
        }
      } else if (++target.X >= FColCount) {
        if (target.Y < FRowCount - 1) {
          target.X = FFixedCols;
          target.Y++;
        } else {
          target.X = FColCount - 1;
        }
      }
      break;
    case VK_F2:
      if (FOptions.Contains(goEditing)) ShowEditor();
      return;
    default: return;
  }
  target.X = std::clamp(target.X, FFixedCols, FColCount - 1);
  target.Y = std::clamp(target.Y, FFixedRows, FRowCount - 1);
  if (extend) {
    MoveAnchor(target.X, target.Y);
    return;
  }
  if (target == FCurrent) return;
  MoveCurrent(target.X, target.Y, true, true);
}

void TCustomGrid::KeyPress(char& key) {
  TWeakRef<TCustomGrid> self(this);
  inherited::KeyPress(key);
  if (!self || key == 0 || !FOptions.Contains(goEditing)) return;
  if (key == '\r') {
    // Enter opens the editor and closes it again (keeping the text).
    if (!FOptions.Contains(goAlwaysShowEditor)) {
      if (FEditorMode)
        HideEditor();
      else
        ShowEditor();
    }
    key = 0;
    return;
  }
  if (static_cast<unsigned char>(key) >= 32 && !FEditorMode && CanEditShow()) {
    // A typed character starts the editor with that character as the text.
    ShowEditor();
    if (FEditorMode && FInplaceEdit) {
      FInplaceEdit->SelectAll();
      // Straight to the edit window: the key events have run already.
      TMessage m{WM_CHAR, static_cast<unsigned char>(key), 1, 0};
      FInplaceEdit->DefaultHandler(m);
    }
    key = 0;
  }
}

// ---- Mouse ----------------------------------------------------------------------

void TCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TWeakRef<TCustomGrid> self(this);
  if (!GetComponentState().Contains(csDesigning) && CanFocus() && !Focused_()) SetFocus();
  if (button == mbLeft && !shift.Contains(ssDouble)) {
    TGridCoord cell = MouseCoord(x, y);
    if (cell.X >= FFixedCols && cell.Y >= FFixedRows && cell == FCurrent && FOptions.Contains(goEditing) &&
        Focused_()) {
      // A click on the current cell of an editing grid edits it: the cell
      // stays, so nobody is asked to select it again (a handler that sends
      // the focus elsewhere on selection would otherwise never let it open).
      ShowEditor();
    } else if (cell.X >= FFixedCols && cell.Y >= FFixedRows) {
      if (shift.Contains(ssShift) && FOptions.Contains(goRangeSelect))
        MoveAnchor(cell.X, cell.Y);
      else
        MoveCurrent(cell.X, cell.Y, true, true);
      if (!self) return;
      FSelecting = true;
    }
  }
  if (self) inherited::MouseDown(button, shift, x, y);
}

void TCustomGrid::MouseMove(TShiftState shift, int x, int y) {
  if (FSelecting && FOptions.Contains(goRangeSelect) && !FOptions.Contains(goEditing)) {
    // Dragging spans a block from the current cell; off the cells, the
    // nearest one counts.
    TRect client = GetClientRect();
    TGridCoord cell = MouseCoord(std::clamp<int>(x, 0, client.Right - 1), std::clamp<int>(y, 0, client.Bottom - 1));
    if (cell.X >= FFixedCols && cell.Y >= FFixedRows) MoveAnchor(cell.X, cell.Y);
  }
  inherited::MouseMove(shift, x, y);
}

void TCustomGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) FSelecting = false;
  inherited::MouseUp(button, shift, x, y);
}

void TCustomGrid::DblClick() {
  if (FOptions.Contains(goEditing) && Focused_()) ShowEditor();
  inherited::DblClick();
}

// ---- Editor -------------------------------------------------------------------

bool TCustomGrid::CanEditShow() {
  return FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect) && HandleAllocated() &&
         !GetComponentState().Contains(csDesigning);
}

std::string TCustomGrid::GetEditText(int ACol, int ARow) {
  (void)ACol;
  (void)ARow;
  return "";
}

void TCustomGrid::SetEditText(int ACol, int ARow, const std::string& value) {
  (void)ACol;
  (void)ARow;
  (void)value;
}

void TCustomGrid::SetEditorMode(bool value) {
  if (value)
    ShowEditor();
  else
    HideEditor();
}

void TCustomGrid::ShowEditor() {
  if (!CanEditShow()) return;
  if (!FInplaceEdit) {
    FInplaceEdit = new TInplaceEdit(nullptr);
    FInplaceEdit->FGrid = this;
    FInplaceEdit->SetVisible(false);
    FInplaceEdit->SetParent(this);
  }
  bool wasShown = FEditorMode;
  FEditorMode = true;
  if (!wasShown) FInplaceEdit->FCol = FInplaceEdit->FRow = -1;  // load the text afresh
  UpdateEditor();
  if (FEditorMode && GetFocus() == FHandle && FInplaceEdit->GetVisible()) FInplaceEdit->SetFocus();
}

void TCustomGrid::HideEditor() {
  if (!FEditorMode) return;
  FEditorMode = false;
  if (!FInplaceEdit) return;
  // The focus comes back to the grid before the editor goes, so that it
  // moves straight from the one to the other.
  if (FInplaceEdit->HandleAllocated() && GetFocus() == FInplaceEdit->GetHandle() && HandleAllocated())
    ::SetFocus(FHandle);
  FInplaceEdit->Close();
  InvalidateCell(FCurrent.X, FCurrent.Y);
}

void TCustomGrid::UpdateEditor() {
  if (!FEditorMode || !FInplaceEdit) return;
  if (!CanEditShow()) {
    HideEditor();
    return;
  }
  TRect rect = CellRect(FCurrent.X, FCurrent.Y);
  bool sameCell = FInplaceEdit->FCol == FCurrent.X && FInplaceEdit->FRow == FCurrent.Y;
  bool hadFocus = FInplaceEdit->HandleAllocated() && GetFocus() == FInplaceEdit->GetHandle();
  if (!sameCell)
    FInplaceEdit->Move(FCurrent.X, FCurrent.Y, rect, GetEditText(FCurrent.X, FCurrent.Y));
  else
    FInplaceEdit->SetBoundsRect(rect);
  bool shown = rect.Width() > 0 && rect.Height() > 0;
  FInplaceEdit->SetVisible(shown);
  // A cell's text opens selected, so that typing replaces it.
  if (!sameCell) FInplaceEdit->SelectAll();
  if (!shown && hadFocus) ::SetFocus(FHandle);
}

void TCustomGrid::InvalidateEditor() {
  if (!FEditorMode || !FInplaceEdit || FInplaceEdit->FCol < 0) return;
  FInplaceEdit->LoadText(GetEditText(FInplaceEdit->FCol, FInplaceEdit->FRow));
}

bool TCustomGrid::IsEditorCell(int ACol, int ARow) const {
  return FEditorMode && FInplaceEdit && FInplaceEdit->FCol == ACol && FInplaceEdit->FRow == ARow;
}

void TCustomGrid::EditChanged(const std::string& text) {
  if (FInplaceEdit && FInplaceEdit->FCol >= 0) SetEditText(FInplaceEdit->FCol, FInplaceEdit->FRow, text);
}

// ---- Stored sizes -------------------------------------------------------------------

namespace {
bool Customised(const std::vector<int>& sizes, int def) {
  return std::any_of(sizes.begin(), sizes.end(), [def](int v) { return v != def; });
}
}  // namespace

void TCustomGrid::DefineProperties(TFiler* filer) {
  inherited::DefineProperties(filer);
  filer->DefineProperty(
      "ColWidths", [this](TReader* r) { ReadColWidths(r); }, [this](TWriter* w) { WriteColWidths(w); },
      Customised(FColWidths, FDefaultColWidth));
  filer->DefineProperty(
      "RowHeights", [this](TReader* r) { ReadRowHeights(r); }, [this](TWriter* w) { WriteRowHeights(w); },
      Customised(FRowHeights, FDefaultRowHeight));
}

// Values beyond the count are read and dropped, so that a list longer than
// the grid does not break the form.
void TCustomGrid::ReadColWidths(TReader* reader) {
  reader->ReadListBegin();
  for (int i = 0; !reader->EndOfList(); i++) {
    int value = reader->ReadInteger();
    if (i < FColCount) SetColWidths(i, value);
  }
  reader->ReadListEnd();
}

void TCustomGrid::WriteColWidths(TWriter* writer) {
  writer->WriteListBegin();
  for (int i = 0; i < FColCount; i++) writer->WriteInteger(GetColWidths(i));
  writer->WriteListEnd();
}

void TCustomGrid::ReadRowHeights(TReader* reader) {
  reader->ReadListBegin();
  for (int i = 0; !reader->EndOfList(); i++) {
    int value = reader->ReadInteger();
    if (i < FRowCount) SetRowHeights(i, value);
  }
  reader->ReadListEnd();
}

void TCustomGrid::WriteRowHeights(TWriter* writer) {
  writer->WriteListBegin();
  for (int i = 0; i < FRowCount; i++) writer->WriteInteger(GetRowHeights(i));
  writer->WriteListEnd();
}
