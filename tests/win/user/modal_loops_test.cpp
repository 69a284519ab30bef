// The window manager's modal loops: menus, message boxes, moving and sizing.
// Each one is driven by input queued at the host, some of it from the idle
// hook, which runs whenever the loop's queue is empty.
#include <atomic>
#include <deque>
#include <stdexcept>
#include <thread>

#include "fixture.h"
#include "platform/win/user/idle_hook.h"
#include "platform/win/user/message_box.h"

using namespace usertest;

namespace {

class Modal : public UserTest {
 protected:
  // The clock seam moves one millisecond at a time from another thread, as
  // a running clock would, so that loops waiting for the next millisecond
  // wake up.
  void SetUp() override {
    UserTest::SetUp();
    running_ = true;
    ticker_ = std::thread([this] {
      while (running_) {
        win::clock::Advance(1000);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      }
    });
  }
  void TearDown() override {
    running_ = false;
    ticker_.join();
    UserTest::TearDown();
  }

  // Steps run one per idle call; after the last, the hook keeps advancing
  // the clock so that a stuck loop still ends the test (by a failure).
  void Script(std::deque<std::function<void()>> steps) {
    script_ = std::move(steps);
    idleCalls = 0;
    win::user::SetIdleHook([this] {
      idleCalls++;
      if (!script_.empty()) {
        auto step = script_.front();
        script_.pop_front();
        step();
      } else if (idleCalls == 1000) {
        ADD_FAILURE() << "modal loop did not end";
        EndMenu();
        if (HWND box = win::user::CurrentMessageBox()) PostMessageA(box, WM_CLOSE, 0, 0);
        ReleaseCapture();
      }
      // Not done: the loop wakes again at the next millisecond.
      return false;
    });
  }
  int idleCalls = 0;

 private:
  std::deque<std::function<void()>> script_;
  std::atomic<bool> running_{false};
  std::thread ticker_;
};

HMENU MakeMenuBar() {
  HMENU file = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, 101, "&Open");
  AppendMenuA(file, MF_STRING, 102, "&Save\tCtrl+S");
  AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(file, MF_STRING | MF_GRAYED, 103, "&Print");
  AppendMenuA(file, MF_STRING, 104, "E&xit");
  HMENU edit = CreatePopupMenu();
  AppendMenuA(edit, MF_STRING | MF_CHECKED, 201, "&Copy");
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "&Edit");
  return bar;
}

std::vector<WPARAM> Commands(const std::string& window) {
  std::vector<WPARAM> out;
  for (const Logged& l : MessageLog::Get().Only({WM_COMMAND}))
    if (l.window == window) out.push_back(l.wParam);
  return out;
}

// Keyboard paths through the menu bar and the command each one sends.
TEST_F(Modal, MenuChosenByKeyboardSendsItsCommand) {
  struct Case {
    const char* what;
    std::vector<std::pair<int, std::uint32_t>> keys;  // key downs (with modifiers)
    std::vector<WPARAM> commands;
  };
  const std::vector<Case> cases = {
      {"Alt+F, down, Enter", {{'F', host::ModAlt}, {VK_DOWN, 0}, {VK_RETURN, 0}}, {102}},
      {"Alt+F, mnemonic x", {{'F', host::ModAlt}, {'X', 0}}, {104}},
      // Going up wraps to the end; grayed items can be highlighted, separators not.
      {"up past grayed and separator",
       {{'F', host::ModAlt}, {VK_UP, 0}, {VK_UP, 0}, {VK_UP, 0}, {VK_RETURN, 0}},
       {102}},
      {"F10, right, down, Enter", {{VK_F10, 0}, {VK_RIGHT, 0}, {VK_DOWN, 0}, {VK_RETURN, 0}}, {201}},
      {"Escape twice chooses nothing", {{'F', host::ModAlt}, {VK_ESCAPE, 0}, {VK_ESCAPE, 0}}, {}},
      {"a grayed item is not chosen",
       {{'F', host::ModAlt}, {'P', 0}, {VK_RETURN, 0}, {VK_ESCAPE, 0}, {VK_ESCAPE, 0}},
       {}},
  };
  HWND top = Make("top", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200, nullptr, 0, nullptr, MakeMenuBar());
  Pump();
  ASSERT_EQ(top, GetActiveWindow());
  for (const Case& c : cases) {
    MessageLog::Get().Clear();
    Script({});
    for (auto [vk, mods] : c.keys) {
      QueueKey(vk, true, mods, top);
      QueueKey(vk, false, mods, top);
    }
    Pump();
    EXPECT_EQ(c.commands, Commands("top")) << c.what;
    EXPECT_EQ(1, MessageLog::Get().Count("top", WM_EXITMENULOOP)) << c.what;
  }
  DestroyMenu(GetMenu(top));
}

