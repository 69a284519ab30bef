#include "drummachine/userkit/Loadkit.h"

#include <memory>

#include "drummachine/core/RecentFiles.h"
#include "drummachine/userkit/UserKitFile.h"

namespace {

using TStagedBanks = TTrackArray<std::unique_ptr<TWaveCollection>>;

TStagedBanks ReadBanks(const std::string& folder, const std::string& kitName) {
  TStagedBanks banks;
  for (int t = 1; t <= SongTracks; ++t) {
    banks[t] = std::make_unique<TWaveCollection>(nullptr);
    banks[t]->LoadFromFile(UserKitBankFileName(folder, kitName, t));
  }
  return banks;
}

// Moves the staged waves into the list: no copy of their sound is made, and
// nothing here can fail half way.
void PutBank(TWaveCollection& staged, TDsWaveList& list) {
  TWaveCollection* bank = list.GetItems();
  bank->Clear();
  while (staged.GetCount() > 0) staged.GetItems(0)->SetCollection(bank);
}

}  // namespace

void Loadkit(TMainModel& model, const std::string& kitFileName, const TTrackArray<TDsWaveList*>& trackWaveLists) {
  const TUserKitFile kit = ReadUserKitFile(kitFileName);
  const std::string& programFolder = model.ProgramFolder;
  TStagedBanks banks = ReadBanks(UserKitsFolder(programFolder), kit.KitName);

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
    PutBank(*banks[t], *trackWaveLists[t]);
  }
  // Restored once every track holds its kit: a device that fails to make a
  // buffer raises with the model and the lists already in step.
  for (TDsWaveList* list : trackWaveLists) list->GetItems()->Restore();
}
