// The tick of the step clock: advance, choose the pattern, show the position
// and play every track whose cell is on.
#include <cstdint>
#include <utility>

#include "drummachine/core/PlaybackEngine.h"
#include "drummachine/core/SequenceOrder.h"
#include "platform/vcl/SysUtils.h"

namespace {

int Clamp(std::int64_t value, int low, int high) {
  return static_cast<int>(value < low ? low : value > high ? high : value);
}

bool IsMetreSkip(int step) {
  return step == 4 || step == 8 || step == 12 || step == 16;
}

}  // namespace

TPlaybackEngine::TPlaybackEngine(TMainModel& model, IPlaybackView& view, IRandomSource& random)
    : FModel(model), FSong(model.Song), FView(view), FRandom(random) {}

void TPlaybackEngine::DsTimer1Timer() {
  if (!FModel.Playing) return;
  FRandom.Randomize();
  Advance();
  ChoosePattern();
  FView.SetStatusText(4, IntToStr(FModel.PlayStep));
  // The light follows only the pattern on screen.
  if (FModel.HalfTick == 0 && FModel.PlayPattern == FModel.EditedPattern) FView.PaintStepLight(FModel.PlayStep, true);
  PlayLayer(FModel.HalfTick == 1);
}

void TPlaybackEngine::Advance() {
  if (FModel.AllSixteenth) {
    if (FModel.PlayStep > 0) FView.PaintStepLight(FModel.PlayStep, false);
    ++FModel.PlayStep;
  } else {
    // Double rate: every second tick is the in-between 32nd tick.
    FModel.HalfTick = (FModel.HalfTick + 1) % 2;
    if (FModel.HalfTick == 0) {
      if (FModel.PlayStep > 0) FView.PaintStepLight(FModel.PlayStep, false);
      ++FModel.PlayStep;
    }
  }
  // 3/4 time plays 12 of the 16 steps.
  if (FSong.Metre == 3 && IsMetreSkip(FModel.PlayStep)) ++FModel.PlayStep;
}

void TPlaybackEngine::ChoosePattern() {
  if (!FModel.SequencerMode) {
    if (FModel.PlayStep > FModel.StepsPerPattern) FModel.PlayStep = 1;
    // A pattern chosen while playing takes effect at once.
    FModel.PlayPattern = FModel.EditedPattern;
    return;
  }
  CalcMaxRows();
  if (FModel.PlayStep > FModel.StepsPerPattern) {
    FModel.PlayStep = 1;
    if (FModel.SequenceRow < 0 || FModel.SequenceRow >= SequenceRows) FModel.SequenceRow = 0;
    ++FModel.SequenceColumn;
    if (FModel.SequenceColumn > FModel.LastColumn[FModel.SequenceRow] || FModel.SequenceColumn < 0) {
      FModel.SequenceColumn = 0;
      ++FModel.SequenceRow;
    }
    if (FModel.SequenceRow > FModel.LastRow) FModel.SequenceRow = 0;
    // The order ends at its first cell that names no pattern; with no
    // pattern at all the current one goes on.
    int pattern = 0;
    if (OrderCellPattern(FSong.SequenceGrid, FModel.SequenceColumn, FModel.SequenceRow, pattern) ||
        OrderCellPattern(FSong.SequenceGrid, 0, 0, pattern))
      FModel.PlayPattern = pattern;
  }
  FView.SelectSequenceCell(FModel.SequenceColumn, FModel.SequenceRow);
}

void TPlaybackEngine::CalcMaxRows() {
  FModel.LastRow = 2;
  FModel.LastColumn.Fill(11);
  int pattern = 0;
  for (int r = 0; r < SequenceRows; ++r) {
    for (int c = 0; c < SequenceColumns; ++c) {
      if (OrderCellPattern(FSong.SequenceGrid, c, r, pattern)) continue;
      if (c > 0) {
        FModel.LastRow = r;
        FModel.LastColumn[r] = c - 1;
      } else {
        // The order ends with the full row before.
        FModel.LastRow = r - 1;
        if (r > 0) FModel.LastColumn[r - 1] = 11;
      }
      if (FModel.LastRow < 0) FModel.LastRow = 0;
      for (int row = 0; row < SequenceRows; ++row) {
        if (row > FModel.LastRow) FModel.LastColumn[row] = 0;
        if (row < FModel.LastRow) FModel.LastColumn[row] = 11;
      }
      if (FModel.LastRow == 0 && FModel.LastColumn[0] < 0) FModel.LastColumn[0] = 0;
      return;
    }
  }
}

