// Saving a user kit: the twelve tracks' wave collections and the kit file,
// in the "user kits" folder below the program folder. The kit editor saves
// its kits through the same code.
#pragma once

#include <string>

#include "drummachine/userkit/UserKitFile.h"
#include "sound/DsSounds.h"

// Writes kit.KitName's files ("<kit>_01.dsw" .. "<kit>_12.dsw" from the
// tracks' wave lists, all their waves, and "<kit>.kit" from kit) into the
// "user kits" folder below programFolder, made when missing. Every file is
// written beside its place first and put in place only once all thirteen
// are complete, so a failure while writing (a name that cannot name a user
// kit, a full disk, a file that cannot be made) raises and leaves a kit of
// that name saved before as it was.
void SaveUserKit(const TUserKitFile& kit, const std::string& programFolder,
                 const TTrackArray<TDsWaveList*>& trackWaveLists);

// The kit editor's save: the same files, written the same way, into folder
// (the folder of the kit file the user chose) from the editor's kit.
// kit.KitName must name a user kit (IsUserKitName), or the drum machine could
// not load it: another name raises and writes nothing.
void SaveEditorKit(const TEditorKitFile& kit, const std::string& folder,
                   const TTrackArray<TDsWaveList*>& trackWaveLists);
