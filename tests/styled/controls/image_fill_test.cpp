// TStyFill: the picture of its image list's item, nothing at all for an item
// the list does not have, transparency from its fill, and a picture of a
// fill with a caption under a spin edit.
#include <memory>

#include "controls/styled/styctrlA.h"
#include "controls/styled/styextcS.h"
#include "controls/styled/stystdcA.h"
#include "platform/host/headless.h"
#include "platform/host/png_file.h"
#include "platform/win/drums_ext.h"
#include "styled/shared/fixture.h"

namespace styledtest {
namespace {

class Fill : public StyledProcs {
 protected:
  void SetUp() override {
    StyledProcs::SetUp();
    backgrounds = std::make_unique<TStyBitmapList>(nullptr);
    for (TColor colour : {0x8080F0, 0xA06030}) {
      Sheet picture(32, 32, colour);
      picture.Canvas()->GetBrush()->SetColor(clWhite);
      picture.Canvas()->FillRect(TRect(0, 0, 16, 16));
      picture.Canvas()->FillRect(TRect(16, 16, 32, 32));
      backgrounds->GetBitmapItem(backgrounds->AddItem(nullptr))->SetBitmap(picture.bitmap.get());
    }
    form = new TForm(nullptr);
    form->SetBounds(0, 0, 260, 140);
    form->SetColor(kFormColour);
    fill = new TStyFill(form);
    fill->SetParent(form);
    fill->SetBounds(10, 10, 100, 60);
    fill->GetFillObject()->SetStyle(sfBitmapList);
    fill->SetImageList(backgrounds.get());
    form->Show();
    Pump();
  }
  void TearDown() override {
    delete form;
    backgrounds.reset();
    StyledProcs::TearDown();
  }
  std::unique_ptr<Sheet> Shot() {
    auto sheet = std::make_unique<Sheet>(form->GetClientWidth(), form->GetClientHeight());
    form->PaintTo(sheet->Canvas()->GetHandle(), 0, 0);
    return sheet;
  }

  std::unique_ptr<TStyBitmapList> backgrounds;
  TForm* form = nullptr;
  TStyFill* fill = nullptr;
};

TEST_F(Fill, ShowsTheListItemItIsSwitchedTo) {
  fill->SetListIndex(1);
  Pump();
  auto shot = Shot();
  EXPECT_EQ(shot->At(10 + 20, 10 + 5), TColor(0xA06030));
  EXPECT_EQ(shot->At(10 + 5, 10 + 5), Rgb(clWhite));
  EXPECT_EQ(shot->At(5, 5), kFormColour);
  EXPECT_FALSE(fill->IsEmpty());
}

TEST_F(Fill, ItemTheListDoesNotHavePaintsNothing) {
  EXPECT_NO_THROW({
    fill->SetListIndex(5);
    Pump();
  });
  EXPECT_TRUE(fill->IsEmpty());
  EXPECT_TRUE(fill->GetFillObject()->GetListBitmap()->Empty());
  auto shot = Shot();
  for (TPoint p : {TPoint(10, 10), TPoint(60, 40), TPoint(109, 69)}) EXPECT_EQ(shot->At(p.X, p.Y), kFormColour);
  // With a bevel it paints the bevel and still no picture.
  fill->GetBevel()->SetStyleOuter(bvRaised);
  Pump();
  shot = Shot();
  EXPECT_EQ(shot->At(10, 10), Rgb(clBtnHighlight));
  EXPECT_EQ(shot->At(60, 40), kFormColour);
}

TEST_F(Fill, BrushFillIsOpaqueAPictureListFillIsNot) {
  fill->GetFillObject()->SetStyle(sfBrush);
  EXPECT_FALSE(fill->GetTransparent());
  fill->GetFillObject()->SetStyle(sfBitmapList);
  EXPECT_EQ(fill->GetTransparent(), fill->GetFillObject()->IsTransparent());
}

// A picture lying over the fill that counts its paints.
class CountingImage : public TStyNImage {
 public:
  using TStyNImage::TStyNImage;
  int paints = 0;

 protected:
  void Paint() override {
    ++paints;
    TStyNImage::Paint();
  }
};

TEST_F(Fill, OpaqueFillRepaintsAtOnceWithTheControlsOverIt) {
  fill->GetFillObject()->SetStyle(sfBrush);
  ASSERT_FALSE(fill->GetTransparent());
  auto* over = new CountingImage(form);
  over->SetParent(form);
  over->SetBounds(20, 20, 10, 10);
  over->SetBitmap(Sheet(10, 10, clBlue).bitmap.get());
  auto* apart = new CountingImage(form);
  apart->SetParent(form);
  apart->SetBounds(150, 20, 10, 10);
  apart->SetBitmap(Sheet(10, 10, clBlue).bitmap.get());
  Pump();
  over->paints = apart->paints = 0;
  fill->GetFillObject()->GetBrush()->SetColor(clGreen);
  EXPECT_GE(over->paints, 1) << "repainted with the fill, without a pass of the loop";
  EXPECT_EQ(apart->paints, 0) << "outside the fill";
  auto shot = Shot();
  EXPECT_EQ(shot->At(25, 25), Rgb(clBlue));
  EXPECT_EQ(shot->At(15, 15), Rgb(clGreen));
}

TEST_F(Fill, FillAndSpinEditPicture) {
  fill->SetListIndex(0);
  fill->GetFillObject()->SetTileMode(tmTile);
  fill->SetAlign(alClient);
  fill->GetBevel()->SetStyleOuter(bvLowered);
  fill->GetCaption()->SetCaption("Play position");
  fill->GetCaption()->SetAlignment(agTopCenter);
  auto* spin = new TStySpinEdit(form);
  spin->SetParent(form);
  spin->SetBounds(20, 40, 90, 21);
  spin->SetMaxValue(250);
  spin->SetSuffix(" px");
  spin->SetValue(300);
  auto* top = new TStySpinEdit(form);
  top->SetParent(form);
  top->SetBounds(130, 40, 90, 21);
  top->SetMaxValue(64);
  top->SetValue(12);
  top->SetEnabled(false);
  RedrawWindow(form->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Pump();
  // The window as the desktop shows it, the edits' own windows included.
  host::Surface window = host::headless::PresentedImage(win::user::HostWindowOf(form->GetHandle()));
  ASSERT_NE(window.pixels, nullptr);
  host::WritePng(PictureDir() + "/image_fill_spin_edit.png", window);
  EXPECT_EQ(spin->GetText(), "250 px");
  EXPECT_EQ(Shot()->At(fill->GetLeft(), fill->GetTop()), Rgb(clBtnShadow));
}

}  // namespace
}  // namespace styledtest
