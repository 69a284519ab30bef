// The main window's small dialogs on their own: the application started as
// the program starts it, the dialogs' form resources, a song model of the
// test's own, a program folder of the test's own as the current directory,
// and message boxes answered at once and kept for the test to read.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/host/headless.h"
#include "platform/vcl/Forms.h"
#include "platform/win/drums_ext.h"
#include "tests/support/DialogFormsTest.h"
#include "tests/support/HostMouse.h"
#include "tests/support/ModalScript.h"

void RegisterResources_dialogs_forms();
void UnregisterResources_dialogs_forms();

namespace dialogstest {

namespace fs = std::filesystem;

class Dialogs : public testsupport::DialogFormsTest {
 protected:
  Dialogs() : DialogFormsTest({RegisterResources_dialogs_forms, UnregisterResources_dialogs_forms}) {}

  // The clock moves on and the queue is worked off (timers fire).
  void Advance(int milliseconds) {
    win::clock::Advance(static_cast<std::uint64_t>(milliseconds) * 1000);
    Pump();
  }

  // A left click at client point (x, y) of control, through the host.
  void ClickAt(TControl* control, int x, int y) {
    testsupport::PushClick(control, x, y);
    Pump();
  }

  // Input left in the host's queue for the loop that runs next (a modal
  // form's loop, or Pump): a modal script's step queues, the form's loop
  // delivers. Each goes to the top-level window holding the control.
  static HWND TopWindowHolding(TControl* control) {
    TWinControl* holder = dynamic_cast<TWinControl*>(control);
    if (holder == nullptr) holder = control->GetParent();
    return GetAncestor(holder->GetHandle(), GA_ROOT);
  }
  static host::WindowId HostWindowHolding(TControl* control) {
    return win::user::HostWindowOf(TopWindowHolding(control));
  }
  // A left click at client point (x, y) of control; clicks 2 is the second
  // click of a double click as the desktop counts it.
  static void QueueClickAt(TControl* control, int x, int y, int clicks = 1) {
    testsupport::PushClick(control, x, y, clicks);
  }
  // A left click in the middle of control.
  static void QueueClick(TControl* control) {
    QueueClickAt(control, control->GetWidth() / 2, control->GetHeight() / 2);
  }
  // A key pressed and released (a Windows virtual-key number).
  static void QueueKey(TControl* within, int vk) {
    for (host::EventType type : {host::EventType::KeyDown, host::EventType::KeyUp}) {
      host::Event e;
      e.type = type;
      e.window = HostWindowHolding(within);
      e.key = vk;
      host::headless::PushEvent(e);
    }
  }
  // Text typed into control: it takes the focus (its text selected, as
  // focus from the keyboard leaves it), then the characters come.
  static void QueueTyping(TWinControl* control, const std::string& text) {
    control->SetFocus();
    host::Event e;
    e.type = host::EventType::TextInput;
    e.window = HostWindowHolding(control);
    e.text = text;
    host::headless::PushEvent(e);
  }
};

}  // namespace dialogstest
