// Four threads post and send messages to windows that the window thread
// creates and destroys meanwhile. Every message to a window that lives
// until its turn arrives exactly once, none reaches a destroyed window, and
// nothing hangs: every loop is bounded by counts, never by time.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <map>
#include <set>
#include <thread>
#include <vector>

#include "platform/win/windows.h"

namespace {

#if defined(__SANITIZE_THREAD__)
constexpr int kPerThread = 5'000;  // the thread sanitizer runs each access slowly
#else
constexpr int kPerThread = 25'000;
#endif
constexpr int kThreads = 4;
constexpr int kSlots = 6;  // windows the workers aim at
constexpr int kLasting = 2;  // slots 0 and 1 keep their window the whole time
constexpr UINT kPosted = WM_APP + 1;
constexpr UINT kSent = WM_APP + 2;
constexpr LRESULT kDelivered = 0x5EED;

LPARAM Tag(int thread, int seq) {
  return static_cast<LPARAM>((static_cast<std::uint64_t>(thread) << 32) | static_cast<std::uint32_t>(seq));
}

// What the window thread saw; touched by the window procedure only.
struct Seen {
  std::map<HWND, bool> alive;  // false after WM_NCDESTROY
  std::map<LPARAM, std::vector<HWND>> received;  // tag -> windows that got it
  int afterDeath = 0;
  int unknownWindow = 0;
};
Seen* g_seen = nullptr;

LRESULT CALLBACK TargetProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kPosted || msg == kSent) {
    auto it = g_seen->alive.find(hwnd);
    if (it == g_seen->alive.end())
      g_seen->unknownWindow++;
    else if (!it->second)
      g_seen->afterDeath++;
    g_seen->received[lParam].push_back(hwnd);
    return msg == kSent ? kDelivered : 0;
  }
  if (msg == WM_NCDESTROY) g_seen->alive[hwnd] = false;
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

struct Attempt {
  HWND hwnd;
  LPARAM tag;
  bool sent;
  LRESULT result;  // PostMessageA's BOOL or SendMessageA's answer
};

