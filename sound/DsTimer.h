// TDsTimer: a step clock that calls its event every Interval milliseconds
// from the application's idle handling instead of from a window timer, with
// the multimedia clock's millisecond resolution. While it runs it keeps an
// idle handler of its own with the application (beside OnIdle and any other
// clock's), and the message loop never waits for messages beyond the next
// due tick.
#pragma once

#include <cstdint>

#include "platform/vcl/Classes.h"
#include "platform/vcl/Forms.h"

using TDsTimerEvent = TEvent<void(TObject* Sender, int LagCount)>;

class TCustomDsTimer : public TComponent {
  DRUMS_CLASS(TCustomDsTimer, TComponent)

 public:
  explicit TCustomDsTimer(TComponent* AOwner);
  ~TCustomDsTimer() override;

  bool GetActiveOnly() const { return FActiveOnly; }
  void SetActiveOnly(bool value);
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool value);
  std::uint32_t GetInterval() const { return FInterval; }
  void SetInterval(std::int64_t value);
  int GetTicksPerSecond() const { return FTicksPerSecond; }

  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TDsTimerEvent OnTimer;

 protected:
  virtual void DoActivate();
  virtual void DoDeactivate();
  virtual void DoTimer(int LagCount);
  void Loaded() override;

 private:
  void Start();
  void Stop();
  void Resume();
  void Suspend();
  void AppIdle(TObject* Sender, bool& Done);
  bool AppProc(TMessage& Message);
  bool ApplicationInactive() const;

  bool FActiveOnly = true;
  bool FEnabled = true;
  int FTicksPerSecond = 0;
  bool FStarted = false;
  std::uint32_t FInterval = 0;
  std::uint32_t FIntervalDivisor = 1;
  int FTickCount = 0;
  std::uint32_t FLastTickTime = 0;
  std::uint32_t FRateSampleTime = 0;
};

class TDsTimer : public TCustomDsTimer {
  DRUMS_CLASS(TDsTimer, TCustomDsTimer)

 public:
  using TCustomDsTimer::TCustomDsTimer;

 private:
  static void Publish(TPublisher<TDsTimer>& p) {
    p.Prop("ActiveOnly", &TDsTimer::GetActiveOnly, &TDsTimer::SetActiveOnly).Default(true);
    p.Prop("Enabled", &TDsTimer::GetEnabled, &TDsTimer::SetEnabled).Default(true);
    p.Prop("Interval", &TDsTimer::GetIntervalValue, &TDsTimer::SetIntervalValue).Default(1000);
    p.Prop("OnActivate", &TDsTimer::OnActivate);
    p.Prop("OnDeactivate", &TDsTimer::OnDeactivate);
    p.Prop("OnTimer", &TDsTimer::OnTimer);
  }
  // Streams carry the interval as an integer.
  std::int32_t GetIntervalValue() const { return static_cast<std::int32_t>(GetInterval()); }
  void SetIntervalValue(std::int32_t value) { SetInterval(value); }
};
