// A shown top-level windowed control on the headless host, a manual clock,
// and probes: a graphic control that fills itself with one colour and a
// windowed control, both logging the messages their message maps see.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/vcl/Controls.h"

namespace ctltest {

// Fills everything it may (well beyond its bounds) so that clipping shows.
class TProbe : public TGraphicControl {
  DRUMS_CLASS(TProbe, TGraphicControl)
  DRUMS_MESSAGE_MAP(TProbe)

 public:
  explicit TProbe(TComponent* owner) : TGraphicControl(owner) {}
  static void Messages(TMessageMap<TProbe>& m) {
    m.On(CM_MOUSEENTER, &TProbe::Log);
    m.On(CM_MOUSELEAVE, &TProbe::Log);
  }
  std::vector<UINT> log;
  TColor fill = clBlue;
  int paints = 0;

  using TControl::GetControlStyle;
  void Style(TControlStyle style) { SetControlStyle(style); }

 protected:
  void Paint() override {
    paints++;
    GetCanvas()->GetBrush()->SetColor(fill);
    GetCanvas()->FillRect(Rect(-100, -100, 1000, 1000));
  }

 private:
  void Log(TMessage& m) {
    log.push_back(m.Msg);
    InheritedMessage(m);
  }
};

constexpr UINT WM_PROBE = WM_USER + 1;

class TWinProbe : public TWinControl {
  DRUMS_CLASS(TWinProbe, TWinControl)
  DRUMS_MESSAGE_MAP(TWinProbe)

 public:
  explicit TWinProbe(TComponent* owner) : TWinControl(owner) {}
  static void Messages(TMessageMap<TWinProbe>& m) {
    m.On(WM_PROBE, &TWinProbe::Probe);
    m.On(CN_COMMAND, &TWinProbe::Log);
    m.On(CM_ENTER, &TWinProbe::Log);
    m.On(CM_EXIT, &TWinProbe::Log);
  }
  std::vector<TMessage> log;
  static std::vector<std::string>& Created() {
    static std::vector<std::string> created;
    return created;
  }

 protected:
  void CreateWnd() override {
    Created().push_back(GetName());
    TWinControl::CreateWnd();
  }

 private:
  void Probe(TMessage& m) { m.Result = 42; }
  void Log(TMessage& m) {
    log.push_back(m);
    InheritedMessage(m);
  }
};

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  void Pump();
  // Paints what is invalid in the host now.
  void PaintNow();
  COLORREF Pixel(int x, int y);
  LRESULT SendToHost(UINT msg, WPARAM w, int x, int y);

  TWinControl* host = nullptr;
};

}  // namespace ctltest
