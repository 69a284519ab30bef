#include "platform/vcl/grids/InplaceEdit.h"

#include "platform/vcl/grids/CustomGrid.h"
#include "platform/win/windows.h"
#include "platform/win/winuser_controls.h"

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TWinControl(AOwner) {
  FTabStop = false;
  FParentColor = false;
  FColor = clWindow;
  FBrush->SetColor(FColor);
  FControlStyle.Exclude(csSetCaption);
}

void TInplaceEdit::Messages(TMessageMap<TInplaceEdit>& m) {
  m.On(CN_COMMAND, &TInplaceEdit::CNCommand);
  m.On(WM_GETDLGCODE, &TInplaceEdit::WMGetDlgCode);
  m.On(WM_KILLFOCUS, &TInplaceEdit::WMKillFocus);
}

void TInplaceEdit::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  CreateSubClass(params, "EDIT");
  params.Style |= ES_AUTOHSCROLL | ES_LEFT;
}

void TInplaceEdit::SelectAll() {
  if (HandleAllocated()) SendMessageA(FHandle, EM_SETSEL, 0, -1);
}

void TInplaceEdit::Deselect() {
  if (HandleAllocated()) SendMessageA(FHandle, EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);
}

void TInplaceEdit::Move(int col, int row, const TRect& rect, const std::string& text) {
  FCol = col;
  FRow = row;
  FOriginal = text;
  SetBoundsRect(rect);
  LoadText(text);
}

void TInplaceEdit::LoadText(const std::string& text) {
  if (GetText() == text) return;
  FLoading++;
  SetText(text);
  FLoading--;
}

void TInplaceEdit::Close() {
  FCol = FRow = -1;
  SetVisible(false);
}

void TInplaceEdit::CNCommand(TMessage& m) {
  if (HIWORD(m.WParam) == EN_CHANGE && FLoading == 0 && FGrid) FGrid->EditChanged(GetText());
}

void TInplaceEdit::WMGetDlgCode(TMessage& m) {
  // Enter and Escape end the edit instead of pressing the form's buttons.
  m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS | DLGC_HASSETSEL;
  if (FGrid && FGrid->GetOptions().Contains(goTabs)) m.Result |= DLGC_WANTTAB;
}

void TInplaceEdit::WMKillFocus(TMessage& m) {
  InheritedMessage(m);
  // Focus going anywhere but to the grid ends the edit.
  HWND to = reinterpret_cast<HWND>(m.WParam);
  if (!FGrid || !FGrid->HandleAllocated() || to == FGrid->GetHandle()) return;
  if (!FGrid->GetOptions().Contains(goAlwaysShowEditor)) FGrid->HideEditor();
}

void TInplaceEdit::KeyDown(WORD& key, TShiftState shift) {
  if (!FGrid) {
    inherited::KeyDown(key, shift);
    return;
  }
  // The grid's key event sees the key first, as if the grid had it.
  if (FGrid->OnKeyDown) FGrid->OnKeyDown(FGrid, key, shift);
  if (key == 0) return;
  DWORD start = 0, end = 0;
  SendMessageA(FHandle, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  int length = GetTextLen();
  bool toGrid = false;
  switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT: toGrid = true; break;
    case VK_TAB: toGrid = FGrid->GetOptions().Contains(goTabs); break;
    // Left and right leave the cell only from its edges.
    case VK_LEFT: toGrid = start == 0 && end == 0; break;
    case VK_RIGHT: toGrid = static_cast<int>(start) == length && static_cast<int>(end) == length; break;
    case VK_HOME:
    case VK_END: toGrid = shift.Contains(ssCtrl); break;
    case VK_ESCAPE:
      // Escape brings back the text the cell had when the editor opened.
      if (GetText() != FOriginal) SetText(FOriginal);
      FGrid->HideEditor();
      key = 0;
      return;
    default: break;
  }
  if (toGrid) {
    FGrid->NavigateKey(key, shift);
    key = 0;
  }
}

void TInplaceEdit::KeyPress(char& key) {
  if (FGrid && FGrid->OnKeyPress) FGrid->OnKeyPress(FGrid, key);
  if (key == '\r') {
    if (FGrid && !FGrid->GetOptions().Contains(goAlwaysShowEditor)) FGrid->HideEditor();
    key = 0;
  } else if (key == '\t' || key == 27) {
    key = 0;
  }
}

void TInplaceEdit::KeyUp(WORD& key, TShiftState shift) {
  if (FGrid && FGrid->OnKeyUp) FGrid->OnKeyUp(FGrid, key, shift);
}
