// TNavCustomGroup / TNavGroup: a window that draws one of the frame styles,
// and for the group style its caption, in its non-client area, so that the
// child controls sit inside the frame.
#pragma once

#include "controls/shell/UNavFrame/FrameLook.h"

class TNavCustomGroup : public TNavFrameLook<TCustomControl> {
  DRUMS_CLASS(TNavCustomGroup, TNavFrameLook<TCustomControl>)
  DRUMS_MESSAGE_MAP(TNavCustomGroup)

 public:
  explicit TNavCustomGroup(TComponent* AOwner);

  // The border changes size: the window is made again.
  void SetFrameStyle(TNavFrameStyle value);

  // The border the style takes around the client area: left, top, right,
  // bottom in pixels.
  TRect FrameBorder();

  static void Publish(TPublisher<TNavCustomGroup>& p);
  static void Messages(TMessageMap<TNavCustomGroup>& m);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  virtual void DrawFrame(TCanvas* Canvas, TRect R);
  bool Designing() const { return GetComponentState().Contains(csDesigning); }

 private:
  void WMEraseBkgnd(TMessage& m);
  void WMNCCalcSize(TMessage& m);
  void WMNCPaint(TMessage& m);
  void CMEnabledChanged(TMessage& m);
  void CMTextChanged(TMessage& m);
  void CMColorChanged(TMessage& m);
  void CMFontChanged(TMessage& m);
  // Makes Windows measure and paint the non-client area again.
  void UpdateFrame();

  bool FFrameChanged = false;
};

class TNavGroup : public TNavCustomGroup {
  DRUMS_CLASS(TNavGroup, TNavCustomGroup)
 public:
  explicit TNavGroup(TComponent* AOwner) : TNavCustomGroup(AOwner) {}
};
