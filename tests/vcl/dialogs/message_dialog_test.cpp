// MessageDlg and ShowMessage: the box's caption, icon and buttons follow the
// dialog type and the button set; the pressed button is the result.
#include "platform/vcl/Dialogs.h"
#include "vcl/menus/fixture.h"

namespace menustest {
namespace {

using MessageDialogs = MenusTest;

TEST_F(MessageDialogs, TypeAndButtonsMakeTheBoxAndTheAnswerIsTheResult) {
  struct Case {
    TMsgDlgType type;
    TMsgDlgButtons buttons;
    int answer;  // what the user presses
    const char* caption;
    UINT boxType;
    int result;
  };
  const Case cases[] = {
      {mtWarning, {mbOK}, IDOK, "Warning", MB_OK | MB_ICONWARNING, mrOk},
      {mtError, {mbOK, mbCancel}, IDCANCEL, "Error", MB_OKCANCEL | MB_ICONERROR, mrCancel},
      {mtInformation, {mbOK}, IDOK, "Information", MB_OK | MB_ICONINFORMATION, mrOk},
      {mtConfirmation, {mbYes, mbNo}, IDNO, "Confirm", MB_YESNO | MB_ICONQUESTION, mrNo},
      {mtConfirmation, mbYesNoCancel, IDYES, "Confirm", MB_YESNOCANCEL | MB_ICONQUESTION, mrYes},
      {mtWarning, mbAbortRetryIgnore, IDIGNORE, "Warning", MB_ABORTRETRYIGNORE | MB_ICONWARNING, mrIgnore},
      {mtError, {mbRetry, mbCancel}, IDRETRY, "Error", MB_RETRYCANCEL | MB_ICONERROR, mrRetry},
      // The title of the program for a custom box, which has no icon.
      {mtCustom, {mbOK}, IDOK, "Menus Test", MB_OK, mrOk},
      // Help is never offered; a lone Cancel comes with OK; Yes alone with No.
      {mtWarning, {mbOK, mbHelp}, IDOK, "Warning", MB_OK | MB_ICONWARNING, mrOk},
      {mtWarning, {mbCancel}, IDCANCEL, "Warning", MB_OKCANCEL | MB_ICONWARNING, mrCancel},
      {mtConfirmation, {mbYes, mbYesToAll}, IDYES, "Confirm", MB_YESNO | MB_ICONQUESTION, mrYes},
  };
  for (const Case& c : cases) {
    win::user::SetMessageBoxAnswer([&c](const win::user::MessageBoxRecord&) { return c.answer; });
    EXPECT_EQ(MessageDlg("Overwrite the kit?", c.type, c.buttons, 0), c.result) << c.caption;
    auto records = win::user::TakeMessageBoxRecords();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].text, "Overwrite the kit?");
    EXPECT_EQ(records[0].caption, c.caption);
    EXPECT_EQ(records[0].type & (MB_TYPEMASK | MB_ICONMASK), c.boxType) << c.caption;
  }
}

TEST_F(MessageDialogs, AShownBoxIsAnsweredByItsKeys) {
  // The real box, answered with Escape: a Yes/No/Cancel box gives Cancel.
  TForm* form = MakeForm();
  Application->OnIdle = [&](TObject*, bool& done) {
    done = true;
    if (HWND box = win::user::CurrentMessageBox()) QueueKey(box, VK_ESCAPE);
  };
  EXPECT_EQ(MessageDlg("Save the song first?", mtConfirmation, mbYesNoCancel, 0), mrCancel);
  EXPECT_TRUE(form->GetActive() || GetActiveWindow() == form->GetHandle());
}

TEST_F(MessageDialogs, ShowMessageHasTheProgramsTitleAndOK) {
  win::user::SetMessageBoxAnswer([](const win::user::MessageBoxRecord&) { return IDOK; });
  ShowMessage("No Tips available");
  auto records = win::user::TakeMessageBoxRecords();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].caption, "Menus Test");
  EXPECT_EQ(records[0].text, "No Tips available");
  EXPECT_EQ(records[0].type & (MB_TYPEMASK | MB_ICONMASK), static_cast<UINT>(MB_OK));
}

}  // namespace
}  // namespace menustest
