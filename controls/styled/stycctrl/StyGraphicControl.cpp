#include "controls/styled/stycctrl/StyGraphicControl.h"

TStyGraphicControl::TStyGraphicControl(TComponent* AOwner)
    : TStyBaseGraphicControl(AOwner), FBevel(std::make_unique<TStyBevel>()) {
  FBevel->OnChange = [this](TObject* Sender) { Changed(Sender); };
}

TStyGraphicControl::~TStyGraphicControl() {
  FBevel->OnChange = nullptr;
}

void TStyGraphicControl::SetBevel(TStyBevel* value) {
  FBevel->Assign(value);
  Perform(CM_BEVELCHANGED, 0, 0);
}

void TStyGraphicControl::Paint() {
  if (Loading()) return;
  if (IsEmpty() && FBevel->GetExtent() == 0) {
    TStyBaseGraphicControl::Paint();
    return;
  }
  FBevel->PaintBevel(GetCanvas(), GetClientRect(), GetTransparent());
}
