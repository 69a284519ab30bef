// The pictures of the shared system image lists, drawn by the layer itself.
// Each icon is a square of 0xAARRGGBB pixels, rows top down, with a
// transparent background (alpha 0).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/win/shell/item_ids.h"

namespace win::shell {

enum SystemIcon : int {
  kIconFile,
  kIconFolder,
  kIconOpenFolder,
  kIconDesktop,
  kIconComputer,
  kIconHome,
  kIconFixedDrive,
  kIconRemovableDrive,
  kIconCdDrive,
  kIconRemoteDrive,
  kIconRamDrive,
  kIconWave,
  kIconMidi,
  kIconSong,
  kIconKit,
  kIconSkin,
  kIconWaveCollection,
  kIconShareOverlay,
  kIconLinkOverlay,
  kSystemIconCount
};

// size is 16 or 32 (any size from 8 up draws).
std::vector<std::uint32_t> SystemIconPixels(int icon, int size);

SystemIcon IconOfVolume(VolumeKind kind);
// The icon of a file by its extension (case ignored); kIconFile for others.
SystemIcon IconOfFileName(const std::string& name);

}  // namespace win::shell