HWND MakeTarget(Seen& seen) {
  HWND h = CreateWindowExA(0, "StressTarget", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  seen.alive[h] = true;
  return h;
}

// Handles one waiting message (and whatever was sent meanwhile); false when
// there was none.
bool HandleOne() {
  MSG m;
  if (!PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) return false;
  DispatchMessageA(&m);
  return true;
}

void HandleAll() {
  while (HandleOne()) {}
}

TEST(WindowManagerStress, PostsAndSendsFromFourThreadsWhileWindowsComeAndGo) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = TargetProc;
  wc.lpszClassName = "StressTarget";
  RegisterClassA(&wc);
  Seen seen;
  g_seen = &seen;

  std::array<std::atomic<HWND>, kSlots> slots;
  for (auto& s : slots) s = MakeTarget(seen);
  std::set<HWND> destroyed;

  std::atomic<int> finished{0};
  // The workers keep pace with the window thread's replacements, so windows
  // die while messages are on the way however the threads are scheduled.
  constexpr int kMinChurn = 20;
  std::atomic<int> churnedSoFar{0};
  std::vector<std::vector<Attempt>> logs(kThreads);
  std::vector<std::thread> workers;
  for (int t = 0; t < kThreads; ++t) {
    workers.emplace_back([&, t] {
      auto& log = logs[static_cast<size_t>(t)];
      log.reserve(kPerThread);
      for (int i = 0; i < kPerThread; ++i) {
        while (churnedSoFar.load() < i * kMinChurn / kPerThread) std::this_thread::yield();
        HWND h = slots[static_cast<size_t>((i * 7 + t) % kSlots)].load();
        LPARAM tag = Tag(t, i);
        bool send = i % 4 == t % 4;  // a quarter of them are sent
        LRESULT r = send ? SendMessageA(h, kSent, 0, tag) : PostMessageA(h, kPosted, 0, tag);
        log.push_back({h, tag, send, r});
      }
      finished++;
    });
  }

  // The window thread: handles one message at a time and replaces a window
  // every so many rounds, so that windows die while messages are on the way.
  const long long kMaxRounds = 100'000'000;
  long long rounds = 0;
  int churned = 0;
  while (finished.load() < kThreads && rounds++ < kMaxRounds) {
    HandleOne();
    if (rounds % 64 == 0) {
      size_t slot = static_cast<size_t>(kLasting + churned % (kSlots - kLasting));
      HWND old = slots[slot].exchange(MakeTarget(seen));
      DestroyWindow(old);
      destroyed.insert(old);
      churned++;
      churnedSoFar = churned;
      // The pointer moves too: every post reads its position.
      SetCursorPos(churned % 200, 300);
    }
  }
  ASSERT_LT(rounds, kMaxRounds) << "the workers did not finish";
  for (auto& w : workers) w.join();
  HandleAll();
  for (auto& s : slots) {
    DestroyWindow(s.load());
    destroyed.insert(s.load());
  }
  HandleAll();
  g_seen = nullptr;

  EXPECT_GE(churned, kMinChurn - 1);
  EXPECT_EQ(0, seen.afterDeath);
  EXPECT_EQ(0, seen.unknownWindow);
  std::set<HWND> lasting;
  for (size_t i = 0; i < static_cast<size_t>(kLasting); ++i) lasting.insert(slots[i].load());
  int arrived = 0, lost = 0;
  for (const auto& log : logs) {
    for (const Attempt& a : log) {
      auto it = seen.received.find(a.tag);
      const std::vector<HWND> none;
      const std::vector<HWND>& got = it == seen.received.end() ? none : it->second;
      ASSERT_LE(got.size(), 1u) << "a message arrived twice";
      if (!got.empty()) {
        EXPECT_EQ(a.hwnd, got[0]) << "a message reached another window";
      }
      bool accepted = a.sent ? a.result == kDelivered : a.result != 0;
      if (a.sent) {
        EXPECT_EQ(accepted, !got.empty()) << "a sender's answer differs from what arrived";
      }
      if (!got.empty()) {
        EXPECT_TRUE(accepted);
        arrived++;
        continue;
      }
      // Only a window destroyed before its turn loses a message.
      lost++;
      EXPECT_FALSE(lasting.count(a.hwnd)) << "a message to a window that lived throughout was lost";
      EXPECT_TRUE(destroyed.count(a.hwnd));
    }
  }
  EXPECT_EQ(kThreads * kPerThread, arrived + lost);
  // A third of the messages aim at the two lasting windows.
  EXPECT_GE(arrived, kThreads * kPerThread * kLasting / kSlots);
}

// A broadcast from a worker reaches each top-level window of the window
// thread once, posted or sent, and no child window.
constexpr UINT kBroadcast = WM_APP + 3;
std::map<HWND, int>* g_broadcasts = nullptr;

LRESULT CALLBACK BroadcastProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kBroadcast && g_broadcasts) (*g_broadcasts)[hwnd]++;
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

TEST(WindowManagerThreads, BroadcastFromAWorkerReachesEachTopLevelWindowOnce) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = BroadcastProc;
  wc.lpszClassName = "BroadcastTarget";
  RegisterClassA(&wc);
  std::map<HWND, int> got;
  g_broadcasts = &got;
  HWND a = CreateWindowExA(0, "BroadcastTarget", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  HWND b = CreateWindowExA(0, "BroadcastTarget", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  HWND child = CreateWindowExA(0, "BroadcastTarget", "", WS_CHILD, 0, 0, 5, 5, a, nullptr, nullptr, nullptr);
  for (bool send : {false, true}) {
    got.clear();
    std::atomic<bool> done{false};
    std::thread worker([&] {
      if (send)
        SendMessageA(HWND_BROADCAST, kBroadcast, 0, 0);
      else
        PostMessageA(HWND_BROADCAST, kBroadcast, 0, 0);
      done = true;
    });
    for (long long i = 0; !done && i < 100'000'000; ++i) HandleAll();
    worker.join();
    HandleAll();
    EXPECT_EQ(1, got[a]) << (send ? "sent" : "posted");
    EXPECT_EQ(1, got[b]) << (send ? "sent" : "posted");
    EXPECT_EQ(0, got[child]) << (send ? "sent" : "posted");
  }
  DestroyWindow(a);
  DestroyWindow(b);
  HandleAll();
  g_broadcasts = nullptr;
}

}  // namespace
