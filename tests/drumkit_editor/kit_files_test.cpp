// New, Open Kit and Save Kit on the real window: the files a save writes,
// the names it takes, the kits it refuses, and opening that changes nothing
// unless everything could be read.
#include <fstream>
#include <sstream>

#include "drummachine/core/AtomicTextFile.h"
#include "editor_fixture.h"

namespace editortest {
namespace {

std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start) + "<no CR LF>");
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

class KitFiles : public Editor {
 protected:
  // Puts a wave of that value on the current track by the browser.
  void AddWaveFile(const std::string& name, std::int16_t value) {
    folder.WriteBytes("samples/" + name, ConstantWav(value));
    Browse(folder / "samples");
    ClickBrowserLine(name, 2);
  }

  std::vector<std::string> KitLines(const std::string& file) { return SplitCrLf(folder.ReadBytes(file)); }

  void WriteKit(const std::string& file, const std::string& hats) {
    std::string text = "Rock\r\n";
    for (int t = 1; t <= SongTracks; ++t) text += "Drum " + std::to_string(t) + "\r\n";
    text += hats + "\r\n0 0 0 0 0 0 0 0 0 0 0 0\r\n";
    folder.WriteBytes(file, text);
  }

  // What Open may change, in one comparable text.
  std::string EditorState() {
    std::ostringstream s;
    s << window->GetCaption() << '|' << Panel(1) << '|' << window->EditorKitName << '|'
      << window->cbxOpenhat->GetItemIndex() << ' ' << window->cbxClosedhat->GetItemIndex() << '|';
    for (int t = 1; t <= SongTracks; ++t) {
      s << window->EditorNameEdits[t]->GetText() << ':';
      TWaveCollection* waves = window->EditorWaveLists[t]->GetItems();
      for (int i = 0; i < waves->GetCount(); ++i) s << waves->GetItems(i)->GetName() << ',';
      s << ';';
    }
    return s.str();
  }
};

TEST_F(KitFiles, SaveAfterStartWritesTheEditsNamesAndTheBanks) {
  AddWaveFile("kick.wav", 3000);
  SaveKitAs(folder / "Rock.kit");
  EXPECT_TRUE(Messages().empty());
  for (int t = 1; t <= SongTracks; ++t) {
    char name[32];
    std::snprintf(name, sizeof name, "Rock_%02d.dsw", t);
    EXPECT_TRUE(fs::exists(folder / name)) << name;
  }
  EXPECT_EQ(BankNames(folder / "Rock_01.dsw"), std::vector<std::string>{"kick"});
  EXPECT_EQ(KitLines("Rock.kit"),
            (std::vector<std::string>{"Rock", "Bassdrum", "Snare", "Openhat", "Hi Hat", "Sub kick", "Tom1", "Tom2",
                                      "Cymbal", "Perc", "Perc2", "Perc3", "Perc4", "3 4", "0 0 0 0 0 0 0 0 0 0 0 0"}));
  EXPECT_EQ(window->GetCaption(), "Tambrel RedoZev Idezar - Rock");
  EXPECT_EQ(Panel(1), win::kernel::ToWindowsPath(folder / "Rock.kit"));
  // The kit name of the editor is the last opened kit's: a save keeps it.
  EXPECT_EQ(window->EditorKitName, "");

  Command(window->New1);
  EXPECT_EQ(window->GetCaption(), "Tambrel RedoZev Idezar");
  EXPECT_EQ(window->EditorWaveLists[1]->GetItems()->GetCount(), 0);
  window->cbxOpenhat->SetItemIndex(6);
  SaveKitAs(folder / "Fresh.kit");
  const std::vector<std::string> lines = KitLines("Fresh.kit");
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(lines[1], "BassDrum");
  EXPECT_EQ(lines[3], "OpenHat");
  EXPECT_EQ(lines[5], "Sub Kick");
  EXPECT_EQ(lines[13], "7 4");
}

// The name is the file-name part up to its first ".": a dot in a folder's
// name is no part of it.
TEST_F(KitFiles, TheKitIsNamedAfterTheFileNameOnly) {
  fs::create_directory(folder / "my.kits");
  SaveKitAs(folder / "my.kits/Funk.new.kit");
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(KitLines("my.kits/Funk.kit").at(0), "Funk");
  EXPECT_TRUE(fs::exists(folder / "my.kits/Funk_12.dsw"));
  EXPECT_FALSE(fs::exists(folder / "my.kits/Funk.new.kit"));
  EXPECT_EQ(Panel(1), win::kernel::ToWindowsPath(folder / "my.kits/Funk.kit"));
}

TEST_F(KitFiles, ANameTheDrumMachineCannotLoadIsRefusedAndNothingIsWritten) {
  const std::string longName(31, 'k');
  SaveKitAs(folder / (longName + ".kit"));
  const std::vector<std::string> shown = Messages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find("at most 30 characters"), std::string::npos) << shown[0];
  for (const auto& entry : fs::directory_iterator(folder.Path()))
    EXPECT_EQ(entry.path().filename(), "help files") << "written: " << entry.path();
  EXPECT_EQ(window->GetCaption(), "Tambrel RedoZev Idezar");
}

