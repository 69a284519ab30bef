#include <png.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <filesystem>
#include <vector>

#include "support.h"

namespace {

using hosttest::Fill;
using hosttest::Headless;
using hosttest::ScratchFolder;

std::uint32_t At(const host::Surface& s, int x, int y) {
  return s.pixels[y * s.stride + x];
}

// Reads a PNG with libpng itself, independent of the layer's own reader.
struct Png {
  int width = 0, height = 0;
  std::vector<std::uint32_t> rgb;  // 0x00RRGGBB
  std::uint32_t At(int x, int y) const { return rgb[y * width + x]; }
};

bool ReadPngFile(const std::string& path, Png& out) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> bytes(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr)) return false;
  out.width = static_cast<int>(image.width);
  out.height = static_cast<int>(image.height);
  out.rgb.clear();
  for (size_t i = 0; i < bytes.size(); i += 3) out.rgb.push_back((bytes[i] << 16) | (bytes[i + 1] << 8) | bytes[i + 2]);
  return true;
}

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

TEST_F(Headless, VirtualScreenAndItsWorkArea) {
  host::Backend& b = Start();
  EXPECT_STREQ(b.Name(), "headless");
  const host::Rect screen = b.ScreenBounds(), work = b.WorkArea();
  EXPECT_EQ(screen.w, 1280);
  EXPECT_EQ(screen.h, 1024);
  EXPECT_EQ(work.h, 1024 - 40);  // the task bar at the bottom
  host::headless::SetScreen({0, 0, 800, 600}, {0, 0, 800, 570});
  EXPECT_EQ(b.WorkArea().h, 570);
}

TEST_F(Headless, PresentShowsOnlyTheDirtyRectangles) {
  host::Backend& b = Start();
  const host::WindowId w = MakeWindow("w", {10, 20, 8, 6});
  const host::Surface s = b.GetSurface(w);
  ASSERT_EQ(s.width, 8);
  ASSERT_EQ(s.height, 6);
  Fill(s, {0, 0, 8, 6}, 0x112233);

  // One rectangle inside, one hanging over the right edge, one wholly outside.
  b.Present(w, {{1, 1, 2, 2}, {6, 4, 5, 5}, {20, 20, 3, 3}});
  const host::Surface shown = host::headless::PresentedImage(w);
  EXPECT_EQ(At(shown, 1, 1), 0x112233u);
  EXPECT_EQ(At(shown, 2, 2), 0x112233u);
  EXPECT_EQ(At(shown, 3, 3), 0u);  // drawn but not presented
  EXPECT_EQ(At(shown, 7, 5), 0x112233u);
  const auto dirty = host::headless::LastPresentDirty(w);
  ASSERT_EQ(dirty.size(), 2u);
  EXPECT_EQ(dirty[1].w, 2);  // clipped to the window
  EXPECT_EQ(dirty[1].h, 2);

  b.Present(w, {});  // no rectangles: the whole window
  EXPECT_EQ(At(host::headless::PresentedImage(w), 3, 3), 0x112233u);
  EXPECT_EQ(host::headless::PresentCount(w), 2);
}

TEST_F(Headless, ResizingKeepsTheSharedPixels) {
  host::Backend& b = Start();
  const host::WindowId w = MakeWindow("w", {0, 0, 4, 4});
  Fill(b.GetSurface(w), {0, 0, 4, 4}, 0xABCDEF);
  b.SetBounds(w, {5, 6, 6, 2});
  const host::Surface s = b.GetSurface(w);
  EXPECT_EQ(s.width, 6);
  EXPECT_EQ(s.height, 2);
  EXPECT_EQ(At(s, 3, 1), 0xABCDEFu);
  EXPECT_EQ(At(s, 5, 1), 0u);
  const host::Rect r = b.GetBounds(w);
  EXPECT_EQ(r.x, 5);
  EXPECT_EQ(r.y, 6);
  EXPECT_EQ(b.GetSurface(999).pixels, nullptr);  // no such window
}

TEST_F(Headless, ScreenshotWritesTheSurfaceAsPng) {
  ScratchFolder folder;
  host::Backend& b = Start();
  const host::WindowId w = MakeWindow("w", {0, 0, 5, 3});
  const host::Surface s = b.GetSurface(w);
  Fill(s, {0, 0, 5, 3}, 0xFF0000);
  Fill(s, {4, 2, 1, 1}, 0x00FF80);
  s.pixels[0] = 0xAA0000FF;  // the top byte is not part of the colour
  ASSERT_TRUE(b.Screenshot(w, folder / "shot.png"));
  Png png;
  ASSERT_TRUE(ReadPngFile(folder / "shot.png", png));
  EXPECT_EQ(png.width, 5);
  EXPECT_EQ(png.height, 3);
  EXPECT_EQ(png.At(0, 0), 0x0000FFu);
  EXPECT_EQ(png.At(1, 0), 0xFF0000u);
  EXPECT_EQ(png.At(4, 2), 0x00FF80u);
  EXPECT_FALSE(b.Screenshot(w, folder / "no/such/folder.png"));
  EXPECT_FALSE(b.Screenshot(12345, folder / "x.png"));
}

