#include "drummachine/core/RecentFiles.h"

#include "drummachine/core/AtomicTextFile.h"
#include "drummachine/core/TextLine.h"
#include "platform/vcl/SysUtils.h"

std::optional<bool> LoadRecent(TMainModel& model, const std::string& fileName) {
  // Read into copies: a file that fails half way leaves the model as it was.
  TRangeArray<std::string, 1, RecentSongCount> songs;
  TRangeArray<std::string, 1, RecentKitCount> kits;
  std::string scheme;
  std::optional<bool> tips;
  if (FileExists(fileName)) {
    TextFile f;
    AssignFile(f, fileName);
    Reset(f);
    auto next = [&f](std::string& line) {
      if (Eof(f)) return false;
      ReadTextLine(f, line);
      return true;
    };
    bool complete = true;
    for (int i = 1; i <= RecentSongCount && complete; ++i) complete = next(songs[i]);
    for (int i = 1; i <= RecentKitCount && complete; ++i) complete = next(kits[i]);
    if (complete) complete = next(scheme);
    std::string tipsLine;
    if (complete && next(tipsLine)) {
      int value = 0;
      tips = TryStrToInt(Trim(tipsLine), value) && value == 1;
    }
    CloseFile(f);
  }
  model.RecentFiles = std::move(songs);
  model.UserKitNames = std::move(kits);
  model.SkinSchemeName = std::move(scheme);
  return tips;
}

void SaveRecent(const TMainModel& model, bool tipsAtStart, const std::string& fileName) {
  WriteTextFileAtomically(fileName, [&](TextFile& f) {
    for (const std::string& song : model.RecentFiles) WriteLn(f, song);
    for (const std::string& kit : model.UserKitNames) WriteLn(f, kit);
    WriteLn(f, model.SkinSchemeName);
    WriteLn(f, tipsAtStart ? "1" : "0");
  });
}
