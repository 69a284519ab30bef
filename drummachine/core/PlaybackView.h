// What the step engine and the transport commands show: step lights, the
// step cells hidden in 3/4 time, status panels, the song order's selection,
// the transport captions, the step clock's interval and the tempo display.
// The main window fills it with its controls; tests record the calls.
#pragma once

#include <string>

class IPlaybackView {
 public:
  virtual ~IPlaybackView() = default;

  // Step light 1..16: lit in the skin's LED colour, or grey.
  virtual void PaintStepLight(int step, bool lit) = 0;
  virtual void SetStepLightVisible(int step, bool visible) = 0;
  // The 16th cell and the 32nd cell of (track, step) shown or hidden.
  virtual void SetStepCellVisible(int track, int step, bool visible) = 0;
  virtual void SetStep32CellVisible(int track, int step, bool visible) = 0;
  // Status bar panel 0..4.
  virtual void SetStatusText(int panel, const std::string& text) = 0;
  // The order grid's selected cell.
  virtual void SelectSequenceCell(int col, int row) = 0;
  // Captions of "Play Sequencer" / "Stop Sequencer" and "Pause" / "Continue".
  virtual void SetPlaySequencerCaption(const std::string& caption) = 0;
  virtual void SetPauseCaption(const std::string& caption) = 0;
  // The Play/Stop button of normal mode back up.
  virtual void ReleasePlayButton() = 0;
  // Takes the keyboard focus away from the order grid and the buttons.
  virtual void FocusAway() = 0;
  // The step clock's Interval in milliseconds.
  virtual void SetTimerInterval(unsigned interval) = 0;
  // The tempo button's caption and the tempo spin's position.
  virtual void ShowTempo(const std::string& caption, int position) = 0;
  // The check marks of "4/4 time" and "3/4 time" for metre 4 or 3.
  virtual void CheckMetre(int metre) = 0;
  // A message box with an OK button.
  virtual void ShowMessage(const std::string& text) = 0;
};
