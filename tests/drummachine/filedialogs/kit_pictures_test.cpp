// Pictures of the kit dialogs and the MIDI export settings as a person sees
// them, saved into DRUMS_SCREENSHOTS (or a folder of the run's own): the kit
// file dialog over a folder of kits, songs and waves in list and in details
// view, the kit save dialog and the settings. Each picture also checks what
// it must show.
#include "drummachine/filedialogs/Openkit.h"
#include "drummachine/filedialogs/SaveDrumKit.h"
#include "drummachine/filedialogs/midioptions.h"
#include "filedialogs_fixture.h"
#include "platform/host/host.h"

namespace filedialogstest {
namespace {

class KitPictures : public FileDialogs {
 protected:
  static void SaveShot(TCustomForm& dialog, const std::string& name) {
    RedrawWindow(dialog.GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const fs::path file = fs::path(testsupport::PictureFolder("DRUMS_SCREENSHOTS")) / (name + ".png");
    ASSERT_TRUE(host::Get().Screenshot(win::user::HostWindowOf(dialog.GetHandle()), file.string()));
  }
};

TEST_F(KitPictures, TheKitFileDialogListsOnlyKitsInListAndDetailsView) {
  for (const char* name : {"user kits/Funk.kit", "user kits/Jazz brushes.kit", "user kits/Rock.kit",
                           "user kits/Funk_01.dsw", "user kits/beat.bkv", "user kits/kick.wav"})
    folder.WriteBytes(name, "x");
  Application->CreateForm(frmOpenKit);
  frmOpenKit->Model = &model;
  frmOpenKit->Mode = TKitDialogMode::LoadKit;
  frmOpenKit->cbxFileType->GetItems()->Add("User Drumkit Files (*.kit)");
  frmOpenKit->cbxFileType->SetItemIndex(0);
  int listed = -1, columns = -1;
  TModalScript dialog(frmOpenKit, {[&] {
                                     listed = frmOpenKit->NavShellList1->GetItems()->GetCount();
                                     frmOpenKit->NavShellList1->GetItems()->GetItem(0)->SetSelected(true);
                                     SaveShot(*frmOpenKit, "kit_open_list");
                                     frmOpenKit->DetailsClick(nullptr);
                                   },
                                   [&] {
                                     columns = frmOpenKit->NavShellList1->GetColumns()->GetCount();
                                     SaveShot(*frmOpenKit, "kit_open_details");
                                   }});
  frmOpenKit->ShowModal();
  ASSERT_TRUE(dialog.Shown());
  EXPECT_EQ(listed, 3);
  EXPECT_GE(columns, 2);
}

TEST_F(KitPictures, TheKitSaveDialogAndTheMidiSettings) {
  Application->CreateForm(frmSaveKit);
  TModalScript save(frmSaveKit, {[] {
                      frmSaveKit->cbxOpenhat->SetItemIndex(2);
                      frmSaveKit->cbxClosedhat->SetItemIndex(3);
                      for (int t = 1; t <= SongTracks; ++t)
                        frmSaveKit->NameBoxes[t]->SetText("Track" + std::to_string(t));
                      SaveShot(*frmSaveKit, "kit_save");
                    }});
  frmSaveKit->ShowModal();
  ASSERT_TRUE(save.Shown());

  Application->CreateForm(frmMidiOptions);
  model.TrackName[1] = std::string("BassDrum");
  model.MidiNoteOfTrack[1] = 81;
  TModalScript options(frmMidiOptions, {[] { SaveShot(*frmMidiOptions, "midi_options"); }});
  ShowMidiOptions(model);
  ASSERT_TRUE(options.Shown());
}

}  // namespace
}  // namespace filedialogstest
