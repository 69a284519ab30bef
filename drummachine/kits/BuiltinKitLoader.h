// Loading a built-in kit: the thirteen kits of the kit table, each track's
// wave collection file from the "kits" folder below the program folder. The
// main window's LoadKitAnalog .. LoadKitEmpty each call LoadBuiltinKit with
// their KitId.
#pragma once

#include "drummachine/kits/KitContext.h"

// The folder of the built-in kits' files below the program folder.
std::string BuiltinKitsFolder(const std::string& programFolder);

// Loads kit kitId (0..12; any other id does nothing): checks its menu item,
// sets KitName and KitId, fills each track's list with the waves of its file
// (restored, so they play at once), picks each track's wave, names the
// tracks (the empty kit keeps the names), then refreshes the kit displays
// (UpdateDrumButtons) and records the wave counts (GetWaveCount).
//
// A track whose file is missing or broken is left empty and plays wave 0
// (nothing); the other tracks get their waves all the same, the displays and
// counts are refreshed, and then the first failure is shown once through the
// view's message box. The loader itself never raises for a kit file.
void LoadBuiltinKit(const TKitContext& kits, int kitId);

// KitSampleCount[t] := the wave count of track t's list, and no wave keeps a
// user sample's path: every wave now in the lists is the kit's.
void GetWaveCount(const TKitContext& kits);
