// The about box, read from its form resource: the program's texts and
// picture, and the credits scrolling one pixel per 100 ms while the box is
// shown, wrapping from -140 back to 75, standing still while it is closed.
#include <string>
#include <vector>

#include "dialogs_fixture.h"
#include "drummachine/dialogs/aboutb.h"
#include "resources/texts/ProgramTexts.h"

namespace dialogstest {
namespace {

class AboutBoxTest : public Dialogs {
 protected:
  void SetUp() override {
    Dialogs::SetUp();
    Application->CreateForm(AboutBox);
  }

  int CreditsTop() const { return AboutBox->Memo1->GetTop(); }

  // Shows the box modally; in it the clock moves on one timer period at a
  // time and the credits' top is noted after each; then `last` runs and OK
  // closes the box.
  std::vector<int> TopsWhileShown(
      int periods, const testsupport::TModalScript::TStep& last = [] {}) {
    std::vector<int> tops;
    std::vector<testsupport::TModalScript::TStep> steps;
    for (int i = 0; i < periods; ++i) {
      steps.push_back([] { win::clock::Advance(100'000); });
      steps.push_back([&] { tops.push_back(CreditsTop()); });
    }
    steps.push_back(last);
    steps.push_back([] { testsupport::PushClick(AboutBox->OKButton, 10, 10); });
    steps.push_back([this] { closedByOk = false; });  // runs only if OK left the box open
    testsupport::TModalScript script(AboutBox, steps);
    closedByOk = true;
    AboutBox->ShowModal();
    EXPECT_TRUE(script.Shown());
    EXPECT_TRUE(closedByOk);
    return tops;
  }

  bool closedByOk = false;
};

TEST_F(AboutBoxTest, ShowsTheProgramsTextsCreditsAndPicture) {
  ASSERT_NE(AboutBox, nullptr);
  EXPECT_EQ(AboutBox->GetCaption(), "About");
  EXPECT_EQ(AboutBox->ProductName->GetCaption(), program_texts::kAboutProduct);
  EXPECT_EQ(AboutBox->Version->GetCaption(), program_texts::kAboutVersion);
  EXPECT_EQ(AboutBox->Copyright->GetCaption(), program_texts::kAboutCopyright);
  EXPECT_EQ(AboutBox->Comments->GetCaption(), program_texts::kAboutComment);
  TStrings* credits = AboutBox->Memo1->GetLines();
  ASSERT_EQ(credits->GetCount(), static_cast<int>(program_texts::kAboutCredits.size()));
  for (int i = 0; i < credits->GetCount(); ++i)
    EXPECT_EQ(credits->GetStrings(i), program_texts::kAboutCredits[static_cast<std::size_t>(i)]);
  EXPECT_TRUE(AboutBox->Memo1->GetReadOnly());
  EXPECT_EQ(AboutBox->Memo1->GetParent(), AboutBox->Panel2);
  EXPECT_EQ(AboutBox->ProgramIcon->GetPicture()->GetWidth(), 128);
  EXPECT_EQ(AboutBox->ProgramIcon->GetPicture()->GetHeight(), 96);
  EXPECT_EQ(AboutBox->Timer1->GetInterval(), 100u);
  EXPECT_FALSE(AboutBox->Timer1->GetEnabled());
}

TEST_F(AboutBoxTest, CreditsMoveOnlyWhileShownAndResumeWhereTheyStood) {
  EXPECT_EQ(CreditsTop(), TAboutBox::CreditsStart);
  Advance(1000);  // not shown yet
  EXPECT_EQ(CreditsTop(), 75);

  EXPECT_EQ(TopsWhileShown(5), (std::vector<int>{74, 73, 72, 71, 70}));
  EXPECT_FALSE(AboutBox->Timer1->GetEnabled());
  Advance(1000);  // closed
  EXPECT_EQ(CreditsTop(), 70);

  EXPECT_EQ(TopsWhileShown(3), (std::vector<int>{69, 68, 67}));
}

TEST_F(AboutBoxTest, CreditsWrapFromMinus140BackTo75) {
  AboutBox->Memo1->SetTop(-137);
  EXPECT_EQ(TopsWhileShown(4), (std::vector<int>{-138, -139, 75, 74}));
}

TEST_F(AboutBoxTest, Screenshot) {
  const std::string path = testsupport::PictureFolder("DRUMS_DIALOG_PICTURES") + "/about_box.png";
  // The credits well under way.
  TopsWhileShown(60, [&] {
    RedrawWindow(AboutBox->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    fs::create_directories(fs::path(path).parent_path());
    EXPECT_TRUE(host::Get().Screenshot(win::user::HostWindowOf(AboutBox->GetHandle()), path));
  });
}

}  // namespace
}  // namespace dialogstest
