// Icons from bitmaps and back, copies, and drawing them.
#include <algorithm>

#include "platform/win/gdi/bmp_file.h"
#include "platform/win/gdi/dc.h"
#include "platform/win/gdi/surface.h"
#include "platform/win/user/draw/icon.h"
#include "platform/win/user/draw/user_draw.h"
#include "platform/win/wingdi.h"
#include "platform/win/winuser_draw.h"

using win::gdi::DibImage;
using win::user::IconImage;

namespace {

// Top-down pixel (x, y) of a DIB as 0x00RRGGBB and its alpha byte (0 when none).
std::uint32_t PixelWithAlpha(const DibImage& dib, int x, int y, std::uint8_t* alpha) {
  *alpha = 0;
  if (dib.bitsPerPixel == 32) {
    const int row = dib.topDown ? y : dib.height - 1 - y;
    *alpha = dib.bits[static_cast<std::size_t>(row) * dib.Stride() + x * 4 + 3];
  }
  return dib.PixelRgb(x, y);
}

HBITMAP MaskBitmap(const IconImage& img) {
  DibImage dib;
  dib.width = img.width;
  dib.height = img.height;
  dib.topDown = true;
  dib.bitsPerPixel = 1;
  dib.colors = {RGBQUAD{0, 0, 0, 0}, RGBQUAD{255, 255, 255, 0}};
  dib.bits.assign(static_cast<std::size_t>(dib.Stride()) * img.height, 0);
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x)
      if (img.mask[static_cast<std::size_t>(y) * img.width + x])
        dib.bits[static_cast<std::size_t>(y) * dib.Stride() + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
  return win::gdi::CreateBitmapFromDib(dib);
}

HBITMAP ColorBitmap(const IconImage& img) {
  DibImage dib;
  dib.width = img.width;
  dib.height = img.height;
  dib.topDown = true;
  dib.bitsPerPixel = 32;
  dib.bits.assign(static_cast<std::size_t>(dib.Stride()) * img.height, 0);
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * img.width + x;
      BYTE* p = dib.bits.data() + static_cast<std::size_t>(y) * dib.Stride() + x * 4;
      p[0] = static_cast<BYTE>(img.color[i]);
      p[1] = static_cast<BYTE>(img.color[i] >> 8);
      p[2] = static_cast<BYTE>(img.color[i] >> 16);
      p[3] = img.alpha.empty() ? 0 : img.alpha[i];
    }
  return win::gdi::CreateBitmapFromDib(dib);
}

}  // namespace

HICON WINAPI CreateIconIndirect(PICONINFO info) {
  if (!info || !info->hbmMask) return nullptr;
  DibImage mask, color;
  if (!win::gdi::DibFromBitmap(info->hbmMask, 32, &mask)) return nullptr;
  const bool mono = info->hbmColor == nullptr;
  if (!mono && !win::gdi::DibFromBitmap(info->hbmColor, 32, &color)) return nullptr;
  IconImage img;
  img.width = mono ? mask.width : color.width;
  // A monochrome icon's mask holds the AND mask above the XOR image.
  img.height = mono ? mask.height / 2 : color.height;
  if (img.width <= 0 || img.height <= 0 || mask.width < img.width || mask.height < img.height) return nullptr;
  const auto n = static_cast<std::size_t>(img.width) * img.height;
  img.color.resize(n);
  img.mask.resize(n);
  std::vector<std::uint8_t> alpha(n, 0);
  bool anyAlpha = false;
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * img.width + x;
      std::uint8_t a = 0;
      img.mask[i] = (mask.PixelRgb(x, y) & 0xFFFFFF) != 0;
      img.color[i] = mono ? mask.PixelRgb(x, y + img.height) : PixelWithAlpha(color, x, y, &a);
      alpha[i] = a;
      anyAlpha = anyAlpha || a != 0;
    }
  if (anyAlpha) img.alpha = std::move(alpha);
  img.isIcon = info->fIcon != FALSE;
  img.hotX = img.isIcon ? img.width / 2 : static_cast<int>(info->xHotspot);
  img.hotY = img.isIcon ? img.height / 2 : static_cast<int>(info->yHotspot);
  return win::user::AddIcon(std::move(img));
}

