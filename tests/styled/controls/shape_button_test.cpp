// Shape buttons: the two-colour edge of the 3D style and its swap when
// pressed, the region hit test where the face is drawn, the hot look, the
// fill cache, a streamed legacy property and a picture of a row of them.
#include <memory>
#include <string>

#include "combo_fixture.h"
#include "controls/styled/stycont.h"
#include "controls/styled/styshapA.h"
#include "platform/win/windows.h"

namespace styledtest {
namespace {

class TProbeShapeButton : public TStyShapeButton {
 public:
  using TStyShapeButton::TStyShapeButton;
  bool Hot() { return HasHotLook(); }
  bool Hit(int x, int y) { return IsPointInButton(x, y); }
};

class ShapeButton : public ComboTest {
 protected:
  TProbeShapeButton* Make(int x, int y, int w, int h) {
    auto* b = new TProbeShapeButton(form);
    b->SetParent(form);
    b->SetBounds(x, y, w, h);
    b->OnClick = [this](TObject*) { ++clicks; };
    return b;
  }
  int clicks = 0;
};

TEST_F(ShapeButton, The3DEdgeIsRaisedWhenUpAndSunkenWhenPressed) {
  TProbeShapeButton* b = Make(10, 10, 7, 9);
  b->SetStyle(sbs3D);
  b->GetShape()->GetShadow()->SetDepth(0);
  b->GetShape()->GetBevel()->SetWidth(1);
  b->GetShape()->GetBevel()->SetLightColor(clLime);
  b->GetShape()->GetBevel()->SetShadowColor(clBlue);
  b->GetColors()->SetUp(clYellow);
  b->GetColors()->SetOptionSet(clYellow);
  b->SetGroupIndex(1);
  b->SetAllowAllUp(true);
  for (bool pressed : {false, true}) {
    b->SetPressed(pressed);
    const COLORREF top = pressed ? RGB(0, 0, 255) : RGB(0, 255, 0);
    const COLORREF bottom = pressed ? RGB(0, 255, 0) : RGB(0, 0, 255);
    EXPECT_EQ(PixelAt(b, 0, 4), top) << pressed;
    for (int x = 0; x < 6; ++x) EXPECT_EQ(Pixel(b, x, 0), top) << "top row " << x << " " << pressed;
    for (int y = 0; y < 9; ++y) EXPECT_EQ(Pixel(b, 0, y), top) << "left column " << y << " " << pressed;
    for (int y = 0; y < 8; ++y) EXPECT_EQ(Pixel(b, 6, y), bottom) << "right column " << y << " " << pressed;
    for (int x = 1; x < 7; ++x) EXPECT_EQ(Pixel(b, x, 8), bottom) << "bottom row " << x << " " << pressed;
    EXPECT_EQ(Pixel(b, 3, 4), RGB(255, 255, 0));
  }
}

TEST_F(ShapeButton, PressesCountWhereTheFaceIsDrawn) {
  // A shadow button's face rests at the top left; its shadow is no button.
  TProbeShapeButton* b = Make(10, 10, 50, 30);
  b->GetShape()->GetShadow()->SetDepth(6);
  b->SetAllowTransparency(true);
  EXPECT_FALSE(b->Hit(47, 27));
  EXPECT_TRUE(b->Hit(2, 2));
  ClickAt(b, 47, 27);
  EXPECT_EQ(clicks, 0);
  ClickAt(b, 2, 2);
  EXPECT_EQ(clicks, 1);
  // The 3D style draws no shadow: its face, and the hit test, fill the
  // control whatever the shadow's depth.
  b->SetStyle(sbs3D);
  EXPECT_EQ(b->GetOutlineDepth(), 0);
  EXPECT_TRUE(b->Hit(47, 27));
  b->SetStyle(sbsShadow);
  b->GetShape()->GetShadow()->SetStyle(hssNone);
  EXPECT_TRUE(b->Hit(47, 27));
}

TEST_F(ShapeButton, FiguresAreHitInsideTheirOutlineOnly) {
  TProbeShapeButton* b = Make(10, 10, 100, 100);
  b->GetShape()->GetShadow()->SetDepth(0);
  struct Case {
    TStyShapeType shape;
    TPoint in, out;
  } cases[] = {
      {stStar, {50, 50}, {88, 12}},  // between the right and the top tips
      {stEllipse, {50, 50}, {3, 3}},  // the box's corner
      {stDiamond, {50, 50}, {10, 10}},  //
      {stRoundRect, {50, 50}, {0, 99}},  // the rounded corner
      {stDirectUp, {50, 90}, {10, 10}},  //
  };
  for (const Case& c : cases) {
    b->GetShape()->SetShape(c.shape);
    EXPECT_TRUE(b->Hit(c.in.X, c.in.Y)) << EnumNames(c.shape)[c.shape];
    EXPECT_FALSE(b->Hit(c.out.X, c.out.Y)) << EnumNames(c.shape)[c.shape];
  }
}

TEST_F(ShapeButton, HotLookOnlyWhenTheHoverColourDiffers) {
  TProbeShapeButton* b = Make(10, 10, 40, 20);
  EXPECT_FALSE(b->Hot());
  b->GetColors()->SetMouseOver(clRed);
  EXPECT_TRUE(b->Hot());
  int changes = 0;
  b->GetColors()->OnChange = [&](TObject*) { ++changes; };
  b->GetColors()->SetUp(clBtnFace);  // the value it has
  EXPECT_EQ(changes, 0);
}

TEST_F(ShapeButton, TheFillPictureIsACacheOfTheFillMode) {
  TProbeShapeButton* b = Make(10, 10, 60, 40);
  b->GetShapeFill()->SetStyle(sfGradient);
  b->SetMode(sbmShapeFill);
  EXPECT_EQ(b->GetFillBitmap()->GetWidth(), 60);
  EXPECT_EQ(b->GetFillBitmap()->GetHeight(), 40);
  b->SetBounds(10, 10, 80, 40);
  EXPECT_EQ(b->GetFillBitmap()->GetWidth(), 80);
  b->SetMode(sbmShapeFast);
  EXPECT_TRUE(b->GetFillBitmap()->Empty());
}

TEST_F(ShapeButton, TheFillModeLaysItsPictureIntoTheFaceOnly) {
  form->SetColor(clTeal);
  TProbeShapeButton* b = Make(10, 10, 60, 40);
  b->GetShape()->SetShape(stEllipse);
  b->GetShape()->GetShadow()->SetDepth(0);
  TBitmap red;
  red.SetSize(8, 8);
  red.GetCanvas()->GetBrush()->SetColor(clRed);
  red.GetCanvas()->FillRect(TRect(0, 0, 8, 8));
  b->GetShapeFill()->SetBitmap(&red);
  b->GetShapeFill()->SetStyle(sfBitmap);
  b->GetShapeFill()->SetTileMode(tmStretch);
  b->SetMode(sbmShapeFill);
  EXPECT_EQ(PixelAt(b, 30, 20), RGB(255, 0, 0));
  EXPECT_EQ(Pixel(b, 1, 1), RGB(0, 128, 128));  // outside the ellipse: the background
}

// The glyph's list and the fill's list may be one: either reference letting
// go of it must leave the other told when the list is freed.
TEST_F(ShapeButton, OneListForGlyphAndFillIsForgottenWhenFreed) {
  for (bool glyphLetsGo : {true, false}) {
    SCOPED_TRACE(glyphLetsGo);
    auto* list = new TStyBitmapList(nullptr);
    TBitmap picture;
    picture.SetSize(8, 8);
    list->GetBitmapItem(list->AddItem(nullptr))->SetBitmap(&picture);
    TProbeShapeButton* b = Make(10, 10, 60, 40);
    b->SetImageList(list);
    b->SetShapeFillImageList(list);
    if (glyphLetsGo)
      b->SetImageList(nullptr);
    else
      b->SetShapeFillImageList(nullptr);
    delete list;
    EXPECT_EQ(b->GetImageList(), nullptr);
    EXPECT_EQ(b->GetShapeFillImageList(), nullptr);
    b->SetShapeFillListIndex(1);
    b->SetListIndex(1);
    delete b;
  }
}

TEST_F(ShapeButton, AFormWithTheOldCaptionClipLoadsAndDropsIt) {
  std::unique_ptr<TStyledTestForm> f = ReadTestForm(R"(  object trkMute_01: TStyShapeButton
    Left = 4
    Top = 4
    Width = 7
    Height = 9
    Hint = 'Mute Track'
    CaptionClip = True
    Colors.Up = clRed
    Shape.Shadow.Depth = 0
    Style = sbs3D
  end
)");
  ASSERT_NE(f->trkMute_01, nullptr);
  EXPECT_EQ(f->trkMute_01->GetColors()->GetUp(), clRed);
  EXPECT_EQ(f->trkMute_01->GetStyle(), sbs3D);
  EXPECT_EQ(f->trkMute_01->GetOutline()->At(1), TPoint(7, 9));
  EXPECT_EQ(WriteForm(f.get()).find("CaptionClip"), std::string::npos);
}

TEST_F(ShapeButton, ARowOfButtonsInTheirStates) {
  form->SetColor(clTeal);
  const TStyShapeType shapes[] = {stRectangle, stEllipse, stRoundRect, stDiamond, stOctagon, stStar};
  for (int i = 0; i < 6; ++i) {
    TProbeShapeButton* b = Make(10 + i * 56, 10, 50, 30);
    b->GetShape()->SetShape(shapes[i]);
    b->GetColors()->SetUp(clSilver);
    b->GetColors()->SetOptionSet(clYellow);
    b->SetCaption(std::to_string(i + 1));
    TProbeShapeButton* d = Make(10 + i * 56, 50, 50, 30);
    d->GetShape()->SetShape(shapes[i]);
    d->SetStyle(sbs3D);
    d->GetShape()->GetBevel()->SetWidth(1);
    d->GetColors()->SetUp(clSilver);
    d->GetColors()->SetOptionSet(clLime);
    d->SetGroupIndex(i + 1);
    d->SetPressed(i % 2 == 1);
  }
  TProbeShapeButton* drum = Make(10, 100, 138, 22);
  drum->SetCaption("Kick 1");
  drum->GetShape()->GetShadow()->SetDepth(3);
  drum->GetColors()->SetUp(clSilver);
  PaintNow();
  EXPECT_TRUE(SaveWindow(form->GetHandle(), "shape_buttons.png"));
}

}  // namespace
}  // namespace styledtest
