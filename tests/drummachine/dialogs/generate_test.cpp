// The Generate Random Pattern dialog: the tracks it leaves checked and the
// flag its buttons leave in the model.
#include <vector>

#include "dialogs_fixture.h"
#include "drummachine/dialogs/generate.h"

namespace dialogstest {
namespace {

class Generate : public Dialogs {
 protected:
  void SetUp() override {
    Dialogs::SetUp();
    Application->CreateForm(frmGenerate);
    frmGenerate->Model = &model;
  }

  void Run(std::vector<testsupport::TModalScript::TStep> steps) {
    testsupport::TModalScript script(frmGenerate, std::move(steps));
    frmGenerate->ShowModal();
    ASSERT_TRUE(script.Shown());
  }
};

TEST_F(Generate, EveryTrackCheckedAtFirstWithItsCaption) {
  EXPECT_EQ(frmGenerate->GetCaption(), "Generate Random Pattern");
  const TTrackArray<bool> checked = frmGenerate->CheckedTracks();
  for (int t = 1; t <= SongTracks; ++t) {
    SCOPED_TRACE(t);
    EXPECT_TRUE(checked[t]);
    EXPECT_EQ(frmGenerate->TrackBox(t)->GetCaption(), "Track " + std::to_string(t));
  }
}

TEST_F(Generate, TracksUncheckedByClicksAreLeftOutAndGenerateConfirms) {
  Run({[] {
         QueueClick(frmGenerate->TrackBox(2));
         QueueClick(frmGenerate->TrackBox(5));
       },
       [] { QueueClick(frmGenerate->btnGenerate); }});
  EXPECT_TRUE(model.GenerateConfirmed);
  const TTrackArray<bool> checked = frmGenerate->CheckedTracks();
  for (int t = 1; t <= SongTracks; ++t) EXPECT_EQ(checked[t], t != 2 && t != 5) << "track " << t;

  // The next showing keeps the choice.
  model.GenerateConfirmed = false;
  Run({[] { QueueKey(frmGenerate->btnGenerate, VK_RETURN); }});
  EXPECT_TRUE(model.GenerateConfirmed);
  EXPECT_FALSE(frmGenerate->CheckedTracks()[5]);
}

TEST_F(Generate, CancelLeavesNoConfirmationEvenWhenOneWasLeft) {
  model.GenerateConfirmed = true;
  Run({[] { QueueClick(frmGenerate->btnCancel); }});
  EXPECT_FALSE(model.GenerateConfirmed);

  model.GenerateConfirmed = true;
  Run({[] { QueueKey(frmGenerate->btnCancel, VK_ESCAPE); }});
  EXPECT_FALSE(model.GenerateConfirmed);
}

}  // namespace
}  // namespace dialogstest
