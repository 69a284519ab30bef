// A test's hook answers ShellExecuteA in the shell's place: it sees the call
// as it was made and chooses the result, and nothing is opened.
#include "platform/win/shell/opener.h"
#include "platform/win/shellapi.h"
#include "platform/win/windows.h"
#include "shell_fixture.h"

namespace shell_test {
namespace {

TEST_F(ShellTest, AnExecuteHookSeesTheCallAndChoosesTheResult) {
  struct Restore {
    ~Restore() {
      win::shell::SetExecuteHook(nullptr);
      win::shell::SetLauncher(nullptr);
    }
  } restore;
  int launched = 0;
  win::shell::SetLauncher([&](const std::vector<std::string>&) {
    ++launched;
    return true;
  });
  std::vector<win::shell::ExecuteCall> calls;
  INT_PTR answer = SE_ERR_ACCESSDENIED;
  win::shell::SetExecuteHook([&](const win::shell::ExecuteCall& call) {
    calls.push_back(call);
    return answer;
  });
  HWND owner = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234));
  EXPECT_EQ(reinterpret_cast<INT_PTR>(
                ShellExecuteA(owner, "open", "mailto:a@b.example?subject=x y", nullptr, "C:\\", SW_SHOWDEFAULT)),
            SE_ERR_ACCESSDENIED);
  answer = 33;
  EXPECT_EQ(reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, nullptr, "missing.txt", "-x", nullptr, SW_SHOWNORMAL)),
            33);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].owner, owner);
  EXPECT_EQ(calls[0].verb, "open");
  EXPECT_EQ(calls[0].file, "mailto:a@b.example?subject=x y");
  EXPECT_EQ(calls[0].parameters, "");
  EXPECT_EQ(calls[0].folder, "C:\\");
  EXPECT_EQ(calls[0].show, SW_SHOWDEFAULT);
  EXPECT_EQ(calls[1].verb, "");
  EXPECT_EQ(calls[1].parameters, "-x");
  EXPECT_EQ(launched, 0);

  // Without the hook the shell answers again.
  win::shell::SetExecuteHook(nullptr);
  EXPECT_GT(reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", "http://example.com", "", "", SW_SHOWDEFAULT)),
            32);
  EXPECT_EQ(launched, 1);
}

}  // namespace
}  // namespace shell_test
