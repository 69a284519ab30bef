// The New File dialog: the kit of the new song, the current kit chosen when
// it opens, the flag and the kit id its buttons leave in the model.
#include <vector>

#include "dialogs_fixture.h"
#include "drummachine/core/BuiltinKits.h"
#include "drummachine/dialogs/filenew.h"

namespace dialogstest {
namespace {

class NewFile : public Dialogs {
 protected:
  void SetUp() override {
    Dialogs::SetUp();
    Application->CreateForm(frmNewFile);
    frmNewFile->Model = &model;
  }

  // Shows the dialog modally with script's steps; the line chosen when it
  // had opened is kept.
  void Run(std::vector<testsupport::TModalScript::TStep> steps) {
    steps.insert(steps.begin(), [this] { chosenAtOpening = frmNewFile->ListBox1->GetItemIndex(); });
    testsupport::TModalScript script(frmNewFile, std::move(steps));
    frmNewFile->ShowModal();
    ASSERT_TRUE(script.Shown());
  }

  int chosenAtOpening = -2;
};

TEST_F(NewFile, ListsTheBuiltInKitsByIdWithTheirCaptionAndHelp) {
  EXPECT_EQ(frmNewFile->GetCaption(), "New File");
  EXPECT_EQ(frmNewFile->GetHelpContext(), 160);
  TStrings* lines = frmNewFile->ListBox1->GetItems();
  ASSERT_EQ(lines->GetCount(), BuiltinKitCount);
  for (const TBuiltinKit& kit : BuiltinKits) EXPECT_EQ(lines->GetStrings(kit.KitId), kit.KitName);
}

TEST_F(NewFile, OkKeepsTheCurrentKitThatOpensChosen) {
  for (int kitId : {0, 10, EmptyKitId}) {
    SCOPED_TRACE(kitId);
    model.Song.KitId = kitId;
    model.NewConfirmed = false;
    Run({[] { QueueClick(frmNewFile->btnOk); }});
    EXPECT_EQ(chosenAtOpening, kitId);
    EXPECT_TRUE(model.NewConfirmed);
    EXPECT_EQ(model.Song.KitId, kitId);
  }
}

TEST_F(NewFile, WithAUserKitNoLineIsChosenAndOkGivesNoKit) {
  model.Song.KitId = 14;
  Run({[] { QueueClick(frmNewFile->btnOk); }});
  EXPECT_EQ(chosenAtOpening, -1);
  EXPECT_TRUE(model.NewConfirmed);
  EXPECT_EQ(model.Song.KitId, -1);
}

TEST_F(NewFile, AnotherLineChosenByKeyOrDoubleClick) {
  model.Song.KitId = 3;
  Run({[] { QueueKey(frmNewFile->ListBox1, VK_DOWN); }, [] { QueueKey(frmNewFile->ListBox1, VK_RETURN); }});
  EXPECT_TRUE(model.NewConfirmed);
  EXPECT_EQ(model.Song.KitId, 4);

  // A double click on a line is Ok for that line.
  model.NewConfirmed = false;
  Run({[] {
    TListBox* list = frmNewFile->ListBox1;
    const TRect line = list->ItemRect(7);
    const int x = (line.Left + line.Right) / 2;
    const int y = (line.Top + line.Bottom) / 2;
    QueueClickAt(list, x, y);
    QueueClickAt(list, x, y, 2);
  }});
  EXPECT_TRUE(model.NewConfirmed);
  EXPECT_EQ(model.Song.KitId, 7);
}

TEST_F(NewFile, CancelLeavesNoConfirmationAndTheKitAsItWas) {
  model.Song.KitId = 5;
  model.NewConfirmed = true;  // an earlier Ok the main window has not cleared
  Run({[] { QueueKey(frmNewFile->ListBox1, VK_DOWN); }, [] { QueueClick(frmNewFile->btnCancel); }});
  EXPECT_FALSE(model.NewConfirmed);
  EXPECT_EQ(model.Song.KitId, 5);
}

}  // namespace
}  // namespace dialogstest
