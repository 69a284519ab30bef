#include "drummachine/core/RecentFiles.h"

#include "drummachine/core/AtomicTextFile.h"
#include "platform/vcl/SysUtils.h"

std::optional<bool> LoadRecent(TMainModel& model, const std::string& fileName) {
  model.RecentFiles.Fill(std::string());
  model.UserKitNames.Fill(std::string());
  model.SkinSchemeName.clear();
  if (!FileExists(fileName)) return std::nullopt;

  TextFile f;
  AssignFile(f, fileName);
  Reset(f);
  auto next = [&f](std::string& line) {
    if (Eof(f)) return false;
    ReadLn(f, line);
    return true;
  };
  std::optional<bool> tips;
  bool complete = true;
  for (int i = 1; i <= RecentSongCount && complete; ++i) complete = next(model.RecentFiles[i]);
  for (int i = 1; i <= RecentKitCount && complete; ++i) complete = next(model.UserKitNames[i]);
  if (complete) complete = next(model.SkinSchemeName);
  std::string tipsLine;
  if (complete && next(tipsLine)) {
    int value = 0;
    tips = TryStrToInt(Trim(tipsLine), value) && value == 1;
  }
  CloseFile(f);
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
