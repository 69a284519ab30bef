// A small 32-bit drawing target for the shape and region tests: a memory DC
// over a pixel buffer the test can read directly.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/win/gdi/brush.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/objects.h"
#include "platform/win/gdi/surface.h"
#include "platform/win/windows.h"

namespace shapes_test {

inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);
inline constexpr COLORREF kRed = RGB(255, 0, 0);
inline constexpr COLORREF kGreen = RGB(0, 255, 0);

class ShapeCanvas {
 public:
  explicit ShapeCanvas(int width, int height, COLORREF background = RGB(255, 255, 255))
      : width_(width),
        height_(height),
        pixels_(static_cast<std::size_t>(width * height), win::gdi::ColorRefToRgb(background)) {
    auto dc = std::make_unique<win::gdi::DeviceContext>(win::gdi::ObjectKind::MemDC);
    dc_ = dc.get();
    hdc_ = static_cast<HDC>(win::gdi::AddObject(std::move(dc)));
    win::gdi::Surface s;
    s.top = reinterpret_cast<BYTE*>(pixels_.data());
    s.pitch = width * 4;
    s.width = width;
    s.height = height;
    s.bitsPerPixel = 32;
    dc_->SetTarget(s, POINT{0, 0});
  }
  ~ShapeCanvas() {
    win::gdi::RemoveObject(hdc_);
    for (HGDIOBJ h : owned_) win::gdi::RemoveObject(h);
  }
  ShapeCanvas(const ShapeCanvas&) = delete;
  ShapeCanvas& operator=(const ShapeCanvas&) = delete;

  HDC dc() const { return hdc_; }
  win::gdi::DeviceContext& context() { return *dc_; }

  // Selects an object the canvas then owns (freed after the DC).
  void Use(HGDIOBJ object) {
    dc_->Select(object);
    owned_.push_back(object);
  }
  void UseBrush(COLORREF color) { Use(win::gdi::AddObject(win::gdi::Brush::MakeSolid(color))); }
  void UseNullBrush() { Use(win::gdi::AddObject(win::gdi::Brush::MakeNull())); }

  COLORREF At(int x, int y) const { return win::gdi::RgbToColorRef(pixels_[static_cast<std::size_t>(y * width_ + x)]); }
  int Count(COLORREF color) const {
    int n = 0;
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) n += At(x, y) == color;
    return n;
  }
  // The bounding box of the pixels in a colour; all zero when there are none.
  RECT BoxOf(COLORREF color) const {
    RECT b{width_, height_, 0, 0};
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x)
        if (At(x, y) == color) {
          b.left = std::min<LONG>(b.left, x);
          b.top = std::min<LONG>(b.top, y);
          b.right = std::max<LONG>(b.right, x + 1);
          b.bottom = std::max<LONG>(b.bottom, y + 1);
        }
    return b.right == 0 ? RECT{0, 0, 0, 0} : b;
  }
  const std::vector<std::uint32_t>& Pixels() const { return pixels_; }
  // One character per pixel, for failure messages: each colour gets a letter.
  std::string Picture() const {
    std::vector<COLORREF> seen;
    std::string out = "\n";
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        COLORREF c = At(x, y);
        std::size_t i = 0;
        while (i < seen.size() && seen[i] != c) ++i;
        if (i == seen.size()) seen.push_back(c);
        out += i == 0 ? '.' : static_cast<char>('a' + (i - 1) % 26);
      }
      out += '\n';
    }
    return out;
  }

 private:
  int width_, height_;
  std::vector<std::uint32_t> pixels_;
  win::gdi::DeviceContext* dc_ = nullptr;
  HDC hdc_ = nullptr;
  std::vector<HGDIOBJ> owned_;
};

// "{left,top,right,bottom}", so rectangles compare readably.
inline std::string Str(const RECT& r) {
  return "{" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom) + "}";
}

}  // namespace shapes_test
