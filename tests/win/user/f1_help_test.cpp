// F1 outside a menu: the focused window is asked for help with
// HELPINFO_WINDOW about itself, and a help request nobody answers climbs to
// the parent of a child and the owner of a top-level window.
#include "fixture.h"
#include "platform/win/winuser_help.h"

using namespace usertest;

namespace {

class F1Help : public UserTest {
 protected:
  // What a window's WM_HELP handler saw, copied while the HELPINFO lives.
  struct Seen {
    std::string window;
    HELPINFO info{};
  };

  // Records every WM_HELP reaching window; answered (TRUE) by the window
  // named `answering`, the others leave it to DefWindowProc.
  void Watch(const std::string& window, const std::string& answering) {
    MessageLog::Get().answers[{window, WM_HELP}] = [this, window, answering](HWND hwnd, WPARAM wp, LPARAM lp) {
      seen.push_back({window, *reinterpret_cast<const HELPINFO*>(lp)});
      return window == answering ? TRUE : DefWindowProcA(hwnd, WM_HELP, wp, lp);
    };
  }

  std::vector<std::string> Windows() const {
    std::vector<std::string> names;
    for (const Seen& s : seen) names.push_back(s.window);
    return names;
  }

  std::vector<Seen> seen;
};

TEST_F(F1Help, TheFocusedChildIsAskedFirstAndTheRequestClimbsUntilAnswered) {
  HWND owner = Make("owner", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300);
  HWND dialog = Make("dialog", WS_POPUP | WS_VISIBLE, 50, 50, 200, 200, owner);
  HWND panel = Make("panel", WS_CHILD | WS_VISIBLE, 10, 10, 150, 150, dialog, 0, nullptr, reinterpret_cast<HMENU>(3));
  HWND edit = Make("edit", WS_CHILD | WS_VISIBLE, 5, 5, 80, 20, panel, 0, nullptr, reinterpret_cast<HMENU>(42));
  Pump();
  SetActiveWindow(dialog);
  SetFocus(edit);
  struct Case {
    std::string answering;
    std::vector<std::string> asked;
  } cases[] = {
      {"edit", {"edit"}},
      {"dialog", {"edit", "panel", "dialog"}},
      {"owner", {"edit", "panel", "dialog", "owner"}},
      {"nobody", {"edit", "panel", "dialog", "owner"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answering);
    seen.clear();
    for (const char* name : {"edit", "panel", "dialog", "owner"}) Watch(name, c.answering);
    Press(VK_F1);
    EXPECT_EQ(Windows(), c.asked);
    // Every window along the way is told about the focused one.
    for (const Seen& s : seen) {
      EXPECT_EQ(s.info.cbSize, sizeof(HELPINFO));
      EXPECT_EQ(s.info.iContextType, HELPINFO_WINDOW);
      EXPECT_EQ(s.info.hItemHandle, edit);
      EXPECT_EQ(s.info.iCtrlId, 42);
    }
  }
  EXPECT_EQ(MessageLog::Get().Count("edit", WM_KEYF1), 4) << "one WM_KEYF1 per press, to the focused window";
}

TEST_F(F1Help, OtherKeysAndAltF1AskForNoHelp) {
  HWND top = Make("top", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200);
  Pump();
  SetActiveWindow(top);
  SetFocus(top);
  Watch("top", "top");
  for (int vk : {VK_F2, VK_F10, static_cast<int>('A')}) Press(vk);
  Press(VK_F1, host::ModAlt);
  EXPECT_TRUE(seen.empty());
  Press(VK_F1);
  ASSERT_EQ(Windows(), std::vector<std::string>{"top"});
  EXPECT_EQ(seen[0].info.hItemHandle, top);
  EXPECT_EQ(seen[0].info.iCtrlId, 0) << "a top-level window has no control id";
}

}  // namespace
