// The kit reload after a song was read, on the real window: the song's kit,
// its wave choices, and the user samples its tracks name.
#include "kits_window_fixture.h"

namespace windowkits {
namespace {

using SongKit = KitsWindow;

// Tracks 3 and 8 name samples that are gone: each gives its own message and
// plays its first wave; track 5's sample exists and is added and played,
// and every other track keeps the song's wave choice.
TEST_F(SongKit, MissingUserSamplesAreReportedEachAndTheOtherTracksGetTheirs) {
  const fs::path here = folder.Path();
  WriteWav(here / "clap.wav", std::vector<std::int16_t>(400, 1234));
  TSong& song = window->Model.Song;
  song.KitId = 0;  // the Analog kit
  song.KitName = TKitName("Analog kit");
  song.TrackSample.Fill(0);
  song.TrackSample[6] = 1;
  song.TrackSample[12] = 2;
  song.TrackSample[3] = 1;  // its sample would have been wave 1 of the song's file
  const std::string missing3 = (here / "gone" / "snare.wav").string();
  const std::string missing8 = (here / "gone" / "ride.wav").string();
  const std::string clap = (here / "clap.wav").string();
  song.SongSamplePath[3] = missing3;
  song.SongSampleName[3] = "snare";
  song.SongSamplePath[8] = missing8;
  song.SongSampleName[8] = "ride";
  song.SongSamplePath[5] = clap;
  song.SongSampleName[5] = "my clap";

  window->LoadKitFile();
  Pump();

  EXPECT_EQ(Messages(),
            (std::vector<std::string>{"The following file \"" + missing3 + "\" could not be found for Track 3",
                                      "The following file \"" + missing8 + "\" could not be found for Track 8"}));
  EXPECT_EQ(Panel(1), "Analog kit");
  EXPECT_TRUE(Named<TMenuItem>("mnuAnalog")->GetChecked());
  for (int t = 1; t <= SongTracks; ++t) {
    SCOPED_TRACE("track " + std::to_string(t));
    TWaveCollection* bank = window->TrackWaveLists[t]->GetItems();
    const int kitWaves = window->Model.KitSampleCount[t];
    if (t == 5) {
      ASSERT_EQ(bank->GetCount(), kitWaves + 1);
      EXPECT_EQ(song.TrackSample[5], kitWaves);
      EXPECT_EQ(bank->GetItems(kitWaves)->GetName(), "my clap");
      EXPECT_EQ(window->Model.SamplePath[5][kitWaves], clap);
      EXPECT_EQ(window->DrumButtons[5]->GetCaption(), "my clap");
      continue;
    }
    EXPECT_EQ(bank->GetCount(), kitWaves) << "nothing added";
    const int expected = t == 6 ? 1 : t == 12 ? 2 : 0;
    EXPECT_EQ(song.TrackSample[t], expected);
    EXPECT_EQ(window->DrumButtons[t]->GetCaption(), bank->GetItems(expected)->GetName());
  }
}

}  // namespace
}  // namespace windowkits
