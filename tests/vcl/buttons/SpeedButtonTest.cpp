// Speed buttons: groups pushed down by code and by the mouse on the headless
// host, AllowAllUp, reading a form, their up, down and pressed faces, and
// their glyphs beside the caption.
#include <cstdint>
#include <functional>
#include <utility>
#include <string>
#include <vector>

#include "fixture.h"
#include "platform/vcl/Buttons.h"
#include "platform/vcl/ExtCtrls.h"
#include "platform/vcl/Graphics.h"
#include "support/FormText.h"
#include "support/HostMouse.h"

namespace ctltest {
namespace {

class SpeedButtonTest : public ControlTest {
 protected:
  TSpeedButton* Add(TWinControl* parent, int group, int left, const std::string& name) {
    auto* b = new TSpeedButton(form);
    b->SetName(name);
    b->SetParent(parent);
    b->SetBounds(left, 10, 30, 24);
    b->SetGroupIndex(group);
    b->OnClick = [this](TObject* sender) { clicks.push_back(static_cast<TComponent*>(sender)->GetName()); };
    return b;
  }
  // One mouse event of the left button at a point of control's client area.
  void Mouse(host::EventType type, TControl* control, int x, int y) {
    testsupport::PushMouseEvent(type, control, x, y);
    Pump();
  }
  // A single click, far enough in time from the last not to make a double one.
  void Click(TControl* control) {
    Advance(1000);
    ClickAt(control, 5, 5);
  }
  std::vector<std::string> clicks;
};

// Down states of the buttons a, b, c as a string such as "-D-".
std::string Downs(const std::vector<TSpeedButton*>& buttons) {
  std::string s;
  for (TSpeedButton* b : buttons) s += b->GetDown() ? 'D' : '-';
  return s;
}

TEST_F(SpeedButtonTest, DownByCodeReleasesOnlyTheOthersOfItsGroupOnTheSameParent) {
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  panel->SetBounds(10, 100, 200, 50);
  // a, b, c: group 1 on the form; d: group 2 on the form; e: group 1 on the
  // panel; z: no group.
  std::vector<TSpeedButton*> all = {Add(form, 1, 0, "a"),  Add(form, 1, 30, "b"), Add(form, 1, 60, "c"),
                                    Add(form, 2, 90, "d"), Add(panel, 1, 0, "e"), Add(form, 0, 120, "z")};
  struct Step {
    int button;
    bool down;
    const char* expected;  // a b c d e z
  };
  const Step steps[] = {
      {0, true, "D-----"},  // a goes down
      {3, true, "D--D--"},  // another group keeps a down
      {4, true, "D--DD-"},  // the same group on another parent too
      {1, true, "-D-DD-"},  // b pushes a up
      {1, false, "-D-DD-"},  // without AllowAllUp the down button stays down
      {5, true, "-D-DD-"},  // a button of no group never stays down
      {2, true, "--DDD-"},  // c pushes b up
      {2, true, "--DDD-"},  // unchanged
  };
  for (const Step& s : steps) {
    all[s.button]->SetDown(s.down);
    EXPECT_EQ(Downs(all), s.expected) << all[s.button]->GetName() << (s.down ? " down" : " up");
  }
  EXPECT_EQ(clicks, std::vector<std::string>{}) << "code runs no click";
}

TEST_F(SpeedButtonTest, TheGroupMessageOfAnotherControlClassIsIgnored) {
  TSpeedButton* a = Add(form, 1, 0, "a");
  a->SetDown(true);
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  TMessage m{CM_BUTTONPRESSED, 1, reinterpret_cast<LPARAM>(static_cast<TControl*>(panel)), 0};
  form->Broadcast(m);
  EXPECT_TRUE(a->GetDown());
}

TEST_F(SpeedButtonTest, AllowAllUpIsSharedByTheGroupAndLetsTheDownButtonGoUp) {
  TSpeedButton* a = Add(form, 1, 0, "a");
  TSpeedButton* b = Add(form, 1, 30, "b");
  TSpeedButton* other = Add(form, 2, 60, "other");
  a->SetAllowAllUp(true);
  EXPECT_TRUE(b->GetAllowAllUp());
  EXPECT_FALSE(other->GetAllowAllUp());
  b->SetDown(true);
  b->SetDown(false);
  EXPECT_EQ(Downs({a, b}), "--");
  other->SetAllowAllUp(false);
  other->SetDown(true);
  other->SetDown(false);
  EXPECT_TRUE(other->GetDown());
}

TEST_F(SpeedButtonTest, ClicksPushAGroupedButtonDownAndRunItsClick) {
  TSpeedButton* a = Add(form, 1, 10, "a");
  TSpeedButton* b = Add(form, 1, 50, "b");
  TSpeedButton* z = Add(form, 0, 90, "z");
  a->SetDown(true);
  Click(b);
  EXPECT_EQ(Downs({a, b}), "-D");
  // Clicking the down button again runs its click and it stays down.
  Click(b);
  EXPECT_EQ(Downs({a, b}), "-D");
  // With AllowAllUp the second click lets it up.
  b->SetAllowAllUp(true);
  Click(b);
  EXPECT_EQ(Downs({a, b}), "--");
  Click(z);
  EXPECT_FALSE(z->GetDown());
  EXPECT_EQ(clicks, (std::vector<std::string>{"b", "b", "b", "z"}));
  EXPECT_FALSE(z->GetMouseCapture()) << "the release gives the mouse back";
}

TEST_F(SpeedButtonTest, ADoubleClickIsTwoClicksAndADoubleClickOnceTheButtonIsDown) {
  TSpeedButton* a = Add(form, 1, 10, "a");
  TSpeedButton* b = Add(form, 1, 50, "b");
  int doubles = 0;
  b->OnDblClick = [&](TObject*) { doubles++; };
  a->SetDown(true);
  Advance(1000);
  ClickAt(b, 5, 5, true);
  EXPECT_EQ(Downs({a, b}), "-D");
  EXPECT_EQ(clicks, (std::vector<std::string>{"b", "b"}));
  EXPECT_EQ(doubles, 1);
  EXPECT_FALSE(b->GetMouseCapture());
}

TEST_F(SpeedButtonTest, APressReleasedOutsideOrOnADisabledButtonDoesNothing) {
  TSpeedButton* a = Add(form, 1, 10, "a");
  TSpeedButton* b = Add(form, 1, 50, "b");
  a->SetDown(true);
  Advance(1000);
  Mouse(host::EventType::MouseDown, b, 5, 5);
  EXPECT_TRUE(b->GetPushed()) << "held under the mouse";
  Mouse(host::EventType::MouseMove, b, 200, 5);
  EXPECT_FALSE(b->GetPushed()) << "the held mouse left the button";
  Mouse(host::EventType::MouseMove, b, 6, 6);
  EXPECT_TRUE(b->GetPushed()) << "and came back";
  Mouse(host::EventType::MouseMove, b, 200, 5);
  Mouse(host::EventType::MouseUp, b, 200, 5);
  EXPECT_EQ(Downs({a, b}), "D-");
  EXPECT_FALSE(b->GetPushed());
  b->SetEnabled(false);
  Click(b);
  EXPECT_EQ(Downs({a, b}), "D-");
  EXPECT_EQ(clicks, std::vector<std::string>{});
}

TEST_F(SpeedButtonTest, DisablingAHeldButtonEndsThePressWithoutAClick) {
  TSpeedButton* b = Add(form, 1, 50, "b");
  Advance(1000);
  Mouse(host::EventType::MouseDown, b, 5, 5);
  b->SetEnabled(false);
  EXPECT_FALSE(b->GetPushed());
  EXPECT_FALSE(b->GetMouseCapture());
  Mouse(host::EventType::MouseUp, b, 5, 5);
  EXPECT_FALSE(b->GetDown());
  EXPECT_EQ(clicks, std::vector<std::string>{});
}

TEST_F(SpeedButtonTest, AFormReadsTheGroupAndTheDownButtonInEitherOrderAndWritesThemBack) {
  const char* orders[] = {"GroupIndex = 1\n    Down = True", "Down = True\n    GroupIndex = 1"};
  for (const char* order : orders) {
    const std::string text = std::string(R"(object frmPat: TForm
  Left = 0
  Top = 0
  Width = 300
  Height = 100
  object btnPat1: TSpeedButton
    Left = 8
    Top = 8
    Width = 23
    Height = 22
    )") + order + R"(
    Caption = '1'
  end
  object btnPat2: TSpeedButton
    Left = 32
    Top = 8
    Width = 23
    Height = 22
    GroupIndex = 1
    Caption = '2'
  end
  object btnSolo: TSpeedButton
    Left = 56
    Top = 8
    Down = True
    Caption = 'S'
  end
end
)";
    TForm* f = testsupport::ReadFormText(text);
    auto* pat1 = dynamic_cast<TSpeedButton*>(f->FindComponent("btnPat1"));
    auto* pat2 = dynamic_cast<TSpeedButton*>(f->FindComponent("btnPat2"));
    auto* solo = dynamic_cast<TSpeedButton*>(f->FindComponent("btnSolo"));
    ASSERT_NE(pat1, nullptr);
    ASSERT_NE(pat2, nullptr);
    ASSERT_NE(solo, nullptr);
    EXPECT_EQ(pat1->GetGroupIndex(), 1) << order;
    EXPECT_TRUE(pat1->GetDown()) << order;
    EXPECT_FALSE(solo->GetDown()) << "a button of no group read as down stays up";
    pat2->SetDown(true);
    EXPECT_FALSE(pat1->GetDown()) << "the buttons read form one group";
    pat1->SetDown(true);
    const std::string written = WriteForm(f);
    // The group first, so that reading it back keeps the button down.
    const size_t group = written.find("GroupIndex = 1"), down = written.find("Down = True");
    EXPECT_NE(down, std::string::npos) << written;
    EXPECT_LT(group, down) << written;
    delete f;
  }
}

TEST_F(SpeedButtonTest, FacesShowUpDownAndPressedStatesAndADisabledCaption) {
  TSpeedButton* b = Add(form, 1, 10, "b");
  b->GetFont()->SetColor(clBlack);
  const COLORREF face = ColorToRGB(clBtnFace), white = ColorToRGB(clBtnHighlight), black = 0;
  // Up: raised, a light top-left and a dark bottom-right, a plain face.
  EXPECT_EQ(PixelAt(b, 0, 0), white);
  EXPECT_EQ(Pixel(b, 29, 23), black);
  EXPECT_EQ(Pixel(b, 10, 10), face);
  EXPECT_EQ(Pixel(b, 11, 10), face);
  // Down: sunken, and the face dithered with the highlight.
  b->SetDown(true);
  EXPECT_NE(PixelAt(b, 0, 0), white);
  EXPECT_EQ(Pixel(b, 29, 23), white);
  EXPECT_NE(Pixel(b, 10, 10), Pixel(b, 11, 10));
  EXPECT_TRUE(Pixel(b, 10, 10) == white || Pixel(b, 11, 10) == white);
  // Held by the mouse: sunken with a plain face.
  b->SetAllowAllUp(true);
  b->SetDown(false);
  Advance(1000);
  Mouse(host::EventType::MouseDown, b, 5, 5);
  EXPECT_EQ(PixelAt(b, 29, 23), white);
  EXPECT_EQ(Pixel(b, 10, 10), face);
  EXPECT_EQ(Pixel(b, 11, 10), face);
  Mouse(host::EventType::MouseUp, b, 5, 5);
}

TEST_F(SpeedButtonTest, CaptionIsCentredBlackWhenEnabledAndGreyWhenDisabled) {
  TSpeedButton* b = Add(form, 0, 10, "b");
  b->SetBounds(10, 10, 60, 24);
  b->SetCaption("WWW");
  b->GetFont()->SetColor(clBlack);
  auto inkIn = [&](int x0, int x1, COLORREF colour) {
    for (int y = 3; y < 21; y++)
      for (int x = x0; x < x1; x++)
        if (Pixel(b, x, y) == colour) return true;
    return false;
  };
  PaintNow();
  EXPECT_TRUE(inkIn(20, 40, 0));
  EXPECT_FALSE(inkIn(2, 10, 0)) << "centred: nothing near the left edge";
  b->SetEnabled(false);
  PaintNow();
  EXPECT_FALSE(inkIn(2, 58, 0));
  EXPECT_TRUE(inkIn(20, 40, ColorToRGB(clBtnShadow)));
}

// Glyphs ------------------------------------------------------------------

// A 16x16 olive picture (olive: the bottom-left pixel, so see-through) with
// a square of ink from (4, 4) to (11, 11); copies side by side make a strip.
void PaintGlyph(TBitmap* glyph, const std::vector<TColor>& inks) {
  glyph->SetSize(16 * static_cast<int>(inks.size()), 16);
  TCanvas* c = glyph->GetCanvas();
  c->GetBrush()->SetColor(clOlive);
  c->FillRect(TRect(0, 0, glyph->GetWidth(), 16));
  for (size_t i = 0; i < inks.size(); i++) {
    c->GetBrush()->SetColor(inks[i]);
    const int left = 16 * static_cast<int>(i);
    c->FillRect(TRect(left + 4, 4, left + 12, 12));
  }
}

// The first and one past the last column of the button's inside (its
// edges left out) with colour in it ({-1, -1}: none).
std::pair<int, int> Columns(const std::function<COLORREF(int, int)>& pixel, int width, int height, COLORREF colour) {
  int first = -1, last = -1;
  for (int x = 3; x < width - 3; x++)
    for (int y = 3; y < height - 3; y++)
      if (pixel(x, y) == colour) {
        if (first < 0) first = x;
        last = x + 1;
        break;
      }
  return {first, last};
}

TEST_F(SpeedButtonTest, TheGlyphIsCentredItsClearColourShowsTheFaceAndAPushMovesIt) {
  TSpeedButton* b = Add(form, 1, 10, "b");  // 30 x 24
  PaintGlyph(b->GetGlyph(), {clRed});
  const COLORREF red = RGB(255, 0, 0), face = ColorToRGB(clBtnFace);
  // Up: the glyph at ((30 - 16 + 1) / 2, (24 - 16 + 1) / 2) = (7, 4).
  EXPECT_EQ(PixelAt(b, 7 + 4, 4 + 4), red);
  EXPECT_EQ(Pixel(b, 7 + 11, 4 + 11), red);
  EXPECT_EQ(Pixel(b, 7 + 3, 4 + 4), face) << "olive is the clear colour";
  EXPECT_EQ(Pixel(b, 7, 4 + 15), face);
  EXPECT_EQ(Pixel(b, 7 + 12, 4 + 11), face);
  // Down: one pixel right and down, the dithered face around it.
  b->SetDown(true);
  EXPECT_EQ(PixelAt(b, 7 + 12, 4 + 12), red);
  EXPECT_NE(Pixel(b, 7 + 4, 4 + 4), red);
  EXPECT_NE(Pixel(b, 7 + 3, 4 + 3), ColorToRGB(clOlive));
  EXPECT_NE(Pixel(b, 7 + 3, 4 + 3), Pixel(b, 7 + 4, 4 + 3)) << "the down face's dither shows through";
}

TEST_F(SpeedButtonTest, GlyphAndCaptionArePlacedByLayoutMarginAndSpacing) {
  TSpeedButton* b = Add(form, 0, 10, "b");
  b->SetBounds(10, 10, 80, 24);
  b->SetCaption("WW");
  b->GetFont()->SetColor(clBlack);
  PaintGlyph(b->GetGlyph(), {clRed});
  TBitmap measure;
  measure.GetCanvas()->SetFont(b->GetFont());
  const int tw = measure.GetCanvas()->TextWidth("WW");
  ASSERT_GT(tw, 4);
  struct Case {
    TButtonLayout layout;
    int margin, spacing;
    int glyphLeft;  // the glyph's left edge
    int textLeft;  // where the caption's box starts
  };
  const int centred = (80 - 16 - 4 - tw + 1) / 2;
  const Case cases[] = {
      {blGlyphLeft, -1, 4, centred, centred + 20},  // the pair centred, 4 apart
      {blGlyphLeft, 2, 6, 2, 24},
      {blGlyphRight, 2, 6, 80 - 2 - 16, 80 - 2 - 16 - 6 - tw},
  };
  auto pixel = [&](int x, int y) { return Pixel(b, x, y); };
  for (const Case& c : cases) {
    b->SetLayout(c.layout);
    b->SetMargin(c.margin);
    b->SetSpacing(c.spacing);
    PaintNow();
    const std::string what = "layout " + std::to_string(c.layout) + " margin " + std::to_string(c.margin);
    EXPECT_EQ(Columns(pixel, 80, 24, RGB(255, 0, 0)), std::make_pair(c.glyphLeft + 4, c.glyphLeft + 12)) << what;
    const auto ink = Columns(pixel, 80, 24, 0);
    EXPECT_GE(ink.first, c.textLeft) << what;
    EXPECT_LE(ink.second, c.textLeft + tw) << what;
    EXPECT_GT(ink.second, ink.first + tw / 2) << what << ": the caption is drawn whole";
  }
  // Above the caption: the glyph's square in the top half, the text lower.
  b->SetLayout(blGlyphTop);
  b->SetBounds(10, 10, 40, 44);
  b->SetMargin(0);
  PaintNow();
  EXPECT_EQ(Pixel(b, (40 - 16 + 1) / 2 + 4, 4), RGB(255, 0, 0));
  EXPECT_EQ(Pixel(b, (40 - 16 + 1) / 2 + 4, 12), ColorToRGB(clBtnFace));
}

TEST_F(SpeedButtonTest, ADisabledGlyphIsEmbossedUnlessItHasItsOwnPicture) {
  TSpeedButton* b = Add(form, 1, 10, "b");
  PaintGlyph(b->GetGlyph(), {clBlack});
  const int gx = 7, gy = 4;
  EXPECT_EQ(PixelAt(b, gx + 6, gy + 6), RGB(0, 0, 0));
  b->SetEnabled(false);
  // Greyed: the square in shadow with a highlight edge below and right.
  EXPECT_EQ(PixelAt(b, gx + 6, gy + 6), ColorToRGB(clBtnShadow));
  EXPECT_EQ(Pixel(b, gx + 12, gy + 8), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(Pixel(b, gx + 8, gy + 12), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(Pixel(b, gx + 3, gy + 8), ColorToRGB(clBtnFace));
  // Two pictures: the second is the disabled one, drawn as it is.
  PaintGlyph(b->GetGlyph(), {clBlack, clBlue});
  EXPECT_EQ(b->GetNumGlyphs(), 2) << "a strip of two squares";
  EXPECT_EQ(PixelAt(b, gx + 6, gy + 6), RGB(0, 0, 255));
  b->SetEnabled(true);
  EXPECT_EQ(PixelAt(b, gx + 6, gy + 6), RGB(0, 0, 0));
  // Clicked or down without a picture for it: the up picture.
  b->SetDown(true);
  EXPECT_EQ(PixelAt(b, gx + 7, gy + 7), RGB(0, 0, 0));
  b->SetNumGlyphs(9);
  EXPECT_EQ(b->GetNumGlyphs(), 4);
}

// The bytes of a 24-bit BMP file of a width x height picture of colour with
// a black top-left pixel (a BMP's rows run bottom up).
std::string BmpFile(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  const int stride = (width * 3 + 3) & ~3;
  const std::uint32_t pixels = static_cast<std::uint32_t>(stride * height);
  std::string out;
  auto put = [&](std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; i++) out += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  out += "BM";
  put(14 + 40 + pixels, 4);
  put(0, 4);
  put(14 + 40, 4);
  for (std::uint32_t v : {40u, static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height)}) put(v, 4);
  put(1, 2);
  put(24, 2);
  for (std::uint32_t v : {0u, pixels, 2835u, 2835u, 0u, 0u}) put(v, 4);
  for (int row = height - 1; row >= 0; row--) {
    for (int x = 0; x < width; x++) {
      const bool dot = row == 0 && x == 0;
      out += static_cast<char>(dot ? 0 : b);
      out += static_cast<char>(dot ? 0 : g);
      out += static_cast<char>(dot ? 0 : r);
    }
    out.append(static_cast<size_t>(stride - width * 3), '\0');
  }
  return out;
}

// The text form of binary data as a property at the given indent.
std::string HexBlock(const std::string& data, const std::string& indent) {
  static const char hex[] = "0123456789ABCDEF";
  std::string text = "{";
  for (size_t i = 0; i < data.size(); i++) {
    if (i % 32 == 0) text += "\n" + indent + "  ";
    const auto byte = static_cast<std::uint8_t>(data[i]);
    text += hex[byte >> 4];
    text += hex[byte & 15];
  }
  return text + "}";
}

TEST_F(SpeedButtonTest, AFormReadsTheGlyphDataAndWritesItBackUnchanged) {
  const std::string bmp = BmpFile(8, 4, 0, 128, 0);
  std::string data;
  for (int i = 0; i < 4; i++) data += static_cast<char>((bmp.size() >> (8 * i)) & 0xFF);
  data += bmp;
  const std::string text = R"(object frmGlyph: TForm
  Left = 0
  Top = 0
  Width = 300
  Height = 100
  object btnUp: TSpeedButton
    Left = 8
    Top = 8
    Width = 23
    Height = 22
    Glyph.Data = )" + HexBlock(data, "    ") +
                           R"(
    Layout = blGlyphTop
    Margin = 2
    NumGlyphs = 2
    Spacing = -1
  end
  object btnPlain: TSpeedButton
    Left = 32
    Top = 8
    Width = 23
    Height = 22
    Caption = 'P'
  end
end
)";
  TForm* f = testsupport::ReadFormText(text);
  auto* up = dynamic_cast<TSpeedButton*>(f->FindComponent("btnUp"));
  ASSERT_NE(up, nullptr);
  EXPECT_EQ(up->GetGlyph()->GetWidth(), 8);
  EXPECT_EQ(up->GetGlyph()->GetHeight(), 4);
  EXPECT_EQ(up->GetGlyph()->GetCanvas()->GetPixels(0, 0), clBlack);
  EXPECT_EQ(up->GetGlyph()->GetCanvas()->GetPixels(1, 3), clGreen);
  EXPECT_EQ(up->GetNumGlyphs(), 2);
  EXPECT_EQ(up->GetLayout(), blGlyphTop);
  EXPECT_EQ(up->GetMargin(), 2);
  EXPECT_EQ(up->GetSpacing(), -1);
  // The button as it was read, byte for byte.
  std::string written;
  for (char c : WriteForm(f))
    if (c != '\r') written += c;
  auto block = [](const std::string& form) {
    const size_t from = form.find("  object btnUp");
    return form.substr(from, form.find("  end\n", from) - from);
  };
  EXPECT_EQ(block(written), block(text));
  delete f;
}

}  // namespace
}  // namespace ctltest
