// The directory-change worker: posted messages for changes, the filters, the
// slot table's limit and clearing, and every handle closed at the end.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "controls/shell/UNavShConsts.h"
#include "controls/shell/UNavShellControls.h"
#include "platform/win/drums_ext.h"
#include "tests/shell/shared/ShellHome.h"
#include "tests/support/HeadlessApplication.h"

namespace {

constexpr DWORD kNames = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME;

int OpenDescriptors() {
  int count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) ++count;
  return count;
}

class ChangeHandlerThreadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::StartApplication("Change thread");
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TChangeThreadTarget";
    RegisterClassA(&wc);
    window = CreateWindowExA(0, "TChangeThreadTarget", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
  }
  void TearDown() override {
    DestroyWindow(window);
    testsupport::StopApplication();
  }

  // The next WM_FOLDERCONTENTSCHANGED for the window: waits for the worker's
  // post with a generous bound, without sleeping a fixed time.
  bool NextChange(WPARAM& slot, std::chrono::milliseconds bound = std::chrono::seconds(10)) {
    const auto deadline = std::chrono::steady_clock::now() + bound;
    MSG m;
    while (std::chrono::steady_clock::now() < deadline) {
      if (PeekMessageA(&m, window, WM_FOLDERCONTENTSCHANGED, WM_FOLDERCONTENTSCHANGED, PM_REMOVE)) {
        EXPECT_EQ(m.lParam, 0);
        slot = m.wParam;
        return true;
      }
      std::this_thread::yield();
    }
    return false;
  }
  // No change message arrives while a later, watched change makes one: the
  // worker handles its handles in turn, so a change that was going to be
  // reported would have been posted before that one.
  bool OnlyChangeIs(WPARAM expectedSlot) {
    WPARAM slot = 99;
    return NextChange(slot) && slot == expectedSlot;
  }

  // Waits, with a generous bound, until done() holds; never a fixed sleep.
  static bool Eventually(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done()) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::yield();
    }
    return true;
  }

  TShellHome home;
  HWND window = nullptr;
};

TEST_F(ChangeHandlerThreadTest, ANewFilePostsTheSlot) {
  const std::string first = home.MakeFolder("first");
  const std::string second = home.MakeFolder("second");
  TChangeHandlerThread thread(window, WM_FOLDERCONTENTSCHANGED);
  int slot = -1;
  ASSERT_TRUE(thread.AddWatch(first, kNames, slot, false));
  EXPECT_EQ(slot, 0);
  ASSERT_TRUE(thread.AddWatch(second, kNames, slot, false));
  EXPECT_EQ(slot, 1);

  home.MakeFile("second/kick.wav");
  WPARAM posted = 99;
  ASSERT_TRUE(NextChange(posted));
  EXPECT_EQ(posted, 1u);
  // Re-armed: the next change is seen too.
  home.MakeFile("first/snare.wav");
  ASSERT_TRUE(NextChange(posted));
  EXPECT_EQ(posted, 0u);
}

TEST_F(ChangeHandlerThreadTest, FolderNamesOnlyIgnoreNewFiles) {
  const std::string folders = home.MakeFolder("folders");
  const std::string marker = home.MakeFolder("marker");
  TChangeHandlerThread thread(window, WM_FOLDERCONTENTSCHANGED);
  int foldersSlot = -1;
  int markerSlot = -1;
  ASSERT_TRUE(thread.AddWatch(folders, FILE_NOTIFY_CHANGE_DIR_NAME, foldersSlot, false));
  ASSERT_TRUE(thread.AddWatch(marker, kNames, markerSlot, false));

  home.MakeFile("folders/kick.wav");
  home.MakeFile("marker/done");
  EXPECT_TRUE(OnlyChangeIs(static_cast<WPARAM>(markerSlot)));

  home.MakeFolder("folders/new kit");
  WPARAM posted = 99;
  ASSERT_TRUE(NextChange(posted));
  EXPECT_EQ(posted, static_cast<WPARAM>(foldersSlot));
}

TEST_F(ChangeHandlerThreadTest, SixtyThreeSlotsThenNoneAndClearingFreesThem) {
  TChangeHandlerThread thread(window, WM_FOLDERCONTENTSCHANGED);
  int slot = -1;
  EXPECT_FALSE(thread.AddWatch("", kNames, slot, false));
  EXPECT_FALSE(thread.AddWatch(home.Home + "/missing", kNames, slot, false));
  const std::string folder = home.MakeFolder("watched");
  for (int i = 0; i < TChangeHandlerThread::kSlotCount; ++i) {
    ASSERT_TRUE(thread.AddWatch(folder, kNames, slot, false)) << i;
    EXPECT_EQ(slot, i);
  }
  // The 64th finds no slot, and its watch is closed rather than left open.
  const int before = OpenDescriptors();
  EXPECT_FALSE(thread.AddWatch(folder, kNames, slot, false));
  EXPECT_EQ(OpenDescriptors(), before);

  thread.ClearWatches();
  EXPECT_LT(OpenDescriptors(), before);
  ASSERT_TRUE(thread.AddWatch(folder, kNames, slot, false));
  EXPECT_EQ(slot, 0);
}

