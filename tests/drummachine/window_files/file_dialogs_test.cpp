// The file menu and the track panel through the program's own file dialogs,
// answered by typing, clicks and double clicks: a song saved and opened
// with and without its kit, cancels that change nothing, the question
// before a file is written over, and the wave dialog's previews, which
// never stay in the track.
#include <fstream>
#include <sstream>

#include "files_window_fixture.h"
#include "tests/support/HostKeys.h"

namespace windowfiles {
namespace {

namespace answer = filedialoganswers;

class FileDialogs : public FilesWindow {
 protected:
  std::string Songs() const { return FullPath(InFolder("drum patterns")); }
  std::string ReadAll(const std::string& path) const {
    std::stringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
  }
  void AnswerWith(std::function<void(TShellFileDialog&)> act) { Answer(TAnswer(std::move(act))); }
};

TEST_F(FileDialogs, ASongSavedByItsNameOpensWithOrWithoutItsKit) {
  ClickAt(window->Cell(7, 7, false), 7, 5);
  Named<TMenuItem>("mnuIndustrial")->Click();
  Answer(std::string("industrial"));
  Command("Save1");
  const std::string song = Songs() + "\\industrial.bkv";
  ASSERT_TRUE(fs::exists(InFolder("drum patterns/industrial.bkv")));
  EXPECT_EQ(window->Model.SongFileName, song);
  EXPECT_EQ(window->GetCaption(), "Tambrel  -  " + song);
  EXPECT_EQ(window->Model.RecentFiles[1], song);

  // Another kit and the cell cleared; the song opened without its kit (the
  // check box clicked off, the song double-clicked in the list).
  Named<TMenuItem>("mnuAnalog")->Click();
  ClickAt(window->Cell(7, 7, false), 7, 5);
  ASSERT_EQ(window->Cell(7, 7, false)->GetListIndex(), CellOff);
  AnswerWith([](TShellFileDialog&) {
    answer::QueueClick(frmDialogOpen->cbxDrumKit);
    answer::QueueItemClick(*frmDialogOpen, "industrial.bkv", 1);
    answer::QueueItemClick(*frmDialogOpen, "industrial.bkv", 2);
  });
  Command("Open1");
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[1].Dialog, "frmDialogOpen");
  EXPECT_EQ(asked[1].Folder, Songs()) << "the open dialog follows the save";
  EXPECT_FALSE(frmDialogOpen->cbxDrumKit->GetChecked());
  EXPECT_EQ(window->Cell(7, 7, false)->GetListIndex(), CellOn);
  EXPECT_EQ(Panel(1), "Analog kit");
  EXPECT_TRUE(Named<TMenuItem>("mnuAnalog")->GetChecked());

