#include "platform/win/user/queue.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <map>

#include "platform/host/host.h"
#include "platform/win/winbase.h"
#include "platform/win/kernel/clock.h"
#include "platform/win/user/input.h"
#include "platform/win/user/paint.h"
#include "platform/win/user/scope_exit.h"
#include "platform/win/user/window.h"
#include "platform/win/user/wm_state.h"
#include "platform/win/user/wndproc_exception.h"

namespace win::user {
namespace {

std::mutex& RegistryMutex() {
  return WM().queuesMutex;
}
std::map<DWORD, std::unique_ptr<Queue>>& Registry() {
  return WM().queues;
}

// Wakes every waiting queue when the manual clock moves, so that timed waits
// and timers notice the new time.
void EnsureClockListener() {
  static bool added = [] {
    clock::AddAdvanceListener([] {
      std::lock_guard lock(RegistryMutex());
      for (auto& [id, q] : Registry()) WakeQueue(*q);
    });
    return true;
  }();
  (void)added;
}

bool Matches(const MSG& m, HWND filter, UINT lo, UINT hi) {
  if (filter == reinterpret_cast<HWND>(-1)) {
    if (m.hwnd) return false;
  } else if (filter && m.hwnd != filter && !IsChild(filter, m.hwnd)) {
    // A window filter takes the window's children's messages too.
    return false;
  }
  if (lo == 0 && hi == 0) return true;
  return m.message >= lo && m.message <= hi;
}

bool RangeHas(UINT msg, UINT lo, UINT hi) {
  return (lo == 0 && hi == 0) || (msg >= lo && msg <= hi);
}

// A message for a window that died while it waited is dropped.
bool Deliverable(const MSG& m) {
  return !m.hwnd || FromHandle(m.hwnd);
}

}  // namespace

DWORD TickMillis() {
  return static_cast<DWORD>(clock::NowMicros() / 1000);
}

Queue& QueueOf(DWORD threadId) {
  EnsureClockListener();
  std::lock_guard lock(RegistryMutex());
  auto& slot = Registry()[threadId];
  if (!slot) {
    slot = std::make_unique<Queue>();
    slot->threadId = threadId;
  }
  return *slot;
}

Queue& CurrentQueue() {
  thread_local Queue* q = nullptr;
  if (!q) q = &QueueOf(CurrentThreadId());
  return *q;
}

bool IsHostThread() {
  return WM().hostThread.load() == CurrentThreadId();
}

void ClaimHostThread() {
  DWORD none = 0;
  WM().hostThread.compare_exchange_strong(none, CurrentThreadId());
}

void WakeQueue(Queue& q) {
  {
    std::lock_guard lock(q.m);
    q.woken = true;
  }
  q.cv.notify_all();
  if (WM().hostThread.load() == q.threadId) host::Get().Wake();
}

void PostInput(const MSG& msg) {
  Queue& q = CurrentQueue();
  std::lock_guard lock(q.m);
  q.input.push_back(msg);
}

LRESULT CallWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* w = FromHandle(hwnd);
  if (!w || !w->proc) return 0;
  return w->proc(hwnd, msg, wParam, lParam);
}

// Answers the thread waiting for a sent message and wakes it.
static void Reply(SentMessage& s, LRESULT result) {
  Queue& sender = QueueOf(s.senderThread);
  {
    std::lock_guard lock(sender.m);
    if (s.done) return;
    s.result = result;
    s.done = true;
  }
  WakeQueue(sender);
}

bool ProcessSentMessages() {
  Queue& q = CurrentQueue();
  bool any = false;
  for (;; any = true) {
    std::shared_ptr<SentMessage> s;
    {
      std::lock_guard lock(q.m);
      if (q.sent.empty()) return any;
      s = q.sent.front();
      q.sent.pop_front();
    }
    LRESULT r = 0;
    std::exception_ptr error;
    {
      SentMessage* outer = std::exchange(q.current, s.get());
      ScopeExit restore([&] { q.current = outer; });
      try {
        r = CallWndProc(s->hwnd, s->msg, s->wParam, s->lParam);
      } catch (...) {
        // Never into the sender's thread: it gets 0, the exception stays here.
        error = std::current_exception();
      }
    }
    Reply(*s, r);
    if (error) {
      if (!q.exceptionHandler) std::rethrow_exception(error);
      auto handler = q.exceptionHandler;  // the handler may replace itself
      handler(error);
    }
  }
}