TEST_F(ChangeHandlerThreadTest, DestroyingClosesEveryWatch) {
  const int before = OpenDescriptors();
  {
    auto thread = std::make_unique<TChangeHandlerThread>(window, WM_FOLDERCONTENTSCHANGED);
    int slot = -1;
    for (int i = 0; i < 5; ++i)
      ASSERT_TRUE(thread->AddWatch(home.MakeFolder("f" + std::to_string(i)), kNames, slot, i % 2 == 0));
    EXPECT_GT(OpenDescriptors(), before);
  }
  EXPECT_EQ(OpenDescriptors(), before);
}

// A wait that keeps failing (a handle gone bad) makes the worker rest on the
// clock between tries instead of spinning; a command is still answered.
TEST_F(ChangeHandlerThreadTest, AFailingWaitRestsAndACommandIsStillAnswered) {
  std::mutex lock;
  std::vector<std::uint64_t> tries;  // the clock at each try
  TChangeHandlerThread::TWorkerHooks hooks;
  hooks.Wait = [&](DWORD, const HANDLE*) -> DWORD {
    std::lock_guard<std::mutex> guard(lock);
    tries.push_back(win::clock::NowMicros());
    return WAIT_FAILED;
  };
  TChangeHandlerThread thread(window, WM_FOLDERCONTENTSCHANGED, hooks);
  // The clock moves on in small steps until the worker has tried four times.
  ASSERT_TRUE(Eventually([&] {
    win::clock::Advance(10 * 1000);
    std::lock_guard<std::mutex> guard(lock);
    return tries.size() >= 4;
  }));
  {
    std::lock_guard<std::mutex> guard(lock);
    for (std::size_t i = 1; i < tries.size(); ++i) EXPECT_GE(tries[i] - tries[i - 1], 100'000u) << i;
  }
  int slot = -1;
  EXPECT_TRUE(thread.AddWatch(home.MakeFolder("watched"), kNames, slot, false));
  EXPECT_EQ(slot, 0);
}

// A command answered late keeps its hand-over fields: while the worker still
// carries it out, another command is not handed over (it fails in time and
// closes its own watch), and the late command's watch is not lost: it takes
// slot 0 and reports, the next one slot 1.
TEST_F(ChangeHandlerThreadTest, ALateAnswerKeepsItsFieldsUntilTheWorkerAnswers) {
  const std::string first = home.MakeFolder("first");
  HANDLE entered = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::atomic<bool> hold{true};
  TChangeHandlerThread::TWorkerHooks hooks;
  hooks.BeforeCommand = [&] {
    if (!hold) return;
    SetEvent(entered);
    WaitForSingleObject(release, INFINITE);
  };
  const int before = OpenDescriptors();
  {
    TChangeHandlerThread thread(window, WM_FOLDERCONTENTSCHANGED, hooks);
    // Runs AddWatch on a thread of its own while the clock passes its time
    // limit; answers whether it succeeded.
    auto addWithoutAnswer = [&](const std::string& path) {
      std::atomic<bool> done{false};
      bool added = true;
      int slot = -1;
      std::thread caller([&] {
        added = thread.AddWatch(path, kNames, slot, false);
        done = true;
      });
      EXPECT_TRUE(Eventually([&] {
        win::clock::Advance(2001 * 1000);
        return done.load();
      }));
      caller.join();
      return added;
    };
    EXPECT_FALSE(addWithoutAnswer(first));
    ASSERT_EQ(WaitForSingleObject(entered, INFINITE), WAIT_OBJECT_0);
    EXPECT_FALSE(addWithoutAnswer(home.MakeFolder("second"))) << "the worker is still busy";

    hold = false;
    SetEvent(release);
    int slot = -1;
    EXPECT_TRUE(thread.AddWatch(home.MakeFolder("third"), kNames, slot, false));
    EXPECT_EQ(slot, 1);
    home.MakeFile("first/kick.wav");
    EXPECT_TRUE(OnlyChangeIs(0)) << "the late watch is the first folder's";
  }
  EXPECT_EQ(OpenDescriptors(), before) << "every watch closed";
  CloseHandle(entered);
  CloseHandle(release);
}

}  // namespace