  // With the check mark back, the song brings its kit: clicked in the list,
  // then Open.
  AnswerWith([](TShellFileDialog&) {
    answer::QueueClick(frmDialogOpen->cbxDrumKit);
    answer::QueueItemClick(*frmDialogOpen, "industrial.bkv");
    answer::QueueClick(frmDialogOpen->btnOpen);
  });
  Command("Open1");
  EXPECT_TRUE(frmDialogOpen->cbxDrumKit->GetChecked());
  EXPECT_EQ(window->Model.Song.KitId, 8);
  EXPECT_EQ(Panel(1), "Industrial kit");
  EXPECT_TRUE(Named<TMenuItem>("mnuIndustrial")->GetChecked());
  EXPECT_EQ(window->Model.SongFileName, song);
  EXPECT_TRUE(Messages().empty());
}

// Cancel in the save dialog writes nothing and leaves the song's name and
// the recent songs as they were, for Save and for Save As.
TEST_F(FileDialogs, ACancelledSaveOrSaveAsChangesNothing) {
  ClickAt(window->Cell(1, 1, false), 7, 5);
  Answer(std::nullopt);
  Command("Save1");
  EXPECT_TRUE(fs::is_empty(InFolder("drum patterns")));
  EXPECT_FALSE(window->Model.HasFileName);
  EXPECT_EQ(window->GetCaption(), "Tambrel");
  EXPECT_EQ(window->Model.RecentFiles[1], "");

  Answer(std::string("kept"));
  Command("Save1");
  const std::string kept = Songs() + "\\kept.bkv";
  ASSERT_EQ(window->Model.SongFileName, kept);
  ClickAt(window->Cell(1, 2, false), 7, 5);
  AnswerWith([](TShellFileDialog& dialog) {
    testsupport::PushTyping(dialog.edtFileName, "other");
    answer::QueueClick(dialog.btnCancel);
  });
  Command("SaveAs1");
  ASSERT_EQ(asked.size(), 3u);
  EXPECT_EQ(asked[2].Caption, "Save File As...");
  EXPECT_EQ(asked[2].FileName, "kept.bkv");
  EXPECT_EQ(window->Model.SongFileName, kept);
  EXPECT_EQ(window->Model.RecentFiles[1], kept);
  EXPECT_EQ(window->Model.RecentFiles[2], "");
  EXPECT_FALSE(fs::exists(InFolder("drum patterns/other.bkv")));
  EXPECT_TRUE(Messages().empty());
}

// A song double-clicked in the save dialog is there already: it is written
// over only after OK in the question; Cancel writes nothing and keeps the
// dialog open.
TEST_F(FileDialogs, ADoubleClickedSongIsWrittenOverOnlyAfterOk) {
  const std::string old = InFolder("drum patterns/old.bkv");
  std::ofstream(old, std::ios::binary) << "an older song";
  ClickAt(window->Cell(4, 4, false), 7, 5);
  int answer = IDCANCEL;
  win::user::SetMessageBoxAnswer([&answer](const win::user::MessageBoxRecord&) { return answer; });

  Answer(answer::DoubleClickItem("old.bkv"));
  Command("Save1");
  std::vector<win::user::MessageBoxRecord> boxes = win::user::TakeMessageBoxRecords();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "This File already exists, do you want to overwrite?");
  EXPECT_EQ(boxes[0].caption, "Overwrite File?");
  EXPECT_EQ(asked.size(), 2u) << "the dialog stayed open until Cancel";
  EXPECT_EQ(ReadAll(old), "an older song");
  EXPECT_FALSE(window->Model.HasFileName);

  answer = IDOK;
  Answer(answer::DoubleClickItem("old.bkv"));
  Command("Save1");
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_EQ(window->Model.SongFileName, Songs() + "\\old.bkv");
  EXPECT_EQ(ReadAll(old).substr(0, 9), "0 0 0 0 0") << "track 1 of pattern 1 heads the song file";
  EXPECT_NE(ReadAll(old).find("\r\n0 0 0 1 0 0"), std::string::npos) << "track 4, step 4";
}

// The dialogs are modal but the music goes on: the step clock ticks in the
// export dialog's loop.
TEST_F(FileDialogs, TheStepClockKeepsTickingWhileTheExportDialogIsOpen) {
  ClickAt(window->Cell(1, 1, false), 7, 5);
  win::clock::Advance(1'000'000);
  ClickAt(window->StyMMButton1, window->StyMMButton1->GetWidth() / 2, window->StyMMButton1->GetHeight() / 2);
  ASSERT_TRUE(window->Model.Playing);
  std::vector<int> steps;
  for (int i = 0; i < 3; ++i)
    AnswerWith([&](TShellFileDialog&) {
      steps.push_back(window->Model.PlayStep);
      win::clock::Advance(static_cast<std::uint64_t>(window->DsTimer1->GetInterval()) * 1000);
    });
  Command("MIDIFile1");
  ASSERT_EQ(steps.size(), 3u);
  EXPECT_EQ(steps[1], steps[0] % SongSteps + 1);
  EXPECT_EQ(steps[2], steps[1] % SongSteps + 1);
  EXPECT_TRUE(window->Model.Playing);
}

