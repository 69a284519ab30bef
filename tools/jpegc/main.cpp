// jpegc: compresses a binary PPM picture (P6, 8 bits a channel) into a JPEG
// file. Usage: jpegc <in.ppm> <out.jpg> [quality 1..100, default 92]
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "platform/vcl/vcl_ext.h"
#include "tools/WriteFileAtomically.h"

namespace {

// Reads the next header field of a PPM, skipping white space and comments.
bool NextField(std::istream& in, int& value) {
  for (;;) {
    const int c = in.peek();
    if (c == '#') {
      std::string comment;
      std::getline(in, comment);
    } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      in.get();
    } else {
      break;
    }
  }
  return static_cast<bool>(in >> value);
}

bool ReadPpm(const std::string& path, vcl::jpeg::RgbImage& image) {
  std::ifstream in(path, std::ios::binary);
  std::string magic(2, '\0');
  if (!in.read(magic.data(), 2) || magic != "P6") return false;
  int maxValue = 0;
  if (!NextField(in, image.width) || !NextField(in, image.height) || !NextField(in, maxValue)) return false;
  if (image.width <= 0 || image.height <= 0 || image.width > 16384 || image.height > 16384 || maxValue != 255)
    return false;
  in.get();  // the one white-space byte before the samples
  image.pixels.resize(static_cast<std::size_t>(image.width) * image.height * 3);
  return static_cast<bool>(
      in.read(reinterpret_cast<char*>(image.pixels.data()), static_cast<std::streamsize>(image.pixels.size())));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::cerr << "usage: jpegc <in.ppm> <out.jpg> [quality]\n";
    return 2;
  }
  const int quality = argc == 4 ? std::atoi(argv[3]) : 92;
  if (quality < 1 || quality > 100) {
    std::cerr << "the quality lies in 1..100\n";
    return 2;
  }
  vcl::jpeg::RgbImage image;
  if (!ReadPpm(argv[1], image)) {
    std::cerr << argv[1] << ": not a binary 8-bit PPM picture\n";
    return 1;
  }
  std::vector<std::uint8_t> jpeg;
  vcl::jpeg::JpegError error;
  if (!vcl::jpeg::EncodeJpeg(image, quality, false, &jpeg, &error)) {
    std::cerr << argv[1] << ": " << error.message << "\n";
    return 1;
  }
  if (!WriteFileAtomically(argv[2], std::string_view(reinterpret_cast<const char*>(jpeg.data()), jpeg.size())))
    return 1;
  return 0;
}
