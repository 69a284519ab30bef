// The header control: dragging a divider reports the track's begin, moves
// and end and the resize, in the order the list box with a header relies
// on, kept within MinWidth; clicks reach OnSectionClick where AllowClick;
// owner-drawn sections; changes from code fire nothing.
#include <string>
#include <vector>

#include "fixture.h"

namespace comctrlstest {
namespace {

class HeaderControlTest : public ComCtrlsTest {
 protected:
  void SetUp() override {
    ComCtrlsTest::SetUp();
    header = new THeaderControl(form);
    header->SetParent(form);
    for (auto [text, width] : {std::pair{"Name", 100}, std::pair{"Size", 80}, std::pair{"Type", 120}}) {
      THeaderSection* s = header->GetSections()->Add();
      s->SetText(text);
      s->SetWidth(width);
    }
    header->OnSectionTrack = [this](THeaderControl* sender, THeaderSection* section, int& width,
                                    TSectionTrackState state) {
      EXPECT_EQ(sender, header);
      const char* names[] = {"begin", "move", "end"};
      log.push_back(std::string(names[state]) + " " + std::to_string(section->GetIndex()) + " " +
                    std::to_string(width));
      if (state != tsTrackBegin && snapTo) width = snapTo;
    };
    header->OnSectionResize = [this](THeaderControl*, THeaderSection* section) {
      log.push_back("resize " + std::to_string(section->GetIndex()) + " " + std::to_string(section->GetWidth()));
    };
    header->OnSectionClick = [this](THeaderControl*, THeaderSection* section) {
      log.push_back("click " + std::to_string(section->GetIndex()));
    };
    Pump();
  }
  void Drag(int fromX, const std::vector<int>& moves) {
    AdvanceMs(1000);
    MouseDown(header, fromX, 8);
    int last = fromX;
    for (int x : moves) MouseMove(header, last = x, 8);
    MouseUp(header, last, 8);
  }
  int WindowWidth(int index) {
    HDITEMA item{};
    item.mask = HDI_WIDTH;
    SendMessageA(header->GetHandle(), HDM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return item.cxy;
  }

  THeaderControl* header = nullptr;
  std::vector<std::string> log;
  int snapTo = 0;
};

TEST_F(HeaderControlTest, DraggingADividerTracksThenResizes) {
  struct Case {
    const char* name;
    bool fullDrag;
    int minWidth;
    int snap;
    std::vector<int> moves;
    std::vector<std::string> expected;
    int width;
  };
  const Case cases[] = {
      {"full drag: the section follows the divider",
       true,
       0,
       0,
       {110, 130},
       {"begin 0 100", "move 0 110", "resize 0 110", "move 0 130", "resize 0 130", "end 0 130"},
       130},
      {"outline drag: one resize at the end",
       false,
       0,
       0,
       {110, 130},
       {"begin 0 100", "move 0 110", "move 0 130", "end 0 130", "resize 0 130"},
       130},
      {"MinWidth holds the divider", true, 60, 0, {30}, {"begin 0 100", "move 0 60", "resize 0 60", "end 0 60"}, 60},
      {"the handler moves the divider",
       true,
       0,
       150,
       {120},
       {"begin 0 100", "move 0 120", "resize 0 150", "end 0 120"},
       150},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    THeaderSection* s = header->GetSections()->GetItem(0);
    s->SetMinWidth(0);
    s->SetWidth(100);
    s->SetMinWidth(c.minWidth);
    header->SetFullDrag(c.fullDrag);
    snapTo = c.snap;
    log.clear();
    Drag(100, c.moves);
    EXPECT_EQ(log, c.expected);
    EXPECT_EQ(s->GetWidth(), c.width);
    EXPECT_EQ(WindowWidth(0), c.width);
    EXPECT_EQ(header->GetSections()->GetItem(1)->GetLeft(), c.width);
  }
}

TEST_F(HeaderControlTest, ADisabledHeaderIsNotResized) {
  header->SetEnabled(false);
  Drag(100, {140});
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(header->GetSections()->GetItem(0)->GetWidth(), 100);
  header->SetEnabled(true);
  Drag(100, {140});
  EXPECT_EQ(header->GetSections()->GetItem(0)->GetWidth(), 140);
}

TEST_F(HeaderControlTest, AssignedSectionsAreCopiedIntoTheWindow) {
  THeaderControl other(nullptr);
  for (int width : {200, 150, 90, 40}) other.GetSections()->Add()->SetWidth(width);
  header->SetSections(other.GetSections());
  ASSERT_EQ(SendMessageA(header->GetHandle(), HDM_GETITEMCOUNT, 0, 0), 4);
  EXPECT_EQ(WindowWidth(2), 90);
  other.GetSections()->GetItem(2)->SetWidth(10);
  EXPECT_EQ(header->GetSections()->GetItem(2)->GetWidth(), 90) << "a copy, not a share";
  EXPECT_TRUE(log.empty());
}

TEST_F(HeaderControlTest, ClicksReachOnSectionClickWhereAllowed) {
  header->GetSections()->GetItem(2)->SetAllowClick(false);
  Click(header, 140, 8);
  Click(header, 240, 8);
  Click(header, 20, 8);
  EXPECT_EQ(log, (std::vector<std::string>{"click 1", "click 0"}));
}

TEST_F(HeaderControlTest, ChangesFromCodeReachTheWindowAndFireNothing) {
  THeaderSection* s = header->GetSections()->GetItem(1);
  s->SetWidth(90);
  EXPECT_EQ(WindowWidth(1), 90);
  s->SetMaxWidth(70);
  EXPECT_EQ(s->GetWidth(), 70) << "a smaller maximum narrows the section";
  EXPECT_EQ(WindowWidth(1), 70);
  Paint();
  ASSERT_FALSE(NeedsPaint(header));
  s->SetWidth(70);
  s->SetText("Size");
  header->SetHotTrack(false);
  EXPECT_FALSE(NeedsPaint(header));
  EXPECT_TRUE(log.empty());
  header->GetSections()->Add()->SetText("Date");
  EXPECT_EQ(SendMessageA(header->GetHandle(), HDM_GETITEMCOUNT, 0, 0), 4);
  EXPECT_TRUE(log.empty());
}

TEST_F(HeaderControlTest, StylesReachTheWindow) {
  auto style = [&] { return static_cast<DWORD>(GetWindowLongA(header->GetHandle(), GWL_STYLE)); };
  EXPECT_EQ(style() & (HDS_HOTTRACK | HDS_FLAT), 0u);
  EXPECT_TRUE(style() & HDS_FULLDRAG);
  header->SetHotTrack(true);
  header->SetStyle(hsFlat);
  EXPECT_EQ(style() & (HDS_HOTTRACK | HDS_FLAT), static_cast<DWORD>(HDS_HOTTRACK | HDS_FLAT));
  // A new window takes them too.
  header->RecreateWnd();
  EXPECT_EQ(style() & (HDS_HOTTRACK | HDS_FLAT), static_cast<DWORD>(HDS_HOTTRACK | HDS_FLAT));
  EXPECT_EQ(SendMessageA(header->GetHandle(), HDM_GETITEMCOUNT, 0, 0), 3);
}

TEST_F(HeaderControlTest, AnOwnerDrawnSectionIsDrawnByOnDrawSection) {
  std::vector<TRect> rects;
  header->OnDrawSection = [&](THeaderControl* sender, THeaderSection* section, const TRect& rect, bool pressed) {
    EXPECT_EQ(section->GetIndex(), 1);
    EXPECT_FALSE(pressed);
    rects.push_back(rect);
    sender->GetCanvas()->GetBrush()->SetColor(clBlue);
    sender->GetCanvas()->FillRect(rect);
  };
  header->GetSections()->GetItem(1)->SetStyle(hsOwnerDraw);
  Paint();
  ASSERT_FALSE(rects.empty());
  EXPECT_EQ(rects.back().Left, 100);
  EXPECT_EQ(rects.back().Right, 180);
  EXPECT_EQ(Pixel(header, 140, 8), 0x0000FFu);
  EXPECT_NE(Pixel(header, 50, 8), 0x0000FFu);
}

}  // namespace
}  // namespace comctrlstest
