// TInplaceEdit: the editor a grid opens over its current cell. It is the
// window manager's "EDIT" class under a small windowed control; the keys
// typed into it reach the grid's own key events first (with the grid as
// Sender), and the keys that move between cells go on to the grid.
#pragma once

#include <string>

#include "platform/vcl/controls/WinControl.h"

class TCustomGrid;

class TInplaceEdit : public TWinControl {
  DRUMS_CLASS(TInplaceEdit, TWinControl)
  DRUMS_MESSAGE_MAP(TInplaceEdit)

 public:
  explicit TInplaceEdit(TComponent* AOwner);

  TCustomGrid* GetGrid() const { return FGrid; }
  // The cell the editor edits, or -1 while it edits none.
  int GetCol() const { return FCol; }
  int GetRow() const { return FRow; }
  // Selects the whole text.
  void SelectAll();
  void Deselect();

  static void Messages(TMessageMap<TInplaceEdit>& m);

 protected:
  void CreateParams(TCreateParams& params) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void KeyUp(WORD& key, TShiftState shift) override;
  // The grid's OnEnter and OnExit speak for the editor.
  void DoEnter() override {}
  void DoExit() override {}

 private:
  friend class TCustomGrid;
  // Places the editor over the cell's rectangle (client coordinates of the
  // grid) and loads its text without reporting it as an edit.
  void Move(int col, int row, const TRect& rect, const std::string& text);
  // Puts text into the window without it counting as typed.
  void LoadText(const std::string& text);
  void Close();
  void CNCommand(TMessage& m);
  void WMGetDlgCode(TMessage& m);
  void WMKillFocus(TMessage& m);

  TCustomGrid* FGrid = nullptr;
  int FCol = -1;
  int FRow = -1;
  // The cell's text when the editor opened on it: Escape brings it back.
  std::string FOriginal;
  int FLoading = 0;
};
