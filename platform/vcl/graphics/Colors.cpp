#include "platform/vcl/graphics/Colors.h"

#include <cstdint>
#include <cstdio>
#include <iterator>

#include "platform/vcl/SysUtils.h"
#include "platform/vcl/classes/typeinfo/IntegerIdents.h"
#include "platform/win/winuser_draw.h"

namespace {

struct NamedColor {
  TColor value;
  const char* name;
};

// The standard sixteen, the four extras, then the system colours by name.
constexpr NamedColor kColors[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"},
    {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"},
    {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"},
    {clMenu, "clMenu"},
    {clMenuBar, "clMenuBar"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuText, "clMenuText"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
};

}  // namespace

COLORREF ColorToRGB(TColor color) {
  if (color < 0) return GetSysColor(color & 0xFF);
  return static_cast<COLORREF>(color);
}

bool ColorToIdent(TColor color, std::string& ident) {
  for (const NamedColor& c : kColors)
    if (c.value == color) {
      ident = c.name;
      return true;
    }
  return false;
}

bool IdentToColor(const std::string& ident, TColor& color) {
  for (const NamedColor& c : kColors)
    if (SameText(ident, c.name)) {
      color = c.value;
      return true;
    }
  return false;
}

std::string ColorToString(TColor color) {
  std::string name;
  if (ColorToIdent(color, name)) return name;
  char text[16];
  std::snprintf(text, sizeof text, "$%.8X", static_cast<unsigned>(color));
  return text;
}

TColor StringToColor(const std::string& s) {
  TColor color = 0;
  if (IdentToColor(s, color)) return color;
  // Hex values above $7FFFFFFF (system colours) wrap as the library's do.
  std::int64_t value = 0;
  if (TryStrToInt64(s, value) && value >= INT32_MIN && value <= static_cast<std::int64_t>(UINT32_MAX))
    return static_cast<TColor>(static_cast<std::uint32_t>(value));
  return static_cast<TColor>(StrToInt(s));
}

void GetColorValues(const TGetStrProc& proc) {
  for (const NamedColor& c : kColors) proc(c.name);
}

void RegisterColorIdents() {
  RegisterIntegerConsts(
      "TColor",
      [](const std::string& ident, std::int64_t& value) {
        TColor color = 0;
        if (!IdentToColor(ident, color)) return false;
        value = color;
        return true;
      },
      [](std::int64_t value, std::string& ident) { return ColorToIdent(static_cast<TColor>(value), ident); });
}
