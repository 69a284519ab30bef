// DrawStateA and GrayStringA: an image (text, bitmap, icon or the caller's
// own drawing) put on the DC normally, embossed as disabled, dithered or as a
// one-colour silhouette.
//
// Every state but the plain one works from a silhouette: the image is drawn
// black on white into a scratch bitmap, and the pixels it darkened are the
// shape that is then painted in the state's colours.
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/win/gdi/bitmap.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/user/draw/icon.h"
#include "platform/win/windows.h"

namespace {

constexpr int kCopyPen = 13;
constexpr std::uint32_t kWhite = 0x00FFFFFF;

// A white 32-bit scratch DC with the font and colours of the target.
class Scratch {
 public:
  Scratch(HDC like, int width, int height) : width_(width), height_(height) {
    dc_ = CreateCompatibleDC(like);
    auto bitmap = std::make_unique<win::gdi::BitmapObject>(width, height, 32);
    pixels_ = reinterpret_cast<std::uint32_t*>(bitmap->bits());
    bitmap_ = win::gdi::AddObject(std::move(bitmap));
    old_ = SelectObject(dc_, bitmap_);
    for (int i = 0; i < width * height; ++i) pixels_[i] = kWhite;
    if (like) oldFont_ = SelectObject(dc_, GetCurrentObject(like, OBJ_FONT));
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, RGB(0, 0, 0));
    if (like) SetTextCharacterExtra(dc_, GetTextCharacterExtra(like));
  }
  ~Scratch() {
    if (oldFont_) SelectObject(dc_, oldFont_);
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;

  HDC dc() const { return dc_; }
  // Pixels the image darkened (dark ones only, for pictures with their own
  // colours: their light parts stay out of the silhouette).
  std::vector<bool> Silhouette(bool darkOnly) const {
    std::vector<bool> mask(static_cast<std::size_t>(width_) * height_);
    for (int i = 0; i < width_ * height_; ++i) {
      const std::uint32_t p = pixels_[i] & kWhite;
      if (darkOnly) {
        const int luma = (((p >> 16) & 0xFF) * 30 + ((p >> 8) & 0xFF) * 59 + (p & 0xFF) * 11) / 100;
        mask[i] = luma < 192;
      } else {
        mask[i] = p != kWhite;
      }
    }
    return mask;
  }

 private:
  int width_, height_;
  HDC dc_ = nullptr;
  HGDIOBJ bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  HGDIOBJ oldFont_ = nullptr;
  std::uint32_t* pixels_ = nullptr;
};

// Paints the silhouette at (x, y); with dither only every other pixel.
void PaintSilhouette(HDC hdc, const std::vector<bool>& mask, int width, int height, int x, int y, COLORREF color,
                     bool dither) {
  win::gdi::DeviceContext* dc = win::gdi::LookupDC(hdc);
  if (!dc) return;
  const POINT origin = dc->ToDevice(POINT{x, y});
  for (int row = 0; row < height; ++row) {
    for (int col = 0; col < width; ++col) {
      if (!mask[static_cast<std::size_t>(row) * width + col]) continue;
      if (dither && ((origin.x + col + origin.y + row) & 1)) continue;
      dc->PutPixel(origin.x + col, origin.y + row, color, kCopyPen);
    }
  }
}

COLORREF BrushColor(HBRUSH brush, COLORREF fallback) {
  LOGBRUSH lb{};
  if (brush && GetObjectA(brush, sizeof lb, &lb) == static_cast<int>(sizeof lb)) return lb.lbColor;
  return fallback;
}

struct Image {
  UINT kind;
  LPARAM data;
  WPARAM extra;
  DRAWSTATEPROC proc;
  UINT stateFlags;
};

UINT TextFormat(const Image& image) {
  UINT format = DT_SINGLELINE | DT_NOCLIP;
  if (image.kind == DST_TEXT) format |= DT_NOPREFIX;
  if (image.stateFlags & DSS_HIDEPREFIX) format |= DT_HIDEPREFIX;
  if (image.stateFlags & DSS_PREFIXONLY) format |= DT_PREFIXONLY;
  if (image.stateFlags & DSS_RIGHT) format |= DT_RIGHT;
  return format;
}

std::string TextOf(const Image& image) {
  const char* s = reinterpret_cast<const char*>(image.data);
  if (!s) return {};
  return image.extra ? std::string(s, image.extra) : std::string(s);
}

// Draws the image with its top-left at (x, y) in a box of cx by cy.
bool DrawImage(HDC hdc, const Image& image, int x, int y, int cx, int cy) {
  switch (image.kind) {
    case DST_TEXT:
    case DST_PREFIXTEXT: {
      std::string text = TextOf(image);
      RECT rect{x, y, x + cx, y + cy};
      DrawTextA(hdc, text.c_str(), static_cast<int>(text.size()), &rect, TextFormat(image));
      return true;
    }
    case DST_BITMAP: {
      HDC source = CreateCompatibleDC(hdc);
      HGDIOBJ old = SelectObject(source, reinterpret_cast<HGDIOBJ>(image.data));
      const BOOL ok = BitBlt(hdc, x, y, cx, cy, source, 0, 0, SRCCOPY);
      SelectObject(source, old);
      DeleteDC(source);
      return ok;
    }
    case DST_ICON:
      // At the icon's own size: the box only bounds the state effects.
      return DrawIconEx(hdc, x, y, reinterpret_cast<HICON>(image.data), 0, 0, 0, nullptr, DI_NORMAL);
    case DST_COMPLEX: {
      if (!image.proc) return false;
      POINT old{};
      OffsetViewportOrgEx(hdc, x, y, &old);
      const BOOL ok = image.proc(hdc, image.data, image.extra, cx, cy);
      SetViewportOrgEx(hdc, old.x, old.y, nullptr);
      return ok;
    }
    default: return false;
  }
}

SIZE NaturalSize(HDC hdc, const Image& image) {
  SIZE size{0, 0};
  if (image.kind == DST_TEXT || image.kind == DST_PREFIXTEXT) {
    std::string text = TextOf(image);
    RECT rect{0, 0, 0, 0};
    UINT format = TextFormat(image) | DT_CALCRECT;
    DrawTextA(hdc, text.c_str(), static_cast<int>(text.size()), &rect, format);
    size = {rect.right, rect.bottom};
  } else if (image.kind == DST_BITMAP) {
    BITMAP bm{};
    if (GetObjectA(reinterpret_cast<HGDIOBJ>(image.data), sizeof bm, &bm)) size = {bm.bmWidth, bm.bmHeight};
  } else if (image.kind == DST_ICON) {
    if (const auto icon = win::user::LookupIcon(reinterpret_cast<HICON>(image.data))) {
      size = {icon->width, icon->height};
    }
  }
  return size;
}

BOOL DrawStateImage(HDC hdc, HBRUSH brush, const Image& image, int x, int y, int cx, int cy) {
  if (!win::gdi::LookupDC(hdc)) return FALSE;
  if (cx <= 0 || cy <= 0) {
    const SIZE natural = NaturalSize(hdc, image);
    if (cx <= 0) cx = natural.cx;
    if (cy <= 0) cy = natural.cy;
  }
  if (cx <= 0 || cy <= 0) return image.kind == DST_TEXT || image.kind == DST_PREFIXTEXT;
  const UINT state = image.stateFlags & (DSS_DISABLED | DSS_UNION | DSS_MONO);
  if (state == DSS_NORMAL) return DrawImage(hdc, image, x, y, cx, cy);

  Scratch scratch(hdc, cx, cy);
  if (!DrawImage(scratch.dc(), image, 0, 0, cx, cy)) return FALSE;
  const bool picture = image.kind == DST_BITMAP || image.kind == DST_ICON;
  const std::vector<bool> mask = scratch.Silhouette(picture);
  if (state & DSS_MONO) {
    PaintSilhouette(hdc, mask, cx, cy, x, y, BrushColor(brush, GetTextColor(hdc)), false);
  } else if (state & DSS_DISABLED) {
    // Embossed: a highlight copy one pixel down and right under the shadow.
    PaintSilhouette(hdc, mask, cx, cy, x + 1, y + 1, GetSysColor(COLOR_3DHILIGHT), false);
    PaintSilhouette(hdc, mask, cx, cy, x, y, GetSysColor(COLOR_3DSHADOW), false);
  } else {
    // Union: dithered with the brush, over the image itself for pictures.
    if (picture) DrawImage(hdc, image, x, y, cx, cy);
    PaintSilhouette(hdc, mask, cx, cy, x, y, BrushColor(brush, GetSysColor(COLOR_HIGHLIGHT)), true);
  }
  return TRUE;
}

}  // namespace

