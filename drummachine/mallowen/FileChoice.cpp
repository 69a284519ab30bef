#include "drummachine/mallowen/FileChoice.h"

#include "drummachine/core/SongCommands.h"
#include "platform/vcl/Dialogs.h"

namespace {

constexpr const char* SongFileType = "Brenkavar Tambrel files (*.bkv)";
constexpr const char* MidiFileType = "Midi Files (*.mid)";

}  // namespace

TFileChoice SongOpenChoice(const std::string& folder) {
  return {false, "Open File", "*.bkv", "Brenkavar Tambrel Files (*.bkv)", folder, ""};
}

TFileChoice SongSaveChoice(const std::string& folder) {
  return {true, "Save File", "*.bkv", SongFileType, folder, ""};
}

TFileChoice SongSaveAsChoice(const std::string& folder, const std::string& songFileName) {
  return {true, "Save File As...", "*.bkv", SongFileType, folder, SaveAsProposal(songFileName)};
}

TFileChoice MidiExportChoice(const std::string& folder) {
  return {true, "Export to MIDI file...", "*.mid", MidiFileType, folder, ""};
}

TFileChoice MidiImportChoice(const std::string& folder) {
  return {false, "Import MIDI file...", "*.mid", MidiFileType, folder, ""};
}

TFileChoice WaveChoice(const std::string& folder) {
  return {false, "Open Wave file", "*.wav", "Wave Files (*.wav)", folder, ""};
}

std::optional<std::string> ChooseWithFileDialog(const TFileChoice& choice) {
  std::unique_ptr<TOpenDialog> dialog(choice.Save ? new TSaveDialog(nullptr) : new TOpenDialog(nullptr));
  dialog->SetTitle(choice.Caption);
  dialog->SetFilter(choice.FileType + "|" + choice.Mask);
  dialog->SetInitialDir(choice.Folder);
  dialog->SetFileName(choice.FileName);
  TOpenOptions options = dialog->GetOptions();
  options.Include(ofNoChangeDir);
  dialog->SetOptions(options);
  if (!dialog->Execute()) return std::nullopt;
  return dialog->GetFileName();
}
