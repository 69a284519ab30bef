// Icons and cursors: reading their images, drawing them, and the system's own.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

#include "platform/win/gdi/bmp_file.h"
#include "shapes_canvas.h"
#include "support/TempFolder.h"

using shapes_test::kRed;
using shapes_test::ShapeCanvas;

namespace {

void Put16(std::vector<BYTE>& b, unsigned v) {
  b.push_back(static_cast<BYTE>(v));
  b.push_back(static_cast<BYTE>(v >> 8));
}
void Put32(std::vector<BYTE>& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

// An icon image as resources and files hold it: header (height doubled),
// colour table, XOR rows and AND rows, both bottom-up. pixel(x, y) gives a
// colour index (up to 8 bits) or 0xAARRGGBB; masked(x, y) the AND bit.
std::vector<BYTE> IconDib(int w, int h, int bits, const std::vector<std::uint32_t>& table,
                          const std::function<std::uint32_t(int, int)>& pixel,
                          const std::function<bool(int, int)>& masked) {
  std::vector<BYTE> b;
  Put32(b, 40);
  Put32(b, static_cast<std::uint32_t>(w));
  Put32(b, static_cast<std::uint32_t>(2 * h));
  Put16(b, 1);
  Put16(b, static_cast<unsigned>(bits));
  for (int i = 0; i < 6; ++i) Put32(b, 0);
  for (std::uint32_t c : table) Put32(b, c);
  const int xorStride = ((w * bits + 31) / 32) * 4, andStride = ((w + 31) / 32) * 4;
  for (int y = h - 1; y >= 0; --y) {
    std::vector<BYTE> row(static_cast<std::size_t>(xorStride), 0);
    for (int x = 0; x < w; ++x) {
      const std::uint32_t v = pixel(x, y);
      switch (bits) {
        case 1: row[x / 8] |= static_cast<BYTE>((v & 1) << (7 - x % 8)); break;
        case 4: row[x / 2] |= static_cast<BYTE>((v & 15) << (x % 2 ? 0 : 4)); break;
        case 8: row[x] = static_cast<BYTE>(v); break;
        case 24:
          for (int k = 0; k < 3; ++k) row[x * 3 + k] = static_cast<BYTE>(v >> (8 * k));
          break;
        case 32:
          for (int k = 0; k < 4; ++k) row[x * 4 + k] = static_cast<BYTE>(v >> (8 * k));
          break;
      }
    }
    b.insert(b.end(), row.begin(), row.end());
  }
  for (int y = h - 1; y >= 0; --y) {
    std::vector<BYTE> row(static_cast<std::size_t>(andStride), 0);
    for (int x = 0; x < w; ++x)
      if (masked(x, y)) row[x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
    b.insert(b.end(), row.begin(), row.end());
  }
  return b;
}

// A .ico (or .cur, with a hot spot) file holding one image.
std::vector<BYTE> IconFile(const std::vector<BYTE>& dib, int w, int h, bool cursor, int hotX = 0, int hotY = 0) {
  std::vector<BYTE> f;
  Put16(f, 0);
  Put16(f, cursor ? 2 : 1);
  Put16(f, 1);
  f.push_back(static_cast<BYTE>(w));
  f.push_back(static_cast<BYTE>(h));
  f.push_back(0);
  f.push_back(0);
  Put16(f, cursor ? hotX : 1);
  Put16(f, cursor ? hotY : 24);
  Put32(f, static_cast<std::uint32_t>(dib.size()));
  Put32(f, 22);
  f.insert(f.end(), dib.begin(), dib.end());
  return f;
}

std::string WriteTemp(const TempFolder& folder, const std::string& name, const std::vector<BYTE>& bytes) {
  const std::string path = folder / name;
  FILE* f = std::fopen(path.c_str(), "wb");
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
  return path;
}

bool LeftHalf(int x, int) {
  return x < 4;
}

TEST(Icons, EveryDepthDrawsItsColoursAndLetsTheMaskedPartShowThrough) {
  const std::vector<std::uint32_t> twoColours = {0x000000, 0x0000FF};  // black, blue (RGBQUAD order)
  std::vector<std::uint32_t> sixteen(16, 0), many(256, 0);
  sixteen[9] = 0x0000FF;
  many[200] = 0x0000FF;
  const struct {
    int bits;
    std::vector<std::uint32_t> table;
    std::uint32_t blue;
  } depths[] = {
      {1, twoColours, 1}, {4, sixteen, 9}, {8, many, 200}, {24, {}, 0x0000FF}, {32, {}, 0xFF0000FF},
  };
  for (const auto& d : depths) {
    SCOPED_TRACE(testing::Message() << d.bits << " bits");
    // The left half is masked and black (screen shows), the right half blue.
    auto dib = IconDib(
        8, 8, d.bits, d.table, [&](int x, int) { return x < 4 ? 0u : d.blue; }, LeftHalf);
    HICON icon = CreateIconFromResourceEx(dib.data(), static_cast<DWORD>(dib.size()), TRUE, 0x30000, 0, 0, 0);
    ASSERT_NE(icon, nullptr);
    ShapeCanvas c(8, 8, kRed);
    ASSERT_TRUE(DrawIconEx(c.dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(c.At(1, 3), kRed) << c.Picture();
    EXPECT_EQ(c.At(6, 3), RGB(0, 0, 255)) << c.Picture();
    // A truncated image is refused rather than read past its end.
    EXPECT_EQ(CreateIconFromResourceEx(dib.data(), static_cast<DWORD>(dib.size() - (d.bits == 32 ? 40 : 1)), TRUE,
                                       0x30000, 0, 0, 0),
              nullptr);
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_FALSE(DrawIconEx(c.dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL)) << "destroyed";
  }
}

TEST(Icons, MaskRulesAlphaAndTheSingleParts) {
  // Four columns: opaque green, transparent, screen-inverting white, and a
  // half-transparent blue in a 32-bit image.
  auto dib = IconDib(
      4, 1, 24, {}, [](int x, int) { return x == 0   ? 0x00FF00u
                                            : x == 2 ? 0xFFFFFFu
                                                     : 0u; },
      [](int x, int) { return x >= 1; });
  HICON icon = CreateIconFromResourceEx(dib.data(), static_cast<DWORD>(dib.size()), TRUE, 0x30000, 0, 0, 0);
  ShapeCanvas c(4, 1, RGB(200, 100, 50));
  DrawIconEx(c.dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
  EXPECT_EQ(c.At(0, 0), RGB(0, 255, 0));
  EXPECT_EQ(c.At(1, 0), RGB(200, 100, 50));
  EXPECT_EQ(c.At(2, 0), RGB(55, 155, 205)) << "inverted";
  ShapeCanvas maskOnly(4, 1, RGB(200, 100, 50));
  DrawIconEx(maskOnly.dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_MASK);
  EXPECT_EQ(maskOnly.At(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(maskOnly.At(1, 0), RGB(255, 255, 255));
  DestroyIcon(icon);

  auto alpha = IconDib(
      1, 1, 32, {}, [](int, int) { return 0x800000FFu; }, [](int, int) { return false; });
  HICON blended = CreateIconFromResourceEx(alpha.data(), static_cast<DWORD>(alpha.size()), TRUE, 0x30000, 0, 0, 0);
  ShapeCanvas b(1, 1, RGB(255, 255, 255));
  DrawIconEx(b.dc(), 0, 0, blended, 0, 0, 0, nullptr, DI_NORMAL);
  EXPECT_EQ(b.At(0, 0), RGB(127, 127, 255));
  DestroyIcon(blended);

  static const BYTE png[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R',
                             0,    0,   0,   1,   0,    0,    0,    1,    8, 6, 0, 0,  0,   0,   0,   0,
                             0,    0,   0,   0,   0,    0,    0,    0,    0, 0, 0, 0,  0,   0,   0,   0};
  EXPECT_EQ(CreateIconFromResourceEx(const_cast<BYTE*>(png), sizeof png, TRUE, 0x30000, 0, 0, 0), nullptr);
}

TEST(Icons, FilesGiveIconsAndCursorsWithTheirHotSpot) {
  auto dib = IconDib(
      16, 16, 24, {}, [](int x, int) { return x < 8 ? 0x0000FFu : 0u; }, [](int x, int) { return x >= 8; });
  TempFolder folder;
  const std::string ico = WriteTemp(folder, "shapes_test.ico", IconFile(dib, 16, 16, false));
  const std::string cur = WriteTemp(folder, "shapes_test.cur", IconFile(dib, 16, 16, true, 3, 5));

  HICON icon = static_cast<HICON>(LoadImageA(nullptr, ico.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
  ASSERT_NE(icon, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon, &info));
  EXPECT_TRUE(info.fIcon);
  BITMAP bm{};
  GetObjectA(info.hbmColor, sizeof bm, &bm);
  EXPECT_EQ(bm.bmWidth, 16) << "its own size without LR_DEFAULTSIZE";
  // The bitmaps GetIconInfo hands out rebuild the same icon.
  HICON again = CreateIconIndirect(&info);
  ShapeCanvas a(16, 16, kRed), b(16, 16, kRed);
  DrawIconEx(a.dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
  DrawIconEx(b.dc(), 0, 0, again, 0, 0, 0, nullptr, DI_NORMAL);
  EXPECT_EQ(a.Pixels(), b.Pixels());
  EXPECT_EQ(a.At(2, 2), RGB(0, 0, 255));
  EXPECT_EQ(a.At(12, 2), kRed);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);

  HICON scaled =
      static_cast<HICON>(LoadImageA(nullptr, ico.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE));
  ShapeCanvas big(32, 32, kRed);
  DrawIconEx(big.dc(), 0, 0, scaled, 0, 0, 0, nullptr, DI_NORMAL);
  EXPECT_EQ(big.At(15, 20), RGB(0, 0, 255)) << "stretched to 32 x 32";
  EXPECT_EQ(big.At(16, 20), kRed);

  HCURSOR cursor = static_cast<HCURSOR>(LoadImageA(nullptr, cur.c_str(), IMAGE_CURSOR, 0, 0, LR_LOADFROMFILE));
  ASSERT_NE(cursor, nullptr);
  ICONINFO ci{};
  ASSERT_TRUE(GetIconInfo(cursor, &ci));
  EXPECT_FALSE(ci.fIcon);
  EXPECT_EQ(ci.xHotspot, 3u);
  EXPECT_EQ(ci.yHotspot, 5u);
  DeleteObject(ci.hbmColor);
  DeleteObject(ci.hbmMask);
  EXPECT_EQ(LoadImageA(nullptr, cur.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE), nullptr) << "a cursor is no icon";
  EXPECT_EQ(LoadImageA(nullptr, (ico + ".missing").c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE), nullptr);
  for (HICON h : {icon, again, scaled, HICON(cursor)}) EXPECT_TRUE(DestroyIcon(h));
  std::remove(ico.c_str());
  std::remove(cur.c_str());
}

TEST(Icons, TheSystemsOwnPicturesAreSharedAndKept) {
  EXPECT_EQ(LoadCursorA(nullptr, IDC_ARROW), reinterpret_cast<HCURSOR>(32512));
  EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCEA(1)), nullptr);
  HICON error = LoadIconA(nullptr, IDI_ERROR);
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(LoadIconA(nullptr, IDI_HAND), error) << "the same shared icon";
  EXPECT_TRUE(DestroyIcon(error));
  ShapeCanvas c(40, 40);
  EXPECT_TRUE(DrawIcon(c.dc(), 4, 4, error)) << "a shared icon survives DestroyIcon";
  EXPECT_GT(c.Count(kRed), 200);
  EXPECT_EQ(c.At(0, 0), RGB(255, 255, 255));
  // Standard cursors draw too, and have their hot spot.
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(LoadCursorA(nullptr, IDC_IBEAM), &info));
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 15u);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  HICON copy = CopyIcon(error);
  EXPECT_NE(copy, error);
  EXPECT_TRUE(DestroyIcon(copy));
  EXPECT_FALSE(DestroyIcon(copy)) << "a copy is the caller's and goes";
}

TEST(Icons, DirectoryLookupPicksTheNearestSize) {
  std::vector<BYTE> dir;
  Put16(dir, 0);
  Put16(dir, 1);
  Put16(dir, 2);
  for (auto [size, id] : {std::pair{16, 5}, std::pair{32, 7}}) {
    dir.push_back(static_cast<BYTE>(size));
    dir.push_back(static_cast<BYTE>(size));
    dir.push_back(0);
    dir.push_back(0);
    Put16(dir, 1);
    Put16(dir, 8);
    Put32(dir, 100);
    Put16(dir, static_cast<unsigned>(id));
  }
  EXPECT_EQ(LookupIconIdFromDirectoryEx(dir.data(), TRUE, 32, 32, 0), 7);
  EXPECT_EQ(LookupIconIdFromDirectoryEx(dir.data(), TRUE, 16, 16, 0), 5);
  EXPECT_EQ(LookupIconIdFromDirectory(dir.data(), TRUE), 7);
  EXPECT_EQ(LookupIconIdFromDirectoryEx(dir.data(), FALSE, 16, 16, 0), 0) << "not a cursor group";
}

TEST(Icons, BitmapFilesLoadWithTheirCornerColourMadeTransparent) {
  win::gdi::DibImage image;
  image.width = 4;
  image.height = 2;
  image.bitsPerPixel = 24;
  image.bits.assign(static_cast<std::size_t>(image.Stride()) * 2, 0);
  // Bottom-up: the second stored row is the top one; its first pixel is green.
  BYTE* top = image.bits.data() + image.Stride();
  top[1] = 255;
  top[3 * 3 + 2] = 255;  // top-right red
  TempFolder folder;
  const std::string path = WriteTemp(folder, "shapes_test.bmp", win::gdi::WriteBmp(image));
  for (UINT flags : {UINT(LR_LOADFROMFILE), UINT(LR_LOADFROMFILE | LR_LOADTRANSPARENT)}) {
    HBITMAP bmp = static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, flags));
    ASSERT_NE(bmp, nullptr);
    HDC mem = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(mem, bmp);
    EXPECT_EQ(GetPixel(mem, 0, 0), (flags & LR_LOADTRANSPARENT) ? GetSysColor(COLOR_WINDOW) : RGB(0, 255, 0));
    EXPECT_EQ(GetPixel(mem, 3, 0), RGB(255, 0, 0));
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(bmp);
  }
  std::remove(path.c_str());
}

}  // namespace
