#include "drummachine/editing/StepGridEditor.h"

namespace {

std::uint8_t Flag(std::uint8_t value) {
  return IsOn(value) ? 1 : 0;
}

}  // namespace

// A track without 32nd notes is copied with an empty 32nd part: its hidden
// 32nd cells never come back with a paste.
void TStepGridEditor::CopyTrack(int track, TTrackClipboard& clip) {
  const int p = FModel.EditedPattern;
  const bool uses32 = FSong.TrackUses32nd[track];
  for (int s = 1; s <= SongSteps; ++s) {
    TClipboardCell& c = clip[s];
    c.On = Flag(FSong.StepOn(s, track, p));
    c.Modified = Flag(FSong.StepModified(s, track, p));
    if (c.Modified) {
      c.Volume = FSong.StepVolume(s, track, p);
      c.Pitch = FSong.StepPitch(s, track, p);
      c.Pan = FSong.StepPan(s, track, p);
    }
    if (!uses32) {
      c.On32 = c.Modified32 = 0;
      c.Volume32 = c.Pitch32 = c.Pan32 = 0;
      continue;
    }
    c.On32 = Flag(FSong.Step32On(s, track, p));
    c.Modified32 = Flag(FSong.Step32Modified(s, track, p));
    if (c.Modified32) {
      c.Volume32 = FSong.Step32Volume(s, track, p);
      c.Pitch32 = FSong.Step32Pitch(s, track, p);
      c.Pan32 = FSong.Step32Pan(s, track, p);
    }
  }
}

// thirtySecond: the 32nd layer comes from the clipboard too; else the
// track's 32nd cells are cleared.
void TStepGridEditor::PasteTrack(int track, const TTrackClipboard& clip, bool thirtySecond) {
  const int p = FModel.EditedPattern;
  for (int s = 1; s <= SongSteps; ++s) {
    const TClipboardCell& c = clip[s];
    const bool on = IsOn(c.On);
    const bool modified = on && IsOn(c.Modified);
    FSong.StepOn(s, track, p) = on ? 1 : 0;
    FSong.StepModified(s, track, p) = modified ? 1 : 0;
    if (modified) {
      FSong.StepVolume(s, track, p) = c.Volume;
      FSong.StepPitch(s, track, p) = c.Pitch;
      FSong.StepPan(s, track, p) = c.Pan;
    }
    ShowCell(track, s, false, false);

    const bool on32 = thirtySecond && IsOn(c.On32);
    const bool modified32 = on32 && IsOn(c.Modified32);
    FSong.Step32On(s, track, p) = on32 ? 1 : 0;
    FSong.Step32Modified(s, track, p) = modified32 ? 1 : 0;
    if (modified32) {
      FSong.Step32Volume(s, track, p) = c.Volume32;
      FSong.Step32Pitch(s, track, p) = c.Pitch32;
      FSong.Step32Pan(s, track, p) = c.Pan32;
    }
    ShowCell(track, s, true, false);
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