TEST_F(Modal, MenuLoopNotifiesInOrder) {
  HWND top = Make("top", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200, nullptr, 0, nullptr, MakeMenuBar());
  Pump();
  MessageLog::Get().Clear();
  Script({});
  for (int vk : {int('F'), int(VK_RETURN)}) {
    QueueKey(vk, true, vk == 'F' ? std::uint32_t(host::ModAlt) : 0u, top);
    QueueKey(vk, false, 0, top);
  }
  Pump();
  EXPECT_EQ("", Compare({E("top", WM_ENTERMENULOOP), E("top", WM_INITMENU), E("top", WM_MENUSELECT),
                         E("top", WM_INITMENUPOPUP), E("top", WM_MENUSELECT), E("top", WM_MENUSELECT),
                         E("top", WM_EXITMENULOOP), EW("top", WM_COMMAND, 101)},
                        {WM_ENTERMENULOOP, WM_INITMENU, WM_INITMENUPOPUP, WM_MENUSELECT, WM_EXITMENULOOP, WM_COMMAND}));
  DestroyMenu(GetMenu(top));
}

TEST_F(Modal, IdleHookRunsWhilePopupMenuIsOpen) {
  HWND top = Make("top", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200);
  Pump();
  HMENU popup = CreatePopupMenu();
  AppendMenuA(popup, MF_STRING, 7, "&Seven");
  AppendMenuA(popup, MF_STRING, 8, "&Eight");
  // The hook says it is not done, so the loop wakes at each millisecond
  // of the clock seam.
  int ticks = 0;
  win::user::SetIdleHook([&] {
    ticks++;
    if (ticks == 5) {
      QueueKey(VK_DOWN, true, 0, top);
      QueueKey(VK_DOWN, true, 0, top);
      QueueKey(VK_RETURN, true, 0, top);
    }
    return false;
  });
  BOOL chosen = TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, 100, 100, 0, top, nullptr);
  EXPECT_EQ(8, chosen);
  EXPECT_GE(ticks, 5);
  // TPM_RETURNCMD: the command is returned, not sent.
  Pump();
  EXPECT_TRUE(Commands("top").empty());
  DestroyMenu(popup);
}

TEST_F(Modal, PopupMenuClickChoosesAndClickOutsideCloses) {
  HWND top = Make("top", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200);
  Pump();
  HMENU popup = CreatePopupMenu();
  AppendMenuA(popup, MF_STRING, 7, "Seven");
  AppendMenuA(popup, MF_STRING, 8, "Eight");
  // Items are 18 pixels high inside a 3-pixel frame: the second one is at y 100+3+18..
  QueueMouse(host::EventType::MouseMove, 120, 100 + 3 + 18 + 5);
  QueueMouse(host::EventType::MouseDown, 120, 100 + 3 + 18 + 5);
  QueueMouse(host::EventType::MouseUp, 120, 100 + 3 + 18 + 5);
  Script({});
  EXPECT_TRUE(TrackPopupMenu(popup, TPM_LEFTALIGN, 100, 100, 0, top, nullptr));
  Pump();
  EXPECT_EQ((std::vector<WPARAM>{8}), Commands("top"));
  MessageLog::Get().Clear();
  QueueMouse(host::EventType::MouseDown, 1000, 900);
  EXPECT_EQ(0, TrackPopupMenu(popup, TPM_RETURNCMD, 100, 100, 0, top, nullptr));
  DestroyMenu(popup);
}

