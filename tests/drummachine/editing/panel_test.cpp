#include <gtest/gtest.h>

#include "recorders.h"

namespace {

using editing_test::Rig;

std::vector<std::string> Waves(int count) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) names.push_back("wave" + std::to_string(i));
  return names;
}

TEST(Panel, UpdateBoxShowsTheCurrentTrack) {
  Rig rig;
  TSong& song = rig.model.Song;
  rig.model.CurrentTrack = 4;
  rig.model.TrackName[4] = std::string("Snare");
  rig.waves.names[4] = {"Tight", "Fat", "Rim"};
  song.TrackSample[4] = 1;
  song.TrackVolume[4] = -1250;
  song.TrackPan[4] = 3050;
  song.TrackPitch[4] = 50000;
  song.TrackOverdrive[4] = 2;
  song.HumanizeVolume[4] = 3;
  song.HumanizePan[4] = 4;
  song.HumanizePitch[4] = 5;
  song.TrackUses32nd[4] = true;
  song.TrackHumanize[4] = true;
  song.TrackMute[4] = true;
  rig.model.RecentFiles[1] = "a.drm";

  rig.panel.UpdateBox();

  const auto& v = rig.panelView;
  EXPECT_EQ(v.trackName, "Snare");
  EXPECT_EQ(v.trackNumber, "track 4");
  EXPECT_EQ(v.sampleName, "Fat");
  EXPECT_EQ(v.currentTrackCaption, "Current Track 4, Snare");
  std::map<TPanelSlider, int> sliders{{psVolume, -1250},     {psPan, 3050},      {psPitch, 50000},    {psOverdrive, 2},
                                      {psHumanizeVolume, 3}, {psHumanizePan, 4}, {psHumanizePitch, 5}};
  EXPECT_EQ(v.sliders, sliders);
  EXPECT_EQ(v.faders.at(4), -1250);
  EXPECT_EQ(v.edits.at(peVolume), "-12");
  EXPECT_EQ(v.edits.at(pePan), "30");
  EXPECT_TRUE(v.trackMenu32nd);
  EXPECT_EQ(v.drumList, (std::vector<std::string>{"Tight", "Fat", "Rim"}));
  EXPECT_EQ(v.drumIndex, 1);
  EXPECT_EQ(v.popupItems, (std::vector<std::string>{"Tight", "Fat", "Rim", "Add a Sample..."}));
  EXPECT_EQ(rig.model.AddSampleItem[4], 3);
  std::map<TPanelCheck, bool> checks{{pcHumanize, true}, {pcSolo, false}, {pcMute, true}};
  EXPECT_EQ(v.checks, checks);
  EXPECT_EQ(v.recentSongs[1], "a.drm");
  EXPECT_EQ(v.TracksMarked(), std::vector<int>{4});
}

TEST(Panel, UpdateBoxBringsValuesIntoTheSlidersRanges) {
  Rig rig;
  TSong& song = rig.model.Song;
  song.TrackVolume[1] = -6000;
  song.TrackPan[1] = 12000;
  song.TrackPitch[1] = 90000;
  song.TrackOverdrive[1] = 11;
  song.TrackSample[1] = 5;  // beyond its one wave
  rig.model.TrackName[1] = std::string("Kick");
  rig.waves.names[1] = {"Boom"};

  rig.panel.UpdateBox();

  EXPECT_EQ(song.TrackVolume[1], -5000);
  EXPECT_EQ(song.TrackPan[1], 10000);
  EXPECT_EQ(song.TrackPitch[1], 84100);
  EXPECT_EQ(song.TrackOverdrive[1], 10);
  EXPECT_EQ(rig.panelView.drumIndex, -1);
  EXPECT_EQ(rig.panelView.sampleName, "Kick");
}

struct PopupCase {
  int waves;
  bool offersAdd;
};

class DrumPopupTable : public testing::TestWithParam<PopupCase> {};

TEST_P(DrumPopupTable, OffersAnotherSampleOnlyBelowSixteenWaves) {
  Rig rig;
  const PopupCase& c = GetParam();
  rig.waves.names[1] = Waves(c.waves);
  rig.panel.UpdateBox();
  std::vector<std::string> expected = Waves(c.waves);
  if (c.offersAdd) expected.push_back("Add a Sample...");
  EXPECT_EQ(rig.panelView.popupItems, expected);
  EXPECT_EQ(rig.model.AddSampleItem[1], c.waves);
}

INSTANTIATE_TEST_SUITE_P(Panel, DrumPopupTable,
                         testing::Values(PopupCase{0, true}, PopupCase{15, true}, PopupCase{16, false}));

