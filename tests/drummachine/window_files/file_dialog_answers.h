// A person at the program's own file dialogs (open, save, wave): whenever
// one of them waits modally, the next answer is given as injected input
// (typing into the name box, clicks on the buttons and on list items), and
// what the dialog showed is kept for the test. With no answer left, the
// dialog is cancelled, so a command never waits for ever.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "drummachine/filedialogs/OpenD2.h"
#include "drummachine/filedialogs/OpenWaveD.h"
#include "drummachine/filedialogs/SaveD.h"
#include "platform/host/headless.h"
#include "platform/win/drums_ext.h"
#include "support/HostMouse.h"
#include "tests/support/HostKeys.h"

namespace filedialoganswers {

// What a dialog showed when it was answered.
struct TShownDialog {
  std::string Dialog;  // the form's name
  std::string Caption;
  std::string Mask;
  std::string FileType;
  std::string Folder;
  std::string FileName;
  bool MidiNote = false;  // the MIDI note panel shown
  bool PlayButton = false;  // the wave dialog's Play button shown

  bool operator==(const TShownDialog&) const = default;
};

// One answer: what the person does in the dialog, all in one pass of its
// loop (the input is queued and handled in order).
using TAnswer = std::function<void(TShellFileDialog&)>;

inline void QueueClick(TControl* control) {
  testsupport::PushClick(control, control->GetWidth() / 2, control->GetHeight() / 2);
}

inline TButton* AcceptButton(TShellFileDialog& dialog) {
  if (&dialog == frmDialogOpen) return frmDialogOpen->btnOpen;
  if (&dialog == frmDialogSave) return frmDialogSave->btnSave;
  return frmWaveOpen->btnOpen;
}

// The list item showing that file name; none when the list has no such item.
inline TListItem* ListItem(TShellFileDialog& dialog, const std::string& name) {
  TListItems* items = dialog.NavShellList1->GetItems();
  for (int i = 0; i < items->GetCount(); ++i)
    if (dialog.NavShellList1->ItemDataAt(i)->GetItemFileName() == name) return items->GetItem(i);
  return nullptr;
}

// A click (clicks 2: the second of a double click) on an item's label.
inline void QueueItemClick(TShellFileDialog& dialog, const std::string& name, int clicks = 1) {
  TListItem* item = ListItem(dialog, name);
  if (item == nullptr) return;
  const TRect r = item->DisplayRect(drLabel);
  testsupport::PushClick(dialog.NavShellList1, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2, clicks);
}

// The answers: a name typed and the accept button clicked; Cancel; a list
// item double-clicked.
inline TAnswer TypeAndAccept(const std::string& name) {
  return [name](TShellFileDialog& dialog) {
    testsupport::PushTyping(dialog.edtFileName, name);
    QueueClick(AcceptButton(dialog));
  };
}
inline TAnswer Cancel() {
  return [](TShellFileDialog& dialog) { QueueClick(dialog.btnCancel); };
}
inline TAnswer DoubleClickItem(const std::string& name) {
  return [name](TShellFileDialog& dialog) {
    QueueItemClick(dialog, name, 1);
    QueueItemClick(dialog, name, 2);
  };
}

class TFileDialogAnswers {
 public:
  // Answers the file dialogs from now on; an idle handler already set (a
  // script for another dialog or a menu) still runs while none of them waits.
  TFileDialogAnswers() : FPrevious(Application->OnIdle) {
    Application->OnIdle = [this](TObject* sender, bool& done) {
      done = true;
      TShellFileDialog* dialog = Waiting();
      if (dialog == nullptr) {
        if (FPrevious) FPrevious(sender, done);
        return;
      }
      Shown.push_back(ShownBy(*dialog));
      if (Answers.empty()) {
        QueueClick(dialog->btnCancel);
      } else {
        TAnswer answer = std::move(Answers.front());
        Answers.pop_front();
        answer(*dialog);
      }
      // The loop looks at the dialog's result after each message: wake it.
      PostMessageA(Application->GetHandle(), WM_NULL, 0, 0);
    };
  }
  ~TFileDialogAnswers() { Application->OnIdle = FPrevious; }
  TFileDialogAnswers(const TFileDialogAnswers&) = delete;
  TFileDialogAnswers& operator=(const TFileDialogAnswers&) = delete;

  std::deque<TAnswer> Answers;
  std::vector<TShownDialog> Shown;

 private:
  static TShellFileDialog* Waiting() {
    for (TShellFileDialog* dialog :
         {static_cast<TShellFileDialog*>(frmDialogOpen), static_cast<TShellFileDialog*>(frmDialogSave),
          static_cast<TShellFileDialog*>(frmWaveOpen)})
      // A dialog under a message box or another dialog of its own waits
      // for that one first.
      if (dialog != nullptr && dialog->GetFormState().Contains(fsModal) && IsWindowEnabled(dialog->GetHandle()))
        return dialog;
    return nullptr;
  }

  static TShownDialog ShownBy(TShellFileDialog& dialog) {
    TShownDialog shown;
    shown.Dialog = dialog.GetName();
    shown.Caption = dialog.GetCaption();
    shown.Mask = dialog.NavShellList1->GetFileFilter();
    shown.FileType = dialog.cbxFileType->GetText();
    shown.Folder = dialog.ListFolder();
    shown.FileName = dialog.edtFileName->GetText();
    if (&dialog == frmDialogSave) shown.MidiNote = frmDialogSave->Panel1->GetVisible();
    if (&dialog == frmWaveOpen) {
      shown.MidiNote = frmWaveOpen->Panel1->GetTop() < frmWaveOpen->GetClientHeight();
      shown.PlayButton = frmWaveOpen->btnPlayWave->GetVisible();
    }
    return shown;
  }

  TIdleEvent FPrevious;
};

}  // namespace filedialoganswers
