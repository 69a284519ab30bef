// Every built-in kit played through the engine as the drum machine plays it:
// twelve tracks, each its own device object and wave list loaded from the
// kit's files, every item at the tracks' default volume (-10 dB) and pitch
// (44,100 Hz). Each track is heard alone, then a two-bar groove, then all
// twelve on one step; the mixed output must never reach full scale.
// With DRUMS_KIT_RENDER_DIR set the whole output is also captured there as
// kits.wav, for listening and for sox: the kits in table order, each 0.1 s of
// silence, 0.7 s per track alone, 4.8 s of groove and 3 s for the last step.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "drummachine/core/BuiltinKits.h"
#include "sound/support/sound_fixture.h"

namespace {

class KitRender : public soundtest::SoundTest {
 protected:
  // Renders `ms` of output, the clock kept at the output's time; lastPart is
  // the peak of that stretch, peak of all so far.
  void Wait(int ms) {
    Sync();
    auto part = Render(44100 * ms / 1000, 441);
    lastPart = 0;
    for (std::int16_t v : part) lastPart = std::max(lastPart, std::abs(static_cast<int>(v)));
    peak = std::max(peak, lastPart);
    Sync();
  }

  int peak = 0;
  int lastPart = 0;
};

TEST_F(KitRender, EveryKitPlaysEachTrackAndAllTracksTogetherBelowFullScale) {
  const char* dir = std::getenv("DRUMS_KIT_RENDER_DIR");
  const char* program = std::getenv("DRUMS_PROGRAM_DIR");
  const std::string kits = std::string(program ? program : "program") + "/kits/";
  for (const TBuiltinKit& kit : BuiltinKits) {
    if (kit.KitId == EmptyKitId) continue;
    SCOPED_TRACE(kit.KitName);
    if (dir && kit.KitId == 0) setenv("DRUMS_AUDIO_CAPTURE", (std::string(dir) + "/kits.wav").c_str(), 1);
    std::vector<TDsWaveList*> lists;
    std::vector<TWaveCollectionItem*> items;
    for (const TBuiltinKitTrack& track : kit.Tracks) {
      TDsWaveList* list = NewList(NewSound());
      list->GetItems()->LoadFromFile(kits + BuiltinKitFileName(track));
      TWaveCollectionItem* item =
          track.Wave < list->GetItems()->GetCount() ? list->GetItems()->GetItems(track.Wave) : nullptr;
      if (item) {
        item->SetVolume(-1000);
        item->SetFrequency(44100);
      }
      lists.push_back(list);
      items.push_back(item);
    }
    unsetenv("DRUMS_AUDIO_CAPTURE");
    peak = 0;
    Wait(100);
    for (size_t t = 0; t < items.size(); ++t) {
      if (!items[t]) continue;
      items[t]->Play();
      Wait(700);
      EXPECT_GT(lastPart, 200) << "track " << t + 1 << " is heard";
    }
    // Two bars at 100 bpm: kick, snare, closed hat, an open hat before the
    // bar line, a crash at the start and a fill of toms at the end.
    for (int step = 0; step < 32; ++step) {
      const int s = step % 16;
      if (s % 4 == 0 || s == 10) items[0]->Play();
      if (s == 4 || s == 12) items[1]->Play();
      if (s == 14) items[2]->Play();
      if (s % 2 == 0 && s != 14) items[3]->Play();
      if (step == 0) items[7]->Play();
      if (step >= 28) items[step % 2 ? 5 : 6]->Play();
      Wait(150);
    }
    for (TWaveCollectionItem* item : items)
      if (item) item->Play();
    Wait(3000);
    EXPECT_LT(peak, 32767);
    EXPECT_GT(peak, 3000);
    for (TDsWaveList* list : lists) delete list->GetDsSound();
  }
}

}  // namespace
