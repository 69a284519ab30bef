// TChangeHandlerThread: the worker a shell tree or list with automatic
// refresh owns. It waits on directory change notifications and posts the
// control's window a message for each change: (message, slot, 0).
//
// One command at a time goes from the user-interface thread to the worker
// through plain fields and two auto-reset events: the caller writes the
// fields, signals the command event and waits (at most 2000 ms) for the
// acknowledgement; the worker reads them only after the command event and
// writes its answer before acknowledging. A command that was not answered in
// time keeps the fields: the next command first waits for that answer.
#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "platform/vcl/Classes.h"
#include "platform/win/windows.h"

class TChangeHandlerThread : public TThread {
 public:
  // 63 slots and the command event: the 64 handles one wait takes.
  static constexpr int kSlotCount = 63;
  static constexpr DWORD kCommandWait = 2000;
  static constexpr DWORD kEndWait = 30000;

  // What tests put in the worker's way: its wait for a command or a change
  // (WaitForMultipleObjects when empty), and a call on the worker just
  // before it carries out a command (to make an answer late).
  struct TWorkerHooks {
    std::function<DWORD(DWORD count, const HANDLE* handles)> Wait;
    std::function<void()> BeforeCommand;
  };

  // Starts at once; posts (message, slot, 0) to window for each change (a
  // window of 0 posts nothing).
  TChangeHandlerThread(HWND window, UINT message, TWorkerHooks hooks = {});
  // Ends the worker and closes every watch it holds.
  ~TChangeHandlerThread() override;

  // Watches path; slot receives the watch's slot. False for the empty path,
  // a path that cannot be watched, a full slot table, or no answer in time.
  bool AddWatch(const std::string& path, DWORD filter, int& slot, bool subtree);
  // Closes every watch; a time-out is not reported.
  void ClearWatches();

 protected:
  void Execute() override;

 private:
  enum : BYTE { cmdAdd = 0, cmdClear = 2, cmdEnd = 3 };

  // Hands a command over; true when the worker answered in time.
  bool SendCommand(BYTE command);
  // The command the event announced, carried out and answered; false for
  // the end command.
  bool TakeCommand();
  void CarryOut(BYTE command);
  void CloseSlot(int slot);

  TWorkerHooks FHooks;
  HANDLE FCommandEvent;
  HANDLE FAckEvent;
  HANDLE FEndedEvent;
  HANDLE FPendingHandle = INVALID_HANDLE_VALUE;
  HWND FWindow;
  UINT FMessage;
  std::vector<HANDLE> FSlots;
  int FResultSlot = -1;
  // Atomic only so that the end command may be written while an unanswered
  // command is being read; the events order everything else.
  std::atomic<BYTE> FCommand{cmdAdd};
  // Set by the user-interface thread when a command went unanswered; only
  // that thread reads or writes it.
  bool FAwaitingAnswer = false;
};
