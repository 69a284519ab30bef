// The two-pane splitter: its position rules, proportional resizing, and the
// drag by the mouse through the headless host with the inverted bar.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "controls/shell/UNavSplitter.h"
#include "shell/shared/ViewHost.h"
#include "tests/support/HostMouse.h"

namespace {

class SplitterTest : public shelltest::ViewHostTest {
 protected:
  void SetUp() override {
    ViewHostTest::SetUp();
    InitNavSplitter();
    splitter = new TNavSplitter(host);
    splitter->SetParent(host);
    splitter->SetBounds(10, 10, 400, 200);
    splitter->SetName("Split");
    splitter->SetFullDragMode(navfdOff);
    splitter->HandleNeeded();
    splitter->SetPosition(100);
    Pump();
  }
  void TearDown() override {
    DoneNavSplitter();
    ViewHostTest::TearDown();
  }

  void Mouse(host::EventType type, int x, int y, host::MouseButton button = host::MouseButton::Left) {
    testsupport::PushMouseEvent(type, splitter, x, y, button);
    Pump();
  }
  // The splitter's pixels along a row (its middle one unless told), the
  // panes' included.
  std::vector<COLORREF> Row(int y = 100) {
    std::vector<COLORREF> row;
    HDC dc = GetDCEx(splitter->GetHandle(), nullptr, DCX_CACHE);
    for (int x = 0; x < splitter->GetWidth(); ++x) row.push_back(GetPixel(dc, x, y));
    ReleaseDC(splitter->GetHandle(), dc);
    return row;
  }
  // The columns where two rows differ.
  static std::vector<int> Changed(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
    std::vector<int> xs;
    for (std::size_t x = 0; x < a.size(); ++x)
      if (a[x] != b[x]) xs.push_back(static_cast<int>(x));
    return xs;
  }
  static bool AllWithin(const std::vector<int>& xs, int from, int to) {
    for (int x : xs)
      if (x < from || x >= to) return false;
    return !xs.empty();
  }

