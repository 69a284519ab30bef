// The image combo: entries drawn as a picture and a caption indented by
// their level, the item height following the font and the pictures, the
// entries' objects freed with the window, and the close-up and selection-end
// codes reaching their own events.
#include <gtest/gtest.h>

#include <map>

#include "controls/shell/UNavImageCombo.h"
#include "platform/win/drums_ext.h"
#include "tests/shell/shared/ViewHost.h"

namespace shelltest {
namespace {

constexpr COLORREF kGreen = RGB(0, 160, 0);
constexpr COLORREF kBlue = RGB(0, 0, 200);
constexpr COLORREF kRed = RGB(220, 0, 0);

// Exposes the drawing of one entry onto any device context.
class TProbeCombo : public TNavCustomImageCombo {
 public:
  using TNavCustomImageCombo::TNavCustomImageCombo;
  void DrawOnto(HDC dc, int index, const TRect& rect, TOwnerDrawState state) {
    GetCanvas()->SetHandle(dc);
    GetCanvas()->GetFont()->Assign(GetFont());
    GetCanvas()->GetBrush()->Assign(GetBrush());
    DrawItem(index, rect, state);
    GetCanvas()->SetHandle(nullptr);
  }
  int infoAsked = 0;

 protected:
  void GetItemInfo(TNavImageComboItem* item) override {
    infoAsked++;
    if (item->GetCaption().empty()) item->SetCaption("Filled in");
  }
};

class ImageComboTest : public ViewHostTest {
 protected:
  std::string HostTitle() const override { return "Image combo"; }

