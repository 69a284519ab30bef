// Keys and typed text through the headless host, for the top-level window
// that holds a control, as a person's keyboard gives them; the caller pumps
// the loop.
#pragma once

#include <cstdint>
#include <string>

#include "platform/host/headless.h"
#include "platform/vcl/Controls.h"
#include "platform/win/drums_ext.h"
#include "platform/win/windows.h"

namespace shelltest {

inline host::WindowId HostWindowOf(TWinControl* control) {
  return win::user::HostWindowOf(GetAncestor(control->GetHandle(), GA_ROOT));
}

// Queues the key's press and release.
inline void PushHostKey(TWinControl* control, int vk, std::uint32_t modifiers = 0) {
  for (host::EventType type : {host::EventType::KeyDown, host::EventType::KeyUp}) {
    host::Event e;
    e.type = type;
    e.key = vk;
    e.modifiers = modifiers;
    e.window = HostWindowOf(control);
    host::headless::PushEvent(e);
  }
}

inline void PushHostText(TWinControl* control, const std::string& text) {
  host::Event e;
  e.type = host::EventType::TextInput;
  e.text = text;
  e.window = HostWindowOf(control);
  host::headless::PushEvent(e);
}

}  // namespace shelltest
