// Message boxes without a person.
//
// Tests drive the real box: they queue keys or clicks through the host (or
// from the idle hook, which runs while the box waits) and read what was
// answered. Program runs that must never block set an automatic answer, in
// code (SetMessageBoxAnswer) or with DRUMS_MESSAGEBOX=default in the
// environment, which answers every box with its default button at once.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/win/winuser.h"

namespace win::user {

struct MessageBoxRecord {
  std::string text;
  std::string caption;
  UINT type = 0;
  int result = 0;
  bool automatic = false;  // answered without showing
};

// The function answers a box before it is shown; 0 shows it as usual.
// An empty function removes the automatic answer.
void SetMessageBoxAnswer(std::function<int(const MessageBoxRecord&)> answer);
// Every box answered since the last call, oldest first.
std::vector<MessageBoxRecord> TakeMessageBoxRecords();
// The box on screen now, or nullptr.
HWND CurrentMessageBox();
// The default button's answer for a box type (what Enter gives).
int DefaultAnswer(UINT type);

}  // namespace win::user
