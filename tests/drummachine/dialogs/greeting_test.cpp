// The greeting dialog: shown on the greeting date only, its links open the
// maker's web site and a mail to the author, and a link that cannot be
// opened is reported while the dialog stays usable.
#include <time.h>

#include <string>
#include <vector>

#include "dialogs_fixture.h"
#include "drummachine/dialogs/bday.h"
#include "resources/texts/ProgramTexts.h"

namespace dialogstest {
namespace {

// Noon of a local date, in microseconds since 1970.
std::int64_t LocalNoon(int year, int month, int day) {
  tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = 12;
  t.tm_isdst = -1;
  return static_cast<std::int64_t>(mktime(&t)) * 1000000;
}

TEST_F(Dialogs, TheGreetingDateIsTheEighthOfAugustOfAnyYear) {
  struct Case {
    int year, month, day;
    bool greeting;
  };
  const Case cases[] = {
      {2026, 8, 8, true},  {2031, 8, 8, true},   {2026, 8, 7, false},
      {2026, 8, 9, false}, {2026, 8, 18, false},  // "8/18/2026" begins with the same figure
      {2026, 9, 8, false}, {2026, 12, 8, false}, {2026, 1, 8, false},
  };
  for (const Case& c : cases) {
    win::clock::SetWallMicros(LocalNoon(c.year, c.month, c.day));
    EXPECT_EQ(IsGreetingDate(), c.greeting) << c.month << "/" << c.day << "/" << c.year;
  }
}

class GreetingTest : public Dialogs {
 protected:
  void SetUp() override {
    Dialogs::SetUp();
    Application->CreateForm(frmBday);
    win::shell::SetExecuteHook([this](const win::shell::ExecuteCall& call) {
      calls.push_back(call);
      INT_PTR result = answers.empty() ? 42 : answers.front();
      if (!answers.empty()) answers.erase(answers.begin());
      return result;
    });
  }
  void TearDown() override {
    win::shell::SetExecuteHook(nullptr);
    Dialogs::TearDown();
  }

  static testsupport::TModalScript::TStep Click(TControl* control) {
    return [control] { testsupport::PushClick(control, control->GetWidth() / 2, control->GetHeight() / 2); };
  }

  // Shows the dialog modally and takes the steps; then OK must close it.
  void ShowAndThenOk(std::vector<testsupport::TModalScript::TStep> steps) {
    steps.push_back(Click(frmBday->OKBtn));
    bool leftOpen = false;
    steps.push_back([&] { leftOpen = true; });
    testsupport::TModalScript script(frmBday, steps);
    frmBday->ShowModal();
    EXPECT_TRUE(script.Shown());
    EXPECT_FALSE(leftOpen) << "OK did not close the dialog";
  }

  std::vector<INT_PTR> answers;
  std::vector<win::shell::ExecuteCall> calls;
};

TEST_F(GreetingTest, ShowsTheGreetingWithTwoLinksThatLookLikeLinks) {
  EXPECT_EQ(frmBday->GetCaption(), program_texts::kGreetingCaption);
  EXPECT_EQ(frmBday->Label1->GetCaption(), program_texts::kGreetingTitle);
  EXPECT_EQ(frmBday->Label3->GetCaption(), program_texts::kGreetingText);
  EXPECT_EQ(frmBday->Label5->GetCaption(), program_texts::kGreetingSiteLink);
  EXPECT_EQ(frmBday->Label2->GetCaption(), program_texts::kGreetingMailLink);
  for (TLabel* link : {frmBday->Label5, frmBday->Label2}) {
    EXPECT_EQ(link->GetCursor(), crHandPoint);
    EXPECT_TRUE(link->GetFont()->GetStyle().Contains(fsUnderline));
  }
}

TEST_F(GreetingTest, TheLinksOpenTheSiteAndTheMailWithTheDialogAsOwner) {
  HWND dialog = nullptr;
  ShowAndThenOk({[&] { dialog = frmBday->GetHandle(); }, Click(frmBday->Label5), Click(frmBday->Label2)});
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].file, program_texts::kMakerSite);
  EXPECT_EQ(calls[1].file, program_texts::kAuthorMail);
  for (const win::shell::ExecuteCall& call : calls) {
    EXPECT_EQ(call.owner, dialog);
    EXPECT_EQ(call.verb, "open");
    EXPECT_EQ(call.parameters, "");
    EXPECT_EQ(call.folder, "");
  }
  EXPECT_TRUE(win::user::TakeMessageBoxRecords().empty());
}

TEST_F(GreetingTest, ALinkThatCannotBeOpenedIsReportedAndTheDialogStaysUsable) {
  answers = {31, 4};  // no program for links; a code without a text
  ShowAndThenOk({Click(frmBday->Label5), Click(frmBday->Label2)});
  const auto records = win::user::TakeMessageBoxRecords();
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].text, "There is no application associated with the given filename extension.");
  EXPECT_NE(records[1].text.find(std::string(program_texts::kAuthorMail)), std::string::npos) << records[1].text;
  EXPECT_NE(records[1].text.find("error 4"), std::string::npos) << records[1].text;
  EXPECT_EQ(calls.size(), 2u);
}

TEST_F(GreetingTest, Screenshot) {
  const std::string path = testsupport::PictureFolder("DRUMS_DIALOG_PICTURES") + "/greeting.png";
  ShowAndThenOk({[&] {
    RedrawWindow(frmBday->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    fs::create_directories(fs::path(path).parent_path());
    EXPECT_TRUE(host::Get().Screenshot(win::user::HostWindowOf(frmBday->GetHandle()), path));
  }});
}

}  // namespace
}  // namespace dialogstest
