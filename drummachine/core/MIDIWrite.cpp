#include "drummachine/core/MIDIWrite.h"

#include <vector>

#include "platform/vcl/SysUtils.h"

namespace {

std::vector<std::uint8_t> output;
std::uint32_t pendingDelta = 0;
bool trackOpen = false;
std::size_t lengthField = 0;  // offset of the current track's length
std::uint32_t trackBytes = 0;

void WriteMidiByte(std::uint8_t b) {
  if (output.capacity() == 0) output.reserve(16384);
  output.push_back(b);
  ++trackBytes;
}

void WriteMidiWord(std::uint16_t w) {
  WriteMidiByte(static_cast<std::uint8_t>(w >> 8));
  WriteMidiByte(static_cast<std::uint8_t>(w));
}

void WriteMidiLong(std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) WriteMidiByte(static_cast<std::uint8_t>(v >> shift));
}

void WriteMidiText(const std::string& text) {
  for (char c : text) WriteMidiByte(static_cast<std::uint8_t>(c));
}

void WritePendingDelta() {
  WriteVarLen(pendingDelta);
  pendingDelta = 0;
}

void WriteEvent3(const TMidiEvent& e) {
  WritePendingDelta();
  WriteMidiByte(e.Status);
  WriteMidiByte(e.Data1);
  WriteMidiByte(e.Data2);
}

void WriteEvent2(const TMidiEvent& e) {
  WritePendingDelta();
  WriteMidiByte(e.Status);
  WriteMidiByte(e.Data1);
}

void WriteMetaHeader(std::uint8_t type, std::uint32_t length) {
  WritePendingDelta();
  WriteMidiByte(0xFF);
  WriteMidiByte(type);
  WriteVarLen(length);
}

void WriteMetaEvent(const TMidiEvent& e) {
  WriteMetaHeader(e.MetaType, static_cast<std::uint32_t>(e.Text.size()));
  WriteMidiText(e.Text);
}

void WriteSysEx(const TMidiEvent& e) {
  WritePendingDelta();
  if (e.Text.empty()) {
    WriteMidiByte(e.Status);
    WriteVarLen(0);
  } else if (static_cast<std::uint8_t>(e.Text[0]) == 0xF0) {
    // The reader keeps the F0 of a message in its text.
    WriteMidiByte(0xF0);
    WriteVarLen(static_cast<std::uint32_t>(e.Text.size() - 1));
    WriteMidiText(e.Text.substr(1));
  } else {
    WriteMidiByte(0xF7);
    WriteVarLen(static_cast<std::uint32_t>(e.Text.size()));
    WriteMidiText(e.Text);
  }
}

}  // namespace

void WriteVarLen(std::uint32_t v) {
  std::uint8_t groups[5];
  int n = 0;
  do {
    groups[n++] = static_cast<std::uint8_t>(v & 0x7F);
    v >>= 7;
  } while (v != 0);
  while (n > 1) WriteMidiByte(groups[--n] | 0x80);
  WriteMidiByte(groups[0]);
}

void BeginMidiFile(int format, int trackCount, int division) {
  output.clear();
  pendingDelta = 0;
  trackOpen = false;
  WriteMidiText("MThd");
  WriteMidiLong(6);
  WriteMidiWord(static_cast<std::uint16_t>(format));
  WriteMidiWord(static_cast<std::uint16_t>(trackCount));
  WriteMidiWord(static_cast<std::uint16_t>(division));
}

void BeginTrack() {
  WriteMidiText("MTrk");
  lengthField = output.size();
  WriteMidiLong(0);
  trackBytes = 0;
  trackOpen = true;
}

void EndTrack() {
  WriteMetaHeader(0x2F, 0);
  if (!trackOpen) return;
  trackOpen = false;
  for (int i = 0; i < 4; ++i) output[lengthField + i] = static_cast<std::uint8_t>(trackBytes >> (24 - 8 * i));
}

void WriteMidiEvent(const TMidiEvent& e) {
  pendingDelta = e.Delta;
  std::uint8_t s = e.Status;
  if ((s >= 0x80 && s <= 0xBF) || (s >= 0xE0 && s <= 0xEF)) {
    WriteEvent3(e);
  } else if (s >= 0xC0 && s <= 0xDF) {
    WriteEvent2(e);
  } else if (s == 0xFF) {
    if (e.MetaType == 0x2F)
      EndTrack();
    else
      WriteMetaEvent(e);
  } else if (s == 0xF0 || s == 0xF7) {
    WriteSysEx(e);
  }
}

void SaveMidiFile(const std::string& name) {
  int handle = FileCreate(name);
  if (handle < 0) throw EInOutError(InOutErrorMessage(5), 5);
  int size = static_cast<int>(output.size());
  int written = size == 0 ? 0 : FileWrite(handle, output.data(), size);
  FileClose(handle);
  if (written != size) throw EInOutError(InOutErrorMessage(101), 101);
}
