#include "styled/shared/fixture.h"

#include <filesystem>
#include <vector>

#include "platform/host/headless.h"
#include "platform/host/png_file.h"
#include "platform/vcl/Classes.h"
#include "platform/win/drums_ext.h"
#include "tests/support/HeadlessApplication.h"
#include "support/FormText.h"

namespace styledtest {

void StyledProcs::SetUp() {
  testsupport::StartApplication("Styled Test", startup, {0, 0, 1024, 768}, {0, 0, 1024, 728});
}

void StyledProcs::TearDown() {
  testsupport::StopApplication();
}

Sheet::Sheet(int width, int height, TColor background) {
  bitmap->SetPixelFormat(pf32bit);
  bitmap->SetSize(width, height);
  Canvas()->GetBrush()->SetStyle(bsSolid);
  Canvas()->GetBrush()->SetColor(background);
  Canvas()->FillRect(TRect(0, 0, width, height));
}

std::vector<int> Sheet::Edges(int y) {
  std::vector<int> edges{0};
  for (int x = 1; x < bitmap->GetWidth(); ++x)
    if (At(x, y) != At(x - 1, y)) edges.push_back(x);
  return edges;
}

TColor Rgb(TColor color) {
  return static_cast<TColor>(ColorToRGB(color) & 0xFFFFFF);
}

std::string PictureDir() {
  return testsupport::PictureFolder("DRUMS_STYLED_PICTURES");
}

bool SavePicture(TBitmap* bitmap, const std::string& name) {
  const int w = bitmap->GetWidth(), h = bitmap->GetHeight();
  std::vector<std::uint32_t> pixels(static_cast<size_t>(w * h));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const COLORREF c = ColorToRGB(bitmap->GetCanvas()->GetPixels(x, y));
      pixels[static_cast<size_t>(y * w + x)] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
  host::Surface s{pixels.data(), w, h, w};
  return host::WritePng(PictureDir() + "/" + name, s);
}

std::string AsText(TComponent* c) {
  return testsupport::WriteFormText(c);
}

void ReadText(const std::string& source, TComponent* into) {
  testsupport::ReadComponentText(source, into);
}

}  // namespace styledtest
