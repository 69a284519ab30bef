// The custom-draw object's answer to each stage of a notification, and a list
// item coloured through it, checked by pixels.
#include <gtest/gtest.h>

#include "controls/shell/UNavTreeList.h"
#include "tests/shell/shared/ViewHost.h"

namespace shelltest {
namespace {

class CustomDrawTest : public ViewHostTest {};

struct ApplyCase {
  const char* name;
  DWORD stage;
  bool notifyItemDraw;
  bool skipDefault;
  TColor fontColour;  // clNone: unchanged
  TColor brushColour;  // clNone: unchanged
  LRESULT expected;
};

TEST_F(CustomDrawTest, ApplyAnswersEachStage) {
  const ApplyCase cases[] = {
      {"pre-paint asks for items", CDDS_PREPAINT, true, false, clNone, clNone, CDRF_NOTIFYITEMDRAW},
      {"pre-paint without items", CDDS_PREPAINT, false, false, clRed, clNone, 0},
      {"item skipped", CDDS_ITEMPREPAINT, true, true, clRed, clBlue, CDRF_SKIPDEFAULT},
      {"item with a new font", CDDS_ITEMPREPAINT, false, false, clRed, clNone, CDRF_NEWFONT},
      {"item with a new background", CDDS_ITEMPREPAINT, false, false, clNone, clBlue, 0},
      {"item unchanged", CDDS_ITEMPREPAINT, true, false, clNone, clNone, 0},
      {"post-paint", CDDS_POSTPAINT, true, false, clRed, clBlue, 0},
  };
  HDC dc = CreateCompatibleDC(nullptr);
  SetTextColor(dc, RGB(1, 2, 3));
  SetBkColor(dc, RGB(4, 5, 6));
  TFont controlFont;
  for (const ApplyCase& c : cases) {
    SCOPED_TRACE(c.name);
    NMLVCUSTOMDRAW record{};
    record.nmcd.dwDrawStage = c.stage;
    record.nmcd.hdc = dc;
    record.clrText = RGB(7, 7, 7);
    record.clrTextBk = RGB(8, 8, 8);
    LRESULT result = 0x1234;
    TNavLvCustomDraw draw(&record.nmcd, &controlFont, &result);
    // The drawer starts from the device context's colours.
    EXPECT_EQ(ColorToRGB(draw.GetFont()->GetColor()), RGB(1, 2, 3));
    EXPECT_EQ(ColorToRGB(draw.GetBrush()->GetColor()), RGB(4, 5, 6));
    draw.NotifyItemDraw = c.notifyItemDraw;
    draw.SkipDefault = c.skipDefault;
    if (c.fontColour != clNone) draw.GetFont()->SetColor(c.fontColour);
    if (c.brushColour != clNone) draw.GetBrush()->SetColor(c.brushColour);
    draw.Apply();
    EXPECT_EQ(result, c.expected);
    bool itemDrawn = c.stage == CDDS_ITEMPREPAINT && !c.skipDefault;
    EXPECT_EQ(record.clrText, itemDrawn && c.fontColour != clNone ? ColorToRGB(c.fontColour) : RGB(7, 7, 7));
    EXPECT_EQ(record.clrTextBk, itemDrawn && c.brushColour != clNone ? ColorToRGB(c.brushColour) : RGB(8, 8, 8));
    if (c.expected & CDRF_NEWFONT) {
      EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), draw.GetFont()->GetHandle());
    }
  }
  DeleteDC(dc);
}

TEST_F(CustomDrawTest, StageNumbers) {
  const std::pair<DWORD, int> cases[] = {
      {CDDS_PREPAINT, 1}, {CDDS_POSTPAINT, 2}, {CDDS_ITEMPREPAINT, 4}, {CDDS_ITEMPOSTPAINT, 5}, {CDDS_PREERASE, 0}};
  for (auto [stage, number] : cases) {
    NMTVCUSTOMDRAW record{};
    record.nmcd.dwDrawStage = stage;
    record.nmcd.hdc = GetDC(nullptr);
    LRESULT result = 0;
    TNavTvCustomDraw draw(&record.nmcd, nullptr, &result);
    EXPECT_EQ(draw.Stage(), number) << stage;
    ReleaseDC(nullptr, record.nmcd.hdc);
  }
}

