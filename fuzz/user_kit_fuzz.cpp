// The user kit file. A kit that reads is one the drum machine can load: its
// name can name a user kit (the name becomes part of the banks' paths), its
// hat tracks are tracks, no track name is longer than its field, and reading
// the same bytes again gives the same kit. A file that fails raises the
// class library's input / output error and nothing else.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "drummachine/userkit/UserKitFile.h"
#include "fuzz/seeds.h"
#include "platform/vcl/SysUtils.h"

namespace {

bool SameKit(const TUserKitFile& a, const TUserKitFile& b) {
  return a.KitName == b.KitName && a.TrackName == b.TrackName && a.OpenHatTrack == b.OpenHatTrack &&
         a.ClosedHatTrack == b.ClosedHatTrack && a.TrackSample == b.TrackSample;
}

bool IsTrack(std::int32_t t) {
  return t >= 1 && t <= SongTracks;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input =
      drums_fuzz::WriteScratchFile("Fuzz.kit", std::string(reinterpret_cast<const char*>(data), size));
  TUserKitFile kit;
  try {
    kit = ReadUserKitFile(input);
  } catch (const EInOutError&) {
    return 0;
  }
  if (!IsUserKitName(kit.KitName) || !IsTrack(kit.OpenHatTrack) || !IsTrack(kit.ClosedHatTrack)) std::abort();
  for (int t = 1; t <= SongTracks; ++t)
    if (kit.TrackName[t].size() > TTrackName::MaxLength) std::abort();
  if (!SameKit(kit, ReadUserKitFile(input))) std::abort();
  return 0;
}
