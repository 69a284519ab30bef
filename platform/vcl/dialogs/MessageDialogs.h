// Message dialogs: MessageDlg asks a question with a set of buttons and
// answers which one was pressed; ShowMessage tells something with OK.
// Both run the platform's message box over the active window.
#pragma once

#include <string>

#include "platform/vcl/classes/typeinfo/Set.h"
#include "platform/vcl/forms/FormTypes.h"

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

inline const TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline const TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline const TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};

// The caption is "Warning", "Error", "Information" or "Confirm" by type, and
// the application's title for mtCustom. The box offers the platform's
// button set that holds every button asked for: OK; OK, Cancel; Yes, No;
// Yes, No, Cancel; Retry, Cancel; Abort, Retry, Ignore. Help is never
// offered, and buttons no set has (All, No to All, Yes to All) are left
// out. Returns the pressed button's result (mrYes, mrNo, mrOk ...).
int MessageDlg(const std::string& msg, TMsgDlgType dlgType, TMsgDlgButtons buttons, int helpCtx);
// The same; X and Y are accepted for callers that place the box, which the
// platform always centres over its owner.
int MessageDlgPos(const std::string& msg, TMsgDlgType dlgType, TMsgDlgButtons buttons, int helpCtx, int X, int Y);
// The message with an OK button, captioned with the application's title.
void ShowMessage(const std::string& msg);
