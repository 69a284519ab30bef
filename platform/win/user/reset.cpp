// Putting the window manager back to a clean start between tests.
#include "platform/win/user/wm_state.h"

namespace win::user {

void ResetWindowManager() {
  WindowManagerState& s = WM();
  const DWORD self = CurrentThreadId();
  for (const WindowRef& top : RefsOf(s.topLevels))
    if (Window* w = top.Get(); w && w->threadId == self) DestroyWindow(w->handle);
  std::vector<HMENU> menus;
  for (auto& [value, menu] : s.menus) menus.push_back(menu->handle);
  for (HMENU m : menus) DestroyMenu(m);

  s.focus = FocusState{};
  s.cascade = 0;
  s.buttons = 0;
  s.mouseFilter = nullptr;
  s.lastClick = LastClick{};
  s.tracking = MouseTracking{};
  s.underPointer = nullptr;
  s.rawEvents.clear();
  s.altAlone = false;
  s.cursorPos.store(POINT{});
  {
    std::lock_guard lock(s.keysMutex);
    s.keys.fill(0);
  }
  s.cursor = nullptr;
  s.cursorShowCount = 0;
  s.cursorClip = RECT{};
  s.cursorClipped = false;
  s.dirty.clear();
  s.lockedUpdate = nullptr;
  s.messageBoxAnswer = nullptr;
  s.messageBoxRecords.clear();
  s.idleHook = nullptr;
  {
    std::lock_guard lock(s.beepMutex);
    s.beeps.clear();
  }

  // The thread's queue: nothing left waiting, and nobody left waiting on it.
  Queue& q = CurrentQueue();
  std::deque<std::shared_ptr<SentMessage>> sent;
  {
    std::lock_guard lock(q.m);
    q.posted.clear();
    q.input.clear();
    sent.swap(q.sent);
    q.quit = false;
    q.quitCode = 0;
  }
  for (auto& m : sent) {
    if (m->notifyOnly) continue;
    Queue& sender = QueueOf(m->senderThread);
    {
      std::lock_guard lock(sender.m);
      m->result = 0;
      m->done = true;
    }
    WakeQueue(sender);
  }
  q.timers.clear();
  q.exceptionHandler = nullptr;
}

}  // namespace win::user
