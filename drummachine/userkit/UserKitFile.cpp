#include "drummachine/userkit/UserKitFile.h"

#include <cstdio>
#include <string_view>
#include <type_traits>

#include "drummachine/core/TextLine.h"
#include "platform/vcl/SysUtils.h"

namespace {

bool IsTrack(std::int32_t t) {
  return t >= 1 && t <= SongTracks;
}

// A character no file name may hold (":" would even name a stream of
// another file), or a control character.
bool KitNameHasUnfitCharacter(const std::string& name) {
  for (const char c : name)
    if (static_cast<unsigned char>(c) < 0x20 ||
        std::string_view(UnfitKitNameCharacters).find(c) != std::string_view::npos)
      return true;
  return false;
}

bool KitFileHasNoPathPart(const std::string& name) {
  return name.find_first_of("\\/") == std::string::npos && name.find("..") == std::string::npos;
}

// Lines 1 to 14, which both programs write alike.
template <class TKit>
void KitFileWriteHead(TextFile& f, const TKit& kit) {
  WriteLn(f, kit.KitName);
  for (int t = 1; t <= SongTracks; ++t) WriteLn(f, kit.TrackName[t].Get());
  WriteLn(f, kit.OpenHatTrack, ' ', kit.ClosedHatTrack);
}

// Line 15: the wave of each track, one blank between, none after.
void KitFileWriteSamples(TextFile& f, const TTrackArray<std::int32_t>& samples) {
  for (int t = 1; t <= SongTracks; ++t) {
    if (t > 1) Write(f, ' ');
    Write(f, samples[t]);
  }
  WriteLn(f);
}

// Lines 1 to 14; a track name keeps the first bytes its type holds. The kit
// name is read whole, so that a name too long for a kit is refused rather
// than cut to another kit's name.
template <class TKit>
void KitFileReadHead(TextFile& f, TKit& kit) {
  kit.KitName = ReadTextField(f, LongestTextLine);
  for (int t = 1; t <= SongTracks; ++t)
    kit.TrackName[t] = ReadTextField(f, std::remove_cvref_t<decltype(kit.TrackName[t])>::MaxLength);
  ReadLn(f, kit.OpenHatTrack, kit.ClosedHatTrack);
}

template <class TKit>
void KitFileCheckHats(const std::string& fileName, const TKit& kit) {
  if (!IsTrack(kit.OpenHatTrack) || !IsTrack(kit.ClosedHatTrack))
    throw EInOutError("The kit file \"" + fileName + "\" names hat tracks " + IntToStr(kit.OpenHatTrack) + " and " +
                      IntToStr(kit.ClosedHatTrack) + " outside 1..12");
}

}  // namespace

bool IsUserKitName(const std::string& name) {
  return !name.empty() && name.size() <= TKitName::MaxLength && KitFileHasNoPathPart(name) &&
         !KitNameHasUnfitCharacter(name);
}

std::string UserKitsFolder(const std::string& programFolder) {
  return programFolder + "\\" + UserKitsFolderName;
}

std::string UserKitBankFileName(const std::string& folder, const std::string& kitName, int track) {
  char number[16];
  std::snprintf(number, sizeof number, "%02d", track);
  return folder + "\\" + kitName + "_" + number + ".dsw";
}

void WriteUserKitFile(TextFile& f, const TUserKitFile& kit) {
  KitFileWriteHead(f, kit);
  KitFileWriteSamples(f, kit.TrackSample);
}

TUserKitFile ReadUserKitFile(const std::string& fileName) {
  TUserKitFile kit;
  TextFile f;
  AssignFile(f, fileName);
  Reset(f);
  KitFileReadHead(f, kit);
  for (int t = 1; t <= SongTracks; ++t) Read(f, kit.TrackSample[t]);
  CloseFile(f);
  if (!IsUserKitName(kit.KitName))
    throw EInOutError("The kit file \"" + fileName + "\" names an invalid kit \"" + kit.KitName + "\"");
  KitFileCheckHats(fileName, kit);
  return kit;
}

void WriteEditorKitFile(TextFile& f, const TEditorKitFile& kit) {
  KitFileWriteHead(f, kit);
  KitFileWriteSamples(f, TTrackArray<std::int32_t>{});
}

TEditorKitFile ReadEditorKitFile(const std::string& fileName) {
  TEditorKitFile kit;
  TextFile f;
  AssignFile(f, fileName);
  Reset(f);
  KitFileReadHead(f, kit);
  CloseFile(f);
  if (kit.KitName.empty() || !KitFileHasNoPathPart(kit.KitName))
    throw EInOutError("The kit file \"" + fileName + "\" names an invalid kit \"" + kit.KitName + "\"");
  KitFileCheckHats(fileName, kit);
  return kit;
}
