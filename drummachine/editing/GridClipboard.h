// What copy and cut keep of one cell: both layers' on and modified flags and
// own values. A track clipboard holds the 16 steps of one track, a pattern
// clipboard those of all 12 tracks.
#pragma once

#include <cstdint>

#include "drummachine/core/Song.h"

// One layer of a copied cell.
struct TClipboardLayer {
  std::uint8_t On = 0;
  std::uint8_t Modified = 0;
  std::int32_t Volume = 0;
  std::int32_t Pitch = 0;
  std::int32_t Pan = 0;

  bool operator==(const TClipboardLayer&) const = default;
};

struct TClipboardCell {
  TClipboardLayer Sixteenth;
  TClipboardLayer ThirtySecond;

  TClipboardLayer& Layer(bool thirtySecond) { return thirtySecond ? ThirtySecond : Sixteenth; }
  const TClipboardLayer& Layer(bool thirtySecond) const { return thirtySecond ? ThirtySecond : Sixteenth; }
  bool operator==(const TClipboardCell&) const = default;
};

using TTrackClipboard = TRangeArray<TClipboardCell, 1, SongSteps>;
using TPatternClipboard = TTrackArray<TTrackClipboard>;
