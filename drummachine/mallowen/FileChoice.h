// What a file command asks of the dialog that chooses its file, and the
// choices the main window's commands make: the caption, the file mask with
// its type text, the folder to show and a proposed name.
#pragma once

#include <optional>
#include <string>

struct TFileChoice {
  bool Save = false;  // a file to write (else one to read)
  std::string Caption;
  std::string Mask;  // "*.bkv"
  std::string FileType;  // "Brenkavar Tambrel files (*.bkv)"
  std::string Folder;  // empty: the dialog shows the folder it showed last
  std::string FileName;  // proposed; empty for none

  bool operator==(const TFileChoice&) const = default;
};

// The choices of the file commands (folder empty: the dialog's own).
TFileChoice SongOpenChoice(const std::string& folder = {});
TFileChoice SongSaveChoice(const std::string& folder = {});
TFileChoice SongSaveAsChoice(const std::string& folder, const std::string& songFileName);
TFileChoice MidiExportChoice(const std::string& folder = {});
TFileChoice MidiImportChoice(const std::string& folder = {});
TFileChoice WaveChoice(const std::string& folder = {});

struct TMainModel;
class TWaveCollection;

// The program's own dialogs: the open dialog for songs, the save dialog for
// songs and MIDI exports, the wave dialog for waves and MIDI imports; each
// preset for the choice and shown modally. A wave dialog previews into
// previewBank (the current track's waves); an accepted open dialog leaves
// its "Open associated Drumkit?" in openAssociatedKit. The path given is
// complete: a bare name lies in the folder the dialog's list showed and a
// name without an extension has the mask's. None changes the current
// directory.
std::optional<std::string> ChooseWithProgramDialogs(const TFileChoice& choice, TMainModel& model,
                                                    TWaveCollection* previewBank, bool& openAssociatedKit);