TEST(Panel, ATrackButtonMakesItsTrackCurrentAndAuditionsIt) {
  Rig rig;
  TSong& song = rig.model.Song;
  rig.panel.UpdateBox();
  song.TrackVolume[5] = -2000;
  song.TrackPan[5] = 1000;
  song.TrackPitch[5] = 30000;
  rig.model.MainVolume = -3000;

  int played = rig.panel.TrkBtn_01Click(5);

  EXPECT_EQ(rig.model.CurrentTrack, 5);
  EXPECT_EQ(rig.panelView.TracksMarked(), std::vector<int>{5});
  EXPECT_EQ(rig.panelView.trackColors.at(1), TrackButtonColor);
  EXPECT_EQ(rig.panelView.focusMoves, 1);
  EXPECT_EQ(played, -5000);
  ASSERT_EQ(rig.log.hits.size(), 1u);
  EXPECT_EQ(rig.log.hits[0].track, 5);
  EXPECT_EQ(rig.log.hits[0].volume, -5000);
  EXPECT_EQ(rig.log.hits[0].pan, 1000);
  EXPECT_EQ(rig.log.hits[0].frequency, 30000);
}

TEST(Panel, MovingAnotherTracksFaderMakesItCurrentBeforeTakingItsVolume) {
  Rig rig;
  rig.panel.UpdateBox();
  rig.panel.trkVol1Change(6, -2000);
  EXPECT_EQ(rig.model.CurrentTrack, 6);
  EXPECT_EQ(rig.model.Song.TrackVolume[6], -2000);
  EXPECT_EQ(rig.model.Song.TrackVolume[1], -1000);
  EXPECT_EQ(rig.panelView.sliders.at(psVolume), -2000);
  EXPECT_EQ(rig.panelView.edits.at(peVolume), "-20");
  EXPECT_EQ(rig.panelView.TracksMarked(), std::vector<int>{6});
}

TEST(Panel, ClickingAnotherTracksFaderMakesItCurrent) {
  Rig rig;
  rig.panel.trkVol1Click(8);
  EXPECT_EQ(rig.model.CurrentTrack, 8);
  EXPECT_EQ(rig.panelView.TracksMarked(), std::vector<int>{8});
  EXPECT_EQ(rig.model.Song.TrackVolume[8], -1000);
}

TEST(Panel, FadersMovedWhileTheWindowLoadsChangeNothing) {
  Rig rig;
  rig.model.FormReady = false;
  rig.panel.trkVol1Change(6, 0);
  EXPECT_EQ(rig.model.CurrentTrack, 1);
  EXPECT_EQ(rig.model.Song.TrackVolume[6], -1000);
}

TEST(Panel, TheVolumeSliderStoresNothingAboveFullLevel) {
  Rig rig;
  rig.panel.boxVolSliderChange(10);
  EXPECT_EQ(rig.model.Song.TrackVolume[1], 0);
  EXPECT_EQ(rig.panelView.faders.at(1), 0);
  EXPECT_EQ(rig.panelView.edits.at(peVolume), "0");
  rig.panel.boxPanSliderChange(-4550);
  EXPECT_EQ(rig.model.Song.TrackPan[1], -4550);
  EXPECT_EQ(rig.panelView.edits.at(pePan), "-45");
}

struct EditCase {
  const char* name;
  TPanelEdit edit;
  const char* text;
  int value;  // the model's value after the box is left
  const char* shown;
};

class EditBoxTable : public testing::TestWithParam<EditCase> {};

TEST_P(EditBoxTable, TakesTheNumberWithinRangeOrRestoresTheSlidersValue) {
  const EditCase& c = GetParam();
  Rig rig;
  TSong& song = rig.model.Song;
  song.TrackVolume[1] = -1000;
  song.TrackPan[1] = 2000;
  if (c.edit == peVolume)
    rig.panel.edtVolExit(c.text);
  else
    rig.panel.edtPanExit(c.text);
  EXPECT_EQ(c.edit == peVolume ? song.TrackVolume[1] : song.TrackPan[1], c.value);
  EXPECT_EQ(rig.panelView.edits.at(c.edit), c.shown);
  if (c.edit == peVolume) {
    EXPECT_EQ(rig.panelView.sliders.count(psVolume) + rig.panelView.faders.count(1), c.value != -1000 ? 2u : 0u);
  }
}

