// The drum machine's main window as the program makes it, for tests: its
// form resource, a program folder of the test's own (the built kits and
// skins, a "Recent.inf" that keeps the tips away), the headless host's mouse
// and the manual clock.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "drummachine/mallowen/MainWindowView.h"
#include "drummachine/mallowen/ProgramForms.h"
#include "drummachine/mallowen/mallowen.h"
#include "platform/host/headless.h"
#include "platform/vcl/Forms.h"
#include "platform/win/drums_ext.h"
#include "tests/support/HeadlessApplication.h"
#include "tests/support/HostMouse.h"
#include "tests/support/TempFolder.h"

namespace mainwindowtest {

namespace fs = std::filesystem;

// A program folder of the test's own: the built kits and skins, and a
// "Recent.inf" that keeps the tips from showing at start.
class MainWindow : public ::testing::Test {
 protected:
  // The skin scheme "Recent.inf" names (its 15th line); empty: none saved.
  virtual std::string SavedScheme() const { return {}; }
  // The tips-at-start line of "Recent.inf" (its 16th): "0" keeps them away.
  virtual std::string TipsAtStartLine() const { return "0"; }
  // Runs after the forms are made, before the main window shows (a test
  // that answers what shows at start prepares it here).
  virtual void BeforeShow() {}
  // Puts the data folders into the program folder: links to the built kits
  // and skins.
  virtual void PlaceDataFolders(const fs::path& program, const fs::path& here) {
    for (const char* data : {"kits", "skins"}) fs::create_directory_symlink(program / data, here / data);
  }

  void SetUp() override {
    const fs::path program = std::getenv("DRUMS_PROGRAM_DIR");
    const fs::path here = folder.Path();
    PlaceDataFolders(program, here);
    std::ofstream recent(here / "Recent.inf", std::ios::binary);
    for (int line = 0; line < 14; ++line) recent << "\r\n";
    recent << SavedScheme() << "\r\n";
    recent << TipsAtStartLine() << "\r\n";
    recent.close();
    previous = fs::current_path();
    fs::current_path(here);
    testsupport::StartApplication(MallowenTitle, MallowenStartup());
    // A message box is answered at once and kept for the test to read, so
    // one a test does not expect fails it instead of waiting for ever.
    win::user::SetMessageBoxAnswer([](const win::user::MessageBoxRecord&) { return IDOK; });
    CreateMallowenForms();
    window = frmMain;
    BeforeShow();
    window->Show();
    Pump();
  }

  void TearDown() override {
    testsupport::StopApplication();
    fs::current_path(previous);
  }

  void Pump() { Application->ProcessMessages(); }

  // The clock moves on, then one idle pass of the loop (where the step
  // clock ticks) that does not wait for a message.
  void Advance(int milliseconds) {
    win::clock::Advance(static_cast<std::uint64_t>(milliseconds) * 1000);
    Pump();
    Application->AddIdleHandler(this, [](TObject*, bool&) { PostMessageA(Application->GetHandle(), WM_NULL, 0, 0); });
    Application->Idle();
    Application->RemoveIdleHandler(this);
    Pump();
  }

  // A left click at client point (x, y) of control, through the host.
  void ClickAt(TControl* control, int x, int y) {
    testsupport::PushClick(control, x, y);
    Pump();
  }

  std::string Panel(int index) { return window->StatusBar1->GetPanels()->GetItem(index)->GetText(); }

  TempFolder folder;
  fs::path previous;
  TfrmMain* window = nullptr;
};

}  // namespace mainwindowtest
