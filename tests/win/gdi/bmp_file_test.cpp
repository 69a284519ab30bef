// BMP files: every depth written and read back pixel for pixel; RLE decoding;
// truncated and lying files refused without reading past the bytes given.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/win/gdi/bmp_file.h"
#include "platform/win/wingdi.h"

using win::gdi::DibImage;

namespace {

// A 5 x 3 image (odd width: rows need padding) of the given format whose raw
// pixel values all differ where the depth allows.
DibImage MakeImage(int bpp, bool topDown, bool bitfields) {
  DibImage img;
  img.width = 5;
  img.height = 3;
  img.topDown = topDown;
  img.bitsPerPixel = bpp;
  if (bitfields) {
    img.compression = BI_BITFIELDS;
    if (bpp == 16) {
      img.masks[0] = 0xF800;
      img.masks[1] = 0x07E0;
      img.masks[2] = 0x001F;
    } else {
      img.masks[0] = 0x0000FF;  // an unusual order: blue and red swapped
      img.masks[1] = 0x00FF00;
      img.masks[2] = 0xFF0000;
    }
  }
  if (bpp <= 8) {
    for (int i = 0; i < (1 << bpp); ++i)
      img.colors.push_back(RGBQUAD{static_cast<BYTE>(i * 7), static_cast<BYTE>(255 - i), static_cast<BYTE>(i * 3), 0});
  }
  img.bits.assign(static_cast<std::size_t>(img.Stride()) * img.height, 0);
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x) {
      const unsigned v = static_cast<unsigned>(y * 5 + x + 1) * 2654435761u;
      BYTE* row = img.bits.data() + img.Stride() * y;
      switch (bpp) {
        case 1:
          if (v & 0x100) row[x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
          break;
        case 4: row[x / 2] |= static_cast<BYTE>(((v >> 8) & 0xF) << ((x & 1) ? 0 : 4)); break;
        case 8: row[x] = static_cast<BYTE>(v >> 8); break;
        case 16:
          row[2 * x] = static_cast<BYTE>(v >> 8);
          row[2 * x + 1] = static_cast<BYTE>((v >> 16) & 0x7F);
          break;
        case 24: std::memcpy(row + 3 * x, &v, 3); break;
        case 32: {
          std::uint32_t w = v & 0xFFFFFF;
          std::memcpy(row + 4 * x, &w, 4);
          break;
        }
      }
    }
  return img;
}

// The bytes in a buffer of exactly their size, so that ASan sees any over-read.
bool ReadExact(const std::vector<BYTE>& bytes, std::size_t size, DibImage* out, std::string* why = nullptr) {
  std::vector<BYTE> exact(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
  return win::gdi::ReadBmp(exact.data(), exact.size(), out, why);
}

template <class T>
void Poke(std::vector<BYTE>& bytes, std::size_t at, T v) {
  std::memcpy(bytes.data() + at, &v, sizeof v);
}

// A bottom-up 8-bit (or 4-bit) RLE file around the given compressed bytes.
std::vector<BYTE> RleFile(int bpp, int width, int height, const std::vector<BYTE>& data) {
  const int colors = 1 << bpp;
  std::vector<BYTE> out(14 + 40 + colors * 4);
  Poke<WORD>(out, 0, 0x4D42);
  Poke<DWORD>(out, 10, static_cast<DWORD>(out.size()));
  Poke<DWORD>(out, 14, 40);
  Poke<LONG>(out, 18, width);
  Poke<LONG>(out, 22, height);
  Poke<WORD>(out, 26, 1);
  Poke<WORD>(out, 28, static_cast<WORD>(bpp));
  Poke<DWORD>(out, 30, bpp == 8 ? BI_RLE8 : BI_RLE4);
  Poke<DWORD>(out, 34, static_cast<DWORD>(data.size()));
  out.insert(out.end(), data.begin(), data.end());
  Poke<DWORD>(out, 2, static_cast<DWORD>(out.size()));
  return out;
}

// Palette index at (x, y), y from the top.
int Index(const DibImage& img, int x, int y) {
  const int row = img.topDown ? y : img.height - 1 - y;
  const BYTE* p = img.bits.data() + img.Stride() * row;
  if (img.bitsPerPixel == 8) return p[x];
  return (x & 1) ? (p[x / 2] & 0xF) : (p[x / 2] >> 4);
}

}  // namespace

TEST(BmpFile, EveryDepthReadsBackWhatWasWritten) {
  struct Format {
    int bpp;
    bool bitfields;
  };
  const Format formats[] = {{1, false}, {4, false},  {8, false},  {16, false},
                            {16, true}, {24, false}, {32, false}, {32, true}};
  for (const Format& f : formats)
    for (bool topDown : {false, true}) {
      SCOPED_TRACE(testing::Message() << f.bpp << " bits" << (f.bitfields ? " bit fields" : "")
                                      << (topDown ? " top-down" : " bottom-up"));
      DibImage img = MakeImage(f.bpp, topDown, f.bitfields);
      std::vector<BYTE> file = win::gdi::WriteBmp(img);
      DibImage back;
      std::string why;
      ASSERT_TRUE(ReadExact(file, file.size(), &back, &why)) << why;
      EXPECT_EQ(back.width, img.width);
      EXPECT_EQ(back.height, img.height);
      EXPECT_EQ(back.topDown, topDown);
      EXPECT_EQ(back.bitsPerPixel, f.bpp);
      EXPECT_EQ(back.compression, img.compression);
      EXPECT_EQ(back.bits, img.bits);
      ASSERT_EQ(back.colors.size(), img.colors.size());
      // And the same colours come out of a DIB section made from it.
      HBITMAP bitmap = win::gdi::CreateBitmapFromDib(back);
      ASSERT_NE(bitmap, nullptr);
      HDC dc = CreateCompatibleDC(nullptr);
      HGDIOBJ old = SelectObject(dc, bitmap);
      for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
          const std::uint32_t rgb = img.PixelRgb(x, y);
          EXPECT_EQ(GetPixel(dc, x, y), RGB(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF)) << x << "," << y;
        }
      SelectObject(dc, old);
      DeleteDC(dc);
      DeleteObject(bitmap);
    }
}