INSTANTIATE_TEST_SUITE_P(Panel, EditBoxTable,
                         testing::Values(EditCase{"VolumeAboveFullLevel", peVolume, "5", 0, "0"},
                                         EditCase{"VolumeInDecibels", peVolume, "-12", -1200, "-12"},
                                         EditCase{"VolumeBelowTheFaders", peVolume, "-60", -5000, "-50"},
                                         EditCase{"VolumeFarOutOfRange", peVolume, "-99999999", -5000, "-50"},
                                         EditCase{"VolumeNotANumber", peVolume, "abc", -1000, "-10"},
                                         EditCase{"VolumeEmpty", peVolume, "", -1000, "-10"},
                                         EditCase{"PanRight", pePan, "25", 2500, "25"},
                                         EditCase{"PanBeyondRight", pePan, "150", 10000, "100"},
                                         EditCase{"PanBeyondLeft", pePan, "-150", -10000, "-100"},
                                         EditCase{"PanNotANumber", pePan, "1.5", 2000, "20"}),
                         [](const testing::TestParamInfo<EditCase>& info) { return std::string(info.param.name); });

struct PresetCase {
  const char* name;
  TMixerPreset preset;
  int pitchBefore;
  int volume;
  int pan;
  int pitch;
};

class PresetTable : public testing::TestWithParam<PresetCase> {};

TEST_P(PresetTable, SetsTheCurrentTracksValueAndItsSlider) {
  const PresetCase& c = GetParam();
  Rig rig;
  rig.model.CurrentTrack = 2;
  rig.model.Song.TrackPitch[2] = c.pitchBefore;
  rig.model.Song.TrackPan[2] = 700;
  rig.panel.ApplyPreset(c.preset);
  const TSong& song = rig.model.Song;
  EXPECT_EQ(song.TrackVolume[2], c.volume);
  EXPECT_EQ(song.TrackPan[2], c.pan);
  EXPECT_EQ(song.TrackPitch[2], c.pitch);
  EXPECT_EQ(rig.panelView.sliders.size(), 1u);
  EXPECT_EQ(rig.panelView.sliders.begin()->second, c.volume != -1000 ? c.volume : c.pan != 700 ? c.pan : c.pitch);
}

INSTANTIATE_TEST_SUITE_P(Panel, PresetTable,
                         testing::Values(PresetCase{"SemiUp", mpSemiUp, 44100, -1000, 700, 46722},
                                         PresetCase{"SemiDown", mpSemiDown, 44100, -1000, 700, 41625},
                                         PresetCase{"FourSemiUp", mp4SemiUp, 44100, -1000, 700, 55563},
                                         PresetCase{"FourSemiDown", mp4SemiDown, 44100, -1000, 700, 35002},
                                         PresetCase{"SemiUpAtTheTop", mpSemiUp, 84100, -1000, 700, 84100},
                                         PresetCase{"FourSemiDownAtTheBottom", mp4SemiDown, 5000, -1000, 700, 4100},
                                         PresetCase{"ResetPitch", mpResetPitch, 30000, -1000, 700, 44100},
                                         PresetCase{"Center", mpPanCenter, 44100, -1000, 0, 44100},
                                         PresetCase{"FullLeft", mpPanLeft, 44100, -1000, -10000, 44100},
                                         PresetCase{"FullRight", mpPanRight, 44100, -1000, 10000, 44100},
                                         PresetCase{"HalfLeft", mpPan50Left, 44100, -1000, -5000, 44100},
                                         PresetCase{"HalfRight", mpPan50Right, 44100, -1000, 5000, 44100},
                                         PresetCase{"Full", mpVolumeFull, 44100, 0, 700, 44100},
                                         PresetCase{"Half", mpVolume50, 44100, -2500, 700, 44100},
                                         PresetCase{"Quarter", mpVolume25, 44100, -3750, 700, 44100}),
                         [](const testing::TestParamInfo<PresetCase>& info) { return std::string(info.param.name); });

TEST(Panel, ResetTrackRestoresItsMixerAndLiftsMuteAndSolo) {
  Rig rig;
  TSong& song = rig.model.Song;
  rig.panel.trkSolo_01Click(9);
  song.TrackVolume[9] = -4000;
  song.TrackPan[9] = 3000;
  song.TrackPitch[9] = 20000;
  rig.panel.ResetTrack1Click();
  EXPECT_EQ(song.TrackVolume[9], -1000);
  EXPECT_EQ(song.TrackPan[9], 0);
  EXPECT_EQ(song.TrackPitch[9], 44100);
  EXPECT_FALSE(song.TrackSolo[9]);
  EXPECT_FALSE(song.SoloActive);
  EXPECT_EQ(rig.panelView.soloColors.at(9), TrackButtonColor);
  EXPECT_FALSE(rig.panelView.checks.at(pcSolo));
}

