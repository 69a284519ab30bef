#include "drummachine/kits/BuiltinKitLoader.h"

#include <optional>

#include "drummachine/core/BuiltinKits.h"
#include "drummachine/kits/KitDisplay.h"

namespace {

// Fills the bank from the file; on failure leaves it empty and gives the
// message, which names the file: a stream's errors need not.
std::optional<std::string> LoadTrackBank(TWaveCollection& bank, const std::string& fileName) {
  try {
    bank.LoadFromFile(fileName);
    bank.Restore();
    return std::nullopt;
  } catch (const Exception& e) {
    // A broken file may leave the waves read before the fault.
    bank.Clear();
    return fileName + ": " + e.GetMessage();
  }
}

}  // namespace

std::string BuiltinKitsFolder(const std::string& programFolder) {
  return programFolder + "\\kits";
}

void LoadBuiltinKit(const TKitContext& kits, int kitId) {
  if (kitId < 0 || kitId >= BuiltinKitCount) return;
  const TBuiltinKit& kit = BuiltinKit(kitId);
  TMainModel& model = kits.Model;
  CheckBuiltinKitItem(kits, kitId);
  model.Song.KitName = std::string(kit.KitName);
  model.Song.KitId = kit.KitId;
  for (TDsWaveList* list : kits.TrackWaveLists) list->GetItems()->Clear();

  const std::string folder = BuiltinKitsFolder(model.ProgramFolder);
  std::optional<std::string> failure;
  for (int t = 1; t <= SongTracks; ++t) {
    const TBuiltinKitTrack& track = kit.Tracks[static_cast<size_t>(t - 1)];
    TWaveCollection& bank = *kits.TrackWaveLists[t]->GetItems();
    std::optional<std::string> error = LoadTrackBank(bank, folder + "\\" + BuiltinKitFileName(track));
    if (error && !failure) failure = error;
    // A pick beyond the waves of a damaged file would show and play nothing.
    model.Song.TrackSample[t] = track.Wave < bank.GetCount() ? track.Wave : 0;
    const std::string name = kit.TrackNames[static_cast<size_t>(t - 1)];
    if (!name.empty()) model.TrackName[t] = name;
  }
  UpdateDrumButtons(kits);
  GetWaveCount(kits);
  if (failure) kits.View.ShowMessage(*failure);
}

void GetWaveCount(const TKitContext& kits) {
  for (int t = 1; t <= SongTracks; ++t) {
    kits.Model.KitSampleCount[t] = kits.TrackWaveLists[t]->GetItems()->GetCount();
    kits.Model.SamplePath[t].Fill(std::string());
  }
}
