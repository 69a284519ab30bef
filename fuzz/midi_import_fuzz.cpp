// MIDI import over the MIDI reader. A file that fails to read leaves the
// song and the import cursors as they were. A file that imports holds only
// its drum notes; those notes written to a file of their own import again to
// the same song.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "drummachine/core/MIDIRead.h"
#include "drummachine/core/MIDIWrite.h"
#include "drummachine/core/MidiImport.h"
#include "fuzz/seeds.h"
#include "platform/vcl/SysUtils.h"

namespace {

TMainModel Before() {
  TMainModel model;
  model.Song.StepOn(2, 2, 2) = 1;
  model.Song.Step32On(4, 4, 4) = 1;
  model.Song.TrackVolume[5] = -300;
  model.Song.SequenceGrid.Cells(0, 0) = "9";
  model.ImportStep = 7;
  model.EditedPattern = 3;
  model.CurrentTrack = 5;
  return model;
}

bool SameImportState(const TMainModel& a, const TMainModel& b) {
  return a.Song == b.Song && a.ImportStep == b.ImportStep && a.EditedPattern == b.EditedPattern &&
         a.CurrentTrack == b.CurrentTrack && a.ImportNoteCount == b.ImportNoteCount &&
         a.ImportLastStep == b.ImportLastStep;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool quiet = [] {
    SetMidiErrorReport([](const std::string&) {});
    return true;
  }();
  (void)quiet;
  const std::string input =
      drums_fuzz::WriteScratchFile("input.mid", std::string(reinterpret_cast<const char*>(data), size));
  TMainModel model = Before();
  try {
    if (!ImportMidiFile(model, input)) std::abort();
  } catch (const Exception&) {
    if (!SameImportState(model, Before())) std::abort();
    return 0;
  }
  const std::vector<TMidiEvent> notes = ReadDrumNotes(input);
  for (const TMidiEvent& e : notes)
    if (!IsDrumNote(e) || !e.Text.empty()) std::abort();
  BeginMidiFile(0, 1, 96);
  BeginTrack();
  for (const TMidiEvent& e : notes) WriteMidiEvent(e);
  EndTrack();
  const std::string rewritten = drums_fuzz::ScratchDir() + "/notes.mid";
  SaveMidiFile(rewritten);
  if (ReadDrumNotes(rewritten) != notes) std::abort();
  TMainModel again = Before();
  if (!ImportMidiFile(again, rewritten) || !SameImportState(again, model)) std::abort();
  return 0;
}
