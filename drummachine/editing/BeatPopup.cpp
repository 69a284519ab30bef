#include "drummachine/editing/BeatPopup.h"

#include "platform/vcl/SysUtils.h"

namespace {

// Where a row of a 32nd-note track is split into 8-pixel halves, the halves
// that belong to 32nd cells.
bool IsThirtySecondHalf(int h) {
  if (h == 0 || h == 1 || h == 16 || h > 34) return true;
  const bool odd = h % 2 != 0;
  return odd && ((h >= 3 && h <= 15) || (h >= 19 && h <= 33));
}

}  // namespace

TGridCell CellAtPoint(const TMainModel& model, int x, int y, int scrollPosition) {
  int rowsScrolled = scrollPosition / 26;
  if (rowsScrolled > 1) --rowsScrolled;
  TGridCell cell;
  cell.Track = rowsScrolled + (y - 69) / 32;

  if (TTrackArray<bool>::Contains(cell.Track) && model.Song.TrackUses32nd[cell.Track]) {
    int h = (x - 170) / 8;
    if (h > 16) h = (x - 177) / 8;
    cell.ThirtySecond = IsThirtySecondHalf(h);
  }
  cell.Step = (x - 170) / 16;
  if (cell.Step == 0) cell.Step = 1;
  if (cell.Step == 17) cell.Step = 16;
  if (cell.Step > 8) cell.Step = (x - 178) / 16;
  return cell;
}

TBeatPreset BeatPresetFor(const TMainModel& model, const TGridCell& cell) {
  const TSong& song = model.Song;
  const int s = cell.Step;
  const int t = cell.Track;
  const int p = model.EditedPattern;

  TBeatPreset preset;
  preset.TrackLabel = "Track " + IntToStr(t);
  preset.BeatLabel = "Beat " + IntToStr(s) + (cell.ThirtySecond ? " 32nd" : "");
  preset.TrackName = model.TrackName[t];
  const TConstCellLayer cells = song.Layer(cell.ThirtySecond);
  if (IsOn(cells.Modified(s, t, p))) {
    preset.Volume = cells.Volume(s, t, p);
    preset.Pan = cells.Pan(s, t, p);
    preset.Pitch = cells.Pitch(s, t, p);
  } else {
    preset.Volume = song.TrackVolume[t];
    preset.Pan = song.TrackPan[t];
    preset.Pitch = song.TrackPitch[t];
  }
  preset.Left = 230 + 4 * s;
  preset.Top = 115 + 5 * t;
  return preset;
}
