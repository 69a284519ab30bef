// The shell's context menu as the shell tree and the shell list both show
// it: the popup while it is tracked, the command chosen in it, the menu
// messages that its Send To entries and hints need, and the Send To drop.
#pragma once

#include <functional>
#include <string>

#include "controls/shell/UNavShellControls/DataObjects.h"
#include "controls/shell/UNavShellControls/SendToMenu.h"
#include "platform/vcl/Controls.h"
#include "platform/win/shlobj.h"

// A shell context menu from its building to its end: while it lives, the
// control's current-menu field points at it, so that the menu messages
// reach it; at the end the popup is destroyed, the interface released and
// the field cleared, however the command ends.
class TNavShownMenu {
 public:
  TNavShownMenu(IContextMenu*& current, IContextMenu* menu, HMENU handle);
  ~TNavShownMenu();
  TNavShownMenu(const TNavShownMenu&) = delete;
  TNavShownMenu& operator=(const TNavShownMenu&) = delete;

  // Tracks the popup at the control's client point, owned by its window;
  // the command chosen, 0 for none.
  int Track(TWinControl* control, TPoint client);
  // Carries out the command: the shell's rename edits the caption (rename),
  // a Send To entry is dropped on (sendTo with the entry's index), any other
  // shell command is invoked. True when the shell ran a command.
  bool Run(int command, HWND owner, const std::function<void()>& rename, const std::function<void(int)>& sendTo);

 private:
  IContextMenu*& FCurrent;
  IContextMenu* FMenu;
  HMENU FHandle;
};

// Passes a menu message of the shown menu on to the Send To entries'
// drawing (with the control's small images) and the popup hint.
void ForwardShellMenuMessage(TMessage& message, IContextMenu* menu, TCustomImageList* images, TObject* control,
                             const TNavPopupHintEvent& hint);

// Drops the data object that make builds on Send To entry index; nothing
// for an index outside the list.
void SendToEntry(int index, const std::function<TNavDataObject*()>& make);

// Invokes the verb on the menu and releases it (also when that raises); the
// invocation's answer.
HRESULT InvokeVerbAndRelease(HWND owner, IContextMenu* menu, const std::string& verb);
