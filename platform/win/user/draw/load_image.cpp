// LoadBitmapA, LoadIconA, LoadCursorA and LoadImageA: pictures from the
// embedded resources, from .bmp / .ico / .cur files, and the system's own.
#include <cctype>
#include <map>
#include <mutex>
#include <string>
#include <tuple>
#include <vector>

#include "platform/win/gdi/bmp_file.h"
#include "platform/win/gdi/surface.h"
#include "platform/win/user/draw/icon.h"
#include "platform/win/user/draw/icon_files.h"
#include "platform/win/user/draw/sys_colors.h"
#include "platform/win/resource/resources.h"
#include "platform/win/winbase.h"
#include "platform/win/wingdi.h"
#include "platform/win/winres.h"
#include "platform/win/winuser_draw.h"

using win::gdi::DibImage;
using win::user::IconImage;

namespace {

constexpr int kFirstStandardCursor = 32512, kLastStandardCursor = 32651;
constexpr int kFirstStandardIcon = 32512, kLastStandardIcon = 32517;

int IdOf(LPCSTR name) {
  return IS_INTRESOURCE(name) ? static_cast<int>(reinterpret_cast<ULONG_PTR>(name)) : -1;
}

// Shared pictures are made once per module, name, kind and size.
using ShareKey = std::tuple<HINSTANCE, std::string, UINT, int, int>;
std::mutex g_shareLock;
std::map<ShareKey, HANDLE>& Shared() {
  static auto* shared = new std::map<ShareKey, HANDLE>;
  return *shared;
}
ShareKey KeyOf(HINSTANCE module, LPCSTR name, UINT type, int w, int h) {
  std::string n = IS_INTRESOURCE(name) ? "#" + std::to_string(IdOf(name)) : std::string(name);
  for (char& c : n) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return {module ? module : win::resource::MainModule(), n, type, w, h};
}

bool ReadWholeFile(LPCSTR path, std::vector<BYTE>* bytes) {
  HANDLE file =
      CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE || !file) return false;
  const DWORD size = GetFileSize(file, nullptr);
  bool ok = size != 0xFFFFFFFF;
  if (ok) {
    bytes->resize(size);
    DWORD got = 0;
    ok = size == 0 || (ReadFile(file, bytes->data(), size, &got, nullptr) && got == size);
  }
  CloseHandle(file);
  return ok;
}

// LR_LOADTRANSPARENT: the colour of the top-left pixel becomes the window colour.
void MakeTransparent(DibImage& dib) {
  if (dib.width <= 0 || dib.height <= 0) return;
  const std::uint32_t window = win::gdi::ColorRefToRgb(win::user::SysColor(COLOR_WINDOW));
  const RGBQUAD windowQuad{static_cast<BYTE>(window), static_cast<BYTE>(window >> 8), static_cast<BYTE>(window >> 16),
                           0};
  if (dib.bitsPerPixel <= 8) {
    const int row = dib.topDown ? 0 : dib.height - 1;
    const BYTE* p = dib.bits.data() + static_cast<std::size_t>(row) * dib.Stride();
    const int index = dib.bitsPerPixel == 8 ? p[0] : dib.bitsPerPixel == 4 ? p[0] >> 4 : p[0] >> 7;
    if (index < static_cast<int>(dib.colors.size())) dib.colors[static_cast<std::size_t>(index)] = windowQuad;
    return;
  }
  if (dib.bitsPerPixel != 24 && dib.bitsPerPixel != 32) return;
  const int bytes = dib.bitsPerPixel / 8;
  const std::uint32_t key = dib.PixelRgb(0, 0);
  for (int y = 0; y < dib.height; ++y) {
    BYTE* row = dib.bits.data() + static_cast<std::size_t>(y) * dib.Stride();
    for (int x = 0; x < dib.width; ++x) {
      BYTE* p = row + x * bytes;
      if ((p[0] | (p[1] << 8) | (std::uint32_t{p[2]} << 16)) == key) {
        p[0] = windowQuad.rgbBlue;
        p[1] = windowQuad.rgbGreen;
        p[2] = windowQuad.rgbRed;
      }
    }
  }
}

HBITMAP BitmapFrom(bool ok, DibImage& dib, UINT flags) {
  if (!ok) return nullptr;
  if (flags & LR_LOADTRANSPARENT) MakeTransparent(dib);
  return win::gdi::CreateBitmapFromDib(dib);
}

