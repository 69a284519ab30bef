// File > New, Open Kit and Save Kit: the kit in the editor and the user kit
// files, read and written by the drum machine's own user kit code (in the
// editor's variant of the kit file).
#include <cstdint>
#include <string>

#include "drumkit_editor/KitPath.h"
#include "drumkit_editor/padwerk_help.h"
#include "drummachine/userkit/Loadkit.h"
#include "drummachine/userkit/SaveUserKit.h"
#include "platform/vcl/Dialogs.h"

namespace {

// The names New gives the tracks (they differ in case from the edits' first
// texts).
constexpr const char* EditorNewTrackNames[SongTracks] = {
    "BassDrum", "Snare", "OpenHat", "Hi Hat", "Sub Kick", "Tom1", "Tom2", "Cymbal", "Perc", "Perc2", "Perc3", "Perc4"};
constexpr std::int32_t EditorNewOpenHat = 3;
constexpr std::int32_t EditorNewClosedHat = 4;

std::string KitNameProblem(const std::string& name) {
  if (name.empty()) return "The kit needs a name: type one before the \".kit\".";
  if (name.size() > TKitName::MaxLength)
    return "The kit name \"" + name + "\" is too long: the drum machine loads kits whose names have at most " +
           std::to_string(TKitName::MaxLength) + " characters.";
  return "\"" + name + "\" cannot name a kit.";
}

}  // namespace

void TfrmDrumEditor::New1Click(TObject*) {
  for (int t = 1; t <= SongTracks; ++t) EditorTrackName[t] = std::string(EditorNewTrackNames[t - 1]);
  EditorOpenHatTrack = EditorNewOpenHat;
  EditorClosedHatTrack = EditorNewClosedHat;
  cbxTrack->SetItemIndex(0);
  SelectTrack(1);
  SetCaption(EditorCaption);
  StatusBar1->GetPanels()->GetItem(1)->SetText("");
  for (TDsWaveList* list : EditorWaveLists) list->GetItems()->Clear();
  TrackLabelUpdate();
  UpdateDrumListBox();
}

// Everything is read before anything changes: a kit file that cannot be
// read, names hat tracks outside 1..12 or a kit name that is no file name,
// or a bank that is missing or broken, raises and leaves the kit in the
// editor as it was.
void TfrmDrumEditor::OpenKit1Click(TObject*) {
  if (!OpenDialog1->Execute()) return;
  lblHint->SetVisible(false);
  OpenDialog1->SetInitialDir("");
  SaveDialog1->SetInitialDir("");
  const std::string fileName = OpenDialog1->GetFileName();
  const TEditorKitFile kit = ReadEditorKitFile(fileName);
  // The banks lie beside the kit file and are named after its line 1.
  TKitBanks banks = ReadKitBanks(SplitKitPath(fileName).Folder, kit.KitName);

  EditorKitName = kit.KitName;
  SetKitCaption(EditorKitName);
  StatusBar1->GetPanels()->GetItem(1)->SetText(fileName);
  EditorTrackName = kit.TrackName;
  EditorOpenHatTrack = kit.OpenHatTrack;
  EditorClosedHatTrack = kit.ClosedHatTrack;
  PutKitBanks(banks, EditorWaveLists);
  UpdateDrumListBox();
  TrackLabelUpdate();
}

// The kit is named after the chosen file's name up to its first ".". A
// name the drum machine could not load is refused before anything is
// written; the files are written so that a failure leaves a kit saved there
// before whole.
void TfrmDrumEditor::SaveKit1Click(TObject*) {
  if (!SaveDialog1->Execute()) return;
  OpenDialog1->SetInitialDir("");
  SaveDialog1->SetInitialDir("");
  for (int t = 1; t <= SongTracks; ++t) EditorTrackName[t] = EditorNameEdits[t]->GetText();
  const std::string fileName = SaveDialog1->GetFileName();
  const TKitPath path = SplitKitPath(fileName);
  if (!IsUserKitName(path.Name)) {
    Application->MessageBox(KitNameProblem(path.Name), "Save Kit", MB_OK | MB_ICONWARNING);
    return;
  }
  TEditorKitFile kit;
  kit.KitName = path.Name;
  kit.TrackName = EditorTrackName;
  kit.OpenHatTrack = cbxOpenhat->GetItemIndex() + 1;
  kit.ClosedHatTrack = cbxClosedhat->GetItemIndex() + 1;
  SaveEditorKit(kit, path.Folder, EditorWaveLists);
  SetKitCaption(path.Name);
  // The kit file is named after the kit, as the drum machine looks for it
  // ("Funk.new.kit" saves "Funk.kit").
  StatusBar1->GetPanels()->GetItem(1)->SetText(path.Folder + "\\" + path.Name + ".kit");
}