BOOL WINAPI DrawStateA(HDC hdc, HBRUSH hbrFore, DRAWSTATEPROC qfnCallBack, LPARAM lData, WPARAM wData, int x, int y,
                       int cx, int cy, UINT uFlags) {
  Image image{uFlags & 0x000F, lData, wData, qfnCallBack, uFlags & ~0x000Fu};
  // Text without a callback draws itself; with one, the callback draws it.
  if ((image.kind == DST_TEXT || image.kind == DST_PREFIXTEXT) && qfnCallBack && cx > 0 && cy > 0) {
    image.kind = DST_COMPLEX;
  }
  return DrawStateImage(hdc, hbrFore, image, x, y, cx, cy);
}

namespace {

struct GrayCall {
  GRAYSTRINGPROC proc;
  LPARAM data;
};

// Adapts a GrayString output function to the DrawState callback shape.
BOOL CALLBACK CallGrayProc(HDC hdc, LPARAM call, WPARAM count, int, int) {
  const auto* gray = reinterpret_cast<const GrayCall*>(call);
  return gray->proc(hdc, gray->data, static_cast<int>(count));
}

}  // namespace

// The grey is the brush's colour (the system's grey text colour without one),
// laid over every other pixel of the text's shape.
BOOL WINAPI GrayStringA(HDC hDC, HBRUSH hBrush, GRAYSTRINGPROC lpOutputFunc, LPARAM lpData, int nCount, int X, int Y,
                        int nWidth, int nHeight) {
  Image image{DST_TEXT, lpData, static_cast<WPARAM>(nCount > 0 ? nCount : 0), nullptr, DSS_UNION};
  GrayCall call{lpOutputFunc, lpData};
  if (lpOutputFunc) {
    if (nWidth <= 0 || nHeight <= 0) return FALSE;
    image.kind = DST_COMPLEX;
    image.proc = CallGrayProc;
    image.data = reinterpret_cast<LPARAM>(&call);
  }
  if (!hBrush) hBrush = GetSysColorBrush(COLOR_GRAYTEXT);
  return DrawStateImage(hDC, hBrush, image, X, Y, nWidth, nHeight);
}
