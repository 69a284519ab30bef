#include "styled/shared/fixture.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <unistd.h>
#include <vector>

#include "platform/host/headless.h"
#include "platform/host/png_file.h"
#include "platform/vcl/Classes.h"
#include "platform/win/drums_ext.h"

namespace styledtest {

void StyledProcs::SetUp() {
  win::clock::UseManual(1'000'000'000);
  host::headless::SetScreen({0, 0, 1024, 768}, {0, 0, 1024, 728});
  vcl::InitControls();
  InitApplication();
  Application->Initialize();
  Application->SetTitle("Styled Test");
  InitStyApplication();
}

void StyledProcs::TearDown() {
  DoneStyApplication();
  DoneApplication();
  vcl::DoneControls();
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {}
  win::clock::UseReal();
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

namespace {
// The test program's own folder for pictures, removed when the program ends.
struct TemporaryPictures {
  std::filesystem::path dir = std::filesystem::temp_directory_path() / ("styled-pictures-" + std::to_string(getpid()));
  TemporaryPictures() { std::filesystem::create_directories(dir); }
  ~TemporaryPictures() {
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
  }
};
}  // namespace

std::string PictureDir() {
  if (const char* dir = std::getenv("DRUMS_STYLED_PICTURES")) return dir;
  static TemporaryPictures temporary;
  return temporary.dir.string();
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
  TMemoryStream binary, text;
  WriteComponent(&binary, c);
  binary.SetPosition(0);
  ObjectBinaryToText(&binary, &text);
  return std::string(static_cast<const char*>(text.GetMemory()), static_cast<size_t>(text.GetSize()));
}

void ReadText(const std::string& source, TComponent* into) {
  TMemoryStream text, binary;
  text.WriteBuffer(source.data(), static_cast<int>(source.size()));
  text.SetPosition(0);
  ObjectTextToBinary(&text, &binary);
  binary.SetPosition(0);
  ReadComponent(&binary, into);
}

}  // namespace styledtest