  // Pictures 0 green, 1 blue and 2 red; red is overlay 0 (the list's overlay 1).
  TImageList* MakeImages(int size) {
    auto* images = new TImageList(host, size, size);
    for (COLORREF c : {kGreen, kBlue, kRed}) {
      TBitmap b;
      b.SetSize(size, size);
      b.GetCanvas()->GetBrush()->SetColor(static_cast<TColor>(c));
      b.GetCanvas()->FillRect(TRect(0, 0, size, size));
      images->Add(&b, nullptr);
    }
    ImageList_SetOverlayImage(images->GetHandle(), 2, 1);
    return images;
  }
  TProbeCombo* MakeCombo(TImageList* images) {
    auto* combo = new TProbeCombo(host);
    combo->SetParent(host);
    combo->SetBounds(10, 10, 260, 24);
    combo->SetImages(images);
    combo->AddItem("Desktop", 0, 0);
    combo->AddItem("My Computer", 1, 1);
    combo->AddItem("Drums", 0, 2);
    Pump();
    return combo;
  }
  // The first x on row y of dc (from x0 to x1) with colour c, or -1.
  static int FirstX(HDC dc, int y, int x0, int x1, COLORREF c) {
    for (int x = x0; x < x1; x++)
      if (GetPixel(dc, x, y) == c) return x;
    return -1;
  }
};

struct EntryCase {
  const char* name;
  int index;
  int overlay;
  bool selected;
  int imageLeft;
  COLORREF imageColour;
};

TEST_F(ImageComboTest, EntriesDrawnIndentedWithImageOverlayAndCaption) {
  TImageList* images = MakeImages(16);
  TProbeCombo* combo = MakeCombo(images);
  const EntryCase cases[] = {
      {"level 0", 0, -1, false, 2, kGreen},
      {"level 2 (12 pixels a level)", 2, -1, false, 26, kGreen},
      {"with overlay 0", 1, 0, false, 14, kRed},
      {"selected", 2, -1, true, 26, kGreen},
  };
  HDC screen = GetDC(nullptr);
  for (const EntryCase& c : cases) {
    SCOPED_TRACE(c.name);
    combo->Item(c.index)->SetOverlayIndex(c.overlay);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bm = CreateCompatibleBitmap(screen, 200, 20);
    HGDIOBJ old = SelectObject(dc, bm);
    TOwnerDrawState state;
    if (c.selected) state.Include(odSelected);
    combo->DrawOnto(dc, c.index, TRect(0, 0, 200, 20), state);
    if (c.selected) {
      // The picture blended with the highlight colour.
      COLORREF blended = GetPixel(dc, c.imageLeft + 8, 10);
      EXPECT_NE(blended, c.imageColour);
      EXPECT_NE(blended, ColorToRGB(clWindow));
      EXPECT_EQ(GetPixel(dc, c.imageLeft - 1, 10), ColorToRGB(clWindow));
    } else {
      EXPECT_EQ(FirstX(dc, 10, 0, 200, c.imageColour), c.imageLeft);
    }
    // The caption starts past the picture; only it is highlighted when selected.
    int captionLeft = c.imageLeft - 2 + 16 + 4 + 1;
    EXPECT_EQ(GetPixel(dc, captionLeft - 2, 1), ColorToRGB(clWindow));
    EXPECT_EQ(GetPixel(dc, captionLeft + 1, 1), ColorToRGB(c.selected ? clHighlight : clWindow));
    EXPECT_EQ(GetPixel(dc, 195, 10), ColorToRGB(clWindow));
    SelectObject(dc, old);
    DeleteObject(bm);
    DeleteDC(dc);
  }
  ReleaseDC(nullptr, screen);
}

TEST_F(ImageComboTest, ChosenEntryInTheEditPartIsNotIndented) {
  TImageList* images = MakeImages(16);
  TProbeCombo* combo = MakeCombo(images);
  combo->Item(2)->SetImageIndex(1);
  combo->SetItemIndex(2);
  PaintNow();
  HDC dc = GetDC(combo->GetHandle());
  int x = FirstX(dc, combo->GetClientHeight() / 2, 0, 100, kBlue);
  ReleaseDC(combo->GetHandle(), dc);
  EXPECT_GE(x, 0);
  EXPECT_LT(x, 12);
  EXPECT_GT(combo->infoAsked, 0);
  SaveShot("shell_image_combo");
}

TEST_F(ImageComboTest, MissingCaptionFilledBeforeDrawing) {
  TProbeCombo* combo = MakeCombo(MakeImages(16));
  TNavImageComboItem* item = combo->AddItem("", 0, 0);
  EXPECT_EQ(item->GetListIndex(), 3);
  HDC dc = CreateCompatibleDC(nullptr);
  combo->DrawOnto(dc, 3, TRect(0, 0, 100, 20), {});
  DeleteDC(dc);
  EXPECT_EQ(item->GetCaption(), "Filled in");
}

TEST_F(ImageComboTest, ItemHeightFollowsFontAndPictures) {
  TProbeCombo* combo = MakeCombo(nullptr);
  auto fontHeight = [&]() {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, combo->GetFont()->GetHandle());
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return std::abs(static_cast<int>(tm.tmHeight)) + 2;
  };
  const std::pair<int, int> cases[] = {{8, fontHeight()}, {40, 40}};
  for (auto [size, expected] : cases) {
    combo->SetImages(MakeImages(size));
    EXPECT_EQ(combo->GetItemHeight(), expected) << size;
    EXPECT_EQ(SendMessageA(combo->GetHandle(), CB_GETITEMHEIGHT, 0, 0), expected) << size;
  }
  // A larger font in a new window: the height follows it past the pictures.
  combo->GetFont()->SetSize(36);
  combo->RecreateWnd();
  Pump();
  EXPECT_EQ(combo->GetItemHeight(), fontHeight());
  EXPECT_GT(combo->GetItemHeight(), 40);
  // The window made again keeps the entries and their objects.
  ASSERT_EQ(combo->GetItems()->GetCount(), 3);
  EXPECT_EQ(combo->Item(1)->GetCaption(), "My Computer");
}

TEST_F(ImageComboTest, DestroyingTheWindowReportsAndFreesEveryEntry) {
  TProbeCombo* combo = MakeCombo(MakeImages(16));
  std::vector<std::string> deleted;
  combo->OnDeleteItem = [&](TObject*, TNavImageComboItem* item) { deleted.push_back(item->GetCaption()); };
  delete combo;
  EXPECT_EQ(deleted, (std::vector<std::string>{"Desktop", "My Computer", "Drums"}));
}

TEST_F(ImageComboTest, RemovedImageListIsForgotten) {
  TImageList* images = MakeImages(16);
  TProbeCombo* combo = MakeCombo(images);
  delete images;
  EXPECT_EQ(combo->GetImages(), nullptr);
  PaintNow();
}

TEST_F(ImageComboTest, SelectionCodesReachTheirOwnEvents) {
  TProbeCombo* combo = MakeCombo(MakeImages(16));
  std::vector<std::string> log;
  combo->OnCloseUp = [&](TObject*) { log.push_back("close-up"); };
  combo->OnSelEndOk = [&](TObject*) { log.push_back("end ok"); };
  combo->OnSelEndCancel = [&](TObject*) { log.push_back("end cancel"); };
  combo->OnChange = [&](TObject*) { log.push_back("change"); };
  const std::pair<WORD, const char*> cases[] = {
      {CBN_CLOSEUP, "close-up"}, {CBN_SELENDOK, "end ok"}, {CBN_SELENDCANCEL, "end cancel"}, {CBN_SELCHANGE, "change"}};
  for (auto [code, expected] : cases) {
    log.clear();
    SendMessageA(host->GetHandle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo->GetHandle()), code),
                 reinterpret_cast<LPARAM>(combo->GetHandle()));
    EXPECT_EQ(log, std::vector<std::string>{expected}) << code;
  }
}

}  // namespace
}  // namespace shelltest
