#include "drummachine/core/MIDIRead.h"

#include <vector>

#include "platform/vcl/Forms.h"
#include "platform/vcl/SysUtils.h"
#include "platform/win/windows.h"

namespace {

// The file's bytes; "position" counts the bytes consumed, so the last byte
// consumed is byte number position (from 1).
std::vector<std::uint8_t> bytes;
std::size_t position = 0;
// Bytes of the current track still to read; below 0 when an event ran past
// the track's end. Wider than the file's 32-bit field so it cannot wrap.
std::int64_t remaining = 0;
std::uint8_t status = 0;
std::uint8_t previousStatus = 0;

void ShowInMessageBox(const std::string& text) {
  std::string caption = Application ? Application->GetTitle() : std::string();
  MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), MB_OK);
}

TMidiErrorReport& Report() {
  static TMidiErrorReport report = ShowInMessageBox;
  return report;
}

[[noreturn]] void MidiReadError(const std::string& text) {
  Report()(text);
  throw EAbort(text);
}

constexpr const char* TrackLengthError = "Reading Error: wrong MIDI track length";

// Byte number n, from 1.
std::uint8_t Byte(std::size_t n) {
  return bytes[n - 1];
}

std::size_t BytesLeft() {
  return bytes.size() - position;
}

void MidiAdvance(std::size_t n) {
  if (n > BytesLeft()) MidiReadError(TrackLengthError);
  position += n;
  remaining -= static_cast<std::int64_t>(n);
}

std::uint8_t PeekByte() {
  if (BytesLeft() < 1) MidiReadError(TrackLengthError);
  return Byte(position + 1);
}

std::uint8_t TakeByte() {
  std::uint8_t b = PeekByte();
  MidiAdvance(1);
  return b;
}

// A variable-length quantity: 7 bits a byte, most significant first, every
// byte but the last with its top bit set; at most 4 bytes.
std::uint32_t ReadVarLen() {
  std::uint8_t b = TakeByte();
  std::uint32_t value = b & 0x7F;
  for (int count = 1; b & 0x80; ++count) {
    if (count == 4) MidiReadError(TrackLengthError);
    b = TakeByte();
    value = (value << 7) | (b & 0x7F);
  }
  return value;
}

std::string TakeText(std::uint32_t n) {
  if (n > BytesLeft()) MidiReadError(TrackLengthError);
  std::string text(reinterpret_cast<const char*>(bytes.data() + position), n);
  MidiAdvance(n);
  return text;
}

void ReadDataBytes(TMidiEvent& e) {
  std::uint8_t kind = status >> 4;
  e.Data1 = TakeByte();
  if (kind != 0xC && kind != 0xD) e.Data2 = TakeByte();
  // A note-off never carries a velocity for the callers.
  if (kind == 0x8) e.Data2 = 0;
}

void ReadSysEx(TMidiEvent& e) {
  if (status != 0xF0 && status != 0xF7) MidiReadError("Reading Error: illegal SysEx header");
  std::uint32_t n = ReadVarLen();
  e.Text = TakeText(n);
  if (status == 0xF0) e.Text.insert(e.Text.begin(), static_cast<char>(0xF0));
}

void ReadMetaEvent(TMidiEvent& e) {
  if (status != 0xFF) MidiReadError("Reading Error: illegal meta event header");
  e.MetaType = TakeByte();
  std::uint32_t n = ReadVarLen();
  e.Text = TakeText(n);
}

}  // namespace

void SetMidiErrorReport(TMidiErrorReport report) {
  Report() = report ? std::move(report) : TMidiErrorReport(ShowInMessageBox);
}

