// What a file command asks of the dialog that chooses its file, and the
// choices the main window's commands make: the caption, the file mask with
// its type text, the folder to start in and a proposed name.
#pragma once

#include <functional>
#include <optional>
#include <string>

struct TFileChoice {
  bool Save = false;  // a file to write (else one to read)
  std::string Caption;
  std::string Mask;  // "*.bkv"
  std::string FileType;  // "Brenkavar Tambrel files (*.bkv)"
  std::string Folder;
  std::string FileName;  // proposed; empty for none

  bool operator==(const TFileChoice&) const = default;
};

// The chosen path, or none when the person cancelled.
using TChooseFile = std::function<std::optional<std::string>(const TFileChoice&)>;

// The choices of the file commands.
TFileChoice SongOpenChoice(const std::string& folder);
TFileChoice SongSaveChoice(const std::string& folder);
TFileChoice SongSaveAsChoice(const std::string& folder, const std::string& songFileName);
TFileChoice MidiExportChoice(const std::string& folder);
TFileChoice MidiImportChoice(const std::string& folder);
TFileChoice WaveChoice(const std::string& folder);

// The class library's open and save dialogs; neither changes the current
// directory.
std::optional<std::string> ChooseWithFileDialog(const TFileChoice& choice);
