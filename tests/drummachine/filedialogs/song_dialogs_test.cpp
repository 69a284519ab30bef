// The open and save dialogs driven as a person would: clicks and double
// clicks in the list, typing in the name box, the view and up buttons, the
// overwrite question, and the names that lead to no file.
#include <algorithm>

#include "drummachine/filedialogs/song_dialogs_fixture.h"
#include "platform/win/shlobj.h"

namespace songdialogs {
namespace {

class OpenAndSave : public SongDialogs {
 protected:
  void SetUp() override {
    SongDialogs::SetUp();
    songs = (fs::path(folder.Path()) / "drum patterns").string();
    MakeFile("drum patterns/funk.bkv");
    MakeFile("drum patterns/waltz.bkv");
    MakeFile("drum patterns/notes.txt");
    fs::create_directory(songs + "/old.takes");
    for (TShellFileDialog* dialog : std::initializer_list<TShellFileDialog*>{frmDialogOpen, frmDialogSave}) {
      dialog->Preset(dialog == frmDialogOpen ? "Open File" : "Save File", "*.bkv", "Brenkavar Tambrel files (*.bkv)");
      dialog->SetListFolder(songs);
    }
    frmDialogSave->ShowMidiExport(false);
  }
  std::string songs;
};

TEST_F(OpenAndSave, TheListShowsSongsAndFoldersOfTheSongFolder) {
  std::vector<std::string> shown;
  TModalScript script(frmDialogOpen, {[&] { shown = Captions(*frmDialogOpen); }});
  frmDialogOpen->ShowModal();
  std::sort(shown.begin(), shown.end());
  EXPECT_EQ(shown, (std::vector<std::string>{"funk.bkv", "old.takes", "waltz.bkv"}));
  EXPECT_EQ(frmDialogOpen->GetCaption(), "Open File");
  EXPECT_EQ(frmDialogOpen->cbxFileType->GetText(), "Brenkavar Tambrel files (*.bkv)");
}

TEST_F(OpenAndSave, AClickedSongGivesItsNameAFolderLeavesTheBoxAndOpenTakesIt) {
  for (TShellFileDialog* dialog : std::initializer_list<TShellFileDialog*>{frmDialogOpen, frmDialogSave}) {
    SCOPED_TRACE(dialog->GetName());
    std::vector<std::string> box;
    TButton* accept = dialog == frmDialogOpen ? frmDialogOpen->btnOpen : frmDialogSave->btnSave;
    TModalScript script(dialog, {[&] { QueueItemClick(*dialog, "funk.bkv"); },
                                 [&] {
                                   box.push_back(dialog->edtFileName->GetText());
                                   QueueItemClick(*dialog, "old.takes");
                                 },
                                 [&] {
                                   box.push_back(dialog->edtFileName->GetText());
                                   QueueClick(accept);
                                 }});
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_EQ(box, (std::vector<std::string>{"funk.bkv", "funk.bkv"}));
    const std::string chosen = dialog == frmDialogOpen ? frmDialogOpen->ChosenFile() : frmDialogSave->ChosenFile();
    EXPECT_EQ(chosen, FullPath(songs + "/funk.bkv"));
  }
}

TEST_F(OpenAndSave, ATypedNameLiesInTheListsFolderWithTheSongExtension) {
  TModalScript script(frmDialogOpen, {[&] { QueueTyping(frmDialogOpen->edtFileName, "groove"); },
                                      [&] { QueueClick(frmDialogOpen->btnOpen); }});
  EXPECT_EQ(frmDialogOpen->ShowModal(), mrOk);
  EXPECT_EQ(frmDialogOpen->ChosenFile(), FullPath(songs + "/groove.bkv"));
}

// Accepting in one song dialog makes the other start in the same folder.
TEST_F(OpenAndSave, EachSongDialogStartsWhereTheOtherAcceptedLast) {
  TModalScript open(frmDialogOpen, {[&] { QueueItemDoubleClick(*frmDialogOpen, "old.takes"); },
                                    [&] { QueueTyping(frmDialogOpen->edtFileName, "take one"); },
                                    [&] { QueueClick(frmDialogOpen->btnOpen); }});
  ASSERT_EQ(frmDialogOpen->ShowModal(), mrOk);
  EXPECT_EQ(frmDialogSave->ListFolder(), FullPath(songs + "/old.takes"));

  TModalScript save(frmDialogSave, {[&] { QueueClick(frmDialogSave->UpOneLevelBtn); },
                                    [&] { QueueTyping(frmDialogSave->edtFileName, "new"); },
                                    [&] { QueueClick(frmDialogSave->btnSave); }});
  ASSERT_EQ(frmDialogSave->ShowModal(), mrOk);
  EXPECT_EQ(frmDialogSave->ChosenFile(), FullPath(songs + "/new.bkv"));
  EXPECT_EQ(frmDialogOpen->ListFolder(), FullPath(songs));

  // A cancelled dialog moves nothing.
  TModalScript cancelled(frmDialogOpen, {[&] { QueueItemDoubleClick(*frmDialogOpen, "old.takes"); },
                                         [&] { QueueClick(frmDialogOpen->btnCancel); }});
  EXPECT_EQ(frmDialogOpen->ShowModal(), mrCancel);
  EXPECT_EQ(frmDialogSave->ListFolder(), FullPath(songs));
}

TEST_F(OpenAndSave, ADoubleClickedSongOpensAndADoubleClickedFolderIsEntered) {
  std::vector<std::string> inFolder;
  TModalScript script(frmDialogOpen, {[&] { QueueItemDoubleClick(*frmDialogOpen, "old.takes"); },
                                      [&] {
                                        inFolder = Captions(*frmDialogOpen);
                                        EXPECT_EQ(frmDialogOpen->ListFolder(), FullPath(songs + "/old.takes"));
                                        QueueClick(frmDialogOpen->UpOneLevelBtn);
                                      },
                                      [&] { QueueItemDoubleClick(*frmDialogOpen, "waltz.bkv"); }});
  EXPECT_EQ(frmDialogOpen->ShowModal(), mrOk);
  EXPECT_TRUE(inFolder.empty());
  EXPECT_EQ(frmDialogOpen->ChosenFile(), FullPath(songs + "/waltz.bkv"));
  EXPECT_TRUE(frmDialogOpen->OpenAssociatedKit());
  EXPECT_EQ(fs::current_path(), fs::path(folder.Path())) << "browsing leaves the current directory";
}

TEST_F(OpenAndSave, TheViewButtonsSetTheListsStyle) {
  struct Case {
    TSpeedButton* button;
    TViewStyle style;
  } cases[] = {{frmDialogOpen->DetailsBtn, vsReport},
               {frmDialogOpen->LargeIconsBtn, vsIcon},
               {frmDialogOpen->SmallIconsBtn, vsSmallIcon},
               {frmDialogOpen->ListBtn, vsList}};
  std::vector<TViewStyle> seen;
  std::vector<TModalScript::TStep> steps;
  for (const Case& c : cases) {
    steps.push_back([&, button = c.button] { QueueClick(button); });
    steps.push_back([&] { seen.push_back(frmDialogOpen->NavShellList1->GetViewStyle()); });
  }
  TModalScript script(frmDialogOpen, steps);
  frmDialogOpen->ShowModal();
  ASSERT_EQ(seen.size(), std::size(cases));
  for (std::size_t i = 0; i < seen.size(); ++i) EXPECT_EQ(seen[i], cases[i].style) << i;
}

TEST_F(OpenAndSave, NoNameOrABareNameOverMyComputerKeepsTheDialogOpen) {
  LPITEMIDLIST drives = nullptr;
  ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &drives), S_OK);
  std::vector<TModalResult> results;
  std::vector<std::string> boxes;
  TModalScript script(frmDialogSave, {[&] { QueueClick(frmDialogSave->btnSave); },
                                      [&] {
                                        results.push_back(frmDialogSave->GetModalResult());
                                        boxes = Messages();
                                        frmDialogSave->NavShellList1->GetFolder()->SetPidl(drives);
                                        QueueTyping(frmDialogSave->edtFileName, "groove");
                                      },
                                      [&] {
                                        EXPECT_EQ(frmDialogSave->ListFolder(), "");
                                        QueueClick(frmDialogSave->btnSave);
                                      },
                                      [&] { results.push_back(frmDialogSave->GetModalResult()); }});
  EXPECT_EQ(frmDialogSave->ShowModal(), mrCancel);
  CoTaskMemFree(drives);
  EXPECT_EQ(results, (std::vector<TModalResult>{mrNone, mrNone}));
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(Messages(), std::vector<std::string>{DialogNameProblemText(TDialogNameProblem::NoFolder)});
  EXPECT_FALSE(fs::exists("/groove.bkv"));
}

