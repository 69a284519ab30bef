// TScrollBox: a bordered container whose children scroll when they reach
// beyond its client area.
#pragma once

#include "platform/vcl/controls/ScrollingWinControl.h"

class TScrollBox : public TScrollingWinControl {
  DRUMS_CLASS(TScrollBox, TScrollingWinControl)

 public:
  explicit TScrollBox(TComponent* AOwner);

  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);

  static void Publish(TPublisher<TScrollBox>& p);

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  TBorderStyle FBorderStyle = bsSingle;
};
