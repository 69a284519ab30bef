#include "drummachine/editing/StepGridEditor.h"

// Random steps touch only the 16th layer.

void TStepGridEditor::GenerateRandomTrack1Click() {
  const int t = FModel.CurrentTrack;
  const int p = FModel.EditedPattern;
  FRandom.Randomize();
  ClearTrack(t, true);
  for (int s = 1; s <= SongSteps; ++s) {
    if (FRandom.Random(3) != 1) continue;
    FSong.StepOn(s, t, p) = 1;
    FView.SetCellFace(t, s, false, CellOn, false);
  }
}

void TStepGridEditor::FillRandomPattern(const TTrackArray<bool>& checkedTracks) {
  const int p = FModel.EditedPattern;
  FRandom.Randomize();
  for (int t = 1; t <= SongTracks; ++t)
    if (checkedTracks[t]) ClearTrack(t, true);
  for (int t = 1; t <= SongTracks; ++t) {
    if (!checkedTracks[t]) continue;
    for (int s = 1; s <= SongSteps; ++s) {
      if (FRandom.Random(4) != 1) continue;
      FSong.StepOn(s, t, p) = 1;
      FView.SetCellFace(t, s, false, CellOn, false);
    }
  }
}
