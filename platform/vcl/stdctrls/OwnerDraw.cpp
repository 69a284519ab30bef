#include "platform/vcl/stdctrls/OwnerDraw.h"

#include <algorithm>

#include "platform/win/windows.h"

namespace vcl::stdctrls {

TOwnerDrawState OwnerDrawState(UINT itemState) {
  TOwnerDrawState state;
  if (itemState & ODS_SELECTED) state.Include(odSelected);
  if (itemState & ODS_GRAYED) state.Include(odGrayed);
  if (itemState & ODS_DISABLED) state.Include(odDisabled);
  if (itemState & ODS_CHECKED) state.Include(odChecked);
  if (itemState & ODS_FOCUS) state.Include(odFocused);
  if (itemState & ODS_DEFAULT) state.Include(odDefault);
  if (itemState & ODS_COMBOBOXEDIT) state.Include(odComboBoxEdit);
  return state;
}

void PaintOwnerDrawnItem(TControlCanvas& canvas, TWinControl& control, const DRAWITEMSTRUCT& dis,
                         const std::function<void(int, TRect, TOwnerDrawState)>& draw) {
  TOwnerDrawState state = OwnerDrawState(dis.itemState);
  TRect rect(dis.rcItem.left, dis.rcItem.top, dis.rcItem.right, dis.rcItem.bottom);
  int saved = SaveDC(dis.hDC);
  canvas.PaintOn(dis.hDC, [&] {
    bool selected = state.Contains(odSelected);
    canvas.SetFont(control.GetFont());
    canvas.GetBrush()->SetStyle(bsSolid);
    canvas.GetBrush()->SetColor(selected ? clHighlight : control.GetColor());
    if (selected) canvas.GetFont()->SetColor(clHighlightText);
    if (static_cast<int>(dis.itemID) >= 0) draw(static_cast<int>(dis.itemID), rect, state);
    if (state.Contains(odFocused)) canvas.DrawFocusRect(rect);
  });
  RestoreDC(dis.hDC, saved);
}

void AnswerMeasureItem(TMessage& m, int itemHeight, bool variable, const std::function<void(int, int&)>& measure) {
  auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
  int height = itemHeight;
  if (variable) measure(static_cast<int>(mis->itemID), height);
  mis->itemHeight = static_cast<UINT>(std::max(1, height));
  m.Result = TRUE;
}

void DrawItemText(TCanvas& canvas, const TRect& rect, const std::string& text) {
  canvas.FillRect(rect);
  canvas.TextOut(rect.Left + 2, rect.Top, text);
}

}  // namespace vcl::stdctrls
