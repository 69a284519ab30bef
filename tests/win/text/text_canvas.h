// A white 32-bit memory DC for text tests, with helpers that find the ink.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "platform/win/gdi/bitmap.h"
#include "platform/win/windows.h"

namespace text_test {

class TextCanvas {
 public:
  TextCanvas(int width, int height) : width_(width), height_(height) {
    dc_ = CreateCompatibleDC(nullptr);
    auto bitmap = std::make_unique<win::gdi::BitmapObject>(width, height, 32);
    pixels_ = reinterpret_cast<std::uint32_t*>(bitmap->bits());
    bitmap_ = static_cast<HBITMAP>(win::gdi::AddObject(std::move(bitmap)));
    oldBitmap_ = SelectObject(dc_, bitmap_);
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, RGB(0, 0, 0));
    Clear();
  }
  ~TextCanvas() {
    SelectObject(dc_, oldFont_ ? oldFont_ : GetStockObject(SYSTEM_FONT));
    if (font_) DeleteObject(font_);
    SelectObject(dc_, oldBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  TextCanvas(const TextCanvas&) = delete;
  TextCanvas& operator=(const TextCanvas&) = delete;

  HDC dc() const { return dc_; }
  int width() const { return width_; }
  int height() const { return height_; }

  // Selects a new font (the canvas owns it).
  void UseFont(const char* face, int height, int weight = FW_NORMAL, int escapement = 0, bool underline = false) {
    HFONT font = CreateFontA(height, 0, escapement, escapement, weight, FALSE, underline, FALSE, DEFAULT_CHARSET, 0, 0,
                             DEFAULT_QUALITY, DEFAULT_PITCH, face);
    HGDIOBJ old = SelectObject(dc_, font);
    if (!oldFont_) oldFont_ = old;
    if (font_) DeleteObject(font_);
    font_ = font;
  }

  void Clear() {
    for (int i = 0; i < width_ * height_; ++i) pixels_[i] = 0x00FFFFFF;
  }
  std::uint32_t At(int x, int y) const { return pixels_[y * width_ + x] & 0x00FFFFFF; }
  bool Inked(int x, int y) const { return At(x, y) != 0x00FFFFFF; }

  // Bounding box of every non-white pixel; empty (all zero) when none.
  RECT InkBox() const { return InkBoxIn({0, 0, width_, height_}); }
  RECT InkBoxIn(RECT area) const {
    RECT box{area.right, area.bottom, area.left, area.top};
    bool any = false;
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) {
        if (!Inked(x, y)) continue;
        any = true;
        box.left = std::min<LONG>(box.left, x);
        box.top = std::min<LONG>(box.top, y);
        box.right = std::max<LONG>(box.right, x + 1);
        box.bottom = std::max<LONG>(box.bottom, y + 1);
      }
    }
    return any ? box : RECT{0, 0, 0, 0};
  }
  int InkCount() const {
    int n = 0;
    for (int i = 0; i < width_ * height_; ++i) n += (pixels_[i] & 0x00FFFFFF) != 0x00FFFFFF;
    return n;
  }
  const std::uint32_t* pixels() const { return pixels_; }

 private:
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
  HGDIOBJ oldFont_ = nullptr;
  HFONT font_ = nullptr;
  std::uint32_t* pixels_ = nullptr;
};

inline SIZE Extent(HDC dc, const std::string& s) {
  SIZE size{};
  GetTextExtentPoint32A(dc, s.c_str(), static_cast<int>(s.size()), &size);
  return size;
}

}  // namespace text_test
