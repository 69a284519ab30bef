// The styled library's blit engine and gradient painter over the main
// window's 628 x 651 client area: skin backgrounds are stretched or tiled
// pictures and gradient fills of this size.
#include <benchmark/benchmark.h>

#include <memory>

#include "controls/styled/styprocs.h"
#include "platform/vcl/Graphics.h"

namespace {

constexpr int kWidth = 628, kHeight = 651;

std::unique_ptr<TBitmap> Sheet(int w, int h, TColor color) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(pf32bit);
  b->SetSize(w, h);
  b->GetCanvas()->GetBrush()->SetColor(color);
  b->GetCanvas()->FillRect(TRect(0, 0, w, h));
  return b;
}

void BlitOver(benchmark::State& state, int srcW, int srcH, std::uint16_t flags) {
  auto window = Sheet(kWidth, kHeight, clWhite);
  auto picture = Sheet(srcW, srcH, clNavy);
  // A transparent key colour in a quarter of the picture.
  picture->GetCanvas()->GetBrush()->SetColor(clLime);
  picture->GetCanvas()->FillRect(TRect(0, 0, srcW / 2, srcH / 2));
  TRect painted;
  for (auto _ : state) {
    DrawBitmapExt(window->GetCanvas(), TRect(0, 0, kWidth, kHeight), picture->GetCanvas(), TRect(0, 0, srcW, srcH),
                  flags, clLime, nullptr, nullptr, painted);
    benchmark::DoNotOptimize(painted);
  }
}

void BM_DrawBitmapExtCopy(benchmark::State& s) {
  BlitOver(s, kWidth, kHeight, 0x0000);
}
void BM_DrawBitmapExtStretch(benchmark::State& s) {
  BlitOver(s, 320, 240, 0x0010);
}
void BM_DrawBitmapExtKeepAspect(benchmark::State& s) {
  BlitOver(s, 320, 240, 0x0610);
}
void BM_DrawBitmapExtTile(benchmark::State& s) {
  BlitOver(s, 64, 64, 0x0020);
}
void BM_DrawBitmapExtTransparent(benchmark::State& s) {
  BlitOver(s, kWidth, kHeight, 0x0040);
}

void FillOver(benchmark::State& state, TStyGradientStyle style, std::uint16_t flags) {
  auto window = Sheet(kWidth, kHeight, clWhite);
  TStyColorList colors;
  MakeColorRamp(clBlue, clBlack, 64, &colors);
  for (auto _ : state)
    FillGradient(window->GetCanvas(), TRect(0, 0, kWidth, kHeight), style, &colors, nullptr, flags, 0);
}

void BM_FillGradientHorizontal(benchmark::State& s) {
  FillOver(s, gstHorizontal, 0);
}
void BM_FillGradientVertical(benchmark::State& s) {
  FillOver(s, gstVertical, 0);
}
void BM_FillGradientVerticalOffscreen(benchmark::State& s) {
  FillOver(s, gstVertical, 0x0004);
}
void BM_FillGradientElliptic(benchmark::State& s) {
  FillOver(s, gstElliptic, 0);
}
void BM_FillGradientBottomRight(benchmark::State& s) {
  FillOver(s, gstBottomRight, 0);
}

}  // namespace

BENCHMARK(BM_DrawBitmapExtCopy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawBitmapExtStretch)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawBitmapExtKeepAspect)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawBitmapExtTile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawBitmapExtTransparent)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillGradientHorizontal)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillGradientVertical)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillGradientVerticalOffscreen)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillGradientElliptic)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillGradientBottomRight)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
