// The 10-byte x87 extended real of the binary form format, converted to and
// from double (values beyond double's range or precision are rounded).
#pragma once

#include <cstdint>

namespace vcl::streaming {

void DoubleToExtended(double value, std::uint8_t out[10]);
double ExtendedToDouble(const std::uint8_t in[10]);

}  // namespace vcl::streaming
