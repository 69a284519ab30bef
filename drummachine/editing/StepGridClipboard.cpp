#include "drummachine/editing/StepGridEditor.h"

#include <utility>

namespace {

std::uint8_t Flag(std::uint8_t value) {
  return IsOn(value) ? 1 : 0;
}

}  // namespace

// A track without 32nd notes is copied with an empty 32nd part: its hidden
// 32nd cells never come back with a paste.
void TStepGridEditor::CopyTrack(int track, TTrackClipboard& clip) {
  const int p = FModel.EditedPattern;
  for (bool thirtySecond : {false, true}) {
    const TConstCellLayer cells = std::as_const(FSong).Layer(thirtySecond);
    const bool copied = !thirtySecond || FSong.TrackUses32nd[track];
    for (int s = 1; s <= SongSteps; ++s) {
      TClipboardLayer& c = clip[s].Layer(thirtySecond);
      if (!copied) {
        c = TClipboardLayer{};
        continue;
      }
      c.On = Flag(cells.On(s, track, p));
      c.Modified = Flag(cells.Modified(s, track, p));
      if (c.Modified) {
        c.Volume = cells.Volume(s, track, p);
        c.Pitch = cells.Pitch(s, track, p);
        c.Pan = cells.Pan(s, track, p);
      }
    }
  }
}

// thirtySecond: the 32nd layer comes from the clipboard too; else the
// track's 32nd cells are cleared.
void TStepGridEditor::PasteTrack(int track, const TTrackClipboard& clip, bool thirtySecond) {
  const int p = FModel.EditedPattern;
  for (bool layer32 : {false, true}) {
    const TCellLayer cells = FSong.Layer(layer32);
    const bool pasted = !layer32 || thirtySecond;
    for (int s = 1; s <= SongSteps; ++s) {
      const TClipboardLayer& c = clip[s].Layer(layer32);
      const bool on = pasted && IsOn(c.On);
      const bool modified = on && IsOn(c.Modified);
      cells.On(s, track, p) = on ? 1 : 0;
      cells.Modified(s, track, p) = modified ? 1 : 0;
      if (modified) {
        cells.Volume(s, track, p) = c.Volume;
        cells.Pitch(s, track, p) = c.Pitch;
        cells.Pan(s, track, p) = c.Pan;
      }
      ShowCell(track, s, layer32, false);
    }
  }
}

void TStepGridEditor::mnuCopyTrackClick() {
  CopyTrack(FModel.CurrentTrack, FTrackClipboard);
}

void TStepGridEditor::mnuCutTrackClick() {
  mnuCopyTrackClick();
  ClearTrack(FModel.CurrentTrack, false);
}

void TStepGridEditor::mnuPasteTrackClick() {
  PasteTrack(FModel.CurrentTrack, FTrackClipboard, true);
}

void TStepGridEditor::mnuCopyPatternClick() {
  for (int t = 1; t <= SongTracks; ++t) CopyTrack(t, FPatternClipboard[t]);
}

void TStepGridEditor::mnuCutPatternClick() {
  mnuCopyPatternClick();
  for (int t = 1; t <= SongTracks; ++t) ClearTrack(t, false);
}

void TStepGridEditor::mnuPastePatternClick() {
  for (int t = 1; t <= SongTracks; ++t) PasteTrack(t, FPatternClipboard[t], FSong.TrackUses32nd[t]);
}
