// Currency values as form streams hold them: a 64-bit integer counting
// ten-thousandths. Their text is read and written exactly, never through a
// double, which would lose the last digits of large amounts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vcl::streaming {

// A decimal number ("-12.3456", "1.5E3") as ten-thousandths, rounded half away
// from zero at the fifth decimal; nothing when it is malformed or does not fit.
std::optional<std::int64_t> ParseCurrencyText(std::string_view text);
// The shortest decimal for the value, always with a point ("2.0", "-0.0001").
std::string CurrencyText(std::int64_t tenThousandths);

}  // namespace vcl::streaming
