// Loading a user kit from the "Drum Kits" menu: the items mnukit1..mnukit9
// name the nine user kits loaded or saved last.
#pragma once

#include "drummachine/kits/KitContext.h"

// The kit file of the user kit kitName: "<kit>.kit" in the "user kits"
// folder below the program folder.
std::string UserKitFileName(const std::string& programFolder, const std::string& kitName);

// Loads the user kit file kitFileName (Loadkit): on success checks mnukit1,
// where the kit's name now stands, and refreshes the kit displays; a kit that
// cannot be read keeps the loaded kit and is shown through the view's
// message box, the kit file's name before the reader's error. Returns
// whether the kit was loaded.
bool LoadUserKit(const TKitContext& kits, const std::string& kitFileName);

// Loads the user kit called kitName from the "user kits" folder. A name
// that cannot name a user kit (IsUserKitName: a song file or "Recent.inf"
// may hold anything, "..\x" among it) is refused and shown, and the loaded
// kit stays.
bool LoadNamedUserKit(const TKitContext& kits, const std::string& kitName);

// mnukitNClick: loads the user kit UserKitNames[n] (n = 1..9); an item
// without a name does nothing.
bool LoadUserKitItem(const TKitContext& kits, int n);