BOOL WINAPI GetIconInfo(HICON icon, PICONINFO info) {
  const auto img = win::user::LookupIcon(icon);
  if (!img || !info) return FALSE;
  info->fIcon = img->isIcon ? TRUE : FALSE;
  info->xHotspot = static_cast<DWORD>(img->hotX);
  info->yHotspot = static_cast<DWORD>(img->hotY);
  info->hbmMask = MaskBitmap(*img);
  info->hbmColor = ColorBitmap(*img);
  return TRUE;
}

HICON WINAPI CopyIcon(HICON icon) {
  const auto img = win::user::LookupIcon(icon);
  return img ? win::user::AddIcon(*img) : nullptr;
}

BOOL WINAPI DestroyIcon(HICON icon) {
  return win::user::RemoveIcon(icon) ? TRUE : FALSE;
}
BOOL WINAPI DestroyCursor(HCURSOR cursor) {
  return DestroyIcon(cursor);
}

BOOL WINAPI DrawIconEx(HDC hdc, int x, int y, HICON icon, int width, int height, UINT step, HBRUSH flickerFreeBrush,
                       UINT flags) {
  (void)step;
  win::gdi::DeviceContext* dc = win::gdi::LookupDC(hdc);
  const auto found = win::user::LookupIcon(icon);
  if (!dc || !found) return FALSE;
  if (width == 0) width = (flags & DI_DEFAULTSIZE) ? 32 : found->width;
  if (height == 0) height = (flags & DI_DEFAULTSIZE) ? 32 : found->height;
  if (width <= 0 || height <= 0) return FALSE;
  if ((flags & DI_NORMAL) == 0) flags |= DI_NORMAL;
  const IconImage& img = *found;
  const POINT origin = dc->ToDevice(POINT{x, y});
  if (flickerFreeBrush) {
    const RECT box{x, y, x + width, y + height};
    FillRect(hdc, &box, flickerFreeBrush);
  }
  const bool useMask = flags & DI_MASK, useImage = flags & DI_IMAGE;
  // Only the part the clip shows is composed.
  const RECT& shown = dc->EffectiveClip().Bounds();
  const int y0 = std::max<LONG>(0, shown.top - origin.y), y1 = std::min<LONG>(height, shown.bottom - origin.y);
  const int x0 = std::max<LONG>(0, shown.left - origin.x), x1 = std::min<LONG>(width, shown.right - origin.x);
  for (int py = y0; py < y1; ++py) {
    for (int px = x0; px < x1; ++px) {
      const int dx = origin.x + px, dy = origin.y + py;
      std::uint32_t dst = 0;
      if (!dc->ReadPixel(dx, dy, &dst)) continue;
      // The source pixel, stretched to width x height by the nearest one.
      const std::size_t i = static_cast<std::size_t>(static_cast<std::int64_t>(py) * img.height / height) * img.width +
                            static_cast<std::size_t>(static_cast<std::int64_t>(px) * img.width / width);
      const std::uint32_t mask = img.mask[i] ? 0xFFFFFF : 0;
      std::uint32_t out;
      if (useMask && useImage && !img.alpha.empty()) {
        // Blend each channel by the pixel's alpha.
        const std::uint32_t a = img.alpha[i], c = img.color[i];
        out = 0;
        for (int shift : {0, 8, 16}) {
          const std::uint32_t s = (c >> shift) & 0xFF, d = (dst >> shift) & 0xFF;
          out |= ((s * a + d * (255 - a) + 127) / 255) << shift;
        }
      } else if (useMask && useImage) {
        out = (dst & mask) ^ img.color[i];
      } else if (useMask) {
        out = mask;  // the mask alone is copied
      } else {
        out = img.color[i];  // the image alone is copied
      }
      dc->PutPixel(dx, dy, win::gdi::RgbToColorRef(out), R2_COPYPEN);
    }
  }
  return TRUE;
}

BOOL WINAPI DrawIcon(HDC hdc, int x, int y, HICON icon) {
  return DrawIconEx(hdc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
}
