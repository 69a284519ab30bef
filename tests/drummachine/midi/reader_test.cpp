#include <gtest/gtest.h>

#include <random>

#include "midi_files.h"

namespace {

using core_test::Bytes;
using core_test::TempFolder;
using midi_test::EndOfTrackEvent;
using midi_test::ErrorReports;
using midi_test::Header;
using midi_test::ReadAll;
using midi_test::Track;

class MidiReader : public ::testing::Test {
 protected:
  std::string Write(const std::string& bytes, const std::string& name = "in.mid") {
    std::string path = folder.Path(name);
    core_test::WriteBytes(path, bytes);
    return path;
  }
  // The error text that reading the whole file ends with ("" for none).
  std::string ErrorOf(const std::string& bytes) {
    try {
      ReadAll(Write(bytes));
    } catch (const EAbort& e) {
      EXPECT_EQ(reports.texts.back(), e.GetMessage());
      return e.GetMessage();
    }
    return "";
  }
  TempFolder folder;
  ErrorReports reports;
};

TEST_F(MidiReader, RunningStatusSurvivesAMetaEvent) {
  std::string events = Bytes({0x00, 0x90, 0x3C, 0x40, 0x00, 0xFF, 0x01, 0x01, 'x', 0x00, 0x3E, 0x40}) + EndOfTrackEvent;
  auto got = ReadAll(Write(Header(0, 1, 96) + Track(events)));
  ASSERT_EQ(got.size(), 4u);
  EXPECT_EQ(got[0], (TMidiEvent{0, 0x90, 0x3C, "", 0, 0x40}));
  EXPECT_EQ(got[1], (TMidiEvent{0, 0xFF, 0, "x", 0x01, 0}));
  EXPECT_EQ(got[2], (TMidiEvent{0, 0x90, 0x3E, "", 0, 0x40}));
}

TEST_F(MidiReader, RunningStatusStartsAfreshForEveryFile) {
  std::string first = Header(0, 1, 96) + Track(Bytes({0x00, 0x99, 0x24, 0x40, 0x00, 0x26, 0x40}) + EndOfTrackEvent);
  ReadAll(Write(first, "first.mid"));
  // A file whose first event has no status byte does not borrow the last file's.
  std::string second = Header(0, 1, 96) + Track(Bytes({0x00, 0x24, 0x40}) + EndOfTrackEvent);
  auto got = ReadAll(Write(second, "second.mid"));
  EXPECT_EQ(got.at(0).Status, 0);
}

TEST_F(MidiReader, ANoteOffComesWithoutItsVelocity) {
  auto got = ReadAll(Write(Header(0, 1, 96) + Track(Bytes({0x00, 0x89, 0x24, 0x40}) + EndOfTrackEvent)));
  EXPECT_EQ(got.at(0), (TMidiEvent{0, 0x89, 0x24, "", 0, 0}));
}

TEST_F(MidiReader, OnlyTheLowByteOfTheHeaderLengthCounts) {
  std::string header = "MThd" + Bytes({0, 0, 1, 6, 0, 0, 0, 1, 0, 96});
  EXPECT_EQ(ErrorOf(header + Track(EndOfTrackEvent)), "");
}

TEST_F(MidiReader, ErrorTexts) {
  const std::string good = Track(Bytes({0x00, 0x99, 0x24, 0x40}) + EndOfTrackEvent);
  std::string shortTrack = good;
  shortTrack[7] = static_cast<char>(shortTrack[7] - 1);
  struct Case {
    const char* what;
    std::string bytes;
    std::string text;
  };
  const Case cases[] = {
      {"format 2", Header(2, 1, 96) + good, "Reading Error: illegal MIDI file type"},
      {"no MThd", "MThx" + Header(0, 1, 96).substr(4) + good, "Reading Error: missing MIDI file header"},
      {"header length 7", "MThd" + Bytes({0, 0, 0, 7, 0, 0, 0, 1, 0, 96}) + good,
       "Reading Error: illegal MIDI file header length"},
      {"no tracks", Header(0, 0, 96), "Reading Error: zero number of MIDI tracks"},
      {"no ticks", Header(0, 1, 0) + good, "Reading Error: zero number of ticks per quarternote"},
      {"no MTrk", Header(0, 1, 96) + "MTrx" + good.substr(4), "Reading Error: missing MIDI track header"},
      {"track length one short", Header(0, 1, 96) + shortTrack, "Reading Error: wrong MIDI track length"},
      {"no end of track", Header(0, 1, 96) + Track(Bytes({0x00, 0x99, 0x24, 0x40})),
       "Reading Error: missing end of MIDI track"},
      {"a trailing byte", Header(0, 1, 96) + good + Bytes({0}), "Reading Error: wrong MIDI file size"},
      {"a second track missing", Header(1, 2, 96) + good, "Reading Error: missing MIDI track header"},
      {"a five-byte delta", Header(0, 1, 96) + Track(Bytes({0x81, 0x81, 0x81, 0x81, 0x00, 0x99, 0x24, 0x40})),
       "Reading Error: wrong MIDI track length"},
      {"a meta length past the end", Header(0, 1, 96) + Track(Bytes({0x00, 0xFF, 0x01, 0x8F, 0xFF, 0xFF, 0x7F})),
       "Reading Error: wrong MIDI track length"},
      {"a sysex length past the end", Header(0, 1, 96) + Track(Bytes({0x00, 0xF0, 0x20, 0x01})),
       "Reading Error: wrong MIDI track length"},
      {"an empty file", "", "Reading Error: missing MIDI file header"},
      {"half a header", Header(0, 1, 96).substr(0, 9), "Reading Error: illegal MIDI file header length"},
  };
  for (const Case& c : cases) EXPECT_EQ(ErrorOf(c.bytes), c.text) << c.what;
}

TEST_F(MidiReader, AMissingFile) {
  try {
    ReadMidiFile(folder.Path("none.mid"));
    FAIL();
  } catch (const EAbort& e) {
    EXPECT_EQ(e.GetMessage(), "Reading Error: MIDI file " + folder.Path("none.mid") + " does not exists");
  }
}

std::string AValidFile() {
  std::string t0 = Bytes({0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x00, 0xFF, 0x03, 0x02, 'h', 'i', 0x00, 0xF0, 0x03,
                          0x43, 0x10, 0xF7}) +
                   EndOfTrackEvent;
  std::string t1 = Bytes({0x00, 0x99, 0x24, 0x64, 0x83, 0x60, 0x89, 0x24, 0x00, 0x00,
                          0xC9, 0x05, 0x10, 0x99, 0x26, 0x50, 0x00, 0xE0, 0x00, 0x40}) +
                   EndOfTrackEvent;
  return Header(1, 2, 96) + Track(t0) + Track(t1);
}

TEST_F(MidiReader, EveryTruncationEndsInAnError) {
  const std::string file = AValidFile();
  ASSERT_EQ(ErrorOf(file), "");
  for (std::size_t n = 0; n < file.size(); ++n) {
    // An exactly sized heap copy lets the sanitizer catch any read past the end.
    EXPECT_NE(ErrorOf(file.substr(0, n)), "") << n << " bytes";
  }
}

TEST_F(MidiReader, GarbageEndsInAnErrorOrReadsWithinTheFile) {
  std::mt19937 rng(12345);
  const std::string valid = AValidFile();
  for (int round = 0; round < 400; ++round) {
    std::string bytes = valid;
    if (round % 2 == 0) {
      // Damage a few bytes after the header.
      for (int k = 0; k < 3; ++k) bytes[14 + rng() % (bytes.size() - 14)] = static_cast<char>(rng());
    } else {
      // Random events behind real headers.
      std::string body(rng() % 64, '\0');
      for (char& c : body) c = static_cast<char>(rng());
      bytes = Header(0, 1, 96) + Track(body);
    }
    ErrorOf(bytes);  // must not crash or read out of bounds
  }
}

}  // namespace
