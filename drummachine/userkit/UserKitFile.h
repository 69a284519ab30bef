// The user kit file (".kit"): a kit the user saved, named after it, in the
// "user kits" folder below the program folder, beside the twelve wave
// collection files of its tracks ("<kit>_01.dsw" .. "<kit>_12.dsw").
// Plain text, CR LF (LF alone is read too), 15 lines:
//   1      the kit name
//   2-13   the names of tracks 1..12
//   14     open-hat track and closed-hat track, one blank between
//   15     the wave each track plays (TrackSample), one blank between
#pragma once

#include <cstdint>
#include <string>

#include "drummachine/core/Song.h"
#include "platform/vcl/SysUtils.h"

constexpr const char* UserKitsFolderName = "user kits";

struct TUserKitFile {
  std::string KitName;
  TTrackArray<TTrackName> TrackName;
  std::int32_t OpenHatTrack = 0;
  std::int32_t ClosedHatTrack = 0;
  TTrackArray<std::int32_t> TrackSample;
};

// The characters a file name cannot hold; "\" and "/" among them.
constexpr const char* UnfitKitNameCharacters = "\\/:*?\"<>|";

// Whether name can name a user kit: 1 to 30 bytes, and, since it becomes
// part of the paths of the kit's files, no "..", no control character and
// none of UnfitKitNameCharacters.
bool IsUserKitName(const std::string& name);

// The folder of the user kits below the program folder.
std::string UserKitsFolder(const std::string& programFolder);

// The wave collection file of track t (1..12) of the kit: the kit name, an
// underscore, t in two figures and ".dsw", in folder.
std::string UserKitBankFileName(const std::string& folder, const std::string& kitName, int track);

// Writes the kit's 15 lines to f, open for output.
void WriteUserKitFile(TextFile& f, const TUserKitFile& kit);

// The kit editor's variant of the same file: the kit name is read as a
// whole line, track names keep 60 bytes, and line 15 (the wave each track
// starts on in the drum machine) is written as twelve zeros and never read.
using TEditorTrackName = ShortString<60>;

struct TEditorKitFile {
  std::string KitName;
  TTrackArray<TEditorTrackName> TrackName;
  std::int32_t OpenHatTrack = 0;
  std::int32_t ClosedHatTrack = 0;
};

// Writes the editor's kit as 15 lines to f, open for output.
void WriteEditorKitFile(TextFile& f, const TEditorKitFile& kit);

// Reads lines 1 to 14 of a kit file the editor opens. Raises as
// ReadUserKitFile does, except that a kit name of any length is taken as long
// as it is not empty and holds no "\", "/" or "..".
TEditorKitFile ReadEditorKitFile(const std::string& fileName);

// Reads a whole kit file. A track name keeps 30 bytes of its line (the rest
// is skipped, never held); wave indexes are taken as written. Raises
// EInOutError when the file cannot be opened (2 file not found ...), is cut
// short (100) or holds a malformed number (106), and, with a message naming
// the file, when the kit name cannot name a user kit (IsUserKitName) or a hat
// track is outside 1..12.
TUserKitFile ReadUserKitFile(const std::string& fileName);
