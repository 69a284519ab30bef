#include "drummachine/editing/StepGridEditor.h"

#include <algorithm>
#include <utility>

TStepGridEditor::TStepGridEditor(TMainModel& model, IStepGridView& view, TTrackPanel& panel, TPlaybackEngine& engine,
                                 IRandomSource& random)
    : FModel(model), FSong(model.Song), FView(view), FPanel(panel), FEngine(engine), FRandom(random) {}

void TStepGridEditor::ShowCell(int track, int step, bool thirtySecond, bool repaint) {
  const int p = FModel.EditedPattern;
  const TConstCellLayer cells = std::as_const(FSong).Layer(thirtySecond);
  const bool on = IsOn(cells.On(step, track, p));
  const bool modified = IsOn(cells.Modified(step, track, p));
  // A modified flag means something only on a cell that sounds.
  const int face = !on ? CellOff : modified ? CellModified : CellOn;
  FView.SetCellFace(track, step, thirtySecond, face, repaint);
}

void TStepGridEditor::ShowRow(int track, bool thirtySecond) {
  for (int s = 1; s <= SongSteps; ++s) ShowCell(track, s, thirtySecond, true);
}

void TStepGridEditor::Toggle(int track, int step, bool thirtySecond) {
  if (!TStepGrid<int>::Contains(step, track, 1)) return;
  if (track != FModel.CurrentTrack) FPanel.SelectTrack(track);
  FModel.PopupStep = step;

  const int p = FModel.EditedPattern;
  const TCellLayer cells = FSong.Layer(thirtySecond);
  std::uint8_t& on = cells.On(step, track, p);
  std::uint8_t& modified = cells.Modified(step, track, p);
  if (IsOn(on)) {
    // A cell switched off forgets its own values' flag: on again it plays
    // the track's values.
    on = 0;
    modified = 0;
  } else {
    on = 1;
  }
  ShowCell(track, step, thirtySecond, false);
}

void TStepGridEditor::M01_01Click(int track, int step) {
  Toggle(track, step, false);
}

void TStepGridEditor::N04_01Click(int track, int step) {
  Toggle(track, step, true);
}

void TStepGridEditor::btnPat2Click(int pattern) {
  if (pattern < 1 || pattern > SongPatterns) return;
  FModel.EditedPattern = pattern;
  RedrawPattern();
}

void TStepGridEditor::RedrawPattern() {
  for (int t = 1; t <= SongTracks; ++t) {
    ShowRow(t, false);
    ShowRow(t, true);
  }
}

void TStepGridEditor::refresh16(int track) {
  FView.SetStep32RowVisible(track, false);
  FView.SetTrackFaces(track, false);
  FView.SetStepCellWidth(track, SixteenthCellWidth);
  ShowRow(track, false);
  FView.SetStepRowVisible(track, true);
}

void TStepGridEditor::refresh32(int track) {
  FView.SetStepCellWidth(track, NarrowCellWidth);
  FView.SetStep32RowVisible(track, false);
  FView.SetTrackFaces(track, true);
  ShowRow(track, false);
  ShowRow(track, true);
  FView.SetStep32RowVisible(track, true);
}

void TStepGridEditor::refreshscreen() {
  for (int t = 1; t <= SongTracks; ++t) {
    if (FSong.TrackUses32nd[t])
      refresh32(t);
    else
      refresh16(t);
  }
}

void TStepGridEditor::mnu32ndNotesClick() {
  const int t = FModel.CurrentTrack;
  FView.CheckTrackResolution(true);
  FView.CheckAllSixteenth(false);
  FSong.TrackUses32nd[t] = true;
  FModel.AllSixteenth = false;
  refresh32(t);
  FEngine.NoteResolutionChanged();
}

void TStepGridEditor::mnu16thNotesClick() {
  const int t = FModel.CurrentTrack;
  FView.CheckTrackResolution(false);
  FSong.TrackUses32nd[t] = false;
  FModel.AllSixteenth = std::none_of(FSong.TrackUses32nd.begin(), FSong.TrackUses32nd.end(), [](bool b) { return b; });
  FView.CheckAllSixteenth(FModel.AllSixteenth);
  FView.CheckAllThirtySecond(false);
  refresh16(t);
  // While other tracks keep 32nd notes the clock stays at double rate.
  if (FModel.AllSixteenth)
    FEngine.NoteResolutionChanged();
  else
    FModel.HalfTick = 0;
}

void TStepGridEditor::mnu32ndnotes2Click() {
  FView.CheckTrackResolution(true);
  FView.CheckAllSixteenth(false);
  FView.CheckAllThirtySecond(true);
  FSong.TrackUses32nd.Fill(true);
  FModel.AllSixteenth = false;
  // Both layers are drawn: 32nd cells hidden so far may show stale faces.
  for (int t = 1; t <= SongTracks; ++t) refresh32(t);
  FEngine.NoteResolutionChanged();
}

void TStepGridEditor::mnu16thNotes2Click() {
  FView.CheckTrackResolution(false);
  FView.CheckAllSixteenth(true);
  FView.CheckAllThirtySecond(false);
  FSong.TrackUses32nd.Fill(false);
  FModel.AllSixteenth = true;
  for (int t = 1; t <= SongTracks; ++t) refresh16(t);
  FEngine.NoteResolutionChanged();
}

void TStepGridEditor::ClearTrack(int track, bool sixteenthOnly) {
  const int p = FModel.EditedPattern;
  for (int s = 1; s <= SongSteps; ++s) {
    FSong.StepOn(s, track, p) = 0;
    FSong.StepModified(s, track, p) = 0;
    FView.SetCellFace(track, s, false, CellOff, false);
    if (sixteenthOnly) continue;
    FSong.Step32On(s, track, p) = 0;
    FSong.Step32Modified(s, track, p) = 0;
    FView.SetCellFace(track, s, true, CellOff, false);
  }
}

void TStepGridEditor::mnuClearTrackClick() {
  ClearTrack(FModel.CurrentTrack, false);
}

void TStepGridEditor::mnuClearPatternClick() {
  for (int t = 1; t <= SongTracks; ++t) ClearTrack(t, false);
}

bool TStepGridEditor::popBeatPopup(const TGridCell& cell, TBeatPreset& preset) {
  if (!TStepGrid<int>::Contains(cell.Step, cell.Track, 1)) return false;
  FModel.PopupTrack = cell.Track;
  FModel.PopupStep = cell.Step;
  preset = BeatPresetFor(FModel, cell);
  return true;
}
