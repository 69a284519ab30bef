#include "ControlsFixture.h"

namespace ctltest {
namespace {

TEST(Layout, AnchorsKeepDistancesWhenTheParentResizes) {
  struct Case {
    const char* name;
    TAnchors anchors;
    TRect expected;  // after the parent grows from 200 x 100 to 300 x 200
  };
  const Case cases[] = {
      {"left top stays", {akLeft, akTop}, Bounds(150, 70, 20, 10)},
      {"right bottom follows the corner", {akRight, akBottom}, Bounds(250, 170, 20, 10)},
      {"left right stretches", {akLeft, akRight, akTop}, Bounds(150, 70, 120, 10)},
      {"top bottom stretches", {akLeft, akTop, akBottom}, Bounds(150, 70, 20, 110)},
      {"no edge keeps its share", {}, Bounds(230, 145, 20, 10)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TWinControl parent(nullptr);
    parent.SetBounds(0, 0, 200, 100);
    auto* child = new TProbe(nullptr);
    child->SetBounds(150, 70, 20, 10);
    child->SetParent(&parent);
    child->SetAnchors(c.anchors);
    int resized = 0;
    child->OnResize = [&](TObject*) { resized++; };
    parent.SetBounds(0, 0, 300, 200);
    EXPECT_EQ(child->GetBoundsRect(), c.expected);
    // A window-less control hears of every move or resize.
    EXPECT_EQ(resized, c.expected == Bounds(150, 70, 20, 10) ? 0 : 1);
  }
}

TEST(Layout, ConstraintsLimitTheSize) {
  TProbe probe(nullptr);
  probe.GetConstraints()->SetMaxWidth(50);
  probe.GetConstraints()->SetMinHeight(8);
  probe.SetBounds(0, 0, 80, 2);
  EXPECT_EQ(probe.GetWidth(), 50);
  EXPECT_EQ(probe.GetHeight(), 8);
  probe.GetConstraints()->SetMaxWidth(30);  // applies at once
  EXPECT_EQ(probe.GetWidth(), 30);
}

TEST_F(ControlsTest, ScrollingControlRangesOverItsChildrenAndScrollsThemIntoView) {
  auto* box = new TScrollingWinControl(nullptr);
  box->SetBounds(0, 0, 100, 100);
  box->SetParent(host);
  auto* far = new TProbe(nullptr);
  far->SetBounds(10, 150, 20, 20);
  far->SetParent(box);
  box->Realign();
  EXPECT_EQ(box->GetVertScrollBar()->GetRange(), 170);
  EXPECT_TRUE(box->GetVertScrollBar()->IsScrollBarVisible());
  EXPECT_FALSE(box->GetHorzScrollBar()->IsScrollBarVisible());

  box->ScrollInView(far);
  EXPECT_EQ(box->GetVertScrollBar()->GetPosition(), 170 - box->GetClientHeight());
  EXPECT_EQ(far->GetTop() + far->GetHeight(), box->GetClientHeight());
  // Positions stay within the range.
  box->GetVertScrollBar()->SetPosition(1000);
  EXPECT_EQ(box->GetVertScrollBar()->GetPosition(), box->GetVertScrollBar()->GetScrollPosMax());
  box->GetVertScrollBar()->SetPosition(0);
  EXPECT_EQ(far->GetTop(), 150);
}

}  // namespace
}  // namespace ctltest
