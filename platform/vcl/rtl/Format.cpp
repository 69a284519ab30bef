#include "platform/vcl/rtl/Format.h"

#include <cctype>
#include <cstdio>

#include "platform/vcl/rtl/Exceptions.h"
#include "platform/vcl/rtl/FloatText.h"

namespace {

using vcl::rtl::FloatStyle;
using vcl::rtl::FloatToText;

class Formatter {
 public:
  Formatter(const std::string& fmt, const TVarRec* args, std::size_t count) : FFmt(fmt), FArgs(args), FCount(count) {}

  std::string Run() {
    std::string out;
    std::size_t i = 0;
    while (i < FFmt.size()) {
      char c = FFmt[i++];
      if (c != '%') {
        out += c;
        continue;
      }
      if (i >= FFmt.size()) Fail();
      if (FFmt[i] == '%') {
        out += '%';
        ++i;
        continue;
      }
      out += Spec(i);
    }
    return out;
  }

 private:
  [[noreturn]] void Fail() const { throw EConvertError("Format '" + FFmt + "' invalid or incompatible with argument"); }

  const TVarRec& Next() {
    if (FNext >= FCount) Fail();
    return FArgs[FNext++];
  }

  // Digits or "*" (an integer argument); -1 when neither is present.
  int Number(std::size_t& i) {
    if (i < FFmt.size() && FFmt[i] == '*') {
      ++i;
      const TVarRec& a = Next();
      if (!a.IsInteger()) Fail();
      return static_cast<int>(a.AsInt64());
    }
    if (i >= FFmt.size() || !std::isdigit(static_cast<unsigned char>(FFmt[i]))) return -1;
    long n = 0;
    while (i < FFmt.size() && std::isdigit(static_cast<unsigned char>(FFmt[i]))) {
      n = n * 10 + (FFmt[i++] - '0');
      if (n > 100000) Fail();
    }
    return static_cast<int>(n);
  }

  std::string Spec(std::size_t& i) {
    bool left = false;
    int width = -1;
    int precision = -1;
    // An index "n:" (or "*:") sets which argument comes next.
    std::size_t j = i;
    while (j < FFmt.size() && std::isdigit(static_cast<unsigned char>(FFmt[j]))) ++j;
    if (j == i && j < FFmt.size() && FFmt[j] == '*') ++j;
    if (j > i && j < FFmt.size() && FFmt[j] == ':') {
      int index = Number(i);
      if (index < 0) Fail();
      FNext = static_cast<std::size_t>(index);
      i = j + 1;
    }
    if (i < FFmt.size() && FFmt[i] == '-') {
      left = true;
      ++i;
    }
    width = Number(i);
    if (i < FFmt.size() && FFmt[i] == '.') {
      ++i;
      precision = Number(i);
      if (precision < 0) precision = 0;
    }
    if (i >= FFmt.size()) Fail();
    char type = static_cast<char>(std::tolower(static_cast<unsigned char>(FFmt[i++])));
    std::string text = Convert(type, precision);
    if (width > static_cast<int>(text.size())) {
      std::string pad(width - text.size(), ' ');
      text = left ? text + pad : pad + text;
    }
    return text;
  }

  std::string Convert(char type, int precision) {
    const TVarRec& a = Next();
    switch (type) {
      case 'd': {
        if (!a.IsInteger()) Fail();
        std::int64_t v = a.AsInt64();
        std::string digits = v < 0 ? std::to_string(-static_cast<std::uint64_t>(v)) : std::to_string(v);
        if (precision > static_cast<int>(digits.size())) digits.insert(0, precision - digits.size(), '0');
        return v < 0 ? "-" + digits : digits;
      }
      case 'u': {
        if (!a.IsInteger()) Fail();
        std::string digits = std::to_string(Unsigned(a));
        if (precision > static_cast<int>(digits.size())) digits.insert(0, precision - digits.size(), '0');
        return digits;
      }
      case 'x': {
        if (!a.IsInteger()) Fail();
        return Hex(Unsigned(a), precision);
      }
      case 'p': {
        if (a.VType() != TVarRec::vtPointer) Fail();
        return Hex(reinterpret_cast<std::uintptr_t>(a.AsPointer()), 2 * static_cast<int>(sizeof(void*)));
      }
      case 's': {
        std::string s;
        if (a.VType() == TVarRec::vtString)
          s = a.AsString();
        else if (a.VType() == TVarRec::vtChar)
          s = std::string(1, a.AsChar());
        else
          Fail();
        if (precision >= 0 && precision < static_cast<int>(s.size())) s.resize(precision);
        return s;
      }
      case 'e': return FloatToText(Float(a), FloatStyle::Exponent, precision < 0 ? 15 : precision);
      case 'f': return FloatToText(Float(a), FloatStyle::Fixed, precision < 0 ? 2 : precision);
      case 'g': return FloatToText(Float(a), FloatStyle::General, precision < 0 ? 15 : precision);
      case 'n': return FloatToText(Float(a), FloatStyle::Number, precision < 0 ? 2 : precision);
      case 'm': return FloatToText(Float(a), FloatStyle::Currency, precision < 0 ? 2 : precision);
      default: Fail();
    }
  }

  double Float(const TVarRec& a) const {
    if (a.VType() != TVarRec::vtExtended) Fail();
    return a.AsFloat();
  }

  // A 32-bit argument shows its 32-bit two's complement, a wider one its 64 bits.
  static std::uint64_t Unsigned(const TVarRec& a) {
    if (a.VType() == TVarRec::vtInteger) return static_cast<std::uint32_t>(a.AsInt64());
    return static_cast<std::uint64_t>(a.AsInt64());
  }

  static std::string Hex(std::uint64_t v, int precision) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%llX", static_cast<unsigned long long>(v));
    std::string digits(buf);
    if (precision > static_cast<int>(digits.size())) digits.insert(0, precision - digits.size(), '0');
    return digits;
  }

  const std::string& FFmt;
  const TVarRec* FArgs;
  std::size_t FCount;
  std::size_t FNext = 0;
};

}  // namespace

std::string Format(const std::string& fmt, const TVarRec* args, std::size_t count) {
  return Formatter(fmt, args, count).Run();
}

std::string Format(const std::string& fmt, std::initializer_list<TVarRec> args) {
  return Format(fmt, args.begin(), args.size());
}

std::string Format(const std::string& fmt, const std::vector<TVarRec>& args) {
  return Format(fmt, args.data(), args.size());
}