TEST_F(Modal, MessageBoxKeysAnswer) {
  struct Case {
    UINT type;
    std::vector<int> keys;
    int answer;
  };
  const std::vector<Case> cases = {
      {MB_OK, {VK_ESCAPE}, IDOK},
      {MB_OKCANCEL, {VK_ESCAPE}, IDCANCEL},
      {MB_YESNOCANCEL | MB_ICONQUESTION, {VK_ESCAPE}, IDCANCEL},
      {MB_RETRYCANCEL, {VK_ESCAPE}, IDCANCEL},
      {MB_YESNO, {VK_ESCAPE, VK_RETURN}, IDYES},  // no Cancel: Escape does nothing
      {MB_YESNO | MB_DEFBUTTON2, {VK_RETURN}, IDNO},
      {MB_ABORTRETRYIGNORE | MB_ICONHAND, {VK_RIGHT, VK_RETURN}, IDRETRY},
      {MB_YESNO, {'N'}, IDNO},
  };
  HWND owner = Make("owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200);
  Pump();
  for (const Case& c : cases) {
    bool ownerDisabled = false;
    std::deque<std::function<void()>> steps;
    steps.push_back([&] {
      ownerDisabled = !IsWindowEnabled(owner);
      for (int vk : c.keys) {
        QueueKey(vk, true, 0, win::user::CurrentMessageBox());
        QueueKey(vk, false, 0, win::user::CurrentMessageBox());
      }
    });
    Script(steps);
    int got = MessageBoxA(owner, "Save the changes to the song before closing it?", "Drums", c.type);
    EXPECT_EQ(c.answer, got) << "type " << c.type;
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(nullptr, win::user::CurrentMessageBox());
  }
  auto records = win::user::TakeMessageBoxRecords();
  ASSERT_EQ(cases.size(), records.size());
  EXPECT_EQ("Drums", records[0].caption);
  EXPECT_FALSE(records[0].automatic);
}

TEST_F(Modal, MessageBoxClickAndAutomaticAnswer) {
  Script({});
  // A click on the second button of an OK/Cancel box.
  std::deque<std::function<void()>> steps;
  steps.push_back([&] {
    HWND box = win::user::CurrentMessageBox();
    RECT client;
    GetClientRect(box, &client);
    POINT p{client.right / 2 + 40, client.bottom - 11 - 11};  // middle of "Cancel"
    ClientToScreen(box, &p);
    QueueMouse(host::EventType::MouseDown, p.x, p.y);
    QueueMouse(host::EventType::MouseUp, p.x, p.y);
  });
  Script(steps);
  EXPECT_EQ(IDCANCEL, MessageBoxA(nullptr, "Text", "Caption", MB_OKCANCEL));
  win::user::SetMessageBoxAnswer([](const win::user::MessageBoxRecord& r) { return r.type == MB_YESNO ? IDNO : 0; });
  EXPECT_EQ(IDNO, MessageBoxA(nullptr, "Quit?", "Drums", MB_YESNO));
  win::user::SetMessageBoxAnswer(nullptr);
  auto records = win::user::TakeMessageBoxRecords();
  ASSERT_EQ(2u, records.size());
  EXPECT_TRUE(records[1].automatic);
}

// Dragging the caption moves the window; dragging a border or corner sizes it
// within the limits WM_GETMINMAXINFO gives.
TEST_F(Modal, MoveAndSizeThroughCaptionAndBorders) {
  struct Case {
    const char* what;
    POINT start;  // relative to the window's top-left
    int dx, dy;
    RECT expected;  // screen
  };
  const RECT r0{100, 100, 400, 300};
  const std::vector<Case> cases = {
      {"caption", {150, 10}, 50, 30, {150, 130, 450, 330}},
      {"right border", {298, 100}, 40, 0, {100, 100, 440, 300}},
      {"bottom border", {150, 198}, 0, -50, {100, 100, 400, 250}},
      {"top-left corner", {1, 1}, -20, -10, {80, 90, 400, 300}},
      {"left border past the minimum", {1, 100}, 290, 0, {400 - 112, 100, 400, 300}},
  };
  for (const Case& c : cases) {
    HWND w = Make("w", WS_OVERLAPPEDWINDOW | WS_VISIBLE, r0.left, r0.top, r0.right - r0.left, r0.bottom - r0.top);
    Pump();
    MessageLog::Get().Clear();
    Script({});
    int sx = r0.left + c.start.x, sy = r0.top + c.start.y;
    QueueMouse(host::EventType::MouseDown, sx, sy);
    QueueMouse(host::EventType::MouseMove, sx + c.dx / 2, sy + c.dy / 2);
    QueueMouse(host::EventType::MouseMove, sx + c.dx, sy + c.dy);
    QueueMouse(host::EventType::MouseUp, sx + c.dx, sy + c.dy);
    Pump();
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(c.expected.left, r.left) << c.what;
    EXPECT_EQ(c.expected.top, r.top) << c.what;
    EXPECT_EQ(c.expected.right, r.right) << c.what;
    EXPECT_EQ(c.expected.bottom, r.bottom) << c.what;
    EXPECT_EQ(1, MessageLog::Get().Count("w", WM_ENTERSIZEMOVE)) << c.what;
    EXPECT_EQ(1, MessageLog::Get().Count("w", WM_EXITSIZEMOVE)) << c.what;
    EXPECT_EQ(c.start.y > 4 && c.start.y < 23 ? 0 : 2, MessageLog::Get().Count("w", WM_SIZING)) << c.what;
    // The host window follows.
    host::headless::WindowState st;
    ASSERT_TRUE(host::headless::GetWindowState(HostOf(w), st));
    EXPECT_EQ(r.left, st.bounds.x) << c.what;
    EXPECT_EQ(r.right - r.left, st.bounds.w) << c.what;
    DestroyWindow(w);
  }
}

TEST_F(Modal, EscapeCancelsAMoveAndCaptionButtonsCommand) {
  HWND w = Make("w", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200);
  Pump();
  Script({});
  QueueMouse(host::EventType::MouseDown, 200, 110);
  QueueMouse(host::EventType::MouseMove, 260, 150);
  QueueKey(VK_ESCAPE, true, 0, w);
  Pump();
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(100, r.left);
  EXPECT_EQ(100, r.top);
  QueueMouse(host::EventType::MouseUp, 260, 150);
  Pump();
  // The close button: WM_SYSCOMMAND SC_CLOSE, then WM_CLOSE destroys.
  MessageLog::Get().Clear();
  int closeX = 400 - 4 - 2 - 8, closeY = 100 + 4 + 2 + 6;
  QueueMouse(host::EventType::MouseDown, closeX, closeY);
  QueueMouse(host::EventType::MouseUp, closeX, closeY);
  Pump();
  EXPECT_EQ(1, MessageLog::Get().Count("w", WM_CLOSE));
  EXPECT_FALSE(IsWindow(w));
}

// A handler that throws while a modal loop waits ends the loop: the
// exception reaches the loop's caller, the loop leaves nothing behind (no
// popup or box window, no mouse filter, no disabled owner, no loop marked
// open), and the next click and the next loop of the same kind work.
class ModalException : public Modal {
 protected:
  // The window's next WM_APP throws, posted from the loop's first idle call.
  void ThrowFromLoop(HWND hwnd, const std::string& name) {
    MessageLog::Get().answers[{name, WM_APP}] = [](HWND, WPARAM, LPARAM) -> LRESULT {
      throw std::runtime_error("handler failed");
    };
    Script({[hwnd] { PostMessageA(hwnd, WM_APP, 0, 0); }});
  }
  // Clicks the window's client area and tells whether it got the click.
  bool TakesClick(HWND hwnd, const std::string& name) {
    MessageLog::Get().answers.clear();
    MessageLog::Get().Clear();
    RECT r;
    GetWindowRect(hwnd, &r);
    Click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    return MessageLog::Get().Count(name, WM_LBUTTONDOWN) == 1 && MessageLog::Get().Count(name, WM_LBUTTONUP) == 1;
  }
};

TEST_F(ModalException, ThrownInsidePopupMenu) {
  HWND top = Make("top", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200);
  Pump();
  HMENU popup = CreatePopupMenu();
  AppendMenuA(popup, MF_STRING, 7, "&Seven");
  AppendMenuA(popup, MF_STRING, 8, "&Eight");
  ThrowFromLoop(top, "top");
  EXPECT_THROW(TrackPopupMenu(popup, TPM_RETURNCMD, 100, 100, 0, top, nullptr), std::runtime_error);
  EXPECT_EQ(nullptr, FindWindowA("#32768", nullptr));
  EXPECT_TRUE(TakesClick(top, "top"));

  Script({[this, top] {
    for (int vk : {VK_DOWN, VK_DOWN, VK_RETURN}) QueueKey(vk, true, 0, top);
  }});
  EXPECT_EQ(8, TrackPopupMenu(popup, TPM_RETURNCMD, 100, 100, 0, top, nullptr));
  DestroyMenu(popup);
}

TEST_F(ModalException, ThrownInsideMenuBarLoop) {
  HWND top = Make("top", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200, nullptr, 0, nullptr, MakeMenuBar());
  Pump();
  ThrowFromLoop(top, "top");
  QueueKey('F', true, host::ModAlt, top);
  QueueKey('F', false, host::ModAlt, top);
  EXPECT_THROW(Pump(), std::runtime_error);
  EXPECT_EQ(nullptr, FindWindowA("#32768", nullptr));
  EXPECT_TRUE(TakesClick(top, "top"));

  Script({});
  for (auto [vk, mods] : {std::pair{int('F'), std::uint32_t(host::ModAlt)}, {VK_DOWN, 0u}, {VK_RETURN, 0u}}) {
    QueueKey(vk, true, mods, top);
    QueueKey(vk, false, mods, top);
  }
  Pump();
  EXPECT_EQ((std::vector<WPARAM>{102}), Commands("top"));
  DestroyMenu(GetMenu(top));
}

TEST_F(ModalException, ThrownInsideMessageBox) {
  HWND owner = Make("owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200);
  Pump();
  ThrowFromLoop(owner, "owner");
  EXPECT_THROW(MessageBoxA(owner, "Text", "Drums", MB_OKCANCEL), std::runtime_error);
  EXPECT_EQ(nullptr, win::user::CurrentMessageBox());
  EXPECT_EQ(nullptr, FindWindowA("#32770", nullptr));
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_TRUE(TakesClick(owner, "owner"));

  Script({[this] {
    QueueKey(VK_ESCAPE, true, 0, win::user::CurrentMessageBox());
    QueueKey(VK_ESCAPE, false, 0, win::user::CurrentMessageBox());
  }});
  EXPECT_EQ(IDCANCEL, MessageBoxA(owner, "Text", "Drums", MB_OKCANCEL));
}

}  // namespace
