#include "drummachine/userkit/SaveUserKit.h"

#include <vector>

#include "drummachine/core/AtomicTextFile.h"
#include "platform/win/windows.h"

namespace {

// A file written under a temporary name, waiting for its place.
struct TStagedFile {
  std::string Temporary;
  std::string Target;
};

[[noreturn]] void RaiseLastError(const std::string& fileName) {
  const DWORD error = GetLastError();
  throw EInOutError("Cannot save \"" + fileName + "\": " + SysErrorMessage(static_cast<int>(error)),
                    error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? 3 : 5);
}

void MakeFolder(const std::string& folder) {
  if (DirectoryExists(folder)) return;
  if (!CreateDirectoryA(folder.c_str(), nullptr) && !DirectoryExists(folder)) RaiseLastError(folder);
}

void StageKitFile(const TUserKitFile& kit, const TStagedFile& file) {
  TextFile f;
  try {
    AssignFile(f, file.Temporary);
    Rewrite(f);
    WriteUserKitFile(f, kit);
    CloseFile(f);
  } catch (...) {
    if (f.GetMode() != TextFile::Mode::Closed) {
      IOCheckingOff quiet;
      CloseFile(f);
      IOResult();
    }
    throw;
  }
}

}  // namespace

void SaveUserKit(const TUserKitFile& kit, const std::string& programFolder,
                 const TTrackArray<TDsWaveList*>& trackWaveLists) {
  if (!IsUserKitName(kit.KitName))
    throw EInOutError("\"" + kit.KitName + "\" cannot name a user kit: it needs 1 to " +
                      std::to_string(TKitName::MaxLength) + " characters and no \"\\\", \"/\" or \"..\"");
  const std::string folder = UserKitsFolder(programFolder);
  MakeFolder(folder);

  std::vector<TStagedFile> staged;
  try {
    for (int t = 1; t <= SongTracks; ++t) {
      const std::string target = UserKitBankFileName(folder, kit.KitName, t);
      staged.push_back({TemporaryFileName(target), target});
      trackWaveLists[t]->GetItems()->SaveToFile(staged.back().Temporary);
    }
    const std::string kitFile = folder + "\\" + kit.KitName + ".kit";
    staged.push_back({TemporaryFileName(kitFile), kitFile});
    StageKitFile(kit, staged.back());
    // The banks take their places before the kit file that names them.
    for (const TStagedFile& file : staged)
      if (!MoveFileExA(file.Temporary.c_str(), file.Target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        RaiseLastError(file.Target);
  } catch (...) {
    for (const TStagedFile& file : staged) DeleteFileA(file.Temporary.c_str());
    throw;
  }
}
