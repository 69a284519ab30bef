// The up-down button: its associate shows the position; a click asks
// OnChanging, steps by Increment within Min..Max (wrapping with Wrap) and
// fires OnClick with the arrow; a refused step changes nothing; setting
// the position from code fires nothing.
#include <string>
#include <vector>

#include "fixture.h"

namespace comctrlstest {
namespace {

class UpDownTest : public ComCtrlsTest {
 protected:
  void SetUp() override {
    ComCtrlsTest::SetUp();
    edit = new TEditProbe(form);
    edit->SetParent(form);
    edit->SetBounds(20, 20, 80, 24);
    updown = new TUpDown(form);
    updown->SetParent(form);
    updown->SetMin(10);
    updown->SetMax(300);
    updown->SetPosition(100);
    updown->SetAssociate(edit);
    updown->OnChanging = [this](TObject*, bool& allow) {
      log.push_back("changing at " + std::to_string(updown->GetPosition()));
      allow = allowChange;
    };
    updown->OnClick = [this](TObject*, TUDBtnType button) {
      log.push_back(std::string(button == btNext ? "next" : "prev") + " to " + std::to_string(updown->GetPosition()));
    };
    Pump();
  }
  void ClickArrow(bool up) {
    RECT r;
    GetClientRect(updown->GetHandle(), &r);
    Click(updown, r.right / 2, up ? 3 : r.bottom - 3);
  }

  TEditProbe* edit = nullptr;
  TUpDown* updown = nullptr;
  std::vector<std::string> log;
  bool allowChange = true;
};

TEST_F(UpDownTest, TheAssociateShowsThePositionAndHoldsTheButtonsOnItsEdge) {
  EXPECT_EQ(WindowText(edit), "100");
  EXPECT_EQ(updown->GetLeft(), edit->GetLeft() + edit->GetWidth()) << "the buttons sit on the right edge";
  EXPECT_EQ(updown->GetLeft() + updown->GetWidth(), 20 + 80) << "the associate gave up the room";
  // A number typed into the associate is the position.
  SetWindowTextA(edit->GetHandle(), "120");
  EXPECT_EQ(updown->GetPosition(), 120);
}

TEST_F(UpDownTest, AClickStepsByIncrementAndFiresOnChangingThenOnClick) {
  updown->SetIncrement(5);
  ClickArrow(true);
  ClickArrow(false);
  ClickArrow(false);
  EXPECT_EQ(log, (std::vector<std::string>{"changing at 100", "next to 105", "changing at 105", "prev to 100",
                                           "changing at 100", "prev to 95"}));
  EXPECT_EQ(updown->GetPosition(), 95);
  EXPECT_EQ(WindowText(edit), "95");
}

TEST_F(UpDownTest, AtTheEndsWrapGoesRoundAndNoWrapStops) {
  struct Case {
    bool wrap;
    int from;
    bool up;
    int expected;
  };
  for (Case c : {Case{false, 300, true, 300}, Case{true, 300, true, 10}, Case{false, 10, false, 10},
                 Case{true, 10, false, 300}}) {
    SCOPED_TRACE(std::to_string(c.from) + (c.wrap ? " wrap" : " no wrap"));
    updown->SetWrap(c.wrap);
    updown->SetPosition(c.from);
    log.clear();
    ClickArrow(c.up);
    EXPECT_EQ(updown->GetPosition(), c.expected);
    ASSERT_EQ(log.size(), 2u);
    // The arrow pressed, whatever way the position went.
    EXPECT_EQ(log[1], std::string(c.up ? "next" : "prev") + " to " + std::to_string(c.expected));
  }
}

TEST_F(UpDownTest, ARefusedStepLeavesPositionAndAssociateAndFiresNoClick) {
  allowChange = false;
  ClickArrow(true);
  EXPECT_EQ(updown->GetPosition(), 100);
  EXPECT_EQ(WindowText(edit), "100");
  EXPECT_EQ(log, (std::vector<std::string>{"changing at 100"}));
}

TEST_F(UpDownTest, PositionFromCodeIsKeptInRangeAndFiresNothing) {
  updown->SetPosition(250);
  EXPECT_EQ(WindowText(edit), "250");
  updown->SetPosition(1000);
  EXPECT_EQ(updown->GetPosition(), 300);
  updown->SetMax(200);
  EXPECT_EQ(updown->GetPosition(), 200) << "a smaller range pulls the position in";
  Paint();
  ASSERT_FALSE(NeedsPaint(edit));
  updown->SetPosition(200);
  EXPECT_FALSE(NeedsPaint(edit)) << "the same position is not written again";
  EXPECT_TRUE(log.empty());
}

TEST_F(UpDownTest, AnAssociateThatGoesAwayIsForgotten) {
  delete edit;
  EXPECT_EQ(updown->GetAssociate(), nullptr);
  EXPECT_EQ(SendMessageA(updown->GetHandle(), UDM_GETBUDDY, 0, 0), 0);
  ClickArrow(true);
  EXPECT_EQ(updown->GetPosition(), 101);
}

}  // namespace
}  // namespace comctrlstest
