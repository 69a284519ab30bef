#include <gtest/gtest.h>

#include "drummachine/core/MIDIWrite.h"
#include "midi_files.h"

namespace {

using core_test::Bytes;
using core_test::TempFolder;

class MidiWriter : public ::testing::Test {
 protected:
  // The bytes written since BeginMidiFile(0, 1, 96), without its header.
  std::string AfterHeader() {
    SaveMidiFile(folder.Path("out.mid"));
    return core_test::ReadBytes(folder.Path("out.mid")).substr(14);
  }
  TempFolder folder;
};

TEST_F(MidiWriter, HeaderChunk) {
  BeginMidiFile(1, 2, 600);
  SaveMidiFile(folder.Path("h.mid"));
  EXPECT_EQ(core_test::ReadBytes(folder.Path("h.mid")),
            Bytes({0x4D, 0x54, 0x68, 0x64, 0, 0, 0, 6, 0, 1, 0, 2, 0x02, 0x58}));
}

TEST_F(MidiWriter, VariableLengthNumbers) {
  struct Case {
    std::uint32_t value;
    std::string bytes;
  };
  const Case cases[] = {
      {0, Bytes({0x00})},
      {127, Bytes({0x7F})},
      {128, Bytes({0x81, 0x00})},
      {300, Bytes({0x82, 0x2C})},
      {16383, Bytes({0xFF, 0x7F})},
      {16384, Bytes({0x81, 0x80, 0x00})},
      {268435455, Bytes({0xFF, 0xFF, 0xFF, 0x7F})},
  };
  for (const Case& c : cases) {
    BeginMidiFile(0, 1, 96);
    WriteVarLen(c.value);
    EXPECT_EQ(AfterHeader(), c.bytes) << c.value;
  }
}

TEST_F(MidiWriter, ATrackOfOnlyItsEnd) {
  BeginMidiFile(0, 1, 96);
  BeginTrack();
  WriteMidiEvent({0, 0xFF, 0, "", 0x2F, 0});
  EXPECT_EQ(AfterHeader(), "MTrk" + Bytes({0, 0, 0, 4, 0x00, 0xFF, 0x2F, 0x00}));
}

TEST_F(MidiWriter, EveryChannelEventCarriesItsStatus) {
  BeginMidiFile(0, 1, 96);
  BeginTrack();
  WriteMidiEvent({300, 0x99, 36, "", 0, 100});
  WriteMidiEvent({0, 0x99, 38, "", 0, 90});
  WriteMidiEvent({0, 0xC9, 5, "", 0, 0});
  WriteMidiEvent({10, 0x00, 1, "", 0, 2});  // nothing, and its delta is not carried
  WriteMidiEvent({0, 0xF3, 1, "", 0, 2});  // nothing
  WriteMidiEvent({0, 0xE0, 0x00, "", 0, 0x40});
  WriteMidiEvent({7, 0xFF, 0, "", 0x2F, 0});
  std::string events = Bytes(
      {0x82, 0x2C, 0x99, 36, 100, 0x00, 0x99, 38, 90, 0x00, 0xC9, 5, 0x00, 0xE0, 0x00, 0x40, 0x07, 0xFF, 0x2F, 0x00});
  EXPECT_EQ(AfterHeader(), "MTrk" + midi_test::Be32(static_cast<std::uint32_t>(events.size())) + events);
}

TEST_F(MidiWriter, MetaAndSystemExclusiveEvents) {
  BeginMidiFile(0, 1, 96);
  BeginTrack();
  WriteMidiEvent({0, 0xFF, 0, "Beat", 0x03, 0});
  WriteMidiEvent({0, 0xFF, 0, "", 0x01, 0});  // an empty text
  WriteMidiEvent({0, 0xF0, 0, "\xF0\x7E\xF7", 0, 0});  // a message: F0 kept in the text
  WriteMidiEvent({0, 0xF7, 0, "\x01\x02", 0, 0});  // an escape
  WriteMidiEvent({0, 0xF0, 0, "", 0, 0});  // an empty message
  WriteMidiEvent({0, 0xFF, 0, "", 0x2F, 0});
  std::string events = Bytes({0x00, 0xFF, 0x03, 0x04}) + "Beat" + Bytes({0x00, 0xFF, 0x01, 0x00}) +
                       Bytes({0x00, 0xF0, 0x02, 0x7E, 0xF7}) + Bytes({0x00, 0xF7, 0x02, 0x01, 0x02}) +
                       Bytes({0x00, 0xF0, 0x00}) + Bytes({0x00, 0xFF, 0x2F, 0x00});
  EXPECT_EQ(AfterHeader(), midi_test::Track(events));
}

TEST_F(MidiWriter, WriteThenReadGivesTheSameEvents) {
  const std::vector<TMidiEvent> track0 = {
      {0, 0xFF, 0, "Drums", 0x03, 0},
      {0, 0xFF, 0, core_test::Bytes({0x07, 0xA1, 0x20}), 0x51, 0},
      {0, 0xF0, 0, core_test::Bytes({0xF0, 0x43, 0x10, 0xF7}), 0, 0},
      {5, 0xF7, 0, core_test::Bytes({0x01, 0x02, 0x03}), 0, 0},
      {0, 0xFF, 0, "", 0x2F, 0},
  };
  const std::vector<TMidiEvent> track1 = {
      {0, 0x99, 36, "", 0, 100},    {120, 0x89, 36, "", 0, 0},      {0, 0x90, 60, "", 0, 1},
      {200000, 0xB3, 7, "", 0, 99}, {1, 0xC9, 12, "", 0, 0},        {2, 0xD0, 40, "", 0, 0},
      {3, 0xE1, 0x10, "", 0, 0x7F}, {268435455, 0xA2, 1, "", 0, 2}, {0, 0xFF, 0, "", 0x2F, 0},
  };
  BeginMidiFile(1, 2, 480);
  for (const auto* track : {&track0, &track1}) {
    BeginTrack();
    for (const TMidiEvent& e : *track) WriteMidiEvent(e);
  }
  SaveMidiFile(folder.Path("trip.mid"));
  int division = 0;
  std::vector<TMidiEvent> expected = track0;
  expected.insert(expected.end(), track1.begin(), track1.end());
  EXPECT_EQ(midi_test::ReadAll(folder.Path("trip.mid"), &division), expected);
  EXPECT_EQ(division, 480);
}

TEST_F(MidiWriter, ASaveThatCannotCreateItsFileRaises) {
  BeginMidiFile(0, 1, 96);
  EXPECT_THROW(SaveMidiFile(folder.Path("no folder/x.mid")), EInOutError);
}

}  // namespace
