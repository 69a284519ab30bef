// The per-thread message queue: posted, input and sent messages, timers, and
// the wait that ends when any of them (or a host event) arrives.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/win/winuser.h"

namespace win::user {

struct SentMessage {
  HWND hwnd = nullptr;
  UINT msg = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  LRESULT result = 0;
  bool done = false;
  bool notifyOnly = false;  // SendNotifyMessage: nobody waits
  DWORD senderThread = 0;
};

struct Timer {
  HWND hwnd = nullptr;
  UINT_PTR id = 0;
  UINT interval = 0;
  TIMERPROC proc = nullptr;
  std::uint64_t dueMicros = 0;
};

struct Queue {
  DWORD threadId = 0;
  std::mutex m;
  std::condition_variable cv;
  bool woken = false;
  std::deque<MSG> posted;
  std::deque<MSG> input;
  std::deque<std::shared_ptr<SentMessage>> sent;
  bool quit = false;
  int quitCode = 0;
  std::vector<Timer> timers;  // touched only by the owning thread
  // The sent message being handled (InSendMessage, ReplyMessage).
  SentMessage* current = nullptr;
  DWORD lastTime = 0;
  POINT lastPos{};
  // The thread's handler for exceptions from messages others sent.
  std::function<void(std::exception_ptr)> exceptionHandler;
};

Queue& QueueOf(DWORD threadId);
Queue& CurrentQueue();
// Wakes a thread waiting on its queue (safe from any thread).
void WakeQueue(Queue& q);

// The thread that talks to the host (the first one that made a window).
bool IsHostThread();
void ClaimHostThread();

// Appends an input message (mouse, keys) made from a host event.
void PostInput(const MSG& msg);

// Handles every sent message waiting for this thread; true when there was one.
// A window procedure that throws answers its sender 0; the exception goes to
// the thread's handler or, with none, on up from here.
bool ProcessSentMessages();
// Calls the window procedure now, on this thread.
LRESULT CallWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Waits until the queue has something or the clock seam passes the deadline
// (none: no limit). True when something is there.
bool WaitForQueue(std::optional<std::uint64_t> deadlineMicros, bool oneSlice = false);
// Whether a message is waiting (sent, posted, input, quit, paint or due timer).
bool QueueHasWork();

// Timers of a destroyed window go away with it.
void KillWindowTimers(HWND hwnd);
// Drops posted and input messages for a destroyed window.
void PurgeWindowMessages(HWND hwnd);

DWORD TickMillis();

}  // namespace win::user
