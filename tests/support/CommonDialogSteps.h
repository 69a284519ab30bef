// Answers a common dialog (file, picture, font ...) that a command opens in
// its own modal loop: the steps run one per idle pass of the application
// while the dialog is shown, each given the dialog's window.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <utility>

#include "platform/vcl/Forms.h"
#include "platform/win/windows.h"

namespace testsupport {

class TCommonDialogSteps {
 public:
  using TStep = std::function<void(HWND)>;

  // Takes over the application's OnIdle until the test clears it; a dialog
  // still open after the last step is closed and the test fails.
  void Start(std::deque<TStep> steps) {
    FSteps = std::move(steps);
    Application->OnIdle = [this](TObject*, bool& done) {
      done = true;
      HWND dlg = FindWindowA("CommonDialogFrame", nullptr);
      if (!dlg || !IsWindowVisible(dlg)) return;
      if (FSteps.empty()) {
        ADD_FAILURE() << "the dialog stayed open";
        PostMessageA(dlg, WM_CLOSE, 0, 0);
        return;
      }
      TStep step = std::move(FSteps.front());
      FSteps.pop_front();
      step(dlg);
      // The loop wakes for the next step (the clock stands still).
      if (IsWindow(dlg)) PostMessageA(dlg, WM_NULL, 0, 0);
    };
  }
  bool Done() const { return FSteps.empty(); }

 private:
  std::deque<TStep> FSteps;
};

}  // namespace testsupport