TEST(MuteSolo, MutingASoloedTrackLeavesNoSolo) {
  Rig rig;
  TSong& song = rig.model.Song;
  rig.panel.trkSolo_01Click(3);
  EXPECT_TRUE(song.TrackSolo[3]);
  EXPECT_TRUE(song.SoloActive);
  EXPECT_EQ(rig.panelView.soloColors.at(3), SoloedColor);
  EXPECT_EQ(rig.model.CurrentTrack, 3);

  rig.panel.trkMute_01Click(3);
  EXPECT_TRUE(song.TrackMute[3]);
  EXPECT_FALSE(song.TrackSolo[3]);
  EXPECT_FALSE(song.SoloActive);
  EXPECT_EQ(rig.panelView.muteColors.at(3), MutedColor);
  EXPECT_EQ(rig.panelView.soloColors.at(3), TrackButtonColor);
  EXPECT_TRUE(rig.panelView.checks.at(pcMute));
  EXPECT_FALSE(rig.panelView.checks.at(pcSolo));
}

TEST(MuteSolo, SoloingAMutedTrackUnmutesIt) {
  Rig rig;
  TSong& song = rig.model.Song;
  rig.panel.mnuMuteClick();
  rig.panel.cbxSoloClick(true);
  EXPECT_FALSE(song.TrackMute[1]);
  EXPECT_TRUE(song.TrackSolo[1]);
  EXPECT_EQ(rig.panelView.muteColors.at(1), TrackButtonColor);
  EXPECT_FALSE(rig.panelView.checks.at(pcMute));
  EXPECT_TRUE(rig.panelView.checks.at(pcSolo));
}

TEST(MuteSolo, SoloStaysActiveWhileAnotherTrackIsSoloed) {
  Rig rig;
  TSong& song = rig.model.Song;
  rig.panel.trkSolo_01Click(2);
  rig.panel.trkSolo_01Click(5);
  rig.panel.trkSolo_01Click(2);
  EXPECT_FALSE(song.TrackSolo[2]);
  EXPECT_TRUE(song.SoloActive);
  rig.panel.trkSolo_01Click(5);
  EXPECT_FALSE(song.SoloActive);
  rig.panel.mnuSoloClick();  // track 5 is current
  EXPECT_TRUE(song.TrackSolo[5]);
  EXPECT_TRUE(song.SoloActive);
}

TEST(Panel, SwitchesFollowTheirCommands) {
  Rig rig;
  TSong& song = rig.model.Song;
  rig.panel.cbxHumanizeClick(true);
  EXPECT_TRUE(song.TrackHumanize[1]);
  rig.panel.mnuHumanizeClick();
  EXPECT_FALSE(song.TrackHumanize[1]);
  EXPECT_FALSE(rig.panelView.checks.at(pcHumanize));

  rig.panel.mnuhihatClick();
  EXPECT_FALSE(song.HiHatCut);
  EXPECT_FALSE(rig.panelView.checks.at(pcHiHatCut));
  rig.panel.mnuhihatClick();
  EXPECT_TRUE(song.HiHatCut);

  for (auto [position, volume] : {std::pair{100, 0}, {0, -10000}, {37, -6300}}) {
    rig.panel.MainVolSliderChange(position);
    EXPECT_EQ(rig.model.MainVolume, volume) << position;
  }
}

TEST(Hover, TheDrumPopupListsTheWavesOfTheTrackUnderTheMouse) {
  Rig rig;
  rig.waves.names[7] = {"Tom1", "Tom2"};
  rig.model.CurrentTrack = 2;
  rig.panel.TrkBtn_01MouseEnter(7);
  rig.panel.popDrum1Popup();
  EXPECT_EQ(rig.model.CurrentTrack, 7);
  EXPECT_FALSE(rig.model.HoverValid);
  EXPECT_EQ(rig.panelView.popupItems, (std::vector<std::string>{"Tom1", "Tom2", "Add a Sample..."}));
  EXPECT_EQ(rig.panelView.trackColors.at(2), TrackButtonColor);

  // Opened again without the mouse on a button (from the keyboard, say),
  // the popup keeps the current track.
  rig.panel.TrkBtn_01MouseEnter(9);
  rig.panel.TrkBtn_01MouseExit();
  rig.panel.popDrum1Popup();
  EXPECT_EQ(rig.model.CurrentTrack, 7);
}

}  // namespace
