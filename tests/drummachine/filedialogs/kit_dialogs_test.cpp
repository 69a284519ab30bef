// The kit file dialog on its own, in the modes its caller sets: a skin file
// chosen for loading or for saving (the skins dialog borrows it), whatever
// its button says, and the folder it shows chosen once when it shows.
#include "drummachine/filedialogs/Openkit.h"
#include "filedialogs_fixture.h"
#include "tests/support/HostKeys.h"

namespace filedialogstest {
namespace {

class KitFileDialog : public FileDialogs {
 protected:
  void SetUp() override {
    FileDialogs::SetUp();
    for (const char* name : {"skins/Blue.skn", "skins/Red.skn", "skins/notes.txt", "user kits/Funk.kit"})
      folder.WriteBytes(name, "x");
    fs::create_directory(folder / "elsewhere");
    Application->CreateForm(frmOpenKit);
    frmOpenKit->Model = &model;
  }

  // The skins dialog's preset: its caption, filter and button.
  void PresetForSkins(TKitDialogMode mode, const std::string& button) {
    frmOpenKit->Mode = mode;
    frmOpenKit->SetCaption("Skins");
    frmOpenKit->NavShellList1->SetFileFilter("*.skn");
    frmOpenKit->btnOpen->SetCaption(button);
    frmOpenKit->edtFileName->SetText("");
  }

  std::vector<std::string> Listed() const {
    std::vector<std::string> names;
    TNavShellList* list = frmOpenKit->NavShellList1;
    for (int i = 0; i < list->GetItems()->GetCount(); ++i) names.push_back(list->ItemDataAt(i)->GetItemFileName());
    std::sort(names.begin(), names.end());
    return names;
  }

  TListItem* Item(const std::string& name) const {
    TNavShellList* list = frmOpenKit->NavShellList1;
    for (int i = 0; i < list->GetItems()->GetCount(); ++i)
      if (list->ItemDataAt(i)->GetItemFileName() == name) return list->GetItems()->GetItem(i);
    return nullptr;
  }
  static void QueueClickOn(TListItem* item, int clicks = 1) {
    const TRect r = item->DisplayRect(drLabel);
    testsupport::PushClick(frmOpenKit->NavShellList1, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2, clicks);
  }
};

// The mode decides, not the button's caption: a skin chosen in either skin
// mode only confirms it, and a skin is never loaded as a kit. From the
// second showing on, the skin clicked is the one selected at the last
// showing: the click must still take it.
TEST_F(KitFileDialog, TheSkinModesConfirmTheChosenSkinWhateverTheButtonSays) {
  const struct {
    TKitDialogMode mode;
    std::string button;
    bool load, save;
  } cases[] = {
      {TKitDialogMode::LoadSkin, "&Open", true, false},
      {TKitDialogMode::LoadSkin, "Save", true, false},
      {TKitDialogMode::SaveSkin, "Save", false, true},
      {TKitDialogMode::SaveSkin, "&Open", false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.button);
    PresetForSkins(c.mode, c.button);
    frmOpenKit->SkinLoadConfirmed = frmOpenKit->SkinSaveConfirmed = false;
    frmOpenKit->KitFileName.clear();
    std::vector<std::string> listed;
    TModalScript dialog(frmOpenKit, {[&] {
                                       listed = Listed();
                                       QueueClickOn(Item("Red.skn"));
                                     },
                                     [] { QueueClick(frmOpenKit->btnOpen); }});
    frmOpenKit->ShowModal();
    ASSERT_TRUE(dialog.Shown());
    EXPECT_EQ(listed, (std::vector<std::string>{"Blue.skn", "Red.skn"}));
    EXPECT_EQ(frmOpenKit->KitFileName, FullPath(folder / "skins/Red.skn"));
    EXPECT_EQ(frmOpenKit->SkinLoadConfirmed, c.load);
    EXPECT_EQ(frmOpenKit->SkinSaveConfirmed, c.save);
    EXPECT_EQ(frmOpenKit->GetModalResult(), mrOk);
  }
  EXPECT_TRUE(Messages().empty());
}

// A name typed without folder or extension is a file of the listed folder
// with the filter's extension; Cancel confirms nothing.
TEST_F(KitFileDialog, ATypedNameIsCompletedAndCancelConfirmsNothing) {
  PresetForSkins(TKitDialogMode::SaveSkin, "Save");
  TModalScript save(frmOpenKit, {[] { testsupport::PushTyping(frmOpenKit->edtFileName, "Mine"); },
                                 [] { testsupport::PushKey(frmOpenKit->edtFileName, VK_RETURN); }});
  frmOpenKit->ShowModal();
  EXPECT_TRUE(frmOpenKit->SkinSaveConfirmed);
  EXPECT_EQ(frmOpenKit->KitFileName, FullPath(folder / "skins/Mine.skn"));

  frmOpenKit->SkinSaveConfirmed = false;
  frmOpenKit->KitFileName.clear();
  TModalScript cancel(frmOpenKit, {[] { testsupport::PushTyping(frmOpenKit->edtFileName, "Other"); },
                                   [] { QueueClick(frmOpenKit->btnCancel); }});
  frmOpenKit->ShowModal();
  EXPECT_FALSE(frmOpenKit->SkinSaveConfirmed);
  EXPECT_FALSE(frmOpenKit->SkinLoadConfirmed);
  EXPECT_TRUE(frmOpenKit->KitFileName.empty());
}

// The folder is set when the dialog shows: where the person went stays
// while a message box comes and goes over the dialog, and the next showing
// starts in the mode's folder again.
TEST_F(KitFileDialog, TheFolderIsChosenWhenTheDialogShowsNotAtEveryActivation) {
  PresetForSkins(TKitDialogMode::LoadSkin, "&Open");
  std::string atShow, afterMessage;
  TModalScript dialog(frmOpenKit, {[&] {
                                     atShow = frmOpenKit->NavShellList1->GetFolder()->GetFolderPath();
                                     frmOpenKit->NavShellList1->GetFolder()->SetFolderPath(folder / "elsewhere");
                                     Application->MessageBox("Over the dialog", "Test", MB_OK);
                                   },
                                   [&] { afterMessage = frmOpenKit->NavShellList1->GetFolder()->GetFolderPath(); }});
  frmOpenKit->ShowModal();
  EXPECT_EQ(atShow, FullPath(folder / "skins"));
  EXPECT_EQ(afterMessage, FullPath(folder / "elsewhere"));

  std::string kitFolder;
  frmOpenKit->Mode = TKitDialogMode::LoadKit;
  TModalScript again(frmOpenKit, {[&] { kitFolder = frmOpenKit->NavShellList1->GetFolder()->GetFolderPath(); }});
  frmOpenKit->ShowModal();
  EXPECT_EQ(kitFolder, FullPath(folder / "user kits"));
}

}  // namespace
}  // namespace filedialogstest
