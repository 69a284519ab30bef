// Transport, song order, tempo and metre commands of the step engine.
#include "drummachine/core/PlaybackEngine.h"
#include "drummachine/core/SequenceOrder.h"
#include "drummachine/core/StepInterval.h"
#include "platform/vcl/SysUtils.h"

namespace {

constexpr int MetreSteps[] = {4, 8, 12, 16};

}  // namespace

void TPlaybackEngine::NormalMode() {
  FModel.SequencerMode = false;
  FView.SetStatusText(3, "Normal");
}

void TPlaybackEngine::StartPlaying() {
  FView.SetStatusText(2, "Playing");
  FModel.Playing = true;
}

void TPlaybackEngine::StyMMButton1Click() {
  if (FModel.Playing) {
    StopPlaying();
    FView.SetPlaySequencerCaption("Play Sequencer");
    FView.SetPauseCaption("Continue");
    return;
  }
  StartPlaying();
  FView.SetPlaySequencerCaption("Play Sequencer");
  FView.SetPauseCaption("Continue");
  NormalMode();
  if (FModel.PlayStep > 0) FView.PaintStepLight(FModel.PlayStep, false);
}

void TPlaybackEngine::btnplayseqClick() {
  if (FModel.Playing) {
    StopPlaying();
    FView.SetPlaySequencerCaption("Play Sequencer");
    NormalMode();
    FModel.SequenceRow = 0;
    FModel.SequenceColumn = 0;
    FView.FocusAway();
    FView.SelectSequenceCell(0, 0);
    return;
  }
  FView.SetStatusText(3, "Sequencer");
  FModel.SequencerMode = true;
  FView.SetPlaySequencerCaption("Stop Sequencer");
  FView.SetPauseCaption("Pause");
  FModel.SequenceRow = 0;
  FModel.SequenceColumn = 0;
  int pattern = 0;
  if (OrderCellPattern(FSong.SequenceGrid, 0, 0, pattern)) FModel.PlayPattern = pattern;
  StartPlaying();
}

void TPlaybackEngine::btnpauseClick() {
  if (FModel.Playing) {
    // Pause keeps the order position for Continue.
    StopPlaying();
    FView.SetPlaySequencerCaption("Play Sequencer");
    FView.SetPauseCaption("Continue");
    return;
  }
  FView.SetStatusText(3, "Sequencer");
  FView.SetPauseCaption("Pause");
  FView.SetPlaySequencerCaption("Stop Sequencer");
  FModel.SequencerMode = true;
  int pattern = 0;
  bool inGrid = FModel.SequenceColumn >= 0 && FModel.SequenceColumn < SequenceColumns && FModel.SequenceRow >= 0 &&
                FModel.SequenceRow < SequenceRows;
  if ((inGrid && OrderCellPattern(FSong.SequenceGrid, FModel.SequenceColumn, FModel.SequenceRow, pattern)) ||
      OrderCellPattern(FSong.SequenceGrid, 0, 0, pattern))
    FModel.PlayPattern = pattern;
  StartPlaying();
}

void TPlaybackEngine::sequencerSelectCell(int ACol, int ARow) {
  FModel.SequenceColumn = ACol;
  FModel.SequenceRow = ARow;
  FView.SetPauseCaption("Continue");
  FView.FocusAway();
  FView.SelectSequenceCell(ACol, ARow);
}

void TPlaybackEngine::sequencerKeyUp() {
  for (int row = 0; row < SequenceRows; ++row) {
    for (int col = 0; col < SequenceColumns; ++col) {
      std::string& cell = FSong.SequenceGrid.Cells(col, row);
      int pattern = 0;
      if (cell.empty() || OrderCellPattern(FSong.SequenceGrid, col, row, pattern)) continue;
      FView.ShowMessage("Only numbers \"1-16\" can be in the Sequencer");
      cell.assign(1, '1');
    }
  }
}

void TPlaybackEngine::mnuClearSequencerClick() {
  FSong.SequenceGrid.Clear();
  FView.FocusAway();
  FView.SelectSequenceCell(FModel.SequenceColumn, FModel.SequenceRow);
}

void TPlaybackEngine::PlayStyleChange(int position) {
  if (position == 1) {
    FModel.SequencerMode = false;
    if (FModel.PlayStep > 0) FView.PaintStepLight(FModel.PlayStep, false);
    FView.SetStatusText(3, "Normal");
    FModel.SequenceRow = 0;
    FModel.SequenceColumn = 0;
    FView.SelectSequenceCell(0, 0);
  } else if (position == 0) {
    FView.SetStatusText(3, "Sequencer");
    FModel.SequencerMode = true;
    FModel.SequenceRow = 0;
    FModel.SequenceColumn = 0;
  }
}

void TPlaybackEngine::SetStepInterval() {
  FView.SetTimerInterval(StepInterval(FSong.Tempo, FSong.Metre, FModel.AllSixteenth));
}

void TPlaybackEngine::UpDown1Click(int position) {
  FSong.Tempo = position;
  SetStepInterval();
}

void TPlaybackEngine::mnuBPM120Click(const std::string& caption) {
  std::string digits = caption.substr(0, 3);
  int tempo = StrToInt(digits);
  FSong.Tempo = tempo;
  FView.ShowTempo(digits, tempo);
  SetStepInterval();
}

void TPlaybackEngine::mnu44timeClick() {
  if (FSong.Metre == 3) Make44Time();
}

void TPlaybackEngine::mnu34timeClick() {
  if (FSong.Metre == 4) Make34Time();
}

void TPlaybackEngine::Make44Time() {
  FView.CheckMetre(4);
  FSong.Metre = 4;
  SetStepInterval();
  for (int t = 1; t <= SongTracks; ++t) {
    for (int s : MetreSteps) {
      FView.SetStepCellVisible(t, s, true);
      if (FSong.TrackUses32nd[t]) FView.SetStep32CellVisible(t, s, true);
    }
  }
  for (int s : MetreSteps) FView.SetStepLightVisible(s, true);
}

void TPlaybackEngine::Make34Time() {
  FView.CheckMetre(3);
  FSong.Metre = 3;
  SetStepInterval();
  // The hidden cells keep their contents; playback skips them.
  for (int t = 1; t <= SongTracks; ++t) {
    for (int s : MetreSteps) {
      FView.SetStepCellVisible(t, s, false);
      FView.SetStep32CellVisible(t, s, false);
    }
  }
  for (int s : MetreSteps) FView.SetStepLightVisible(s, false);
}

void TPlaybackEngine::NoteResolutionChanged() {
  FModel.HalfTick = 0;
  SetStepInterval();
}
