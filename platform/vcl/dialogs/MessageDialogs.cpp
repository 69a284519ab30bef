#include "platform/vcl/dialogs/MessageDialogs.h"

#include "platform/vcl/forms/Application.h"
#include "platform/win/winuser.h"

namespace {

struct ButtonSet {
  TMsgDlgButtons buttons;
  UINT flags;
};

// Smallest first, so a request gets the fewest extra buttons.
const ButtonSet kSets[] = {
    {{mbOK}, MB_OK},
    {{mbOK, mbCancel}, MB_OKCANCEL},
    {{mbYes, mbNo}, MB_YESNO},
    {{mbRetry, mbCancel}, MB_RETRYCANCEL},
    {{mbYes, mbNo, mbCancel}, MB_YESNOCANCEL},
    {{mbAbort, mbRetry, mbIgnore}, MB_ABORTRETRYIGNORE},
};

UINT ButtonFlags(TMsgDlgButtons buttons) {
  for (TMsgDlgBtn unsupported : {mbHelp, mbAll, mbNoToAll, mbYesToAll}) buttons.Exclude(unsupported);
  for (const ButtonSet& set : kSets)
    if ((buttons.Bits() & ~set.buttons.Bits()) == 0 && !buttons.Empty()) return set.flags;
  // Buttons of different sets (Yes with Retry...): the question keeps its
  // Yes and No, else its OK and Cancel.
  if (buttons.Contains(mbYes) || buttons.Contains(mbNo)) return buttons.Contains(mbCancel) ? MB_YESNOCANCEL : MB_YESNO;
  return buttons.Contains(mbCancel) ? MB_OKCANCEL : MB_OK;
}

UINT IconFlags(TMsgDlgType type) {
  switch (type) {
    case mtWarning: return MB_ICONWARNING;
    case mtError: return MB_ICONERROR;
    case mtInformation: return MB_ICONINFORMATION;
    case mtConfirmation: return MB_ICONQUESTION;
    case mtCustom: return 0;
  }
  return 0;
}

std::string Caption(TMsgDlgType type) {
  static const char* const kCaptions[] = {"Warning", "Error", "Information", "Confirm"};
  if (type == mtCustom) return Application ? Application->GetTitle() : "";
  return kCaptions[type];
}

int Show(const std::string& text, const std::string& caption, UINT flags) {
  if (Application) return Application->MessageBox(text, caption, flags);
  return MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), flags);
}

}  // namespace

int MessageDlg(const std::string& msg, TMsgDlgType dlgType, TMsgDlgButtons buttons, int) {
  // The platform's answers (IDOK ... IDNO) are the modal results.
  return Show(msg, Caption(dlgType), ButtonFlags(buttons) | IconFlags(dlgType));
}

int MessageDlgPos(const std::string& msg, TMsgDlgType dlgType, TMsgDlgButtons buttons, int helpCtx, int, int) {
  return MessageDlg(msg, dlgType, buttons, helpCtx);
}

void ShowMessage(const std::string& msg) {
  Show(msg, Application ? Application->GetTitle() : "", MB_OK);
}