void SetWndProcExceptionHandler(WndProcExceptionHandler handler) {
  CurrentQueue().exceptionHandler = std::move(handler);
}

void KillWindowTimers(HWND hwnd) {
  Window* w = FromHandle(hwnd);
  Queue& q = w ? QueueOf(w->threadId) : CurrentQueue();
  std::erase_if(q.timers, [hwnd](const Timer& t) { return t.hwnd == hwnd; });
}

void PurgeWindowMessages(HWND hwnd) {
  Window* w = FromHandle(hwnd);
  Queue& q = w ? QueueOf(w->threadId) : CurrentQueue();
  std::lock_guard lock(q.m);
  std::erase_if(q.posted, [hwnd](const MSG& m) { return m.hwnd == hwnd; });
  std::erase_if(q.input, [hwnd](const MSG& m) { return m.hwnd == hwnd; });
}

static const Timer* DueTimer(Queue& q, HWND filter, std::uint64_t now) {
  const Timer* best = nullptr;
  for (const Timer& t : q.timers) {
    if (t.dueMicros > now) continue;
    if (filter == reinterpret_cast<HWND>(-1) && t.hwnd) continue;
    if (filter && filter != reinterpret_cast<HWND>(-1) && t.hwnd != filter) continue;
    if (!best || t.dueMicros < best->dueMicros) best = &t;
  }
  return best;
}

bool QueueHasWork() {
  Queue& q = CurrentQueue();
  {
    std::lock_guard lock(q.m);
    if (!q.sent.empty() || !q.posted.empty() || !q.input.empty() || q.quit) return true;
  }
  if (IsHostThread() && HostEventsPending()) return true;
  if (NextWindowToPaint(q.threadId, nullptr)) return true;
  return DueTimer(q, nullptr, clock::NowMicros()) != nullptr;
}

static std::optional<std::uint64_t> NextTimerDue(Queue& q) {
  std::optional<std::uint64_t> due;
  for (const Timer& t : q.timers)
    if (!due || t.dueMicros < *due) due = t.dueMicros;
  return due;
}

constexpr int kManualClockSliceMs = 20;
constexpr int kLostWakeSliceMs = 1000;

bool WaitForQueue(std::optional<std::uint64_t> deadline, bool oneSlice) {
  Queue& q = CurrentQueue();
  for (;;) {
    // Sent messages handled while waiting count as something that came.
    if (ProcessSentMessages()) return true;
    if (IsHostThread()) PumpHostEvents();
    if (QueueHasWork()) return true;
    std::uint64_t now = clock::NowMicros();
    std::optional<std::uint64_t> until = deadline;
    if (auto t = NextTimerDue(q); t && (!until || *t < *until)) until = t;
    if (until && now >= *until) return deadline && now >= *deadline ? QueueHasWork() : true;
    // Every source of work wakes the queue (posts, sends, replies, host
    // events, quit signals, a manual clock's moves), so on the real clock the
    // thread sleeps until the next deadline: a playing program wakes for its
    // ticks, not fifty times a second. The one-second slice only keeps a
    // wake-up lost by a fault from hanging the loop. On a manual clock the
    // seam, not the slice, decides when a deadline has passed.
    int sliceMs = clock::IsManual() ? kManualClockSliceMs : kLostWakeSliceMs;
    if (until && !clock::IsManual())
      sliceMs = static_cast<int>(std::min<std::uint64_t>(kLostWakeSliceMs, (*until - now + 999) / 1000));
    if (IsHostThread()) {
      {
        std::lock_guard lock(q.m);
        if (q.woken) {
          q.woken = false;
          continue;
        }
      }
      host::Get().WaitEvent(oneSlice ? 1 : sliceMs);
      std::lock_guard lock(q.m);
      q.woken = false;
    } else {
      std::unique_lock lock(q.m);
      q.cv.wait_for(lock, std::chrono::milliseconds(oneSlice ? 1 : sliceMs), [&] { return q.woken; });
      q.woken = false;
    }
    if (oneSlice) return QueueHasWork();
  }
}