// A list whose first item is drawn yellow on navy through the drawer.
class TColouringList : public TNavCustomListView {
 public:
  using TNavCustomListView::TNavCustomListView;
  int drawersMade = 0;

 protected:
  TNavCustomDraw* CustomDrawNotify(NMCUSTOMDRAW* notification, LRESULT& result) override {
    TNavCustomDraw* draw = CreateCustomDraw(notification, result);
    drawersMade++;
    if (draw->Stage() == 4 && notification->dwItemSpec == 0) {
      draw->GetFont()->SetColor(clYellow);
      draw->GetBrush()->SetColor(clNavy);
    }
    draw->Apply();
    if (draw->Stage() == 1) result |= CDRF_NOTIFYITEMDRAW;
    return draw;
  }
};

TEST_F(CustomDrawTest, OneListItemColouredByTheDrawer) {
  auto* list = new TColouringList(host);
  list->SetParent(host);
  list->SetBounds(10, 10, 300, 200);
  list->SetViewStyle(vsList);
  for (const char* caption : {"Kick.wav", "Snare.wav"}) list->GetItems()->Add()->SetCaption(caption);
  PaintNow();
  EXPECT_GT(list->drawersMade, 0);
  TRect first = list->GetItems()->GetItem(0)->DisplayRect(drLabel);
  TRect second = list->GetItems()->GetItem(1)->DisplayRect(drLabel);
  EXPECT_EQ(Pixel(list->GetHandle(), first.Left + 1, first.Top + 1), ColorToRGB(clNavy));
  EXPECT_EQ(Pixel(list->GetHandle(), second.Left + 1, second.Top + 1), ColorToRGB(clWindow));
  SaveShot("shell_list_custom_draw");
}

// A tree whose node "Kits" is drawn yellow on navy; the tree's drawer asks
// for the nodes' own notifications by itself.
class TColouringTree : public TNavCustomTreeView {
 public:
  using TNavCustomTreeView::TNavCustomTreeView;

 protected:
  TNavCustomDraw* CustomDrawNotify(NMCUSTOMDRAW* notification, LRESULT& result) override {
    TNavCustomDraw* draw = CreateCustomDraw(notification, result);
    auto* node = reinterpret_cast<TTreeNode*>(notification->lItemlParam);
    if (draw->Stage() == 4 && node && node->GetText() == "Kits") draw->GetBrush()->SetColor(clNavy);
    draw->Apply();
    return draw;
  }
};

TEST_F(CustomDrawTest, OneTreeNodeColouredByTheDrawer) {
  auto* tree = new TColouringTree(host);
  tree->SetParent(host);
  tree->SetBounds(10, 10, 200, 200);
  TTreeNode* kits = tree->GetItems()->Add(nullptr, "Kits");
  TTreeNode* songs = tree->GetItems()->Add(nullptr, "Songs");
  PaintNow();
  TRect first = kits->DisplayRect(true);
  TRect second = songs->DisplayRect(true);
  EXPECT_EQ(Pixel(tree->GetHandle(), first.Left + 1, first.Top + 1), ColorToRGB(clNavy));
  EXPECT_EQ(Pixel(tree->GetHandle(), second.Left + 1, second.Top + 1), ColorToRGB(clWindow));
}

// The class library's own custom-draw events keep their say: the drawer is not asked.
TEST_F(CustomDrawTest, LibraryEventsTakePrecedence) {
  auto* list = new TColouringList(host);
  list->SetParent(host);
  list->SetBounds(10, 10, 300, 200);
  list->SetViewStyle(vsList);
  list->GetItems()->Add()->SetCaption("Kick.wav");
  int asked = 0;
  list->OnCustomDraw = [&](TCustomListView*, const TRect&, bool&) { asked++; };
  PaintNow();
  EXPECT_GT(asked, 0);
  EXPECT_EQ(list->drawersMade, 0);
}

}  // namespace
}  // namespace shelltest
