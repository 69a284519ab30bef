// The open, save and picture dialogs, driven through the platform dialog's
// controls while they run: the start folder, the chosen name with its
// default extension, the overwrite and must-exist checks, the picture
// preview, and a current directory that stays as it was.
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <unistd.h>

#include "platform/vcl/Dialogs.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/win/commdlg.h"
#include "vcl/menus/fixture.h"
#include "tests/support/CommonDialogSteps.h"

namespace fs = std::filesystem;

namespace menustest {
namespace {

class FileDialogs : public MenusTest {
 protected:
  void SetUp() override {
    MenusTest::SetUp();
    dir = fs::temp_directory_path() / ("vcl_file_dialogs_" + std::to_string(getpid()));
    fs::create_directories(dir / "songs");
    for (const char* name : {"songs/Groove.bkv", "songs/Shuffle.bkv", "songs/notes.txt", "top.bkv"})
      std::ofstream(dir / name) << "x";
    TBitmap bitmap;
    bitmap.SetSize(40, 20);
    bitmap.GetCanvas()->GetBrush()->SetColor(clRed);
    bitmap.GetCanvas()->FillRect(TRect(0, 0, 40, 20));
    bitmap.GetCanvas()->GetBrush()->SetColor(clBlue);
    bitmap.GetCanvas()->FillRect(TRect(10, 5, 30, 15));
    bitmap.SaveToFile((dir / "songs" / "cover.bmp").string());
    startDir = win::kernel::CurrentDir();
    form = MakeForm();
  }
  void TearDown() override {
    ForceCurrentDirectory = false;
    chdir(startDir.c_str());
    MenusTest::TearDown();
    fs::remove_all(dir);
  }
  // Runs the steps one per idle pass while a file dialog is open; a dialog
  // still open after the last step is cancelled (and the test fails).
  void WhileOpen(std::deque<std::function<void(HWND)>> steps) { dialogSteps.Start(std::move(steps)); }
  static std::string Text(HWND h) {
    char buf[1024] = {};
    GetWindowTextA(h, buf, sizeof buf);
    return buf;
  }
  static void Type(HWND dlg, const std::string& name) { SetWindowTextA(GetDlgItem(dlg, edt1), name.c_str()); }
  static void Ok(HWND dlg) { SendMessageA(GetDlgItem(dlg, IDOK), BM_CLICK, 0, 0); }
  // Selects an entry of a list box of the dialog as a click would.
  static void Pick(HWND dlg, int list, const char* entry, UINT code) {
    HWND h = GetDlgItem(dlg, list);
    LRESULT i = SendMessageA(h, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(entry));
    ASSERT_GE(i, 0) << entry;
    SendMessageA(h, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(list, code), reinterpret_cast<LPARAM>(h));
  }
  std::string Songs() { return win::kernel::ToWindowsPath((dir / "songs").string()); }

  fs::path dir;
  std::string startDir;
  TForm* form = nullptr;
  testsupport::TCommonDialogSteps dialogSteps;
};

TEST_F(FileDialogs, AnEmptyInitialDirStartsInTheCurrentDirectoryAndLeavesIt) {
  ASSERT_EQ(chdir(dir.c_str()), 0);
  ForceCurrentDirectory = true;
  auto* dialog = new TOpenDialog(form);
  dialog->SetFilter("Songs (*.bkv)|*.bkv|All files|*.*");
  dialog->SetTitle("Open Song");
  std::string startFolder, title;
  WhileOpen({
      [&](HWND dlg) {
        startFolder = Text(GetDlgItem(dlg, stc1));
        title = Text(dlg);
        Pick(dlg, lst2, "songs", LBN_DBLCLK);
      },
      [&](HWND dlg) {
        Pick(dlg, lst1, "Shuffle.bkv", LBN_SELCHANGE);
        Ok(dlg);
      },
  });
  ASSERT_TRUE(dialog->Execute());
  EXPECT_EQ(win::kernel::ResolvePath(startFolder), dir.string());
  EXPECT_EQ(title, "Open Song");
  EXPECT_EQ(dialog->GetFileName(), Songs() + "\\Shuffle.bkv");
  ASSERT_EQ(dialog->GetFiles()->GetCount(), 1);
  EXPECT_EQ(dialog->GetFiles()->GetStrings(0), dialog->GetFileName());
  EXPECT_EQ(win::kernel::CurrentDir(), dir.string()) << "choosing in another folder moved the current directory";
  EXPECT_EQ(dialog->GetInitialDir(), "") << "the property stays as it was set";

  // A set InitialDir wins; FileName is offered in the name box.
  dialog->SetInitialDir(Songs());
  dialog->SetFileName("Groove.bkv");
  std::string offered;
  WhileOpen({[&](HWND dlg) {
    offered = Text(GetDlgItem(dlg, edt1));
    startFolder = Text(GetDlgItem(dlg, stc1));
    Ok(dlg);
  }});
  ASSERT_TRUE(dialog->Execute());
  EXPECT_EQ(offered, "Groove.bkv");
  EXPECT_EQ(win::kernel::ResolvePath(startFolder), (dir / "songs").string());
  EXPECT_EQ(dialog->GetFileName(), Songs() + "\\Groove.bkv");
}

TEST_F(FileDialogs, TheFilterIndexChoosesTheListedFilesAndIsReadBack) {
  auto* dialog = new TOpenDialog(form);
  dialog->SetFilter("Songs (*.bkv)|*.bkv|Everything|*.*");
  dialog->SetFilterIndex(2);
  dialog->SetInitialDir(Songs());
  std::vector<std::string> listed;
  WhileOpen({[&](HWND dlg) {
               HWND list = GetDlgItem(dlg, lst1);
               for (int i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); i++) {
                 char buf[256] = {};
                 SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buf));
                 listed.push_back(buf);
               }
               HWND types = GetDlgItem(dlg, cmb1);
               SendMessageA(types, CB_SETCURSEL, 0, 0);
               SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELCHANGE), reinterpret_cast<LPARAM>(types));
             },
             [&](HWND dlg) { SendMessageA(GetDlgItem(dlg, IDCANCEL), BM_CLICK, 0, 0); }});
  dialog->SetFileName("unchanged");
  EXPECT_FALSE(dialog->Execute());
  EXPECT_EQ(listed, (std::vector<std::string>{"cover.bmp", "Groove.bkv", "notes.txt", "Shuffle.bkv"}));
  EXPECT_EQ(dialog->GetFileName(), "unchanged") << "a cancelled dialog keeps the name";
  EXPECT_EQ(dialog->GetFilterIndex(), 2);
}

