// TStyBack on a shown headless form: the list item tiled over the client
// area in place of the form's colour, the form's own erasing where there is
// no item, and the owner-drawn fill with and without the form's colour.
#include <memory>

#include "controls/styled/stycont.h"
#include "controls/styled/styformA.h"
#include "platform/win/windows.h"
#include "styled/shared/fixture.h"

namespace styledtest {
namespace {

constexpr TColor kLight = 0x8080F0;
constexpr TColor kDark = 0xA06030;

class Back : public StyledProcs {
 protected:
  void SetUp() override {
    StyledProcs::SetUp();
    tiles = std::make_unique<TStyBitmapList>(nullptr);
    Sheet tile(16, 16, kDark);
    tile.Canvas()->GetBrush()->SetColor(kLight);
    tile.Canvas()->FillRect(TRect(0, 0, 8, 8));
    tiles->GetBitmapItem(tiles->AddItem(nullptr))->SetBitmap(tile.bitmap.get());
    form = new TForm(nullptr);
    form->SetBounds(0, 0, 200, 150);
    form->SetColor(kFormColour);
    form->Show();
    Pump();
  }
  void TearDown() override {
    delete form;
    tiles.reset();
    StyledProcs::TearDown();
  }
  TColor Client(int x, int y) {
    HWND wnd = form->GetHandle();
    HDC dc = GetDC(wnd);
    const TColor c = static_cast<TColor>(GetPixel(dc, x, y) & 0xFFFFFF);
    ReleaseDC(wnd, dc);
    return c;
  }
  TStyBack* AddBack() {
    auto* b = new TStyBack(form);
    b->Activate();
    Pump();
    return b;
  }

  std::unique_ptr<TStyBitmapList> tiles;
  TForm* form = nullptr;
};

TEST_F(Back, TilesTheListItemOverTheClientArea) {
  TStyBack* back = AddBack();
  back->SetImageList(tiles.get());
  Pump();
  const int w = form->GetClientWidth(), h = form->GetClientHeight();
  struct Point {
    int x, y;
    TColor colour;
  };
  for (const Point& p : {Point{1, 1, kLight}, Point{9, 1, kDark}, Point{17, 1, kLight}, Point{1, 17, kLight},
                         Point{9, 9, kDark}, Point{w - 1 - (w - 1) % 16 + 1, h - 1 - (h - 1) % 16 + 1, kLight}}) {
    SCOPED_TRACE(std::to_string(p.x) + "," + std::to_string(p.y));
    EXPECT_EQ(Client(p.x, p.y), Rgb(p.colour));
  }
  back->SetEnabled(false);
  Pump();
  EXPECT_EQ(Client(1, 1), kFormColour) << "the form erases again";
}

TEST_F(Back, WithoutAnItemLeavesErasingToTheForm) {
  TStyBack* back = AddBack();
  EXPECT_EQ(Client(1, 1), kFormColour);
  back->SetImageList(tiles.get());
  back->SetListIndex(3);
  Pump();
  EXPECT_EQ(Client(1, 1), kFormColour) << "an item the list does not have";
}

TEST_F(Back, OwnerDrawFillsWithTheFormColourFirstWhenAsked) {
  TStyBack* back = AddBack();
  back->SetImageList(tiles.get());
  TRect given;
  back->OnPaint = [&](TObject*, TCanvas* canvas, const TRect& r) {
    given = r;
    canvas->GetBrush()->SetColor(clRed);
    canvas->FillRect(TRect(0, 0, 10, 10));
  };
  back->SetPaintMode(pcOwnerDraw);
  Pump();
  EXPECT_EQ(given, TRect(0, 0, form->GetClientWidth(), form->GetClientHeight()));
  EXPECT_EQ(Client(1, 1), Rgb(clRed));
  EXPECT_EQ(Client(20, 20), kFormColour);
}

// A styler and a fill both hook the form; freeing the one hooked first must
// neither unhook the other nor leave a dead procedure on the window.
TEST_F(Back, TwoHooksOnOneFormComeOffInEitherOrder) {
  HWND wnd = form->GetHandle();
  const LONG_PTR own = GetWindowLongPtrA(wnd, GWLP_WNDPROC);
  for (bool firstGoesFirst : {true, false}) {
    SCOPED_TRACE(firstGoesFirst);
    auto* styler = new TStyFormStyler(form);
    styler->Activate();
    TStyBack* back = AddBack();
    back->SetImageList(tiles.get());
    ASSERT_TRUE(styler->GetHooked() && back->GetHooked());
    if (firstGoesFirst) {
      delete styler;
      form->Invalidate();
      Pump();
      EXPECT_EQ(Client(1, 1), Rgb(kLight)) << "the fill still paints";
      delete back;
    } else {
      delete back;
      delete styler;
    }
    EXPECT_EQ(GetWindowLongPtrA(wnd, GWLP_WNDPROC), own) << "the form's own procedure is back";
    form->Invalidate();
    Pump();
    EXPECT_EQ(Client(1, 1), kFormColour);
  }
}

}  // namespace
}  // namespace styledtest
