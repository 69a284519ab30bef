#include "drumkit_editor/padwerk_help.h"

#include <algorithm>
#include <string>

#include "platform/vcl/SysUtils.h"
#include "resources/texts/ProgramTexts.h"

TfrmDrumEditor* frmDrumEditor = nullptr;

namespace {

// The window's height above the wave browser: the browser's splitter takes
// the rest.
constexpr int EditorBrowserTop = 321;

}  // namespace

TfrmDrumEditor::TfrmDrumEditor(TComponent* AOwner) : TForm(AOwner) {}

TfrmDrumEditor::~TfrmDrumEditor() {
  if (frmDrumEditor == this) frmDrumEditor = nullptr;
  // The browser and the window outlive this part of the form: the events
  // their windows fire while they are destroyed must not reach it.
  if (NavShellList1 != nullptr) {
    NavShellList1->OnChange = nullptr;
    NavShellList1->OnSelectItem = nullptr;
    NavShellList1->OnFolderChanged = nullptr;
    NavShellList1->OnDblClickOpen = nullptr;
  }
  if (NavShellTree1 != nullptr) {
    NavShellTree1->OnChange = nullptr;
    NavShellTree1->OnClick = nullptr;
  }
  OnResize = nullptr;
}

void TfrmDrumEditor::Publish(TPublisher<TfrmDrumEditor>& p) {
  p.Field("NavSplitter1", &TfrmDrumEditor::NavSplitter1);
  p.Field("NavSplitter1_pane1", &TfrmDrumEditor::NavSplitter1_pane1);
  p.Field("NavSplitter1_pane2", &TfrmDrumEditor::NavSplitter1_pane2);
  p.Field("HatPanel", &TfrmDrumEditor::HatPanel);
  p.Field("NavFrame1", &TfrmDrumEditor::NavFrame1);
  p.Field("lblOpenhat", &TfrmDrumEditor::lblOpenhat);
  p.Field("lblClosedhat", &TfrmDrumEditor::lblClosedhat);
  p.Field("cbxOpenhat", &TfrmDrumEditor::cbxOpenhat);
  p.Field("cbxClosedhat", &TfrmDrumEditor::cbxClosedhat);
  p.Field("ScrollBox1", &TfrmDrumEditor::ScrollBox1);
  p.Field("lblCurrentTrack", &TfrmDrumEditor::lblCurrentTrack);
  p.Field("cbxTrack", &TfrmDrumEditor::cbxTrack);
  p.Field("btnPlayWave", &TfrmDrumEditor::btnPlayWave);
  p.Field("DrumListBox", &TfrmDrumEditor::DrumListBox);
  p.Field("btnUp", &TfrmDrumEditor::btnUp);
  p.Field("btnDown", &TfrmDrumEditor::btnDown);
  p.Field("lblOrder", &TfrmDrumEditor::lblOrder);
  p.Field("btnAddWave", &TfrmDrumEditor::btnAddWave);
  p.Field("btnRemoveWave", &TfrmDrumEditor::btnRemoveWave);
  p.Field("btnRemoveAll", &TfrmDrumEditor::btnRemoveAll);
  p.Field("lblHint", &TfrmDrumEditor::lblHint);
  p.Field("NavSplitter2", &TfrmDrumEditor::NavSplitter2);
  p.Field("NavSplitter2_pane1", &TfrmDrumEditor::NavSplitter2_pane1);
  p.Field("NavSplitter2_pane2", &TfrmDrumEditor::NavSplitter2_pane2);
  p.Field("NavShellTree1", &TfrmDrumEditor::NavShellTree1);
  p.Field("NavShellList1", &TfrmDrumEditor::NavShellList1);
  p.Field("StatusBar1", &TfrmDrumEditor::StatusBar1);
  p.Field("MainMenu1", &TfrmDrumEditor::MainMenu1);
  p.Field("File1", &TfrmDrumEditor::File1);
  p.Field("New1", &TfrmDrumEditor::New1);
  p.Field("OpenKit1", &TfrmDrumEditor::OpenKit1);
  p.Field("SaveKit1", &TfrmDrumEditor::SaveKit1);
  p.Field("Exit1", &TfrmDrumEditor::Exit1);
  p.Field("Help1", &TfrmDrumEditor::Help1);
  p.Field("HelpTopics1", &TfrmDrumEditor::HelpTopics1);
  p.Field("GetmoreDrumSamples1", &TfrmDrumEditor::GetmoreDrumSamples1);
  p.Field("mnuSampleSite1", &TfrmDrumEditor::mnuSampleSite1);
  p.Field("About1", &TfrmDrumEditor::About1);
  p.Field("PopupMenu1", &TfrmDrumEditor::PopupMenu1);
  p.Field("OpenDialog1", &TfrmDrumEditor::OpenDialog1);
  p.Field("SaveDialog1", &TfrmDrumEditor::SaveDialog1);
  p.Field("DirectoryListBox1", &TfrmDrumEditor::DirectoryListBox1);
  p.Field("DsSound1", &TfrmDrumEditor::DsSound1);

  p.Method("FormCreate", &TfrmDrumEditor::FormCreate);
  p.Method("FormShow", &TfrmDrumEditor::FormShow);
  p.Method("FormResize", &TfrmDrumEditor::FormResize);
  p.Method("New1Click", &TfrmDrumEditor::New1Click);
  p.Method("OpenKit1Click", &TfrmDrumEditor::OpenKit1Click);
  p.Method("SaveKit1Click", &TfrmDrumEditor::SaveKit1Click);
  p.Method("Exit1Click", &TfrmDrumEditor::Exit1Click);
  p.Method("btnAddWaveClick", &TfrmDrumEditor::btnAddWaveClick);
  p.Method("NavShellList1DblClickOpen", &TfrmDrumEditor::NavShellList1DblClickOpen);
  p.Method("btnRemoveWaveClick", &TfrmDrumEditor::btnRemoveWaveClick);
  p.Method("btnRemoveAllClick", &TfrmDrumEditor::btnRemoveAllClick);
  p.Method("btnUpClick", &TfrmDrumEditor::btnUpClick);
  p.Method("btnDownClick", &TfrmDrumEditor::btnDownClick);
  p.Method("btnPlayWaveClick", &TfrmDrumEditor::btnPlayWaveClick);
  p.Method("cbxTrackChange", &TfrmDrumEditor::cbxTrackChange);
  p.Method("lblTrk1Click", &TfrmDrumEditor::lblTrk1Click);
  p.Method("edtName1Click", &TfrmDrumEditor::edtName1Click);
  p.Method("NavShellList1SelectItem", &TfrmDrumEditor::NavShellList1SelectItem);
  p.Method("NavShellList1Change", &TfrmDrumEditor::NavShellList1Change);
  p.Method("NavShellTree1Change", &TfrmDrumEditor::NavShellTree1Change);
  p.Method("NavShellList1FolderChanged", &TfrmDrumEditor::NavShellList1FolderChanged);
  p.Method("NavShellTree1Click", &TfrmDrumEditor::NavShellTree1Click);
  p.Method("HelpTopics1Click", &TfrmDrumEditor::HelpTopics1Click);
  p.Method("About1Click", &TfrmDrumEditor::About1Click);
  p.Method("SampleSite1Click", &TfrmDrumEditor::SampleSite1Click);
}

