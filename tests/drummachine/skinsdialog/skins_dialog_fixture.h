// The skins dialog on the real main window: a program folder of the test's
// own with a copy of the built skins (the dialog writes there), the Skins
// menu, input through the headless host, the kit file dialog and the
// common dialogs answered by scripts, and the colours on screen.
#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "drummachine/filedialogs/Openkit.h"
#include "drummachine/mainwindow/main_window_fixture.h"
#include "drummachine/skinsdialog/skins.h"
#include "platform/win/commdlg.h"
#include "tests/support/HostKeys.h"
#include "tests/support/ModalScript.h"
#include "tests/support/PresentedPixel.h"
#include "tests/support/CommonDialogSteps.h"

namespace skinsdialogtest {

namespace fs = std::filesystem;
using testsupport::TModalScript;

class SkinsDialog : public mainwindowtest::MainWindow {
 protected:
  // The skins are copied: the dialog saves into its program folder.
  void PlaceDataFolders(const fs::path& program, const fs::path& here) override {
    fs::create_directory_symlink(program / "kits", here / "kits");
    fs::create_directory_symlink(program / "help files", here / "help files");
    fs::copy(program / "skins", here / "skins", fs::copy_options::recursive);
  }

  void TearDown() override {
    Application->OnIdle = nullptr;
    // The help viewer the Help button opened goes with the test.
    WinHelpA(nullptr, "x", HELP_QUIT, 0);
    mainwindowtest::MainWindow::TearDown();
  }

  TfrmSkins* dialog() const { return frmSkins; }

  // The Skins menu item, as the menu bar gives it.
  void OpenFromMenu() {
    auto* item = dynamic_cast<TMenuItem*>(window->FindComponent("Skins1"));
    ASSERT_NE(item, nullptr);
    ASSERT_TRUE(item->GetEnabled());
    item->Click();
    Pump();
    ASSERT_TRUE(frmSkins->GetVisible());
  }

  // The texts of the message boxes shown since the last call.
  static std::vector<std::string> Messages() {
    std::vector<std::string> texts;
    for (const auto& box : win::user::TakeMessageBoxRecords()) texts.push_back(box.text);
    return texts;
  }

  // A left click in the middle of control, through the host, then the loop.
  void Click(TControl* control) {
    testsupport::PushClick(control, control->GetWidth() / 2, control->GetHeight() / 2);
    Pump();
  }
  // The same, queued for the modal loop that runs next.
  static void QueueClick(TControl* control) {
    testsupport::PushClick(control, control->GetWidth() / 2, control->GetHeight() / 2);
  }

  // Chooses entry index of a drop-down list by the arrow keys, as a person
  // would with the box focused: every step is a choice of its own (one that
  // fails leaves the box elsewhere; the caller looks).
  void Choose(TCustomComboBox* combo, int index) {
    combo->SetFocus();
    Pump();
    const int steps = index - combo->GetItemIndex();
    for (int i = 0; i < (steps < 0 ? -steps : steps); ++i) {
      testsupport::PushKey(combo, steps < 0 ? VK_UP : VK_DOWN);
      Pump();
    }
  }

  // The kit file dialog, which the dialog's Save and Load borrow: the name
  // typed, then its Open (or Save) button.
  void ChooseSkinFile(TControl* button, const std::string& typed) {
    TModalScript script(frmOpenKit, {[&] { testsupport::PushTyping(frmOpenKit->edtFileName, typed); },
                                     [] { QueueClick(frmOpenKit->btnOpen); }});
    Click(button);
    ASSERT_TRUE(script.Shown());
  }

  // Steps run one per idle pass while a common dialog (picture, font) is
  // open; one still open after the last step is cancelled and fails.
  void WhileCommonDialogOpen(std::deque<std::function<void(HWND)>> steps) { dialogSteps.Start(std::move(steps)); }
  static void DialogOk(HWND dlg) { SendMessageA(GetDlgItem(dlg, IDOK), BM_CLICK, 0, 0); }
  static void DialogText(HWND dlg, int id, const std::string& text, int code) {
    HWND h = GetDlgItem(dlg, id);
    SetWindowTextA(h, text.c_str());
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(h));
  }
  // The picture dialog: a file name typed, then OK.
  void PickPicture(TControl* picker, const std::string& path) {
    std::string title;
    WhileCommonDialogOpen({[&, path](HWND dlg) {
      char text[128] = {};
      GetWindowTextA(dlg, text, sizeof text);
      title = text;
      DialogText(dlg, edt1, path, EN_CHANGE);
      DialogOk(dlg);
    }});
    Click(picker);
    Application->OnIdle = nullptr;
    EXPECT_EQ(title, "Select a Picture");
  }