void ReadMidiFile(const std::string& name) {
  if (!FileExists(name)) MidiReadError("Reading Error: MIDI file " + name + " does not exists");
  int handle = FileOpen(name, fmOpenRead);
  if (handle < 0) throw EInOutError(InOutErrorMessage(5), 5);
  std::vector<std::uint8_t> data;
  std::uint8_t chunk[65536];
  int n;
  while ((n = FileRead(handle, chunk, sizeof chunk)) > 0) data.insert(data.end(), chunk, chunk + n);
  FileClose(handle);
  if (n < 0) throw EInOutError(InOutErrorMessage(100), 100);
  // An exactly sized buffer: a read past the file is a read past the buffer,
  // which the bounds checks stop and the sanitizers would see.
  data.shrink_to_fit();
  bytes = std::move(data);
  // Each file starts without a running status.
  status = 0;
  previousStatus = 0;
}

void ReadMidiHeader(int& format, int& trackCount, int& division) {
  bool named = bytes.size() >= 4 && Byte(1) == 'M' && Byte(2) == 'T' && Byte(3) == 'h' && Byte(4) == 'd';
  if (!named) MidiReadError("Reading Error: missing MIDI file header");
  if (bytes.size() < 14 || Byte(8) != 6) MidiReadError("Reading Error: illegal MIDI file header length");
  if (Byte(10) != 0 && Byte(10) != 1) MidiReadError("Reading Error: illegal MIDI file type");
  format = Byte(10);
  trackCount = Byte(11) << 8 | Byte(12);
  if (trackCount == 0) MidiReadError("Reading Error: zero number of MIDI tracks");
  division = Byte(13) << 8 | Byte(14);
  if (division == 0) MidiReadError("Reading Error: zero number of ticks per quarternote");
  position = 14;
}

void ReadTrackHeader() {
  bool named = BytesLeft() >= 8 && Byte(position + 1) == 'M' && Byte(position + 2) == 'T' &&
               Byte(position + 3) == 'r' && Byte(position + 4) == 'k';
  if (!named) MidiReadError("Reading Error: missing MIDI track header");
  std::uint32_t length = 0;
  for (std::size_t i = 5; i <= 8; ++i) length = length << 8 | Byte(position + i);
  position += 8;
  // The count is a signed 32-bit number, as the file's readers take it.
  remaining = static_cast<std::int32_t>(length);
}

void ReadMidiEvent(TMidiEvent& e) {
  // Running status survives system exclusive and meta events.
  if (status >= 0xF0) status = previousStatus;
  e = TMidiEvent();
  e.Delta = ReadVarLen();
  previousStatus = status;
  if (PeekByte() >= 0x80) status = TakeByte();
  if (status < 0xF0) {
    ReadDataBytes(e);
  } else if (status == 0xF0 || status == 0xF7) {
    ReadSysEx(e);
  } else if (status == 0xFF) {
    ReadMetaEvent(e);
  }
  e.Status = status;
}

bool EndOfTrack() {
  return remaining <= 0;
}

void CheckTrackEnd() {
  if (remaining < 0) MidiReadError(TrackLengthError);
  if (remaining > 0) return;
  // The end-of-track event FF 2F 00 leaves one of these two bytes before
  // the position.
  std::uint8_t b = position >= 3 ? Byte(position - 2) : 0x01;
  if (b != 0x00 && b != 0x2F && b != 0xFF) MidiReadError("Reading Error: missing end of MIDI track");
}

void CheckFileSize() {
  if (position != bytes.size()) MidiReadError("Reading Error: wrong MIDI file size");
}

int ReadMidiEvents(const std::string& name, const std::function<void(const TMidiEvent&)>& onEvent) {
  ReadMidiFile(name);
  int format = 0;
  int trackCount = 0;
  int division = 0;
  ReadMidiHeader(format, trackCount, division);
  TMidiEvent e;
  for (int track = 0; track < trackCount; ++track) {
    ReadTrackHeader();
    do {
      ReadMidiEvent(e);
      CheckTrackEnd();
      onEvent(e);
    } while (!EndOfTrack());
  }
  CheckFileSize();
  return division;
}
