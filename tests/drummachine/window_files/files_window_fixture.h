// The main window for the file, help and dialog commands: menu commands go
// through the window's message loop as a person's would (so an error reaches
// the application's report), the program's file dialogs are answered by the
// test with injected input, and the program folder holds the help files and
// the MIDI export's template.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "drummachine/window_files/file_dialog_answers.h"
#include "drummachine/window_kits/kits_window_fixture.h"
#include "support/FullPath.h"
#include "support/ModalScript.h"

namespace windowfiles {

namespace fs = std::filesystem;
using filedialoganswers::TAnswer;
using filedialoganswers::TShownDialog;
using testsupport::FullPath;
using testsupport::TModalScript;

class FilesWindow : public windowkits::KitsWindow {
 protected:
  void PlaceDataFolders(const fs::path& program, const fs::path& here) override {
    KitsWindow::PlaceDataFolders(program, here);
    fs::create_directory_symlink(program / "help files", here / "help files");
    fs::create_symlink(program / "resource.dat", here / "resource.dat");
    fs::create_directory(here / "drum patterns");
  }

  // A menu item chosen: its command posted to the window and the queue
  // worked off; a file dialog it shows gets the next answer (none left:
  // the person cancels).
  void Command(const std::string& item) {
    filedialoganswers::TFileDialogAnswers person;
    person.Answers = std::move(answers);
    answers.clear();
    PostMessageA(window->GetHandle(), WM_COMMAND, Named<TMenuItem>(item)->GetCommand(), 0);
    Pump();
    answers = std::move(person.Answers);
    asked.insert(asked.end(), person.Shown.begin(), person.Shown.end());
  }

  // The next file dialog's answer: the name typed and the accept button
  // clicked (none: Cancel).
  void Answer(std::optional<std::string> name) {
    answers.push_back(name ? filedialoganswers::TypeAndAccept(*name) : filedialoganswers::Cancel());
  }
  void Answer(TAnswer answer) { answers.push_back(std::move(answer)); }

  std::string InFolder(const std::string& name) const { return (fs::path(folder.Path()) / name).string(); }

  std::deque<TAnswer> answers;
  // What each file dialog showed when it was answered, in order.
  std::vector<TShownDialog> asked;
};

// The note-ons with a velocity of a MIDI file, as python's mido reads them:
// "note absolute-tick delta" a line.
inline std::string NotesByMido(const std::string& file) {
  const std::string command =
      "/usr/bin/python3 -c \"import mido, sys\n"
      "for track in mido.MidiFile(sys.argv[1]).tracks:\n"
      "    now = 0\n"
      "    for m in track:\n"
      "        now += m.time\n"
      "        if m.type == 'note_on' and m.velocity > 0: print(m.note, now, m.time)\" '" +
      file + "' 2>/dev/null";
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe)) out += buffer;
    pclose(pipe);
  }
  return out;
}

}  // namespace windowfiles
