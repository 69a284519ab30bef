// The main window's start-up, cells, size and exit, on the real form.
#include <sstream>
#include <vector>

#include "main_window_fixture.h"

namespace mainwindowtest {
namespace {

TEST_F(MainWindow, StartsWithTheSoftSynthKitOnItsTracks) {
  EXPECT_EQ(window->Model.Song.KitId, 10);
  EXPECT_EQ(Panel(1), "Soft Synth kit");
  EXPECT_EQ(Panel(2), "Stopped");
  EXPECT_EQ(Panel(3), "Normal");
  const char* names[] = {"BassDrum", "Snare",     "OpenHat",   "ClosedHat", "Deep BD",    "Toms",
                         "Toms",     "BlipSnare", "SoftSynth", "VideoGame", "SoftSynth2", "BlipSnare"};
  for (int t = 1; t <= SongTracks; ++t) {
    EXPECT_EQ(window->TrackButtons[t]->GetCaption(), names[t - 1]) << "track " << t;
    EXPECT_NE(window->DrumButtons[t]->GetCaption(), "Empty") << "track " << t;
    EXPECT_GT(window->TrackWaveLists[t]->GetItems()->GetCount(), 0) << "track " << t;
  }
  // Exactly the current track's strip shows the selected colour.
  int selected = 0;
  for (int t = 1; t <= SongTracks; ++t) selected += window->TrackButtons[t]->GetColors()->GetUp() == clGray;
  EXPECT_EQ(selected, 1);
  EXPECT_EQ(window->TrackButtons[1]->GetColors()->GetUp(), clGray);
}

TEST_F(MainWindow, ClickingACellTogglesItsStepAndItsFace) {
  TStyLImage* cell = window->Cell(3, 5, false);
  for (bool on : {true, false}) {
    ClickAt(cell, 7, 5);
    EXPECT_EQ(window->Model.Song.StepOn(5, 3, 1), on ? 1 : 0);
    EXPECT_EQ(cell->GetListIndex(), on ? 1 : 0);
  }
  EXPECT_EQ(window->Model.CurrentTrack, 3) << "the clicked cell's track became current";
}

TEST_F(MainWindow, ItsWidthStaysAndItsHeightLaysOutTheGridAndTheBottom) {
  struct Case {
    int width, height;
    int expectedWidth, expectedHeight, grid, bottom;
  };
  for (const Case& c :
       {Case{628, 520, 628, 520, 256, 327}, Case{700, 800, 628, 651, 387, 458}, Case{500, 520, 628, 520, 256, 327}}) {
    window->SetBounds(window->GetLeft(), window->GetTop(), c.width, c.height);
    Pump();
    EXPECT_EQ(window->GetWidth(), c.expectedWidth);
    EXPECT_EQ(window->GetHeight(), c.expectedHeight);
    EXPECT_EQ(window->ScrollBox1->GetHeight(), c.grid);
    EXPECT_EQ(window->BottomPanel->GetTop(), c.bottom);
    EXPECT_EQ(window->PageControl1->GetTop(), c.grid + 79);
  }
}

TEST_F(MainWindow, PlayingMovesTheStepDisplayWithTheClock) {
  window->Model.Song.StepOn(1, 1, 1) = 1;
  ClickAt(window->StyMMButton1, 24, 12);
  EXPECT_TRUE(window->Model.Playing);
  EXPECT_EQ(Panel(2), "Playing");
  for (int tick = 1; tick <= 17; ++tick) Advance(150);
  // 17 steps of 150 ms from step 0: the pattern came round once.
  EXPECT_EQ(window->Model.PlayStep, 1);
  EXPECT_EQ(Panel(4), "1");
  EXPECT_NE(window->StepLeds[0]->GetBrush()->GetColor(), StepLightOff) << "the playing step is lit";
  for (std::size_t led = 1; led < window->StepLeds.size(); ++led)
    EXPECT_EQ(window->StepLeds[led]->GetBrush()->GetColor(), StepLightOff) << "light " << led + 1;
}

TEST_F(MainWindow, ExitWhilePlayingStopsAndKeepsTheRecentList) {
  ClickAt(window->StyMMButton1, 24, 12);
  ASSERT_TRUE(window->Model.Playing);
  auto* exit = dynamic_cast<TMenuItem*>(window->FindComponent("Close1"));
  ASSERT_NE(exit, nullptr);
  exit->Click();
  Pump();
  EXPECT_FALSE(window->Model.Playing);
  std::ifstream recent(fs::path(folder.Path()) / "Recent.inf", std::ios::binary);
  std::stringstream text;
  text << recent.rdbuf();
  std::vector<std::string> lines;
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 16u);
  for (const std::string& line : lines) EXPECT_EQ(line.back(), '\r');
  EXPECT_EQ(lines[15], "0\r");
}

}  // namespace
}  // namespace mainwindowtest
