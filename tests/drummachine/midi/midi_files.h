// Builds Standard MIDI Files byte by byte for the reader's tests, and reads
// a file's events back through the reader's whole sequence.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "drummachine/core/MIDIRead.h"
#include "drummachine/core_test_support.h"
#include "platform/vcl/SysUtils.h"

namespace midi_test {

inline std::string Be32(std::uint32_t v) {
  return core_test::Bytes({int(v >> 24 & 0xFF), int(v >> 16 & 0xFF), int(v >> 8 & 0xFF), int(v & 0xFF)});
}
inline std::string Be16(std::uint16_t v) {
  return core_test::Bytes({v >> 8, v & 0xFF});
}
inline std::string Header(int format, int tracks, int division) {
  return "MThd" + Be32(6) + Be16(format) + Be16(tracks) + Be16(division);
}
inline std::string Track(const std::string& events) {
  return "MTrk" + Be32(static_cast<std::uint32_t>(events.size())) + events;
}
inline const std::string EndOfTrackEvent = core_test::Bytes({0x00, 0xFF, 0x2F, 0x00});

// Every event of the file, as the reader hands them on.
inline std::vector<TMidiEvent> ReadAll(const std::string& path, int* division = nullptr) {
  std::vector<TMidiEvent> events;
  int ticks = ReadMidiEvents(path, [&events](const TMidiEvent& e) { events.push_back(e); });
  if (division) *division = ticks;
  return events;
}

// Records the reader's error reports instead of showing them.
class ErrorReports {
 public:
  ErrorReports() {
    SetMidiErrorReport([this](const std::string& text) { texts.push_back(text); });
  }
  ~ErrorReports() { SetMidiErrorReport(nullptr); }
  std::vector<std::string> texts;
};

}  // namespace midi_test
