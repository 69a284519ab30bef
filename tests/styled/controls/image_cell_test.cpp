// The image controls: the style table's flag word, auto-size, when a step
// cell repaints, an opaque cell's repaint with the controls lying over it,
// the faces drawn from the bitmap list, and TStyNImage's link and
// transparency modes.
#include <memory>
#include <vector>

#include "controls/styled/styctrlA.h"
#include "image_faces.h"
#include "styled/shared/fixture.h"

namespace styledtest {
namespace {

// A cell that counts its paints.
class CountingCell : public TStyLImage {
 public:
  using TStyLImage::TStyLImage;
  int paints = 0;

 protected:
  void Paint() override {
    ++paints;
    TStyLImage::Paint();
  }
};

TEST(ImageStyle, FlagWordFollowsTheBevel) {
  struct Case {
    TStyBitmapStyle style;
    std::uint16_t noBevel, bevel;
  } cases[] = {
      {sbNone, 0x0000, 0x0001},      {sbAutosize, 0x0000, 0x0001},   {sbCenter, 0x0008, 0x0009},
      {sbStretch, 0x0011, 0x0010},   {sbTile, 0x0020, 0x0021},       {sbKeepAspRatio, 0x0611, 0x0610},
      {sbKeepWidth, 0x0210, 0x0211}, {sbKeepHeight, 0x0410, 0x0411},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BitmapStyleFlags(c.style, 0), c.noBevel) << static_cast<int>(c.style);
    EXPECT_EQ(BitmapStyleFlags(c.style, 1), c.bevel) << static_cast<int>(c.style);
    EXPECT_EQ(BitmapStyleFlags(c.style, 3), c.bevel) << static_cast<int>(c.style);
  }
}

class ImageCell : public StyledProcs {
 protected:
  void SetUp() override {
    StyledProcs::SetUp();
    faces = MakeFaces();
    form = new TForm(nullptr);
    form->SetBounds(0, 0, 300, 120);
    form->SetColor(kFormColour);
    form->Show();
    Pump();
  }
  void TearDown() override {
    delete form;
    faces.reset();
    StyledProcs::TearDown();
  }
  template <class Cell = TStyLImage>
  Cell* AddCell(int left, int top, int listIndex = 0) {
    auto* cell = new Cell(form);
    cell->SetParent(form);
    cell->SetBounds(left, top, 15, 11);
    cell->SetImageList(faces.get());
    cell->SetListIndex(listIndex);
    return cell;
  }
  // The form as it shows now.
  std::unique_ptr<Sheet> Shot() {
    auto sheet = std::make_unique<Sheet>(form->GetClientWidth(), form->GetClientHeight());
    form->PaintTo(sheet->Canvas()->GetHandle(), 0, 0);
    return sheet;
  }
  void RaiseBevel(TStyGraphicControl* control) {
    control->GetBevel()->SetStyleOuter(bvRaised);
    control->GetBevel()->SetWidthOuter(1);
    ASSERT_EQ(control->GetBevel()->GetExtent(), 1);
  }

