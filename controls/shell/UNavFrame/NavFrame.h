// TNavCustomFrame / TNavFrame: a control without a window that paints one of
// the frame styles with an optional caption inside it.
#pragma once

#include "controls/shell/UNavFrame/FrameLook.h"

class TNavCustomFrame : public TNavFrameLook<TGraphicControl> {
  DRUMS_CLASS(TNavCustomFrame, TNavFrameLook<TGraphicControl>)
  DRUMS_MESSAGE_MAP(TNavCustomFrame)

 public:
  explicit TNavCustomFrame(TComponent* AOwner);

  // Stored and repainted without a change test; the frame has no window
  // whose border would change.
  void SetFrameStyle(TNavFrameStyle value);

  static void Publish(TPublisher<TNavCustomFrame>& p);
  static void Messages(TMessageMap<TNavCustomFrame>& m);

 protected:
  // The group style draws its caption itself and fires no OnPaint.
  void Paint() override;

 private:
  // Caption, colour or font: the inside of the frame is painted again.
  void CMAppearanceChanged(TMessage& m);
};

class TNavFrame : public TNavCustomFrame {
  DRUMS_CLASS(TNavFrame, TNavCustomFrame)
 public:
  explicit TNavFrame(TComponent* AOwner) : TNavCustomFrame(AOwner) {}
};
