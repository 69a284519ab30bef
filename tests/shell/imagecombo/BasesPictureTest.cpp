// A headless window with the image combo over the list view base, the list
// in each view style, saved as pictures for a person to look at.
#include <gtest/gtest.h>

#include "controls/shell/UNavImageCombo.h"
#include "controls/shell/UNavTreeList.h"
#include "tests/shell/shared/ViewHost.h"

namespace shelltest {
namespace {

class BasesPictureTest : public ViewHostTest {
 protected:
  std::string HostTitle() const override { return "Look in"; }
};

// A picture of size x size: a coloured square with a dark frame on fuchsia.
void AddPicture(TImageList* list, TColor fill) {
  int s = list->GetWidth();
  TBitmap b;
  b.SetSize(s, s);
  TCanvas* c = b.GetCanvas();
  c->GetBrush()->SetColor(clFuchsia);
  c->FillRect(TRect(0, 0, s, s));
  c->GetBrush()->SetColor(fill);
  c->GetPen()->SetColor(clBlack);
  c->Rectangle(1, 2, s - 1, s - 2);
  list->AddMasked(&b, clFuchsia);
}

TEST_F(BasesPictureTest, ComboOverListInEachViewStyle) {
  auto* small = new TImageList(host);
  auto* large = new TImageList(host, 32, 32);
  for (TColor c : {clTeal, clYellow, clSilver, clLime}) {
    AddPicture(small, c);
    AddPicture(large, c);
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
  const char* names[] = {"Name", "Size", "Type"};
  int widths[] = {200, 80, 140};
  for (int i = 0; i < 3; i++) {
    TListColumn* col = list->GetColumns()->Add();
    col->SetCaption(names[i]);
    col->SetWidth(widths[i]);
    if (i == 1) col->SetAlignment(taRightJustify);
  }
  struct Row {
    const char* name;
    const char* size;
    const char* type;
    int image;
  };
  for (const Row& r : {Row{"Samples", "", "Folder", 1}, Row{"Kick.wav", "24 KB", "Wave sound", 3},
                       Row{"Snare.wav", "18 KB", "Wave sound", 3}, Row{"Groove.drm", "3 KB", "Drum pattern", 2}}) {
    TListItem* item = list->GetItems()->Add();
    item->SetCaption(r.name);
    item->SetImageIndex(r.image);
    item->GetSubItems()->Add(r.size);
    item->GetSubItems()->Add(r.type);
  }
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
