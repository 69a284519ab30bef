// Where a skin's pictures come from and where they go: each picture combo's
// two built-in files below the program folder, a custom picture's file, and
// the slot of the skin picture lists the combo fills.
#pragma once

#include <string>

#include "drummachine/skins/SkinFile.h"

// SkinsBitmapList: play up and down, the main and tracks backgrounds, the
// main volume thumbs, the blank picture of a background switched off, the
// track volume thumbs and the normal/sequencer switch's thumbs.
constexpr int SkinsBitmapCount = 11;
constexpr int SkinBlankPicture = 6;
// SkinsButtonList: the step cell's faces off, on, (unused), modified note.
constexpr int SkinsButtonCount = 4;

struct TSkinSlot {
  bool InButtonList = false;
  int Index = 0;
};
TSkinSlot SkinSlotOf(TSkinCombo combo);

// The two backgrounds can be switched off: a custom entry with no name.
bool IsSkinBackground(TSkinCombo combo);

// The picture file of a combo's entry: entry 0 or 1 its built-in file below
// programFolder; a custom name containing "." is the file's path itself,
// another is programFolder + "\Skins\" + name + ".bmp". A custom entry with
// no name switches a background off (the result is empty) and counts as
// entry 0 for any other combo.
std::string SkinPicturePath(const std::string& programFolder, TSkinCombo combo, const TSkinPicture& picture);
