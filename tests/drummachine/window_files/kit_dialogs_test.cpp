// The kit dialogs and the MIDI export settings from the main window: File >
// Export > "DrumKit" through the kit save dialog, Drum Kits > "Load a user
// Drumkit" through the kit file dialog and the notes the MIDI export writes.
// The dialogs are driven by injected input inside their modal loops.
#include <cstdio>

#include "drummachine/core/AtomicTextFile.h"
#include "drummachine/core/MidiExport.h"
#include "drummachine/filedialogs/Openkit.h"
#include "drummachine/filedialogs/SaveD.h"
#include "drummachine/filedialogs/SaveDrumKit.h"
#include "drummachine/filedialogs/midioptions.h"
#include "drummachine/mallowen/FileChoice.h"
#include "files_window_fixture.h"
#include "tests/support/HostKeys.h"

namespace windowfiles {
namespace {

class KitDialogs : public FilesWindow {
 protected:
  static void QueueClick(TControl* control) {
    testsupport::PushClick(control, control->GetWidth() / 2, control->GetHeight() / 2);
  }
  // A drop-down list's item chosen by the keyboard: the first, then down.
  static void QueueChoice(TComboBox* box, int index) {
    box->SetFocus();
    testsupport::PushKey(box, VK_HOME);
    for (int i = 0; i < index; ++i) testsupport::PushKey(box, VK_DOWN);
  }

