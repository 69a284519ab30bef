// Everything on the main window that shows kit data: the kit menu's check
// marks, the track and sample buttons, the current track's sample box and
// label, the user-kit menu items and the kit's name.
#pragma once

#include "drummachine/kits/KitContext.h"

// The sample button's caption of a track whose list holds no wave.
constexpr const char* EmptyWaveCaption = "Empty";

// Removes the check mark from the thirteen built-in kit items and from
// mnukit1..mnukit9.
void uncheckMenus(const TKitContext& kits);
// The check mark on the built-in kit kitId's item (0..12) alone.
void CheckBuiltinKitItem(const TKitContext& kits, int kitId);
// The check mark on mnukit1 alone: the kit on top of the user-kit list.
void CheckUserKitItem(const TKitContext& kits);

// Brings every kit display up to date from the model and the wave lists. A
// track whose TrackSample lies outside its list shows "Empty" on its sample
// button and, for the current track, no selected item and an empty label:
// it plays nothing. The user-kit items change only once FormReady is set.
void UpdateDrumButtons(const TKitContext& kits);

// The names of track t's waves as the sample box lists them: "Empty" alone
// for a list without waves.
std::vector<std::string> SampleBoxItems(const TKitContext& kits, int t);
