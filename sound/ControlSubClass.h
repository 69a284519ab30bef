// TControlSubClass: a hook on a control's window procedure. It puts its own
// procedure in place of the control's and gives every message to a callback
// together with the saved procedure; freeing it puts the saved one back.
#pragma once

#include <functional>

#include "platform/vcl/Controls.h"

class TControlSubClass {
 public:
  using TControlSubClassProc = std::function<void(void* data, TMessage& message, const TWndMethod& defWindowProc)>;

  TControlSubClass(TControl* control, void* data, TControlSubClassProc proc);
  ~TControlSubClass();
  TControlSubClass(const TControlSubClass&) = delete;
  TControlSubClass& operator=(const TControlSubClass&) = delete;

  TControl* GetControl() const { return FControl; }

 private:
  TControl* FControl;
  TWndMethod FDefWindowProc;
  TControlSubClassProc FProc;
  void* FData;
};
