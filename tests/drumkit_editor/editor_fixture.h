// The kit editor's main window as the program makes it, for tests: its form
// resources, a program folder of the test's own (with the built help files),
// message boxes answered at once and kept, the file dialogs driven through
// their controls, the headless host's mouse and audio.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "drumkit_editor/ProgramForms.h"
#include "drumkit_editor/drmaboutb.h"
#include "drumkit_editor/padwerk_help.h"
#include "platform/dsound/dsound_ext.h"
#include "platform/host/headless.h"
#include "platform/vcl/Forms.h"
#include "platform/win/commdlg.h"
#include "platform/win/drums_ext.h"
#include "tests/support/HeadlessApplication.h"
#include "tests/support/HostMouse.h"
#include "tests/support/TempFolder.h"

namespace editortest {

namespace fs = std::filesystem;

// The bytes of a mono 16-bit 44.1 kHz WAV file whose samples are given.
inline std::string WavBytes(const std::vector<std::int16_t>& samples) {
  auto u32 = [](std::uint32_t v) {
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                       static_cast<char>((v >> 16) & 0xFF), static_cast<char>((v >> 24) & 0xFF)};
  };
  auto u16 = [](std::uint16_t v) { return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}; };
  const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
  std::string b = "RIFF" + u32(36 + dataSize) + "WAVE" + "fmt " + u32(16) + u16(1) + u16(1) + u32(44100) + u32(88200) +
                  u16(2) + u16(16) + "data" + u32(dataSize);
  for (std::int16_t s : samples) b += u16(static_cast<std::uint16_t>(s));
  return b;
}

// A WAV file of `frames` samples, all of `value`.
inline std::string ConstantWav(std::int16_t value, int frames = 2000) {
  return WavBytes(std::vector<std::int16_t>(static_cast<std::size_t>(frames), value));
}

class Editor : public ::testing::Test {
 protected:
  // Runs after the application started, before the forms are made.
  virtual void BeforeForms() {}

  void SetUp() override {
    const fs::path program = std::getenv("DRUMS_PROGRAM_DIR");
    fs::create_directory_symlink(program / "help files", fs::path(folder.Path()) / "help files");
    previous = fs::current_path();
    fs::current_path(folder.Path());
    testsupport::StartApplication(PadwerkTitle, PadwerkStartup());
    win::user::SetMessageBoxAnswer([](const win::user::MessageBoxRecord&) { return IDOK; });
    StartPadwerkUnits();
    BeforeForms();
    CreatePadwerkForms();
    window = frmDrumEditor;
    window->Show();
    Pump();
  }

  void TearDown() override {
    Application->OnIdle = nullptr;
    win::shell::SetLauncher(nullptr);
    WinHelpA(nullptr, "x", HELP_QUIT, 0);
    testsupport::StopApplication();
    StopPadwerkUnits();
    fs::current_path(previous);
  }

  void Pump() { Application->ProcessMessages(); }

  // A menu command as the menu bar gives it: through the window's queue, so
  // an exception is reported as the program reports it.
  void Command(TMenuItem* item) {
    PostMessageA(window->GetHandle(), WM_COMMAND, item->GetCommand(), 0);
    Pump();
  }

  // The next file dialog gets path typed into its name box and OK (an empty
  // path: Cancel).
  void AnswerFileDialog(const std::string& path) {
    Application->OnIdle = [this, path](TObject*, bool& done) {
      done = true;
      HWND dlg = FindWindowA("CommonDialogFrame", nullptr);
      if (!dlg || !IsWindowVisible(dlg)) return;
      Application->OnIdle = nullptr;
      if (path.empty()) {
        SendMessageA(GetDlgItem(dlg, IDCANCEL), BM_CLICK, 0, 0);
      } else {
        SetWindowTextA(GetDlgItem(dlg, edt1), win::kernel::ToWindowsPath(path).c_str());
        SendMessageA(GetDlgItem(dlg, IDOK), BM_CLICK, 0, 0);
      }
      if (IsWindow(dlg)) PostMessageA(dlg, WM_NULL, 0, 0);
    };
  }

  void SaveKitAs(const std::string& path) {
    AnswerFileDialog(path);
    Command(window->SaveKit1);
  }
  void OpenKit(const std::string& path) {
    AnswerFileDialog(path);
    Command(window->OpenKit1);
  }

  // The message boxes shown since the last call, their texts.
  std::vector<std::string> Messages() {
    std::vector<std::string> texts;
    for (const auto& record : win::user::TakeMessageBoxRecords()) texts.push_back(record.text);
    return texts;
  }

  // The wave browser on folder, filled with what it holds now.
  void Browse(const std::string& folderPath) {
    window->NavShellList1->GetFolder()->SetFolderPath(folderPath);
    window->NavShellList1->RefreshContents();
    Pump();
  }

  // The browser's line of that caption, its index (-1: none).
  int BrowserLine(const std::string& caption) {
    TListItems* items = window->NavShellList1->GetItems();
    for (int i = 0; i < items->GetCount(); ++i)
      if (items->GetItem(i)->GetCaption() == caption) return i;
    return -1;
  }

  // A click (or with clicks 2 a double click) on the browser's line.
  void ClickBrowserLine(const std::string& caption, int clicks = 1) {
    const int line = BrowserLine(caption);
    ASSERT_GE(line, 0) << caption;
    RECT r{};
    r.left = LVIR_LABEL;
    SendMessageA(window->NavShellList1->GetHandle(), LVM_GETITEMRECT, static_cast<WPARAM>(line),
                 reinterpret_cast<LPARAM>(&r));
    const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
    testsupport::PushClick(window->NavShellList1, x, y);
    Pump();
    if (clicks == 2) {
      testsupport::PushClick(window->NavShellList1, x, y, 2);
      Pump();
    }
  }

  // The names the current track's list box shows, in order.
  std::vector<std::string> ListLines() {
    std::vector<std::string> lines;
    TStrings* items = window->DrumListBox->GetItems();
    for (int i = 0; i < items->GetCount(); ++i) lines.push_back(items->GetStrings(i));
    return lines;
  }

  // The item names of a wave collection file.
  static std::vector<std::string> BankNames(const std::string& file) {
    TWaveCollection bank(nullptr);
    bank.LoadFromFile(file);
    std::vector<std::string> names;
    for (int i = 0; i < bank.GetCount(); ++i) names.push_back(bank.GetItems(i)->GetName());
    return names;
  }

  std::string Panel(int index) { return window->StatusBar1->GetPanels()->GetItem(index)->GetText(); }

  // Frames of the mixer's output (interleaved stereo) from now on.
  static std::vector<std::int16_t> Render(int frames) { return host::headless::RenderAudio(frames); }

  TempFolder folder;
  fs::path previous;
  TfrmDrumEditor* window = nullptr;
};

}  // namespace editortest
