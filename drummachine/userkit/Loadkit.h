// Loading a user kit into the drum machine: the kit file, then the twelve
// tracks' wave collection files, into the model and the tracks' wave lists.
// It needs no window: the kit dialog's Open, the user-kit menu items and the
// kit reload after a song was opened call it, then refresh what they show
// (the drum buttons, the track panel, the kit menu's check mark on mnukit1).
#pragma once

#include <memory>
#include <string>

#include "drummachine/core/MainModel.h"
#include "sound/DsSounds.h"

// KitId of a user kit.
constexpr std::int32_t UserKitId = 14;

// Reads the kit file kitFileName and the wave collection files of its
// tracks, which lie in the "user kits" folder below model.ProgramFolder
// whatever folder the kit file came from. Everything is read before anything
// changes: a kit file or a track's file that is missing or broken raises
// (EInOutError for the kit file, see ReadUserKitFile; the stream errors of
// the wave collection file, EFOpenError for a missing one) and leaves the
// model and the wave lists as they were.
//
// Then the kit replaces the loaded one: each track's wave list holds the
// waves of its file, made playable (restored); KitName, TrackName,
// OpenHatTrack, ClosedHatTrack and TrackSample take the file's values (a
// wave index outside the track's waves counts as 0); KitId is UserKitId; the
// kit name goes to the top of UserKitNames. All the waves are the kit's:
// KitSampleCount is each track's wave count and no wave keeps a user
// sample's path.
void Loadkit(TMainModel& model, const std::string& kitFileName, const TTrackArray<TDsWaveList*>& trackWaveLists);

// The twelve banks of a kit, read before anything they replace changes.
using TKitBanks = TTrackArray<std::unique_ptr<TWaveCollection>>;

// Reads the wave collection file of every track of kitName in folder
// (UserKitBankFileName); raises as TWaveCollection::LoadFromFile does, for
// the first file that is missing or broken.
TKitBanks ReadKitBanks(const std::string& folder, const std::string& kitName);

// Moves each bank's waves into its track's wave list, which is emptied
// first (no copy of their sound is made, and nothing can fail half way),
// then makes every list playable (restored). The kit editor's Open uses the
// pair too.
void PutKitBanks(TKitBanks& banks, const TTrackArray<TDsWaveList*>& trackWaveLists);