  // Everything invalid painted now.
  void PaintNow() {
    Pump();
    for (HWND top : {window->GetHandle(), frmSkins->GetHandle()})
      RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
  }

  // The colour on screen at a point of control's client area, as last
  // presented, $BBGGRR.
  static COLORREF Screen(TControl* control, int x, int y) { return testsupport::PresentedPixel(control, x, y); }

  // A picture file, read.
  TBitmap* Picture(const std::string& path) {
    auto picture = std::make_unique<TBitmap>();
    picture->LoadFromFile(path);
    pictures.push_back(std::move(picture));
    return pictures.back().get();
  }
  TBitmap* SkinPicture(const std::string& name) { return Picture(folder / ("skins/" + name + ".bmp")); }

  // Every pixel of an opaque cell is the face's.
  ::testing::AssertionResult ShowsFace(TStyLImage* cell, TBitmap* face) {
    for (int y = 0; y < cell->GetHeight(); ++y)
      for (int x = 0; x < cell->GetWidth(); ++x) {
        const COLORREF expected = static_cast<COLORREF>(face->GetCanvas()->GetPixels(x, y)) & 0xFFFFFF;
        const COLORREF shown = Screen(cell, x, y);
        if (shown != expected)
          return ::testing::AssertionFailure() << cell->GetName() << " at " << x << "," << y << " shows " << std::hex
                                               << shown << ", expected " << expected;
      }
    return ::testing::AssertionSuccess();
  }

  // A preview shows picture wherever the picture does not have its
  // transparent colour (or the button's, white).
  ::testing::AssertionResult PreviewShows(TControl* preview, TBitmap* picture) {
    const COLORREF key = static_cast<COLORREF>(picture->GetTransparentColor()) & 0xFFFFFF;
    int compared = 0;
    for (int y = 0; y < picture->GetHeight(); ++y)
      for (int x = 0; x < picture->GetWidth(); ++x) {
        const COLORREF expected = static_cast<COLORREF>(picture->GetCanvas()->GetPixels(x, y)) & 0xFFFFFF;
        if (expected == 0xFFFFFF || expected == key) continue;
        ++compared;
        if (Screen(preview, x, y) != expected)
          return ::testing::AssertionFailure() << preview->GetName() << " at " << x << "," << y << " shows " << std::hex
                                               << Screen(preview, x, y) << ", expected " << expected;
      }
    if (compared == 0) return ::testing::AssertionFailure() << "nothing to compare";
    return ::testing::AssertionSuccess();
  }

  // A step-face picture of stripes of its own colours, 15 x 11.
  static void WriteFace(const std::string& path, TColor a, TColor b) {
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(15, 11);
    for (int y = 0; y < 11; ++y)
      for (int x = 0; x < 15; ++x) bitmap.GetCanvas()->SetPixels(x, y, (x + y) % 3 == 0 ? a : b);
    fs::create_directories(fs::path(path).parent_path());
    bitmap.SaveToFile(path);
  }

  // A skin file's lines, CR LF cut off; empty when it is not CR LF text.
  static std::vector<std::string> SkinLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);) {
      if (line.empty() || line.back() != '\r') return {};
      line.pop_back();
      lines.push_back(line);
    }
    return lines;
  }
  static void WriteSkin(const std::string& path, const std::vector<std::string>& lines) {
    std::ofstream file(path, std::ios::binary);
    for (const std::string& line : lines) file << line << "\r\n";
  }

  // The window as it is now, as "<name>.png" under DRUMS_WINDOW_PICTURES.
  void SavePicture(TWinControl* form, const std::string& name) {
    PaintNow();
    const std::string path = testsupport::PictureFolder("DRUMS_WINDOW_PICTURES") + "/" + name + ".png";
    HWND top = GetAncestor(form->GetHandle(), GA_ROOT);
    EXPECT_TRUE(host::Get().Screenshot(win::user::HostWindowOf(top), path)) << path;
  }

  testsupport::TCommonDialogSteps dialogSteps;
  std::vector<std::unique_ptr<TBitmap>> pictures;
};

}  // namespace skinsdialogtest
