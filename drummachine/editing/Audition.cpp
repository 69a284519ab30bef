#include "drummachine/editing/Audition.h"

#include <cstdint>

#include "drummachine/core/PlaybackEngine.h"
#include "drummachine/editing/ValueRange.h"

int AuditionTrack(const TMainModel& model, ITrackWaveList* list, int track) {
  if (!list || !TTrackArray<int>::Contains(track)) return NothingAuditioned;
  const TSong& song = model.Song;
  const int wave = song.TrackSample[track];
  if (wave < 0 || wave >= list->GetCount()) return NothingAuditioned;

  list->SetItemPan(wave, ClampToRange(song.TrackPan[track], MinPan, MaxPan));
  list->SetItemFrequency(wave, ClampToRange(song.TrackPitch[track], MinFrequency, MaxFrequency));
  list->SetItemVolume(wave, ClampToRange(song.TrackVolume[track], MinVolume, MaxVolume));
  const int volume = ClampToRange(std::int64_t{song.TrackVolume[track]} + model.MainVolume, MinVolume, MaxVolume);
  list->SetItemVolume(wave, volume);
  list->PlayItem(wave);
  return volume;
}
