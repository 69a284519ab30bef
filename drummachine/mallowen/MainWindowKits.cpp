// The main window's kits and track samples: the kit menu, the user kits and
// the waves of the current track.
#include "drummachine/editing/Audition.h"
#include "drummachine/editing/TrackPanel.h"
#include "drummachine/filedialogs/Openkit.h"
#include "drummachine/filedialogs/SaveDrumKit.h"
#include "drummachine/kits/BuiltinKitLoader.h"
#include "drummachine/kits/KitContext.h"
#include "drummachine/kits/SongKitReload.h"
#include "drummachine/kits/TrackSamples.h"
#include "drummachine/kits/UserKitMenu.h"
#include "drummachine/mallowen/ComponentNames.h"
#include "drummachine/mallowen/mallowen.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/SysUtils.h"

void TfrmMain::LoadKit(int kitId) {
  TQuiet quiet(*this);
  LoadBuiltinKit(*FKits, kitId);
}

void TfrmMain::LoadKitAnalog() {
  LoadKit(0);
}
void TfrmMain::LoadKitBreakbeat() {
  LoadKit(1);
}
void TfrmMain::LoadKitBrush() {
  LoadKit(2);
}
void TfrmMain::LoadKitCasiaha() {
  LoadKit(3);
}
void TfrmMain::LoadKitDisco() {
  LoadKit(4);
}
void TfrmMain::LoadKitEnsonik() {
  LoadKit(5);
}
void TfrmMain::LoadKitGalaxy() {
  LoadKit(6);
}
void TfrmMain::LoadKitHR16() {
  LoadKit(7);
}
void TfrmMain::LoadKitIndustrial() {
  LoadKit(8);
}
void TfrmMain::LoadKitLofi() {
  LoadKit(9);
}
void TfrmMain::LoadKitSoftSynth() {
  LoadKit(10);
}
void TfrmMain::LoadKitYahmeha() {
  LoadKit(11);
}
void TfrmMain::LoadKitEmpty() {
  LoadKit(12);
}

void TfrmMain::LoadKitFile() {
  TQuiet quiet(*this);
  ::LoadKitFile(*FKits);
}

// The kit items, in the order of the kit table.
void TfrmMain::KitItemClick(TObject* Sender) {
  auto* item = dynamic_cast<TComponent*>(Sender);
  if (item == nullptr) return;
  for (std::size_t kitId = 0; kitId < KitItemNames.size(); ++kitId)
    if (item->GetName() == KitItemNames[kitId]) LoadKit(static_cast<int>(kitId));
}

void TfrmMain::mnukit1Click(TObject* Sender) {
  {
    TQuiet quiet(*this);
    LoadUserKitItem(*FKits, NameNumber(Sender, 6));
  }
  UpdateBox();
}

// File > Export > "DrumKit".
void TfrmMain::DrumKit1Click(TObject*) {
  StopPlaying();
  if (frmSaveKit == nullptr) return;
  bool saved = false;
  {
    TQuiet quiet(*this);
    saved = ShowSaveKit(*frmSaveKit, *FKits);
  }
  if (saved) UpdateBox();
}

// Drum Kits > "Load a user Drumkit".
void TfrmMain::LoadaUserKit1Click(TObject*) {
  if (frmOpenKit == nullptr) return;
  {
    TQuiet quiet(*this);
    ShowLoadUserKit(*frmOpenKit, *FKits);
  }
  UpdateBox();
}

void TfrmMain::mnuPopupDrum00Click(TObject* Sender) {
  const int a = NameNumber(Sender, 12, 2);
  if (a < Model.AddSampleItem[Model.CurrentTrack]) {
    TQuiet quiet(*this);
    ChooseWave(*FKits, a);
  } else {
    AddWaveToCurrentTrack();
  }
}

void TfrmMain::edtDrumChange(TObject*) {
  if (FQuiet) return;
  TQuiet quiet(*this);
  ChooseWave(*FKits, dynamic_cast<TComboBox*>(FindComponent("edtDrum"))->GetItemIndex());
}

void TfrmMain::btnLoadWaveClick(TObject*) {
  AddWaveToCurrentTrack();
}

void TfrmMain::btnPlayWaveClick(TObject*) {
  const int t = Model.CurrentTrack;
  const int played = AuditionTrack(Model, FTrackLists[t], t);
  ShowAuditionVolume(played);
}

void TfrmMain::ShowAuditionVolume(int played) {
  if (played != NothingAuditioned) Component<TLabel>("Label35")->SetCaption(std::to_string(played));
}

void TfrmMain::AddWaveToCurrentTrack() {
  // A full track says so before a file is chosen for it: AddWave reports it
  // and takes no file.
  std::optional<std::string> path = std::string();
  if (CanAddWave(*FKits)) path = ChooseFile(WaveChoice());
  if (!path) return;
  {
    TQuiet quiet(*this);
    AddWave(*FKits, *path, ExcludeTrailingBackslash(ExtractFilePath(*path)));
  }
  UpdateBox();
}
