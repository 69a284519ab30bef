// The step grid of the main window: toggling cells, choosing the edited
// pattern and redrawing it, switching tracks between 16th and 32nd notes,
// clearing, random steps, copy / cut / paste of a track or a pattern, and
// the beat dialog's preset for a cell. The grid always shows EditedPattern:
// the model is the truth and every redraw rebuilds the faces from it.
#pragma once

#include "drummachine/core/MainModel.h"
#include "drummachine/core/PlaybackEngine.h"
#include "drummachine/core/RandomSource.h"
#include "drummachine/editing/BeatPopup.h"
#include "drummachine/editing/GridClipboard.h"
#include "drummachine/editing/StepGridView.h"
#include "drummachine/editing/TrackPanel.h"

class TStepGridEditor {
 public:
  // The engine takes the clock's part of the note-resolution commands; the
  // panel makes a clicked cell's track current.
  TStepGridEditor(TMainModel& model, IStepGridView& view, TTrackPanel& panel, TPlaybackEngine& engine,
                  IRandomSource& random);

  // A click on the 16th cell or the 32nd cell of (track, step): its track
  // becomes current and the cell of the edited pattern toggles.
  void M01_01Click(int track, int step);
  void N04_01Click(int track, int step);

  // A pattern button: the pattern becomes the edited one and is drawn.
  void btnPat2Click(int pattern);
  // Every cell's face from the edited pattern.
  void RedrawPattern();
  // A track's row drawn for 16th notes (wide 16th cells, 32nd cells hidden)
  // or for 32nd notes (narrow 16th cells, 32nd cells shown); every track's.
  void refresh16(int track);
  void refresh32(int track);
  void refreshscreen();

  // Note resolution of the current track (track menu) or of all tracks
  // (options menu).
  void mnu16thNotesClick();
  void mnu32ndNotesClick();
  void mnu16thNotes2Click();
  void mnu32ndnotes2Click();

  // The edited pattern's cells of the current track, or of every track, off.
  void mnuClearTrackClick();
  void mnuClearPatternClick();
  // The current track's 16th cells chosen anew, each on with chance 1/3.
  void GenerateRandomTrack1Click();
  // The random pattern dialog's fill: the 16th cells of each checked track
  // chosen anew, each on with chance 1/4.
  void FillRandomPattern(const TTrackArray<bool>& checkedTracks);

  // Copy / cut / paste of the current track, or of the whole pattern. A
  // track without 32nd notes is copied with an empty 32nd part.
  void mnuCopyTrackClick();
  void mnuCutTrackClick();
  void mnuPasteTrackClick();
  void mnuCopyPatternClick();
  void mnuCutPatternClick();
  void mnuPastePatternClick();

  // The cell popup opened on a cell (right click): PopupTrack and PopupStep
  // become that cell, and the beat dialog's preset comes back. A cell
  // outside the grid gives nothing and changes nothing.
  bool popBeatPopup(const TGridCell& cell, TBeatPreset& preset);

 private:
  void Toggle(int track, int step, bool thirtySecond);
  void ShowCell(int track, int step, bool thirtySecond, bool repaint);
  void ShowRow(int track, bool thirtySecond);
  void ClearTrack(int track, bool sixteenthOnly);
  void CopyTrack(int track, TTrackClipboard& clip);
  void PasteTrack(int track, const TTrackClipboard& clip, bool thirtySecond);

  TMainModel& FModel;
  TSong& FSong;
  IStepGridView& FView;
  TTrackPanel& FPanel;
  TPlaybackEngine& FEngine;
  IRandomSource& FRandom;
  TTrackClipboard FTrackClipboard;
  TPatternClipboard FPatternClipboard;
};
