// Not a check: with DRUMS_TEXT_SAMPLE=<file.png> set, renders a sheet of
// faces and sizes for a person to look at (hinting, weight, rotation).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/host/png_file.h"
#include "text_canvas.h"

namespace {

TEST(TextSampleSheet, RendersWhenAsked) {
  const char* path = std::getenv("DRUMS_TEXT_SAMPLE");
  if (!path) GTEST_SKIP() << "set DRUMS_TEXT_SAMPLE to a PNG path to render the sheet";
  text_test::TextCanvas canvas(640, 420);
  HDC dc = canvas.dc();
  int y = 4;
  struct Row {
    const char* face;
    int height;
    int weight;
  };
  const Row rows[] = {
      {"MS Sans Serif", -11, FW_NORMAL}, {"MS Sans Serif", -11, FW_BOLD}, {"Tahoma", -11, FW_NORMAL},
      {"Arial", -12, FW_NORMAL},         {"Arial", -13, FW_NORMAL},       {"Arial", -16, FW_NORMAL},
      {"Arial", -20, FW_BOLD},           {"Courier New", -12, FW_NORMAL}, {"Times New Roman", -15, FW_NORMAL},
      {"Verdana", -11, FW_NORMAL},       {"System", 16, FW_BOLD},
  };
  for (const Row& row : rows) {
    canvas.UseFont(row.face, row.height, row.weight);
    const std::string text = std::string(row.face) + " " + std::to_string(row.height) +
                             ": The quick brown fox jumps over the lazy dog 0123456789 &File \xC3\xA9\xC3\xBC";
    TextOutA(dc, 4, y, text.c_str(), static_cast<int>(text.size()));
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    y += tm.tmHeight + 3;
  }
  canvas.UseFont("Arial", -11);
  RECT r{4, y + 4, 200, y + 60};
  DrawTextA(dc, "&Options && settings, with word breaking inside a narrow box", -1, &r, DT_WORDBREAK);
  RECT e{210, y + 4, 330, y + 20};
  DrawTextA(dc, "An ellipsis at the end of this long line", -1, &e, DT_SINGLELINE | DT_END_ELLIPSIS);
  canvas.UseFont("Arial", -14, FW_NORMAL, 900);
  TextOutA(dc, 360, 410, "Rotated 90", 10);
  canvas.UseFont("Arial", -14, FW_NORMAL, 450);
  TextOutA(dc, 400, 410, "Rotated 45", 10);
  canvas.UseFont("Arial", -14, FW_NORMAL, 0, true);
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, RGB(255, 255, 160));
  TextOutA(dc, 480, 390, "Underlined", 10);
  host::Surface surface{const_cast<std::uint32_t*>(canvas.pixels()), canvas.width(), canvas.height(), canvas.width()};
  EXPECT_TRUE(host::WritePng(path, surface));
  // The dialog sizes four times enlarged, to judge the hinting pixel by pixel.
  constexpr int kZoom = 4, kW = 300, kH = 56;
  std::vector<std::uint32_t> zoomed(kW * kZoom * kH * kZoom);
  for (int y = 0; y < kH * kZoom; ++y)
    for (int x = 0; x < kW * kZoom; ++x) zoomed[y * kW * kZoom + x] = canvas.At(x / kZoom, y / kZoom);
  host::Surface zoom{zoomed.data(), kW * kZoom, kH * kZoom, kW * kZoom};
  EXPECT_TRUE(host::WritePng(std::string(path) + ".zoom.png", zoom));
}

}  // namespace
