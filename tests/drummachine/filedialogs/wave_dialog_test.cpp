// The wave dialog: previews that play the selected file as one temporary wave
// of the track's list, which the dialog takes away again however it closes;
// files that are no waves; and the MIDI mode, which previews nothing.
#include <algorithm>

#include "drummachine/filedialogs/song_dialogs_fixture.h"

namespace songdialogs {
namespace {

class WaveDialog : public SongDialogs {
 protected:
  void SetUp() override {
    SongDialogs::SetUp();
    for (const char* name : {"clap.wav", "rim.wav", "tom.wav"}) MakeWave(std::string("waves/") + name);
    MakeFile("waves/broken.wav", "RIFF but no wave");
    MakeFile("waves/beat.mid", "MThd");
  }
  void MakeWave(const std::string& relative) {
    fs::create_directories(fs::path(folder.Path()) / "waves");
    SongDialogs::MakeWave(relative);
  }
  void MakeFile(const std::string& relative, const std::string& bytes) {
    fs::create_directories(fs::path(folder.Path()) / "waves");
    SongDialogs::MakeFile(relative, bytes);
  }
  void PresetWaves(bool autoPreview) {
    frmWaveOpen->Preset("Open Wave file", "*.wav", "Wave Files (*.wav)");
    frmWaveOpen->UseWaveMode(waves->GetItems());
    frmWaveOpen->SetListFolder(wavesFolder());
    frmWaveOpen->cbxAutoPreview->SetChecked(autoPreview);
  }
  std::string wavesFolder() const { return (fs::path(folder.Path()) / "waves").string(); }
};

TEST_F(WaveDialog, PreviewingThreeFilesKeepsOneTemporaryWaveAndCancelTakesItAway) {
  PresetWaves(true);
  std::vector<std::vector<std::string>> during;
  std::vector<TModalScript::TStep> steps;
  for (const char* name : {"clap.wav", "rim.wav", "tom.wav"}) {
    steps.push_back([this, name] { QueueItemClick(*frmWaveOpen, name); });
    steps.push_back([&] { during.push_back(TrackWaveNames()); });
  }
  steps.push_back([this] { QueueClick(frmWaveOpen->btnCancel); });
  TModalScript script(frmWaveOpen, steps);
  EXPECT_EQ(frmWaveOpen->ShowModal(), mrCancel);
  ASSERT_EQ(during.size(), 3u);
  for (std::size_t i = 0; i < during.size(); ++i) {
    ASSERT_EQ(during[i].size(), 3u) << i;
    EXPECT_EQ(during[i][0], "kick");
    EXPECT_EQ(during[i][1], "snare");
  }
  EXPECT_EQ(during[2][2], FullPath(wavesFolder() + "/tom.wav"));
  EXPECT_EQ(TrackWaveNames(), (std::vector<std::string>{"kick", "snare"}));
  EXPECT_FALSE(frmWaveOpen->HasPreviewWave());
  EXPECT_TRUE(Messages().empty());
}

TEST_F(WaveDialog, AFileThatIsNoWaveIsReportedAndLeavesThePreviewAsItWas) {
  PresetWaves(true);
  std::vector<std::string> afterGood, afterBroken;
  std::vector<std::string> boxes;
  TModalScript script(frmWaveOpen, {[&] { QueueItemClick(*frmWaveOpen, "rim.wav"); },
                                    [&] {
                                      afterGood = TrackWaveNames();
                                      QueueItemClick(*frmWaveOpen, "broken.wav");
                                    },
                                    [&] {
                                      afterBroken = TrackWaveNames();
                                      boxes = Messages();
                                      // The message box has come and gone over the dialog.
                                      QueueItemClick(*frmWaveOpen, "clap.wav");
                                    },
                                    [&] { QueueClick(frmWaveOpen->btnCancel); }});
  EXPECT_EQ(frmWaveOpen->ShowModal(), mrCancel);
  ASSERT_EQ(afterGood.size(), 3u);
  EXPECT_EQ(afterBroken, afterGood);
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(TrackWaveNames(), (std::vector<std::string>{"kick", "snare"}));
}

TEST_F(WaveDialog, OnlyABrokenPreviewThenClosingLeavesTheTrackAsItWas) {
  PresetWaves(false);
  TModalScript script(frmWaveOpen, {[&] { QueueTyping(frmWaveOpen->edtFileName, "broken"); },
                                    [&] { QueueClick(frmWaveOpen->btnPlayWave); }, [&] { frmWaveOpen->Close(); }});
  frmWaveOpen->ShowModal();
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_EQ(TrackWaveNames(), (std::vector<std::string>{"kick", "snare"}));
}

TEST_F(WaveDialog, ATypedNamePlaysFromTheListsFolderAndAClickedFileGivesItsPath) {
  PresetWaves(false);
  std::vector<std::string> afterPlay;
  std::string box;
  TModalScript script(frmWaveOpen, {[&] { QueueTyping(frmWaveOpen->edtFileName, "clap"); },
                                    [&] { QueueClick(frmWaveOpen->btnPlayWave); },
                                    [&] {
                                      afterPlay = TrackWaveNames();
                                      QueueItemClick(*frmWaveOpen, "tom.wav");
                                    },
                                    [&] {
                                      box = frmWaveOpen->edtFileName->GetText();
                                      QueueClick(frmWaveOpen->btnOpen);
                                    }});
  EXPECT_EQ(frmWaveOpen->ShowModal(), mrOk);
  ASSERT_EQ(afterPlay.size(), 3u);
  EXPECT_EQ(afterPlay[2], FullPath(wavesFolder() + "/clap.wav"));
  EXPECT_EQ(box, FullPath(wavesFolder() + "/tom.wav"));
  EXPECT_EQ(frmWaveOpen->ChosenFile(), FullPath(wavesFolder() + "/tom.wav"));
  EXPECT_EQ(TrackWaveNames(), (std::vector<std::string>{"kick", "snare"}));
}

TEST_F(WaveDialog, TheMidiModeShowsItsNotePreviewsNothingAndADoubleClickTakesTheFile) {
  frmWaveOpen->Preset("Import MIDI file...", "*.mid", "Midi Files (*.mid)");
  frmWaveOpen->UseMidiMode();
  frmWaveOpen->SetListFolder(wavesFolder());
  frmWaveOpen->cbxAutoPreview->SetChecked(true);
  std::vector<std::string> shown;
  std::vector<std::string> during;
  TModalScript script(frmWaveOpen, {[&] {
                        shown = Captions(*frmWaveOpen);
                        QueueItemDoubleClick(*frmWaveOpen, "beat.mid");
                      }});
  EXPECT_EQ(frmWaveOpen->ShowModal(), mrOk);
  EXPECT_EQ(shown, std::vector<std::string>{"beat.mid"});
  EXPECT_FALSE(frmWaveOpen->btnPlayWave->GetVisible());
  EXPECT_EQ(frmWaveOpen->Panel1->GetTop(), 312);
  EXPECT_EQ(frmWaveOpen->GetHeight(), 418);
  EXPECT_EQ(frmWaveOpen->ChosenFile(), FullPath(wavesFolder() + "/beat.mid"));
  EXPECT_EQ(TrackWaveNames(), (std::vector<std::string>{"kick", "snare"}));
}

}  // namespace
}  // namespace songdialogs
