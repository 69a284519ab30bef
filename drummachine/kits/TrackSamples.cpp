#include "drummachine/kits/TrackSamples.h"

#include "drummachine/kits/KitDisplay.h"
#include "drummachine/kits/TrackWaveAppend.h"

TSampleFile SampleFileOf(const std::string& path, const std::string& folder) {
  const std::size_t separator = path.find_last_of("\\/");
  const std::size_t start = separator == std::string::npos ? 0 : separator + 1;
  const std::size_t dot = path.find_last_of('.');
  const bool hasExtension = dot != std::string::npos && dot >= start;
  TSampleFile file;
  file.Name = path.substr(start, hasExtension ? dot - start : std::string::npos);
  file.Path = path;
  if (!hasExtension) file.Path += ".wav";
  if (separator == std::string::npos) file.Path = folder + "\\" + file.Path;
  return file;
}

bool CanAddWave(const TKitContext& kits) {
  const TWaveCollection* bank = TrackBank(kits, kits.Model.CurrentTrack);
  return bank && bank->GetCount() < TrackWaveSlots;
}

bool ChooseWave(const TKitContext& kits, int index) {
  const int t = kits.Model.CurrentTrack;
  TWaveCollectionItem* wave = TrackWave(kits, t, index);
  if (!wave) return false;
  kits.Model.Song.TrackSample[t] = index;
  kits.View.SetSampleLabel(wave->GetName());
  kits.View.SetSampleIndex(index);
  kits.View.SetDrumButtonCaption(t, wave->GetName());
  return true;
}

bool AddWave(const TKitContext& kits, const std::string& path, const std::string& folder) {
  const int t = kits.Model.CurrentTrack;
  if (!TrackBank(kits, t)) return false;
  if (!CanAddWave(kits)) {
    kits.View.ShowMessage("Track " + std::to_string(t) + " already holds " + std::to_string(TrackWaveSlots) +
                          " samples; no more can be added.");
    return false;
  }
  const TSampleFile file = SampleFileOf(path, folder);
  int index = 0;
  try {
    index = AppendTrackWave(kits, t, file.Path, file.Name);
  } catch (const Exception& e) {
    kits.View.ShowMessage(e.GetMessage());
    return false;
  }
  kits.Model.Song.TrackSample[t] = index;
  kits.View.SetSampleItems(SampleBoxItems(kits, t), index);
  kits.View.SetSampleLabel(file.Name);
  kits.View.SetDrumButtonCaption(t, file.Name);
  return true;
}
