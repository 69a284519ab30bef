// The list view: the order of its events on a click, quiet setters, label
// editing, sorting, image lists shared with others, and items that outlive
// the window.
#include <algorithm>

#include "ViewsFixture.h"
#include "platform/win/shellapi.h"

namespace viewtest {
namespace {

class ListViewTest : public ViewsTest {
 protected:
  TListView* MakeList(TViewStyle style, std::initializer_list<const char*> captions) {
    auto* lv = new TListView(host);
    lv->SetParent(host);
    lv->SetBounds(10, 10, 300, 200);
    lv->SetViewStyle(style);
    if (style == vsReport) {
      TListColumn* name = lv->GetColumns()->Add();
      name->SetCaption("Name");
      name->SetWidth(120);
      TListColumn* size = lv->GetColumns()->Add();
      size->SetCaption("Size");
      size->SetWidth(60);
    }
    for (const char* c : captions) lv->GetItems()->Add()->SetCaption(c);
    Pump();
    return lv;
  }
  void Record(TListView* lv) {
    lv->OnChanging = [this](TObject*, TListItem* item, TItemChange change, bool&) {
      log.push_back("changing " + item->GetCaption() + " " + std::to_string(change));
    };
    lv->OnChange = [this](TObject*, TListItem* item, TItemChange change) {
      log.push_back("change " + item->GetCaption() + " " + std::to_string(change));
    };
    lv->OnSelectItem = [this](TObject*, TListItem* item, bool selected) {
      log.push_back("select " + item->GetCaption() + (selected ? " on" : " off"));
    };
    lv->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { log.push_back("mouse down"); };
    lv->OnClick = [this](TObject*) { log.push_back("click"); };
    lv->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { log.push_back("mouse up"); };
  }
  // The captions in the order the window shows them.
  static std::vector<std::string> WindowOrder(TListView* lv) {
    std::vector<std::string> out;
    int n = static_cast<int>(SendMessageA(lv->GetHandle(), LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < n; i++) {
      char buffer[64] = {0};
      LVITEMA it{};
      it.iSubItem = 0;
      it.pszText = buffer;
      it.cchTextMax = sizeof buffer;
      SendMessageA(lv->GetHandle(), LVM_GETITEMTEXTA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&it));
      out.push_back(buffer);
    }
    return out;
  }
  static std::vector<std::string> ModelOrder(TListView* lv) {
    std::vector<std::string> out;
    for (int i = 0; i < lv->GetItems()->GetCount(); i++) out.push_back(lv->GetItems()->GetItem(i)->GetCaption());
    return out;
  }
};

// The window acts on a button before the control's own handling runs, so the
// selection events come first.
TEST_F(ListViewTest, ButtonsReportTheSelectionBeforeTheMouseEvents) {
  struct Case {
    const char* name;
    std::vector<UINT> messages;  // sent to the second item's label
    std::vector<std::string> expected;
  };
  const std::vector<std::string> moveSelection = {"changing Kick 2",  "change Kick 2",  "select Kick off",
                                                  "changing Snare 2", "change Snare 2", "select Snare on"};
  auto with = [&](std::vector<std::string> tail) {
    std::vector<std::string> all = moveSelection;
    all.insert(all.end(), tail.begin(), tail.end());
    return all;
  };
  const Case cases[] = {
      {"left click", {WM_LBUTTONDOWN, WM_LBUTTONUP}, with({"mouse down", "click", "mouse up"})},
      {"right click", {WM_RBUTTONDOWN, WM_RBUTTONUP}, with({"mouse down", "mouse up"})},
      {"double click",
       {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP},
       with({"mouse down", "click", "mouse up", "double click", "mouse down", "mouse up"})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TListView* lv = MakeList(vsReport, {"Kick", "Snare"});
    lv->SetSelected(lv->GetItems()->GetItem(0));
    Record(lv);
    lv->OnDblClick = [this](TObject*) { log.push_back("double click"); };
    log.clear();
    TRect r = lv->GetItems()->GetItem(1)->DisplayRect(drLabel);
    ASSERT_GT(r.Width(), 0);
    for (UINT msg : c.messages) {
      WPARAM keys = msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK ? MK_LBUTTON
                    : msg == WM_RBUTTONDOWN                          ? MK_RBUTTON
                                                                     : 0;
      SendMessageA(lv->GetHandle(), msg, keys, PointToLParam(r.Left + 4, (r.Top + r.Bottom) / 2));
    }
    Pump();
    EXPECT_EQ(log, c.expected);
    EXPECT_EQ(lv->GetSelected(), lv->GetItems()->GetItem(1));
    EXPECT_EQ(lv->GetItemFocused(), lv->GetItems()->GetItem(1));
    delete lv;
  }
}

TEST_F(ListViewTest, OnChangingCanRefuseASelection) {
  TListView* lv = MakeList(vsList, {"Kick", "Snare"});
  lv->OnChanging = [](TObject*, TListItem* item, TItemChange, bool& allow) { allow = item->GetCaption() != "Snare"; };
  int selected = 0;
  lv->OnSelectItem = [&](TObject*, TListItem*, bool) { selected++; };
  lv->GetItems()->GetItem(1)->SetSelected(true);
  EXPECT_FALSE(lv->GetItems()->GetItem(1)->GetSelected());
  EXPECT_EQ(selected, 0);
  lv->GetItems()->GetItem(0)->SetSelected(true);
  EXPECT_TRUE(lv->GetItems()->GetItem(0)->GetSelected());
  EXPECT_EQ(selected, 1);
}

TEST_F(ListViewTest, SettingAPropertyToItsValueFiresNothing) {
  TListView* lv = MakeList(vsReport, {"Kick", "Snare"});
  TListItem* kick = lv->GetItems()->GetItem(0);
  kick->SetSelected(true);
  kick->SetImageIndex(2);
  Record(lv);
  struct Case {
    const char* name;
    std::function<void()> set;
  };
  const Case cases[] = {
      {"caption", [&] { kick->SetCaption("Kick"); }},
      {"image", [&] { kick->SetImageIndex(2); }},
      {"selected", [&] { kick->SetSelected(true); }},
      {"focused", [&] { kick->SetFocused(kick->GetFocused()); }},
      {"cut", [&] { kick->SetCut(false); }},
      {"list selection", [&] { lv->SetSelected(kick); }},
      {"view style", [&] { lv->SetViewStyle(vsReport); }},
      {"multi select", [&] { lv->SetMultiSelect(false); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    log.clear();
    c.set();
    Pump();
    EXPECT_TRUE(log.empty()) << log.front();
  }
  // A new value is heard.
  log.clear();
  kick->SetCaption("Bass drum");
  EXPECT_EQ(log, (std::vector<std::string>{"changing Bass drum 0", "change Bass drum 0"}));
  EXPECT_EQ(WindowOrder(lv).front(), "Bass drum");
}

TEST_F(ListViewTest, LabelEditingGoesThroughOnEditedAndReadOnlyRefusesIt) {
  TListView* lv = MakeList(vsList, {"Kick", "Snare"});
  TListItem* snare = lv->GetItems()->GetItem(1);
  std::string heard;
  lv->OnEdited = [&](TObject*, TListItem* item, std::string& s) {
    heard = item->GetCaption() + " -> " + s;
    s += " 2";
  };
  ASSERT_TRUE(snare->EditCaption());
  EXPECT_TRUE(lv->IsEditing());
  HWND editor = reinterpret_cast<HWND>(SendMessageA(lv->GetHandle(), LVM_GETEDITCONTROL, 0, 0));
  ASSERT_NE(editor, nullptr);
  SetWindowTextA(editor, "Rim");
  SendMessageA(editor, WM_KEYDOWN, VK_RETURN, 0);
  Pump();
  EXPECT_EQ(heard, "Snare -> Rim");
  EXPECT_EQ(snare->GetCaption(), "Rim 2");
  EXPECT_EQ(WindowOrder(lv)[1], "Rim 2");

  // Cancelling changes nothing; a read-only list does not edit at all.
  heard.clear();
  ASSERT_TRUE(snare->EditCaption());
  snare->CancelEdit();
  Pump();
  EXPECT_TRUE(heard.empty());
  EXPECT_EQ(snare->GetCaption(), "Rim 2");
  lv->SetReadOnly(true);
  EXPECT_FALSE(snare->EditCaption());
  EXPECT_FALSE(lv->IsEditing());
}

TEST_F(ListViewTest, AlphaSortAndCustomSortOrderModelAndWindowAlike) {
  TListView* lv = MakeList(vsReport, {"snare", "Kick", "hat", "Clap"});
  lv->GetItems()->GetItem(0)->SetSelected(true);
  lv->AlphaSort();
  const std::vector<std::string> alpha = {"Clap", "hat", "Kick", "snare"};
  EXPECT_EQ(ModelOrder(lv), alpha);
  EXPECT_EQ(WindowOrder(lv), alpha);
  // The selection travels with its item.
  EXPECT_EQ(lv->GetSelected()->GetCaption(), "snare");
  EXPECT_EQ(lv->GetSelected()->GetIndex(), 3);

  // OnCompare decides an alpha sort when set; CustomSort takes its own.
  lv->OnCompare = [](TObject*, TListItem* a, TListItem* b, LPARAM, int& compare) {
    compare = static_cast<int>(a->GetCaption().size()) - static_cast<int>(b->GetCaption().size());
  };
  lv->AlphaSort();
  EXPECT_EQ(ModelOrder(lv), (std::vector<std::string>{"hat", "Clap", "Kick", "snare"}));
  lv->CustomSort([](TListItem* a, TListItem* b,
                    LPARAM data) { return static_cast<int>(data) * AnsiCompareText(a->GetCaption(), b->GetCaption()); },
                 -1);
  const std::vector<std::string> descending = {"snare", "Kick", "hat", "Clap"};
  EXPECT_EQ(ModelOrder(lv), descending);
  EXPECT_EQ(WindowOrder(lv), descending);
}

TEST_F(ListViewTest, ReportViewDrawsFromASharedListThatOutlivesItsWrapper) {
  constexpr COLORREF kTeal = RGB(0, 128, 128), kOrange = RGB(255, 128, 0);
  HIMAGELIST shared = SolidList({kTeal, kOrange}, 16);
  TListView* lv = MakeList(vsReport, {"Kick", "Snare"});
  auto* images = new TImageList(host);
  images->SetShareImages(true);
  images->SetHandle(shared);
  EXPECT_EQ(images->GetHandle(), shared);
  EXPECT_EQ(images->GetCount(), 2);
  EXPECT_EQ(images->GetWidth(), 16);
  lv->SetSmallImages(images);
  lv->GetItems()->GetItem(0)->SetImageIndex(1);
  lv->GetItems()->GetItem(1)->SetImageIndex(0);
  lv->GetItems()->GetItem(0)->GetSubItems()->Add("24 KB");
  PaintNow();
  for (int i = 0; i < 2; i++) {
    TRect icon = lv->GetItems()->GetItem(i)->DisplayRect(drIcon);
    ASSERT_GT(icon.Width(), 0);
    EXPECT_EQ(Pixel(lv, (icon.Left + icon.Right) / 2, (icon.Top + icon.Bottom) / 2), i == 0 ? kOrange : kTeal);
  }
  EXPECT_EQ(static_cast<HIMAGELIST>(
                reinterpret_cast<HIMAGELIST>(SendMessageA(lv->GetHandle(), LVM_GETIMAGELIST, LVSIL_SMALL, 0))),
            shared);

  // Freeing the wrapper leaves the shared list alive; the view forgets it.
  delete images;
  EXPECT_EQ(lv->GetSmallImages(), nullptr);
  EXPECT_EQ(ImageList_GetImageCount(shared), 2);
  EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageA(lv->GetHandle(), LVM_GETIMAGELIST, LVSIL_SMALL, 0)), nullptr);
  // Freeing the view leaves it alive too.
  delete lv;
  EXPECT_EQ(ImageList_GetImageCount(shared), 2);
  EXPECT_TRUE(ImageList_Destroy(shared));
}

TEST_F(ListViewTest, AListThatOwnsItsHandleDestroysIt) {
  auto* images = new TImageList(host);
  AddSolid(images, {clRed});
  HIMAGELIST own = images->GetHandle();
  EXPECT_EQ(ImageList_GetImageCount(own), 1);
  // Taking another handle destroys the own one; that one is shared.
  HIMAGELIST other = SolidList({RGB(1, 2, 3)}, 16);
  images->SetHandle(other);
  EXPECT_FALSE(ImageList_Destroy(own));
  images->SetShareImages(true);
  delete images;
  EXPECT_EQ(ImageList_GetImageCount(other), 1);
  ImageList_Destroy(other);
}

TEST_F(ListViewTest, TheSystemImageListWrappedStaysTheSystems) {
  SHFILEINFOA info{};
  auto system =
      reinterpret_cast<HIMAGELIST>(SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
  ASSERT_NE(system, nullptr);
  int count = ImageList_GetImageCount(system);
  ASSERT_GT(count, 0);
  TListView* lv = MakeList(vsSmallIcon, {"Root"});
  auto* images = new TImageList(host);
  images->SetShareImages(true);
  images->SetHandle(system);
  lv->SetSmallImages(images);
  lv->GetItems()->GetItem(0)->SetImageIndex(info.iIcon);
  PaintNow();
  delete images;
  delete lv;
  EXPECT_EQ(ImageList_GetImageCount(system), count);
  SHFILEINFOA again{};
  EXPECT_EQ(reinterpret_cast<HIMAGELIST>(
                SHGetFileInfoA("C:\\", 0, &again, sizeof again, SHGFI_SYSICONINDEX | SHGFI_SMALLICON)),
            system);
}

TEST_F(ListViewTest, OnGetImageIndexChoosesThePictureWhenDrawn) {
  constexpr COLORREF kBlue = RGB(0, 0, 255), kYellow = RGB(255, 255, 0);
  TListView* lv = MakeList(vsReport, {"Kick"});
  auto* images = new TImageList(host);
  AddSolid(images, {static_cast<TColor>(kBlue), static_cast<TColor>(kYellow)});
  lv->SetSmallImages(images);
  int asked = 0;
  lv->OnGetImageIndex = [&](TObject*, TListItem* item) {
    asked++;
    item->SetImageIndex(1);
  };
  PaintNow();
  EXPECT_GT(asked, 0);
  TRect icon = lv->GetItems()->GetItem(0)->DisplayRect(drIcon);
  EXPECT_EQ(Pixel(lv, (icon.Left + icon.Right) / 2, (icon.Top + icon.Bottom) / 2), kYellow);
}

TEST_F(ListViewTest, OnCustomDrawItemColoursAnItemOrDrawsItItself) {
  TListView* lv = MakeList(vsReport, {"Kick", "Snare", "Hat"});
  auto* images = new TImageList(host);
  AddSolid(images, {clBlue});
  lv->SetSmallImages(images);
  for (int i = 0; i < 3; i++) lv->GetItems()->GetItem(i)->SetImageIndex(0);
  std::vector<std::string> drawn;
  lv->OnCustomDrawItem = [&](TCustomListView* sender, TListItem* item, TCustomDrawState, bool& defaultDraw) {
    drawn.push_back(item->GetCaption());
    if (item->GetCaption() == "Snare") sender->GetCanvas()->GetBrush()->SetColor(clYellow);
    if (item->GetCaption() == "Hat") defaultDraw = false;
  };
  PaintNow();
  for (const char* name : {"Kick", "Snare", "Hat"})
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), name), drawn.end()) << name;
  auto labelCorner = [&](int i) {
    TRect r = lv->GetItems()->GetItem(i)->DisplayRect(drLabel);
    return Pixel(lv, r.Left + 1, r.Top + 1);
  };
  auto iconCentre = [&](int i) {
    TRect r = lv->GetItems()->GetItem(i)->DisplayRect(drIcon);
    return Pixel(lv, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  };
  EXPECT_EQ(labelCorner(0), ColorToRGB(clWindow));
  EXPECT_EQ(labelCorner(1), ColorToRGB(clYellow));
  EXPECT_EQ(iconCentre(0), ColorToRGB(clBlue));
  EXPECT_EQ(iconCentre(2), ColorToRGB(clWindow));  // the handler drew it: nothing
}

TEST_F(ListViewTest, ItemsAndTheirStatesOutliveTheWindow) {
  TListView* lv = MakeList(vsReport, {"Kick", "Snare", "Hat"});
  lv->SetMultiSelect(true);
  lv->GetItems()->GetItem(1)->SetSelected(true);
  lv->GetItems()->GetItem(2)->SetSelected(true);
  lv->GetItems()->GetItem(2)->GetSubItems()->Add("3 KB");
  int deleted = 0;
  lv->OnDeletion = [&](TObject*, TListItem*) { deleted++; };
  lv->RecreateWnd();
  lv->HandleNeeded();
  Pump();
  EXPECT_EQ(deleted, 0);
  EXPECT_EQ(WindowOrder(lv), (std::vector<std::string>{"Kick", "Snare", "Hat"}));
  EXPECT_EQ(lv->GetSelCount(), 2);
  EXPECT_EQ(lv->GetSelected(), lv->GetItems()->GetItem(1));
  char buffer[32] = {0};
  LVITEMA it{};
  it.iSubItem = 1;
  it.pszText = buffer;
  it.cchTextMax = sizeof buffer;
  SendMessageA(lv->GetHandle(), LVM_GETITEMTEXTA, 2, reinterpret_cast<LPARAM>(&it));
  EXPECT_STREQ(buffer, "3 KB");
  // Deleting is heard once per item; the destructor is silent.
  lv->GetItems()->Delete(0);
  EXPECT_EQ(deleted, 1);
  EXPECT_EQ(lv->GetItems()->GetCount(), 2);
  EXPECT_EQ(SendMessageA(lv->GetHandle(), LVM_GETITEMCOUNT, 0, 0), 2);
  lv->GetItems()->Clear();
  EXPECT_EQ(deleted, 3);
  lv->GetItems()->Add()->SetCaption("Tom");
  delete lv;
  EXPECT_EQ(deleted, 3);
}

// The columns show only in report view: in the other views a column keeps
// its width (the one dragged in report view too) and a width set there waits
// for the report view, while the list's cells keep theirs.
TEST_F(ListViewTest, ColumnWidthsHoldAcrossTheViews) {
  TListView* lv = MakeList(vsReport, {"Kick", "Snare"});
  TListColumn* name = lv->GetColumns()->GetItem(0);
  TListColumn* size = lv->GetColumns()->GetItem(1);
  SendMessageA(lv->GetHandle(), LVM_SETCOLUMNWIDTH, 0, 140);  // dragged by the person
  lv->SetViewStyle(vsList);
  const LRESULT cells = SendMessageA(lv->GetHandle(), LVM_GETCOLUMNWIDTH, 0, 0);
  EXPECT_EQ(name->GetWidth(), 140);
  EXPECT_EQ(size->GetWidth(), 60);
  size->SetWidth(90);
  EXPECT_EQ(size->GetWidth(), 90);
  EXPECT_EQ(SendMessageA(lv->GetHandle(), LVM_GETCOLUMNWIDTH, 0, 0), cells);
  lv->SetViewStyle(vsReport);
  EXPECT_EQ(SendMessageA(lv->GetHandle(), LVM_GETCOLUMNWIDTH, 0, 0), 140);
  EXPECT_EQ(SendMessageA(lv->GetHandle(), LVM_GETCOLUMNWIDTH, 1, 0), 90);
  delete lv;
}

TEST_F(ListViewTest, HeaderClickReportsTheColumn) {
  TListView* lv = MakeList(vsReport, {"Kick"});
  TListColumn* clicked = nullptr;
  lv->OnColumnClick = [&](TObject*, TListColumn* column) { clicked = column; };
  HWND header = reinterpret_cast<HWND>(SendMessageA(lv->GetHandle(), LVM_GETHEADER, 0, 0));
  ASSERT_NE(header, nullptr);
  SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(150, 5));
  SendMessageA(header, WM_LBUTTONUP, 0, PointToLParam(150, 5));
  Pump();
  EXPECT_EQ(clicked, lv->GetColumns()->GetItem(1));
}

}  // namespace
}  // namespace viewtest
