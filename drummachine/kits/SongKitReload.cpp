#include "drummachine/kits/SongKitReload.h"

#include "drummachine/core/BuiltinKits.h"
#include "drummachine/kits/BuiltinKitLoader.h"
#include "drummachine/kits/KitDisplay.h"
#include "drummachine/kits/TrackWaveAppend.h"
#include "drummachine/kits/UserKitMenu.h"
#include "drummachine/userkit/Loadkit.h"

namespace {

void LoadSongKit(const TKitContext& kits) {
  const std::int32_t kitId = kits.Model.Song.KitId;
  if (kitId >= 0 && kitId < BuiltinKitCount) {
    LoadBuiltinKit(kits, kitId);
  } else if (kitId == UserKitId) {
    LoadNamedUserKit(kits, kits.Model.Song.KitName);
  }
}

void AddSongSample(const TKitContext& kits, int t) {
  TSong& song = kits.Model.Song;
  const std::string& path = song.SongSamplePath[t];
  song.TrackSample[t] = 0;
  if (TrackBank(kits, t)->GetCount() >= TrackWaveSlots) {
    kits.View.ShowMessage("The following file \"" + path + "\" could not be added to Track " + std::to_string(t) +
                          ": it holds " + std::to_string(TrackWaveSlots) + " samples already");
    return;
  }
  try {
    song.TrackSample[t] = AppendTrackWave(kits, t, path, song.SongSampleName[t]);
  } catch (const Exception&) {
    kits.View.ShowMessage(MissingSampleMessage(path, t));
  }
}

}  // namespace

std::string MissingSampleMessage(const std::string& path, int t) {
  return "The following file \"" + path + "\" could not be found for Track " + std::to_string(t);
}

void LoadKitFile(const TKitContext& kits) {
  TSong& song = kits.Model.Song;
  const TTrackArray<std::int32_t> songSamples = song.TrackSample;
  LoadSongKit(kits);
  song.TrackSample = songSamples;
  for (int t = 1; t <= SongTracks; ++t) {
    if (!song.SongSamplePath[t].empty()) AddSongSample(kits, t);
    if (!TrackWave(kits, t, song.TrackSample[t])) song.TrackSample[t] = 0;
  }
  UpdateDrumButtons(kits);
}
