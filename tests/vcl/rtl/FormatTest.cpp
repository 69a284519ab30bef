#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/vcl/rtl/Exceptions.h"
#include "platform/vcl/rtl/Format.h"

namespace {

struct FormatCase {
  const char* format;
  std::vector<TVarRec> args;
  const char* expected;
};

TEST(Format, SpecifiersProduceTheLibrarysText) {
  const std::string name = "kit";
  const std::vector<FormatCase> cases = {
      {"%d of %s", {3, name}, "3 of kit"},
      {"[%5d][%-5d]", {42, 42}, "[   42][42   ]"},
      {"%.3d", {-5}, "-005"},
      {"%d", {std::int64_t{-9000000000}}, "-9000000000"},
      {"%u", {-1}, "4294967295"},
      {"%x %X %.4x", {255, 255, 255}, "FF FF 00FF"},
      {"%x", {-1}, "FFFFFFFF"},
      {"%s|%.2s|%6s", {"abc", "abc", "abc"}, "abc|ab|   abc"},
      {"%s", {'c'}, "c"},
      {"%n", {1234567.891}, "1,234,567.89"},
      {"%.0n", {1234567.5}, "1,234,568"},
      {"%.0n", {999.5}, "1,000"},
      {"%.0n", {-1234.0}, "-1,234"},
      {"%n", {0.004}, "0.00"},
      {"%.2f", {0.125}, "0.13"},  // decimal rounding, halves away from zero
      {"%.1f", {-0.04}, "0.0"},  // no sign on a value that rounds to zero
      {"%f", {2.0}, "2.00"},
      {"%e", {1234.5}, "1.23450000000000E+003"},
      {"%.3e", {-0.00012345}, "-1.23E-004"},
      {"%g|%g|%g", {1.5, 1e20, 0.00001}, "1.5|1E20|1E-5"},
      {"%m", {-1234.5}, "($1,234.50)"},
      {"%*d|%-*d|", {4, 7, 3, 7}, "   7|7  |"},
      {"%.*f", {1, 2.25}, "2.3"},
      {"%1:s %0:s %s", {"a", "b", "c"}, "b a b"},
      {"100%%", {}, "100%"},
      {"%p", {static_cast<const void*>(nullptr)}, "0000000000000000"},
  };
  for (const auto& c : cases) EXPECT_EQ(Format(c.format, c.args), c.expected) << c.format;
}

TEST(Format, MismatchedOrMalformedSpecifiersRaiseConvertError) {
  const std::vector<FormatCase> cases = {
      {"%d", {"text"}, nullptr}, {"%s", {5}, nullptr},   {"%f", {5}, nullptr}, {"%x", {1.5}, nullptr},
      {"%d %d", {1}, nullptr},   {"50%", {}, nullptr},   {"%y", {1}, nullptr}, {"%*d", {"w", 1}, nullptr},
      {"%p", {3}, nullptr},      {"%5:d", {1}, nullptr},
  };
  for (const auto& c : cases) {
    try {
      Format(c.format, c.args);
      ADD_FAILURE() << c.format << " did not raise";
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.GetMessage(), std::string("Format '") + c.format + "' invalid or incompatible with argument");
    }
  }
}

}  // namespace
