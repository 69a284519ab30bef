// The five state colours of a shape button.
#pragma once

#include "controls/styled/styclass/StyObject.h"
#include "platform/vcl/Graphics.h"

class TStyShapeButtonColor : public TStyObject {
  DRUMS_CLASS(TStyShapeButtonColor, TStyObject)
 public:
  TStyShapeButtonColor() = default;
  void Assign(TPersistent* Source) override;
  TColor GetDisabled() const { return FColors[0]; }
  void SetDisabled(TColor value) { SetColor(0, value); }
  TColor GetDown() const { return FColors[1]; }
  void SetDown(TColor value) { SetColor(1, value); }
  TColor GetMouseOver() const { return FColors[2]; }
  void SetMouseOver(TColor value) { SetColor(2, value); }
  TColor GetOptionSet() const { return FColors[3]; }
  void SetOptionSet(TColor value) { SetColor(3, value); }
  TColor GetUp() const { return FColors[4]; }
  void SetUp(TColor value) { SetColor(4, value); }
  // 0 Disabled, 1 Down, 2 MouseOver, 3 OptionSet, 4 Up.
  void SetColor(int Index, TColor value) { SetValue(FColors[Index], value); }
  static void Publish(TPublisher<TStyShapeButtonColor>& p);

 private:
  TColor FColors[5] = {clBtnFace, clBtnFace, clBtnFace, clBtnFace, clBtnFace};
};
