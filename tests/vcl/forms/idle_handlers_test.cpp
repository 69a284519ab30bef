// Several idle handlers share the application's idle pass: OnIdle and the
// handlers components register. The pass survives handlers that change the
// list or free their owners while it runs, and what the handlers say
// (done, a time to be woken) decides how long the loop's wait lasts.
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "fixture.h"
#include "tests/support/SleepingLoop.h"

namespace formstest {
namespace {

// A component with an idle handler that records its name; its destruction
// takes the handler away, as a component's does.
class IdleUser : public TComponent {
 public:
  IdleUser(const std::string& name, std::string& calls) : TComponent(nullptr) {
    Register(name, calls, [] {});
  }
  ~IdleUser() override { Application->RemoveIdleHandler(this); }

  // Registers (again) a handler that runs `action` in its first pass, then
  // records the name. The handler holds its own copies: it reads them after
  // the action, which may have freed this component and removed the handler.
  void Register(const std::string& name, std::string& calls, std::function<void()> action) {
    auto first = std::make_shared<bool>(true);
    Application->AddIdleHandler(this, [name, &calls, action, first](TObject*, bool&) {
      if (std::exchange(*first, false)) action();
      calls += name;
    });
  }
};

struct Users {
  std::string calls;
  IdleUser* a = nullptr;
  IdleUser* b = nullptr;
  IdleUser* c = nullptr;
  IdleUser* d = nullptr;
  ~Users() {
    for (IdleUser* user : {a, b, c, d}) delete user;
  }
};

void Free(IdleUser*& user) {
  delete std::exchange(user, nullptr);
}

// One idle pass; the test's own OnIdle posts a message so that the wait
// after the pass ends at once (the clock stands still).
void IdlePass() {
  Application->OnIdle = [](TObject*, bool&) { PostMessageA(Application->GetHandle(), WM_NULL, 0, 0); };
  Application->Idle();
  Application->ProcessMessages();
}

struct ListChange {
  const char* what;
  // What a's handler does in its first pass, before recording.
  void (*action)(Users& u);
  const char* firstPass;
  const char* secondPass;
};

std::ostream& operator<<(std::ostream& os, const ListChange& c) {
  return os << c.what;
}

const ListChange kListChanges[] = {
    {"removes a later handler", [](Users& u) { Application->RemoveIdleHandler(u.c); }, "ab", "ab"},
    {"frees a later handler's owner", [](Users& u) { Free(u.b); }, "ac", "ac"},
    {"removes its own handler", [](Users& u) { Application->RemoveIdleHandler(u.a); }, "abc", "bc"},
    {"frees its own owner", [](Users& u) { Free(u.a); }, "abc", "bc"},
    {"adds a handler", [](Users& u) { u.d = new IdleUser("d", u.calls); }, "abc", "abcd"},
    {"replaces a later handler", [](Users& u) { u.c->Register("C", u.calls, [] {}); }, "abC", "abC"},
};

class IdleHandlerList : public FormsTest, public ::testing::WithParamInterface<ListChange> {};

TEST_P(IdleHandlerList, APassTakesChangesMadeDuringItSafely) {
  const ListChange& change = GetParam();
  Users u;
  u.a = new IdleUser("a", u.calls);
  u.b = new IdleUser("b", u.calls);
  u.c = new IdleUser("c", u.calls);
  u.a->Register("a", u.calls, [&u, &change] { change.action(u); });
  IdlePass();
  EXPECT_EQ(u.calls, change.firstPass);
  u.calls.clear();
  IdlePass();
  EXPECT_EQ(u.calls, change.secondPass);
}

INSTANTIATE_TEST_SUITE_P(Changes, IdleHandlerList, ::testing::ValuesIn(kListChanges));

// What one handler says in a pass: done or not, and a time to be woken (in
// microseconds from the pass), if any.
struct Says {
  bool done;
  std::optional<std::uint64_t> wakeAfter = std::nullopt;
};

// Until then nothing but a message ends the wait; the driver posts one then.
constexpr std::uint64_t kMessageAfter = 5000;

struct WaitCase {
  const char* what;
  std::vector<Says> handlers;  // the first is OnIdle, the others registered
  std::uint64_t waitEndsAfter;  // microseconds from the pass
};

std::ostream& operator<<(std::ostream& os, const WaitCase& c) {
  return os << c.what;
}

const WaitCase kWaitCases[] = {
    {"every handler done: only a message ends the wait", {{true}, {true}, {true}}, kMessageAfter},
    {"one not done: the next millisecond", {{true}, {true}, {false}}, 1000},
    {"a time asked for bounds the wait though all are done", {{true}, {true, 3000}}, 3000},
    {"the earliest time asked for wins", {{true}, {false, 3000}, {true, 2000}, {false, 4000}}, 2000},
    {"OnIdle's time counts as any handler's", {{false, 2500}, {true}}, 2500},
    {"not done without a time comes back at the next millisecond", {{true}, {false}, {false, 3000}}, 1000},
    {"a time before the next millisecond still counts", {{true}, {false}, {true, 500}}, 500},
};

class IdleWait : public FormsTest, public ::testing::WithParamInterface<WaitCase> {};

// The loop's wait runs for real on this thread; another moves the clock a
// quarter of a millisecond at a time while the loop sleeps.
TEST_P(IdleWait, WhatTheHandlersSayDecidesWhenTheWaitEnds) {
  const WaitCase& c = GetParam();
  const std::uint64_t start = win::clock::NowMicros();
  std::atomic<bool> passRan{false};
  auto handlerSaying = [&](Says says) {
    return [&, says](TObject*, bool& done) {
      done = says.done;
      if (says.wakeAfter) Application->WakeNoLaterThan(start + *says.wakeAfter);
      passRan = true;
    };
  };
  Application->OnIdle = handlerSaying(c.handlers[0]);
  std::vector<int> owners(c.handlers.size());
  for (std::size_t i = 1; i < c.handlers.size(); ++i)
    Application->AddIdleHandler(&owners[i], handlerSaying(c.handlers[i]));
  Pump();
  const DWORD loopThread = GetCurrentThreadId();
  const testsupport::SleepingLoop loop;
  std::atomic<bool> returned{false};
  std::thread driver([&] {
    while (!passRan) std::this_thread::yield();
    while (!returned) {
      if (win::clock::NowMicros() - start >= kMessageAfter) {
        PostThreadMessageA(loopThread, WM_APP, 0, 0);
        return;
      }
      loop.AdvanceWhileAsleep(250);
    }
  });
  Application->Idle();
  const std::uint64_t endedAfter = win::clock::NowMicros() - start;
  returned = true;
  driver.join();
  EXPECT_EQ(endedAfter, c.waitEndsAfter);
  for (int& owner : owners) Application->RemoveIdleHandler(&owner);
}

INSTANTIATE_TEST_SUITE_P(Cases, IdleWait, ::testing::ValuesIn(kWaitCases));

}  // namespace
}  // namespace formstest