void TfrmDrumEditor::FindComponents() {
  for (int n = 1; n <= SongTracks; ++n) {
    const std::string number = std::to_string(n);
    EditorWaveLists[n] = dynamic_cast<TDsWaveList*>(FindComponent("DsWaveList" + number));
    EditorTrackLabels[n] = dynamic_cast<TLabel*>(FindComponent("lblTrk" + number));
    EditorNameEdits[n] = dynamic_cast<TEdit*>(FindComponent("edtName" + number));
    if (EditorWaveLists[n] == nullptr || EditorTrackLabels[n] == nullptr || EditorNameEdits[n] == nullptr)
      throw EComponentError("The kit editor's window has no track " + number);
  }
}

void TfrmDrumEditor::FormCreate(TObject*) {
  EditorTrack = 1;
  cbxTrack->SetItemIndex(0);
  cbxOpenhat->SetItemIndex(2);
  cbxClosedhat->SetItemIndex(3);
  EditorWave = std::make_unique<TWave>();
  // An empty initial folder of the file dialogs is the current directory.
  ForceCurrentDirectory = true;
  StartFolder = DirectoryListBox1->GetDirectory();
  OpenDialog1->SetInitialDir(StartFolder);
  SaveDialog1->SetInitialDir(StartFolder);
  WaveFileSelected = false;
  Application->SetHelpFile(StartFolder + "\\help files\\Zivozivorudar.hlp");
  StatusBar1->GetPanels()->GetItem(0)->SetText(std::string(program_texts::kEditorStatusProduct));
  mnuSampleSite1->SetCaption(std::string(program_texts::kEditorSampleSiteCaption));
  FindComponents();
  if (DsSound1->GetInitialized() && DsSound1->GetPrimary()) {
    WAVEFORMATEX format{};
    MakePCMFormat(format, 44100, 16, 2);
    DsSound1->GetPrimary()->SetFormat(&format);
  }
  ShowGreetingOnItsDay();
}

