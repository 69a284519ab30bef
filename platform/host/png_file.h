// PNG files of window pixels, for screenshots and for tests that compare them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/host/host.h"

namespace host {

// Writes the surface as an 8-bit RGB PNG (the unused top byte is dropped).
bool WritePng(const std::string& path, const Surface& surface);

// Reads any PNG into 0x00RRGGBB pixels, rows top-down, stride == width.
// Transparent pixels are composed onto black.
bool ReadPng(const std::string& path, int& width, int& height, std::vector<std::uint32_t>& pixels);

}  // namespace host