HANDLE IconFromFile(const std::vector<BYTE>& file, UINT type, int w, int h, UINT flags) {
  bool isIcon = true;
  const auto entries = win::user::ReadDirectory(file.data(), file.size(), false, &isIcon);
  const int best = win::user::BestEntry(entries, isIcon, w, h);
  if (best < 0 || isIcon != (type == IMAGE_ICON)) return nullptr;
  const auto& e = entries[static_cast<std::size_t>(best)];
  if (e.offset > file.size() || e.bytes > file.size() - e.offset) return nullptr;
  IconImage img;
  if (!win::user::ParseIconDib(file.data() + e.offset, e.bytes, &img)) return nullptr;
  return win::user::MakeIcon(std::move(img), isIcon, e.planesOrHotX, e.bitsOrHotY, w, h, flags);
}

HANDLE IconFromResource(HINSTANCE module, LPCSTR name, UINT type, int w, int h, UINT flags) {
  const bool cursor = type == IMAGE_CURSOR;
  const auto images = win::resource::FindGroup(module, name, cursor);
  const win::resource::GroupImage* best = win::resource::BestImage(images, w ? w : 32, h ? h : 32);
  if (!best) return nullptr;
  IconImage img;
  if (!win::user::ParseIconDib(best->image.data, best->image.size, &img)) return nullptr;
  return win::user::MakeIcon(std::move(img), !cursor, best->hotX, best->hotY, w, h, flags);
}

// The system's pictures: cursors are their ids, icons shared handles.
HANDLE StandardImage(LPCSTR name, UINT type) {
  const int id = IdOf(name);
  if (type == IMAGE_CURSOR) {
    if (id < kFirstStandardCursor || id > kLastStandardCursor) return nullptr;
    return reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(id));
  }
  if (type != IMAGE_ICON || id < kFirstStandardIcon || id > kLastStandardIcon) return nullptr;
  const ShareKey key{nullptr, std::to_string(id), IMAGE_ICON, 0, 0};
  std::lock_guard<std::mutex> guard(g_shareLock);
  HANDLE& slot = Shared()[key];
  if (!slot) slot = win::user::AddIcon(win::user::StandardIcon(id), true);
  return slot;
}

}  // namespace

HANDLE WINAPI LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int width, int height, UINT flags) {
  if (!name || type > IMAGE_CURSOR) return nullptr;
  if (width < 0 || height < 0) return nullptr;
  if (flags & LR_LOADFROMFILE) {
    if (IS_INTRESOURCE(name)) return nullptr;
    std::vector<BYTE> file;
    if (!ReadWholeFile(name, &file)) return nullptr;
    if (type == IMAGE_BITMAP) {
      DibImage dib;
      return BitmapFrom(win::gdi::ReadBmp(file.data(), file.size(), &dib), dib, flags);
    }
    return IconFromFile(file, type, width, height, flags & ~static_cast<UINT>(LR_SHARED));
  }
  if (!instance) return type == IMAGE_BITMAP ? nullptr : StandardImage(name, type);
  if (type == IMAGE_BITMAP) {
    const auto bytes = win::resource::FindBitmap(instance, name);
    DibImage dib;
    return BitmapFrom(bytes && win::gdi::ReadPackedDib(bytes.data, bytes.size, &dib), dib, flags);
  }
  if (!(flags & LR_SHARED)) return IconFromResource(instance, name, type, width, height, flags);
  const ShareKey key = KeyOf(instance, name, type, width, height);
  std::lock_guard<std::mutex> guard(g_shareLock);
  HANDLE& slot = Shared()[key];
  if (!slot) slot = IconFromResource(instance, name, type, width, height, flags);
  return slot;
}

HBITMAP WINAPI LoadBitmapA(HINSTANCE instance, LPCSTR name) {
  return static_cast<HBITMAP>(LoadImageA(instance, name, IMAGE_BITMAP, 0, 0, 0));
}

HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name) {
  return static_cast<HICON>(LoadImageA(instance, name, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
}

HCURSOR WINAPI LoadCursorA(HINSTANCE instance, LPCSTR name) {
  return static_cast<HCURSOR>(LoadImageA(instance, name, IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
}
