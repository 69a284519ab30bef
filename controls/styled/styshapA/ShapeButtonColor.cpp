#include "controls/styled/styshapA/ShapeButtonColor.h"

#include <algorithm>

void TStyShapeButtonColor::Publish(TPublisher<TStyShapeButtonColor>& p) {
  using C = TStyShapeButtonColor;
  p.Prop("Disabled", &C::GetDisabled, &C::SetDisabled).Idents("TColor").Default(clBtnFace);
  p.Prop("Down", &C::GetDown, &C::SetDown).Idents("TColor").Default(clBtnFace);
  p.Prop("MouseOver", &C::GetMouseOver, &C::SetMouseOver).Idents("TColor").Default(clBtnFace);
  p.Prop("OptionSet", &C::GetOptionSet, &C::SetOptionSet).Idents("TColor").Default(clBtnFace);
  p.Prop("Up", &C::GetUp, &C::SetUp).Idents("TColor").Default(clBtnFace);
}

void TStyShapeButtonColor::Assign(TPersistent* Source) {
  if (Source == this) return;
  auto* src = dynamic_cast<TStyShapeButtonColor*>(Source);
  if (!src) return inherited::Assign(Source);
  std::copy(std::begin(src->FColors), std::end(src->FColors), std::begin(FColors));
  Change();
}
