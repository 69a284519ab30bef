// WinHelpA with help files made by the help compiler: topics by context
// number in the help window.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/win/shell/help_file.h"
#include "platform/win/windows.h"

namespace {

class HelpTest : public ::testing::Test {
 protected:
  void TearDown() override {
    WinHelpA(nullptr, nullptr, HELP_QUIT, 0);
    Pump();
  }

  static void Pump() {
    MSG m;
    for (int guard = 0; guard < 1000 && PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE); ++guard) DispatchMessageA(&m);
  }

  static std::string Caption() {
    HWND viewer = FindWindowA("DrumsHelpViewer", nullptr);
    if (!viewer) return "<no help window>";
    char caption[256] = {};
    GetWindowTextA(viewer, caption, sizeof caption);
    return caption;
  }
};

TEST_F(HelpTest, ContextNumbersShowTheirTopic) {
  struct Case {
    UINT command;
    ULONG_PTR data;
    std::string caption;
  };
  const std::vector<Case> cases = {
      {HELP_CONTEXT, 20, "Sample Help - Second Topic"},
      {HELP_CONTEXT, 4000000000u, "Sample Help - Large Number"},
      {HELP_CONTENTS, 0, "Sample Help - First Steps"},
      {HELP_FINDER, 0, "Sample Help - First Steps"},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(WinHelpA(nullptr, SHELL_TEST_HELP_FILE, c.command, c.data));
    Pump();
    EXPECT_EQ(Caption(), c.caption) << c.data;
  }
  EXPECT_TRUE(IsWindowVisible(FindWindowA("DrumsHelpViewer", nullptr)));
}

