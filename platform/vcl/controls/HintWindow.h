// THintWindow: the small popup window showing a control's hint in the info
// colours. The application decides when (its hint pause) and where.
#pragma once

#include <string>

#include "platform/vcl/controls/CustomControl.h"

class THintWindow;

// What CM_HINTSHOW hands the control about to show its hint (LParam points
// to it): the control may change the text, place, colour or window class,
// or answer a non-zero Result to show no hint.
struct THintInfo {
  TControl* HintControl = nullptr;
  TClass HintWindowClass = nullptr;
  TPoint HintPos;  // screen position of the hint window
  int HintMaxWidth = 0;
  TColor HintColor = clInfoBk;
  TRect CursorRect;  // client area where the hint stays valid
  TPoint CursorPos;  // pointer, client coordinates of HintControl
  int ReshowTimeout = 0;
  int HideTimeout = 0;
  std::string HintStr;
  void* HintData = nullptr;
};

class THintWindow : public TCustomControl {
  DRUMS_CLASS(THintWindow, TCustomControl)
  DRUMS_MESSAGE_MAP(THintWindow)

 public:
  explicit THintWindow(TComponent* AOwner);

  // Shows hint at rect (screen coordinates) above every other window,
  // without taking the activation.
  virtual void ActivateHint(TRect rect, const std::string& hint);
  // The rectangle (at 0, 0) the hint needs when wrapped at maxWidth.
  virtual TRect CalcHintRect(int maxWidth, const std::string& hint);
  // Hides the window (and lets it go until the next hint).
  void ReleaseHandle();
  bool IsHintShowing();

  static void Messages(TMessageMap<THintWindow>& m);

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;

 private:
  void CMTextChanged(TMessage& m);
  void WMNCHitTest(TMessage& m);
};

// Text of the control's hint up to the first "|" (the rest is the long
// hint for status lines).
std::string GetShortHint(const std::string& hint);
std::string GetLongHint(const std::string& hint);
