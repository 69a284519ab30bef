// The state of the drum machine's main window module: the song, the state
// bound to the loaded kit, the step engine's position and the window's
// working state, read and written directly by the main window's handlers and
// the dialogs. One instance lives from the main window's creation to the end
// of the program; the main window owns it (along with the scratch wave and
// bitmap and the tables of its controls). A new instance holds the start
// values that the main window's creation sets.
#pragma once

#include <cstdint>
#include <string>

#include "drummachine/core/Song.h"

constexpr int RecentSongCount = 5;
constexpr int RecentKitCount = 9;
// Waves a track can hold (indexes 0..15).
constexpr int TrackWaveSlots = 16;

// The folder the data folders lie below, as the whole path: a folder deep
// in the file system must not lose its end.
using TProgramFolder = std::string;

struct TMainModel {
  TSong Song;

  // Bound to the loaded kit, not saved with the song.
  TTrackArray<TTrackName> TrackName;
  std::int32_t OpenHatTrack = 3;  // the track a closed hi-hat cuts
  std::int32_t ClosedHatTrack = 4;  // the track that cuts it
  // Path of each wave the user added to a track, by wave index.
  TTrackArray<TRangeArray<std::string, 0, TrackWaveSlots - 1>> SamplePath;
  // Wave count of each track right after its kit loaded.
  TTrackArray<std::int32_t> KitSampleCount;
  // General MIDI percussion note of each track for the MIDI export.
  TTrackArray<std::int32_t> MidiNoteOfTrack{36, 38, 46, 44, 45, 48, 50, 51, 54, 54, 54, 54};

  // The step engine and the window.
  std::int32_t CurrentTrack = 1;
  std::int32_t EditedPattern = 1;
  std::int32_t PlayPattern = 0;  // 0 until the first step of playback
  std::int32_t PlayStep = 0;  // 0 while stopped
  std::int32_t HalfTick = 0;  // 1 on the in-between (32nd) tick of the double-rate clock
  bool AllSixteenth = true;  // no track uses 32nd notes
  bool Playing = false;
  bool SequencerMode = false;
  std::int32_t SequenceRow = 0;
  std::int32_t SequenceColumn = 0;
  std::int32_t LastRow = 0;
  TRangeArray<std::int32_t, 0, SequenceRows - 1> LastColumn;
  std::int32_t MainVolume = 0;  // added to every hit, -10000 .. 0
  std::int32_t TrackCount = SongTracks;
  std::int32_t StepsPerPattern = SongSteps;
  bool FormReady = false;
  std::int32_t PopupStep = 0;
  std::int32_t PopupTrack = 0;
  std::int32_t HoverTrack = 0;
  bool HoverValid = false;
  TTrackArray<std::int32_t> AddSampleItem;
  TRangeArray<std::string, 1, RecentSongCount> RecentFiles;
  TRangeArray<std::string, 1, RecentKitCount> UserKitNames;
  std::string SkinSchemeName;
  std::string SongFileName;
  bool HasFileName = false;
  TProgramFolder ProgramFolder;

  // Cursors of the MIDI import.
  std::int32_t ImportStep = 1;
  std::int32_t ImportNoteCount = 0;
  TTrackArray<std::int32_t> ImportLastStep;

  // Set by a dialog that the user confirmed; the main window tests and
  // clears them after the dialog closes.
  bool NewConfirmed = false;
  bool SaveConfirmed = false;
  bool OpenConfirmed = false;
  bool WaveConfirmed = false;
  bool MidiConfirmed = false;
  bool GenerateConfirmed = false;
};
