// Image lists: drawing an image with its mask, background, blending and
// overlay, and handing one out as an icon.
#include <algorithm>

#include "platform/win/comctl/image_list.h"

namespace win::comctl {
namespace {

std::uint32_t ToPixel(COLORREF c) {
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

std::uint32_t Mix(std::uint32_t a, std::uint32_t b, int partsOfB) {  // partsOfB out of 4
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    int ca = static_cast<int>((a >> shift) & 0xFF), cb = static_cast<int>((b >> shift) & 0xFF);
    out |= static_cast<std::uint32_t>((ca * (4 - partsOfB) + cb * partsOfB) / 4) << shift;
  }
  return out;
}

// A 32-bit top-down section the size of the drawing, holding what lies
// under it on the target, to compose into and put back.
struct Scratch {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ old = nullptr;
  std::uint32_t* bits = nullptr;
  Scratch(HDC target, int x, int y, int w, int h) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    dc = CreateCompatibleDC(target);
    void* p = nullptr;
    bitmap = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &p, nullptr, 0);
    bits = static_cast<std::uint32_t*>(p);
    old = SelectObject(dc, bitmap);
    BitBlt(dc, 0, 0, w, h, target, x, y, SRCCOPY);
    GdiFlush();
  }
  ~Scratch() {
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
};

}  // namespace
}  // namespace win::comctl

using win::comctl::LiveImageList;

BOOL WINAPI ImageList_DrawEx(HIMAGELIST himl, int index, HDC dc, int x, int y, int dx, int dy, COLORREF bk, COLORREF fg,
                             UINT style) {
  _IMAGELIST* list = LiveImageList(himl);
  if (!list || !dc || index < 0 || index >= static_cast<int>(list->pixels.size())) return FALSE;
  int w = dx > 0 ? std::min(dx, list->cx) : list->cx;
  int h = dy > 0 ? std::min(dy, list->cy) : list->cy;
  if (bk == CLR_DEFAULT) bk = list->bk;
  bool transparent = (style & ILD_TRANSPARENT) || bk == CLR_NONE;
  int blend = (style & ILD_BLEND50) ? 2 : (style & ILD_BLEND25) ? 1 : 0;
  // No blend colour: the picture is blended with what lies under it.
  bool blendWithDest = fg == CLR_NONE;
  std::uint32_t fgPixel =
      win::comctl::ToPixel(fg == CLR_DEFAULT ? GetSysColor(COLOR_HIGHLIGHT) : static_cast<COLORREF>(fg));
  std::uint32_t bkPixel = win::comctl::ToPixel(bk);
  int overlay = static_cast<int>((style & ILD_OVERLAYMASK) >> 8);
  int overlayImage = overlay >= 1 && overlay <= 15 ? list->overlays[overlay - 1] : -1;

  win::comctl::Scratch s(dc, x, y, w, h);
  if (!s.bits) return FALSE;
  const auto& px = list->pixels[index];
  const auto& mask = list->masks[index];
  for (int row = 0; row < h; row++)
    for (int col = 0; col < w; col++) {
      size_t i = static_cast<size_t>(row) * list->cx + col;
      std::uint32_t& out = s.bits[row * w + col];
      // ILD_IMAGE: the stored picture alone, its mask ignored.
      bool hole = list->Masked() && mask[i] && !(style & ILD_IMAGE);
      if (style & ILD_MASK) {
        out = hole ? 0xFFFFFF : 0x000000;
        continue;
      }
      if (hole) {
        if (!transparent) out = bkPixel;
        continue;
      }
      out = blend ? win::comctl::Mix(px[i], blendWithDest ? out : fgPixel, blend) : px[i];
    }
  if (overlayImage >= 0 && !(style & (ILD_MASK | ILD_IMAGE))) {
    const auto& opx = list->pixels[overlayImage];
    const auto& omask = list->masks[overlayImage];
    for (int row = 0; row < h; row++)
      for (int col = 0; col < w; col++) {
        size_t i = static_cast<size_t>(row) * list->cx + col;
        if (list->Masked() && omask[i]) continue;
        s.bits[row * w + col] = opx[i];
      }
  }
  BitBlt(dc, x, y, w, h, s.dc, 0, 0, SRCCOPY);
  return TRUE;
}

BOOL WINAPI ImageList_Draw(HIMAGELIST himl, int index, HDC dc, int x, int y, UINT style) {
  return ImageList_DrawEx(himl, index, dc, x, y, 0, 0, CLR_DEFAULT, CLR_DEFAULT, style);
}

HICON WINAPI ImageList_GetIcon(HIMAGELIST himl, int index, UINT flags) {
  _IMAGELIST* list = LiveImageList(himl);
  if (!list || index < 0 || index >= static_cast<int>(list->pixels.size())) return nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP colour = CreateCompatibleBitmap(screen, list->cx, list->cy);
  ReleaseDC(nullptr, screen);
  HBITMAP mask = CreateBitmap(list->cx, list->cy, 1, 1, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, colour);
  ImageList_DrawEx(himl, index, dc, 0, 0, 0, 0, RGB(0, 0, 0), CLR_DEFAULT, (flags & ~ILD_MASK) | ILD_NORMAL);
  SelectObject(dc, mask);
  ImageList_DrawEx(himl, index, dc, 0, 0, 0, 0, CLR_NONE, CLR_DEFAULT, ILD_MASK);
  SelectObject(dc, old);
  DeleteDC(dc);
  ICONINFO info{TRUE, 0, 0, mask, colour};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(colour);
  DeleteObject(mask);
  return icon;
}

BOOL WINAPI ImageList_GetImageInfo(HIMAGELIST himl, int index, IMAGEINFO* info) {
  _IMAGELIST* list = LiveImageList(himl);
  if (!list || !info || index < 0 || index >= static_cast<int>(list->pixels.size())) return FALSE;
  // The pictures are not kept as one strip bitmap here, so no bitmaps are
  // handed out; the rectangle places the image in a strip of the list's size.
  *info = IMAGEINFO{};
  SetRect(&info->rcImage, index * list->cx, 0, (index + 1) * list->cx, list->cy);
  return TRUE;
}
