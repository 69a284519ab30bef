#include "drummachine/kits/UserKitMenu.h"

#include "drummachine/kits/KitDisplay.h"
#include "drummachine/userkit/Loadkit.h"
#include "drummachine/userkit/UserKitFile.h"

std::string UserKitFileName(const std::string& programFolder, const std::string& kitName) {
  return UserKitsFolder(programFolder) + "\\" + kitName + ".kit";
}

bool LoadUserKit(const TKitContext& kits, const std::string& kitFileName) {
  try {
    Loadkit(kits.Model, kitFileName, kits.TrackWaveLists);
  } catch (const Exception& e) {
    // Loadkit changes nothing unless every file was read; a device that then
    // fails to make a sound leaves the new kit loaded, so show what is there.
    UpdateDrumButtons(kits);
    // The reader's errors need not name the kit ("File not found").
    kits.View.ShowMessage(kitFileName + ": " + e.GetMessage());
    return false;
  }
  CheckUserKitItem(kits);
  UpdateDrumButtons(kits);
  return true;
}

bool LoadNamedUserKit(const TKitContext& kits, const std::string& kitName) {
  if (!IsUserKitName(kitName)) {
    kits.View.ShowMessage("\"" + kitName + "\" cannot name a user kit");
    return false;
  }
  return LoadUserKit(kits, UserKitFileName(kits.Model.ProgramFolder, kitName));
}

bool LoadUserKitItem(const TKitContext& kits, int n) {
  if (n < 1 || n > RecentKitCount || kits.Model.UserKitNames[n].empty()) return false;
  return LoadNamedUserKit(kits, kits.Model.UserKitNames[n]);
}
