// TStyBaseDialog: the base of the library's non-visual dialog components.
// It keeps what every dialog shares (where it opens, how it opens, the hint
// lines, the caption bar's colours); a descendant builds and shows the
// window in Execute.
#pragma once

#include <cstdint>
#include <memory>

#include "controls/styled/stycctrl/StyContainerComponent.h"
#include "controls/styled/styprocs/Placement.h"
#include "platform/vcl/Classes.h"

class TStyBaseDialog : public TStyContainerComponent {
  DRUMS_CLASS(TStyBaseDialog, TStyContainerComponent)

 public:
  explicit TStyBaseDialog(TComponent* AOwner);
  ~TStyBaseDialog() override;

  // Shows the dialog; this base shows nothing and answers false.
  virtual bool Execute();

  TStrings* GetHints() const { return FHints.get(); }
  void SetHints(TStrings* value) { FHints->Assign(value); }
  TStyDlgEffect GetEffect() const { return FEffect; }
  void SetEffect(TStyDlgEffect value) { FEffect = value; }
  bool GetShowHints() const { return FShowHints; }
  void SetShowHints(bool value) { FShowHints = value; }
  bool GetCaptionFill() const { return FCaptionFill; }
  void SetCaptionFill(bool value) { FCaptionFill = value; }
  std::uint8_t GetColors() const { return FColors; }
  void SetColors(std::uint8_t value) { FColors = value; }
  TStyDlgPosition GetPosition() const { return FPosition; }
  void SetPosition(TStyDlgPosition value) { FPosition = value; }
  TStyDlgPosRel GetRelatePos() const { return FRelatePos; }
  void SetRelatePos(TStyDlgPosRel value) { FRelatePos = value; }

 private:
  std::unique_ptr<TStringList> FHints;
  TStyDlgEffect FEffect = deNone;
  bool FShowHints = true;
  bool FCaptionFill = false;
  std::uint8_t FColors = 32;
  TStyDlgPosition FPosition = bpCenter;
  TStyDlgPosRel FRelatePos = brScreen;
};
