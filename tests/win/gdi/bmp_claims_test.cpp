// BMP files that claim far more pixels than they carry: refused before the
// image is allocated, through the reader and LoadImageA alike.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/win/gdi/bmp_file.h"
#include "platform/win/windows.h"

namespace {

// File header, 40-byte info header, `tail` bytes of data: 8192 x 8192 at the
// given depth claims 64 MB (8 bits) to 256 MB (32 bits).
std::vector<BYTE> Claiming(int bpp, DWORD compression, const std::vector<BYTE>& tail) {
  std::vector<BYTE> file(14 + 40);
  BITMAPFILEHEADER fh{};
  fh.bfType = 0x4D42;
  fh.bfOffBits = 14 + 40 + (bpp <= 8 ? 4u << bpp : 0u);
  BITMAPINFOHEADER ih{};
  ih.biSize = 40;
  ih.biWidth = 8192;
  ih.biHeight = 8192;
  ih.biPlanes = 1;
  ih.biBitCount = static_cast<WORD>(bpp);
  ih.biCompression = compression;
  std::memcpy(file.data() + 14, &ih, sizeof ih);
  if (bpp <= 8) file.resize(fh.bfOffBits, 0);
  file.insert(file.end(), tail.begin(), tail.end());
  fh.bfSize = static_cast<DWORD>(file.size());
  std::memcpy(file.data(), &fh, sizeof fh);
  return file;
}

std::string ReadError(const std::vector<BYTE>& file) {
  win::gdi::DibImage image;
  std::string error;
  if (win::gdi::ReadBmp(file.data(), file.size(), &image, &error)) return "";
  return error;
}

TEST(BmpClaims, SeventyBytesClaimingAQuarterGigabyteAreRefused) {
  const std::vector<BYTE> file = Claiming(32, BI_RGB, std::vector<BYTE>(16, 0x55));
  EXPECT_EQ(file.size(), 70u);
  EXPECT_EQ(ReadError(file), "truncated pixels");
  // A packed DIB of the same claim, as a bitmap resource holds it.
  win::gdi::DibImage image;
  std::string error;
  EXPECT_FALSE(win::gdi::ReadPackedDib(file.data() + 14, file.size() - 14, &image, &error));
  EXPECT_EQ(error, "truncated pixels");
}

TEST(BmpClaims, RleDataTooShortForItsImageIsRefused) {
  // "End of bitmap" at once: a valid stream that would leave 64 MB blank.
  EXPECT_EQ(ReadError(Claiming(8, BI_RLE8, {0, 1})), "too little RLE data for the image");
  EXPECT_EQ(ReadError(Claiming(4, BI_RLE4, {0, 1})), "too little RLE data for the image");
}

TEST(BmpClaims, SmallRleImagesStillRead) {
  std::vector<BYTE> file = Claiming(8, BI_RLE8, {4, 9, 0, 0, 0, 1});
  const LONG width = 4, height = 2;
  std::memcpy(file.data() + 14 + 4, &width, 4);
  std::memcpy(file.data() + 14 + 8, &height, 4);
  win::gdi::DibImage image;
  ASSERT_TRUE(win::gdi::ReadBmp(file.data(), file.size(), &image));
  EXPECT_EQ(image.bits.size(), 8u);
}

TEST(BmpClaims, LoadImageRefusesTheClaimFromAFile) {
  const std::vector<BYTE> file = Claiming(32, BI_RGB, std::vector<BYTE>(16, 0x55));
  const std::string path = testing::TempDir() + "bmp_claims_" + std::to_string(getpid()) + ".bmp";
  std::FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(file.data(), 1, file.size(), f);
  std::fclose(f);
  EXPECT_EQ(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE), nullptr);
  std::remove(path.c_str());
}

}  // namespace