// The wave dialog from the track panel: previews play as one temporary wave
// of the current track, which goes again however the dialog closes, a file
// that is no wave is reported and frees nothing, and Open adds the chosen
// wave to the track.
class WaveDialog : public FileDialogs {
 protected:
  void SetUp() override {
    FileDialogs::SetUp();
    fs::create_directory(InFolder("waves"));
    for (const char* name : {"clap.wav", "rim.wav", "tom.wav"})
      windowkits::WriteWav(InFolder(std::string("waves/") + name), std::vector<std::int16_t>(400, 900));
    std::ofstream(InFolder("waves/broken.wav"), std::ios::binary) << "RIFF and nothing more";
    ClickAt(window->TrackButtons[6], 30, 10);
  }
  // The track panel's load button; the wave dialog gets the answers queued.
  void LoadWave() {
    answer::TFileDialogAnswers person;
    person.Answers = std::move(answers);
    answers.clear();
    Named<TButton>("btnLoadWave")->Click();
    Pump();
    asked.insert(asked.end(), person.Shown.begin(), person.Shown.end());
  }
  std::size_t Waves() const { return WaveNames(6).size(); }
};

TEST_F(WaveDialog, PreviewsComeAndGoAndOpenAddsTheChosenWave) {
  const std::size_t before = Waves();
  std::vector<std::size_t> during;
  // Into "waves", Auto Preview on, three files clicked in turn, Cancel.
  Answer(answer::DoubleClickItem("waves"));
  AnswerWith([](TShellFileDialog& dialog) {
    if (!frmWaveOpen->cbxAutoPreview->GetChecked()) answer::QueueClick(frmWaveOpen->cbxAutoPreview);
    answer::QueueItemClick(dialog, "clap.wav");
  });
  for (const char* name : {"rim.wav", "tom.wav"})
    AnswerWith([&, name](TShellFileDialog& dialog) {
      during.push_back(Waves());
      answer::QueueItemClick(dialog, name);
    });
  AnswerWith([&](TShellFileDialog& dialog) {
    during.push_back(Waves());
    answer::QueueClick(dialog.btnCancel);
  });
  LoadWave();
  ASSERT_FALSE(asked.empty());
  EXPECT_EQ(asked[0], (TShownDialog{"frmWaveOpen", "Open Wave file", "*.wav", "Wave Files (*.wav)",
                                    FullPath(folder.Path()), "", false, true}));
  EXPECT_EQ(during, (std::vector<std::size_t>{before + 1, before + 1, before + 1}));
  EXPECT_EQ(Waves(), before);
  EXPECT_TRUE(Messages().empty());

  // A file that is no wave, typed and played, then Cancel.
  AnswerWith([](TShellFileDialog& dialog) {
    testsupport::PushTyping(dialog.edtFileName, "broken.wav");
    answer::QueueClick(frmWaveOpen->btnPlayWave);
  });
  AnswerWith([&](TShellFileDialog& dialog) {
    during.push_back(Waves());
    answer::QueueClick(dialog.btnCancel);
  });
  LoadWave();
  EXPECT_EQ(during.back(), before);
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Waves(), before);

  // A preview, then a message box over the dialog (the broken file): the
  // preview stays; then a wave double-clicked is added to the track.
  std::vector<std::string> names;
  AnswerWith([](TShellFileDialog& dialog) { answer::QueueItemClick(dialog, "clap.wav"); });
  AnswerWith([&](TShellFileDialog& dialog) {
    names = WaveNames(6);
    answer::QueueItemClick(dialog, "broken.wav");
  });
  AnswerWith([&](TShellFileDialog& dialog) {
    EXPECT_EQ(WaveNames(6), names) << "the message box freed nothing";
    answer::QueueItemClick(dialog, "tom.wav", 1);
    answer::QueueItemClick(dialog, "tom.wav", 2);
  });
  LoadWave();
  ASSERT_EQ(names.size(), before + 1);
  EXPECT_EQ(names.back(), FullPath(InFolder("waves/clap.wav")));
  EXPECT_EQ(Messages().size(), 1u);
  ASSERT_EQ(Waves(), before + 1);
  EXPECT_EQ(WaveNames(6).back(), "tom");
  EXPECT_EQ(window->Model.Song.TrackSample[6], static_cast<int>(before));
  EXPECT_EQ(window->Model.SamplePath[6][before], FullPath(InFolder("waves/tom.wav")));
  EXPECT_EQ(window->DrumButtons[6]->GetCaption(), "tom");
  auto* box = Named<TComboBox>("edtDrum");
  EXPECT_EQ(box->GetItems()->GetStrings(static_cast<int>(before)), "tom");
}

}  // namespace
}  // namespace windowfiles
