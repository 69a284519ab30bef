// A window of the host layer alone: coloured bands, a filled rectangle and a
// checker pattern under a caption strip that drags the window. Escape, the
// red box at the top right, or the desktop's close request end it; a click
// elsewhere leaves a mark.
#include <algorithm>
#include <cstdio>
#include <exception>

#include "platform/host/host.h"

namespace {

constexpr int kWidth = 640, kHeight = 480, kCaption = 28, kCloseBox = 20;
constexpr int kEscape = 0x1B;

void Fill(const host::Surface& s, int x, int y, int w, int h, std::uint32_t colour) {
  for (int row = std::max(y, 0); row < std::min(y + h, s.height); ++row)
    for (int col = std::max(x, 0); col < std::min(x + w, s.width); ++col) s.pixels[row * s.stride + col] = colour;
}

bool InCloseBox(int x, int y) {
  return x >= kWidth - kCloseBox - 4 && x < kWidth - 4 && y >= 4 && y < 4 + kCloseBox;
}

void Draw(const host::Surface& s) {
  Fill(s, 0, 0, s.width, s.height, 0xF0F0F0);
  Fill(s, 0, 0, s.width, kCaption, 0x203A78);
  Fill(s, kWidth - kCloseBox - 4, 4, kCloseBox, kCloseBox, 0xC83232);
  const std::uint32_t bands[] = {0xE53935, 0xFB8C00, 0xFDD835, 0x43A047, 0x1E88E5, 0x8E24AA};
  const int bandW = s.width / 6;
  for (int i = 0; i < 6; ++i) Fill(s, i * bandW, kCaption, bandW, 80, bands[i]);
  Fill(s, 40, 150, 240, 160, 0x00897B);
  Fill(s, 60, 170, 200, 120, 0xFFFFFF);
  Fill(s, 80, 190, 160, 80, 0x00897B);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) Fill(s, 340 + x * 30, 150 + y * 30, 30, 30, (x + y) % 2 ? 0x202020 : 0xE0E0E0);
}

int Run() {
  host::Backend& desk = host::Get();
  const host::Rect work = desk.WorkArea();
  host::WindowParams params;
  params.title = "Host demo";
  params.bounds = {work.x + (work.w - kWidth) / 2, work.y + (work.h - kHeight) / 2, kWidth, kHeight};
  const host::WindowId window = desk.CreateWindow(params);
  if (!window) {
    std::fprintf(stderr, "host_demo: the window could not be made\n");
    return 1;
  }
  desk.SetHitTest([](host::WindowId, int x, int y) {
    return y < kCaption && !InCloseBox(x, y) ? host::HitArea::Caption : host::HitArea::Client;
  });
  Draw(desk.GetSurface(window));
  desk.ShowWindow(window, true);
  desk.Present(window, {});
  for (bool running = true; running;) {
    desk.WaitEvent(-1);
    host::Event e;
    while (running && desk.PollEvent(e)) {
      switch (e.type) {
        case host::EventType::Quit:
        case host::EventType::CloseRequested: running = false; break;
        case host::EventType::KeyDown: running = e.key != kEscape; break;
        case host::EventType::Exposed: desk.Present(window, {}); break;
        case host::EventType::MouseDown:
          if (InCloseBox(e.x, e.y)) {
            running = false;
          } else {
            Fill(desk.GetSurface(window), e.x - 4, e.y - 4, 9, 9, 0x000000);
            desk.Present(window, {{e.x - 4, e.y - 4, 9, 9}});
          }
          break;
        default: break;
      }
    }
  }
  return 0;  // host::Shutdown closes the window (and takes its DRUMS_SCREENSHOTS picture)
}

}  // namespace

int main() {
  int code = 1;
  try {
    code = Run();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "host_demo: %s\n", error.what());
  }
  host::Shutdown();
  return code;
}
