// Right clicks on the step grid of the real window: the cell under the
// pointer, of either layer, opens the beat settings for itself, wherever the
// grid is scrolled; a point that is on no cell opens nothing.
#include "drummachine/editing/BeatPopup.h"
#include "kits_window_fixture.h"

namespace windowkits {
namespace {

class BeatPopup : public KitsWindow {
 protected:
  void SetUp() override {
    KitsWindow::SetUp();
    window->ShowBeatDialog = [this](const TBeatPreset& preset) { shown.push_back(preset); };
    // Track 4 plays 32nd notes: its 16th cells narrow, its 32nd cells show.
    ClickAt(window->TrackButtons[4], 30, 10);
    Named<TMenuItem>("mnu32ndNotes")->Click();
    Pump();
    ASSERT_TRUE(window->Model.Song.TrackUses32nd[4]);
  }

  // The window-relative point of client point (x, y) of control.
  TPoint WindowPoint(TControl* control, int x, int y) {
    const TPoint p = control->ClientToScreen(TPoint(x, y));
    RECT r{};
    GetWindowRect(window->GetHandle(), &r);
    return TPoint(p.X - r.left, p.Y - r.top);
  }

  std::vector<TBeatPreset> shown;
};

TEST_F(BeatPopup, TheRightClickedCellIsThePopupsCellAndAPointOffTheCellsOpensNothing) {
  struct Case {
    const char* what;
    const char* control;  // where the right click lands
    int x, y;  // in that control
    int scroll;  // the grid's scroll position (the window made shorter first)
    int track, step;  // 0: no popup
    bool thirtySecond;
    // The window point's own arithmetic finds the same cell: on the grid
    // unscrolled, but not in step 8's column of a 32nd-note track, which it
    // takes for the 32nd cell throughout (the window goes by the cell).
    bool byArithmetic;
  };
  const Case cases[] = {
      {"the first 16th cell", "M01_01", 7, 5, 0, 1, 1, false, true},
      {"a 16th cell after the gap", "M06_09", 0, 0, 0, 6, 9, false, true},
      {"the last cell's corner", "M12_16", 14, 10, 0, 12, 16, false, true},
      {"a 32nd-note track's 16th cell", "M04_07", 6, 5, 0, 4, 7, false, true},
      {"its 32nd cell", "N04_07", 0, 5, 0, 4, 7, true, true},
      {"its 16th cell in step 8's column", "M04_08", 3, 5, 0, 4, 8, false, false},
      {"its 32nd cell in step 8's column", "N04_08", 3, 5, 0, 4, 8, true, true},
      {"its first 32nd cell", "N04_01", 3, 5, 0, 4, 1, true, true},
      {"its last 32nd cell", "N04_16", 6, 10, 0, 4, 16, true, true},
      {"its 16th cell after the gap", "M04_12", 0, 5, 0, 4, 12, false, true},
      {"the gap between two cells", "TrackFill", 229, 32 + 15, 0, 0, 0, false, false},
      {"between two rows", "TrackFill", 300, 32 + 26, 0, 0, 0, false, false},
      {"outside the grid", "MainFill", 560, 50, 0, 0, 0, false, false},
      {"a cell, the grid scrolled by two rows", "M03_05", 7, 5, 64, 3, 5, false, false},
      {"a 32nd cell, the grid scrolled by two rows", "N04_10", 3, 5, 64, 4, 10, true, false},
      {"a cell, the grid scrolled to its end", "M12_16", 7, 5, 128, 12, 16, false, false},
      {"the top row, the grid scrolled to its end", "M05_02", 7, 5, 128, 5, 2, false, false},
      {"the gap, the grid scrolled", "TrackFill", 229, 160 + 15, 128, 0, 0, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.scroll > 0 && window->GetHeight() != 520) {
      window->SetBounds(window->GetLeft(), window->GetTop(), window->GetWidth(), 520);
      Pump();
    }
    window->ScrollBox1->GetVertScrollBar()->SetPosition(c.scroll);
    Pump();
    ASSERT_EQ(window->ScrollBox1->GetVertScrollBar()->GetPosition(), c.scroll);
    window->Model.PopupTrack = -1;
    window->Model.PopupStep = -1;
    shown.clear();
    auto* control = Named<TControl>(c.control);
    RightClickAt(control, c.x, c.y);

    if (c.track == 0) {
      EXPECT_TRUE(shown.empty()) << "no popup";
      EXPECT_EQ(window->Model.PopupTrack, -1);
      EXPECT_EQ(window->Model.PopupStep, -1);
      continue;
    }
    EXPECT_EQ(window->Model.PopupTrack, c.track);
    EXPECT_EQ(window->Model.PopupStep, c.step);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], BeatPresetFor(window->Model, TGridCell{c.track, c.step, c.thirtySecond}));
    EXPECT_EQ(shown[0].BeatLabel, "Beat " + std::to_string(c.step) + (c.thirtySecond ? " 32nd" : ""));
    if (c.byArithmetic) {
      const TPoint p = WindowPoint(control, c.x, c.y);
      const TGridCell computed = CellAtPoint(window->Model, p.X, p.Y, 0);
      EXPECT_EQ(computed.Track, c.track);
      EXPECT_EQ(computed.Step, c.step);
      EXPECT_EQ(computed.ThirtySecond, c.thirtySecond);
    }
  }
}

}  // namespace
}  // namespace windowkits
