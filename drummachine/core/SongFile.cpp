#include "drummachine/core/SongFile.h"

#include <cstdint>

#include "drummachine/core/TextLine.h"

namespace {

using vcl::rtl::text::SkipLine;

// ---- writing ----

template <class T>
void WriteValues(TextFile& f, const T* values, int count) {
  for (int i = 0; i < count; ++i) {
    if (i > 0) Write(f, " ");
    Write(f, values[i]);
  }
  WriteLn(f);
}

int Flag(bool b) {
  return b ? 1 : 0;
}

template <class T>
void WriteGrid(TextFile& f, const TStepGrid<T>& grid) {
  for (int p = 1; p <= SongPatterns; ++p) {
    for (int t = 1; t <= SongTracks; ++t) {
      std::int32_t line[SongSteps];
      for (int s = 1; s <= SongSteps; ++s) line[s - 1] = grid(s, t, p);
      WriteValues(f, line, SongSteps);
    }
  }
}

template <class T>
void WriteTrackValues(TextFile& f, const TTrackArray<T>& values) {
  std::int32_t line[SongTracks];
  for (int t = 1; t <= SongTracks; ++t) line[t - 1] = static_cast<std::int32_t>(values[t]);
  WriteValues(f, line, SongTracks);
}

// The number typed in an order cell, 0 for an empty cell or one that holds
// no number.
std::int32_t OrderCellNumber(const std::string& text) {
  int number = 0;
  return TryStrToInt(text, number) ? number : 0;
}

// Whether track t plays a wave the user added, and which. The test reads the
// track's sample button as the window shows it: "Empty" for an empty list or
// a wave of that name.
bool PlaysUserWave(const TMainModel& model, const ISongKit& kit, int t, int& index) {
  index = model.Song.TrackSample[t];
  int count = kit.GetWaveCount(t);
  if (index < 0 || index >= count || index >= TrackWaveSlots) return false;
  bool buttonReadsEmpty = kit.GetWaveName(t, index) == "Empty";
  int kitWaves = model.KitSampleCount[t];
  return buttonReadsEmpty ? index > kitWaves : index >= kitWaves;
}

// ---- reading ----

template <class T>
void ReadValues(TextFile& f, T* values, int count) {
  for (int i = 0; i < count; ++i) Read(f, values[i]);
  SkipLine(f);
}

template <class T>
void ReadGrid(TextFile& f, TStepGrid<T>& grid) {
  for (int p = 1; p <= SongPatterns; ++p) {
    for (int t = 1; t <= SongTracks; ++t) {
      T line[SongSteps];
      ReadValues(f, line, SongSteps);
      for (int s = 1; s <= SongSteps; ++s) grid(s, t, p) = line[s - 1];
    }
  }
}

void ReadFlags(TextFile& f, TTrackArray<bool>& flags) {
  std::int32_t line[SongTracks];
  ReadValues(f, line, SongTracks);
  for (int t = 1; t <= SongTracks; ++t) flags[t] = line[t - 1] == 1;
}

std::int32_t Clamp(std::int32_t value, std::int32_t low, std::int32_t high) {
  return value < low ? low : value > high ? high : value;
}

}  // namespace

