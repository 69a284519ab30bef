#include "drummachine/core/MidiImport.h"

#include <vector>

#include "drummachine/core/MIDIRead.h"
#include "drummachine/core/SongReset.h"
#include "platform/vcl/SysUtils.h"

namespace {

// The cursor never takes more positions than the song's 16 patterns hold:
// every advance counts, notes are taken below this count, and one note
// advances at most three times.
constexpr int ImportNoteLimit = 254;

// An import starts from an empty song without humanising and a fresh cursor.
void ClearSong(TMainModel& model) {
  ResetSong(model, 0);
  model.ImportNoteCount = 1;
  model.ImportLastStep.Fill(0);
}

void AdvanceCursor(TMainModel& model) {
  ++model.ImportNoteCount;
  if (++model.ImportStep > SongSteps) {
    ++model.EditedPattern;
    model.ImportStep = 1;
  }
}

void FillSongOrder(TMainModel& model) {
  for (int p = 1; p <= model.EditedPattern && p <= SequenceColumns * SequenceRows; ++p)
    model.Song.SequenceGrid.Cells((p - 1) % SequenceColumns, (p - 1) / SequenceColumns) = IntToStr(p);
}

}  // namespace

bool IsDrumNote(const TMidiEvent& e) {
  int kind = e.Status >> 4;
  int channel = e.Status & 0x0F;
  return (kind == 0x8 || kind == 0x9) && channel == 9 && e.Data2 != 0;
}

std::vector<TMidiEvent> ReadDrumNotes(const std::string& name) {
  // Only the notes are kept: a file of millions of other events (text,
  // tempo, controllers) costs no more memory than its bytes.
  std::vector<TMidiEvent> notes;
  ReadMidiEvents(name, [&](const TMidiEvent& e) {
    if (IsDrumNote(e)) notes.push_back(e);
  });
  return notes;
}

int ImportTrackOfNote(int note) {
  switch (note) {
    case 35:
    case 36: return 1;
    case 38:
    case 40: return 2;
    case 46: return 3;
    case 42:
    case 44: return 4;
    case 41:
    case 43:
    case 45: return 5;
    case 47:
    case 48: return 6;
    case 50: return 7;
    case 49:
    case 51:
    case 57:
    case 59: return 8;
    case 54:
    case 56: return 9;
    default: return 0;
  }
}

void UpdateMidiX(TMainModel& model) {
  int t = model.CurrentTrack;
  if (model.ImportLastStep[t] == model.ImportStep) AdvanceCursor(model);
  model.ImportLastStep[t] = model.ImportStep;
  if (model.EditedPattern <= SongPatterns) model.Song.StepOn(model.ImportStep, t, model.EditedPattern) = 1;
}

bool ImportMidiFile(TMainModel& model, const std::string& name) {
  if (name.empty()) return false;
  std::vector<TMidiEvent> notes = ReadDrumNotes(name);

  ClearSong(model);
  int notesTaken = 0;
  std::uint32_t previousDelta = 0;
  for (const TMidiEvent& e : notes) {
    if (model.ImportNoteCount >= ImportNoteLimit) continue;
    if (notesTaken > 0) {
      if (e.Delta > 20) AdvanceCursor(model);
      // A gap that changed from the one before moves one step more
      // (unsigned: a delta well below the previous one, or any larger one).
      // The first note's delta is its distance from the start, not a gap:
      // comparing with it would put an empty step after the first note of
      // every steady stream that starts at once.
      if (notesTaken > 1 && previousDelta - e.Delta > 100) AdvanceCursor(model);
    }
    previousDelta = e.Delta;
    ++notesTaken;
    int track = ImportTrackOfNote(e.Data1);
    if (track != 0) {
      model.CurrentTrack = track;
      UpdateMidiX(model);
    }
  }
  FillSongOrder(model);
  model.ImportStep = 1;
  model.CurrentTrack = 1;
  model.EditedPattern = 1;
  return true;
}
