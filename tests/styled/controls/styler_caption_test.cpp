// TStyFormStyler on a shown headless form: the caption it paints over the
// system's (a black-to-caption-colour gradient with the text), the system's
// caption left alone where the styler stays inert, the window text it
// answers while it hides the form's caption, and a picture of a styled form.
#include <cstring>
#include <memory>
#include <string>

#include "controls/styled/stycont.h"
#include "controls/styled/styformA.h"
#include "controls/styled/stysysin.h"
#include "platform/win/windows.h"
#include "styled/shared/fixture.h"

namespace styledtest {
namespace {

// The options that make the styler paint on this system, which draws
// gradient captions of its own in true colour.
const TStyFormStyleOptions kPaintOptions{fsAdjustRect, fsUseDefaultFont, fsUseFormCaption};

class Styler : public StyledProcs {
 protected:
  void SetUp() override {
    StyledProcs::SetUp();
    form = new TForm(nullptr);
    form->SetBounds(40, 40, 320, 200);
    form->SetCaption("Tip of the Day");
    form->Show();
    Pump();
    wnd = form->GetHandle();
    WORD flags = cfExcludeButtons;
    GetCaptionRects(wnd, bar, text, flags);
  }
  void TearDown() override {
    delete form;
    StyledProcs::TearDown();
  }
  TStyFormStyler* AddStyler(TStyFormStyleOptions options, int colors = 32) {
    auto* s = new TStyFormStyler(form);
    s->SetColors(static_cast<TStyColorCount>(colors));
    s->SetOptions(options);
    s->Activate();
    Pump();
    return s;
  }
  // The window's own pixels, caption and frame included.
  TColor Pixel(int x, int y) {
    HDC dc = GetWindowDC(wnd);
    const TColor c = static_cast<TColor>(GetPixel(dc, x, y) & 0xFFFFFF);
    ReleaseDC(wnd, dc);
    return c;
  }
  // The caption bar's top row, above any text.
  std::vector<TColor> TopRow() {
    std::vector<TColor> row;
    for (int x = bar.Left; x < bar.Right; ++x) row.push_back(Pixel(x, bar.Top));
    return row;
  }
  int CountInText(TColor colour) {
    int n = 0;
    for (int y = text.Top; y < text.Bottom; ++y)
      for (int x = text.Left; x < text.Left + 80; ++x) n += Pixel(x, y) == colour;
    return n;
  }
  void SendActivation(bool active) {
    SendMessageA(wnd, WM_NCACTIVATE, active ? TRUE : FALSE, 0);
    Pump();
  }
  std::unique_ptr<Sheet> WindowShot() {
    RECT wr;
    GetWindowRect(wnd, &wr);
    auto sheet = std::make_unique<Sheet>(wr.right - wr.left, wr.bottom - wr.top);
    HDC dc = GetWindowDC(wnd);
    BitBlt(sheet->Canvas()->GetHandle(), 0, 0, wr.right - wr.left, wr.bottom - wr.top, dc, 0, 0, SRCCOPY);
    ReleaseDC(wnd, dc);
    return sheet;
  }

