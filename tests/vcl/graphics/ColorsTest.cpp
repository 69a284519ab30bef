#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/vcl/Graphics.h"
#include "platform/vcl/SysUtils.h"
#include "platform/vcl/classes/typeinfo/IntegerIdents.h"
#include "platform/win/winuser_draw.h"

TEST(Colors, NamesAndHexRoundTrip) {
  struct Case {
    TColor color;
    const char* text;
  } cases[] = {
      {clBlack, "clBlack"},
      {clRed, "clRed"},
      {clWhite, "clWhite"},
      {clCream, "clCream"},
      {clBtnFace, "clBtnFace"},
      {cl3DDkShadow, "cl3DDkShadow"},
      {clGradientActiveCaption, "clGradientActiveCaption"},
      {clNone, "clNone"},
      {clDefault, "clDefault"},
      {0x123456, "$00123456"},
      {0x0000FE, "$000000FE"},
      {static_cast<TColor>(0x80000040), "$80000040"},  // not a known system colour
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ColorToString(c.color), c.text);
    EXPECT_EQ(StringToColor(c.text), c.color) << c.text;
  }
}

TEST(Colors, StringToColorTakesAnyCaseAndDecimalAndRefusesTheRest) {
  EXPECT_EQ(StringToColor("CLRED"), clRed);
  EXPECT_EQ(StringToColor("255"), clRed);
  EXPECT_EQ(StringToColor("$FF0000"), clBlue);
  EXPECT_EQ(StringToColor("-2147483633"), clBtnFace);  // the same bits as $8000000F
  EXPECT_EQ(StringToColor("$8000000F"), clBtnFace);
  for (const char* bad : {"", "clNoSuchColour", "$XYZ", "12abc"})
    EXPECT_THROW(StringToColor(bad), EConvertError) << bad;
}

TEST(Colors, AliasesShareTheFirstName) {
  // clLtGray and clDkGray are the values of clSilver and clGray.
  EXPECT_EQ(ColorToString(clLtGray), "clSilver");
  EXPECT_EQ(ColorToString(clDkGray), "clGray");
}

TEST(Colors, ColorToRGBLooksUpSystemColoursAndPassesTheRest) {
  for (int index : {COLOR_SCROLLBAR, COLOR_BTNFACE, COLOR_WINDOW, COLOR_HIGHLIGHT, COLOR_INFOBK, COLOR_MENUBAR})
    EXPECT_EQ(ColorToRGB(SystemColor(index)), GetSysColor(index)) << index;
  EXPECT_EQ(ColorToRGB(clRed), 0x0000FFu);
  EXPECT_EQ(ColorToRGB(clNone), 0x1FFFFFFFu);
}

TEST(Colors, GetColorValuesWalksTheTableInOrder) {
  std::vector<std::string> names;
  GetColorValues([&](const std::string& s) { names.push_back(s); });
  ASSERT_GE(names.size(), 20u);
  const char* first[] = {"clBlack",  "clMaroon", "clGreen", "clOlive",  "clNavy", "clPurple",  "clTeal", "clGray",
                         "clSilver", "clRed",    "clLime",  "clYellow", "clBlue", "clFuchsia", "clAqua", "clWhite"};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(names[i], first[i]);
  // Every name converts to a colour and back to the same name.
  for (const std::string& name : names) EXPECT_EQ(ColorToString(StringToColor(name)), name);
  EXPECT_NE(std::find(names.begin(), names.end(), "clNone"), names.end());
  EXPECT_NE(std::find(names.begin(), names.end(), "clBtnFace"), names.end());
}

TEST(Colors, StreamsUseTheColourNamesOnceRegistered) {
  RegisterGraphicsIdents();
  std::int64_t value = 0;
  ASSERT_TRUE(IdentToIntegerConst("TColor", "clBtnFace", value));
  EXPECT_EQ(static_cast<TColor>(value), clBtnFace);
  std::string ident;
  ASSERT_TRUE(IntegerConstToIdent("TColor", clTeal, ident));
  EXPECT_EQ(ident, "clTeal");
  EXPECT_FALSE(IntegerConstToIdent("TColor", 0x123456, ident));
  ASSERT_TRUE(IdentToIntegerConst("TFontCharset", "DEFAULT_CHARSET", value));
  EXPECT_EQ(value, DEFAULT_CHARSET);
}
