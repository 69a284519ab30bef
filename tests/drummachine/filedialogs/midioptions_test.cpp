// The MIDI export settings on their own: notes a song file may hold outside
// the percussion keys, and a box left without a choice.
#include "drummachine/filedialogs/midioptions.h"
#include "filedialogs_fixture.h"

namespace filedialogstest {
namespace {

class MidiOptions : public FileDialogs {
 protected:
  void SetUp() override {
    FileDialogs::SetUp();
    Application->CreateForm(frmMidiOptions);
  }
};

TEST_F(MidiOptions, ANoteOutsideTheKeysSelectsNothingAndOkKeepsIt) {
  EXPECT_EQ(frmMidiOptions->GetCaption(), "MIDI Export Settings");
  model.MidiNoteOfTrack[2] = 34;
  model.MidiNoteOfTrack[3] = 82;
  model.MidiNoteOfTrack[4] = 35;
  model.TrackName[4] = std::string("Kick");
  std::vector<int> shown;
  std::string label4;
  TModalScript dialog(frmMidiOptions, {[&] {
                                         for (int t = 2; t <= 4; ++t)
                                           shown.push_back(frmMidiOptions->NoteBoxes[t]->GetItemIndex());
                                         label4 = frmMidiOptions->TrackLabels[4]->GetCaption();
                                       },
                                       [] { QueueClick(frmMidiOptions->OKBtn); }});
  ShowMidiOptions(model);
  ASSERT_TRUE(dialog.Shown());
  EXPECT_EQ(shown, (std::vector<int>{-1, -1, 0}));
  EXPECT_EQ(label4, "Kick");
  EXPECT_EQ(model.MidiNoteOfTrack[2], 34);
  EXPECT_EQ(model.MidiNoteOfTrack[3], 82);
  EXPECT_EQ(model.MidiNoteOfTrack[4], 35);
  EXPECT_EQ(model.MidiNoteOfTrack[1], 36);
}

}  // namespace
}  // namespace filedialogstest
