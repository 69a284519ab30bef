// A test form with a tree view and list views in report and icon views, all
// drawing from image lists, saved as a picture for a person to look at (into
// DRUMS_SCREENSHOTS when it is set, else the test's temporary folder).
#include <cstdlib>
#include <filesystem>

#include "ViewsFixture.h"
#include "platform/host/headless.h"
#include "platform/host/host.h"
#include "support/FileListPictures.h"
#include "support/TempFolder.h"

namespace viewtest {
namespace {

class ViewsScreenshot : public ViewsTest {};

TEST_F(ViewsScreenshot, TreeAndListViewsWithImages) {
  host->SetText("Tree and list views");
  auto* small = new TImageList(host);
  auto* large = new TImageList(host, 32, 32);
  for (TColor c : {clYellow, clAqua, clLime, clRed}) {
    AddTestPicture(small, c, TestPictureShape::Disc);
    AddTestPicture(large, c, TestPictureShape::Disc);
  }

  auto* tree = new TTreeView(host);
  tree->SetParent(host);
  tree->SetBounds(10, 10, 200, 400);
  tree->SetImages(small);
  tree->SetHideSelection(false);
  tree->OnGetImageIndex = [](TObject*, TTreeNode* node) { node->SetImageIndex(node->GetLevel() == 0 ? 0 : 1); };
  tree->OnGetSelectedIndex = [](TObject*, TTreeNode* node) { node->SetSelectedIndex(2); };
  TTreeNode* kits = tree->GetItems()->Add(nullptr, "Kits");
  for (const char* k : {"Acoustic", "Electro", "Hip hop"}) tree->GetItems()->AddChild(kits, k);
  TTreeNode* songs = tree->GetItems()->Add(nullptr, "Songs");
  songs->SetHasChildren(true);
  TTreeNode* skins = tree->GetItems()->Add(nullptr, "Skins");
  tree->GetItems()->AddChild(skins, "Classic");
  kits->Expand(false);
  tree->SetSelected(kits->GetItem(1));

  auto* report = new TListView(host);
  report->SetParent(host);
  report->SetBounds(220, 10, 410, 190);
  report->SetViewStyle(vsReport);
  report->SetSmallImages(small);
  report->SetRowSelect(true);
  report->SetHideSelection(false);
  AddFileListColumns(report, 170, 80, 130);
  AddFileListRows(report, {{"Kick drum.wav", "24 KB", "Wave sound", 2},
                           {"Snare.wav", "18 KB", "Wave sound", 2},
                           {"Samples", "", "File folder", 0},
                           {"Open hat.wav", "31 KB", "Wave sound", 3}});
  report->SetSelected(report->GetItems()->GetItem(1));

  auto* icons = new TListView(host);
  icons->SetParent(host);
  icons->SetBounds(220, 210, 410, 200);
  icons->SetViewStyle(vsIcon);
  icons->SetLargeImages(large);
  icons->SetHideSelection(false);
  int k = 0;
  for (const char* name : {"Kick", "Snare", "Hat", "Tom", "Clap", "Crash"}) {
    TListItem* item = icons->GetItems()->Add();
    item->SetCaption(name);
    item->SetImageIndex(k++ % 4);
  }
  icons->GetItems()->GetItem(2)->SetSelected(true);

  PaintNow();
  // The pictures are where the views put them.
  TRect icon = report->GetItems()->GetItem(0)->DisplayRect(drIcon);
  EXPECT_EQ(Pixel(report, (icon.Left + icon.Right) / 2, (icon.Top + icon.Bottom) / 2), ColorToRGB(clLime));
  icon = icons->GetItems()->GetItem(3)->DisplayRect(drIcon);
  EXPECT_EQ(Pixel(icons, (icon.Left + icon.Right) / 2, (icon.Top + icon.Bottom) / 2), ColorToRGB(clRed));

  // A folder of this run's own unless one is named: a fixed name in the
  // shared temporary folder would meet another user's run there.
  TempFolder own;
  const char* env = std::getenv("DRUMS_SCREENSHOTS");
  std::filesystem::path dir = env && *env ? std::filesystem::path(env) : std::filesystem::path(own.Path());
  std::filesystem::create_directories(dir);
  std::filesystem::path file = dir / "vcl_tree_and_list_views.png";
  host::WindowId id = 0;
  for (host::WindowId w : host::headless::Windows()) {
    host::headless::WindowState s;
    if (host::headless::GetWindowState(w, s) && s.title == "Tree and list views") id = w;
  }
  ASSERT_NE(id, 0u);
  ASSERT_TRUE(host::Get().Screenshot(id, file.string()));
  EXPECT_TRUE(std::filesystem::exists(file));
}

}  // namespace
}  // namespace viewtest
