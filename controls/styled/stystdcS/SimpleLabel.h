// TStyCustomSimpleLabel: a label drawn with the 3D text effects, which can
// act as a link to a web page, a mail address or a program; TStySimpleLabel
// publishes it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "controls/styled/stygraph/Captions.h"
#include "controls/styled/stystdcS/BaseLabel.h"

enum TStyJumpModes : std::uint8_t { jmInternet, jmApplication, jmNone, jmCustom };
DRUMS_ENUM_NAMES(TStyJumpModes, "jmInternet", "jmApplication", "jmNone", "jmCustom")

class TStyCustomSimpleLabel : public TStyBaseLabel {
  DRUMS_CLASS(TStyCustomSimpleLabel, TStyBaseLabel)

 public:
  explicit TStyCustomSimpleLabel(TComponent* AOwner);
  ~TStyCustomSimpleLabel() override;

  TSty3DCaption* GetFont3D() const { return FFont3D.get(); }
  void SetFont3D(TSty3DCaption* value) { FFont3D->Assign(value); }
  // Where a link leads; blank takes the caption.
  const std::string& GetJump() const { return FJump; }
  void SetJump(const std::string& value) { FJump = value; }
  // The font colour after a press on a link.
  TColor GetActiveColor() const { return FColors[0]; }
  void SetActiveColor(TColor value) { SetColorOf(0, value); }
  // The font colour of a link.
  TColor GetInActiveColor() const { return FColors[1]; }
  void SetInActiveColor(TColor value) { SetColorOf(1, value); }
  bool GetJumpUnderline() const { return FJumpUnderline; }
  void SetJumpUnderline(bool value) { FJumpUnderline = value; }
  TStyJumpModes GetJumpMode() const { return FJumpMode; }
  // A link takes InActiveColor, the underline and the hand cursor; jmNone
  // gives them back.
  void SetJumpMode(TStyJumpModes value);

  void AdjustSize() override;
  void Click() override;

  static void Publish(TPublisher<TStyCustomSimpleLabel>& p);

 protected:
  void DefineProperties(TFiler* Filer) override;
  void Paint() override;
  // A press on a link shows ActiveColor, which stays after the click.
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // Hands the target to the shell; false when it could not be opened.
  bool OpenTarget(const std::string& Target);

 private:
  void SetColorOf(int Index, TColor value) { FColors[Index] = value; }
  void SetUnderline(bool value);

  std::unique_ptr<TSty3DCaption> FFont3D;
  std::string FJump;
  TColor FColors[2] = {static_cast<TColor>(0x800080), static_cast<TColor>(0xFF0000)};
  bool FJumpUnderline = true;
  TStyJumpModes FJumpMode = jmNone;
  bool FPainting = false;
};

class TStySimpleLabel : public TStyCustomSimpleLabel {
  DRUMS_CLASS(TStySimpleLabel, TStyCustomSimpleLabel)

 public:
  using TStyCustomSimpleLabel::TStyCustomSimpleLabel;

  static void Publish(TPublisher<TStySimpleLabel>& p);
};
