// The per-cell popup of the step grid: which cell a point of the window
// lies on, and what the beat dialog shows for a cell when it opens.
#pragma once

#include <string>

#include "drummachine/core/MainModel.h"

struct TGridCell {
  int Track = 0;
  int Step = 0;
  bool ThirtySecond = false;
};

// The cell at window-relative point (x, y) with the cell area scrolled down
// by scrollPosition pixels: tracks are rows 32 pixels apart below y = 69,
// steps 16-pixel columns from x = 170 (the second half of the row 8 pixels
// further right), and on a track with 32nd notes the narrow right part of a
// column is its 32nd cell. Divisions truncate toward zero. The result may lie
// outside the grid (a track or step outside 1..12 or 1..16) for a point that
// is not on a cell.
TGridCell CellAtPoint(const TMainModel& model, int x, int y, int scrollPosition);

// The beat dialog as it opens for one cell of the edited pattern.
struct TBeatPreset {
  std::string TrackLabel;  // lbltrack: "Track 3"
  std::string BeatLabel;  // lblbeat: "Beat 5", "Beat 5 32nd"
  std::string TrackName;  // lbltrkName
  // beatVolSlider, beatPanSlider, BeatPitchSlider: the cell's own values
  // when it is a modified note, else the track's.
  int Volume = 0;
  int Pan = 0;
  int Pitch = 0;
  // The dialog's left and top.
  int Left = 0;
  int Top = 0;

  bool operator==(const TBeatPreset&) const = default;
};

// cell must lie in the grid.
TBeatPreset BeatPresetFor(const TMainModel& model, const TGridCell& cell);
