// The look a framed control shares, with a window (the group) or without
// one (the caption frame): the frame style, whether the control paints its
// background and caption, and where the caption of the non-group styles
// sits. Base is the class library's control the framed control grows from.
#pragma once

#include "controls/shell/UNavFrame/FramePainters.h"
#include "platform/vcl/Controls.h"
#include "platform/win/windows.h"

template <class Base>
class TNavFrameLook : public Base {
 public:
  using Base::Base;

  TAlignment GetAlignment() const { return FAlignment; }
  // Alignment, DefaultDrawing and FrameSpace are stored and repainted
  // without a change test.
  void SetAlignment(TAlignment value) {
    FAlignment = value;
    this->Invalidate();
  }
  bool GetDefaultDrawing() const { return FDefaultDrawing; }
  void SetDefaultDrawing(bool value) {
    FDefaultDrawing = value;
    this->Invalidate();
  }
  int GetFrameSpace() const { return FFrameSpace; }
  void SetFrameSpace(int value) {
    FFrameSpace = value;
    this->Invalidate();
  }
  TNavFrameStyle GetFrameStyle() const { return FFrameStyle; }

  TNavFramePaintEvent OnPaint;

 protected:
  // The published look, with the frame style a new control of Self has.
  template <class Self>
  static void PublishLook(TPublisher<Self>& p, TNavFrameStyle defaultStyle) {
    p.Prop("Alignment", &Self::GetAlignment, &Self::SetAlignment).Default(taCenter);
    p.Prop("DefaultDrawing", &Self::GetDefaultDrawing, &Self::SetDefaultDrawing).Default(true);
    p.Prop("FrameSpace", &Self::GetFrameSpace, &Self::SetFrameSpace).Default(2);
    p.Prop("FrameStyle", &Self::GetFrameStyle, &Self::SetFrameStyle).Default(defaultStyle);
    p.Prop("OnPaint", &Self::OnPaint);
  }

  // The caption of a non-group style in R inset by FrameSpace left and
  // right, on one line, placed by Alignment, centred vertically and cut
  // with an ellipsis.
  void DrawInsideCaption(TCanvas* Canvas, TRect R) {
    static constexpr UINT kAlignFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    R.Left += FFrameSpace;
    R.Right -= FFrameSpace;
    DrawFrameCaption(Canvas, R, kAlignFlags[FAlignment] | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS,
                     this->GetText());
  }

  TNavFrameStyle FFrameStyle = navfsGroup;

 private:
  TAlignment FAlignment = taCenter;
  bool FDefaultDrawing = true;
  int FFrameSpace = 2;
};
