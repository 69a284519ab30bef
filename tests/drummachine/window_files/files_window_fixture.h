// The main window for the file, help and dialog commands: menu commands go
// through the window's message loop as a person's would (so an error reaches
// the application's report), the file choice is answered by the test, and
// the program folder holds the help files and the MIDI export's template.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "drummachine/window_kits/kits_window_fixture.h"
#include "support/ModalScript.h"

namespace windowfiles {

namespace fs = std::filesystem;
using testsupport::TModalScript;

class FilesWindow : public windowkits::KitsWindow {
 protected:
  void PlaceDataFolders(const fs::path& program, const fs::path& here) override {
    KitsWindow::PlaceDataFolders(program, here);
    fs::create_directory_symlink(program / "help files", here / "help files");
    fs::create_symlink(program / "resource.dat", here / "resource.dat");
    fs::create_directory(here / "drum patterns");
  }

  void SetUp() override {
    KitsWindow::SetUp();
    window->ChooseFile = [this](const TFileChoice& choice) -> std::optional<std::string> {
      asked.push_back(choice);
      if (answers.empty()) return std::nullopt;
      std::optional<std::string> answer = answers.front();
      answers.erase(answers.begin());
      return answer;
    };
  }

  // A menu item chosen: its command posted to the window and the queue
  // worked off.
  void Command(const std::string& item) {
    PostMessageA(window->GetHandle(), WM_COMMAND, Named<TMenuItem>(item)->GetCommand(), 0);
    Pump();
  }

  // The file the next file choice gives (none: the person cancels).
  void Answer(std::optional<std::string> path) { answers.push_back(std::move(path)); }

  std::string InFolder(const std::string& name) const { return (fs::path(folder.Path()) / name).string(); }

  std::vector<std::optional<std::string>> answers;
  std::vector<TFileChoice> asked;
};

}  // namespace windowfiles
