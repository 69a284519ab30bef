#include "drummachine/userkit/SaveUserKit.h"

#include <functional>
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

using TKitFileWriter = std::function<void(TextFile&)>;

void StageKitFile(const TKitFileWriter& write, const TStagedFile& file) {
  TextFile f;
  try {
    AssignFile(f, file.Temporary);
    Rewrite(f);
    write(f);
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

void CheckKitName(const std::string& kitName) {
  if (!IsUserKitName(kitName))
    throw EInOutError("\"" + kitName + "\" cannot name a user kit: it needs 1 to " +
                      std::to_string(TKitName::MaxLength) + " characters, no \"..\" and none of " +
                      UnfitKitNameCharacters);
}

// Every file is written beside its place first and put in place only once
// all thirteen are complete.
void SaveKitFiles(const std::string& kitName, const std::string& folder,
                  const TTrackArray<TDsWaveList*>& trackWaveLists, const TKitFileWriter& writeKitFile) {
  MakeFolder(folder);
  std::vector<TStagedFile> staged;
  try {
    for (int t = 1; t <= SongTracks; ++t) {
      const std::string target = UserKitBankFileName(folder, kitName, t);
      staged.push_back({TemporaryFileName(target), target});
      trackWaveLists[t]->GetItems()->SaveToFile(staged.back().Temporary);
    }
    const std::string kitFile = folder + "\\" + kitName + ".kit";
    staged.push_back({TemporaryFileName(kitFile), kitFile});
    StageKitFile(writeKitFile, staged.back());
    // The banks take their places before the kit file that names them.
    for (const TStagedFile& file : staged)
      if (!MoveFileExA(file.Temporary.c_str(), file.Target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        RaiseLastError(file.Target);
  } catch (...) {
    for (const TStagedFile& file : staged) DeleteFileA(file.Temporary.c_str());
    throw;
  }
}

}  // namespace

void SaveUserKit(const TUserKitFile& kit, const std::string& programFolder,
                 const TTrackArray<TDsWaveList*>& trackWaveLists) {
  CheckKitName(kit.KitName);
  SaveKitFiles(kit.KitName, UserKitsFolder(programFolder), trackWaveLists,
               [&kit](TextFile& f) { WriteUserKitFile(f, kit); });
}

void SaveEditorKit(const TEditorKitFile& kit, const std::string& folder,
                   const TTrackArray<TDsWaveList*>& trackWaveLists) {
  CheckKitName(kit.KitName);
  SaveKitFiles(kit.KitName, folder, trackWaveLists, [&kit](TextFile& f) { WriteEditorKitFile(f, kit); });
}