// Fills msg with the next message by the queue's priorities: sent messages
// are handled first, then posted, input, quit, WM_PAINT and WM_TIMER.
static bool PeekInternal(LPMSG msg, HWND filter, UINT lo, UINT hi, bool remove) {
  Queue& q = CurrentQueue();
  ProcessSentMessages();
  if (IsHostThread()) PumpHostEvents();
  for (;;) {
    std::unique_lock lock(q.m);
    bool found = false;
    for (auto* list : {&q.posted, &q.input}) {
      for (auto it = list->begin(); it != list->end();) {
        if (!Deliverable(*it)) {
          it = list->erase(it);
          continue;
        }
        if (Matches(*it, filter, lo, hi)) {
          *msg = *it;
          if (remove) list->erase(it);
          q.lastTime = msg->time;
          q.lastPos = msg->pt;
          found = true;
          break;
        }
        ++it;
      }
      if (found) return true;
    }
    lock.unlock();
    // Raw input from the host becomes messages one event at a time.
    if (!IsHostThread() || !ConvertNextHostEvent()) break;
  }
  {
    std::unique_lock lock(q.m);
    if (q.quit && RangeHas(WM_QUIT, lo, hi)) {
      *msg = MSG{};
      msg->message = WM_QUIT;
      msg->wParam = static_cast<WPARAM>(q.quitCode);
      msg->time = TickMillis();
      if (remove) q.quit = false;
      return true;
    }
  }
  if (RangeHas(WM_PAINT, lo, hi)) {
    HWND f = filter == reinterpret_cast<HWND>(-1) ? nullptr : filter;
    if (filter != reinterpret_cast<HWND>(-1)) {
      if (Window* w = NextWindowToPaint(q.threadId, f)) {
        *msg = MSG{};
        msg->hwnd = w->handle;
        msg->message = WM_PAINT;
        msg->time = TickMillis();
        msg->pt = CursorScreenPos();
        return true;
      }
    }
    FlushPresents();
  }
  if (RangeHas(WM_TIMER, lo, hi)) {
    std::uint64_t now = clock::NowMicros();
    if (const Timer* t = DueTimer(q, filter, now)) {
      *msg = MSG{};
      msg->hwnd = t->hwnd;
      msg->message = WM_TIMER;
      msg->wParam = t->id;
      msg->lParam = reinterpret_cast<LPARAM>(t->proc);
      msg->time = static_cast<DWORD>(now / 1000);
      msg->pt = CursorScreenPos();
      // No catching up: the next one is one interval from now.
      if (remove) const_cast<Timer*>(t)->dueMicros = now + std::uint64_t(t->interval) * 1000;
      return true;
    }
  }
  return false;
}

}  // namespace win::user

using namespace win::user;

BOOL PeekMessageA(LPMSG msg, HWND hwnd, UINT lo, UINT hi, UINT flags) {
  MSG dummy;
  return PeekInternal(msg ? msg : &dummy, hwnd, lo, hi, (flags & PM_REMOVE) != 0);
}

BOOL GetMessageA(LPMSG msg, HWND hwnd, UINT lo, UINT hi) {
  MSG dummy;
  if (!msg) msg = &dummy;
  for (;;) {
    if (PeekInternal(msg, hwnd, lo, hi, true)) return msg->message != WM_QUIT;
    WaitForQueue(std::nullopt);
    // A filtered GetMessage must not spin on messages it cannot take.
    if ((hwnd || lo || hi) && !PeekInternal(msg, hwnd, lo, hi, false)) {
      Queue& q = CurrentQueue();
      std::unique_lock lock(q.m);
      q.cv.wait_for(lock, std::chrono::milliseconds(5));
    }
  }
}

