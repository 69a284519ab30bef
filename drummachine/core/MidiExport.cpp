#include "drummachine/core/MidiExport.h"

#include "drummachine/core/MIDIRead.h"
#include "drummachine/core/MIDIWrite.h"

namespace {

constexpr std::uint32_t TicksPerStep = 300;

// Where the walk through the template stands.
struct TExportState {
  int Slot = 0;
  int Step = 0;
  int Pattern = 1;
  bool FirstNoteWritten = false;  // the template's first drum note was passed
  bool AnyNoteKept = false;  // a note of the song was written
  bool NoteInThisStep = true;
  std::uint32_t EmptySteps = 0;
};

bool IsChannel10NoteEvent(const TMidiEvent& e) {
  return e.Status == 0x89 || e.Status == 0x99;
}

void HandleTemplateEvent(const TMainModel& model, TExportState& x, TMidiEvent& e) {
  if (!IsChannel10NoteEvent(e)) return;
  if (e.Data2 == 0) {
    e.Status = 0;  // note-offs are dropped
    return;
  }
  x.Slot = x.Slot % SongTracks + 1;
  if (x.Slot == 1) {
    if (++x.Step > SongSteps) {
      x.Step = 1;
      ++x.Pattern;
    }
    if (!x.NoteInThisStep) ++x.EmptySteps;
    x.NoteInThisStep = false;
  }
  // A template longer than the song's 16 patterns adds nothing.
  bool set = x.Pattern <= SongPatterns && IsOn(model.Song.StepOn(x.Step, x.Slot, x.Pattern));
  if (set) {
    if (!x.AnyNoteKept) {
      // The first note lies its own step's time after the start (the steps
      // before it were all empty), not a step after that.
      e.Delta = x.EmptySteps * TicksPerStep;
      x.AnyNoteKept = true;
    } else {
      if (!x.NoteInThisStep) e.Delta = TicksPerStep;
      if (x.EmptySteps > 0) e.Delta = x.EmptySteps * TicksPerStep + TicksPerStep;
    }
    x.NoteInThisStep = true;
    x.EmptySteps = 0;
    e.Data1 = static_cast<std::uint8_t>(model.MidiNoteOfTrack[x.Slot]);
  } else {
    e.Status = 0;
  }
  if (!x.FirstNoteWritten) {
    e.Delta = 0;
    x.FirstNoteWritten = true;
  }
}

}  // namespace

void ExportMidiFile(const TMainModel& model, const std::string& outputName, const std::string& templateName) {
  TExportState state;
  ReadMidiFile(templateName);
  int format = 0;
  int trackCount = 0;
  int division = 0;
  ReadMidiHeader(format, trackCount, division);
  BeginMidiFile(format, trackCount, 600);
  for (int track = 0; track < trackCount; ++track) {
    ReadTrackHeader();
    BeginTrack();
    do {
      TMidiEvent e;
      ReadMidiEvent(e);
      HandleTemplateEvent(model, state, e);
      WriteMidiEvent(e);
      CheckTrackEnd();
    } while (!EndOfTrack());
  }
  CheckFileSize();
  SaveMidiFile(outputName);
}
