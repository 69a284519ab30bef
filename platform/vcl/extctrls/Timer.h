// TTimer: OnTimer every Interval milliseconds while Enabled, on a timer of
// the window manager (so the clock seam drives it). A timer whose handler
// is still running when the next tick comes skips that tick.
#pragma once

#include "platform/vcl/classes/components/Component.h"
#include "platform/win/windef.h"

class TTimer : public TComponent {
  DRUMS_CLASS(TTimer, TComponent)

 public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;

  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool value);
  // Milliseconds; 0 stops the timer.
  unsigned GetInterval() const { return FInterval; }
  void SetInterval(unsigned value);

  TNotifyEvent OnTimer;

  static void Publish(TPublisher<TTimer>& p);

 protected:
  virtual void Timer();
  void Loaded() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void UpdateTimer();

  HWND FWindow = nullptr;
  bool FEnabled = true;
  unsigned FInterval = 1000;
  bool FInTimer = false;
};
