#include "platform/win/shell/system_icons.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/win/kernel/paths.h"

namespace win::shell {

namespace {

constexpr std::uint32_t kOutline = 0xFF303030;
constexpr std::uint32_t kPaper = 0xFFFFFFFF;
constexpr std::uint32_t kFolderBack = 0xFFD8A820;
constexpr std::uint32_t kFolderFront = 0xFFF8D860;
constexpr std::uint32_t kMetal = 0xFFB8B8C0;
constexpr std::uint32_t kScreen = 0xFF2060C0;
constexpr std::uint32_t kGreen = 0xFF20B040;
constexpr std::uint32_t kRed = 0xFFC03030;
constexpr std::uint32_t kBlue = 0xFF3050D0;

// Draws on a 16-unit grid scaled to the icon's size.
class Canvas {
 public:
  explicit Canvas(int size) : size_(size), pixels_(static_cast<std::size_t>(size) * size, 0) {}

  // Fills the units [x0, x1) x [y0, y1).
  void Fill(double x0, double y0, double x1, double y1, std::uint32_t colour) {
    for (int y = Px(y0); y < Px(y1); ++y)
      for (int x = Px(x0); x < Px(x1); ++x) Set(x, y, colour);
  }
  // A filled box with a one-pixel outline.
  void Box(double x0, double y0, double x1, double y1, std::uint32_t colour) {
    Fill(x0, y0, x1, y1, kOutline);
    const double p = 16.0 / size_;
    Fill(x0 + p, y0 + p, x1 - p, y1 - p, colour);
  }
  void Disc(double cx, double cy, double r, std::uint32_t colour) {
    for (int y = 0; y < size_; ++y)
      for (int x = 0; x < size_; ++x) {
        const double ux = (x + 0.5) * 16.0 / size_ - cx, uy = (y + 0.5) * 16.0 / size_ - cy;
        if (ux * ux + uy * uy <= r * r) Set(x, y, colour);
      }
  }
  // A line of one pixel (two at 32 pixels) between two unit points.
  void Line(double x0, double y0, double x1, double y1, std::uint32_t colour) {
    const int steps = size_ * 2;
    const int thick = std::max(1, size_ / 16);
    for (int i = 0; i <= steps; ++i) {
      const double t = static_cast<double>(i) / steps;
      const int x = static_cast<int>((x0 + (x1 - x0) * t) * size_ / 16.0);
      const int y = static_cast<int>((y0 + (y1 - y0) * t) * size_ / 16.0);
      for (int dy = 0; dy < thick; ++dy)
        for (int dx = 0; dx < thick; ++dx) Set(x + dx, y + dy, colour);
    }
  }
  // A triangle pointing up between the two lower corners.
  void Roof(double x0, double x1, double top, double bottom, std::uint32_t colour) {
    for (int y = Px(top); y < Px(bottom); ++y) {
      const double t = (y + 0.5 - Px(top)) / std::max(1, Px(bottom) - Px(top));
      const double mid = (x0 + x1) / 2, half = (x1 - x0) / 2 * t;
      for (int x = Px(mid - half); x < Px(mid + half); ++x) Set(x, y, colour);
    }
  }

  std::vector<std::uint32_t> Take() { return std::move(pixels_); }

 private:
  int Px(double units) const { return static_cast<int>(std::lround(units * size_ / 16.0)); }
  void Set(int x, int y, std::uint32_t colour) {
    if (x >= 0 && y >= 0 && x < size_ && y < size_) pixels_[static_cast<std::size_t>(y) * size_ + x] = colour;
  }

