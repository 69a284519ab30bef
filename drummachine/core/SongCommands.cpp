#include "drummachine/core/SongCommands.h"

#include "drummachine/core/AtomicTextFile.h"
#include "drummachine/core/RecentFiles.h"
#include "drummachine/core/SongReset.h"
#include "platform/vcl/SysUtils.h"

namespace {

constexpr int SoftSynthKit = 10;

bool HasFolder(const std::string& name) {
  return name.find_first_of("\\/") != std::string::npos;
}

// A kit name becomes part of a path below the user kit folder.
bool IsSafeKitName(const std::string& name) {
  return !HasFolder(name) && name.find("..") == std::string::npos;
}

}  // namespace

std::string CompleteFileName(const std::string& text, const std::string& extension, const std::string& folder) {
  std::string name = text;
  if (name.find('.') == std::string::npos) name += extension;
  if (!HasFolder(name)) name = folder + "\\" + name;
  return name;
}

std::string SaveAsProposal(const std::string& songFileName) {
  std::size_t slash = songFileName.rfind('\\');
  if (slash == std::string::npos) slash = songFileName.rfind('/');
  if (slash == std::string::npos) return std::string();
  std::size_t dot = songFileName.find('.');
  std::size_t limit = dot == std::string::npos ? 3 : dot + 1 + 3;
  return songFileName.substr(slash + 1, limit);
}

void SaveBKVFile(TMainModel& model, const ISongKit& kit, bool allTracks32nd) {
  if (!model.SaveConfirmed) return;
  model.SaveConfirmed = false;
  WriteTextFileAtomically(model.SongFileName, [&](TextFile& f) { WriteSongFile(f, model, kit, allTracks32nd); });
  model.HasFileName = true;
}

TSongFileExtras LoadFile(TMainModel& model, const std::string& name, bool openAssociatedKit) {
  TSong scratch = model.Song;
  TSongFileExtras extras;
  {
    TextFile f;
    AssignFile(f, name);
    Reset(f);
    extras = ReadSongFile(f, scratch);
    CloseFile(f);
  }
  if (openAssociatedKit) {
    if (!IsSafeKitName(scratch.KitName))
      throw EInOutError("The song names an invalid kit \"" + scratch.KitName.Get() + "\"");
  } else {
    scratch.KitName = model.Song.KitName;
    scratch.TrackSample = model.Song.TrackSample;
    scratch.SongSamplePath = model.Song.SongSamplePath;
    scratch.SongSampleName = model.Song.SongSampleName;
  }
  model.Song = std::move(scratch);
  model.SongFileName = name;
  return extras;
}

void NewSong(TMainModel& model, ISongKit& kit, int kitId) {
  model.NewConfirmed = false;
  ResetSong(model, 1);
  kit.LoadKit(kitId >= 0 && kitId <= 12 ? kitId : SoftSynthKit);
}

TSongFileExtras ReadSong(TMainModel& model, const std::string& name, bool openAssociatedKit) {
  TSongFileExtras extras = LoadFile(model, name, openAssociatedKit);
  model.HasFileName = true;
  model.Playing = false;
  model.ImportStep = 1;
  model.CurrentTrack = 1;
  model.EditedPattern = 1;
  UpdateRecentList(model.RecentFiles, model.SongFileName);
  return extras;
}

TSongFileExtras OpenSong(TMainModel& model, ISongKit& kit, const std::string& name, bool openAssociatedKit) {
  TSongFileExtras extras = ReadSong(model, name, openAssociatedKit);
  if (openAssociatedKit) kit.LoadKitFile();
  return extras;
}

void SaveSongAs(TMainModel& model, const ISongKit& kit, const std::string& name, bool confirmed, bool allTracks32nd) {
  model.SongFileName = name;
  UpdateRecentList(model.RecentFiles, model.SongFileName);
  model.SaveConfirmed = confirmed;
  SaveBKVFile(model, kit, allTracks32nd);
}
