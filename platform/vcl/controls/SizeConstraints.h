// TSizeConstraints: the smallest and largest size a control may take
// (0: no limit); SetBounds keeps the control within them.
#pragma once

#include "platform/vcl/classes/typeinfo/Event.h"
#include "platform/vcl/classes/components/Persistent.h"

class TControl;

class TSizeConstraints : public TPersistent {
  DRUMS_CLASS(TSizeConstraints, TPersistent)

 public:
  explicit TSizeConstraints(TControl* control = nullptr) : FControl(control) {}

  void Assign(TPersistent* source) override;
  int GetMaxHeight() const { return FMaxHeight; }
  void SetMaxHeight(int value) { Set(FMaxHeight, value); }
  int GetMaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(int value) { Set(FMaxWidth, value); }
  int GetMinHeight() const { return FMinHeight; }
  void SetMinHeight(int value) { Set(FMinHeight, value); }
  int GetMinWidth() const { return FMinWidth; }
  void SetMinWidth(int value) { Set(FMinWidth, value); }
  // The size within the limits.
  void Constrain(int& width, int& height) const;

  TNotifyEvent OnChange;
  static void Publish(TPublisher<TSizeConstraints>& p);

 private:
  void Set(int& field, int value);
  TControl* FControl;
  int FMaxHeight = 0;
  int FMaxWidth = 0;
  int FMinHeight = 0;
  int FMinWidth = 0;
};