  std::string KitsFolder() const { return InFolder("user kits"); }
  std::string KitFile(const std::string& name) const { return KitsFolder() + "/" + name; }
  std::string Bytes(const std::string& path) const {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // The lines of a file ended by CR LF (a line ended otherwise keeps it).
  std::vector<std::string> CrLfLines(const std::string& path) const {
    const std::string text = Bytes(path);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
      lines.push_back(text.substr(start, end - start));
    if (start < text.size()) lines.push_back("<unended>" + text.substr(start));
    return lines;
  }

  // File > Export > "DrumKit" with the name typed, open hat on track
  // openHat (1..12, 0 leaves it), Save clicked, then anything more.
  void SaveKit(const std::string& name, int openHat = 0, std::vector<TModalScript::TStep> more = {}) {
    std::vector<TModalScript::TStep> steps = {[name] { testsupport::PushTyping(frmSaveKit->edtKitName, name); },
                                              [openHat] {
                                                if (openHat > 0) QueueChoice(frmSaveKit->cbxOpenhat, openHat - 1);
                                              },
                                              [] { QueueClick(frmSaveKit->Button1); }};
    steps.insert(steps.end(), more.begin(), more.end());
    TModalScript dialog(frmSaveKit, steps);
    Command("DrumKit1");
    ASSERT_TRUE(dialog.Shown());
  }

  // The list item of the kit dialog for file name.
  TListItem* ListItem(const std::string& name) {
    TNavShellList* list = frmOpenKit->NavShellList1;
    for (int i = 0; i < list->GetItems()->GetCount(); ++i)
      if (list->ItemDataAt(i) && list->ItemDataAt(i)->GetItemFileName() == name) return list->GetItems()->GetItem(i);
    return nullptr;
  }

  std::vector<std::string> WaveCounts() const {
    std::vector<std::string> counts;
    for (int t = 1; t <= SongTracks; ++t)
      counts.push_back(std::to_string(window->TrackWaveLists[t]->GetItems()->GetCount()));
    return counts;
  }
};

// "Funk.new" names the kit Funk: its twelve banks and its kit file go to
// "user kits", and Funk heads the user-kit list and the Drum Kits menu.
TEST_F(KitDialogs, ExportingADrumKitWritesItsFilesAndPutsItOnTopOfTheUserKits) {
  window->Model.UserKitNames[1] = "Rock";
  window->Model.UserKitNames[2] = "Jazz";
  window->Model.Song.TrackSample[2] = 1;
  SaveKit("Funk.new", 5);
  EXPECT_TRUE(Messages().empty());

  const std::vector<std::string> lines = CrLfLines(KitFile("Funk.kit"));
  ASSERT_EQ(lines.size(), 15u) << Bytes(KitFile("Funk.kit"));
  EXPECT_EQ(lines[0], "Funk");
  for (int t = 1; t <= SongTracks; ++t) EXPECT_EQ(lines[static_cast<size_t>(t)], window->Model.TrackName[t].Get());
  EXPECT_EQ(lines[1], "BassDrum");
  EXPECT_EQ(lines[13], "5 4") << "open hat as chosen, closed hat as the song has it";
  std::string samples;
  for (int t = 1; t <= SongTracks; ++t)
    samples += (t > 1 ? " " : "") + std::to_string(window->Model.Song.TrackSample[t]);
  EXPECT_EQ(lines[14], samples);
  EXPECT_EQ(samples.substr(0, 4), "0 1 ");
  for (int t = 1; t <= SongTracks; ++t) {
    char bank[32];
    std::snprintf(bank, sizeof bank, "Funk_%02d.dsw", t);
    TWaveCollection saved(nullptr);
    saved.LoadFromFile(KitFile(bank));
    EXPECT_EQ(saved.GetCount(), window->TrackWaveLists[t]->GetItems()->GetCount()) << bank;
  }

  // The song keeps its own hat tracks and kit name.
  EXPECT_EQ(window->Model.OpenHatTrack, 3);
  EXPECT_EQ(Panel(1), "Soft Synth kit");
  EXPECT_EQ(window->Model.UserKitNames[1], "Funk");
  EXPECT_EQ(window->Model.UserKitNames[2], "Rock");
  EXPECT_EQ(window->Model.UserKitNames[3], "Jazz");
  EXPECT_EQ(Named<TMenuItem>("mnukit1")->GetCaption(), "1. Funk");
  EXPECT_EQ(Named<TMenuItem>("mnukit2")->GetCaption(), "2. Rock");
  EXPECT_TRUE(Named<TMenuItem>("mnukit1")->GetChecked());
  EXPECT_FALSE(Named<TMenuItem>("mnuSoftSynth")->GetChecked());
}

// The dialog shows the song's hat tracks and track names; the names typed
// become the song's when the kit is saved, not before.
TEST_F(KitDialogs, TheDialogShowsTheSongsTracksAndTheirNewNamesGoToTheSong) {
  window->Model.OpenHatTrack = 7;
  int shownOpenHat = -1, shownClosedHat = -1;
  std::string shownName1;
  TModalScript dialog(frmSaveKit, {[&] {
                                     shownOpenHat = frmSaveKit->cbxOpenhat->GetItemIndex();
                                     shownClosedHat = frmSaveKit->cbxClosedhat->GetItemIndex();
                                     shownName1 = frmSaveKit->NameBoxes[1]->GetText();
                                     testsupport::PushTyping(frmSaveKit->NameBoxes[1], "Kick");
                                   },
                                   [] { QueueClick(frmSaveKit->Button2); }});
  Command("DrumKit1");
  ASSERT_TRUE(dialog.Shown());
  EXPECT_EQ(shownOpenHat, 6);
  EXPECT_EQ(shownClosedHat, 3);
  EXPECT_EQ(shownName1, "BassDrum");
  EXPECT_EQ(window->Model.TrackName[1].Get(), "BassDrum") << "Cancel keeps the names";
  EXPECT_FALSE(fs::exists(KitsFolder()));

  // A name box takes ten characters.
  TModalScript rename(frmSaveKit, {[] { testsupport::PushTyping(frmSaveKit->edtKitName, "Kicks"); },
                                   [] { testsupport::PushTyping(frmSaveKit->NameBoxes[1], "Kick drum one"); },
                                   [] { QueueClick(frmSaveKit->Button1); }});
  Command("DrumKit1");
  ASSERT_TRUE(rename.Shown());
  EXPECT_EQ(window->Model.TrackName[1].Get(), "Kick drum ");
  EXPECT_EQ(window->TrackButtons[1]->GetCaption(), "Kick drum ");
  EXPECT_EQ(CrLfLines(KitFile("Kicks.kit")).at(1), "Kick drum ");
}

// A name the kit reader could not find again, that would reach outside
// "user kits" or that no file name may hold, is refused with a message and
// the dialog stays.
TEST_F(KitDialogs, ANameThatCannotNameAKitIsRefusedAndTheDialogStays) {
  const std::string thirty(30, 'k');
  const struct {
    std::string typed;
    std::string told;
  } cases[] = {
      {thirty + "x", "at most 30 characters"},
      {thirty + "x.new", "at most 30 characters"},
      {"", "Type a name"},
      {".new", "Type a name"},
      {"Rock/Pop", "cannot hold"},
      {"..\\..\\Pop", "Type a name"},
      {"Up\\Pop", "cannot hold"},
      {"Funk:Live", "cannot hold"},
      {"Best?", "cannot hold"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    bool stillOpen = false;
    SaveKit(
        c.typed, 0,
        {[&] { stillOpen = frmSaveKit->GetFormState().Contains(fsModal); }, [] { QueueClick(frmSaveKit->Button2); }});
    const std::vector<std::string> told = Messages();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find(c.told), std::string::npos) << told[0];
    EXPECT_TRUE(stillOpen);
    EXPECT_FALSE(fs::exists(KitsFolder()));
    EXPECT_TRUE(window->Model.UserKitNames[1].empty());
  }
  SaveKit(thirty);
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(fs::exists(KitFile(thirty + ".kit")));
  EXPECT_EQ(window->Model.UserKitNames[1], thirty);
}

// A save that fails half way leaves the kit saved before whole.
TEST_F(KitDialogs, ASaveThatFailsLeavesTheKitSavedBeforeWhole) {
  SaveKit("Funk");
  const std::string kitBefore = Bytes(KitFile("Funk.kit"));
  const std::string bank7Before = Bytes(KitFile("Funk_07.dsw"));
  // The seventh bank's temporary cannot be made.
  fs::create_directory(TemporaryFileName(KitFile("Funk_07.dsw")));
  Named<TMenuItem>("mnuAnalog")->Click();
  SaveKit("Funk", 0, {[] { QueueClick(frmSaveKit->Button2); }});
  const std::vector<std::string> told = Messages();
  ASSERT_EQ(told.size(), 1u);
  EXPECT_NE(told[0].find("could not be saved"), std::string::npos) << told[0];
  EXPECT_EQ(Bytes(KitFile("Funk.kit")), kitBefore);
  EXPECT_EQ(Bytes(KitFile("Funk_07.dsw")), bank7Before);
  std::vector<std::string> left;
  for (const auto& entry : fs::directory_iterator(KitsFolder()))
    if (entry.path().extension() == ".tmp" && !entry.is_directory()) left.push_back(entry.path().filename());
  EXPECT_TRUE(left.empty()) << left.front();
  EXPECT_EQ(window->Model.UserKitNames[1], "Funk");
  EXPECT_TRUE(Named<TMenuItem>("mnuAnalog")->GetChecked()) << "the failed save changed no mark";
}

// A saved kit comes back through the kit dialog: a double click on it in
// the list loads it, and it stays on top of the user kits.
TEST_F(KitDialogs, ADoubleClickedKitLoadsThroughTheDialog) {
  window->Model.Song.TrackSample[9] = 4;
  SaveKit("Funk", 5);
  const std::vector<std::string> counts = WaveCounts();
  Named<TMenuItem>("mnuAnalog")->Click();
  ASSERT_EQ(Panel(1), "Analog kit");

  std::string shownFolder, caption, typeText, nameBox;
  TModalScript dialog(frmOpenKit, {[&] {
                                     shownFolder = frmOpenKit->NavShellList1->GetFolder()->GetFolderPath();
                                     caption = frmOpenKit->GetCaption();
                                     typeText = frmOpenKit->cbxFileType->GetText();
                                     TListItem* item = ListItem("Funk.kit");
                                     ASSERT_NE(item, nullptr);
                                     const TRect r = item->DisplayRect(drLabel);
                                     const int x = (r.Left + r.Right) / 2, y = (r.Top + r.Bottom) / 2;
                                     testsupport::PushClick(frmOpenKit->NavShellList1, x, y, 1);
                                   },
                                   [&] {
                                     nameBox = frmOpenKit->edtFileName->GetText();
                                     TListItem* item = ListItem("Funk.kit");
                                     const TRect r = item->DisplayRect(drLabel);
                                     testsupport::PushClick(frmOpenKit->NavShellList1, (r.Left + r.Right) / 2,
                                                            (r.Top + r.Bottom) / 2, 2);
                                   }});
  Command("LoadaUserKit1");
  ASSERT_TRUE(dialog.Shown());
  EXPECT_EQ(dialog.StepsRun(), 2u);
  EXPECT_EQ(shownFolder, FullPath(window->Model.ProgramFolder + "\\user kits"));
  EXPECT_EQ(caption, "Load a User Drum Kit");
  EXPECT_EQ(typeText, "User Drumkit Files (*.kit)");
  EXPECT_EQ(nameBox, FullPath(window->Model.ProgramFolder + "\\user kits\\Funk.kit"));
  EXPECT_EQ(Messages(), std::vector<std::string>{});
  EXPECT_EQ(Panel(1), "Funk");
  EXPECT_EQ(window->Model.Song.KitId, 14);
  EXPECT_EQ(window->Model.OpenHatTrack, 5) << "a user kit brings its hat tracks";
  EXPECT_EQ(window->Model.Song.TrackSample[9], 4);
  EXPECT_EQ(WaveCounts(), counts);
  EXPECT_EQ(window->TrackButtons[1]->GetCaption(), "BassDrum");
  EXPECT_TRUE(Named<TMenuItem>("mnukit1")->GetChecked());
  EXPECT_FALSE(Named<TMenuItem>("mnuAnalog")->GetChecked());
  EXPECT_EQ(frmOpenKit->KitFileName, nameBox);
}

// With a bank of the kit missing nothing of it is loaded: the kit before
// stays whole and the error is shown.
TEST_F(KitDialogs, AKitWithAMissingBankLeavesThePreviousKitWhole) {
  SaveKit("Funk");
  Named<TMenuItem>("mnuAnalog")->Click();
  const std::vector<std::string> counts = WaveCounts();
  const std::string drum1 = window->DrumButtons[1]->GetCaption();
  fs::remove(KitFile("Funk_07.dsw"));
  TModalScript dialog(frmOpenKit, {[] { testsupport::PushTyping(frmOpenKit->edtFileName, "Funk"); },
                                   [] { QueueClick(frmOpenKit->btnOpen); }});
  Command("LoadaUserKit1");
  ASSERT_TRUE(dialog.Shown());
  const std::vector<std::string> told = Messages();
  ASSERT_EQ(told.size(), 1u);
  EXPECT_NE(told[0].find("Funk.kit"), std::string::npos) << told[0];
  EXPECT_EQ(Panel(1), "Analog kit");
  EXPECT_EQ(window->Model.Song.KitId, 0);
  EXPECT_EQ(WaveCounts(), counts);
  EXPECT_EQ(window->DrumButtons[1]->GetCaption(), drum1);
  EXPECT_TRUE(Named<TMenuItem>("mnuAnalog")->GetChecked());
}

// Only the kits of "user kits" load: their banks are found there by the
// kit's name, and the user-kit list names kits only by that.
TEST_F(KitDialogs, AKitFileOutsideTheUserKitsFolderIsRefused) {
  SaveKit("Funk");
  Named<TMenuItem>("mnuAnalog")->Click();
  fs::create_directory(InFolder("elsewhere"));
  fs::copy_file(KitFile("Funk.kit"), InFolder("elsewhere/Funk.kit"));
  const std::string program = window->Model.ProgramFolder;
  for (const std::string& typed : {program + "\\elsewhere\\Funk.kit", std::string("..\\elsewhere\\Funk.kit"),
                                   program + "\\user kits\\..\\elsewhere\\Funk"}) {
    SCOPED_TRACE(typed);
    bool stillOpen = false;
    TModalScript dialog(frmOpenKit, {[&] { testsupport::PushTyping(frmOpenKit->edtFileName, typed); },
                                     [] { QueueClick(frmOpenKit->btnOpen); },
                                     [&] { stillOpen = frmOpenKit->GetFormState().Contains(fsModal); }});
    Command("LoadaUserKit1");
    const std::vector<std::string> told = Messages();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find("user kits"), std::string::npos) << told[0];
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(Panel(1), "Analog kit");
  }
}

// The kit file dialog is modal but the music goes on: the step clock ticks
// in its loop.
TEST_F(KitDialogs, TheStepClockKeepsTickingWhileTheKitFileDialogIsOpen) {
  ClickAt(window->Cell(1, 1, false), 7, 5);
  win::clock::Advance(1'000'000);
  ClickAt(window->StyMMButton1, window->StyMMButton1->GetWidth() / 2, window->StyMMButton1->GetHeight() / 2);
  ASSERT_TRUE(window->Model.Playing);
  std::vector<int> steps;
  const auto tick = [&] {
    steps.push_back(window->Model.PlayStep);
    win::clock::Advance(static_cast<std::uint64_t>(window->DsTimer1->GetInterval()) * 1000);
  };
  TModalScript dialog(frmOpenKit, {tick, tick, tick});
  Command("LoadaUserKit1");
  ASSERT_EQ(steps.size(), 3u);
  EXPECT_EQ(steps[1], steps[0] % SongSteps + 1);
  EXPECT_EQ(steps[2], steps[1] % SongSteps + 1);
  EXPECT_TRUE(window->Model.Playing);
}

// The settings list the 47 percussion keys for every track, show the notes
// the tracks export as, and OK stores the chosen ones: an export then writes
// track 1's cells as Open Triangles.
TEST_F(KitDialogs, TheMidiSettingsChooseTheNoteEachTrackExportsAs) {
  std::vector<std::string> items, labels;
  std::vector<int> shown;
  bool settingsShown = false;
  // The export's save dialog opens the settings with its Settings button;
  // the steps after the click run in the settings' own modal loop.
  TModalScript choose(frmDialogSave,
                      {[] { QueueClick(frmDialogSave->BtnSettings); },
                       [&] {
                         settingsShown = frmMidiOptions->GetFormState().Contains(fsModal);
                         TStrings* list = frmMidiOptions->NoteBoxes[1]->GetItems();
                         for (int i = 0; i < list->GetCount(); ++i) items.push_back(list->GetStrings(i));
                         for (int t = 1; t <= SongTracks; ++t) {
                           labels.push_back(frmMidiOptions->TrackLabels[t]->GetCaption());
                           shown.push_back(frmMidiOptions->NoteBoxes[t]->GetItemIndex());
                         }
                         frmMidiOptions->NoteBoxes[1]->SetFocus();
                         testsupport::PushKey(frmMidiOptions->NoteBoxes[1], VK_END);
                       },
                       [] { QueueClick(frmMidiOptions->OKBtn); }, [] { QueueClick(frmDialogSave->btnCancel); }});
  bool openKit = false;
  ChooseWithProgramDialogs(MidiExportChoice(InFolder("drum patterns")), window->Model, nullptr, openKit);
  ASSERT_TRUE(choose.Shown());
  EXPECT_TRUE(settingsShown);
  ASSERT_EQ(items.size(), 47u);
  // The keys up to 57 are padded to 28 characters.
  EXPECT_EQ(items.front(), "35   Acoustic Bass Drum" + std::string(5, ' '));
  EXPECT_EQ(items[22], "57   Crash Cymbal 2" + std::string(9, ' '));
  EXPECT_EQ(items[23], "58   Vibraslap");
  EXPECT_EQ(items.back(), "81   Open Triangle");
  for (std::size_t i = 0; i < items.size(); ++i)
    EXPECT_EQ(items[i].substr(0, 2), std::to_string(35 + i)) << "an item's index is its note less 35";
  EXPECT_EQ(labels.front(), "BassDrum");
  EXPECT_EQ(labels[8], "SoftSynth");
  EXPECT_EQ(shown, (std::vector<int>{1, 3, 11, 9, 10, 13, 15, 16, 19, 19, 19, 19}));
  EXPECT_EQ(window->Model.MidiNoteOfTrack[1], 81);
  EXPECT_EQ(window->Model.MidiNoteOfTrack[2], 38);

  // Reopened, the chosen note is selected; Cancel keeps it whatever was
  // chosen meanwhile.
  int reopened = -1;
  TModalScript cancel(frmMidiOptions, {[&] {
                                         reopened = frmMidiOptions->NoteBoxes[1]->GetItemIndex();
                                         frmMidiOptions->NoteBoxes[1]->SetFocus();
                                         testsupport::PushKey(frmMidiOptions->NoteBoxes[1], VK_HOME);
                                       },
                                       [] { QueueClick(frmMidiOptions->CancelBtn); }});
  ShowMidiOptions(window->Model);
  EXPECT_EQ(reopened, 46);
  EXPECT_EQ(window->Model.MidiNoteOfTrack[1], 81);

  for (int s : {1, 5, 6}) ClickAt(window->Cell(1, s, false), 7, 5);
  ClickAt(window->Cell(2, 5, false), 7, 5);
  ExportMidiFile(window->Model, InFolder("triangle.mid"));
  EXPECT_EQ(NotesByMido(InFolder("triangle.mid")), "81 0 0\n81 1200 1200\n38 1200 0\n81 1500 300\n");
}

}  // namespace
}  // namespace windowfiles
