#include "drummachine/filedialogs/OpenWaveD.h"

#include "platform/vcl/SysUtils.h"

TfrmWaveOpen* frmWaveOpen = nullptr;

namespace {

constexpr int WaveModeHeight = 365;
constexpr int WaveModeNoteTop = 350;
constexpr int MidiModeHeight = 418;
constexpr int MidiModeNoteTop = 312;

}  // namespace

TfrmWaveOpen::~TfrmWaveOpen() {
  if (frmWaveOpen == this) frmWaveOpen = nullptr;
}

void TfrmWaveOpen::Publish(TPublisher<TfrmWaveOpen>& p) {
  p.Field("btnOpen", &TfrmWaveOpen::btnOpen);
  p.Field("btnPlayWave", &TfrmWaveOpen::btnPlayWave);
  p.Field("cbxAutoPreview", &TfrmWaveOpen::cbxAutoPreview);
  p.Field("Panel1", &TfrmWaveOpen::Panel1);

  p.Method("FormCreate", &TfrmWaveOpen::FormCreate);
  p.Method("FormShow", &TfrmWaveOpen::FormShow);
  p.Method("FormClose", &TfrmWaveOpen::FormClose);
  p.Method("btnOpenClick", &TfrmWaveOpen::btnOpenClick);
  p.Method("btnPlayWaveClick", &TfrmWaveOpen::btnPlayWaveClick);
}

// Waves and MIDI files start in the program folder, the current directory
// when the program starts.
void TfrmWaveOpen::FormCreate(TObject*) {
  SetUpShellControls();
  SetListFolder(GetCurrentDir());
}

void TfrmWaveOpen::UseWaveMode(TWaveCollection* bank) {
  FWaveMode = true;
  FBank = bank;
  btnPlayWave->SetVisible(true);
  cbxAutoPreview->SetVisible(true);
  Panel1->SetTop(WaveModeNoteTop);
  SetHeight(WaveModeHeight);
}

void TfrmWaveOpen::UseMidiMode() {
  FWaveMode = false;
  FBank = nullptr;
  btnPlayWave->SetVisible(false);
  cbxAutoPreview->SetVisible(false);
  Panel1->SetTop(MidiModeNoteTop);
  SetHeight(MidiModeHeight);
}

// The preview wave lives from showing to closing, whatever activations a
// message box over the dialog brings in between.
void TfrmWaveOpen::FormShow(TObject*) {
  FPreview.Begin(FWaveMode ? FBank : nullptr);
}

void TfrmWaveOpen::FormClose(TObject*, TCloseAction&) {
  FPreview.End();
}

std::string TfrmWaveOpen::SelectedFilePath() const {
  try {
    TNavShListData* item = SelectedItem();
    if (item == nullptr || item->IsFolder()) return {};
    return item->GetItemPath();
  } catch (const Exception&) {
    return {};
  }
}

void TfrmWaveOpen::ListSelectItem(TListItem*, bool Selected) {
  if (!Selected || !FWaveMode || !cbxAutoPreview->GetChecked()) return;
  const std::string path = SelectedFilePath();
  if (FileNamePartHasExtension(path)) Preview(path);
}

void TfrmWaveOpen::ListMouseDown(TMouseButton, TShiftState, int, int) {
  const std::string path = SelectedFilePath();
  if (!path.empty()) edtFileName->SetText(path);
}

void TfrmWaveOpen::ListDblClickOpen(bool& Handled) {
  const std::string path = SelectedFilePath();
  if (path.empty()) return;
  Handled = true;
  edtFileName->SetText(path);
  Accept();
}

void TfrmWaveOpen::btnPlayWaveClick(TObject*) {
  if (!FWaveMode) return;
  if (const std::optional<std::string> path = ChosenPath()) Preview(*path);
}

void TfrmWaveOpen::Preview(const std::string& path) {
  try {
    FPreview.Play(path);
  } catch (Exception& e) {
    Application->ShowException(e);
  }
}

void TfrmWaveOpen::btnOpenClick(TObject*) {
  Accept();
}

void TfrmWaveOpen::Accept() {
  const std::optional<std::string> path = ChosenPath();
  if (!path) return;
  FChosenFile = *path;
  SetModalResult(mrOk);
}
