// Pictures of every button kind in each state it can show, written to
// $DRUMS_STYLED_PICTURES, with a few probes that the states look apart.
#include <functional>
#include <string>
#include <vector>

#include "platform/win/windows.h"
#include "styled/controls/stybtn_fixture.h"

namespace styledtest {
namespace {

// A 16 x 16 glyph: a red drum head on the olive transparent colour.
void MakeGlyph(TBitmap* glyph) {
  glyph->SetPixelFormat(pf32bit);
  glyph->SetSize(16, 16);
  TCanvas* c = glyph->GetCanvas();
  c->GetBrush()->SetStyle(bsSolid);
  c->GetBrush()->SetColor(clOlive);
  c->FillRect(TRect(0, 0, 16, 16));
  c->GetPen()->SetColor(clMaroon);
  c->GetBrush()->SetColor(clRed);
  c->Ellipse(1, 3, 15, 13);
  c->GetPen()->SetColor(clBlack);
  c->MoveTo(3, 1);
  c->LineTo(9, 7);
}

class Pictures : public Buttons {
 protected:
  void SetUp() override {
    Buttons::SetUp();
    form->SetBounds(10, 10, 470, 90);
    form->Show();
    Pump();
  }

  // One button per state, left to right: up, disabled, hot, latched, held,
  // disabled while latched. Make builds a button at the given left edge.
  std::vector<TStyBaseGraphicButton*> Row(const std::function<TStyBaseGraphicButton*(int)>& make) {
    std::vector<TStyBaseGraphicButton*> row;
    for (int i = 0; i < 6; ++i) {
      TStyBaseGraphicButton* b = make(10 + i * 75);
      b->SetGroupIndex(i == 3 || i == 5 ? 10 + i : 0);
      row.push_back(b);
    }
    row[1]->SetEnabled(false);
    row[2]->SetAllowMouseOver(true);
    row[2]->SetMouseOver(true);
    row[3]->SetPressed(true);
    row[5]->SetPressed(true);
    row[5]->SetEnabled(false);
    Snapshot();  // painted once before the press, as the user sees it
    held = TPoint(row[4]->GetWidth() / 2, row[4]->GetHeight() / 2);
    Move(row[4], held.X, held.Y);
    Down(row[4], held.X, held.Y);
    return row;
  }

  void Check(const std::vector<TStyBaseGraphicButton*>& row, const std::string& name) {
    const std::uint8_t states[] = {bsUp, bsDisabled, bsHot, bsLatched, bsHeld, bsDisabledLatched};
    for (size_t i = 0; i < row.size(); ++i) EXPECT_EQ(row[i]->GetState(), states[i]) << name << " button " << i;
    Sheet s = Snapshot();
    EXPECT_TRUE(SaveLarge(s, "buttons_" + name + ".png"));
    Up(row[4], held.X, held.Y);
  }
  TPoint held;
};

TEST_F(Pictures, MultimediaButtons) {
  TStyBitmapList* faces = MakePlayFaces(form);
  auto row = Row([&](int left) {
    TStyMMButton* b = MakePlayButton(form, faces, left, 20);
    b->SetGroupIndex(0);
    b->SetCaption("Play");
    b->GetFont()->SetColor(clWhite);
    b->SetBounds(left, 20, 64, 40);
    b->SetButtonFaceStyle(sbCenter);
    return b;
  });
  Check(row, "mm");
}

TEST_F(Pictures, SpeedButtonsInTheirStyles) {
  const TStyUserButtonStyle styles[] = {ubsWin31, ubsWin40, ubsClassic, ubsFlat, ubsNavigator, ubsIntegrated};
  for (TStyUserButtonStyle style : styles) {
    auto row = Row([&](int left) {
      auto* b = new TStyCustomSpeedButton(form);
      b->SetParent(form);
      b->SetBounds(left, 20, 64, 40);
      b->SetStyle(style);
      b->SetCaption("Kick");
      TBitmap glyph;
      MakeGlyph(&glyph);
      b->SetGlyph(&glyph);
      return b;
    });
    Check(row, std::string("speed_") + EnumNames(style)[style]);
    for (auto* b : row) delete b;
  }
}

TEST_F(Pictures, OfficeButtons) {
  auto row = Row([&](int left) {
    auto* b = new TStyOfficeButton(form);
    b->SetParent(form);
    b->SetBounds(left, 20, 64, 40);
    b->SetCaption("Snare");
    TBitmap glyph;
    MakeGlyph(&glyph);
    b->SetGlyph(&glyph);
    return b;
  });
  Check(row, "office");
}

TEST_F(Pictures, PushButtons) {
  // Up, disabled, held, the focused default button, and a glyph above a
  // two-line caption.
  std::vector<TStyButton*> row;
  for (int i = 0; i < 5; ++i) {
    auto* b = new TStyButton(form);
    b->SetParent(form);
    b->SetBounds(10 + i * 90, 20, 80, 40);
    b->SetCaption(i == 4 ? "Hi-hat open" : "Tom " + std::to_string(i + 1));
    b->SetColor(clGray);
    b->GetFont()->SetName("Arial");
    row.push_back(b);
  }
  TBitmap glyph;
  MakeGlyph(&glyph);
  row[4]->SetGlyph(&glyph);
  row[4]->SetMultiLine(true);
  row[4]->GetButtonLayout()->SetAlignText2Glyph(taBottom);
  row[1]->SetEnabled(false);
  row[3]->SetDefault(true);
  Move(row[2], 5, 5);
  Down(row[2], 5, 5);
  // The press took the focus; the default button gets it back while the
  // other stays held.
  row[3]->SetFocus();
  Pump();
  EXPECT_TRUE(row[3]->GetActive());
  EXPECT_EQ(row[2]->GetButtonState(), 4);
  EXPECT_EQ(row[1]->GetButtonState(), 1);
  Sheet s = Snapshot();
  EXPECT_TRUE(SaveLarge(s, "buttons_push.png"));
  Up(row[2], 5, 5);
}

}  // namespace
}  // namespace styledtest
