#include "controls/shell/UNavShellControls/ChangeHandlerThread.h"

namespace {

// How long the worker rests after a failed wait before it tries again, so
// that a handle gone bad does not make it spin; a command still ends the rest.
constexpr DWORD kFailedWaitRest = 100;

}  // namespace

TChangeHandlerThread::TChangeHandlerThread(HWND window, UINT message, TWorkerHooks hooks)
    : TThread(true),
      FHooks(std::move(hooks)),
      FCommandEvent(CreateEventA(nullptr, FALSE, FALSE, nullptr)),
      FAckEvent(CreateEventA(nullptr, FALSE, FALSE, nullptr)),
      FEndedEvent(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      FWindow(window),
      FMessage(message) {
  FSlots.reserve(kSlotCount + 1);
  FSlots.assign(kSlotCount, INVALID_HANDLE_VALUE);
  SetFreeOnTerminate(false);
  Resume();
}

TChangeHandlerThread::~TChangeHandlerThread() {
  // The end command needs no earlier answer: the worker reads the command
  // only after the command event, and this is the last one.
  FCommand = cmdEnd;
  SetEvent(FCommandEvent);
  WaitForSingleObject(FEndedEvent, kEndWait);
  // The worker uses the slots up to its end.
  Terminate();
  WaitFor();
  std::vector<HANDLE> open;
  for (HANDLE h : FSlots)
    if (h != INVALID_HANDLE_VALUE) open.push_back(h);
  if (FPendingHandle != INVALID_HANDLE_VALUE) open.push_back(FPendingHandle);
  FSlots.clear();
  CloseHandle(FCommandEvent);
  CloseHandle(FAckEvent);
  CloseHandle(FEndedEvent);
  for (HANDLE h : open) FindCloseChangeNotification(h);
}

bool TChangeHandlerThread::SendCommand(BYTE command) {
  if (FAwaitingAnswer) {
    // The last command is still being carried out: its fields stay as they
    // are until the worker has answered it.
    if (WaitForSingleObject(FAckEvent, kCommandWait) != WAIT_OBJECT_0) return false;
    FAwaitingAnswer = false;
  }
  FCommand = command;
  SetEvent(FCommandEvent);
  if (WaitForSingleObject(FAckEvent, kCommandWait) != WAIT_OBJECT_0) {
    FAwaitingAnswer = true;
    return false;
  }
  return true;
}

bool TChangeHandlerThread::AddWatch(const std::string& path, DWORD filter, int& slot, bool subtree) {
  if (path.empty()) return false;
  HANDLE handle = FindFirstChangeNotificationA(path.c_str(), subtree, filter);
  if (handle == INVALID_HANDLE_VALUE) return false;
  if (FAwaitingAnswer) {
    if (WaitForSingleObject(FAckEvent, kCommandWait) != WAIT_OBJECT_0) {
      FindCloseChangeNotification(handle);
      return false;
    }
    FAwaitingAnswer = false;
  }
  FPendingHandle = handle;
  if (!SendCommand(cmdAdd)) return false;
  slot = FResultSlot;
  return FResultSlot != -1;
}

void TChangeHandlerThread::ClearWatches() {
  SendCommand(cmdClear);
}

void TChangeHandlerThread::CloseSlot(int slot) {
  FindCloseChangeNotification(FSlots[static_cast<std::size_t>(slot)]);
  FSlots[static_cast<std::size_t>(slot)] = INVALID_HANDLE_VALUE;
}

void TChangeHandlerThread::CarryOut(BYTE command) {
  switch (command) {
    case cmdAdd: {
      FResultSlot = -1;
      for (int i = 0; i < kSlotCount; ++i) {
        if (FSlots[static_cast<std::size_t>(i)] != INVALID_HANDLE_VALUE) continue;
        FSlots[static_cast<std::size_t>(i)] = FPendingHandle;
        FResultSlot = i;
        break;
      }
      // A watch that finds no slot is closed: nobody would ever wait on it.
      if (FResultSlot == -1 && FPendingHandle != INVALID_HANDLE_VALUE) FindCloseChangeNotification(FPendingHandle);
      FPendingHandle = INVALID_HANDLE_VALUE;
      break;
    }
    case cmdClear:
      for (int i = 0; i < kSlotCount; ++i)
        if (FSlots[static_cast<std::size_t>(i)] != INVALID_HANDLE_VALUE) CloseSlot(i);
      break;
    default: break;
  }
}

bool TChangeHandlerThread::TakeCommand() {
  const BYTE command = FCommand;
  if (command == cmdEnd) return false;
  if (FHooks.BeforeCommand) FHooks.BeforeCommand();
  CarryOut(command);
  SetEvent(FAckEvent);
  return true;
}

void TChangeHandlerThread::Execute() {
  HANDLE handles[kSlotCount + 1];
  int slotAt[kSlotCount + 1];
  for (;;) {
    DWORD count = 0;
    handles[count++] = FCommandEvent;
    for (int i = 0; i < kSlotCount; ++i) {
      if (FSlots[static_cast<std::size_t>(i)] == INVALID_HANDLE_VALUE) continue;
      slotAt[count] = i;
      handles[count++] = FSlots[static_cast<std::size_t>(i)];
    }
    const DWORD result =
        FHooks.Wait ? FHooks.Wait(count, handles) : WaitForMultipleObjects(count, handles, FALSE, INFINITE);
    if (result == WAIT_OBJECT_0) {
      if (!TakeCommand()) break;
    } else if (result > WAIT_OBJECT_0 && result < WAIT_OBJECT_0 + count) {
      const int slot = slotAt[result - WAIT_OBJECT_0];
      if (FWindow) PostMessageA(FWindow, FMessage, static_cast<WPARAM>(slot), 0);
      if (!FindNextChangeNotification(FSlots[static_cast<std::size_t>(slot)])) CloseSlot(slot);
    } else if (result > WAIT_ABANDONED_0 && result < WAIT_ABANDONED_0 + count) {
      CloseSlot(slotAt[result - WAIT_ABANDONED_0]);
    } else if (result == WAIT_FAILED) {
      // A command that comes during the rest is answered at once: the next
      // wait may fail again, and the command would never be carried out.
      if (WaitForSingleObject(FCommandEvent, kFailedWaitRest) == WAIT_OBJECT_0 && !TakeCommand()) break;
    }
  }
  SetEvent(FEndedEvent);
}
