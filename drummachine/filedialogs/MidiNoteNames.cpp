#include "drummachine/filedialogs/MidiNoteNames.h"

namespace {

constexpr const char* DrumNames[] = {
    "Acoustic Bass Drum", "Bass Drum 1",   "Side Stick",     "Acoustic Snare", "Hand Clap",      "Electric Snare",
    "Low Floor Tom",      "Closed Hi-Hat", "High Floor Tom", "Pedal Hi-Hat",   "Low Tom",        "Open Hi-Hat",
    "Low-Mid Tom",        "Hi-Mid Tom",    "Crash Cymbal 1", "High Tom",       "Ride Cymbal 1",  "Chinese Cymbal",
    "Ride Bell",          "Tambourine",    "Splash Cymbal",  "Cowbell",        "Crash Cymbal 2", "Vibraslap",
    "Ride Cymbal 2",      "Hi Bongo",      "Low Bongo",      "Mute Hi Conga",  "Open Hi Conga",  "Low Conga",
    "High Timbale",       "Low Timbale",   "High Agogo",     "Low Agogo",      "Cabasa",         "Maracas",
    "Short Whistle",      "Long Whistle",  "Short Guiro",    "Long Guiro",     "Claves",         "Hi Wood Block",
    "Low Wood Block",     "Mute Cuica",    "Open Cuica",     "Mute Triangle",  "Open Triangle"};
static_assert(std::size(DrumNames) == LastMidiDrumNote - FirstMidiDrumNote + 1);

// Keys up to this one keep the padded width of the list they came from.
constexpr int LastPaddedNote = 57;
constexpr std::size_t PaddedWidth = 28;

std::vector<std::string> MakeLines() {
  std::vector<std::string> lines;
  for (int note = FirstMidiDrumNote; note <= LastMidiDrumNote; ++note) {
    std::string line = std::to_string(note) + "   " + DrumNames[note - FirstMidiDrumNote];
    if (note <= LastPaddedNote && line.size() < PaddedWidth) line.resize(PaddedWidth, ' ');
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

const std::vector<std::string>& MidiDrumNoteLines() {
  static const std::vector<std::string> lines = MakeLines();
  return lines;
}
