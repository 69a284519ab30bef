// The song file (".bkv"): 1,965 lines of plain text, CR LF, numbers in
// decimal one blank apart, flags 1 or 0 (true only when 1).
//
//   1-192      StepOn          grid blocks: for pattern 1..16, for track 1..12,
//   193-384    StepModified    one line of the 16 steps
//   385-396    per track: volume, pan, pitch, overdrive, humanise volume, pan,
//              pitch, mute, solo, humanise
//   397        hi-hat cut, tempo, solo active, metre
//   398-973    StepVolume, StepPan, StepPitch
//   974-976    the song order, 12 pattern numbers a row, 0 for an empty cell
//   977        KitId
//   978        KitName
//   979        TrackSample of the 12 tracks
//   980-1003   per track the path and name of its user wave (empty lines for
//              a kit wave)
//   1004-1963  Step32On, Step32Modified, Step32Volume, Step32Pan, Step32Pitch
//   1964       1 when "32nd Notes" for all tracks is checked
//   1965       TrackUses32nd of the 12 tracks
#pragma once

#include <string>

#include "drummachine/core/MainModel.h"
#include "drummachine/core/SongKit.h"
#include "platform/vcl/SysUtils.h"

constexpr int SongFileLines = 1965;

// Writes the whole song. allTracks32nd: the options menu's "32nd Notes".
void WriteSongFile(TextFile& f, const TMainModel& model, const ISongKit& kit, bool allTracks32nd);

// What a song file holds beyond the song itself.
struct TSongFileExtras {
  bool AllTracks32nd = false;
};

// Reads a whole song file into song, which should start as a copy of the
// current song. Values are clamped to what the program can play: tempo
// 10..300, overdrive and humanise amounts 0..10, track volume at most 0, and
// a metre other than 4 is 3; the cell grids are taken as they are. The kit
// name keeps 30 bytes of its line, a sample's path and name LongestTextLine
// (TextLine.h); the rest of a line is skipped, never held. Raises
// EInOutError for a file cut short (100) or a malformed number (106).
TSongFileExtras ReadSongFile(TextFile& f, TSong& song);
