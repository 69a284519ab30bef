// The built-in drum kits: for each kit its name, the prefix of its wave
// collection files in the "kits" folder, and for each of the twelve tracks
// the file it loads and the wave of that file it plays, with the track's
// drum name. The kit loaders of the main window and the kit synthesiser that
// makes the files at build time read this one table.
#pragma once

#include <array>
#include <string>

constexpr int BuiltinKitCount = 13;
constexpr int BuiltinKitTracks = 12;
// KitId of the kit that leaves every track empty.
constexpr int EmptyKitId = 12;
// The bank of the empty kit: a wave collection file without waves.
constexpr const char* EmptyKitFileName = "empty_01.dsw";

struct TBuiltinKitTrack {
  // The file is Prefix + Number in two figures + ".dsw". A track may load
  // another kit's file ("empty_", 1) or spell the prefix in other letters:
  // the kit folder is looked up without regard to case.
  const char* Prefix;
  int Number;
  // The wave of that file the track plays (TrackSample).
  int Wave;
};

struct TBuiltinKit {
  int KitId;
  const char* KitName;
  // The caption of the kit's item in the "Drum Kits" menu.
  const char* MenuCaption;
  const char* FilePrefix;
  std::array<TBuiltinKitTrack, BuiltinKitTracks> Tracks;
  // TrackName[1..12]; empty names (the empty kit) keep the names as they were.
  std::array<const char*, BuiltinKitTracks> TrackNames;
};

extern const std::array<TBuiltinKit, BuiltinKitCount> BuiltinKits;

// The file name that track's entry loads, as in "analog_01.dsw".
std::string BuiltinKitFileName(const TBuiltinKitTrack& track);
// Kit kitId (0..12); raises ERangeError for any other id.
const TBuiltinKit& BuiltinKit(int kitId);