  TNavSplitter* splitter = nullptr;
};

TEST_F(SplitterTest, PanesAreMadeWithTheWindowAndNamedAfterTheSplitter) {
  ASSERT_NE(splitter->GetPane(0), nullptr);
  ASSERT_NE(splitter->GetPane(1), nullptr);
  EXPECT_EQ(splitter->GetPane(0)->GetName(), "Split_pane1");
  EXPECT_EQ(splitter->GetPane(1)->GetName(), "Split_pane2");
  EXPECT_EQ(splitter->GetPane(0)->GetBoundsRect(), TRect(0, 0, 100, 200));
  EXPECT_EQ(splitter->GetPane(1)->GetBoundsRect(), TRect(103, 0, 400, 200));
  EXPECT_EQ(splitter->GetPane(0)->GetFrameStyle(), navfsLowered);
  EXPECT_EQ(splitter->GetPane1MinSize(), 20);
  splitter->SetName("Tracks");
  EXPECT_EQ(splitter->GetPane(1)->GetName(), "Tracks_pane2");

  splitter->SetStyle(navstHorizontal);
  splitter->SetPosition(60);
  EXPECT_EQ(splitter->GetPane(0)->GetBoundsRect(), TRect(0, 0, 400, 60));
  EXPECT_EQ(splitter->GetPane(1)->GetBoundsRect(), TRect(0, 63, 400, 200));
}

TEST_F(SplitterTest, PositionIsKeptWithinTheMinimumSizes) {
  int changes = 0;
  splitter->OnChange = [&](TObject*) { ++changes; };
  const struct {
    int set;
    int stored;
  } cases[] = {{5, 20}, {250, 250}, {390, 380}, {-40, 20}, {380, 380}};
  for (const auto& c : cases) {
    splitter->SetPosition(c.set);
    EXPECT_EQ(splitter->GetPosition(), c.stored) << c.set;
  }
  // 20, 250, 380, 20, 380: the same value twice in a row fires nothing.
  EXPECT_EQ(changes, 5);
  splitter->SetPosition(380);
  EXPECT_EQ(changes, 5);
  EXPECT_DOUBLE_EQ(splitter->GetRatio(), 380.0 / 400.0);
}

TEST_F(SplitterTest, ResizeKeepsTheRatio) {
  splitter->SetWidth(600);
  Pump();
  EXPECT_EQ(splitter->GetPosition(), 150);
  EXPECT_EQ(splitter->GetPane(1)->GetBoundsRect(), TRect(153, 0, 600, 200));
  // The ratio stays 0.25; a resize does not change it.
  splitter->SetWidth(202);
  EXPECT_EQ(splitter->GetPosition(), 50);  // 50.5 rounds to even
  splitter->SetWidth(206);
  EXPECT_EQ(splitter->GetPosition(), 52);  // 51.5 rounds to even
  EXPECT_DOUBLE_EQ(splitter->GetRatio(), 0.25);

  splitter->SetProportional(false);
  splitter->SetWidth(400);
  EXPECT_EQ(splitter->GetPosition(), 52);
}

TEST_F(SplitterTest, ResizeNeverGivesAPaneANegativeSize) {
  for (int width : {30, 10, 2, 0}) {
    splitter->SetWidth(width);
    Pump();
    for (int i = 0; i < 2; ++i) {
      EXPECT_GE(splitter->GetPane(i)->GetWidth(), 0) << width;
      EXPECT_GE(splitter->GetPane(i)->GetHeight(), 0) << width;
    }
    EXPECT_GE(splitter->GetPosition(), 0) << width;
  }
  splitter->SetWidth(400);
  EXPECT_EQ(splitter->GetPane(0)->GetWidth() + 3 + splitter->GetPane(1)->GetWidth(), 400);
}

TEST_F(SplitterTest, DragPastTheSecondMinimumStopsThere) {
  std::vector<int> drags;
  int dropped = -1;
  splitter->OnSplitterDrag = [&](TObject*, int p) { drags.push_back(p); };
  splitter->OnSplitterDrop = [&](TObject*, int p) { dropped = p; };
  Mouse(host::EventType::MouseDown, 101, 50);
  EXPECT_TRUE(splitter->GetDragging());
  Mouse(host::EventType::MouseMove, 398, 50);
  EXPECT_EQ(splitter->GetShownPosition(), 381);  // offset 1 kept: the bar at 380
  EXPECT_EQ(splitter->GetPosition(), 100);  // no live resizing
  Mouse(host::EventType::MouseUp, 398, 50);
  EXPECT_FALSE(splitter->GetDragging());
  EXPECT_EQ(splitter->GetPosition(), 380);
  EXPECT_EQ(dropped, 380);
  EXPECT_DOUBLE_EQ(splitter->GetRatio(), 380.0 / 400.0);
  ASSERT_FALSE(drags.empty());
  EXPECT_EQ(drags.back(), -1);
  EXPECT_EQ(splitter->GetPane(1)->GetBoundsRect(), TRect(383, 0, 400, 200));
  // And the other way, past the first pane's minimum.
  Mouse(host::EventType::MouseDown, 381, 50);
  Mouse(host::EventType::MouseMove, 2, 50);
  Mouse(host::EventType::MouseUp, 2, 50);
  EXPECT_EQ(splitter->GetPosition(), 20);
}

TEST_F(SplitterTest, TheInvertedBarDrawnTwiceGivesBackThePixels) {
  PaintNow();
  const std::vector<COLORREF> before = Row();
  Mouse(host::EventType::MouseDown, 101, 50);
  const std::vector<COLORREF> pressed = Row();
  EXPECT_TRUE(AllWithin(Changed(before, pressed), 100, 103));
  Mouse(host::EventType::MouseMove, 201, 50);
  const std::vector<COLORREF> moved = Row();
  // The bar left its first place exactly as it found it.
  EXPECT_TRUE(AllWithin(Changed(before, moved), 200, 203));
  Mouse(host::EventType::MouseMove, 101, 50);
  EXPECT_EQ(Row(), pressed);
  // The bar is hatched: two neighbouring rows invert complementary columns
  // of its 3 pixels.
  const std::vector<COLORREF> withBar = Row(101);
  Mouse(host::EventType::MouseMove, 201, 50);
  std::vector<int> odd;
  for (int x : Changed(Row(101), withBar))
    if (x < 103) odd.push_back(x);
  Mouse(host::EventType::MouseMove, 101, 50);
  std::vector<int> all = Changed(before, pressed);
  EXPECT_FALSE(all.empty());
  EXPECT_FALSE(odd.empty());
  all.insert(all.end(), odd.begin(), odd.end());
  std::sort(all.begin(), all.end());
  EXPECT_EQ(all, (std::vector<int>{100, 101, 102}));
  Mouse(host::EventType::MouseUp, 101, 50);
  EXPECT_EQ(splitter->GetPosition(), 100);
  PaintNow();
  EXPECT_EQ(Row(), before);
}

TEST_F(SplitterTest, LosingTheCaptureErasesTheBarAndEndsTheDrag) {
  PaintNow();
  const std::vector<COLORREF> before = Row();
  int changes = 0;
  splitter->OnChange = [&](TObject*) { ++changes; };
  Mouse(host::EventType::MouseDown, 101, 50);
  Mouse(host::EventType::MouseMove, 251, 50);
  ASSERT_NE(Row(), before);
  // Another window takes the capture, then none holds it.
  for (bool toOther : {true, false}) {
    if (!toOther) {
      Mouse(host::EventType::MouseDown, 101, 50);
      Mouse(host::EventType::MouseMove, 251, 50);
    }
    if (toOther)
      SetCapture(host->GetHandle());
    else
      ReleaseCapture();
    Pump();
    EXPECT_FALSE(splitter->GetDragging());
    EXPECT_EQ(splitter->GetShownPosition(), -1);
    EXPECT_EQ(Row(), before);
    ReleaseCapture();
    Mouse(host::EventType::MouseUp, 251, 50);
    EXPECT_EQ(splitter->GetPosition(), 100);
  }
  EXPECT_EQ(changes, 0);
}

TEST_F(SplitterTest, RightButtonDoesNothingAndASecondPressCancels) {
  PaintNow();
  const std::vector<COLORREF> before = Row();
  Mouse(host::EventType::MouseDown, 101, 50, host::MouseButton::Right);
  EXPECT_FALSE(splitter->GetDragging());
  EXPECT_EQ(Row(), before);
  Mouse(host::EventType::MouseMove, 201, 50);
  Mouse(host::EventType::MouseUp, 201, 50, host::MouseButton::Right);
  EXPECT_EQ(splitter->GetPosition(), 100);

  Mouse(host::EventType::MouseDown, 101, 50);
  Mouse(host::EventType::MouseMove, 201, 50);
  Mouse(host::EventType::MouseDown, 201, 50, host::MouseButton::Right);
  EXPECT_FALSE(splitter->GetDragging());
  EXPECT_EQ(Row(), before);
  Mouse(host::EventType::MouseUp, 201, 50, host::MouseButton::Right);
  Mouse(host::EventType::MouseUp, 201, 50);
  EXPECT_EQ(splitter->GetPosition(), 100);
}

TEST_F(SplitterTest, FullDragMovesThePanesLive) {
  splitter->SetFullDragMode(navfdOn);
  std::vector<int> positions;
  splitter->OnChange = [&](TObject*) { positions.push_back(splitter->GetPosition()); };
  Mouse(host::EventType::MouseDown, 101, 50);
  Mouse(host::EventType::MouseMove, 151, 50);
  EXPECT_EQ(splitter->GetPosition(), 150);
  EXPECT_EQ(splitter->GetPane(1)->GetLeft(), 153);
  Mouse(host::EventType::MouseMove, 181, 50);
  Mouse(host::EventType::MouseUp, 181, 50);
  EXPECT_EQ(splitter->GetPosition(), 180);
  EXPECT_EQ(positions, (std::vector<int>{150, 180}));
}

TEST_F(SplitterTest, CursorOverTheBarIsTheSplitCursor) {
  for (TNavSplitterStyle style : {navstVertical, navstHorizontal}) {
    splitter->SetStyle(style);
    splitter->SetPosition(100);
    const TCursor expected = style == navstVertical ? crHSplit : crVSplit;
    const LRESULT handled = SendMessageA(splitter->GetHandle(), WM_SETCURSOR,
                                         reinterpret_cast<WPARAM>(splitter->GetHandle()), MAKELPARAM(HTCLIENT, 0));
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(GetCursor(), Screen->GetCursors(expected));
  }
}

}  // namespace
