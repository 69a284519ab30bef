#include "drummachine/userkit/Loadkit.h"

#include <memory>

#include "drummachine/core/RecentFiles.h"
#include "drummachine/userkit/UserKitFile.h"

TKitBanks ReadKitBanks(const std::string& folder, const std::string& kitName) {
  TKitBanks banks;
  for (int t = 1; t <= SongTracks; ++t) {
    banks[t] = std::make_unique<TWaveCollection>(nullptr);
    banks[t]->LoadFromFile(UserKitBankFileName(folder, kitName, t));
  }
  return banks;
}

void PutKitBanks(TKitBanks& banks, const TTrackArray<TDsWaveList*>& trackWaveLists) {
  for (int t = 1; t <= SongTracks; ++t) {
    TWaveCollection* bank = trackWaveLists[t]->GetItems();
    bank->Clear();
    while (banks[t]->GetCount() > 0) banks[t]->GetItems(0)->SetCollection(bank);
  }
  // Restored once every track holds its kit: a device that fails to make a
  // buffer raises with every list already in step.
  for (TDsWaveList* list : trackWaveLists) list->GetItems()->Restore();
}

void Loadkit(TMainModel& model, const std::string& kitFileName, const TTrackArray<TDsWaveList*>& trackWaveLists) {
  const TUserKitFile kit = ReadUserKitFile(kitFileName);
  const std::string& programFolder = model.ProgramFolder;
  TKitBanks banks = ReadKitBanks(UserKitsFolder(programFolder), kit.KitName);

  model.Song.KitName = kit.KitName;
  model.Song.KitId = UserKitId;
  model.TrackName = kit.TrackName;
  model.OpenHatTrack = kit.OpenHatTrack;
  model.ClosedHatTrack = kit.ClosedHatTrack;
  UpdateRecentList(model.UserKitNames, kit.KitName);
  for (int t = 1; t <= SongTracks; ++t) {
    const int count = banks[t]->GetCount();
    const std::int32_t wave = kit.TrackSample[t];
    model.Song.TrackSample[t] = wave >= 0 && wave < count ? wave : 0;
    model.KitSampleCount[t] = count;
    model.SamplePath[t].Fill(std::string());
  }
  PutKitBanks(banks, trackWaveLists);
}
