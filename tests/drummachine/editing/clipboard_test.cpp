#include <gtest/gtest.h>

#include "recorders.h"

namespace {

using editing_test::Rig;

// Track 2 of pattern 1: step 1 on, step 2 a modified note, step 3 off.
void MarkTrack(TSong& song, int track = 2, int pattern = 1) {
  song.StepOn(1, track, pattern) = 1;
  song.StepOn(2, track, pattern) = 1;
  song.StepModified(2, track, pattern) = 1;
  song.StepVolume(2, track, pattern) = -1500;
  song.StepPan(2, track, pattern) = 4000;
  song.StepPitch(2, track, pattern) = 30000;
}

TEST(Clipboard, CutThenPasteOfATrackRestoresIt) {
  Rig rig;
  TSong& song = rig.model.Song;
  rig.model.CurrentTrack = 2;
  MarkTrack(song);
  const TSong before = song;

  rig.grid.mnuCutTrackClick();
  EXPECT_EQ(song.StepOn(1, 2, 1) + song.StepOn(2, 2, 1) + song.StepModified(2, 2, 1), 0);
  EXPECT_EQ(rig.gridView.Face(2, 2), CellOff);
  // Own values changed in between come back from the clipboard.
  song.StepVolume(2, 2, 1) = 0;

  rig.grid.mnuPasteTrackClick();
  EXPECT_EQ(song, before);
  EXPECT_EQ(rig.gridView.Face(2, 1), CellOn);
  EXPECT_EQ(rig.gridView.Face(2, 2), CellModified);
  EXPECT_EQ(rig.gridView.Face(2, 3), CellOff);
}

TEST(Clipboard, AnotherPatternTakesThePastedTrackWithItsOwnValues) {
  Rig rig;
  TSong& song = rig.model.Song;
  rig.model.CurrentTrack = 2;
  MarkTrack(song);
  rig.grid.mnuCopyTrackClick();
  rig.model.EditedPattern = 9;
  rig.model.CurrentTrack = 6;
  rig.grid.mnuPasteTrackClick();
  EXPECT_EQ(song.StepOn(1, 6, 9), 1);
  EXPECT_EQ(song.StepModified(2, 6, 9), 1);
  EXPECT_EQ(song.StepVolume(2, 6, 9), -1500);
  EXPECT_EQ(song.StepPan(2, 6, 9), 4000);
  EXPECT_EQ(song.StepPitch(2, 6, 9), 30000);
}

TEST(Clipboard, ATrackWithout32ndNotesIsCopiedWithAnEmpty32ndPart) {
  Rig rig;
  TSong& song = rig.model.Song;
  // Track 2 uses 32nd notes; track 4 hides a 32nd note left from earlier.
  song.TrackUses32nd[2] = true;
  song.Step32On(5, 2, 1) = 1;
  song.Step32On(7, 4, 1) = 1;
  song.Step32Modified(7, 4, 1) = 1;

  rig.model.CurrentTrack = 2;
  rig.grid.mnuCopyTrackClick();
  rig.model.CurrentTrack = 4;
  rig.grid.mnuCopyTrackClick();
  rig.model.CurrentTrack = 2;
  rig.grid.mnuPasteTrackClick();

  for (int s = 1; s <= SongSteps; ++s) {
    EXPECT_EQ(song.Step32On(s, 2, 1), 0) << s;
    EXPECT_EQ(song.Step32Modified(s, 2, 1), 0) << s;
    EXPECT_EQ(rig.gridView.Face(2, s, true), CellOff) << s;
  }
}

TEST(Clipboard, APastedOffCellForgetsItsModifiedFlag) {
  Rig rig;
  TSong& song = rig.model.Song;
  rig.model.CurrentTrack = 2;
  rig.grid.mnuCopyTrackClick();  // an empty track
  song.StepOn(3, 2, 1) = song.StepModified(3, 2, 1) = 1;

  rig.grid.mnuPasteTrackClick();
  EXPECT_EQ(song.StepModified(3, 2, 1), 0);
  rig.grid.M01_01Click(2, 3);
  EXPECT_EQ(rig.gridView.Face(2, 3), CellOn);
}

TEST(Clipboard, APatternPasteClears32ndCellsOfTracksWithout32ndNotes) {
  Rig rig;
  TSong& song = rig.model.Song;
  song.TrackUses32nd[1] = song.TrackUses32nd[3] = true;
  for (int t : {1, 3}) {
    song.Step32On(6, t, 1) = 1;
    song.Step32Modified(6, t, 1) = 1;
    song.Step32Volume(6, t, 1) = -300;
  }
  MarkTrack(song, 2);
  rig.grid.mnuCopyPatternClick();

  // Pattern 2: track 1 now plays 16th notes and hides a note of its own.
  song.TrackUses32nd[1] = false;
  song.Step32On(9, 1, 2) = 1;
  rig.model.EditedPattern = 2;
  rig.grid.mnuPastePatternClick();

  for (int s = 1; s <= SongSteps; ++s) {
    EXPECT_EQ(song.Step32On(s, 1, 2), 0) << s;
    EXPECT_EQ(rig.gridView.Face(1, s, true), CellOff) << s;
  }
  EXPECT_EQ(song.Step32On(6, 3, 2), 1);
  EXPECT_EQ(song.Step32Volume(6, 3, 2), -300);
  EXPECT_EQ(rig.gridView.Face(3, 6, true), CellModified);
  EXPECT_EQ(song.StepModified(2, 2, 2), 1);
  EXPECT_EQ(rig.gridView.Face(2, 2), CellModified);
}

TEST(Clipboard, CutPatternEmptiesEveryTrackOfTheEditedPattern) {
  Rig rig;
  TSong& song = rig.model.Song;
  MarkTrack(song, 2);
  MarkTrack(song, 11);
  song.TrackUses32nd[11] = true;
  song.Step32On(4, 11, 1) = 1;
  const TSong before = song;

  rig.grid.mnuCutPatternClick();
  EXPECT_EQ(song.StepOn, TSong().StepOn);
  EXPECT_EQ(song.Step32On, TSong().Step32On);

  rig.grid.mnuPastePatternClick();
  EXPECT_EQ(song, before);
}

}  // namespace
