// JPEG coding on libjpeg, kept free of C++ objects: libjpeg reports errors
// by a jump back into these functions, which then return false with a
// message instead of letting the library end the program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vcl::jpeg {

struct JpegError {
  int code = 0;  // libjpeg's message code
  std::string message;  // libjpeg's text
};

struct JpegHeader {
  int width = 0;
  int height = 0;
  bool grayscale = false;
};

struct DecodeOptions {
  bool grayscale = false;  // decode as grey even when the data has colour
  int scaleDenominator = 1;  // 1, 2, 4 or 8
  bool smoothing = true;  // smooth upsampling of the colour channels
};

// Rows top-down, 3 bytes (R, G, B) a pixel, no padding.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;
};

bool ReadJpegHeader(const std::uint8_t* data, std::size_t size, JpegHeader* out, JpegError* error);
// Data that ends early counts as an error, not as a grey lower part.
bool DecodeJpeg(const std::uint8_t* data, std::size_t size, const DecodeOptions& options, RgbImage* out,
                JpegError* error);
bool EncodeJpeg(const RgbImage& image, int quality, bool grayscale, std::vector<std::uint8_t>* out, JpegError* error);

}  // namespace vcl::jpeg