TEST_F(FileDialogs, SaveAppendsTheDefaultExtensionAndTellsADifferentOne) {
  auto* dialog = new TSaveDialog(form);
  dialog->SetFilter("Tambrel User DrumKits (*.kit)|*.kit");
  dialog->SetDefaultExt("kit");
  dialog->SetInitialDir(Songs());
  WhileOpen({[&](HWND dlg) {
    Type(dlg, "MyKit");
    Ok(dlg);
  }});
  ASSERT_TRUE(dialog->Execute());
  EXPECT_EQ(dialog->GetFileName(), Songs() + "\\MyKit.kit");
  EXPECT_FALSE(dialog->GetOptions().Contains(ofExtensionDifferent));

  WhileOpen({[&](HWND dlg) {
    Type(dlg, "MyKit.txt");
    Ok(dlg);
  }});
  ASSERT_TRUE(dialog->Execute());
  EXPECT_EQ(dialog->GetFileName(), Songs() + "\\MyKit.txt");
  EXPECT_TRUE(dialog->GetOptions().Contains(ofExtensionDifferent));
}

TEST_F(FileDialogs, OverwritePromptAsksBeforeAnExistingFileIsTaken) {
  auto* dialog = new TSaveDialog(form);
  dialog->SetDefaultExt("bkv");
  dialog->SetInitialDir(Songs());
  dialog->SetOptions(dialog->GetOptions() + TOpenOptions{ofOverwritePrompt});
  std::deque<int> answers{IDNO, IDYES};
  win::user::SetMessageBoxAnswer([&](const win::user::MessageBoxRecord&) {
    int a = answers.front();
    answers.pop_front();
    return a;
  });
  bool stillOpen = false;
  WhileOpen({[&](HWND dlg) {
               Type(dlg, "Groove");
               Ok(dlg);  // No: the dialog stays
             },
             [&](HWND dlg) {
               stillOpen = IsWindowVisible(dlg);
               Ok(dlg);  // Yes
             }});
  ASSERT_TRUE(dialog->Execute());
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(dialog->GetFileName(), Songs() + "\\Groove.bkv");
  auto records = win::user::TakeMessageBoxRecords();
  ASSERT_EQ(records.size(), 2u);
  EXPECT_NE(records[0].text.find("already exists"), std::string::npos) << records[0].text;

  // Without the option nobody is asked.
  dialog->SetOptions(TOpenOptions{ofHideReadOnly});
  WhileOpen({[&](HWND dlg) {
    Type(dlg, "Groove");
    Ok(dlg);
  }});
  ASSERT_TRUE(dialog->Execute());
  EXPECT_TRUE(win::user::TakeMessageBoxRecords().empty());
}