TEST_F(Headless, ScreenshotFolderGetsFirstShowAndShutdownPictures) {
  ScratchFolder folder;
  ::setenv("DRUMS_SCREENSHOTS", folder.Path().c_str(), 1);
  host::Backend& b = Start();
  const host::WindowId main = MakeWindow("Main: Window", {0, 0, 4, 4});
  const host::WindowId hidden = MakeWindow("Never shown", {0, 0, 4, 4});
  b.Present(main, {});  // not shown yet: no picture
  Fill(b.GetSurface(main), {0, 0, 4, 4}, 0x0000FF);
  b.ShowWindow(main, true);
  EXPECT_TRUE(FilesIn(folder.Path()).empty());  // the picture waits for what is drawn
  b.Present(main, {});
  Fill(b.GetSurface(main), {0, 0, 4, 4}, 0x00FF00);
  b.Present(main, {});  // later presents take no more pictures
  b.ShowWindow(main, false);
  b.ShowWindow(main, true);
  b.Present(main, {});
  (void)hidden;

  const host::WindowId popup = MakeWindow("", {0, 0, 2, 2}, true);
  b.ShowWindow(popup, true);
  b.Present(popup, {});
  b.DestroyWindow(popup);
  host::Shutdown();

  EXPECT_EQ(FilesIn(folder.Path()), (std::vector<std::string>{"001-Main_Window-shown.png", "002-untitled-shown.png",
                                                              "003-Main_Window-exit.png"}));
  Png first, last;
  ASSERT_TRUE(ReadPngFile(folder / "001-Main_Window-shown.png", first));
  ASSERT_TRUE(ReadPngFile(folder / "003-Main_Window-exit.png", last));
  EXPECT_EQ(first.At(0, 0), 0x0000FFu);
  EXPECT_EQ(last.At(0, 0), 0x00FF00u);

  // A second run into the same folder keeps the first run's pictures.
  Start();
  const host::WindowId again = MakeWindow("Main: Window", {0, 0, 4, 4});
  host::Get().ShowWindow(again, true);
  host::Get().Present(again, {});
  host::Shutdown();
  EXPECT_EQ(FilesIn(folder.Path()).size(), 5u);
}

// Focus and activation as the window manager above sees them.
std::vector<std::string> Drain() {
  static const char* names[] = {
      "MouseMove", "MouseDown",   "MouseUp",   "MouseWheel",     "MouseLeave",     "KeyDown",        "KeyUp",
      "TextInput", "FocusGained", "FocusLost", "CloseRequested", "Exposed",        "Moved",          "Resized",
      "Minimized", "Restored",    "FileDrop",  "AppActivated",   "AppDeactivated", "DisplayChanged", "Quit"};
  std::vector<std::string> seen;
  host::Event e;
  while (host::Get().PollEvent(e))
    seen.push_back(std::string(names[static_cast<int>(e.type)]) + " " + std::to_string(e.window));
  return seen;
}

TEST_F(Headless, FocusMovesBetweenOurWindowsWithoutDeactivatingTheApp) {
  host::Backend& b = Start();
  const host::WindowId main = MakeWindow("main", {0, 0, 10, 10});
  const host::WindowId dialog = MakeWindow("dialog", {0, 0, 10, 10}, false, main);
  const host::WindowId menu = MakeWindow("menu", {0, 0, 10, 10}, true, main);
  const std::string m = std::to_string(main), d = std::to_string(dialog);

  struct Step {
    std::function<void()> act;
    std::vector<std::string> events;
    host::WindowId focused;
  } steps[] = {
      {[&] { b.ShowWindow(main, true); }, {"AppActivated " + m, "FocusGained " + m}, main},
      {[&] { b.ShowWindow(dialog, true); }, {"FocusLost " + m, "FocusGained " + d}, dialog},
      {[&] { b.ShowWindow(menu, true); }, {}, dialog},  // a popup leaves the focus alone
      {[&] { b.ShowWindow(dialog, false); }, {"FocusLost " + d, "FocusGained " + m}, main},  // back to the owner
      {[&] { host::headless::FocusOtherProgram(); }, {"FocusLost " + m, "AppDeactivated 0"}, 0},
      {[&] { b.Raise(main); }, {"AppActivated " + m, "FocusGained " + m}, main},
      {[&] { b.Minimize(main); }, {"Minimized " + m, "FocusLost " + m, "AppDeactivated 0"}, 0},
      {[&] { b.Restore(main); }, {"Restored " + m}, 0},
  };
  for (size_t i = 0; i < std::size(steps); ++i) {
    SCOPED_TRACE(i);
    steps[i].act();
    EXPECT_EQ(Drain(), steps[i].events);
    EXPECT_EQ(host::headless::FocusedWindow(), steps[i].focused);
  }
}

TEST_F(Headless, CursorCaptureClipboardAndUrlsStayInMemory) {
  host::Backend& b = Start();
  b.SetCursor(host::SystemCursor::IBeam);
  EXPECT_FALSE(host::headless::Cursor().custom);
  EXPECT_EQ(host::headless::Cursor().system, host::SystemCursor::IBeam);
  const std::uint32_t argb[4] = {0xFF000000, 0, 0, 0xFFFFFFFF};
  const host::CursorId hand = b.CreateCursor(argb, 2, 2, 1, 0);
  ASSERT_NE(hand, 0u);
  EXPECT_EQ(b.CreateCursor(nullptr, 2, 2, 0, 0), 0u);
  b.SetCustomCursor(hand);
  const auto cursor = host::headless::Cursor();
  EXPECT_TRUE(cursor.custom);
  EXPECT_EQ(cursor.customId, hand);
  EXPECT_EQ(cursor.hotX, 1);

  b.CaptureMouse(true);
  EXPECT_TRUE(host::headless::MouseCaptured());
  b.CaptureMouse(false);
  EXPECT_FALSE(host::headless::MouseCaptured());

  b.SetClipboardText("Kick \xE2\x99\xA9");
  EXPECT_EQ(b.GetClipboardText(), "Kick \xE2\x99\xA9");

  EXPECT_TRUE(b.OpenUrl("https://example.org/help"));
  EXPECT_EQ(host::headless::OpenedUrls(), std::vector<std::string>{"https://example.org/help"});
}

}  // namespace
