// Owner drawing shared by the list box and the combo box: the canvas is
// lent the item's device context, prepared with the control's font and the
// selection colours, and the item drawn by the control.
#pragma once

#include <functional>
#include <string>

#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/controls/WinControl.h"
#include "platform/vcl/stdctrls/StdCtrlsTypes.h"

namespace vcl::stdctrls {

// The owner-draw state of a DRAWITEMSTRUCT's itemState.
TOwnerDrawState OwnerDrawState(UINT itemState);

// Draws one item of dis through draw (index, rectangle, state) on canvas,
// then the focus rectangle when the item has the focus.
void PaintOwnerDrawnItem(TControlCanvas& canvas, TWinControl& control, const DRAWITEMSTRUCT& dis,
                         const std::function<void(int, TRect, TOwnerDrawState)>& draw);

// Answers a reflected WM_MEASUREITEM: every item is itemHeight high, unless
// the list is variable, when measure (index, height) may change it.
void AnswerMeasureItem(TMessage& m, int itemHeight, bool variable, const std::function<void(int, int&)>& measure);

// What an owner-drawn item shows without a handler: its text on the brush.
void DrawItemText(TCanvas& canvas, const TRect& rect, const std::string& text);

}  // namespace vcl::stdctrls
