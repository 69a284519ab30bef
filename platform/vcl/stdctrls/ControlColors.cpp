#include "platform/vcl/stdctrls/ControlColors.h"

#include "platform/win/windows.h"

namespace vcl::stdctrls {

void AnswerCtlColor(TWinControl& control, TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  SetTextColor(dc, ColorToRGB(control.GetFont()->GetColor()));
  SetBkColor(dc, ColorToRGB(control.GetColor()));
  m.Result = reinterpret_cast<LRESULT>(control.GetBrush()->GetHandle());
}

}  // namespace vcl::stdctrls
