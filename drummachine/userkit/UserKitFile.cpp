#include "drummachine/userkit/UserKitFile.h"

#include <cstdio>

#include "drummachine/core/TextLine.h"
#include "platform/vcl/SysUtils.h"

namespace {

bool IsTrack(std::int32_t t) {
  return t >= 1 && t <= SongTracks;
}

}  // namespace

bool IsUserKitName(const std::string& name) {
  return !name.empty() && name.size() <= TKitName::MaxLength && name.find_first_of("\\/") == std::string::npos &&
         name.find("..") == std::string::npos;
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
  WriteLn(f, kit.KitName);
  for (int t = 1; t <= SongTracks; ++t) WriteLn(f, kit.TrackName[t].Get());
  WriteLn(f, kit.OpenHatTrack, ' ', kit.ClosedHatTrack);
  for (int t = 1; t <= SongTracks; ++t) {
    if (t > 1) Write(f, ' ');
    Write(f, kit.TrackSample[t]);
  }
  WriteLn(f);
}

TUserKitFile ReadUserKitFile(const std::string& fileName) {
  TUserKitFile kit;
  TextFile f;
  AssignFile(f, fileName);
  Reset(f);
  // Read whole, so that a name over 30 bytes is refused rather than cut to
  // another kit's name.
  kit.KitName = ReadTextField(f, LongestTextLine);
  for (int t = 1; t <= SongTracks; ++t) kit.TrackName[t] = ReadTextField(f, TTrackName::MaxLength);
  ReadLn(f, kit.OpenHatTrack, kit.ClosedHatTrack);
  for (int t = 1; t <= SongTracks; ++t) Read(f, kit.TrackSample[t]);
  CloseFile(f);
  if (!IsUserKitName(kit.KitName))
    throw EInOutError("The kit file \"" + fileName + "\" names an invalid kit \"" + kit.KitName + "\"");
  if (!IsTrack(kit.OpenHatTrack) || !IsTrack(kit.ClosedHatTrack))
    throw EInOutError("The kit file \"" + fileName + "\" names hat tracks " + IntToStr(kit.OpenHatTrack) + " and " +
                      IntToStr(kit.ClosedHatTrack) + " outside 1..12");
  return kit;
}
