#include "drummachine/mallowen/FileChoice.h"

#include "drummachine/core/SongCommands.h"
#include "drummachine/filedialogs/OpenD2.h"
#include "drummachine/filedialogs/OpenWaveD.h"
#include "drummachine/filedialogs/SaveD.h"

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

namespace {

std::optional<std::string> Chosen(TCustomForm& dialog, const std::string& chosenFile) {
  if (dialog.ShowModal() != mrOk) return std::nullopt;
  return chosenFile;
}

}  // namespace

std::optional<std::string> ChooseWithProgramDialogs(const TFileChoice& choice, TMainModel& model,
                                                    TWaveCollection* previewBank, bool& openAssociatedKit) {
  const bool midi = choice.Mask == "*.mid";
  if (choice.Mask == "*.wav" || (midi && !choice.Save)) {
    if (frmWaveOpen == nullptr) return std::nullopt;
    frmWaveOpen->Preset(choice.Caption, choice.Mask, choice.FileType);
    if (midi)
      frmWaveOpen->UseMidiMode();
    else
      frmWaveOpen->UseWaveMode(previewBank);
    if (!choice.Folder.empty()) frmWaveOpen->SetListFolder(choice.Folder);
    return Chosen(*frmWaveOpen, frmWaveOpen->ChosenFile());
  }
  if (choice.Save) {
    if (frmDialogSave == nullptr) return std::nullopt;
    frmDialogSave->Model = &model;
    frmDialogSave->Preset(choice.Caption, choice.Mask, choice.FileType);
    frmDialogSave->edtFileName->SetText(choice.FileName);
    frmDialogSave->ShowMidiExport(midi);
    if (!choice.Folder.empty()) frmDialogSave->SetListFolder(choice.Folder);
    return Chosen(*frmDialogSave, frmDialogSave->ChosenFile());
  }
  if (frmDialogOpen == nullptr) return std::nullopt;
  frmDialogOpen->Preset(choice.Caption, choice.Mask, choice.FileType);
  if (!choice.Folder.empty()) frmDialogOpen->SetListFolder(choice.Folder);
  std::optional<std::string> chosen = Chosen(*frmDialogOpen, frmDialogOpen->ChosenFile());
  if (chosen) openAssociatedKit = frmDialogOpen->OpenAssociatedKit();
  return chosen;
}
