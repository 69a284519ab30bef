// Driving a modal form from a test: the code under test calls ShowModal
// (directly or from a menu command), and the script takes its steps inside
// that modal loop, one per idle pass, as a person would between messages.
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "platform/vcl/Forms.h"

namespace testsupport {

class TModalScript {
 public:
  using TStep = std::function<void()>;

  // Each idle pass while form is modal runs the next step. After the last
  // step a form still open is closed with mrCancel, so a script that forgets
  // to close it cannot hang the test.
  TModalScript(TCustomForm* form, std::vector<TStep> steps) : FForm(form), FSteps(std::move(steps)) {
    Application->OnIdle = [this](TObject*, bool& done) {
      done = true;
      if (!FForm->GetFormState().Contains(fsModal)) return;
      FShown = true;
      if (FNext < FSteps.size()) {
        FSteps[FNext++]();
      } else if (FForm->GetModalResult() == mrNone) {
        FForm->SetModalResult(mrCancel);
      }
      // The loop looks at ModalResult after each message: wake it.
      PostMessageA(Application->GetHandle(), WM_NULL, 0, 0);
    };
  }
  ~TModalScript() { Application->OnIdle = nullptr; }
  TModalScript(const TModalScript&) = delete;
  TModalScript& operator=(const TModalScript&) = delete;

  // Whether the form went modal at all, and how many steps ran.
  bool Shown() const { return FShown; }
  std::size_t StepsRun() const { return FNext; }

 private:
  TCustomForm* FForm;
  std::vector<TStep> FSteps;
  std::size_t FNext = 0;
  bool FShown = false;
};

}  // namespace testsupport
