// What the standard controls share in answering their window's requests:
// the colours of a CN_CTLCOLORxxx reflected from the parent, and painting
// left to the window class the control is built on.
#pragma once

#include "platform/vcl/controls/WinControl.h"

namespace vcl::stdctrls {

// Answers a reflected CN_CTLCOLORxxx with the control's font colour, its
// Color as background and its brush.
void AnswerCtlColor(TWinControl& control, TMessage& m);

}  // namespace vcl::stdctrls
