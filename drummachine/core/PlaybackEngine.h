// The step engine: each tick of the step clock plays one step of the song (or
// one half step while a track uses 32nd notes), and the transport, tempo and
// metre commands start, stop and time it. Normal mode loops the edited
// pattern; sequencer mode follows the song order.
//
// The engine works on the main window's model, plays through each track's
// wave list and shows its position through a view; the main window binds all
// three, tests bind recorders.
#pragma once

#include <string>

#include "drummachine/core/MainModel.h"
#include "drummachine/core/PlaybackView.h"
#include "drummachine/core/RandomSource.h"
#include "drummachine/core/TrackWaveList.h"

// The ranges the sound buffers take; values outside are clamped before they
// are set, so a hit never keeps an older, louder value.
constexpr int MinVolume = -10000;
constexpr int MaxVolume = 0;
constexpr int MinPan = -10000;
constexpr int MaxPan = 10000;
constexpr int MinFrequency = 100;
constexpr int MaxFrequency = 100000;

class TPlaybackEngine {
 public:
  TPlaybackEngine(TMainModel& model, IPlaybackView& view, IRandomSource& random);

  // The wave list of each track; none stands for an empty list.
  TTrackArray<ITrackWaveList*> TrackWaveLists;

  // The step clock's tick (its lag count is of no interest: late ticks are
  // not made up).
  void DsTimer1Timer();
  // Stops playback; the pattern played and the order position are kept.
  void StopPlaying();
  // LastRow and LastColumn from the song order.
  void CalcMaxRows();

  // Transport.
  void StyMMButton1Click();  // Play / Stop of normal mode
  void btnplayseqClick();  // Play / Stop Sequencer
  void btnpauseClick();  // Pause / Continue (in sequencer mode)
  void sequencerSelectCell(int ACol, int ARow);
  // After a key in the order grid: every cell that is not empty must hold a
  // number 1..16; a bad cell is reported and set to "1".
  void sequencerKeyUp();
  void mnuClearSequencerClick();
  // The mode switch: position 1 normal mode, 0 sequencer mode.
  void PlayStyleChange(int position);

  // Tempo and metre.
  void UpDown1Click(int position);
  // A tempo menu item: the tempo is the number its caption begins with.
  void mnuBPM120Click(const std::string& caption);
  void mnu44timeClick();
  void mnu34timeClick();
  void Make44Time();
  void Make34Time();
  // The clock's part of the note-resolution commands, after they changed
  // TrackUses32nd and AllSixteenth: the half-tick phase restarts and the
  // interval follows.
  void NoteResolutionChanged();
  // Sets the clock's interval from tempo, metre and resolution.
  void SetStepInterval();

 private:
  void Advance();
  void ChoosePattern();
  void PlayLayer(bool thirtySecond);
  void PlayTrack(int t, bool thirtySecond);
  void StopTrackSample(int t);
  ITrackWaveList* ListHolding(int t);
  void NormalMode();
  void StartPlaying();

  TMainModel& FModel;
  TSong& FSong;
  IPlaybackView& FView;
  IRandomSource& FRandom;
};
