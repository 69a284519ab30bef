// Keys and typed text through the headless host, for the top-level window
// that holds a control, as a person's keyboard gives them: the tests that
// drive controls and dialogs by the keyboard share this one way of making
// the events. The caller pumps the loop (or a modal loop takes them).
#pragma once

#include <cstdint>
#include <string>

#include "platform/host/headless.h"
#include "platform/vcl/Controls.h"
#include "platform/vcl/StdCtrls.h"
#include "platform/win/drums_ext.h"
#include "platform/win/windows.h"

namespace testsupport {

// The desktop window showing the top-level window that holds control.
inline host::WindowId HostWindowOf(TControl* control) {
  TWinControl* holder = dynamic_cast<TWinControl*>(control);
  if (holder == nullptr) holder = control->GetParent();
  return win::user::HostWindowOf(GetAncestor(holder->GetHandle(), GA_ROOT));
}

// Queues the key's press and release.
inline void PushKey(TControl* control, int vk, std::uint32_t modifiers = 0) {
  for (host::EventType type : {host::EventType::KeyDown, host::EventType::KeyUp}) {
    host::Event e;
    e.type = type;
    e.key = vk;
    e.modifiers = modifiers;
    e.window = HostWindowOf(control);
    host::headless::PushEvent(e);
  }
}

// Queues text as the keyboard types it.
inline void PushText(TControl* control, const std::string& text) {
  host::Event e;
  e.type = host::EventType::TextInput;
  e.text = text;
  e.window = HostWindowOf(control);
  host::headless::PushEvent(e);
}

// Text typed into an edit box in place of its text: the box takes the focus
// and selects all now, the typing (or Delete for no text) comes with the loop.
inline void PushTyping(TEdit* edit, const std::string& text) {
  edit->SetFocus();
  edit->SelectAll();
  if (text.empty())
    PushKey(edit, VK_DELETE);
  else
    PushText(edit, text);
}

}  // namespace testsupport
