#include "drummachine/filedialogs/SaveDrumKit.h"

#include "drummachine/core/RecentFiles.h"
#include "drummachine/kits/KitDisplay.h"
#include "drummachine/userkit/SaveUserKit.h"
#include "drummachine/userkit/UserKitFile.h"
#include "platform/vcl/SysUtils.h"

TfrmSaveKit* frmSaveKit = nullptr;

TfrmSaveKit::~TfrmSaveKit() {
  if (frmSaveKit == this) frmSaveKit = nullptr;
}

void TfrmSaveKit::Publish(TPublisher<TfrmSaveKit>& p) {
  p.Field("edtKitName", &TfrmSaveKit::edtKitName);
  p.Field("cbxOpenhat", &TfrmSaveKit::cbxOpenhat);
  p.Field("cbxClosedhat", &TfrmSaveKit::cbxClosedhat);
  p.Field("Button1", &TfrmSaveKit::Button1);
  p.Field("Button2", &TfrmSaveKit::Button2);
  p.Field("Button3", &TfrmSaveKit::Button3);

  p.Method("FormCreate", &TfrmSaveKit::FormCreate);
  p.Method("Button1Click", &TfrmSaveKit::Button1Click);
  p.Method("Button2Click", &TfrmSaveKit::Button2Click);
  p.Method("Button3Click", &TfrmSaveKit::Button3Click);
}

void TfrmSaveKit::FormCreate(TObject*) {
  for (int t = 1; t <= SongTracks; ++t) {
    NameBoxes[t] = dynamic_cast<TEdit*>(FindComponent("edtName" + std::to_string(t)));
    if (NameBoxes[t] == nullptr) throw EComponentError("The kit save dialog lacks edtName" + std::to_string(t));
  }
  for (TComboBox* hat : {cbxOpenhat, cbxClosedhat}) {
    TStrings* items = hat->GetItems();
    items->Clear();
    for (int t = 1; t <= SongTracks; ++t) items->Add(std::to_string(t));
  }
}

void TfrmSaveKit::Tell(const std::string& text) {
  Application->MessageBox(text, GetCaption(), MB_OK | MB_ICONWARNING);
}

void TfrmSaveKit::Button1Click(TObject*) {
  if (Kits == nullptr) return;
  TMainModel& model = Kits->Model;
  // "Funk.new" names the kit Funk.
  const std::string typed = edtKitName->GetText();
  const std::string name = typed.substr(0, typed.find('.'));
  // The reader takes 30 characters of the name, and the name becomes part of
  // the files' paths: a name it could not find again is refused here.
  if (name.empty()) return Tell("Type a name for the kit.");
  if (name.size() > TKitName::MaxLength)
    return Tell("The kit name \"" + name + "\" is too long: a kit name has at most " +
                std::to_string(TKitName::MaxLength) + " characters.");
  if (!IsUserKitName(name))
    return Tell(std::string("A kit name cannot hold any of these characters: ") + UnfitKitNameCharacters);

  TUserKitFile kit;
  kit.KitName = name;
  for (int t = 1; t <= SongTracks; ++t) kit.TrackName[t] = NameBoxes[t]->GetText();
  kit.OpenHatTrack = cbxOpenhat->GetItemIndex() >= 0 ? cbxOpenhat->GetItemIndex() + 1 : model.OpenHatTrack;
  kit.ClosedHatTrack = cbxClosedhat->GetItemIndex() >= 0 ? cbxClosedhat->GetItemIndex() + 1 : model.ClosedHatTrack;
  kit.TrackSample = model.Song.TrackSample;
  try {
    SaveUserKit(kit, model.ProgramFolder, Kits->TrackWaveLists);
  } catch (const Exception& e) {
    // Nothing was saved and the song is as it was; the dialog stays for
    // another name.
    return Tell("The kit \"" + name + "\" could not be saved.\r\n" + e.GetMessage());
  }
  // The song's own hat tracks and kit name stay.
  model.TrackName = kit.TrackName;
  UpdateRecentList(model.UserKitNames, name);
  UpdateDrumButtons(*Kits);
  CheckUserKitItem(*Kits);
  Saved = true;
  SetModalResult(mrOk);
}

void TfrmSaveKit::Button2Click(TObject*) {
  SetModalResult(mrCancel);
}

void TfrmSaveKit::Button3Click(TObject*) {
  Application->HelpContext(GetHelpContext());
}

bool ShowSaveKit(TfrmSaveKit& dialog, const TKitContext& kits) {
  const TMainModel& model = kits.Model;
  dialog.Kits = &kits;
  dialog.Saved = false;
  dialog.cbxOpenhat->SetItemIndex(model.OpenHatTrack - 1);
  dialog.cbxClosedhat->SetItemIndex(model.ClosedHatTrack - 1);
  for (int t = 1; t <= SongTracks; ++t) dialog.NameBoxes[t]->SetText(model.TrackName[t]);
  dialog.ShowModal();
  return dialog.Saved;
}
