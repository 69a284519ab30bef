// The page control: the user's tab click switches pages (OnChanging may
// refuse, OnChange follows); setting ActivePage from code fires neither;
// pages fill the area under the tabs; a page going away hands over.
#include <string>
#include <vector>

#include "fixture.h"

namespace comctrlstest {
namespace {

class PageControlTest : public ComCtrlsTest {
 protected:
  void SetUp() override {
    ComCtrlsTest::SetUp();
    pages = new TPageControl(form);
    pages->SetParent(form);
    pages->SetBounds(10, 10, 300, 200);
    for (const char* caption : {"Mixer", "Steps", "Song"}) {
      auto* sheet = new TTabSheet(form);
      sheet->SetCaption(caption);
      sheet->SetPageControl(pages);
      sheets.push_back(sheet);
    }
    pages->SetActivePage(sheets[0]);
    pages->OnChanging = [this](TObject* sender, bool& allow) {
      EXPECT_EQ(sender, pages);
      log.push_back("changing from " + pages->GetActivePage()->GetCaption());
      allow = allowChange;
    };
    pages->OnChange = [this](TObject*) { log.push_back("change to " + pages->GetActivePage()->GetCaption()); };
    Pump();
  }
  void ClickTab(int index) {
    RECT r;
    SendMessageA(pages->GetHandle(), TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    Click(pages, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }

  TPageControl* pages = nullptr;
  std::vector<TTabSheet*> sheets;
  std::vector<std::string> log;
  bool allowChange = true;
};

TEST_F(PageControlTest, ClickingATabShowsItsPageAndFiresOnChange) {
  ClickTab(1);
  EXPECT_EQ(pages->GetActivePage(), sheets[1]);
  EXPECT_EQ(pages->GetActivePageIndex(), 1);
  EXPECT_TRUE(sheets[1]->GetVisible());
  EXPECT_FALSE(sheets[0]->GetVisible());
  EXPECT_TRUE(IsWindowVisible(sheets[1]->GetHandle()));
  EXPECT_EQ(log, (std::vector<std::string>{"changing from Mixer", "change to Steps"}));
}

TEST_F(PageControlTest, OnChangingRefusesTheNewPage) {
  allowChange = false;
  ClickTab(2);
  EXPECT_EQ(pages->GetActivePage(), sheets[0]);
  EXPECT_EQ(SendMessageA(pages->GetHandle(), TCM_GETCURSEL, 0, 0), 0) << "the tab stays selected too";
  EXPECT_EQ(log, (std::vector<std::string>{"changing from Mixer"}));
}

TEST_F(PageControlTest, ActivePageFromCodeFiresNothingAndMovesTheTab) {
  pages->SetActivePage(sheets[2]);
  pages->SetActivePage(sheets[2]);
  EXPECT_EQ(SendMessageA(pages->GetHandle(), TCM_GETCURSEL, 0, 0), 2);
  EXPECT_TRUE(sheets[2]->GetVisible());
  EXPECT_FALSE(sheets[0]->GetVisible());
  pages->SetActivePageIndex(0);
  EXPECT_EQ(pages->GetActivePage(), sheets[0]);
  EXPECT_TRUE(log.empty());
  // A sheet of another page control is refused.
  TPageControl other(nullptr);
  TTabSheet stranger(nullptr);
  stranger.SetPageControl(&other);
  pages->SetActivePage(&stranger);
  EXPECT_EQ(pages->GetActivePage(), sheets[0]);
}

TEST_F(PageControlTest, PagesFillTheAreaUnderTheTabs) {
  RECT display;
  GetClientRect(pages->GetHandle(), &display);
  SendMessageA(pages->GetHandle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  // Each page as it shows.
  for (TTabSheet* sheet : sheets) {
    pages->SetActivePage(sheet);
    EXPECT_EQ(sheet->GetBoundsRect(), TRect(display)) << sheet->GetCaption();
  }
  pages->SetBounds(10, 10, 200, 150);
  GetClientRect(pages->GetHandle(), &display);
  SendMessageA(pages->GetHandle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  EXPECT_EQ(sheets[2]->GetBoundsRect(), TRect(display)) << "and when the control is resized";
}

TEST_F(PageControlTest, TabsFollowCaptionsOrderAndRemovedPages) {
  auto tabText = [&](int index) {
    char text[64] = {0};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(pages->GetHandle(), TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return std::string(text);
  };
  sheets[1]->SetCaption("Pattern");
  EXPECT_EQ(tabText(1), "Pattern");
  sheets[2]->SetPageIndex(0);
  EXPECT_EQ(pages->GetPages(0), sheets[2]);
  EXPECT_EQ(tabText(0), "Song");
  EXPECT_EQ(pages->GetActivePageIndex(), 1) << "Mixer moved to index 1 and stays active";
  // Deleting the active page shows the next one, without OnChange.
  delete sheets[0];
  EXPECT_EQ(pages->GetPageCount(), 2);
  EXPECT_EQ(pages->GetActivePage(), sheets[1]);
  EXPECT_TRUE(sheets[1]->GetVisible());
  EXPECT_EQ(SendMessageA(pages->GetHandle(), TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace comctrlstest