  TForm* form = nullptr;
  HWND wnd = nullptr;
  TRect bar, text;
};

TEST_F(Styler, PaintsTwoBandsAndTheTextOverTheSystemCaption) {
  SendActivation(true);
  const TColor active = Rgb(clActiveCaption);
  ASSERT_NE(active, 0);
  const int quarter = bar.Left + (bar.Right - bar.Left) / 4;
  const int threeQuarters = bar.Right - (bar.Right - bar.Left) / 4;
  EXPECT_EQ(Pixel(quarter, bar.Top), active) << "the system's own caption first";
  EXPECT_EQ(Pixel(threeQuarters, bar.Top), active);

  TStyFormStyler* styler = AddStyler(kPaintOptions, 2);
  ASSERT_TRUE(styler->GetHooked());
  EXPECT_TRUE(styler->GetActive());
  EXPECT_EQ(Pixel(quarter, bar.Top), 0) << "the first band is black";
  EXPECT_EQ(Pixel(threeQuarters, bar.Top), active) << "the second band is the caption colour";
  // Two bands make one colour change along the bar, past the icon.
  std::vector<TColor> row = TopRow();
  int changes = 0;
  for (size_t i = static_cast<size_t>(text.Left - bar.Left) + 1; i < row.size(); ++i) changes += row[i] != row[i - 1];
  EXPECT_EQ(changes, 1);
  EXPECT_GT(CountInText(Rgb(clCaptionText)), 10) << "the caption text is drawn over the bands";

  // The painting follows the next system repaint of the frame.
  SendMessageA(wnd, WM_NCPAINT, 1, 0);
  EXPECT_EQ(Pixel(quarter, bar.Top), 0);
}

TEST_F(Styler, ColorsMakeAGradientFromBlackUp) {
  SendActivation(true);
  AddStyler(kPaintOptions, 32);
  std::vector<TColor> row = TopRow();
  const size_t start = static_cast<size_t>(text.Left - bar.Left);
  EXPECT_LE(row[start] >> 16, 0x10u) << "near black where the text starts";
  EXPECT_EQ(row.back(), Rgb(clActiveCaption));
  for (size_t i = start + 1; i < row.size(); ++i) ASSERT_GE(row[i] >> 16, row[i - 1] >> 16) << i;
  int changes = 0;
  for (size_t i = start + 1; i < row.size(); ++i) changes += row[i] != row[i - 1];
  EXPECT_GE(changes, 20) << "many bands, not two";
}

TEST_F(Styler, StaysInertWhereTheSystemDrawsGradientCaptions) {
  SendActivation(true);
  ASSERT_TRUE(SystemGradientCaptions());
  ASSERT_GT(ColorDepth(), 8);
  const std::vector<TColor> before = TopRow();
  TStyFormStyler* styler = AddStyler(kStyDefaultFormStyleOptions, 2);
  EXPECT_TRUE(styler->GetHooked());
  SendMessageA(wnd, WM_NCPAINT, 1, 0);
  SendActivation(true);
  EXPECT_EQ(TopRow(), before) << "the system's caption shows";
}

TEST_F(Styler, InactiveCaptionIsTheSystemsUnlessAskedFor) {
  const int quarter = bar.Left + (bar.Right - bar.Left) / 4;
  const int threeQuarters = bar.Right - (bar.Right - bar.Left) / 4;
  SendActivation(false);
  const TColor systemLeft = Pixel(quarter, bar.Top), systemRight = Pixel(threeQuarters, bar.Top);
  ASSERT_NE(systemLeft, 0);
  struct Case {
    bool inactiveGradient;
    TColor left, right;
  };
  for (const Case& c : {Case{false, systemLeft, systemRight}, Case{true, 0, Rgb(clInactiveCaption)}}) {
    SCOPED_TRACE(c.inactiveGradient);
    SendActivation(true);
    TStyFormStyleOptions options = kPaintOptions;
    if (c.inactiveGradient) options.Include(fsInactiveGradient);
    std::unique_ptr<TStyFormStyler> styler(AddStyler(options, 2));
    ASSERT_EQ(Pixel(quarter, bar.Top), 0);
    SendActivation(false);
    EXPECT_FALSE(styler->GetActive());
    EXPECT_EQ(Pixel(quarter, bar.Top), c.left);
    EXPECT_EQ(Pixel(threeQuarters, bar.Top), c.right);
    styler->SetEnabled(false);
  }
}

TEST_F(Styler, DisablingGivesTheCaptionBackToTheSystem) {
  SendActivation(true);
  TStyFormStyler* styler = AddStyler(kPaintOptions, 2);
  const int quarter = bar.Left + (bar.Right - bar.Left) / 4;
  ASSERT_EQ(Pixel(quarter, bar.Top), 0);
  styler->SetEnabled(false);
  Pump();
  EXPECT_FALSE(styler->GetEnabled()) << "hooked still, but passing everything on";
  EXPECT_EQ(Pixel(quarter, bar.Top), Rgb(clActiveCaption));
  styler->SetEnabled(true);
  Pump();
  EXPECT_EQ(Pixel(quarter, bar.Top), 0);
}

TEST_F(Styler, HidesTheFormCaptionBehindOneSpaceWithinTheCallersBuffer) {
  TStyFormStyleOptions options = kPaintOptions;
  options.Exclude(fsUseFormCaption);
  TStyFormStyler* styler = AddStyler(options, 2);
  char buffer[16];
  EXPECT_EQ(GetWindowTextLengthA(wnd), 1);
  EXPECT_EQ(GetWindowTextA(wnd, buffer, sizeof buffer), 1);
  EXPECT_STREQ(buffer, " ");

  struct Case {
    WPARAM size;
    LRESULT answer;
    const char* written;
  };
  for (const Case& c : {Case{0, 0, "xxxx"}, Case{1, 0, ""}, Case{2, 1, " "}}) {
    SCOPED_TRACE(c.size);
    std::memset(buffer, 'x', sizeof buffer);
    buffer[4] = 0;
    EXPECT_EQ(SendMessageA(wnd, WM_GETTEXT, c.size, reinterpret_cast<LPARAM>(buffer)), c.answer);
    EXPECT_STREQ(buffer, c.written) << "nothing past the buffer the caller gave";
    if (c.size == 1) {
      EXPECT_EQ(buffer[1], 'x');
    }
  }

  // The caption is still painted from the saved text.
  SendActivation(true);
  EXPECT_GT(CountInText(Rgb(clCaptionText)), 10);

  // Activated again while hooked, the saved caption is kept.
  styler->Activate();
  styler->SetEnabled(false);
  Pump();
  EXPECT_EQ(GetWindowTextA(wnd, buffer, sizeof buffer), 14);
  EXPECT_STREQ(buffer, "Tip of the Day");
  EXPECT_EQ(form->GetCaption(), "Tip of the Day");
}

TEST_F(Styler, FreedWhileHidingTheCaptionGivesItBack) {
  TStyFormStyleOptions options = kPaintOptions;
  options.Exclude(fsUseFormCaption);
  TStyFormStyler* styler = AddStyler(options, 2);
  ASSERT_EQ(form->GetCaption(), " ");
  delete styler;
  Pump();
  EXPECT_EQ(form->GetCaption(), "Tip of the Day");
  char buffer[16];
  EXPECT_EQ(GetWindowTextA(wnd, buffer, sizeof buffer), 14);
}

TEST_F(Styler, WithTheFormCaptionTheTextQueriesGoToTheForm) {
  AddStyler(kPaintOptions, 2);
  char buffer[8];
  EXPECT_EQ(GetWindowTextLengthA(wnd), 14);
  EXPECT_EQ(GetWindowTextA(wnd, buffer, sizeof buffer), 7);
  EXPECT_STREQ(buffer, "Tip of ");
}

TEST_F(Styler, OwnerDrawHandsTheBarAfterTheIconAndTheTextToTheEvents) {
  SendActivation(true);
  auto* styler = new TStyFormStyler(form);
  styler->SetOptions(kPaintOptions);
  TRect barGiven, textGiven;
  styler->OnPaint = [&](TObject*, TCanvas* canvas, const TRect& r) {
    barGiven = r;
    canvas->GetBrush()->SetColor(clRed);
    canvas->FillRect(TRect(0, 0, 2000, 2000));
  };
  styler->OnCaptionPaint = [&](TObject*, TCanvas*, const TRect& r) { textGiven = r; };
  styler->SetPaintMode(pcOwnerDraw);
  styler->Activate();
  Pump();
  WORD flags = cfExcludeButtons | cfStartAtText;
  TRect adjusted, adjustedText;
  GetCaptionRects(wnd, adjusted, adjustedText, flags);
  ASSERT_NE(adjusted.Left, bar.Left) << "the form shows an icon";
  EXPECT_EQ(barGiven, adjusted);
  EXPECT_EQ(textGiven, adjustedText);
  EXPECT_EQ(Pixel(adjusted.Left + 4, adjusted.Top), Rgb(clRed));
  EXPECT_NE(Pixel(bar.Left, bar.Top), Rgb(clRed)) << "clipped to the bar: the icon stays";
  EXPECT_NE(Pixel(bar.Left + 10, bar.Bottom + 2), Rgb(clRed)) << "and the client area too";
}

TEST_F(Styler, ReadsFromFormTextAndStoresOnlyWhatDiffers) {
  auto* styler = new TStyFormStyler(form);
  styler->SetName("Styler");
  EXPECT_EQ(AsText(styler).find("Options"), std::string::npos) << "defaults are not stored";
  auto* read = new TStyFormStyler(nullptr);
  ReadText(
      "object Styler: TStyFormStyler\n  Alignment = taCenter\n  Colors = 2\n  PaintMode = pcOwnerDraw\n"
      "  Options = [fsUseFontColor, fsInactiveGradient]\nend\n",
      read);
  EXPECT_EQ(read->GetAlignment(), taCenter);
  EXPECT_EQ(read->GetColors(), 2);
  EXPECT_EQ(read->GetPaintMode(), pcOwnerDraw);
  EXPECT_EQ(read->GetOptions(), (TStyFormStyleOptions{fsUseFontColor, fsInactiveGradient}));
  read->SetColors(1);
  EXPECT_EQ(read->GetColors(), 2) << "never fewer than two bands";
  delete read;
}

TEST_F(Styler, OwnFontColourShowsOnlyWhenAskedForAndRepaintsAtOnce) {
  SendActivation(true);
  struct Case {
    TStyFormStyleOptions options;
    TColor text;
  };
  const Case cases[] = {{TStyFormStyleOptions{fsUseFormCaption, fsUseFontColor}, clYellow},
                        {TStyFormStyleOptions{fsUseFormCaption}, clCaptionText},
                        {TStyFormStyleOptions{fsUseFormCaption, fsUseFontColor, fsUseDefaultFont}, clCaptionText}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.options.Bits());
    std::unique_ptr<TStyFormStyler> styler(AddStyler(c.options, 2));
    styler->GetFont()->SetColor(clYellow);
    EXPECT_GT(CountInText(Rgb(c.text)), 10);
    styler->SetEnabled(false);
  }
}

TEST_F(Styler, PictureOfAStyledForm) {
  // The tips dialog's frame; the window is made anew for it.
  form->SetBorderStyle(bsDialog);
  Pump();
  wnd = form->GetHandle();
  WORD flags = cfExcludeButtons;
  GetCaptionRects(wnd, bar, text, flags);
  auto tiles = std::make_unique<TStyBitmapList>(nullptr);
  Sheet tile(24, 24, 0x705030);
  tile.Canvas()->GetBrush()->SetColor(0x906848);
  tile.Canvas()->FillRect(TRect(0, 0, 12, 12));
  tile.Canvas()->FillRect(TRect(12, 12, 24, 24));
  tiles->GetBitmapItem(tiles->AddItem(nullptr))->SetBitmap(tile.bitmap.get());
  auto* back = new TStyBack(form);
  back->SetImageList(tiles.get());
  back->Activate();
  SendActivation(true);
  AddStyler(kPaintOptions, 32);
  form->Invalidate();
  Pump();
  std::unique_ptr<Sheet> shot = WindowShot();
  EXPECT_TRUE(SavePicture(shot->bitmap.get(), "styler_form.png"));
  EXPECT_LE(shot->At(text.Left, bar.Top) >> 16, 0x10u);
  delete back;
  tiles.reset();
}

}  // namespace
}  // namespace styledtest
