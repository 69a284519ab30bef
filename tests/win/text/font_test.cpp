#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/win/text/face_resolver.h"
#include "platform/win/text/font.h"
#include "text_canvas.h"

namespace {

using text_test::Extent;
using text_test::TextCanvas;

LOGFONTA Logical(const char* face, int height, BYTE pitchAndFamily = DEFAULT_PITCH) {
  LOGFONTA lf{};
  lf.lfHeight = height;
  lf.lfWeight = FW_NORMAL;
  lf.lfPitchAndFamily = pitchAndFamily;
  std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
  return lf;
}

struct FaceCase {
  const char* face;
  BYTE pitchAndFamily;
  const char* family;
};

TEST(FontResolution, WindowsFacesMapToInstalledFamilies) {
  const FaceCase cases[] = {
      {"Arial", DEFAULT_PITCH, "Liberation Sans"},
      {"ms sans serif", DEFAULT_PITCH, "Liberation Sans"},
      {"MS Shell Dlg 2", DEFAULT_PITCH, "Liberation Sans"},
      {"Tahoma", DEFAULT_PITCH, "Liberation Sans"},
      {"Courier New", DEFAULT_PITCH, "Liberation Mono"},
      {"Fixedsys", DEFAULT_PITCH, "Liberation Mono"},
      {"Times New Roman", DEFAULT_PITCH, "Liberation Serif"},
      // Not in the table: fontconfig finds the installed family itself.
      {"DejaVu Serif", DEFAULT_PITCH, "DejaVu Serif"},
      // Unknown names fall back by pitch and family, else to the last resort.
      {"No Such Face 42", DEFAULT_PITCH, "DejaVu Sans"},
      {"No Such Face 42", FIXED_PITCH | FF_MODERN, "Liberation Mono"},
      {"No Such Face 42", VARIABLE_PITCH | FF_ROMAN, "Liberation Serif"},
      {"", DEFAULT_PITCH, "Liberation Sans"},
  };
  for (const FaceCase& c : cases) {
    auto font = win::text::Font::Create(Logical(c.face, -11, c.pitchAndFamily));
    ASSERT_NE(font, nullptr) << c.face;
    EXPECT_EQ(font->Resolved().family, c.family) << c.face;
    EXPECT_EQ(font->FaceName(), c.face) << "GetTextFaceA reports the requested name";
  }
}

TEST(FontResolution, BoldAndItalicPickTheStyledFiles) {
  LOGFONTA lf = Logical("Arial", -11);
  lf.lfWeight = FW_BOLD;
  lf.lfItalic = TRUE;
  auto font = win::text::Font::Create(lf);
  ASSERT_NE(font, nullptr);
  EXPECT_TRUE(font->Resolved().isBold);
  EXPECT_TRUE(font->Resolved().isItalic);
  EXPECT_NE(font->Resolved().file.find("BoldItalic"), std::string::npos) << font->Resolved().file;
}

TEST(FontMetrics, ArialAtDialogSizeLooksLikeWindows) {
  TextCanvas canvas(10, 10);
  canvas.UseFont("Arial", -11);
  TEXTMETRICA tm{};
  ASSERT_TRUE(GetTextMetricsA(canvas.dc(), &tm));
  EXPECT_GE(tm.tmHeight, 12);
  EXPECT_LE(tm.tmHeight, 15);
  EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
  EXPECT_EQ(tm.tmInternalLeading, tm.tmHeight - 11);
  EXPECT_GE(tm.tmAveCharWidth, 4);
  EXPECT_LE(tm.tmAveCharWidth, 6);
  EXPECT_GT(tm.tmMaxCharWidth, tm.tmAveCharWidth);
  EXPECT_EQ(tm.tmWeight, FW_NORMAL);
  EXPECT_TRUE(tm.tmPitchAndFamily & TMPF_TRUETYPE);
  EXPECT_TRUE(tm.tmPitchAndFamily & TMPF_VECTOR);
  // Set for variable pitch: the bit's meaning is inverted.
  EXPECT_TRUE(tm.tmPitchAndFamily & TMPF_FIXED_PITCH);

  canvas.UseFont("Courier New", -12);
  ASSERT_TRUE(GetTextMetricsA(canvas.dc(), &tm));
  EXPECT_FALSE(tm.tmPitchAndFamily & TMPF_FIXED_PITCH);
  EXPECT_EQ(Extent(canvas.dc(), "iiii").cx, Extent(canvas.dc(), "WWWW").cx);
}

TEST(FontMetrics, HeightSignSelectsCellOrEmSize) {
  TextCanvas canvas(10, 10);
  for (int cell : {13, 16, 20, 33}) {
    canvas.UseFont("Arial", cell);
    TEXTMETRICA tm{};
    ASSERT_TRUE(GetTextMetricsA(canvas.dc(), &tm));
    EXPECT_EQ(tm.tmHeight, cell);
    EXPECT_EQ(tm.tmAscent + tm.tmDescent, cell);
  }
  // Negative: the em size; the cell is larger by the internal leading.
  canvas.UseFont("Arial", -20);
  TEXTMETRICA em{};
  ASSERT_TRUE(GetTextMetricsA(canvas.dc(), &em));
  EXPECT_EQ(em.tmHeight - em.tmInternalLeading, 20);
  EXPECT_GT(em.tmInternalLeading, 0);
  // Zero: a default size, the dialog font's.
  canvas.UseFont("Arial", 0);
  TEXTMETRICA zero{};
  ASSERT_TRUE(GetTextMetricsA(canvas.dc(), &zero));
  EXPECT_EQ(zero.tmHeight - zero.tmInternalLeading, win::text::kDefaultEmPixels);
}

TEST(FontMetrics, WeightAndStyleFlagsAreReported) {
  TextCanvas canvas(10, 10);
  canvas.UseFont("Arial", -11);
  const LONG regular = Extent(canvas.dc(), "Bold text").cx;
  HFONT bold = CreateFontA(-11, 0, 0, 0, FW_BOLD, TRUE, TRUE, TRUE, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
  HGDIOBJ old = SelectObject(canvas.dc(), bold);
  TEXTMETRICA tm{};
  ASSERT_TRUE(GetTextMetricsA(canvas.dc(), &tm));
  EXPECT_EQ(tm.tmWeight, FW_BOLD);
  EXPECT_EQ(tm.tmItalic, 255);
  EXPECT_EQ(tm.tmUnderlined, 255);
  EXPECT_EQ(tm.tmStruckOut, 255);
  EXPECT_GT(Extent(canvas.dc(), "Bold text").cx, regular);
  SelectObject(canvas.dc(), old);
  DeleteObject(bold);
}

// How dark the stem of an "l" is across its middle row: the sum of its
// pixels' coverage, so one- and eight-bit renderings compare alike.
int StemDarkness(const char* face, int height, int weight) {
  TextCanvas canvas(20, 40);
  canvas.UseFont(face, height, weight);
  TextOutA(canvas.dc(), 4, 2, "l", 1);
  const RECT ink = canvas.InkBox();
  const int row = (ink.top + ink.bottom) / 2;
  int darkness = 0;
  for (int x = 0; x < canvas.width(); ++x) darkness += 255 - static_cast<int>(canvas.At(x, row) & 0xFF);
  return darkness;
}

// Bold text must read as bold: at small one-bit sizes the bold face's own
// hinting can leave its stems as thin as the regular face's.
TEST(FontRendering, BoldStemsAreHeavierThanRegularOnes) {
  const struct {
    const char* face;
    int height;
  } cases[] = {{"Tahoma", -8}, {"Tahoma", -11}, {"MS Sans Serif", -11}, {"Arial", -13}, {"Arial", -20}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.face << " " << c.height);
    const int regular = StemDarkness(c.face, c.height, FW_NORMAL);
    ASSERT_GT(regular, 0);
    EXPECT_GE(StemDarkness(c.face, c.height, FW_BOLD) * 10, regular * 14);
  }
}

TEST(FontObject, GetObjectReturnsTheLogicalFontAndTheFaceIsTheRequestedOne) {
  LOGFONTA lf = Logical("Tahoma", -13);
  lf.lfEscapement = 450;
  lf.lfItalic = TRUE;
  HFONT font = CreateFontIndirectA(&lf);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(GetObjectA(font, 0, nullptr), static_cast<int>(sizeof(LOGFONTA)));
  LOGFONTA back{};
  ASSERT_EQ(GetObjectA(font, sizeof back, &back), static_cast<int>(sizeof(LOGFONTA)));
  EXPECT_EQ(std::memcmp(&back, &lf, sizeof lf), 0);
  EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));

  TextCanvas canvas(10, 10);
  HGDIOBJ old = SelectObject(canvas.dc(), font);
  char name[LF_FACESIZE] = {};
  EXPECT_EQ(GetTextFaceA(canvas.dc(), sizeof name, name), 7);
  EXPECT_STREQ(name, "Tahoma");
  char small[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(GetTextFaceA(canvas.dc(), sizeof small, small), 4);
  EXPECT_STREQ(small, "Tah");
  SelectObject(canvas.dc(), old);
  EXPECT_TRUE(DeleteObject(font));
}