TEST_F(OpenAndSave, ADoubleClickedSongInTheSaveDialogIsWrittenOverOnlyWhenThePersonAgrees) {
  boxAnswer = IDCANCEL;
  std::vector<win::user::MessageBoxRecord> asked;
  TModalResult afterCancel = mrNone;
  TModalScript script(frmDialogSave, {[&] { QueueItemDoubleClick(*frmDialogSave, "funk.bkv"); },
                                      [&] {
                                        afterCancel = frmDialogSave->GetModalResult();
                                        asked = win::user::TakeMessageBoxRecords();
                                        boxAnswer = IDOK;
                                        QueueItemDoubleClick(*frmDialogSave, "waltz.bkv");
                                      }});
  EXPECT_EQ(frmDialogSave->ShowModal(), mrOk);
  EXPECT_EQ(afterCancel, mrNone);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, "This File already exists, do you want to overwrite?");
  EXPECT_EQ(asked[0].caption, "Overwrite File?");
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_EQ(frmDialogSave->ChosenFile(), FullPath(songs + "/waltz.bkv"));
}

TEST_F(OpenAndSave, TheSaveDialogShowsTheMidiNoteOnlyForAnExport) {
  struct Case {
    bool midi;
    int height;
  } cases[] = {{true, 395}, {false, 335}};
  for (const Case& c : cases) {
    frmDialogSave->ShowMidiExport(c.midi);
    EXPECT_EQ(frmDialogSave->Panel1->GetVisible(), c.midi);
    EXPECT_EQ(frmDialogSave->BtnSettings->GetVisible(), c.midi);
    EXPECT_EQ(frmDialogSave->GetHeight(), c.height);
  }
}

TEST_F(OpenAndSave, TheNewFolderButtonMakesAFolderInTheList) {
  TModalScript script(frmDialogSave, {[&] { QueueClick(frmDialogSave->btnNewFolder); }, [] {}});
  frmDialogSave->ShowModal();
  int folders = 0;
  for (const auto& entry : fs::directory_iterator(songs))
    if (entry.is_directory() && entry.path().filename() != "old.takes") ++folders;
  EXPECT_EQ(folders, 1);
}

}  // namespace
}  // namespace songdialogs
