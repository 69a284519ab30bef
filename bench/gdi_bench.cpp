// What the main window repeats: a full repaint of its 628 x 651 client area
// (background bitmap, the 12 x 16 grid of 15 x 20 step cells, track labels)
// and the blit of one step cell.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "platform/win/windows.h"

namespace {

constexpr int kWidth = 628, kHeight = 651;
constexpr int kCellW = 15, kCellH = 20, kFaces = 4;

struct Scene {
  // The window's surface: a top-down 32-bit DIB section, as a window's
  // surface is laid out.
  HBITMAP windowBitmap = nullptr;
  std::uint32_t* surface = nullptr;
  HDC window = nullptr;
  HGDIOBJ oldWindowBitmap = nullptr;
  HDC backgroundDC = nullptr, cellsDC = nullptr, maskDC = nullptr;
  HBITMAP background = nullptr, cells = nullptr, mask = nullptr;
  HGDIOBJ oldBackground = nullptr, oldCells = nullptr, oldMask = nullptr;

  Scene() {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    windowBitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    surface = static_cast<std::uint32_t*>(bits);
    window = CreateCompatibleDC(nullptr);
    oldWindowBitmap = SelectObject(window, windowBitmap);
    backgroundDC = CreateCompatibleDC(window);
    background = CreateCompatibleBitmap(window, kWidth, kHeight);
    oldBackground = SelectObject(backgroundDC, background);
    PatBlt(backgroundDC, 0, 0, kWidth, kHeight, WHITENESS);
    // The cell faces side by side, as an image strip holds them.
    cellsDC = CreateCompatibleDC(window);
    cells = CreateCompatibleBitmap(window, kCellW * kFaces, kCellH);
    oldCells = SelectObject(cellsDC, cells);
    for (int f = 0; f < kFaces; ++f) {
      HBRUSH b = CreateSolidBrush(RGB(40 * f, 200 - 40 * f, 90));
      HGDIOBJ old = SelectObject(cellsDC, b);
      PatBlt(cellsDC, f * kCellW, 0, kCellW, kCellH, PATCOPY);
      SelectObject(cellsDC, old);
      DeleteObject(b);
    }
    maskDC = CreateCompatibleDC(window);
    mask = CreateBitmap(kCellW * kFaces, kCellH, 1, 1, nullptr);
    oldMask = SelectObject(maskDC, mask);
    PatBlt(maskDC, 2, 2, kCellW * kFaces - 4, kCellH - 4, WHITENESS);
  }
  ~Scene() {
    SelectObject(backgroundDC, oldBackground);
    SelectObject(cellsDC, oldCells);
    SelectObject(maskDC, oldMask);
    DeleteDC(backgroundDC);
    DeleteDC(cellsDC);
    DeleteDC(maskDC);
    DeleteObject(background);
    DeleteObject(cells);
    DeleteObject(mask);
    SelectObject(window, oldWindowBitmap);
    DeleteDC(window);
    DeleteObject(windowBitmap);
  }
  void Cell(int track, int step) {
    const int face = (track + step) % kFaces;
    BitBlt(window, 150 + step * (kCellW + 14), 120 + track * (kCellH + 10), kCellW, kCellH, cellsDC, face * kCellW, 0,
           SRCCOPY);
  }
};

void BM_FullRepaint(benchmark::State& state) {
  Scene scene;
  SetBkMode(scene.window, TRANSPARENT);
  const bool withText = state.range(0) != 0;
  for (auto _ : state) {
    BitBlt(scene.window, 0, 0, kWidth, kHeight, scene.backgroundDC, 0, 0, SRCCOPY);
    for (int t = 0; t < 12; ++t)
      for (int s = 0; s < 16; ++s) scene.Cell(t, s);
    if (withText) {
      for (int t = 0; t < 12; ++t) {
        const std::string name = "Track " + std::to_string(t + 1);
        TextOutA(scene.window, 10, 122 + t * (kCellH + 10), name.c_str(), static_cast<int>(name.size()));
      }
    }
    benchmark::DoNotOptimize(scene.surface);
  }
}
BENCHMARK(BM_FullRepaint)->Arg(0)->Arg(1)->ArgName("text")->Unit(benchmark::kMicrosecond);

void BM_OneCell(benchmark::State& state) {
  Scene scene;
  for (auto _ : state) {
    scene.Cell(3, 7);
    benchmark::DoNotOptimize(scene.surface);
  }
}
BENCHMARK(BM_OneCell);

// A transparent cell: mask with SRCAND, then the image with SRCPAINT.
void BM_OneMaskedCell(benchmark::State& state) {
  Scene scene;
  SetBkColor(scene.window, RGB(255, 255, 255));
  SetTextColor(scene.window, RGB(0, 0, 0));
  for (auto _ : state) {
    BitBlt(scene.window, 200, 200, kCellW, kCellH, scene.maskDC, 0, 0, SRCAND);
    BitBlt(scene.window, 200, 200, kCellW, kCellH, scene.cellsDC, 0, 0, SRCPAINT);
    benchmark::DoNotOptimize(scene.surface);
  }
}
BENCHMARK(BM_OneMaskedCell);

// A cell stretched by the image control's stretch style.
void BM_StretchedCell(benchmark::State& state) {
  Scene scene;
  SetStretchBltMode(scene.window, COLORONCOLOR);
  for (auto _ : state) {
    StretchBlt(scene.window, 100, 100, kCellW * 2, kCellH * 2, scene.cellsDC, 0, 0, kCellW, kCellH, SRCCOPY);
    benchmark::DoNotOptimize(scene.surface);
  }
}
BENCHMARK(BM_StretchedCell);

}  // namespace

BENCHMARK_MAIN();