void TfrmDrumEditor::ShowGreetingOnItsDay() {
  if (DateToStr(Date()).starts_with(program_texts::kEditorGreetingDatePrefix))
    ShowMessage(std::string(program_texts::kEditorGreetingText));
}

void TfrmDrumEditor::FormShow(TObject*) {
  if (DrumListBox->CanFocus()) DrumListBox->SetFocus();
}

// A window lower than the part above the browser leaves the browser no
// height rather than a negative one.
void TfrmDrumEditor::FormResize(TObject*) {
  if (NavSplitter2 != nullptr) NavSplitter2->SetHeight(std::max(0, GetHeight() - EditorBrowserTop));
}

void TfrmDrumEditor::Exit1Click(TObject*) {
  Close();
}

// Tracks ----------------------------------------------------------------------

void TfrmDrumEditor::SelectTrack(int track) {
  if (track < 1 || track > SongTracks) return;
  TFont* old = EditorTrackLabels[EditorTrack]->GetFont();
  old->SetStyle(old->GetStyle() - TFontStyles{fsBold});
  EditorTrack = track;
  StatusBar1->GetPanels()->GetItem(2)->SetText("Track " + std::to_string(track));
  TFont* now = EditorTrackLabels[track]->GetFont();
  now->SetStyle(now->GetStyle() + TFontStyles{fsBold});
  UpdateDrumListBox();
}

void TfrmDrumEditor::ChooseTrack(int track) {
  if (track < 1 || track > SongTracks) return;
  cbxTrack->SetItemIndex(track - 1);
  SelectTrack(track);
}

void TfrmDrumEditor::cbxTrackChange(TObject*) {
  SelectTrack(cbxTrack->GetItemIndex() + 1);
}

// "Track 12": the number from the caption's 7th character.
void TfrmDrumEditor::lblTrk1Click(TObject* Sender) {
  auto* label = dynamic_cast<TLabel*>(Sender);
  if (label == nullptr) return;
  ChooseTrack(
      StrToIntDef(Trim(label->GetCaption().substr(std::min<std::size_t>(6, label->GetCaption().size()), 2)), 0));
}

// "edtName12": the number from the name's 8th character.
void TfrmDrumEditor::edtName1Click(TObject* Sender) {
  auto* edit = dynamic_cast<TComponent*>(Sender);
  if (edit == nullptr) return;
  const std::string& name = edit->GetName();
  ChooseTrack(StrToIntDef(name.substr(std::min<std::size_t>(7, name.size()), 2), 0));
}

void TfrmDrumEditor::TrackLabelUpdate() {
  for (int t = 1; t <= SongTracks; ++t) EditorNameEdits[t]->SetText(EditorTrackName[t].Get());
  cbxOpenhat->SetItemIndex(EditorOpenHatTrack - 1);
  cbxClosedhat->SetItemIndex(EditorClosedHatTrack - 1);
}

TWaveCollection* TfrmDrumEditor::CurrentWaves() const {
  return EditorWaveLists[EditorTrack]->GetItems();
}

void TfrmDrumEditor::UpdateDrumListBox() {
  DrumListBox->Clear();
  TWaveCollection* waves = CurrentWaves();
  for (int i = 0; i < waves->GetCount(); ++i) DrumListBox->GetItems()->Add(waves->GetItems(i)->GetName());
  DrumListBox->SetItemIndex(0);
}

void TfrmDrumEditor::SetKitCaption(const std::string& kitName) {
  SetCaption(std::string(EditorCaption) + " - " + kitName);
}
