// The bitmap controls' tests run on the styled tests' fixture: the headless
// host, a manual clock, the class library's application and 32-bit sheets.
#pragma once

#include "platform/vcl/Controls.h"
#include "styled/shared/fixture.h"

namespace bmptest {

using BmpTest = styledtest::StyledProcs;
using styledtest::Rgb;
using styledtest::Sheet;

}  // namespace bmptest