  int size_;
  std::vector<std::uint32_t> pixels_;
};

void Page(Canvas& c) {
  c.Box(3, 1, 13, 15, kPaper);
  c.Fill(10, 1, 13, 4, 0);
  c.Line(10, 1, 10, 4, kOutline);
  c.Line(10, 4, 13, 4, kOutline);
  c.Line(10, 1, 13, 4, kOutline);
}

void Folder(Canvas& c, bool open) {
  c.Box(1, 3, 7, 6, kFolderBack);
  c.Box(1, 5, 15, 14, kFolderBack);
  if (open) {
    c.Box(3, 8, 15, 14, kFolderFront);
    c.Line(1, 14, 3, 8, kOutline);
  } else {
    c.Fill(2, 7, 14, 13, kFolderFront);
  }
}

void Drive(Canvas& c, std::uint32_t light) {
  c.Box(1, 6, 15, 12, kMetal);
  c.Fill(11, 8, 13, 10, light);
}

void Wave(Canvas& c, std::uint32_t colour, double baseline) {
  const double ys[] = {0, -2, 2, -3, 3, -1, 1, 0};
  for (int i = 0; i + 1 < 8; ++i) c.Line(4 + i, baseline + ys[i], 5 + i, baseline + ys[i + 1], colour);
}

void Draw(Canvas& c, int icon) {
  switch (icon) {
    case kIconFile: Page(c); break;
    case kIconFolder: Folder(c, false); break;
    case kIconOpenFolder: Folder(c, true); break;
    case kIconDesktop:
      c.Box(1, 2, 15, 12, kScreen);
      c.Fill(3, 4, 6, 6, kFolderFront);
      c.Fill(3, 8, 6, 10, kPaper);
      c.Fill(6, 12, 10, 14, kOutline);
      break;
    case kIconComputer:
      c.Box(2, 1, 14, 10, kMetal);
      c.Box(4, 3, 12, 8, kScreen);
      c.Box(1, 11, 15, 15, kMetal);
      c.Fill(11, 12, 13, 14, kGreen);
      break;
    case kIconHome:
      c.Roof(1, 15, 1, 8, kRed);
      c.Box(3, 8, 13, 15, kPaper);
      c.Fill(7, 10, 10, 15, kFolderBack);
      break;
    case kIconFixedDrive: Drive(c, kGreen); break;
    case kIconRemovableDrive:
      Drive(c, kFolderFront);
      c.Fill(3, 8, 9, 9, kOutline);
      break;
    case kIconCdDrive:
      c.Disc(8, 8, 7, kOutline);
      c.Disc(8, 8, 6.3, kMetal);
      c.Disc(6, 6, 2, kPaper);
      c.Disc(8, 8, 1.5, 0);
      break;
    case kIconRemoteDrive:
      Drive(c, kGreen);
      c.Line(8, 12, 8, 15, kOutline);
      c.Line(3, 15, 13, 15, kOutline);
      break;
    case kIconRamDrive:
      c.Box(1, 4, 15, 12, kGreen);
      for (int x = 2; x < 15; x += 2) {
        c.Fill(x, 2, x + 1, 4, kOutline);
        c.Fill(x, 12, x + 1, 14, kOutline);
      }
      c.Box(5, 6, 11, 10, kOutline);
      break;
    case kIconWave:
      Page(c);
      Wave(c, kBlue, 9);
      break;
    case kIconMidi:
      Page(c);
      c.Disc(7, 12, 1.6, kOutline);
      c.Line(8.3, 5, 8.3, 12, kOutline);
      c.Line(8.3, 5, 11, 7, kOutline);
      break;
    case kIconSong:
      Page(c);
      for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
          c.Fill(4.5 + col * 2.5, 6 + row * 2.7, 6.5 + col * 2.5, 7.7 + row * 2.7, (row + col) % 2 ? kRed : kMetal);
      break;
    case kIconKit:
      Page(c);
      c.Disc(8, 10, 3.5, kOutline);
      c.Disc(8, 10, 2.8, kRed);
      c.Line(5, 5, 8, 9, kOutline);
      break;
    case kIconSkin:
      Page(c);
      c.Fill(4.5, 6, 7.5, 9, kRed);
      c.Fill(8.5, 6, 11.5, 9, kGreen);
      c.Fill(4.5, 10, 7.5, 13, kBlue);
      c.Fill(8.5, 10, 11.5, 13, kFolderFront);
      break;
    case kIconWaveCollection:
      Page(c);
      Wave(c, kBlue, 7);
      Wave(c, kGreen, 11.5);
      break;
    case kIconShareOverlay:
      c.Box(0, 11, 7, 16, kBlue);
      c.Fill(2, 9, 4, 11, kBlue);
      break;
    case kIconLinkOverlay:
      c.Box(0, 9, 7, 16, kPaper);
      c.Line(2, 14, 5, 11, kOutline);
      c.Line(3, 11, 5, 11, kOutline);
      c.Line(5, 11, 5, 13, kOutline);
      break;
    default: break;
  }
}

}  // namespace

std::vector<std::uint32_t> SystemIconPixels(int icon, int size) {
  Canvas canvas(size);
  Draw(canvas, icon);
  return canvas.Take();
}

SystemIcon IconOfVolume(VolumeKind kind) {
  switch (kind) {
    case VolumeKind::Removable: return kIconRemovableDrive;
    case VolumeKind::CdRom: return kIconCdDrive;
    case VolumeKind::Remote: return kIconRemoteDrive;
    case VolumeKind::RamDisk: return kIconRamDrive;
    case VolumeKind::Fixed: break;
  }
  return kIconFixedDrive;
}

SystemIcon IconOfFileName(const std::string& name) {
  struct Entry {
    const char* extension;
    SystemIcon icon;
  };
  static const Entry table[] = {{".wav", kIconWave}, {".mid", kIconMidi}, {".bkv", kIconSong},
                                {".kit", kIconKit},  {".skn", kIconSkin}, {".dsw", kIconWaveCollection}};
  for (const Entry& entry : table) {
    const std::string_view extension = entry.extension;
    if (name.size() > extension.size() &&
        win::kernel::EqualsIgnoringCase(std::string_view(name).substr(name.size() - extension.size()), extension))
      return entry.icon;
  }
  return kIconFile;
}

}  // namespace win::shell