void TPlaybackEngine::PlayLayer(bool thirtySecond) {
  // A half tick before the first step, or before any pattern was chosen.
  if (FModel.PlayStep < 1 || FModel.PlayStep > SongSteps) return;
  if (FModel.PlayPattern < 1 || FModel.PlayPattern > SongPatterns) return;
  int tracks = Min(FModel.TrackCount, SongTracks);
  for (int t = 1; t <= tracks; ++t) PlayTrack(t, thirtySecond);
}

ITrackWaveList* TPlaybackEngine::ListHolding(int t) {
  ITrackWaveList* list = TrackWaveLists[t];
  if (!list) return nullptr;
  int sample = FSong.TrackSample[t];
  return sample >= 0 && sample < list->GetCount() ? list : nullptr;
}

void TPlaybackEngine::StopTrackSample(int t) {
  if (ITrackWaveList* list = ListHolding(t)) list->StopItem(FSong.TrackSample[t]);
}

void TPlaybackEngine::PlayTrack(int t, bool thirtySecond) {
  const int s = FModel.PlayStep;
  const int p = FModel.PlayPattern;
  const TConstCellLayer cells = std::as_const(FSong).Layer(thirtySecond);
  if (!IsOn(cells.On(s, t, p))) return;
  if (thirtySecond && !FSong.TrackUses32nd[t]) return;
  if (FSong.SoloActive && !FSong.TrackSolo[t]) return;
  if (FSong.TrackMute[t]) return;
  ITrackWaveList* list = ListHolding(t);
  if (!list) return;
  const int item = FSong.TrackSample[t];

  std::int64_t volume = FSong.TrackVolume[t];
  std::int64_t frequency = FSong.TrackPitch[t];
  std::int64_t pan = FSong.TrackPan[t];
  if (FSong.TrackHumanize[t]) {
    // Six draws in this order: volume, pitch, pan, each an amount and a sign.
    int r = FRandom.Random(FSong.HumanizeVolume[t] * 250);
    if (FRandom.Random(2) == 0) {
      volume = Min<std::int64_t>(volume + r, 0);
    } else {
      volume -= r;
    }
    r = FRandom.Random(FSong.HumanizePitch[t] * 500);
    frequency = FRandom.Random(2) == 0 ? frequency + r : frequency - r;
    r = FRandom.Random(FSong.HumanizePan[t] * 500);
    pan = FRandom.Random(2) == 0 ? pan + r : pan - r;
  }
  int itemVolume = Clamp(volume, MinVolume, MaxVolume);
  list->SetItemVolume(item, itemVolume);
  list->SetItemFrequency(item, Clamp(frequency, MinFrequency, MaxFrequency));
  list->SetItemPan(item, Clamp(pan, MinPan, MaxPan));

  // A closed hi-hat silences the open one, unless the open one sounds now.
  const int open = FModel.OpenHatTrack;
  if (FSong.HiHatCut && t == FModel.ClosedHatTrack && open >= 1 && open <= SongTracks && !IsOn(cells.On(s, open, p)))
    StopTrackSample(open);

  // A modified note plays with its own values, without humanising.
  if (IsOn(cells.Modified(s, t, p))) {
    itemVolume = Clamp(cells.Volume(s, t, p), MinVolume, MaxVolume);
    list->SetItemVolume(item, itemVolume);
    list->SetItemPan(item, Clamp(cells.Pan(s, t, p), MinPan, MaxPan));
    list->SetItemFrequency(item, Clamp(cells.Pitch(s, t, p), MinFrequency, MaxFrequency));
  }

  list->SetItemVolume(item, Clamp(std::int64_t{itemVolume} + FModel.MainVolume, MinVolume, MaxVolume));
  list->PlayItem(item);

  // Overdrive: more copies at the track volume raised by 5 dB, neither
  // humanised nor modified nor lowered by the main volume.
  const int extra = FSong.TrackOverdrive[t];
  if (extra > 0) {
    list->SetItemVolume(item, Clamp(std::int64_t{FSong.TrackVolume[t]} + 500, MinVolume, MaxVolume));
    for (int i = 0; i < extra; ++i) list->PlayItem(item);
  }
}

void TPlaybackEngine::StopPlaying() {
  FView.SetStatusText(2, "Stopped");
  FModel.Playing = false;
  if (FModel.PlayStep == 0) FModel.PlayStep = 1;
  FView.PaintStepLight(FModel.PlayStep, false);
  FModel.PlayStep = 0;
  FView.ReleasePlayButton();
  FView.SetStatusText(4, "1");
  for (int t = 1; t <= SongTracks; ++t) StopTrackSample(t);
}