void WriteSongFile(TextFile& f, const TMainModel& model, const ISongKit& kit, bool allTracks32nd) {
  const TSong& song = model.Song;
  WriteGrid(f, song.StepOn);
  WriteGrid(f, song.StepModified);
  for (int t = 1; t <= SongTracks; ++t) {
    std::int32_t line[] = {song.TrackVolume[t],        song.TrackPan[t],        song.TrackPitch[t],
                           song.TrackOverdrive[t],     song.HumanizeVolume[t],  song.HumanizePan[t],
                           song.HumanizePitch[t],      Flag(song.TrackMute[t]), Flag(song.TrackSolo[t]),
                           Flag(song.TrackHumanize[t])};
    WriteValues(f, line, 10);
  }
  std::int32_t general[] = {Flag(song.HiHatCut), song.Tempo, Flag(song.SoloActive), song.Metre};
  WriteValues(f, general, 4);
  WriteGrid(f, song.StepVolume);
  WriteGrid(f, song.StepPan);
  WriteGrid(f, song.StepPitch);
  for (int row = 0; row < SequenceRows; ++row) {
    std::int32_t line[SequenceColumns];
    for (int col = 0; col < SequenceColumns; ++col) line[col] = OrderCellNumber(song.SequenceGrid.Cells(col, row));
    WriteValues(f, line, SequenceColumns);
  }
  WriteLn(f, song.KitId);
  WriteLn(f, song.KitName);
  WriteTrackValues(f, song.TrackSample);
  for (int t = 1; t <= SongTracks; ++t) {
    int index = 0;
    if (PlaysUserWave(model, kit, t, index)) {
      WriteLn(f, model.SamplePath[t][index]);
      WriteLn(f, kit.GetWaveName(t, index));
    } else {
      WriteLn(f);
      WriteLn(f);
    }
  }
  WriteGrid(f, song.Step32On);
  WriteGrid(f, song.Step32Modified);
  WriteGrid(f, song.Step32Volume);
  WriteGrid(f, song.Step32Pan);
  WriteGrid(f, song.Step32Pitch);
  WriteLn(f, Flag(allTracks32nd));
  WriteTrackValues(f, song.TrackUses32nd);
}

TSongFileExtras ReadSongFile(TextFile& f, TSong& song) {
  ReadGrid(f, song.StepOn);
  ReadGrid(f, song.StepModified);
  for (int t = 1; t <= SongTracks; ++t) {
    std::int32_t v[10];
    ReadValues(f, v, 10);
    song.TrackVolume[t] = Clamp(v[0], INT32_MIN, 0);
    song.TrackPan[t] = v[1];
    song.TrackPitch[t] = v[2];
    song.TrackOverdrive[t] = Clamp(v[3], 0, 10);
    song.HumanizeVolume[t] = Clamp(v[4], 0, 10);
    song.HumanizePan[t] = Clamp(v[5], 0, 10);
    song.HumanizePitch[t] = Clamp(v[6], 0, 10);
    song.TrackMute[t] = v[7] == 1;
    song.TrackSolo[t] = v[8] == 1;
    song.TrackHumanize[t] = v[9] == 1;
  }
  std::int32_t general[4];
  ReadValues(f, general, 4);
  song.HiHatCut = general[0] == 1;
  song.Tempo = Clamp(general[1], 10, 300);
  song.SoloActive = general[2] == 1;
  song.Metre = general[3] == 4 ? 4 : 3;
  ReadGrid(f, song.StepVolume);
  ReadGrid(f, song.StepPan);
  ReadGrid(f, song.StepPitch);
  for (int row = 0; row < SequenceRows; ++row) {
    std::int32_t line[SequenceColumns];
    ReadValues(f, line, SequenceColumns);
    for (int col = 0; col < SequenceColumns; ++col)
      song.SequenceGrid.Cells(col, row) = line[col] == 0 ? std::string() : IntToStr(line[col]);
  }
  std::int32_t kitId = 0;
  ReadValues(f, &kitId, 1);
  song.KitId = kitId;
  song.KitName = ReadTextField(f, TKitName::MaxLength);
  std::int32_t samples[SongTracks];
  ReadValues(f, samples, SongTracks);
  for (int t = 1; t <= SongTracks; ++t) song.TrackSample[t] = samples[t - 1];
  for (int t = 1; t <= SongTracks; ++t) {
    song.SongSamplePath[t] = ReadTextField(f);
    song.SongSampleName[t] = ReadTextField(f);
  }
  ReadGrid(f, song.Step32On);
  ReadGrid(f, song.Step32Modified);
  ReadGrid(f, song.Step32Volume);
  ReadGrid(f, song.Step32Pan);
  ReadGrid(f, song.Step32Pitch);
  TSongFileExtras extras;
  std::int32_t allTracks = 0;
  ReadValues(f, &allTracks, 1);
  extras.AllTracks32nd = allTracks == 1;
  ReadFlags(f, song.TrackUses32nd);
  return extras;
}
