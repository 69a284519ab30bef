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
    EXPECT_GE(window->MainFill->GetHeight(), 0);
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

// "Recent.inf" cannot be written (a folder stands in its place): the close
// reports it once and the program still ends.
TEST_F(MainWindow, ARecentListThatCannotBeWrittenIsReportedAndTheProgramEnds) {
  const fs::path recent = fs::path(folder.Path()) / "Recent.inf";
  fs::remove(recent);
  fs::create_directory(recent);
  win::user::TakeMessageBoxRecords();
  window->Close();
  Pump();
  EXPECT_EQ(win::user::TakeMessageBoxRecords().size(), 1u);
  EXPECT_TRUE(Application->GetTerminated()) << "the program still ends";
}

// A program folder whose skins lack the window's bitmap list file.
class WithoutBitmapListFile : public MainWindow {
 protected:
  void PlaceDataFolders(const fs::path& program, const fs::path& here) override {
    fs::create_directory_symlink(program / "kits", here / "kits");
    fs::create_directory(here / "skins");
    for (const auto& entry : fs::directory_iterator(program / "skins"))
      if (entry.path().filename() != "resource2.bml")
        fs::create_symlink(entry.path(), here / "skins" / entry.path().filename());
  }
};

// The missing file is reported once, and the rest of the creation still
// runs: the kit is loaded and the track panel shows track 1.
TEST_F(WithoutBitmapListFile, IsReportedOnceAndTheKitStillLoads) {
  const auto boxes = win::user::TakeMessageBoxRecords();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].text.find("resource2.bml"), std::string::npos) << boxes[0].text;
  EXPECT_EQ(window->Model.Song.KitId, 10);
  EXPECT_EQ(Panel(1), "Soft Synth kit");
  EXPECT_EQ(window->TrackButtons[1]->GetCaption(), "BassDrum");
  EXPECT_TRUE(window->Model.FormReady);
}

}  // namespace
}  // namespace mainwindowtest
