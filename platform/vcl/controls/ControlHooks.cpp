#include "platform/vcl/controls/ControlHooks.h"

#include "platform/vcl/controls/Control.h"

namespace vcl {
namespace {
THintMouseHook& HintHook() {
  static THintMouseHook hook;
  return hook;
}
TPopupMenuHook& PopupHook() {
  static TPopupMenuHook hook;
  return hook;
}
TMenuKeyHook& MenuKeyHook() {
  static TMenuKeyHook hook;
  return hook;
}
TExceptionHook& ExceptionHook() {
  static TExceptionHook hook;
  return hook;
}
TControl* mouseControl = nullptr;
}  // namespace

void SetHintMouseHook(THintMouseHook hook) {
  HintHook() = std::move(hook);
}
const THintMouseHook& GetHintMouseHook() {
  return HintHook();
}
void SetPopupMenuHook(TPopupMenuHook hook) {
  PopupHook() = std::move(hook);
}
const TPopupMenuHook& GetPopupMenuHook() {
  return PopupHook();
}
void SetMenuKeyHook(TMenuKeyHook hook) {
  MenuKeyHook() = std::move(hook);
}
const TMenuKeyHook& GetMenuKeyHook() {
  return MenuKeyHook();
}
void SetWindowProcExceptionHook(TExceptionHook hook) {
  ExceptionHook() = std::move(hook);
}
const TExceptionHook& GetWindowProcExceptionHook() {
  return ExceptionHook();
}

TControl* GetMouseControl() {
  return mouseControl;
}

void SetMouseControl(TControl* control) {
  if (control == mouseControl) return;
  TControl* old = mouseControl;
  mouseControl = control;
  if (old) old->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(old));
  if (control && mouseControl == control) control->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(control));
}

}  // namespace vcl

namespace vcl::detail {
void ForgetMouseControl(TControl* control) {
  if (mouseControl == control) mouseControl = nullptr;
}
}  // namespace vcl::detail
