// A headless window with the image combo over the list view base, the list
// in each view style, saved as pictures for a person to look at.
#include <gtest/gtest.h>

#include "controls/shell/UNavImageCombo.h"
#include "controls/shell/UNavTreeList.h"
#include "tests/shell/shared/ViewHost.h"
#include "tests/support/FileListPictures.h"

namespace shelltest {
namespace {

class BasesPictureTest : public ViewHostTest {
 protected:
  std::string HostTitle() const override { return "Look in"; }
};

TEST_F(BasesPictureTest, ComboOverListInEachViewStyle) {
  auto* small = new TImageList(host);
  auto* large = new TImageList(host, 32, 32);
  for (TColor c : {clTeal, clYellow, clSilver, clLime}) {
    AddTestPicture(small, c, TestPictureShape::Square);
    AddTestPicture(large, c, TestPictureShape::Square);
  }
  auto* combo = new TNavCustomImageCombo(host);
  combo->SetParent(host);
  combo->SetBounds(10, 10, 300, 24);
  combo->SetImages(small);
  combo->AddItem("Desktop", 0, 0);
  combo->AddItem("My Computer", 0, 1);
  combo->AddItem("/", 2, 2);
  combo->AddItem("home", 1, 3);
  combo->AddItem("Drums", 1, 4);
  combo->SetItemIndex(4);

  auto* list = new TNavCustomListView(host);
  list->SetParent(host);
  list->SetBounds(10, 44, 620, 360);
  list->SetSmallImages(small);
  list->SetLargeImages(large);
  list->SetHideSelection(false);
  AddFileListColumns(list, 200, 80, 140);
  AddFileListRows(list, {{"Samples", "", "Folder", 1},
                         {"Kick.wav", "24 KB", "Wave sound", 3},
                         {"Snare.wav", "18 KB", "Wave sound", 3},
                         {"Groove.drm", "3 KB", "Drum pattern", 2}});
  list->SetSelected(list->GetItems()->GetItem(1));
  list->SetSortColumn(0);
  list->SetSortDirection(1);
  const std::pair<TViewStyle, const char*> styles[] = {
      {vsIcon, "icons"}, {vsSmallIcon, "small_icons"}, {vsList, "list"}, {vsReport, "details"}};
  for (auto [style, name] : styles) {
    list->SetViewStyle(style);
    EXPECT_EQ(list->GetViewStyle(), style);
    SaveShot(std::string("shell_look_in_") + name);
  }
  // The header is there in details view, owner-drawn.
  ASSERT_NE(list->HeaderWindow(), nullptr);
}

}  // namespace
}  // namespace shelltest
