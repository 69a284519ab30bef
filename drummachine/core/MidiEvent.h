// One event of a Standard MIDI File as the reader returns it and the writer
// takes it: the delta time, the status byte, two data bytes, and for system
// exclusive and meta events the meta type and the bytes as text.
#pragma once

#include <cstdint>
#include <string>

struct TMidiEvent {
  std::uint32_t Delta = 0;
  std::uint8_t Status = 0;
  std::uint8_t Data1 = 0;
  std::string Text;
  std::uint8_t MetaType = 0;
  std::uint8_t Data2 = 0;

  bool operator==(const TMidiEvent&) const = default;
};
