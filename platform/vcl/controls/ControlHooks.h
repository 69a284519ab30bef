// Points where the application, forms and menus units plug into the
// controls without the controls knowing their classes. Each is process-wide
// and empty until its unit installs it.
#pragma once

#include <exception>
#include <functional>

#include "platform/vcl/controls/ControlMessages.h"
#include "platform/vcl/graphics/Geometry.h"

class TControl;
class TWinControl;
class TComponent;

namespace vcl {

// Every WM_MOUSEMOVE a control receives (the application's hint timing).
using THintMouseHook = std::function<void(TControl* control, TMessage& message)>;
void SetHintMouseHook(THintMouseHook hook);
const THintMouseHook& GetHintMouseHook();

// Shows popupMenu (a TPopupMenu) for control at a screen position; true
// when it did.
using TPopupMenuHook = std::function<bool(TControl* control, TComponent* popupMenu, TPoint screenPos)>;
void SetPopupMenuHook(TPopupMenuHook hook);
const TPopupMenuHook& GetPopupMenuHook();

// A key down (CN_KEYDOWN / CN_SYSKEYDOWN) reaching control: true when a
// menu took it as the shortcut of one of its items.
using TMenuKeyHook = std::function<bool(TWinControl* control, TMessage& message)>;
void SetMenuKeyHook(TMenuKeyHook hook);
const TMenuKeyHook& GetMenuKeyHook();

// An exception leaving a control's window procedure goes here instead of
// unwinding through the window manager (the application reports it).
using TExceptionHook = std::function<void(std::exception_ptr error)>;
void SetWindowProcExceptionHook(TExceptionHook hook);
const TExceptionHook& GetWindowProcExceptionHook();

// The control the mouse is over (CM_MOUSEENTER / CM_MOUSELEAVE follow it).
TControl* GetMouseControl();
// Moves the mouse to control (null: outside every control), sending
// CM_MOUSELEAVE to the old one and CM_MOUSEENTER to the new one.
void SetMouseControl(TControl* control);

}  // namespace vcl

namespace vcl::detail {
// A control going away stops being the mouse control, without messages.
void ForgetMouseControl(TControl* control);
}  // namespace vcl::detail
