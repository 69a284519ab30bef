// Graphic buttons drawn with the library's button frames: the speed button
// in any frame style and the office button, flat by default.
#pragma once

#include "controls/styled/stybtn/GraphicButton.h"

class TStyCustomSpeedButton : public TStyBaseGraphicButton {
  DRUMS_CLASS(TStyCustomSpeedButton, TStyBaseGraphicButton)

 public:
  explicit TStyCustomSpeedButton(TComponent* AOwner);

  TStyUserButtonStyle GetStyle() const { return FStyle; }
  virtual void SetStyle(TStyUserButtonStyle value);

  static void Publish(TPublisher<TStyCustomSpeedButton>& p);

 protected:
  void Paint() override;
  // With an image list the glyph comes from the list, not from an action.
  bool UsesActionImage() override { return !GetImageList(); }
  int SpeedStyle() const override { return FStyle; }
  // The frame's width on each side in the style.
  int FrameWidth() const;

  TStyUserButtonStyle FStyle = ubsAutoDetect;
};

class TStyOfficeButton : public TStyCustomSpeedButton {
  DRUMS_CLASS(TStyOfficeButton, TStyCustomSpeedButton)

 public:
  explicit TStyOfficeButton(TComponent* AOwner);
  // The flat styles up to the explorer ones show the glyph grey until hot;
  // the explorer styles let the parent show through.
  void SetStyle(TStyUserButtonStyle value) override;

  static void Publish(TPublisher<TStyOfficeButton>& p);
};
