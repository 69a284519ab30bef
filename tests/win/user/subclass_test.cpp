// Window values: subclassing through GWLP_WNDPROC, styles, extra bytes, properties.
#include "fixture.h"

using namespace usertest;

namespace {

class Values : public UserTest {};

WNDPROC g_old = nullptr;
std::vector<std::string> g_order;

LRESULT CALLBACK Subclass(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_USER + 1) g_order.push_back("new");
  if (m == WM_USER + 2) return 99;  // swallowed here
  return CallWindowProcA(g_old, h, m, w, l);
}

TEST_F(Values, SubclassSeesMessagesFirstAndReachesTheOldProcedure) {
  HWND w = Make("w", WS_POPUP, 0, 0, 10, 10);
  g_order.clear();
  MessageLog::Get().answers[{"w", WM_USER + 1}] = [](HWND, WPARAM, LPARAM) {
    g_order.push_back("old");
    return LRESULT(7);
  };
  g_old = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Subclass)));
  EXPECT_EQ(reinterpret_cast<WNDPROC>(RecordingProc), g_old);
  EXPECT_EQ(7, SendMessageA(w, WM_USER + 1, 0, 0));
  EXPECT_EQ((std::vector<std::string>{"new", "old"}), g_order);
  MessageLog::Get().Clear();
  EXPECT_EQ(99, SendMessageA(w, WM_USER + 2, 0, 0));
  EXPECT_EQ(0, MessageLog::Get().Count("w", WM_USER + 2));
  SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_old));
}

TEST_F(Values, StyleChangeSendsChangingAndChanged) {
  HWND w = Make("w", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10);
  MessageLog::Get().Clear();
  SetWindowLongA(w, GWL_STYLE, static_cast<LONG>(WS_POPUP | WS_BORDER));
  EXPECT_EQ("", Compare({EW("w", WM_STYLECHANGING, static_cast<WPARAM>(GWL_STYLE)),
                         EW("w", WM_STYLECHANGED, static_cast<WPARAM>(GWL_STYLE))},
                        {WM_STYLECHANGING, WM_STYLECHANGED}));
  // The visible bit is not changed this way.
  EXPECT_TRUE(GetWindowLongA(w, GWL_STYLE) & WS_VISIBLE);
  EXPECT_TRUE(GetWindowLongA(w, GWL_STYLE) & WS_BORDER);
}

TEST_F(Values, ExtraBytesUserDataIdAndProperties) {
  HWND top = Make("top", WS_POPUP, 0, 0, 10, 10);
  HWND child = Make("child", WS_CHILD, 0, 0, 5, 5, top, 0, nullptr, reinterpret_cast<HMENU>(42));
  EXPECT_EQ(42, GetDlgCtrlID(child));
  EXPECT_EQ(child, GetDlgItem(top, 42));
  SetWindowLongPtrA(child, 8, 0x1234567890LL);
  EXPECT_EQ(0x1234567890LL, GetWindowLongPtrA(child, 8));
  EXPECT_EQ(0, GetWindowLongPtrA(child, 12));  // beyond the 16 extra bytes
  SetWindowLongPtrA(child, GWLP_USERDATA, 5);
  EXPECT_EQ(5, GetWindowLongPtrA(child, GWLP_USERDATA));
  EXPECT_TRUE(SetPropA(child, "Drums", reinterpret_cast<HANDLE>(3)));
  EXPECT_EQ(reinterpret_cast<HANDLE>(3), GetPropA(child, "drums"));
  EXPECT_EQ(reinterpret_cast<HANDLE>(3), RemovePropA(child, "Drums"));
  EXPECT_EQ(nullptr, GetPropA(child, "Drums"));
  EXPECT_EQ(top, GetParent(child));
  EXPECT_TRUE(IsChild(top, child));
  EXPECT_EQ(child, GetWindow(top, GW_CHILD));
  EXPECT_EQ(top, GetAncestor(child, GA_ROOT));
}

TEST_F(Values, WindowTextIsCutWithoutSplittingCharacters) {
  HWND w = Make("w", WS_POPUP, 0, 0, 10, 10);
  SetWindowTextA(w, "Ab\xC3\xA9");  // "Abé"
  EXPECT_EQ(4, GetWindowTextLengthA(w));
  char buf[4];
  EXPECT_EQ(2, GetWindowTextA(w, buf, sizeof buf));  // room for 3 bytes: the é stays whole or out
  EXPECT_STREQ("Ab", buf);
}

}  // namespace
