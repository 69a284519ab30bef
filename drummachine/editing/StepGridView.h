// What the step grid shows: the face of each cell, the face set, width and
// visibility of a track's cells, and the check marks of the note-resolution
// commands. The main window fills it with its cells and menu items; tests
// record the calls.
#pragma once

// Faces of a step cell, as indexes of the cell faces' image list.
constexpr int CellOff = 0;
constexpr int CellOn = 1;
constexpr int CellModified = 3;  // on, with the cell's own volume, pan and pitch

// Widths of a 16th cell: a track with 32nd notes shares each column with its
// 32nd cell.
constexpr int SixteenthCellWidth = 15;
constexpr int NarrowCellWidth = 7;

class IStepGridView {
 public:
  virtual ~IStepGridView() = default;

  // The 16th or 32nd cell of (track, step) shows face. With repaint the cell
  // is drawn again even when it shows that face already (a cell ignores an
  // unchanged face, so the view sets another one first).
  virtual void SetCellFace(int track, int step, bool thirtySecond, int face, bool repaint) = 0;
  // The face set a track's cells use from now on: the one drawn for 32nd-note
  // tracks, or the one for 16th-note tracks.
  virtual void SetTrackFaces(int track, bool thirtySecond) = 0;
  // The width of the track's sixteen 16th cells.
  virtual void SetStepCellWidth(int track, int width) = 0;
  // All sixteen 16th cells, or all sixteen 32nd cells, of a track.
  virtual void SetStepRowVisible(int track, bool visible) = 0;
  virtual void SetStep32RowVisible(int track, bool visible) = 0;
  // The track menu's "16th Notes" / "32nd Notes" marks: one of them checked.
  virtual void CheckTrackResolution(bool thirtySecond) = 0;
  // The options menu's "16th Notes" and "32nd Notes" marks, each on its own.
  virtual void CheckAllSixteenth(bool checked) = 0;
  virtual void CheckAllThirtySecond(bool checked) = 0;
};
