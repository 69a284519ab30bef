// Four step-cell faces as the step grid uses them, for the image controls'
// tests and the pictures of the main window's controls.
#pragma once

#include <memory>

#include "controls/styled/stycont.h"

namespace styledtest {

// 0 off, 1 on, 2 the forcing face, 3 a modified note; each width x height
// with its corners in the key colour.
constexpr TColor kKey = 0xFF00FF;
constexpr TColor kFaces[4] = {0x603010, 0xF0D040, 0x808080, 0x2080F0};

std::unique_ptr<TStyBitmapList> MakeFaces(int width = 15, int height = 11);

}  // namespace styledtest
