// The current track's mixer through the real window: the pitch presets of
// the track menu, the volume box typed into, and the strip's solo and mute.
#include "kits_window_fixture.h"

namespace windowkits {
namespace {

using Mixer = KitsWindow;

TEST_F(Mixer, SemitonePresetsMoveThePitchFromTheTracksOwn) {
  struct Case {
    const char* item;
    int from, pitch;
  };
  const auto* slider = Named<TStyTrackBar>("boxPitchSlider");
  for (const Case& c :
       {Case{"mnuSemiUp", 44100, 46722}, Case{"mnuSemiDown", 44100, 41625}, Case{"mnu4SemiUp", 44100, 55563},
        Case{"mnu4SemiDown", 44100, 35002}, Case{"mnuSemiUp", 84000, 84100}}) {
    SCOPED_TRACE(std::string(c.item) + " from " + std::to_string(c.from));
    Named<TMenuItem>("Reset1")->Click();
    ASSERT_EQ(window->Model.Song.TrackPitch[1], 44100) << "Reset Pitch";
    if (c.from != 44100) {
      Named<TStyTrackBar>("boxPitchSlider")->SetPosition(c.from);
      Pump();
      ASSERT_EQ(window->Model.Song.TrackPitch[1], c.from);
    }
    Named<TMenuItem>(c.item)->Click();
    Pump();
    EXPECT_EQ(window->Model.Song.TrackPitch[1], c.pitch);
    EXPECT_EQ(slider->GetPosition(), c.pitch);
  }
}

// Typed decibels are taken when the box is left: above full level stores 0,
// below the slider's floor its floor, and a text that is no number puts the
// track's volume back into the box.
TEST_F(Mixer, TheVolumeBoxTakesWhatWasTypedWhenItIsLeft) {
  struct Case {
    const char* typed;
    int volume;
    const char* shown;
  };
  auto* box = Named<TEdit>("edtVol");
  auto* pan = Named<TEdit>("edtPan");
  for (const Case& c :
       {Case{"5", 0, "0"}, Case{"-12", -1200, "-12"}, Case{"-80", -5000, "-50"}, Case{"loud", -5000, "-50"}}) {
    SCOPED_TRACE(c.typed);
    ClickAt(box, 20, 9);
    ASSERT_TRUE(box->Focused());
    Key(VK_END);
    for (int i = 0; i < 8; ++i) Key(VK_BACK);
    Type(c.typed);
    ASSERT_EQ(box->GetText(), c.typed);
    ClickAt(pan, 20, 9);  // leaving the box
    EXPECT_EQ(window->Model.Song.TrackVolume[1], c.volume);
    EXPECT_EQ(box->GetText(), c.shown);
    EXPECT_EQ(Named<TStyTrackBar>("boxVolSlider")->GetPosition(), c.volume);
    EXPECT_EQ(window->TrackFaders[1]->GetPosition(), c.volume);
  }
}

// Mute and solo of a track exclude each other: muting a soloed track ends
// its solo, and with it the solo of the song.
TEST_F(Mixer, SoloThenMuteOnAStripLeavesTheTrackMutedAndNoSolo) {
  ClickAt(window->SoloButtons[3], 3, 4);
  EXPECT_EQ(window->Model.CurrentTrack, 3);
  EXPECT_TRUE(window->Model.Song.TrackSolo[3]);
  EXPECT_TRUE(window->Model.Song.SoloActive);
  EXPECT_EQ(window->SoloButtons[3]->GetColors()->GetUp(), static_cast<TColor>(0x008080));
  EXPECT_TRUE(Named<TCheckBox>("cbxSolo2")->GetChecked());

  ClickAt(window->MuteButtons[3], 3, 4);
  EXPECT_TRUE(window->Model.Song.TrackMute[3]);
  EXPECT_FALSE(window->Model.Song.TrackSolo[3]);
  EXPECT_FALSE(window->Model.Song.SoloActive);
  EXPECT_EQ(window->MuteButtons[3]->GetColors()->GetUp(), static_cast<TColor>(0x000080));
  EXPECT_EQ(window->SoloButtons[3]->GetColors()->GetUp(), static_cast<TColor>(0xC0C0C0));
  EXPECT_TRUE(Named<TCheckBox>("cbxMute2")->GetChecked());
  EXPECT_FALSE(Named<TCheckBox>("cbxSolo2")->GetChecked());
  EXPECT_TRUE(Named<TMenuItem>("mnuMute")->GetChecked());
  EXPECT_FALSE(Named<TMenuItem>("mnuSolo")->GetChecked());
}

}  // namespace
}  // namespace windowkits
