#include "sound/ControlSubClass.h"

TControlSubClass::TControlSubClass(TControl* control, void* data, TControlSubClassProc proc)
    : FControl(control), FProc(std::move(proc)), FData(data) {
  FDefWindowProc = FControl->WindowProc;
  FControl->WindowProc = [this](TMessage& message) { FProc(FData, message, FDefWindowProc); };
}

TControlSubClass::~TControlSubClass() {
  FControl->WindowProc = FDefWindowProc;
}
