#include "platform/vcl/graphics/GraphicsUnit.h"

#include <cstdint>
#include <string>

#include "platform/vcl/SysUtils.h"
#include "platform/vcl/classes/typeinfo/IntegerIdents.h"
#include "platform/vcl/graphics/Colors.h"
#include "platform/win/wingdi_font.h"

namespace {

struct CharsetName {
  int value;
  const char* name;
};

constexpr CharsetName kCharsets[] = {
    {ANSI_CHARSET, "ANSI_CHARSET"},         {DEFAULT_CHARSET, "DEFAULT_CHARSET"},
    {SYMBOL_CHARSET, "SYMBOL_CHARSET"},     {MAC_CHARSET, "MAC_CHARSET"},
    {SHIFTJIS_CHARSET, "SHIFTJIS_CHARSET"}, {HANGUL_CHARSET, "HANGUL_CHARSET"},
    {GB2312_CHARSET, "GB2312_CHARSET"},     {CHINESEBIG5_CHARSET, "CHINESEBIG5_CHARSET"},
    {GREEK_CHARSET, "GREEK_CHARSET"},       {TURKISH_CHARSET, "TURKISH_CHARSET"},
    {HEBREW_CHARSET, "HEBREW_CHARSET"},     {ARABIC_CHARSET, "ARABIC_CHARSET"},
    {BALTIC_CHARSET, "BALTIC_CHARSET"},     {RUSSIAN_CHARSET, "RUSSIAN_CHARSET"},
    {THAI_CHARSET, "THAI_CHARSET"},         {EASTEUROPE_CHARSET, "EASTEUROPE_CHARSET"},
    {OEM_CHARSET, "OEM_CHARSET"},
};

}  // namespace

void RegisterGraphicsIdents() {
  RegisterColorIdents();
  RegisterIntegerConsts(
      "TFontCharset",
      [](const std::string& ident, std::int64_t& value) {
        for (const CharsetName& c : kCharsets)
          if (SameText(ident, c.name)) {
            value = c.value;
            return true;
          }
        return false;
      },
      [](std::int64_t value, std::string& ident) {
        for (const CharsetName& c : kCharsets)
          if (c.value == value) {
            ident = c.name;
            return true;
          }
        return false;
      });
}

void UnRegisterGraphicsIdents() {
  UnRegisterIntegerConsts("TColor");
  UnRegisterIntegerConsts("TFontCharset");
}
