// Playing the real window: cells clicked through the host, Play clicked, the
// step clock driven tick by tick; what reaches the tracks' real wave lists,
// the step display and the lights, in 4/4 and in 3/4 time.
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "drummachine/skins/LedColor.h"
#include "play_fixture.h"

namespace windowplay {
namespace {

// The LED colour a built-in skin stores on its 16th line; with no saved
// scheme the window starts in "Default Blue", the first.
TColor SkinLedColor(const std::string& skinName = "Default Blue") {
  std::ifstream skin(std::string(std::getenv("DRUMS_PROGRAM_DIR")) + "/skins/" + skinName + ".skn", std::ios::binary);
  std::string line;
  for (int n = 0; n < 16; ++n) std::getline(skin, line);
  return LedColor(std::stoi(line));
}

TEST_F(PlayingWindow, ClickedCellsPlayOnTheirTicksWithTheMixersValues) {
  // The mixer through its controls: track 2's fader, track 4's pan and pitch
  // on the track panel (track 4 is current once its cells are clicked), the
  // main volume at 80.
  window->TrackFaders[2]->SetPosition(-2500);
  ClickPattern();
  dynamic_cast<TStyTrackBar*>(window->FindComponent("boxPanSlider"))->SetPosition(3000);
  dynamic_cast<TStyTrackBar*>(window->FindComponent("boxPitchSlider"))->SetPosition(22050);
  window->MainVolSlider->SetPosition(80);
  ASSERT_EQ(window->Model.CurrentTrack, 4);

  ClickPlay();
  ASSERT_TRUE(window->Model.Playing);
  const TColor lit = SkinLedColor();
  for (int k = 1; k <= 17; ++k) {
    Tick();
    const int step = (k - 1) % 16 + 1;
    EXPECT_EQ(Panel(4), std::to_string(step)) << "tick " << k;
    for (int led = 1; led <= SongSteps; ++led)
      EXPECT_EQ(LightColor(led), led == step ? lit : StepLightOff) << "tick " << k << ", light " << led;
  }

  // Volumes: the track's plus the main volume (-2000).
  auto kick = [](int tick) { return Play{tick, 1, 0, -3000, 0, 44100}; };
  auto snare = [](int tick) { return Play{tick, 2, 0, -4500, 0, 44100}; };
  auto hat = [](int tick) { return Play{tick, 4, 0, -3000, 3000, 22050}; };
  const std::vector<Play> expected = {
      kick(1), hat(2),  hat(3),  hat(4),   kick(5),   snare(5), hat(6),  hat(7),  hat(8),   kick(9),
      hat(10), hat(11), hat(12), kick(13), snare(13), hat(14),  hat(15), hat(16), kick(17),
  };
  EXPECT_EQ(plays, expected);
  // The closed hat (track 4) cut the open hat (track 3) at each of its hits.
  EXPECT_EQ(recorders[3]->stops, 12);
  // The calls reached the real sounds: the hat's wave holds the last values
  // and has sounded.
  EXPECT_EQ(Wave(4, 0)->GetVolume(), -3000);
  EXPECT_EQ(Wave(4, 0)->GetPan(), 3000);
  EXPECT_EQ(Wave(4, 0)->GetFrequency(), 22050);
  EXPECT_GE(Wave(4, 0)->GetVoiceCount(), 1);
}

TEST_F(PlayingWindow, StopLeavesTheLightsGreyAndTheDisplayAtOne) {
  ClickCell(1, 1);
  ClickPlay();
  Tick(6);
  ASSERT_EQ(Panel(4), "6");
  ClickPlay();
  EXPECT_FALSE(window->Model.Playing);
  EXPECT_EQ(Panel(2), "Stopped");
  EXPECT_EQ(Panel(4), "1");
  for (int led = 1; led <= SongSteps; ++led) EXPECT_EQ(LightColor(led), StepLightOff) << "light " << led;
  plays.clear();
  Tick(3);
  EXPECT_TRUE(plays.empty()) << "the clock goes on, but nothing plays";
  // Play again starts at step 1.
  ClickPlay();
  ASSERT_TRUE(window->Model.Playing);
  Tick();
  EXPECT_EQ(Panel(4), "1");
  EXPECT_EQ(plays.size(), 1u);
}

TEST_F(PlayingWindow, A32ndNoteTrackPlaysItsInBetweenCellsOnTheHalfTicks) {
  ClickAt(window->TrackButtons[3], 10, 5);
  ASSERT_EQ(window->Model.CurrentTrack, 3);
  dynamic_cast<TMenuItem*>(window->FindComponent("mnu32ndNotes"))->Click();
  Pump();
  EXPECT_EQ(window->DsTimer1->GetInterval(), 75u) << "the clock runs at double rate";
  ClickCell(3, 1);
  for (int step : {1, 5}) ClickCell(3, step, true);
  ClickCell(1, 2);
  ClickPlay();
  Tick(12);
  // The first tick is the half tick before step 1; then step s sounds on
  // tick 2s and its in-between cell on tick 2s + 1.
  std::vector<std::pair<int, int>> heard;
  for (const Play& p : plays) heard.emplace_back(p.tick, p.track);
  EXPECT_EQ(heard, (std::vector<std::pair<int, int>>{{2, 3}, {3, 3}, {4, 1}, {11, 3}}));
  EXPECT_EQ(Panel(4), "6");
}

class PlayingInGreenCircles : public PlayingWindow {
 protected:
  std::string SavedScheme() const override { return "Green Circles"; }
};

TEST_F(PlayingInGreenCircles, TheLitStepTakesTheSkinsLedColour) {
  ASSERT_NE(SkinLedColor("Green Circles"), SkinLedColor()) << "the two skins must differ for this test";
  ClickPlay();
  Tick(3);
  for (int led = 1; led <= SongSteps; ++led)
    EXPECT_EQ(LightColor(led), led == 3 ? SkinLedColor("Green Circles") : StepLightOff) << "light " << led;
}

bool IsMetreSkip(int step) {
  return step % 4 == 0;
}

TEST_F(PlayingWindow, ThreeFourTimeSkipsAndHidesEveryFourthStep) {
  for (int step : {3, 4, 5, 16}) ClickCell(1, step);
  window->mnu34time->Click();
  Pump();
  EXPECT_TRUE(window->mnu34time->GetChecked());
  EXPECT_FALSE(window->mnu44time->GetChecked());
  EXPECT_EQ(window->DsTimer1->GetInterval(), 200u) << "12 steps in the time of 4 beats";
  for (int t = 1; t <= SongTracks; ++t)
    for (int s = 1; s <= SongSteps; ++s)
      EXPECT_EQ(window->Cell(t, s, false)->GetVisible(), !IsMetreSkip(s)) << "track " << t << ", step " << s;
  for (int led = 1; led <= SongSteps; ++led)
    EXPECT_EQ(window->StepLeds[static_cast<std::size_t>(led - 1)]->GetVisible(), !IsMetreSkip(led)) << led;
  // Hidden cells keep their contents.
  EXPECT_EQ(window->Model.Song.StepOn(4, 1, 1), 1);

  ClickPlay();
  std::vector<std::string> shown;
  for (int k = 1; k <= 13; ++k) {
    Tick();
    shown.push_back(Panel(4));
    EXPECT_EQ(LightColor(std::stoi(Panel(4))), SkinLedColor()) << "tick " << k;
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"1", "2", "3", "5", "6", "7", "9", "10", "11", "13", "14", "15", "1"}));
  std::vector<int> ticks;
  for (const Play& p : plays) ticks.push_back(p.tick);
  EXPECT_EQ(ticks, (std::vector<int>{3, 4})) << "steps 3 and 5 play; 4 and 16 never do";

  // Back in 4/4 the cells and lights show again and step 4 plays.
  window->mnu44time->Click();
  Pump();
  EXPECT_EQ(window->DsTimer1->GetInterval(), 150u);
  for (int s : {4, 8, 12, 16}) {
    EXPECT_TRUE(window->Cell(1, s, false)->GetVisible()) << s;
    EXPECT_TRUE(window->StepLeds[static_cast<std::size_t>(s - 1)]->GetVisible()) << s;
  }
  plays.clear();
  Tick(3);
  ASSERT_EQ(Panel(4), "4");
  ASSERT_EQ(plays.size(), 2u);
  EXPECT_EQ(plays[0].tick, plays[1].tick - 1) << "steps 3 and 4 on consecutive ticks";
}

}  // namespace
}  // namespace windowplay
