// TNavCustomFrame / TNavFrame: a control without a window that paints one of
// the frame styles with an optional caption inside it.
#pragma once

#include "controls/shell/UNavFrame/FramePainters.h"
#include "platform/vcl/Controls.h"

class TNavCustomFrame : public TGraphicControl {
  DRUMS_CLASS(TNavCustomFrame, TGraphicControl)
  DRUMS_MESSAGE_MAP(TNavCustomFrame)

 public:
  explicit TNavCustomFrame(TComponent* AOwner);

  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  bool GetDefaultDrawing() const { return FDefaultDrawing; }
  void SetDefaultDrawing(bool value);
  int GetFrameSpace() const { return FFrameSpace; }
  void SetFrameSpace(int value);
  TNavFrameStyle GetFrameStyle() const { return FFrameStyle; }
  void SetFrameStyle(TNavFrameStyle value);

  // Not fired by the group style, which draws its caption itself.
  TNavFramePaintEvent OnPaint;

  static void Publish(TPublisher<TNavCustomFrame>& p);
  static void Messages(TMessageMap<TNavCustomFrame>& m);

 protected:
  void Paint() override;

 private:
  // Caption, colour or font: the inside of the frame is painted again.
  void CMAppearanceChanged(TMessage& m);

  TAlignment FAlignment = taCenter;
  bool FDefaultDrawing = true;
  int FFrameSpace = 2;
  TNavFrameStyle FFrameStyle = navfsLowered;
};

class TNavFrame : public TNavCustomFrame {
  DRUMS_CLASS(TNavFrame, TNavCustomFrame)
 public:
  explicit TNavFrame(TComponent* AOwner) : TNavCustomFrame(AOwner) {}
};
