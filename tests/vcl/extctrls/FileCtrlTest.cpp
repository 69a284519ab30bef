// The file list box and the directory list box over a temporary folder.
#include <string>
#include <vector>

#include "fixture.h"
#include "platform/vcl/FileCtrl.h"
#include "platform/vcl/rtl/Exceptions.h"
#include "platform/win/drums_ext.h"
#include "support/TempFolder.h"

namespace ctltest {
namespace {

class FileCtrlTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    for (const char* name : {"kick.wav", "Snare.WAV", "hat.wav", "song.bkv", "notes.txt"}) folder.WriteBytes(name, "x");
    folder.WriteBytes("kits/a.kit", "x");
    folder.WriteBytes("Skins/b.skn", "x");
    winFolder = folder.Path();
  }
  static std::vector<std::string> Lines(TCustomListBox* list) {
    std::vector<std::string> lines;
    for (int i = 0; i < list->GetItems()->GetCount(); i++) lines.push_back(list->GetItems()->GetStrings(i));
    return lines;
  }
  TempFolder folder;
  std::string winFolder;
};

TEST_F(FileCtrlTest, FileListShowsTheFilesMatchingTheMasksSortedByName) {
  auto* files = new TFileListBox(form);
  files->SetParent(form);
  files->SetDirectory(winFolder);
  EXPECT_EQ(Lines(files), (std::vector<std::string>{"hat.wav", "kick.wav", "notes.txt", "Snare.WAV", "song.bkv"}));
  files->SetMask("*.wav");
  EXPECT_EQ(Lines(files), (std::vector<std::string>{"hat.wav", "kick.wav", "Snare.WAV"}));
  files->SetMask("*.bkv;*.txt;;*.bkv");
  EXPECT_EQ(Lines(files), (std::vector<std::string>{"notes.txt", "song.bkv"}));
  files->SetItemIndex(1);
  EXPECT_EQ(files->GetFileName(), winFolder + "\\song.bkv");
  // A folder that is not there lists nothing.
  files->SetDirectory(winFolder + "\\missing");
  EXPECT_EQ(Lines(files), std::vector<std::string>{});
  EXPECT_EQ(files->GetFileName(), "");
}

TEST_F(FileCtrlTest, DirectoryListShowsTheChainAndTheSubFoldersAndOpensThem) {
  auto* dirs = new TDirectoryListBox(form);
  dirs->SetParent(form);
  dirs->SetBounds(10, 10, 200, 200);
  auto* files = new TFileListBox(form);
  files->SetParent(form);
  files->SetLeft(220);
  dirs->SetFileList(files);
  int changes = 0;
  dirs->OnChange = [&](TObject*) { changes++; };
  dirs->SetDirectory(winFolder);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(dirs->GetDirectory(), winFolder);
  EXPECT_EQ(files->GetDirectory(), winFolder);
  std::vector<std::string> lines = Lines(dirs);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines.front(), "/");
  EXPECT_EQ(lines[lines.size() - 2], "kits");
  EXPECT_EQ(lines.back(), "Skins");
  int current = dirs->GetItemIndex();
  EXPECT_EQ(dirs->GetItemPath(current), winFolder);
  EXPECT_EQ(dirs->GetItemPath(current + 1), winFolder + "/kits");
  // The same folder again changes nothing.
  dirs->SetDirectory(winFolder);
  EXPECT_EQ(changes, 1);
  dirs->SetItemIndex(current + 1);
  dirs->OpenCurrent();
  EXPECT_EQ(dirs->GetDirectory(), winFolder + "/kits");
  EXPECT_EQ(Lines(files), std::vector<std::string>{"a.kit"});
  EXPECT_EQ(Lines(dirs).back(), "kits");
  // Up again through the chain's line of the parent.
  dirs->SetItemIndex(dirs->GetItemIndex() - 1);
  dirs->OpenCurrent();
  EXPECT_EQ(dirs->GetDirectory(), winFolder);
}

TEST_F(FileCtrlTest, DirectoryListStartsInTheCurrentDirectoryAndRefusesAMissingFolder) {
  std::string cwd = win::kernel::CurrentDir();
  auto* dirs = new TDirectoryListBox(form);
  dirs->SetParent(form);
  EXPECT_EQ(dirs->GetDirectory(), cwd);
  EXPECT_THROW(dirs->SetDirectory(winFolder + "\\nowhere"), EInOutError);
  EXPECT_EQ(dirs->GetDirectory(), cwd);
  // Choosing a folder leaves the process's current directory alone.
  dirs->SetDirectory(winFolder);
  EXPECT_EQ(win::kernel::CurrentDir(), cwd);
  // A Windows path names the same folder.
  dirs->SetDirectory(win::kernel::ToWindowsPath(winFolder) + "\\kits\\");
  EXPECT_EQ(dirs->GetDirectory(), winFolder + "/kits");
}

}  // namespace
}  // namespace ctltest
