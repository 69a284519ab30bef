// The skin file (".skn"): the look of the main window in 21 lines of plain
// text, CR LF, integers in decimal of minimal width one blank apart.
//
//   1      the entries of the 13 picture combos (in TSkinCombo order), beat
//          transparency, play transparency, the scheme box's index at saving
//   2-14   per combo its custom picture's name when its entry is above 1,
//          else an empty line
//   15     tempo-label flag, main-volume-label flag
//   16     the LED colour's entry of the colour box
//   17-20  the play-style label's font: colour, height, name (the rest of
//          the line), size
//   21     the play button's left and top
//
// Flags are written 1 or 0 and read as set only when exactly 1; the scheme
// index is written and never read.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "drummachine/skins/LedColor.h"
#include "platform/vcl/SysUtils.h"

constexpr int SkinFileLines = 21;

// The dialog's picture combos, in the order of line 1.
enum TSkinCombo : int {
  skMainBMP,
  skTracksBMP,
  skMainVol,
  skMainVolSel,
  skTrackVol,
  skTrackVolSel,
  skSequencer,
  skSequencerSel,
  skBeatUp,
  skBeatDown,
  skBeatMod,
  skPlayUp,
  skPlayDown,
};
constexpr int SkinComboCount = 13;

// The chosen entry of a picture combo: 0 and 1 are its two built-in files,
// an entry above 1 is the custom picture Name.
struct TSkinPicture {
  std::int32_t Index = 0;
  std::string Name;
  bool operator==(const TSkinPicture&) const = default;
};

struct TSkinFont {
  std::int32_t Color = 0;
  std::int32_t Height = -11;
  std::string Name = "MS Sans Serif";
  std::int32_t Size = 8;
  bool operator==(const TSkinFont&) const = default;
};

// The largest place of the play button the dialog's spin edits hold.
constexpr std::int32_t SkinPlayLeftMax = 250;
constexpr std::int32_t SkinPlayTopMax = 64;

// One skin: everything a skin file holds but the scheme index. A new record
// holds the dialog's state before any skin is read.
struct TSkin {
  std::array<TSkinPicture, SkinComboCount> Pictures;
  bool BeatTransparent = false;
  bool PlayTransparent = true;
  bool TempoLabel = true;
  bool MainVolumeLabel = true;
  std::int32_t LedColorIndex = DefaultLedColorIndex;
  TSkinFont Font;
  std::int32_t PlayLeft = 16;
  std::int32_t PlayTop = 8;
  bool operator==(const TSkin&) const = default;
};

// Writes the 21 lines; schemeIndex is the scheme box's index at saving time.
void WriteSkinFile(TextFile& f, const TSkin& skin, int schemeIndex);

// Reads the 21 lines. A line of numbers must hold exactly its numbers; a
// negative picture entry or an LED entry outside the colour box is refused
// as malformed (EInOutError 106), a file cut short as 100. The play
// button's place is held to what the spin edits hold (0 .. the maxima).
// Names keep LongestTextLine bytes of their line (TextLine.h).
TSkin ReadSkinFile(TextFile& f);

// Opens, reads and closes fileName; raises EInOutError (2 for a missing
// file) when it cannot.
TSkin LoadSkinFile(const std::string& fileName);

// Writes fileName through a temporary, so a failure leaves the old file
// whole; raises EInOutError.
void SaveSkinFile(const std::string& fileName, const TSkin& skin, int schemeIndex);
