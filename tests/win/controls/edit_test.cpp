// "EDIT": typing, the limit, selection, the clipboard and undo, and the
// notifications in their order.
#include "controls_fixture.h"

using namespace controlstest;

namespace {

class EditTest : public ControlsTest {
 protected:
  std::string Text(HWND e) {
    char buf[256] = {};
    GetWindowTextA(e, buf, sizeof buf);
    return buf;
  }
  std::pair<DWORD, DWORD> Sel(HWND e) {
    DWORD s = 0, t = 0;
    SendMessageA(e, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&t));
    return {s, t};
  }
};

TEST_F(EditTest, TypingStopsAtTheLimitAndTellsTheParent) {
  HWND e = Child("EDIT", "", ES_AUTOHSCROLL, 10, 10, 120, 22, 3, WS_EX_CLIENTEDGE);
  SendMessageA(e, EM_LIMITTEXT, 4, 0);
  ClickAt(e, 5, 5);
  notes.clear();
  Type("12");
  EXPECT_EQ(CodesOf(3), (std::vector<int>{EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE}));
  notes.clear();
  Type("3456");
  EXPECT_EQ(Text(e), "1234");
  EXPECT_EQ(CodesOf(3), (std::vector<int>{EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE, EN_MAXTEXT, EN_MAXTEXT}));
  EXPECT_EQ(SendMessageA(e, EM_GETLIMITTEXT, 0, 0), 4);
  // A replacement that does not fit is cut at the limit.
  SendMessageA(e, EM_SETSEL, 0, 2);
  SendMessageA(e, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("abcdef"));
  EXPECT_EQ(Text(e), "ab34");
  EXPECT_TRUE(SendMessageA(e, EM_GETMODIFY, 0, 0));
}

TEST_F(EditTest, FocusSelectionAndKeyboardEditing) {
  HWND e = Child("EDIT", "kick snare", ES_AUTOHSCROLL, 10, 10, 160, 22, 4, WS_EX_CLIENTEDGE);
  EXPECT_FALSE(SendMessageA(e, EM_GETMODIFY, 0, 0)) << "the creation text is no change";
  SetFocus(e);
  Pump();
  EXPECT_EQ(CodesOf(4), std::vector<int>{EN_SETFOCUS});
  Press(VK_END);
  Key(VK_SHIFT, true);
  Press(VK_LEFT, host::ModShift);
  Press(VK_LEFT, host::ModShift);
  Key(VK_SHIFT, false);
  EXPECT_EQ(Sel(e), (std::pair<DWORD, DWORD>{8, 10}));
  Type("X");
  EXPECT_EQ(Text(e), "kick snaX");
  Press(VK_BACK);
  Press(VK_HOME);
  Press(VK_DELETE);
  EXPECT_EQ(Text(e), "ick sna");
  SetFocus(parent);
  Pump();
  EXPECT_EQ(CodesOf(4).back(), EN_KILLFOCUS);
}

TEST_F(EditTest, CutCopyPasteAndUndoGoThroughTheClipboard) {
  HWND e = Child("EDIT", "hihat", ES_AUTOHSCROLL, 10, 10, 160, 22, 4, WS_EX_CLIENTEDGE);
  SendMessageA(e, EM_SETSEL, 0, 2);
  SendMessageA(e, WM_CUT, 0, 0);
  EXPECT_EQ(Text(e), "hat");
  EXPECT_EQ(host::Get().GetClipboardText(), "hi");
  SendMessageA(e, EM_SETSEL, 3, 3);
  SendMessageA(e, WM_PASTE, 0, 0);
  EXPECT_EQ(Text(e), "hathi");
  EXPECT_TRUE(SendMessageA(e, EM_CANUNDO, 0, 0));
  SendMessageA(e, WM_UNDO, 0, 0);
  EXPECT_EQ(Text(e), "hat");
  SendMessageA(e, EM_SETSEL, 0, -1);
  SendMessageA(e, WM_COPY, 0, 0);
  EXPECT_EQ(host::Get().GetClipboardText(), "hat");
  // Ctrl+V arrives as its control character.
  SetFocus(e);
  SendMessageA(e, EM_SETSEL, 3, 3);
  SendMessageA(e, WM_CHAR, 22, 0);
  EXPECT_EQ(Text(e), "hathat");
}

