// TControlSubClass: a hook on a control's window procedure. Every message
// goes to the hook's callback together with the procedure it replaced; the
// callback passes it on. Several hooks on one control form a chain, the
// latest outermost, and may be freed in any order; freeing the last puts the
// control's own procedure back (unless the control is being destroyed).
#pragma once

#include <functional>
#include <memory>

#include "platform/vcl/Controls.h"

class TControlSubClass {
 public:
  using TControlSubClassProc = std::function<void(void* data, TMessage& message, const TWndMethod& defWindowProc)>;

  TControlSubClass(TControl* control, void* data, TControlSubClassProc proc);
  ~TControlSubClass();
  TControlSubClass(const TControlSubClass&) = delete;
  TControlSubClass& operator=(const TControlSubClass&) = delete;

  TControl* GetControl() const { return FControl; }

  struct Chain;

 private:
  TControl* FControl;
  TControlSubClassProc FProc;
  void* FData;
  std::shared_ptr<Chain> FChain;
};