// A save that fails half way leaves the kit saved before whole.
TEST_F(KitFiles, AFailedSaveLeavesThePreviousKitWhole) {
  AddWaveFile("kick.wav", 3000);
  SaveKitAs(folder / "Rock.kit");
  const std::string before = folder.ReadBytes("Rock.kit");
  window->btnRemoveAllClick(nullptr);
  AddWaveFile("snare.wav", 5000);
  window->EditorNameEdits[1]->SetText("Changed");
  // The kit file cannot be written: its temporary's name is taken by a folder.
  fs::create_directory(win::kernel::ResolvePath(TemporaryFileName(win::kernel::ToWindowsPath(folder / "Rock.kit"))));
  SaveKitAs(folder / "Rock.kit");
  EXPECT_EQ(Messages().size(), 1u) << "the failure is told";
  EXPECT_EQ(folder.ReadBytes("Rock.kit"), before);
  EXPECT_EQ(BankNames(folder / "Rock_01.dsw"), std::vector<std::string>{"kick"});
}

TEST_F(KitFiles, OpenReadsTheKitBesideItsFileNamedAfterLineOne) {
  AddWaveFile("kick.wav", 3000);
  AddWaveFile("snare.wav", 5000);
  window->EditorNameEdits[2]->SetText("Clap");
  window->cbxClosedhat->SetItemIndex(8);
  SaveKitAs(folder / "Rock.kit");
  // Another name for the same kit file: its banks are still Rock's.
  fs::create_directory(folder / "copy");
  fs::copy_file(folder / "Rock.kit", folder / "copy/Other.kit");
  for (int t = 1; t <= SongTracks; ++t) {
    char name[32];
    std::snprintf(name, sizeof name, "Rock_%02d.dsw", t);
    fs::copy_file(folder / name, folder / ("copy/" + std::string(name)));
  }
  Command(window->New1);
  window->cbxTrack->SetItemIndex(2);
  window->cbxTrackChange(window->cbxTrack);

  OpenKit(folder / "copy/Other.kit");
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(window->EditorKitName, "Rock");
  EXPECT_EQ(window->GetCaption(), "Tambrel RedoZev Idezar - Rock");
  EXPECT_EQ(Panel(1), win::kernel::ToWindowsPath(folder / "copy/Other.kit"));
  EXPECT_EQ(window->EditorNameEdits[1]->GetText(), "Bassdrum");
  EXPECT_EQ(window->EditorNameEdits[2]->GetText(), "Clap");
  EXPECT_EQ(window->cbxOpenhat->GetItemIndex(), 2);
  EXPECT_EQ(window->cbxClosedhat->GetItemIndex(), 8);
  EXPECT_EQ(window->EditorTrack, 3) << "the current track stays";
  window->cbxTrack->SetItemIndex(0);
  window->cbxTrackChange(window->cbxTrack);
  EXPECT_EQ(ListLines(), (std::vector<std::string>{"kick", "snare"}));
  EXPECT_TRUE(window->EditorWaveLists[1]->GetItems()->GetItems(1)->GetLive()) << "the waves are playable";
}

// The editor keeps 60 bytes of a track name, whatever its edits take when
// typed, and writes them back; a kit name longer than the drum machine's
// opens (its banks are named after it).
TEST_F(KitFiles, OpenKeepsSixtyBytesOfATrackNameAndSaveWritesThem) {
  const std::string kitName(40, 'n');
  SaveKitAs(folder / "Short.kit");
  std::string text = kitName + "\r\n";
  for (int t = 1; t <= SongTracks; ++t) text += (t == 2 ? std::string(70, 'x') : "Drum " + std::to_string(t)) + "\r\n";
  text += "1 2\r\n";  // line 15 missing: the editor does not read it
  folder.WriteBytes(kitName + ".kit", text);
  for (int t = 1; t <= SongTracks; ++t) {
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, "_%02d.dsw", t);
    fs::copy_file(folder / ("Short" + std::string(suffix)), folder / (kitName + suffix));
  }
  OpenKit(folder / (kitName + ".kit"));
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(window->EditorKitName, kitName);
  EXPECT_EQ(window->EditorNameEdits[2]->GetText(), std::string(60, 'x'));
  SaveKitAs(folder / "Long.kit");
  EXPECT_EQ(KitLines("Long.kit").at(2), std::string(60, 'x'));
  EXPECT_EQ(KitLines("Long.kit").at(13), "1 2");
}

// Nothing changes unless the whole kit could be read.
TEST_F(KitFiles, OpenOfABrokenKitChangesNothingAndTellsWhy) {
  AddWaveFile("kick.wav", 3000);
  SaveKitAs(folder / "Rock.kit");
  Messages();
  const std::string state = EditorState();
  struct {
    const char* what;
    std::function<void()> make;
  } cases[] = {
      {"a hat track outside 1..12", [&] { WriteKit("Rock.kit", "0 13"); }},
      {"bank 7 missing",
       [&] {
         WriteKit("Rock.kit", "3 4");
         fs::remove(folder / "Rock_07.dsw");
       }},
      {"a kit name with a path in it",
       [&] {
         std::string text = folder.ReadBytes("Rock.kit");
         folder.WriteBytes("Rock.kit", "../Rock" + text.substr(4));
       }},
      {"a file cut short", [&] { folder.WriteBytes("Rock.kit", "Rock\r\nDrum 1\r\n"); }},
  };
  for (const auto& c : cases) {
    c.make();
    OpenKit(folder / "Rock.kit");
    EXPECT_EQ(Messages().size(), 1u) << c.what;
    EXPECT_EQ(EditorState(), state) << c.what;
  }
}

}  // namespace
}  // namespace editortest
