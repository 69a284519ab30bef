#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "GraphicsTestSupport.h"

using namespace graphics_test;

TEST(Font, DefaultsAreTheLibrarys) {
  TFont font;
  EXPECT_EQ(font.GetName(), "MS Sans Serif");
  EXPECT_EQ(font.GetSize(), 8);
  EXPECT_EQ(font.GetHeight(), -11);
  EXPECT_EQ(font.GetColor(), clWindowText);
  EXPECT_TRUE(font.GetStyle().Empty());
  EXPECT_EQ(font.GetCharset(), DEFAULT_CHARSET);
  EXPECT_EQ(font.GetPitch(), fpDefault);
}

TEST(Font, SizeAndHeightFollowEachOther) {
  struct Case {
    int size;
    int height;
  } cases[] = {{8, -11}, {9, -12}, {10, -13}, {12, -16}, {24, -32}, {-12, 16}};
  for (const Case& c : cases) {
    TFont font;
    font.SetSize(c.size);
    EXPECT_EQ(font.GetHeight(), c.height) << c.size;
    TFont other;
    other.SetHeight(c.height);
    EXPECT_EQ(other.GetSize(), c.size) << c.height;
  }
  TFont font;
  font.SetPixelsPerInch(120);
  font.SetSize(12);
  EXPECT_EQ(font.GetHeight(), -20);
}

TEST(Font, OnChangeFiresOncePerRealChange) {
  TFont font;
  int changes = 0;
  font.OnChange = [&](TObject*) { ++changes; };
  font.SetName("Arial");
  font.SetName("Arial");
  font.SetStyle({fsBold});
  font.SetStyle({fsBold});
  font.SetColor(clRed);
  font.SetSize(8);  // unchanged height
  EXPECT_EQ(changes, 3);
}

TEST(Font, HandleFollowsTheSettingsAndAdoptsAForeignFont) {
  TFont font;
  font.SetName("Courier New");
  font.SetHeight(-20);
  font.SetStyle({fsItalic, fsUnderline});
  LOGFONTA lf{};
  ASSERT_EQ(GetObjectA(font.GetHandle(), sizeof lf, &lf), static_cast<int>(sizeof lf));
  EXPECT_STREQ(lf.lfFaceName, "Courier New");
  EXPECT_EQ(lf.lfHeight, -20);
  EXPECT_EQ(lf.lfWeight, FW_NORMAL);
  EXPECT_TRUE(lf.lfItalic);
  EXPECT_TRUE(lf.lfUnderline);

  LOGFONTA foreign{};
  foreign.lfHeight = -15;
  foreign.lfWeight = FW_BOLD;
  foreign.lfStrikeOut = 1;
  foreign.lfCharSet = SYMBOL_CHARSET;
  foreign.lfPitchAndFamily = FIXED_PITCH;
  std::strcpy(foreign.lfFaceName, "Tahoma");
  HFONT handle = CreateFontIndirectA(&foreign);
  font.SetHandle(handle);
  EXPECT_EQ(font.GetHandle(), handle);
  EXPECT_EQ(font.GetName(), "Tahoma");
  EXPECT_EQ(font.GetHeight(), -15);
  EXPECT_EQ(font.GetStyle(), (TFontStyles{fsBold, fsStrikeOut}));
  EXPECT_EQ(font.GetCharset(), SYMBOL_CHARSET);
  EXPECT_EQ(font.GetPitch(), fpFixed);
}

TEST(Font, AssignCopiesEverySetting) {
  TFont a, b;
  a.SetName("Arial");
  a.SetSize(14);
  a.SetStyle({fsBold});
  a.SetColor(clNavy);
  a.SetCharset(ANSI_CHARSET);
  a.SetPitch(fpVariable);
  b.Assign(&a);
  EXPECT_EQ(b.GetName(), "Arial");
  EXPECT_EQ(b.GetSize(), 14);
  EXPECT_EQ(b.GetStyle(), TFontStyles{fsBold});
  EXPECT_EQ(b.GetColor(), clNavy);
  EXPECT_EQ(b.GetCharset(), ANSI_CHARSET);
  EXPECT_EQ(b.GetPitch(), fpVariable);
  TPen pen;
  EXPECT_THROW(b.Assign(&pen), EConvertError);
}

TEST(Font, AChangedFontIsSelectedAgainBeforeTheNextText) {
  TBitmap bitmap;
  Fill(bitmap, 60, 30, clWhite);
  TCanvas* canvas = bitmap.GetCanvas();
  canvas->GetFont()->SetColor(clBlack);
  canvas->TextOut(2, 2, "Hg");
  std::vector<TColor> first = Pixels(bitmap);
  auto black = std::count(first.begin(), first.end(), clBlack);
  ASSERT_GT(black, 0);

  canvas->GetFont()->SetColor(clRed);
  canvas->TextOut(2, 2, "Hg");
  std::vector<TColor> second = Pixels(bitmap);
  EXPECT_EQ(std::count(second.begin(), second.end(), clBlack), 0);
  EXPECT_EQ(std::count(second.begin(), second.end(), clRed), black);

  // A bigger font draws more ink, so the new handle is in use too.
  canvas->GetFont()->SetSize(16);
  canvas->TextOut(2, 2, "Hg");
  std::vector<TColor> third = Pixels(bitmap);
  EXPECT_GT(std::count(third.begin(), third.end(), clRed), black);
}

TEST(Font, StreamsByNameInAForm) {
  TGraphicsHolder holder(nullptr);
  holder.GetFont()->SetColor(clRed);
  holder.GetFont()->SetStyle({fsBold, fsItalic});
  holder.GetFont()->SetName("Arial");
  holder.GetPen()->SetWidth(3);
  holder.GetBrush()->SetStyle(bsCross);
  std::string text = AsText(holder);
  for (const char* line :
       {"Font.Charset = DEFAULT_CHARSET", "Font.Color = clRed", "Font.Height = -11", "Font.Name = 'Arial'",
        "Font.Style = [fsBold, fsItalic]", "Pen.Width = 3", "Brush.Style = bsCross"})
    EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
  EXPECT_EQ(text.find("Font.Size"), std::string::npos);
  EXPECT_EQ(text.find("Pen.Color"), std::string::npos);  // the default

  TMemoryStream binary;
  WriteBinary(holder, binary);
  TGraphicsHolder copy(nullptr);
  ReadBack(binary, copy);
  EXPECT_EQ(copy.GetFont()->GetColor(), clRed);
  EXPECT_EQ(copy.GetFont()->GetStyle(), (TFontStyles{fsBold, fsItalic}));
  EXPECT_EQ(copy.GetFont()->GetName(), "Arial");
  EXPECT_EQ(copy.GetPen()->GetWidth(), 3);
  EXPECT_EQ(copy.GetBrush()->GetStyle(), bsCross);
}
