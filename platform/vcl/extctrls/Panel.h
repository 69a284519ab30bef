// TPanel: a windowed container with an outer and an inner bevel, a border
// between them and a caption in the middle.
#pragma once

#include "platform/vcl/controls/CustomControl.h"
#include "platform/vcl/extctrls/ExtCtrlsTypes.h"

class TCustomPanel : public TCustomControl {
  DRUMS_CLASS(TCustomPanel, TCustomControl)
  DRUMS_MESSAGE_MAP(TCustomPanel)

 public:
  explicit TCustomPanel(TComponent* AOwner);

  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  TBevelCut GetBevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut value);
  TBevelCut GetBevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut value);
  int GetBevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int value);
  int GetBorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int value);
  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);

  static void Publish(TPublisher<TCustomPanel>& p);
  static void Messages(TMessageMap<TCustomPanel>& m);

 protected:
  void CreateParams(TCreateParams& params) override;
  void AdjustClientRect(TRect& rect) override;
  void Paint() override;

 private:
  void CMTextChanged(TMessage& m);
  void Changed();

  TAlignment FAlignment = taCenter;
  TBevelCut FBevelInner = TBevelCut::bvNone;
  TBevelCut FBevelOuter = TBevelCut::bvRaised;
  int FBevelWidth = 1;
  int FBorderWidth = 0;
  TBorderStyle FBorderStyle = bsNone;
};

class TPanel : public TCustomPanel {
  DRUMS_CLASS(TPanel, TCustomPanel)

 public:
  using TCustomPanel::TCustomPanel;
};
