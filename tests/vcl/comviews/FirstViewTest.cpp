// A list or tree view that is the first common control of a program (a
// dialog holding only a shell list): it registers the window class it
// subclasses itself, so its window keeps its items and reports its
// selection like any other.
#include "ViewsFixture.h"

namespace viewtest {
namespace {

class FirstViewTest : public ViewsTest {
 protected:
  void SetUp() override {
    ViewsTest::SetUp();
    // As in a program that has made no common control yet.
    ASSERT_TRUE(UnregisterClassA(WC_LISTVIEWA, nullptr));
    ASSERT_TRUE(UnregisterClassA(WC_TREEVIEWA, nullptr));
  }
};

TEST_F(FirstViewTest, AListViewKeepsItsItemsAndReportsAClickedOne) {
  auto* lv = new TListView(host);
  lv->SetParent(host);
  lv->SetBounds(10, 10, 300, 200);
  lv->SetViewStyle(vsList);
  for (const char* caption : {"Kick", "Snare"}) lv->GetItems()->Add()->SetCaption(caption);
  std::vector<std::string> selected;
  lv->OnSelectItem = [&](TObject*, TListItem* item, bool on) {
    if (on) selected.push_back(item->GetCaption());
  };
  Pump();
  EXPECT_EQ(SendMessageA(lv->GetHandle(), LVM_GETITEMCOUNT, 0, 0), 2);
  const TRect r = lv->GetItems()->GetItem(1)->DisplayRect(drLabel);
  ASSERT_GT(r.Width(), 0);
  Click(lv, r.Left + 4, (r.Top + r.Bottom) / 2);
  Pump();
  EXPECT_EQ(selected, std::vector<std::string>{"Snare"});
  delete lv;
}

TEST_F(FirstViewTest, ATreeViewKeepsItsNodes) {
  auto* tv = new TTreeView(host);
  tv->SetParent(host);
  tv->SetBounds(10, 10, 240, 220);
  tv->GetItems()->Add(nullptr, "Kits");
  tv->GetItems()->Add(nullptr, "Skins");
  Pump();
  EXPECT_EQ(SendMessageA(tv->GetHandle(), TVM_GETCOUNT, 0, 0), 2);
  delete tv;
}

}  // namespace
}  // namespace viewtest
