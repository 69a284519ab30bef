// The main window for the kit, mixer and popup checks: right clicks, typing
// and the pointer through the host, popup menus that open their loop, the
// message boxes answered and kept, and the mixer's output pulled by hand.
#pragma once

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "drummachine/core/BuiltinKits.h"
#include "drummachine/mainwindow/main_window_fixture.h"
#include "support/HostMouse.h"
#include "support/MonoWav.h"
#include "platform/dsound/dsound_ext.h"
#include "platform/vcl/Menus.h"

namespace windowkits {

namespace fs = std::filesystem;

// A 16-bit mono PCM ".wav" of 44,100 Hz holding the given samples.
inline void WriteWav(const fs::path& path, const std::vector<std::int16_t>& samples) {
  std::ofstream(path, std::ios::binary) << testsupport::MonoWavBytes(samples);
}

class KitsWindow : public mainwindowtest::MainWindow {
 protected:
  void SetUp() override {
    MainWindow::SetUp();
    // The mixer's frame 0 is the moment the window's sound devices opened.
    audioStart = win::clock::NowMicros();
    win::user::SetMessageBoxAnswer([](const win::user::MessageBoxRecord&) { return IDOK; });
  }

  void TearDown() override {
    Application->OnIdle = nullptr;
    win::user::SetMessageBoxAnswer({});
    MainWindow::TearDown();
  }

  template <typename T>
  T* Named(const std::string& name) {
    auto* component = dynamic_cast<T*>(window->FindComponent(name));
    EXPECT_NE(component, nullptr) << name;
    return component;
  }

  // The texts of the message boxes shown since the last call.
  std::vector<std::string> Messages() {
    std::vector<std::string> texts;
    for (const auto& box : win::user::TakeMessageBoxRecords()) texts.push_back(box.text);
    return texts;
  }

  // One host event at client point (x, y) of control.
  void Send(host::EventType type, TControl* control, int x, int y, host::MouseButton button = host::MouseButton::Left) {
    testsupport::PushMouseEvent(type, control, x, y, button);
  }

  // The pointer moves onto the point and the right button clicks there; a
  // popup menu that opens runs its loop inside this call.
  void RightClickAt(TControl* control, int x, int y) {
    Send(host::EventType::MouseMove, control, x, y);
    Pump();
    Send(host::EventType::MouseDown, control, x, y, host::MouseButton::Right);
    Send(host::EventType::MouseUp, control, x, y, host::MouseButton::Right);
    Pump();
  }

  // Text typed into the focused control, as the host delivers it.
  void Type(const std::string& text) {
    host::Event e;
    e.type = host::EventType::TextInput;
    e.window = win::user::HostWindowOf(GetAncestor(window->GetHandle(), GA_ROOT));
    e.text = text;
    host::headless::PushEvent(e);
    Pump();
  }

  // A key pressed and released, left for a loop that is about to run.
  void QueueKey(int vk) {
    for (host::EventType type : {host::EventType::KeyDown, host::EventType::KeyUp}) {
      host::Event e;
      e.type = type;
      e.window = win::user::HostWindowOf(GetAncestor(window->GetHandle(), GA_ROOT));
      e.key = vk;
      host::headless::PushEvent(e);
    }
  }

  void Key(int vk) {
    QueueKey(vk);
    Pump();
  }

  // While a popup menu's loop runs, one step per idle pass; once they are
  // used up the menu closes, so a test never waits in the loop.
  void WhileMenuOpen(std::deque<std::function<void()>> steps) {
    menuScript = std::move(steps);
    Application->OnIdle = [this](TObject*, bool& done) {
      done = true;
      HWND menuWindow = FindWindowA("#32768", nullptr);
      if (!menuWindow) return;
      if (menuScript.empty()) {
        EndMenu();
        return;
      }
      auto step = menuScript.front();
      menuScript.pop_front();
      step();
      PostMessageA(menuWindow, WM_NULL, 0, 0);
    };
  }

  // The entries a popup menu shows now, by position.
  static std::vector<std::string> Entries(TPopupMenu* popup) {
    std::vector<std::string> entries;
    HMENU menu = popup->GetHandle();
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      char text[128] = {};
      GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
      entries.emplace_back(text);
    }
    return entries;
  }

  // The names of track t's waves, in list order.
  std::vector<std::string> WaveNames(int t) const {
    std::vector<std::string> names;
    TWaveCollection* bank = window->TrackWaveLists[t]->GetItems();
    for (int i = 0; i < bank->GetCount(); ++i) names.push_back(bank->GetItems(i)->GetName());
    return names;
  }

  // The mixer's output pulled up to the clock's present moment and on for
  // `after` frames (left channel); the hits of the moment start after the
  // mixer's latency.
  std::vector<std::int16_t> RenderUntilNowAnd(int after) {
    const auto now = static_cast<std::int64_t>((win::clock::NowMicros() - audioStart) * 44100 / 1000000);
    const std::int64_t frames = now + dsound::LatencyFrames() + after - rendered;
    std::vector<std::int16_t> left;
    for (std::int64_t done = 0; done < frames;) {
      const int n = static_cast<int>(std::min<std::int64_t>(1024, frames - done));
      const std::vector<std::int16_t> part = host::headless::RenderAudio(n);
      for (int i = 0; i < n; ++i) left.push_back(part[static_cast<std::size_t>(2 * i)]);
      done += n;
    }
    rendered += frames;
    return left;
  }

  std::uint64_t audioStart = 0;
  std::int64_t rendered = 0;
  std::deque<std::function<void()>> menuScript;
};

}  // namespace windowkits
