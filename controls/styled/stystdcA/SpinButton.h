// The spin edit's up/down button: a square face split by the diagonal from
// the bottom-left to the top-right corner into a top part (up) and a bottom
// part (down). Holding a part fires its event at once and then repeats from
// a timer of the library's shared pool.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/vcl/Controls.h"
#include "platform/vcl/Graphics.h"

// The button's states, also the index of its face in the face bitmap.
enum TStySpinState : std::uint8_t { ssNormal, ssTopDown, ssBottomDown, ssDisabled };

class TStySpinButton : public TGraphicControl {
  DRUMS_CLASS(TStySpinButton, TGraphicControl)
  DRUMS_MESSAGE_MAP(TStySpinButton)

 public:
  // Takes a timer of the shared pool: a full pool raises EOutOfResources.
  explicit TStySpinButton(TComponent* AOwner);
  ~TStySpinButton() override;

  // Milliseconds between repeats; the first repeat waits 200 ms more.
  WORD GetInterval() const { return FInterval; }
  void SetInterval(WORD value) { FInterval = value; }
  TStySpinState GetState() const { return FState; }
  // Whether (X, Y) lies in the bottom part; a point on the diagonal is top.
  static bool InBottomPart(int X, int Y, int Width, int Height);

  TNotifyEvent OnTopClick;
  TNotifyEvent OnBottomClick;

  static void Publish(TPublisher<TStySpinButton>& p);
  static void Messages(TMessageMap<TStySpinButton>& m);

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  void CMEnabledChanged(TMessage& m);
  void TimerExpired();
  // The press is over: released, or its mouse taken away.
  void EndPress();
  void FireFor(TStySpinState part);
  // Interval + 200, held at the largest interval.
  WORD FirstDelay() const;
  // Interval is rounded up to the shared pool's period.
  void SetRepeatTimer(bool Enabled, WORD Interval);
  void ChangeState(TStySpinState value);
  void BuildFaces();
  void DrawFace(TCanvas* Canvas, TStySpinState face);
  bool Inside(int X, int Y) const { return X >= 0 && Y >= 0 && X < FWidth && Y < FHeight; }
  TStySpinState PartAt(int X, int Y) const { return InBottomPart(X, Y, FWidth, FHeight) ? ssBottomDown : ssTopDown; }

  TStySpinState FState = ssNormal;
  TStySpinState FPressedPart = ssNormal;
  bool FTracking = false;
  WORD FInterval = 100;
  std::unique_ptr<TBitmap> FFaces;
  WORD FTimerIdent = 0;
};