LRESULT DispatchMessageA(const MSG* msg) {
  if (!msg) return 0;
  if (msg->message == WM_TIMER && msg->lParam) {
    auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
    proc(msg->hwnd, WM_TIMER, msg->wParam, TickMillis());
    return 0;
  }
  if (!msg->hwnd) return 0;
  return CallWndProc(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (hwnd == HWND_BROADCAST) {
    for (auto [top, thread] : TopLevelThreads()) SendNotifyMessageA(top, msg, wParam, lParam);
    return 0;
  }
  DWORD thread = ThreadOfWindow(hwnd);
  if (!thread) return 0;
  if (thread == CurrentThreadId()) return CallWndProc(hwnd, msg, wParam, lParam);
  auto s = std::make_shared<SentMessage>();
  s->hwnd = hwnd;
  s->msg = msg;
  s->wParam = wParam;
  s->lParam = lParam;
  s->senderThread = CurrentThreadId();
  Queue& target = QueueOf(thread);
  {
    std::lock_guard lock(target.m);
    target.sent.push_back(s);
  }
  WakeQueue(target);
  // While waiting, handle what others send to this thread, so that two
  // threads sending to each other do not lock up.
  Queue& self = CurrentQueue();
  for (;;) {
    ProcessSentMessages();
    {
      std::unique_lock lock(self.m);
      if (s->done) return s->result;
      self.cv.wait_for(lock, std::chrono::milliseconds(20), [&] { return s->done || !self.sent.empty(); });
      if (s->done) return s->result;
    }
    // A window destroyed meanwhile answers no more; an answer it gave before
    // it went still counts (its thread replies before it destroys).
    if (!IsWindow(hwnd)) {
      std::lock_guard lock(self.m);
      return s->done ? s->result : 0;
    }
  }
}

BOOL SendNotifyMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  DWORD thread = ThreadOfWindow(hwnd);
  if (!thread) return FALSE;
  if (thread == CurrentThreadId()) {
    CallWndProc(hwnd, msg, wParam, lParam);
    return TRUE;
  }
  auto s = std::make_shared<SentMessage>();
  s->hwnd = hwnd;
  s->msg = msg;
  s->wParam = wParam;
  s->lParam = lParam;
  s->notifyOnly = true;
  s->done = true;  // nobody waits for the answer
  Queue& target = QueueOf(thread);
  {
    std::lock_guard lock(target.m);
    target.sent.push_back(s);
  }
  WakeQueue(target);
  return TRUE;
}

static BOOL PostTo(DWORD threadId, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Queue& q = QueueOf(threadId);
  MSG m{};
  m.hwnd = hwnd;
  m.message = msg;
  m.wParam = wParam;
  m.lParam = lParam;
  m.time = TickMillis();
  m.pt = CursorScreenPos();
  {
    std::lock_guard lock(q.m);
    q.posted.push_back(m);
  }
  WakeQueue(q);
  return TRUE;
}

BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!hwnd) return PostTo(CurrentThreadId(), nullptr, msg, wParam, lParam);
  if (hwnd == HWND_BROADCAST) {
    for (auto [top, thread] : TopLevelThreads()) PostTo(thread, top, msg, wParam, lParam);
    return TRUE;
  }
  DWORD thread = ThreadOfWindow(hwnd);
  if (!thread) return FALSE;
  return PostTo(thread, hwnd, msg, wParam, lParam);
}

BOOL PostThreadMessageA(DWORD threadId, UINT msg, WPARAM wParam, LPARAM lParam) {
  return PostTo(threadId, nullptr, msg, wParam, lParam);
}

void PostQuitMessage(int exitCode) {
  Queue& q = CurrentQueue();
  {
    std::lock_guard lock(q.m);
    q.quit = true;
    q.quitCode = exitCode;
  }
  WakeQueue(q);
}

BOOL WaitMessage() {
  WaitForQueue(std::nullopt);
  return TRUE;
}

