// Where the staged program data lies, and small readers the data tests share:
// whole files, CR LF lines, an independent BMP header check and pictures
// loaded through the class library's own bitmap.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/vcl/Graphics.h"

namespace data_test {

inline std::filesystem::path ProgramDir() {
  return DATA_TEST_PROGRAM_DIR;
}
inline std::filesystem::path SkinsDir() {
  return ProgramDir() / "skins";
}
inline std::filesystem::path PicturesDir() {
  return DATA_TEST_PICTURES_DIR;
}

inline std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

inline std::uint32_t U32(const std::string& b, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + i])) << (8 * i);
  return v;
}
inline std::uint16_t U16(const std::string& b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8);
}

struct RgbPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, rows top-down
  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Loads a picture file through TBitmap, as the programs do.
inline RgbPicture LoadPicture(const std::filesystem::path& path) {
  TBitmap bitmap;
  bitmap.LoadFromFile(path.string());
  RgbPicture picture;
  picture.width = bitmap.GetWidth();
  picture.height = bitmap.GetHeight();
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const TColor c = bitmap.GetCanvas()->GetPixels(x, y) & 0x00FFFFFF;  // $BBGGRR
      picture.pixels.push_back(((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF));
    }
  }
  return picture;
}

inline int Red(std::uint32_t c) {
  return (c >> 16) & 0xFF;
}
inline int Green(std::uint32_t c) {
  return (c >> 8) & 0xFF;
}
inline int Blue(std::uint32_t c) {
  return c & 0xFF;
}
inline double Luminance(std::uint32_t c) {
  return 0.299 * Red(c) + 0.587 * Green(c) + 0.114 * Blue(c);
}

}  // namespace data_test
