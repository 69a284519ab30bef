// The status bar: panels reach the window with their edges, texts and
// alignment; owner-drawn panels are drawn by OnDrawPanel; the simple panel;
// setting a value it already has changes nothing.
#include <vector>

#include "fixture.h"

namespace comctrlstest {
namespace {

class StatusBarTest : public ComCtrlsTest {
 protected:
  TStatusBar* MakeBar(std::initializer_list<int> widths) {
    auto* bar = new TStatusBar(form);
    bar->SetParent(form);
    for (int w : widths) bar->GetPanels()->Add()->SetWidth(w);
    Pump();
    return bar;
  }
  static std::string PartText(TStatusBar* bar, int index) {
    char text[256] = {0};
    SendMessageA(bar->GetHandle(), SB_GETTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
  }
  static std::vector<int> Edges(TStatusBar* bar) {
    int edges[16] = {0};
    int n = static_cast<int>(SendMessageA(bar->GetHandle(), SB_GETPARTS, 16, reinterpret_cast<LPARAM>(edges)));
    return std::vector<int>(edges, edges + n);
  }
};

TEST_F(StatusBarTest, PanelsGiveThePartsTheirEdgesTextsAndAlignment) {
  TStatusBar* bar = MakeBar({205, 420, 50});
  EXPECT_EQ(bar->GetAlign(), alBottom);
  EXPECT_EQ(bar->GetTop() + bar->GetHeight(), form->GetClientHeight());
  // The last panel runs to the end of the bar.
  EXPECT_EQ(Edges(bar), (std::vector<int>{205, 625, -1}));
  bar->GetPanels()->GetItem(1)->SetText("Untitled.kit");
  bar->GetPanels()->GetItem(2)->SetText("Track 1");
  bar->GetPanels()->GetItem(2)->SetAlignment(taCenter);
  EXPECT_EQ(PartText(bar, 1), "Untitled.kit");
  EXPECT_EQ(PartText(bar, 2), "\tTrack 1");
  bar->GetPanels()->GetItem(0)->SetWidth(100);
  EXPECT_EQ(Edges(bar), (std::vector<int>{100, 520, -1}));
  // Panels made before the window are sent when it is made.
  bar->DestroyHandle();
  bar->GetPanels()->GetItem(2)->SetAlignment(taRightJustify);
  EXPECT_EQ(PartText(bar, 2), "\t\tTrack 1");
  EXPECT_EQ(PartText(bar, 1), "Untitled.kit");
}

TEST_F(StatusBarTest, AnOwnerDrawnPanelIsDrawnByOnDrawPanel) {
  TStatusBar* bar = MakeBar({80, 80, 80});
  std::vector<std::pair<TStatusPanel*, TRect>> drawn;
  bar->OnDrawPanel = [&](TStatusBar* sender, TStatusPanel* panel, const TRect& rect) {
    EXPECT_EQ(sender, bar);
    drawn.emplace_back(panel, rect);
    sender->GetCanvas()->GetBrush()->SetColor(clRed);
    sender->GetCanvas()->FillRect(rect);
  };
  TStatusPanel* owned = bar->GetPanels()->GetItem(1);
  owned->SetStyle(psOwnerDraw);
  Paint();
  ASSERT_FALSE(drawn.empty());
  for (auto& [panel, rect] : drawn) EXPECT_EQ(panel, owned) << "only the owner-drawn panel";
  RECT part;
  SendMessageA(bar->GetHandle(), SB_GETRECT, 1, reinterpret_cast<LPARAM>(&part));
  TRect r = drawn.back().second;
  EXPECT_TRUE(r.Left >= part.left && r.Right <= part.right && r.Top >= part.top && r.Bottom <= part.bottom);
  EXPECT_EQ(Pixel(bar, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2), 0xFF0000u);
  EXPECT_NE(Pixel(bar, 40, (r.Top + r.Bottom) / 2), 0xFF0000u) << "panel 0 keeps its face";
}

TEST_F(StatusBarTest, TheSimplePanelShowsItsOwnText) {
  TStatusBar* bar = MakeBar({100, 100});
  bar->SetSimpleText("Loading kit");
  bar->SetSimplePanel(true);
  EXPECT_TRUE(SendMessageA(bar->GetHandle(), SB_ISSIMPLE, 0, 0));
  EXPECT_EQ(PartText(bar, SB_SIMPLEID), "Loading kit");
  bar->SetSimplePanel(false);
  EXPECT_FALSE(SendMessageA(bar->GetHandle(), SB_ISSIMPLE, 0, 0));
}

TEST_F(StatusBarTest, SettingAPanelToWhatItHoldsChangesNothing) {
  TStatusBar* bar = MakeBar({100, 100});
  TStatusPanel* panel = bar->GetPanels()->GetItem(0);
  panel->SetText("Stopped");
  Paint();
  ASSERT_FALSE(NeedsPaint(bar));
  panel->SetText("Stopped");
  panel->SetWidth(100);
  panel->SetAlignment(taLeftJustify);
  EXPECT_FALSE(NeedsPaint(bar));
  panel->SetText("Playing");
  EXPECT_TRUE(NeedsPaint(bar));
}

}  // namespace
}  // namespace comctrlstest