  std::unique_ptr<TStyBitmapList> faces;
  TForm* form = nullptr;
};

TEST_F(ImageCell, StyleFlagsOfACell) {
  TStyLImage* cell = AddCell(10, 10);
  cell->SetStyle(sbStretch);
  EXPECT_EQ(cell->StyleFlags(), 0x0011);
  cell->SetStyle(sbNone);
  EXPECT_EQ(cell->StyleFlags(), 0x0000);
  RaiseBevel(cell);
  EXPECT_EQ(cell->StyleFlags(), 0x0001);
  cell->SetStyle(sbStretch);
  EXPECT_EQ(cell->StyleFlags(), 0x0010);
}

TEST_F(ImageCell, AutosizeTakesThePictureOrTwentyPlusTheBevel) {
  TStyLImage* cell = AddCell(10, 10, 7);  // no item 7
  cell->SetStyle(sbAutosize);
  Shot();
  EXPECT_EQ(cell->GetWidth(), 20);
  EXPECT_EQ(cell->GetHeight(), 20);
  RaiseBevel(cell);
  EXPECT_TRUE(cell->AdjustImageSize());
  EXPECT_EQ(cell->GetBoundsRect(), TRect(10, 10, 32, 32));
  EXPECT_FALSE(cell->AdjustImageSize()) << "already that size";
  cell->SetListIndex(1);
  Shot();
  EXPECT_EQ(cell->GetBoundsRect(), TRect(10, 10, 27, 23)) << "15 x 11 and the bevel";
  cell->SetStyle(sbNone);
  cell->SetBounds(10, 10, 5, 5);
  EXPECT_FALSE(cell->AdjustImageSize()) << "only sbAutosize sizes";
}

TEST_F(ImageCell, AnAlignedAutosizeImageSizesOnlyTheSidesItsAlignmentLeavesFree) {
  TStyLImage* cell = AddCell(10, 10, 1);  // a 15 x 11 face
  cell->SetStyle(sbAutosize);
  cell->SetAlign(alClient);
  const TRect filled = cell->GetBoundsRect();
  EXPECT_FALSE(cell->AdjustImageSize()) << "both sides belong to the form";
  EXPECT_EQ(cell->GetBoundsRect(), filled);
  cell->SetAlign(alTop);
  EXPECT_TRUE(cell->AdjustImageSize());
  EXPECT_EQ(cell->GetHeight(), 11);
  EXPECT_EQ(cell->GetWidth(), form->GetClientWidth()) << "the width stays the form's";
  EXPECT_FALSE(cell->AdjustImageSize()) << "settled";
  cell->SetAlign(alLeft);
  EXPECT_TRUE(cell->AdjustImageSize());
  EXPECT_EQ(cell->GetWidth(), 15);
  EXPECT_FALSE(cell->AdjustImageSize());
  Shot();  // paints once and returns
}

TEST_F(ImageCell, ListIndexRepaintsOnlyOnARealChange) {
  auto* cell = AddCell<CountingCell>(10, 10, 1);
  Pump();
  cell->paints = 0;
  cell->SetListIndex(1);
  cell->SetListIndex(-1);
  Pump();
  EXPECT_EQ(cell->paints, 0);
  EXPECT_EQ(cell->GetListIndex(), 1);
  // How the step grid forces a repaint of an unchanged face.
  cell->SetListIndex(2);
  cell->SetListIndex(1);
  Pump();
  EXPECT_GE(cell->paints, 1);
  EXPECT_EQ(Shot()->At(17, 15), kFaces[1]);
}

TEST_F(ImageCell, OpaqueCellRepaintsAtOnceWithTheControlsOverIt) {
  auto* cell = AddCell<CountingCell>(10, 10, 0);
  cell->SetTransparent(false);
  auto* over = AddCell<CountingCell>(20, 15, 3);  // above it and overlapping
  auto* apart = AddCell<CountingCell>(60, 10, 3);  // above it, elsewhere
  Pump();
  cell->paints = over->paints = apart->paints = 0;
  cell->SetListIndex(1);
  EXPECT_EQ(cell->paints, 1) << "painted at once, without a pass of the loop";
  EXPECT_EQ(over->paints, 1);
  EXPECT_EQ(apart->paints, 0);
  auto shot = Shot();
  EXPECT_EQ(shot->At(17, 13), kFaces[1]);
  EXPECT_EQ(shot->At(27, 20), kFaces[3]) << "the overlapping cell stays on top";
}

TEST_F(ImageCell, ForceTransparentShowsWhatLiesUnderTheKeyColour) {
  TStyLImage* cell = AddCell(10, 10, 1);
  auto plain = Shot();
  EXPECT_EQ(plain->At(10, 10), kKey);
  cell->SetForceTransparent(true);
  Pump();
  auto shot = Shot();
  EXPECT_EQ(shot->At(10, 10), kFormColour) << "the form's colour through the corner";
  EXPECT_EQ(shot->At(17, 15), kFaces[1]);
}

TEST_F(ImageCell, EmptyCellShowsOnlyItsBackgroundAndBevel) {
  TStyLImage* cell = AddCell(10, 10, 9);
  cell->SetTransparent(false);
  cell->SetColor(clRed);
  auto shot = Shot();
  EXPECT_EQ(shot->At(17, 15), Rgb(clRed));
  EXPECT_TRUE(cell->IsEmpty());
  EXPECT_EQ(cell->GetPalette(), nullptr);
}

// A list whose drawing fails, as a damaged picture would.
class FailingList : public TStyBitmapList {
 public:
  using TStyBitmapList::TStyBitmapList;
  void DrawFlagged(TCanvas*, const TRect&, std::uint16_t, TStyPackedOrigin, TColor, int, int) override {
    throw EInvalidOperation("picture cannot be drawn");
  }
};

TEST_F(ImageCell, FailedDrawingIsDroppedAndTheBevelStays) {
  FailingList failing(nullptr);
  failing.AddItem(nullptr);
  failing.GetBitmapItem(0)->SetBitmap(Sheet(15, 11, clBlue).bitmap.get());
  TStyLImage* cell = AddCell(10, 10, 0);
  cell->SetImageList(&failing);
  RaiseBevel(cell);
  std::unique_ptr<Sheet> shot;
  EXPECT_NO_THROW(shot = Shot());
  EXPECT_EQ(shot->At(10, 10), Rgb(clBtnHighlight));
  EXPECT_EQ(shot->At(17, 15), kFormColour);
  cell->SetImageList(nullptr);
}

TEST_F(ImageCell, RowOfStepCellsPicture) {
  form->SetClientWidth(16 * 17 + 8);
  form->SetClientHeight(2 * 15 + 8);
  const int pattern[16] = {1, 0, 0, 0, 1, 0, 3, 0, 1, 0, 0, 1, 1, 0, 2, 0};
  std::vector<TStyLImage*> cells;
  for (int s = 0; s < 16; ++s) {
    cells.push_back(AddCell(4 + s * 17, 4, pattern[s]));
    cells.back()->SetForceTransparent(true);
    TStyLImage* raised = AddCell(4 + s * 17, 19, pattern[15 - s]);
    RaiseBevel(raised);
    raised->SetStyle(sbAutosize);
  }
  Pump();
  auto shot = Shot();
  SavePicture(shot->bitmap.get(), "image_step_cells.png");
  for (int s = 0; s < 16; ++s) EXPECT_EQ(shot->At(4 + s * 17 + 7, 9), kFaces[pattern[s]]) << "cell " << s;
}

class NImage : public ImageCell {
 protected:
  TStyNImage* AddImage(TColor color, int left) {
    auto* image = new TStyNImage(form);
    image->SetParent(form);
    image->SetBounds(left, 10, 20, 20);
    Sheet picture(20, 20, color);
    picture.Canvas()->GetBrush()->SetColor(clWhite);
    picture.Canvas()->FillRect(TRect(5, 5, 15, 15));
    image->SetBitmap(picture.bitmap.get());
    return image;
  }
};

TEST_F(NImage, LinkedImageShowsTheOthersBitmapUntilItGoes) {
  TStyNImage* own = AddImage(clNavy, 10);
  TStyNImage* other = AddImage(clMaroon, 40);
  own->SetControl(own);
  EXPECT_EQ(own->GetControl(), nullptr) << "an image does not link to itself";
  own->SetControl(other);
  EXPECT_EQ(own->CurrentBitmap(), other->GetBitmap());
  EXPECT_EQ(Shot()->At(11, 11), Rgb(clMaroon));
  delete other;
  EXPECT_EQ(own->GetControl(), nullptr);
  EXPECT_EQ(Shot()->At(11, 11), Rgb(clNavy));
}

TEST_F(NImage, TransparentModesChooseTheKeyAndWhatReplacesIt) {
  // A navy picture (its own key, the lower-left pixel) with a white square.
  TStyNImage* image = AddImage(clNavy, 10);
  image->GetTransparentStyle()->SetColor(clWhite);
  struct Case {
    TStyTransparentMode mode;
    TColor navyPart, whitePart;
  } cases[] = {
      {tpNone, Rgb(clNavy), Rgb(clWhite)},
      {tpRestoreBack, kFormColour, Rgb(clWhite)},  // the picture's own key shows the form
      {tpRBTranspColor, Rgb(clNavy), kFormColour},  // the given colour shows the form
      {tpTransparentColor, Rgb(clWhite), Rgb(clWhite)},  // the own key painted in the given colour
  };
  for (const Case& c : cases) {
    image->GetTransparentStyle()->SetMode(c.mode);
    auto shot = Shot();
    EXPECT_EQ(shot->At(11, 11), c.navyPart) << static_cast<int>(c.mode);
    EXPECT_EQ(shot->At(20, 20), c.whitePart) << static_cast<int>(c.mode);
  }
}

TEST_F(NImage, AutosizeTakesTheBitmap) {
  TStyNImage* image = AddImage(clNavy, 10);
  image->SetStyle(sbAutosize);
  image->SetBitmap(Sheet(30, 40).bitmap.get());
  Shot();
  EXPECT_EQ(image->GetWidth(), 30);
  EXPECT_EQ(image->GetHeight(), 40);
}

}  // namespace
}  // namespace styledtest