TEST(BmpFile, PackedDibFromAResourceReads) {
  DibImage img = MakeImage(8, false, false);
  std::vector<BYTE> packed = img.Info();
  packed.insert(packed.end(), img.bits.begin(), img.bits.end());
  DibImage back;
  ASSERT_TRUE(win::gdi::ReadPackedDib(packed.data(), packed.size(), &back));
  EXPECT_EQ(back.bits, img.bits);
  EXPECT_FALSE(win::gdi::ReadPackedDib(packed.data(), packed.size() - 1, &back));
}

TEST(BmpFile, DecodesRle8AndRle4) {
  // RLE8, 4 x 3, bottom row first: a run and end of line; a literal of 3
  // (padded to 4 bytes) and end of line; a run of 4; end of bitmap.
  DibImage img;
  std::string why;
  std::vector<BYTE> file = RleFile(8, 4, 3, {3, 7, 0, 0, 0, 3, 1, 2, 3, 0, 0, 0, 4, 9, 0, 1});
  ASSERT_TRUE(ReadExact(file, file.size(), &img, &why)) << why;
  EXPECT_EQ(img.compression, static_cast<DWORD>(BI_RGB));
  const int expected8[3][4] = {{9, 9, 9, 9}, {1, 2, 3, 0}, {7, 7, 7, 0}};  // top row first
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(Index(img, x, y), expected8[y][x]) << x << "," << y;

  // A move by (2, 1) skips pixels, which stay 0.
  file = RleFile(8, 4, 2, {0, 2, 2, 1, 2, 5, 0, 1});
  ASSERT_TRUE(ReadExact(file, file.size(), &img, &why)) << why;
  const int moved[2][4] = {{0, 0, 5, 5}, {0, 0, 0, 0}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(Index(img, x, y), moved[y][x]) << x << "," << y;

  // RLE4, 6 x 1: a run of 3 alternating 0xA and 0xB, a literal of 3 (0xC, 0xD, 0xE).
  file = RleFile(4, 6, 1, {3, 0xAB, 0, 3, 0xCD, 0xE0, 0, 1});
  ASSERT_TRUE(ReadExact(file, file.size(), &img, &why)) << why;
  const int expected4[6] = {0xA, 0xB, 0xA, 0xC, 0xD, 0xE};
  for (int x = 0; x < 6; ++x) EXPECT_EQ(Index(img, x, 0), expected4[x]) << x;
}

TEST(BmpFile, EveryTruncationIsRefused) {
  for (int bpp : {1, 8, 24}) {
    std::vector<BYTE> file = win::gdi::WriteBmp(MakeImage(bpp, false, false));
    DibImage img;
    for (std::size_t n = 0; n < file.size(); ++n) EXPECT_FALSE(ReadExact(file, n, &img)) << bpp << " bits, " << n;
  }
  std::vector<BYTE> rle = RleFile(8, 4, 1, {4, 1, 0, 1});
  DibImage img;
  for (std::size_t n = 0; n < rle.size(); ++n) EXPECT_FALSE(ReadExact(rle, n, &img)) << "RLE " << n;
}

TEST(BmpFile, LyingFilesAreRefused) {
  const std::vector<BYTE> good = win::gdi::WriteBmp(MakeImage(8, false, false));
  struct Case {
    const char* what;
    std::size_t at;
    int size;  // bytes to poke: 2 or 4
    std::uint32_t value;
  };
  const Case cases[] = {
      {"not BM", 0, 2, 0x4D43},
      {"file size larger than the file", 2, 4, 0x7FFFFFFF},
      {"pixel offset past the end", 10, 4, 0x7FFFFFF0},
      {"pixel offset inside the headers", 10, 4, 20},
      {"unknown header size", 14, 4, 44},
      {"header larger than the file", 14, 4, 124},
      {"zero width", 18, 4, 0},
      {"negative width", 18, 4, 0xFFFFFFFB},
      {"enormous height", 22, 4, 0x10000000},
      {"most negative height", 22, 4, 0x80000000},
      {"two planes", 26, 2, 2},
      {"odd depth", 28, 2, 7},
      {"unknown compression", 30, 4, 9},
      {"RLE4 on 8 bits", 30, 4, BI_RLE4},
      {"bit fields on 8 bits", 30, 4, BI_BITFIELDS},
      {"more colours than 8 bits hold", 46, 4, 257},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<BYTE> file = good;
    if (c.size == 2)
      Poke<WORD>(file, c.at, static_cast<WORD>(c.value));
    else
      Poke<DWORD>(file, c.at, c.value);
    DibImage img;
    EXPECT_FALSE(ReadExact(file, file.size(), &img));
  }
  // The unchanged file reads, so each refusal above comes from its one change.
  DibImage img;
  EXPECT_TRUE(ReadExact(good, good.size(), &img));
}

TEST(BmpFile, BadRleStreamsAreRefused) {
  struct Case {
    const char* what;
    int bpp, width, height;
    std::vector<BYTE> data;
  };
  const Case cases[] = {
      {"run past the end of the row", 8, 4, 1, {5, 1, 0, 1}},
      {"literal past the end of the row", 8, 2, 1, {0, 3, 1, 2, 3, 0, 0, 1}},
      {"literal longer than the data", 8, 8, 1, {0, 6, 1, 2}},
      {"move outside the image", 8, 4, 2, {0, 2, 0, 5, 0, 1}},
      {"rows past the last one", 8, 2, 1, {0, 0, 0, 0, 2, 1, 0, 1}},
      {"no end mark", 8, 2, 1, {2, 1}},
      {"RLE4 run past the end of the row", 4, 3, 1, {4, 0x12, 0, 1}},
      {"top-down RLE", 8, 2, -1, {2, 1, 0, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<BYTE> file = RleFile(c.bpp, c.width, c.height, c.data);
    DibImage img;
    EXPECT_FALSE(ReadExact(file, file.size(), &img));
  }
}
