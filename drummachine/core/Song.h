// The song: every cell of the 16 patterns, the track mixer, tempo, metre,
// the kit identity and the song order. It is what a song file keeps.
//
// Tracks, steps and patterns count from 1. A cell grid holds 16 steps x 12
// tracks x 16 patterns with the pattern varying fastest: cell (s, t, p) is
// entry (s-1)*192 + (t-1)*16 + (p-1). A 32nd cell (s, t, p) sits between
// the 16th steps s and s+1 of its track.
#pragma once

#include <array>
#include <type_traits>
#include <cstdint>
#include <string>

#include "drummachine/core/RangeArray.h"
#include "platform/vcl/SysUtils.h"

constexpr int SongTracks = 12;
constexpr int SongSteps = 16;
constexpr int SongPatterns = 16;
constexpr int SequenceColumns = 12;
constexpr int SequenceRows = 3;

// Short string lengths the song file inherits.
using TTrackName = ShortString<30>;
using TKitName = ShortString<30>;

template <class T>
class TStepGrid {
 public:
  static constexpr int Size = SongSteps * SongTracks * SongPatterns;

  static constexpr bool Contains(int s, int t, int p) {
    return s >= 1 && s <= SongSteps && t >= 1 && t <= SongTracks && p >= 1 && p <= SongPatterns;
  }
  static constexpr int IndexOf(int s, int t, int p) {
    return (s - 1) * SongTracks * SongPatterns + (t - 1) * SongPatterns + (p - 1);
  }

  // Raises ERangeError for a cell outside the grid.
  T& operator()(int s, int t, int p) { return FCells[Checked(s, t, p)]; }
  const T& operator()(int s, int t, int p) const { return FCells[Checked(s, t, p)]; }

  void Fill(const T& value) { FCells.fill(value); }
  const std::array<T, Size>& Cells() const { return FCells; }
  bool operator==(const TStepGrid&) const = default;

 private:
  static std::size_t Checked(int s, int t, int p) {
    if (!Contains(s, t, p)) RaiseRangeError();
    return static_cast<std::size_t>(IndexOf(s, t, p));
  }
  std::array<T, Size> FCells{};
};

// One layer of cells, the 16th or the 32nd: its on and modified flags and
// the cells' own values, as references into the song.
template <bool Const>
struct TCellLayerOf {
  template <class T>
  using Grid = std::conditional_t<Const, const TStepGrid<T>, TStepGrid<T>>;
  Grid<std::uint8_t>& On;
  Grid<std::uint8_t>& Modified;
  Grid<std::int32_t>& Volume;
  Grid<std::int32_t>& Pan;
  Grid<std::int32_t>& Pitch;
};
using TCellLayer = TCellLayerOf<false>;
using TConstCellLayer = TCellLayerOf<true>;

// A cell flag counts as set only when it is 1, as flags read from a file do.
inline bool IsOn(std::uint8_t flag) {
  return flag == 1;
}

// The song order: 3 rows of 12 cells, each a pattern number "1".."16" as
// text or empty, addressed as the order's string grid is, column first.
class TSequenceGrid {
 public:
  std::string& Cells(int col, int row) { return FCells[Checked(col, row)]; }
  const std::string& Cells(int col, int row) const { return FCells[Checked(col, row)]; }
  void Clear() { FCells.fill(std::string()); }
  bool operator==(const TSequenceGrid&) const = default;

 private:
  static std::size_t Checked(int col, int row) {
    if (col < 0 || col >= SequenceColumns || row < 0 || row >= SequenceRows) RaiseRangeError();
    return static_cast<std::size_t>(row * SequenceColumns + col);
  }
  std::array<std::string, SequenceColumns * SequenceRows> FCells{};
};

template <class T>
using TTrackArray = TRangeArray<T, 1, SongTracks>;

struct TSong {
  // The 16th-note layer: on, modified ("own values"), and the own values.
  TStepGrid<std::uint8_t> StepOn;
  TStepGrid<std::uint8_t> StepModified;
  TStepGrid<std::int32_t> StepVolume;  // hundredths of a dB, 0 = full level
  TStepGrid<std::int32_t> StepPan;  // -10000 .. 10000
  TStepGrid<std::int32_t> StepPitch;  // Hz
  // The 32nd-note layer, the same fields.
  TStepGrid<std::uint8_t> Step32On;
  TStepGrid<std::uint8_t> Step32Modified;
  TStepGrid<std::int32_t> Step32Volume;
  TStepGrid<std::int32_t> Step32Pan;
  TStepGrid<std::int32_t> Step32Pitch;
  // The 32nd layer or the 16th layer.
  TCellLayer Layer(bool thirtySecond) {
    return thirtySecond ? TCellLayer{Step32On, Step32Modified, Step32Volume, Step32Pan, Step32Pitch}
                        : TCellLayer{StepOn, StepModified, StepVolume, StepPan, StepPitch};
  }
  TConstCellLayer Layer(bool thirtySecond) const {
    return thirtySecond ? TConstCellLayer{Step32On, Step32Modified, Step32Volume, Step32Pan, Step32Pitch}
                        : TConstCellLayer{StepOn, StepModified, StepVolume, StepPan, StepPitch};
  }

  // The track mixer.
  TTrackArray<std::int32_t> TrackVolume = TTrackArray<std::int32_t>::Filled(-1000);  // -5000 .. 0, never above 0
  TTrackArray<std::int32_t> TrackPan;
  TTrackArray<std::int32_t> TrackPitch = TTrackArray<std::int32_t>::Filled(44100);
  TTrackArray<std::int32_t> TrackOverdrive;  // extra plays of each hit, 0 .. 10
  TTrackArray<bool> TrackMute;
  TTrackArray<bool> TrackSolo;
  TTrackArray<bool> TrackHumanize;
  TTrackArray<std::int32_t> HumanizeVolume = TTrackArray<std::int32_t>::Filled(1);  // 0 .. 10
  TTrackArray<std::int32_t> HumanizePan = TTrackArray<std::int32_t>::Filled(1);
  TTrackArray<std::int32_t> HumanizePitch = TTrackArray<std::int32_t>::Filled(1);
  TTrackArray<bool> TrackUses32nd;
  TTrackArray<std::int32_t> TrackSample;  // the wave of the track's list that plays, from 0

  bool SoloActive = false;
  bool HiHatCut = true;
  std::int32_t Tempo = 100;  // beats per minute, 10 .. 300
  std::int32_t Metre = 4;  // 4 or 3
  std::int32_t KitId = 10;  // 0 .. 12 built-in, 14 a user kit
  TKitName KitName;
  // A user sample of each track as a song file named it.
  TTrackArray<std::string> SongSamplePath;
  TTrackArray<std::string> SongSampleName;
  TSequenceGrid SequenceGrid;

  bool operator==(const TSong&) const = default;
};