namespace styledtest {
namespace {

// What a form file says of a step cell comes back as written.
TEST_F(StyledProcs, CellStreamsItsSettings) {
  TStyLImage cell(nullptr);
  cell.SetName("M03_12");
  cell.SetStyle(sbStretch);
  cell.SetForceTransparent(true);
  cell.SetSilentMove(true);
  cell.SetQuickDraw(false);
  cell.SetTransparent(false);
  cell.SetListIndex(3);
  cell.GetBevel()->SetStyleOuter(bvLowered);
  TMemoryStream binary;
  WriteComponent(&binary, &cell);
  binary.SetPosition(0);
  TStringStream text;
  ObjectBinaryToText(&binary, &text);
  for (const char* line : {"Style = sbStretch", "ForceTransparent = True", "SilentMove = True", "QuickDraw = False",
                           "Transparent = False", "ListIndex = 3", "Bevel.StyleOuter = bvLowered"})
    EXPECT_NE(text.GetDataString().find(line), std::string::npos) << line << "\n" << text.GetDataString();
  binary.SetPosition(0);
  TStyLImage back(nullptr);
  ReadComponent(&binary, &back);
  EXPECT_EQ(back.GetStyle(), sbStretch);
  EXPECT_TRUE(back.GetForceTransparent());
  EXPECT_TRUE(back.GetSilentMove());
  EXPECT_FALSE(back.GetQuickDraw());
  EXPECT_FALSE(back.GetTransparent());
  EXPECT_EQ(back.GetListIndex(), 3);
  EXPECT_EQ(back.GetBevel()->GetStyleOuter(), bvLowered);
}

}  // namespace
}  // namespace styledtest