TEST(FontObject, StockFontsExistAndSurviveDeletion) {
  const int indexes[] = {SYSTEM_FONT,    DEFAULT_GUI_FONT,  ANSI_VAR_FONT,      ANSI_FIXED_FONT,
                         OEM_FIXED_FONT, SYSTEM_FIXED_FONT, DEVICE_DEFAULT_FONT};
  TextCanvas canvas(10, 10);
  for (int index : indexes) {
    HGDIOBJ font = GetStockObject(index);
    ASSERT_NE(font, nullptr) << index;
    EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT)) << index;
    DeleteObject(font);
    EXPECT_EQ(GetStockObject(index), font);
    LOGFONTA lf{};
    EXPECT_EQ(GetObjectA(font, sizeof lf, &lf), static_cast<int>(sizeof lf)) << index;
    HGDIOBJ old = SelectObject(canvas.dc(), font);
    TEXTMETRICA tm{};
    ASSERT_TRUE(GetTextMetricsA(canvas.dc(), &tm));
    const bool fixed = index == ANSI_FIXED_FONT || index == OEM_FIXED_FONT || index == SYSTEM_FIXED_FONT;
    EXPECT_EQ((tm.tmPitchAndFamily & TMPF_FIXED_PITCH) == 0, fixed) << index;
    SelectObject(canvas.dc(), old);
  }
  HGDIOBJ gui = GetStockObject(DEFAULT_GUI_FONT);
  LOGFONTA lf{};
  GetObjectA(gui, sizeof lf, &lf);
  EXPECT_STREQ(lf.lfFaceName, "MS Shell Dlg");
  EXPECT_EQ(lf.lfHeight, -11);
  HGDIOBJ system = GetStockObject(SYSTEM_FONT);
  HGDIOBJ old = SelectObject(canvas.dc(), system);
  TEXTMETRICA tm{};
  GetTextMetricsA(canvas.dc(), &tm);
  EXPECT_EQ(tm.tmHeight, 16);
  EXPECT_EQ(tm.tmWeight, FW_BOLD);
  SelectObject(canvas.dc(), old);
}

}  // namespace
