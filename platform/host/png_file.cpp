#include "platform/host/png_file.h"

#include <png.h>

#include <cstring>

namespace host {

bool WritePng(const std::string& path, const Surface& surface) {
  if (!surface.pixels || surface.width <= 0 || surface.height <= 0) return false;
  std::vector<png_byte> rgb(static_cast<size_t>(surface.width) * surface.height * 3);
  png_byte* out = rgb.data();
  for (int y = 0; y < surface.height; ++y) {
    const std::uint32_t* row = surface.pixels + static_cast<size_t>(y) * surface.stride;
    for (int x = 0; x < surface.width; ++x) {
      const std::uint32_t p = row[x];
      *out++ = static_cast<png_byte>(p >> 16);
      *out++ = static_cast<png_byte>(p >> 8);
      *out++ = static_cast<png_byte>(p);
    }
  }
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(surface.width);
  image.height = static_cast<png_uint_32>(surface.height);
  image.format = PNG_FORMAT_RGB;
  const bool ok = png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
  png_image_free(&image);
  return ok;
}

bool ReadPng(const std::string& path, int& width, int& height, std::vector<std::uint32_t>& pixels) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
  png_color black{0, 0, 0};
  if (!png_image_finish_read(&image, &black, rgb.data(), 0, nullptr)) {
    png_image_free(&image);
    return false;
  }
  width = static_cast<int>(image.width);
  height = static_cast<int>(image.height);
  pixels.resize(static_cast<size_t>(width) * height);
  const png_byte* in = rgb.data();
  for (auto& p : pixels) {
    p = (std::uint32_t{in[0]} << 16) | (std::uint32_t{in[1]} << 8) | in[2];
    in += 3;
  }
  png_image_free(&image);
  return true;
}

}  // namespace host