TEST_F(HelpTest, AContextPopupShowsTheTopicsTextAtTheCursorUntilClicked) {
  SetCursorPos(200, 150);
  ASSERT_TRUE(WinHelpA(nullptr, SHELL_TEST_HELP_FILE, HELP_CONTEXTPOPUP, 20));
  Pump();
  EXPECT_EQ(FindWindowA("DrumsHelpViewer", nullptr), nullptr) << "no help window for a pop-up";
  HWND popup = FindWindowA("DrumsHelpPopup", nullptr);
  ASSERT_NE(popup, nullptr);
  EXPECT_TRUE(IsWindowVisible(popup));
  char text[256] = {};
  GetWindowTextA(popup, text, sizeof text);
  EXPECT_STREQ(text, "A topic in the middle, with a paragraph over two lines.\nAnd a second paragraph.");
  RECT r;
  GetWindowRect(popup, &r);
  EXPECT_EQ(r.left, 200);
  EXPECT_EQ(r.top, 150);
  EXPECT_GT(r.bottom - r.top, 40) << "two paragraphs";
  SendMessageA(popup, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  Pump();
  EXPECT_EQ(FindWindowA("DrumsHelpPopup", nullptr), nullptr) << "a click closes it";

  // A missing topic is told in the pop-up; another pop-up replaces it and
  // quitting the help closes it.
  ASSERT_TRUE(WinHelpA(nullptr, SHELL_TEST_HELP_FILE, HELP_CONTEXTPOPUP, 99));
  HWND missing = FindWindowA("DrumsHelpPopup", nullptr);
  GetWindowTextA(missing, text, sizeof text);
  EXPECT_NE(std::string(text).find("no topic with the context number 99"), std::string::npos) << text;
  ASSERT_TRUE(WinHelpA(nullptr, SHELL_TEST_HELP_FILE, HELP_CONTEXTPOPUP, 7));
  popup = FindWindowA("DrumsHelpPopup", nullptr);
  GetWindowTextA(popup, text, sizeof text);
  EXPECT_STREQ(text, "The first topic, shown for the contents.");
  EXPECT_FALSE(IsWindow(missing)) << "replaced";
  EXPECT_TRUE(WinHelpA(nullptr, SHELL_TEST_HELP_FILE, HELP_QUIT, 0));
  EXPECT_FALSE(IsWindow(popup));
}

TEST_F(HelpTest, QuitClosesTheHelpWindow) {
  ASSERT_TRUE(WinHelpA(nullptr, SHELL_TEST_HELP_FILE, HELP_CONTEXT, 7));
  ASSERT_NE(FindWindowA("DrumsHelpViewer", nullptr), nullptr);
  EXPECT_TRUE(WinHelpA(nullptr, SHELL_TEST_HELP_FILE, HELP_QUIT, 0));
  EXPECT_EQ(FindWindowA("DrumsHelpViewer", nullptr), nullptr);
}

TEST_F(HelpTest, MissingTopicsAndFilesAreReportedInTheHelpWindow) {
  EXPECT_TRUE(WinHelpA(nullptr, SHELL_TEST_HELP_FILE, HELP_CONTEXT, 99));
  EXPECT_EQ(Caption(), "Sample Help");
  EXPECT_TRUE(WinHelpA(nullptr, "C:\\no such folder\\Manual.hlp", HELP_CONTEXT, 5));
  EXPECT_EQ(Caption(), "Help");
  EXPECT_FALSE(WinHelpA(nullptr, "", HELP_CONTEXT, 5));
}

TEST_F(HelpTest, ALongTopicScrollsAndANewTopicStartsAtItsTop) {
  auto scroll = [] {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    EXPECT_TRUE(GetScrollInfo(FindWindowA("DrumsHelpViewer", nullptr), SB_VERT, &info));
    return info;
  };
  ASSERT_TRUE(WinHelpA(nullptr, SHELL_TEST_HELP_FILE, HELP_CONTEXT, 30));
  Pump();
  HWND viewer = FindWindowA("DrumsHelpViewer", nullptr);
  ASSERT_NE(viewer, nullptr);
  SCROLLINFO info = scroll();
  EXPECT_GT(info.nMax + 1, static_cast<int>(info.nPage)) << "the page is taller than the window";
  EXPECT_EQ(info.nPos, 0);
  SendMessageA(viewer, WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(scroll().nPos, static_cast<int>(info.nPage));
  SendMessageA(viewer, WM_VSCROLL, SB_BOTTOM, 0);
  const int last = info.nMax + 1 - static_cast<int>(info.nPage);
  EXPECT_EQ(scroll().nPos, last) << "the last page fills the window";
  SendMessageA(viewer, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(scroll().nPos, last);
  SendMessageA(viewer, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_LT(scroll().nPos, last) << "the wheel turned away from the user scrolls up";
  // Another topic starts at its top; a short one has nothing to scroll.
  ASSERT_TRUE(WinHelpA(nullptr, SHELL_TEST_HELP_FILE, HELP_CONTEXT, 20));
  Pump();
  info = scroll();
  EXPECT_EQ(info.nPos, 0);
  EXPECT_LE(info.nMax + 1, static_cast<int>(info.nPage));
}

TEST(HelpFile, CompiledTopicsKeepTheirParagraphs) {
  const auto file = win::shell::ReadHelpFile(SHELL_TEST_HELP_FILE);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->title, "Sample Help");
  ASSERT_EQ(file->topics.size(), 4u);
  const win::shell::HelpTopic* second = file->Find(20);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->text, "A topic in the middle, with a paragraph over two lines.\nAnd a second paragraph.");
  EXPECT_EQ(file->Find(8), nullptr);
}

TEST(HelpFile, TruncatedOrForeignBytesAreRefused) {
  std::ifstream in(SHELL_TEST_HELP_FILE, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_TRUE(win::shell::ParseHelpFile(bytes));
  for (std::size_t cut : {std::size_t{0}, std::size_t{9}, std::size_t{20}, bytes.size() - 1})
    EXPECT_FALSE(win::shell::ParseHelpFile(std::string_view(bytes).substr(0, cut))) << cut;
  EXPECT_FALSE(win::shell::ParseHelpFile("?Ff\x03 not a help file at all"));
}

}  // namespace