TEST_F(FileDialogs, FileMustExistRefusesAMissingName) {
  auto* dialog = new TOpenDialog(form);
  dialog->SetInitialDir(Songs());
  dialog->SetOptions(TOpenOptions{ofFileMustExist, ofHideReadOnly});
  win::user::SetMessageBoxAnswer([](const win::user::MessageBoxRecord&) { return IDOK; });
  WhileOpen({[&](HWND dlg) {
               Type(dlg, "Missing.bkv");
               Ok(dlg);
             },
             [&](HWND dlg) {
               Type(dlg, "Groove.bkv");
               Ok(dlg);
             }});
  ASSERT_TRUE(dialog->Execute());
  EXPECT_EQ(dialog->GetFileName(), Songs() + "\\Groove.bkv");
  auto records = win::user::TakeMessageBoxRecords();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_NE(records[0].text.find("File not found"), std::string::npos) << records[0].text;
}

TEST_F(FileDialogs, ThePictureDialogPreviewsTheSelectedPicture) {
  auto* dialog = new TOpenPictureDialog(form);
  EXPECT_NE(dialog->GetFilter().find("*.bmp"), std::string::npos) << dialog->GetFilter();
  dialog->SetTitle("Select a Picture");
  dialog->SetFilter("Bitmaps (*.bmp)|*.bmp|All files|*.*");
  dialog->SetInitialDir(Songs());
  int selectionChanges = 0;
  dialog->OnSelectionChange = [&](TObject*) { selectionChanges++; };
  int width = 0, height = 0, emptyAfterText = -1;
  RECT window{};
  std::vector<std::uint32_t> shot;
  WhileOpen({[&](HWND dlg) { Pick(dlg, lst1, "cover.bmp", LBN_SELCHANGE); },
             [&](HWND dlg) {
               width = dialog->GetPreviewPicture()->GetWidth();
               height = dialog->GetPreviewPicture()->GetHeight();
               UpdateWindow(dlg);
               GetWindowRect(dlg, &window);
               shot = Desktop(window, "open_picture_dialog");
               // A file that is no picture empties the preview.
               HWND types = GetDlgItem(dlg, cmb1);
               SendMessageA(types, CB_SETCURSEL, 1, 0);
               SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELCHANGE), reinterpret_cast<LPARAM>(types));
               Pick(dlg, lst1, "notes.txt", LBN_SELCHANGE);
               emptyAfterText = dialog->GetPreviewPicture()->GetGraphic() == nullptr;
               Pick(dlg, lst1, "cover.bmp", LBN_SELCHANGE);
               Ok(dlg);
             }});
  ASSERT_TRUE(dialog->Execute());
  EXPECT_EQ(dialog->GetFileName(), Songs() + "\\cover.bmp");
  EXPECT_EQ(width, 40);
  EXPECT_EQ(height, 20);
  EXPECT_EQ(emptyAfterText, 1);
  EXPECT_EQ(selectionChanges, 3);
  // The dialog grew to the right by the preview's width, and the preview
  // shows the picture: its blue middle sits inside the added strip.
  int w = window.right - window.left;
  ASSERT_FALSE(shot.empty());
  int blue = 0, red = 0;
  for (size_t i = 0; i < shot.size(); i++) {
    int x = static_cast<int>(i % static_cast<size_t>(w));
    if (x < w - TOpenPictureDialog::kPreviewWidth) continue;
    if (shot[i] == 0x0000FF) blue++;
    if (shot[i] == 0xFF0000) red++;
  }
  EXPECT_GT(blue, 100);
  EXPECT_GT(red, 200);
}

TEST_F(FileDialogs, FontAndColorDialogsKeepWhatTheyStartWithOnOK) {
  auto* fonts = new TFontDialog(form);
  fonts->GetFont()->SetName("Arial");
  fonts->GetFont()->SetSize(12);
  fonts->GetFont()->SetColor(clMaroon);
  WhileOpen({[&](HWND dlg) { Ok(dlg); }});
  ASSERT_TRUE(fonts->Execute());
  EXPECT_EQ(fonts->GetFont()->GetName(), "Arial");
  EXPECT_EQ(fonts->GetFont()->GetSize(), 12);
  EXPECT_EQ(fonts->GetFont()->GetColor(), clMaroon);
  WhileOpen({[&](HWND dlg) { SendMessageA(GetDlgItem(dlg, IDCANCEL), BM_CLICK, 0, 0); }});
  EXPECT_FALSE(fonts->Execute());

  auto* colors = new TColorDialog(form);
  colors->SetColor(clOlive);
  colors->GetCustomColors()->Add("ColorB=123456");
  WhileOpen({[&](HWND dlg) { Ok(dlg); }});
  ASSERT_TRUE(colors->Execute());
  EXPECT_EQ(colors->GetColor(), clOlive);
  EXPECT_EQ(colors->GetCustomColors()->GetValues("ColorB"), "123456");
  EXPECT_EQ(colors->GetCustomColors()->GetValues("ColorA"), "FFFFFF");
  EXPECT_EQ(colors->GetCustomColors()->GetCount(), 16);
}

}  // namespace
}  // namespace menustest
