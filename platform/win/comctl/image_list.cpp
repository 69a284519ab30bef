// Image lists: making, filling and destroying them.
#include "platform/win/comctl/image_list.h"

#include <algorithm>
#include <memory>
#include <set>

namespace win::comctl {
namespace {

std::set<_IMAGELIST*>& Lists() {
  static std::set<_IMAGELIST*> lists;
  return lists;
}

// The sixteen colours of a 4-bit list.
constexpr std::uint32_t kVga[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
                                    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

std::uint32_t Nearest16(std::uint32_t p) {
  int best = 0;
  long bestDist = -1;
  for (int i = 0; i < 16; i++) {
    long dr = static_cast<long>((p >> 16) & 0xFF) - static_cast<long>((kVga[i] >> 16) & 0xFF);
    long dg = static_cast<long>((p >> 8) & 0xFF) - static_cast<long>((kVga[i] >> 8) & 0xFF);
    long db = static_cast<long>(p & 0xFF) - static_cast<long>(kVga[i] & 0xFF);
    long d = dr * dr + dg * dg + db * db;
    if (bestDist < 0 || d < bestDist) {
      bestDist = d;
      best = i;
    }
  }
  return kVga[best];
}

// Keeps only what the list's colour depth can hold.
void ReduceDepth(const _IMAGELIST& list, std::vector<std::uint32_t>& px) {
  if (list.Depth() == 4) {
    for (auto& p : px) p = Nearest16(p);
  } else if (list.Depth() == 16) {
    for (auto& p : px) p &= 0xF8F8F8;
  }
}

// Cuts a strip into images of the list's size: (pixels, mask) pairs.
int AddStrip(_IMAGELIST* list, HBITMAP image, HBITMAP mask, bool useColourKey, COLORREF key, int at) {
  int width = BitmapWidth(image);
  if (width <= 0 || list->cx <= 0) return -1;
  int count = std::max(1, width / list->cx);
  int first = at < 0 ? static_cast<int>(list->pixels.size()) : at;
  for (int k = 0; k < count; k++) {
    std::vector<std::uint32_t> px = ReadBitmap(image, k * list->cx, 0, list->cx, list->cy);
    std::vector<bool> m(px.size(), false);
    if (list->Masked()) {
      if (useColourKey) {
        std::uint32_t rgb = ((key & 0xFF) << 16) | (key & 0xFF00) | ((key >> 16) & 0xFF);
        for (size_t i = 0; i < px.size(); i++)
          if (px[i] == rgb) {
            m[i] = true;
            px[i] = 0;
          }
      } else if (mask) {
        std::vector<std::uint32_t> mp = ReadBitmap(mask, k * list->cx, 0, list->cx, list->cy);
        for (size_t i = 0; i < px.size(); i++) m[i] = (mp[i] & 0xFFFFFF) != 0;
      }
    }
    ReduceDepth(*list, px);
    if (at >= 0 && k == 0 && at < static_cast<int>(list->pixels.size())) {
      list->pixels[at] = std::move(px);
      list->masks[at] = std::move(m);
    } else {
      list->pixels.push_back(std::move(px));
      list->masks.push_back(std::move(m));
    }
  }
  return first;
}

}  // namespace

_IMAGELIST* LiveImageList(HIMAGELIST himl) {
  return himl && Lists().count(himl) ? himl : nullptr;
}

int BitmapWidth(HBITMAP bitmap) {
  BITMAP bm{};
  if (!bitmap || !GetObjectA(bitmap, sizeof bm, &bm)) return 0;
  return bm.bmWidth;
}

std::vector<std::uint32_t> ReadBitmap(HBITMAP bitmap, int x, int y, int width, int height) {
  std::vector<std::uint32_t> out(static_cast<size_t>(width) * height, 0);
  BITMAP bm{};
  if (!bitmap || !GetObjectA(bitmap, sizeof bm, &bm)) return out;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = bm.bmWidth;
  bi.bmiHeader.biHeight = -bm.bmHeight;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> all(static_cast<size_t>(bm.bmWidth) * bm.bmHeight, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  GetDIBits(dc, bitmap, 0, static_cast<UINT>(bm.bmHeight), all.data(), &bi, DIB_RGB_COLORS);
  DeleteDC(dc);
  for (int row = 0; row < height; row++)
    for (int col = 0; col < width; col++) {
      int sx = x + col, sy = y + row;
      if (sx < bm.bmWidth && sy < bm.bmHeight)
        out[static_cast<size_t>(row) * width + col] = all[static_cast<size_t>(sy) * bm.bmWidth + sx] & 0xFFFFFF;
    }
  return out;
}

}  // namespace win::comctl

using win::comctl::LiveImageList;

HIMAGELIST WINAPI ImageList_Create(int cx, int cy, UINT flags, int initial, int grow) {
  if (cx <= 0 || cy <= 0) return nullptr;
  auto* list = new _IMAGELIST;
  list->cx = cx;
  list->cy = cy;
  list->flags = flags;
  list->grow = std::max(grow, 1);
  list->overlays.fill(-1);
  list->pixels.reserve(static_cast<size_t>(std::max(initial, 0)));
  win::comctl::Lists().insert(list);
  return list;
}

BOOL WINAPI ImageList_Destroy(HIMAGELIST himl) {
  _IMAGELIST* list = LiveImageList(himl);
  if (!list) return FALSE;
  win::comctl::Lists().erase(list);
  delete list;
  return TRUE;
}

int WINAPI ImageList_GetImageCount(HIMAGELIST himl) {
  _IMAGELIST* list = LiveImageList(himl);
  return list ? static_cast<int>(list->pixels.size()) : 0;
}

BOOL WINAPI ImageList_SetImageCount(HIMAGELIST himl, UINT count) {
  _IMAGELIST* list = LiveImageList(himl);
  if (!list) return FALSE;
  size_t n = count;
  list->pixels.resize(n, std::vector<std::uint32_t>(static_cast<size_t>(list->cx) * list->cy, 0));
  list->masks.resize(n, std::vector<bool>(static_cast<size_t>(list->cx) * list->cy, false));
  return TRUE;
}

int WINAPI ImageList_Add(HIMAGELIST himl, HBITMAP image, HBITMAP mask) {
  _IMAGELIST* list = LiveImageList(himl);
  return list ? win::comctl::AddStrip(list, image, mask, false, 0, -1) : -1;
}

int WINAPI ImageList_AddMasked(HIMAGELIST himl, HBITMAP image, COLORREF maskColor) {
  _IMAGELIST* list = LiveImageList(himl);
  return list ? win::comctl::AddStrip(list, image, nullptr, true, maskColor, -1) : -1;
}

BOOL WINAPI ImageList_Replace(HIMAGELIST himl, int index, HBITMAP image, HBITMAP mask) {
  _IMAGELIST* list = LiveImageList(himl);
  if (!list || index < 0 || index >= static_cast<int>(list->pixels.size())) return FALSE;
  return win::comctl::AddStrip(list, image, mask, false, 0, index) >= 0;
}

int WINAPI ImageList_ReplaceIcon(HIMAGELIST himl, int index, HICON icon) {
  _IMAGELIST* list = LiveImageList(himl);
  ICONINFO info{};
  if (!list || !icon || !GetIconInfo(icon, &info)) return -1;
  if (index >= static_cast<int>(list->pixels.size()) || index < -1) {
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return -1;
  }
  // An icon's mask is as tall as the picture (twice as tall without colour).
  HBITMAP colour = info.hbmColor ? info.hbmColor : info.hbmMask;
  std::vector<std::uint32_t> px = win::comctl::ReadBitmap(colour, 0, info.hbmColor ? 0 : list->cy, list->cx, list->cy);
  std::vector<std::uint32_t> mp = win::comctl::ReadBitmap(info.hbmMask, 0, 0, list->cx, list->cy);
  std::vector<bool> m(px.size(), false);
  for (size_t i = 0; i < px.size(); i++) {
    bool transparent = (mp[i] & 0xFFFFFF) != 0;
    if (list->Masked()) {
      m[i] = transparent;
      if (transparent) px[i] = 0;
    } else if (transparent) {
      px[i] = GetSysColor(COLOR_WINDOW) & 0xFFFFFF;
      px[i] = ((px[i] & 0xFF) << 16) | (px[i] & 0xFF00) | ((px[i] >> 16) & 0xFF);
    }
  }
  win::comctl::ReduceDepth(*list, px);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  if (index == -1) {
    list->pixels.push_back(std::move(px));
    list->masks.push_back(std::move(m));
    return static_cast<int>(list->pixels.size()) - 1;
  }
  list->pixels[index] = std::move(px);
  list->masks[index] = std::move(m);
  return index;
}

BOOL WINAPI ImageList_Remove(HIMAGELIST himl, int index) {
  _IMAGELIST* list = LiveImageList(himl);
  if (!list) return FALSE;
  if (index == -1) {
    list->pixels.clear();
    list->masks.clear();
    list->overlays.fill(-1);
    return TRUE;
  }
  if (index < 0 || index >= static_cast<int>(list->pixels.size())) return FALSE;
  list->pixels.erase(list->pixels.begin() + index);
  list->masks.erase(list->masks.begin() + index);
  for (int& o : list->overlays) {
    if (o == index)
      o = -1;
    else if (o > index)
      o--;
  }
  return TRUE;
}

BOOL WINAPI ImageList_GetIconSize(HIMAGELIST himl, int* cx, int* cy) {
  _IMAGELIST* list = LiveImageList(himl);
  if (!list || !cx || !cy) return FALSE;
  *cx = list->cx;
  *cy = list->cy;
  return TRUE;
}

BOOL WINAPI ImageList_SetIconSize(HIMAGELIST himl, int cx, int cy) {
  _IMAGELIST* list = LiveImageList(himl);
  if (!list || cx <= 0 || cy <= 0) return FALSE;
  // A new size empties the list, as the pictures no longer fit.
  list->cx = cx;
  list->cy = cy;
  ImageList_Remove(himl, -1);
  return TRUE;
}

COLORREF WINAPI ImageList_SetBkColor(HIMAGELIST himl, COLORREF color) {
  _IMAGELIST* list = LiveImageList(himl);
  if (!list) return CLR_NONE;
  COLORREF old = list->bk;
  list->bk = color;
  return old;
}

COLORREF WINAPI ImageList_GetBkColor(HIMAGELIST himl) {
  _IMAGELIST* list = LiveImageList(himl);
  return list ? list->bk : CLR_NONE;
}

BOOL WINAPI ImageList_SetOverlayImage(HIMAGELIST himl, int image, int overlay) {
  _IMAGELIST* list = LiveImageList(himl);
  if (!list || overlay < 1 || overlay > 15 || image < -1 || image >= static_cast<int>(list->pixels.size()))
    return FALSE;
  list->overlays[overlay - 1] = image;
  return TRUE;
}