// Kernel objects and the queue at once: the kernel's handles are polled
// without waiting between short waits on the queue, since the host's wait
// cannot watch kernel objects. Deadlines follow the clock seam.
DWORD MsgWaitForMultipleObjectsEx(DWORD count, const HANDLE* handles, DWORD ms, DWORD, DWORD flags) {
  std::optional<std::uint64_t> deadline;
  if (ms != INFINITE) deadline = win::clock::NowMicros() + std::uint64_t(ms) * 1000;
  bool waitAll = (flags & MWMO_WAITALL) != 0;
  for (;;) {
    if (count > 0) {
      DWORD r = WaitForMultipleObjects(count, handles, waitAll, 0);
      if (r < WAIT_OBJECT_0 + count) return r;
      if (r == WAIT_FAILED) return r;
    }
    if (QueueHasWork()) return WAIT_OBJECT_0 + count;
    if (deadline && win::clock::NowMicros() >= *deadline) return WAIT_TIMEOUT;
    if (WaitForQueue(deadline, count > 0)) return WAIT_OBJECT_0 + count;
  }
}

DWORD MsgWaitForMultipleObjects(DWORD count, const HANDLE* handles, BOOL waitAll, DWORD ms, DWORD wakeMask) {
  return MsgWaitForMultipleObjectsEx(count, handles, ms, wakeMask, waitAll ? MWMO_WAITALL : 0);
}

DWORD GetQueueStatus(UINT flags) {
  Queue& q = CurrentQueue();
  if (IsHostThread()) {
    PumpHostEvents();
    while (ConvertNextHostEvent()) {}
  }
  DWORD status = 0;
  {
    std::lock_guard lock(q.m);
    if (!q.sent.empty()) status |= QS_SENDMESSAGE;
    if (!q.posted.empty() || q.quit) status |= QS_POSTMESSAGE | QS_ALLPOSTMESSAGE;
    for (const MSG& m : q.input) {
      if (m.message == WM_MOUSEMOVE)
        status |= QS_MOUSEMOVE;
      else if (m.message >= WM_MOUSEFIRST && m.message <= WM_MOUSELAST)
        status |= QS_MOUSEBUTTON;
      else if (m.message >= WM_KEYFIRST && m.message <= WM_KEYLAST)
        status |= QS_KEY;
    }
  }
  if (NextWindowToPaint(q.threadId, nullptr)) status |= QS_PAINT;
  if (DueTimer(q, nullptr, win::clock::NowMicros())) status |= QS_TIMER;
  status &= flags;
  return (status << 16) | status;
}

BOOL GetInputState() {
  return (GetQueueStatus(QS_INPUT) & 0xFFFF) != 0;
}

BOOL InSendMessage() {
  SentMessage* s = CurrentQueue().current;
  return s && s->senderThread != CurrentThreadId();
}

BOOL ReplyMessage(LRESULT result) {
  SentMessage* s = CurrentQueue().current;
  // Only this thread answers, so `done` needs no lock to read here.
  if (!s || s->done) return FALSE;
  Reply(*s, result);
  return TRUE;
}

LONG GetMessageTime() {
  return static_cast<LONG>(CurrentQueue().lastTime);
}

DWORD GetMessagePos() {
  POINT p = CurrentQueue().lastPos;
  return static_cast<DWORD>(MAKELONG(p.x, p.y));
}

UINT RegisterWindowMessageA(LPCSTR name) {
  if (!name || !*name) return 0;
  std::string key(name);
  for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  std::lock_guard lock(WM().messageNamesMutex);
  auto& names = WM().messageNames;
  auto [it, added] = names.emplace(key, 0xC000 + static_cast<UINT>(names.size()));
  return it->second;
}

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
  if (hwnd && ThreadOfWindow(hwnd) != CurrentThreadId()) return 0;
  Queue& q = CurrentQueue();
  elapse = std::clamp<UINT>(elapse, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
  if (!hwnd) {
    // Thread timers get an id of their own; the given one is ignored
    // unless it names an existing thread timer.
    bool exists = std::any_of(q.timers.begin(), q.timers.end(), [&](const Timer& t) { return !t.hwnd && t.id == id; });
    if (!exists) id = ++WM().nextThreadTimer;
  }
  std::erase_if(q.timers, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
  q.timers.push_back({hwnd, id, elapse, proc, win::clock::NowMicros() + std::uint64_t(elapse) * 1000});
  return hwnd ? (id ? id : 1) : id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
  Queue& q = CurrentQueue();
  auto n = std::erase_if(q.timers, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
  return n ? TRUE : FALSE;
}