TEST_F(EditTest, ItsOwnContextMenuCutsAndSelectsAll) {
  HWND e = Child("EDIT", "kick snare", ES_AUTOHSCROLL, 10, 10, 160, 22, 4, WS_EX_CLIENTEDGE);
  SendMessageA(e, EM_SETSEL, 0, 5);
  auto menuChoice = [&](int mnemonic) {
    POINT p = ScreenPoint(e, 20, 8);
    QueueMouse(host::EventType::MouseDown, p.x, p.y, host::MouseButton::Right);
    QueueMouse(host::EventType::MouseUp, p.x, p.y, host::MouseButton::Right);
    QueueKey(mnemonic, true);
    QueueKey(mnemonic, false);
    Pump();
  };
  menuChoice('T');  // Cut
  EXPECT_EQ(Text(e), "snare");
  EXPECT_EQ(host::Get().GetClipboardText(), "kick ");
  menuChoice('A');  // Select All
  EXPECT_EQ(Sel(e), (std::pair<DWORD, DWORD>{0, 5}));
  EXPECT_EQ(GetFocus(), e);
}

TEST_F(EditTest, StylesRefuseWhatTheyDoNotTake) {
  struct Case {
    const char* name;
    DWORD style;
    const char* typed;
    const char* result;
  };
  const Case cases[] = {
      {"number takes digits only", ES_NUMBER, "1a2-", "12"},
      {"read-only takes nothing", ES_READONLY, "abc", ""},
      {"upper case", ES_UPPERCASE, "Tom", "TOM"},
      {"a single line drops the line break", 0, "a\rb", "ab"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HWND e = Child("EDIT", "", c.style, 10, 10, 160, 22, 6, WS_EX_CLIENTEDGE);
    SetFocus(e);
    for (const char* p = c.typed; *p; p++) SendMessageA(e, WM_CHAR, static_cast<unsigned char>(*p), 0);
    EXPECT_EQ(Text(e), c.result);
    DestroyWindow(e);
  }
}

TEST_F(EditTest, MultiLineLinesAndMouseSelection) {
  HWND e = Child("EDIT", "", ES_MULTILINE | WS_VSCROLL, 10, 10, 200, 60, 7, WS_EX_CLIENTEDGE);
  SetWindowTextA(e, "one\r\ntwo\r\nthree\r\nfour\r\nfive\r\nsix");
  EXPECT_EQ(SendMessageA(e, EM_GETLINECOUNT, 0, 0), 6);
  EXPECT_EQ(SendMessageA(e, EM_LINEINDEX, 2, 0), 10);
  EXPECT_EQ(SendMessageA(e, EM_LINELENGTH, 10, 0), 5);
  EXPECT_EQ(SendMessageA(e, EM_LINEFROMCHAR, 12, 0), 2);
  char line[16] = {};
  *reinterpret_cast<WORD*>(line) = sizeof line - 1;
  EXPECT_EQ(SendMessageA(e, EM_GETLINE, 1, reinterpret_cast<LPARAM>(line)), 3);
  EXPECT_EQ(std::string(line, 3), "two");
  // Enter breaks a line; the caret goes down a line with the arrow.
  ClickAt(e, 1, 1);
  EXPECT_EQ(Sel(e).first, 0u);
  Press(VK_DOWN);
  EXPECT_EQ(Sel(e).first, 5u);
  Press(VK_RETURN);
  EXPECT_EQ(SendMessageA(e, EM_GETLINECOUNT, 0, 0), 7);
  // Scrolling moves the first visible line and the scroll bar.
  SendMessageA(e, EM_LINESCROLL, 0, 3);
  EXPECT_EQ(SendMessageA(e, EM_GETFIRSTVISIBLELINE, 0, 0), 3);
  EXPECT_EQ(GetScrollPos(e, SB_VERT), 3);
  SendMessageA(e, WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(SendMessageA(e, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  // Dragging selects from the press to the release (late enough to be no double-click).
  AdvanceMs(1000);
  POINT a{1, 1};
  LRESULT at = SendMessageA(e, EM_POSFROMCHAR, 2, 0);
  DownAt(e, a.x, a.y);
  MoveTo(e, LOWORD(at), HIWORD(at) + 2);
  UpAt(e, LOWORD(at), HIWORD(at) + 2);
  EXPECT_EQ(LOWORD(SendMessageA(e, EM_CHARFROMPOS, 0, MAKELPARAM(LOWORD(at), HIWORD(at) + 2))), 2);
  EXPECT_EQ(Sel(e), (std::pair<DWORD, DWORD>{0, 2}));
  // A double-click selects the word.
  ClickAt(e, LOWORD(at), HIWORD(at) + 2);
  SendMessageA(e, WM_LBUTTONDBLCLK, 0, MAKELPARAM(LOWORD(at), HIWORD(at) + 2));
  EXPECT_EQ(Sel(e), (std::pair<DWORD, DWORD>{0, 3}));
}

TEST_F(EditTest, AlignmentPlacesShortLines) {
  struct Case {
    const char* name;
    DWORD style;
  };
  const Case cases[] = {{"single line", ES_AUTOHSCROLL}, {"multi-line", ES_MULTILINE}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HWND left = Child("EDIT", "42", c.style, 10, 10, 120, 22, 1);
    HWND right = Child("EDIT", "42", c.style | ES_RIGHT, 10, 40, 120, 22, 2);
    HWND centre = Child("EDIT", "42", c.style | ES_CENTER, 10, 70, 120, 22, 3);
    auto x = [](HWND e) { return static_cast<short>(LOWORD(SendMessageA(e, EM_POSFROMCHAR, 0, 0))); };
    EXPECT_LT(x(left), 5);
    EXPECT_GT(x(right), 90);
    EXPECT_GT(x(centre), 40);
    EXPECT_LT(x(centre), 70);
    for (HWND h : {left, right, centre}) DestroyWindow(h);
  }
}

TEST_F(EditTest, AMultiLineEditWithoutHorizontalScrollingWrapsAtWords) {
  const char* text = "kick snare hihat clap tom crash ride cowbell\r\nend";
  HWND wrapped = Child("EDIT", "", ES_MULTILINE, 10, 10, 90, 120, 8, WS_EX_CLIENTEDGE);
  HWND scrolled = Child("EDIT", "", ES_MULTILINE | ES_AUTOHSCROLL, 110, 10, 90, 120, 9, WS_EX_CLIENTEDGE);
  SetWindowTextA(wrapped, text);
  SetWindowTextA(scrolled, text);
  EXPECT_EQ(SendMessageA(scrolled, EM_GETLINECOUNT, 0, 0), 2);
  int lines = static_cast<int>(SendMessageA(wrapped, EM_GETLINECOUNT, 0, 0));
  EXPECT_GT(lines, 3);
  // Every wrapped line starts a word and fits the width.
  RECT r{};
  SendMessageA(wrapped, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
  std::string all = text;
  for (int i = 1; i < lines; i++) {
    int start = static_cast<int>(SendMessageA(wrapped, EM_LINEINDEX, static_cast<WPARAM>(i), 0));
    ASSERT_GT(start, 0);
    EXPECT_TRUE(all[static_cast<size_t>(start) - 1] == ' ' || all[static_cast<size_t>(start) - 1] == '\n') << i;
    int len = static_cast<int>(SendMessageA(wrapped, EM_LINELENGTH, static_cast<WPARAM>(start), 0));
    LRESULT endAt = SendMessageA(wrapped, EM_POSFROMCHAR, static_cast<WPARAM>(start + len - 1), 0);
    EXPECT_LT(static_cast<short>(LOWORD(endAt)), r.right) << i;
  }
  EXPECT_EQ(SendMessageA(wrapped, EM_LINEFROMCHAR, all.size() - 1, 0), lines - 1);
}

}  // namespace
