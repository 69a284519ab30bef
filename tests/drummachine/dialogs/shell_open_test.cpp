// Links open through the shell's "open"; the shell's failures become the
// class library's Exception with a message the user can read, including the
// failures the shell gives no text for.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "drummachine/dialogs/ShellOpen.h"
#include "platform/vcl/SysUtils.h"
#include "platform/win/drums_ext.h"

namespace {

// The message of the Exception the call raises; none when it raises nothing.
template <class Call>
std::optional<std::string> RaisedMessage(Call call) {
  try {
    call();
  } catch (const Exception& e) {
    return e.GetMessage();
  }
  return std::nullopt;
}

class ShellOpen : public ::testing::Test {
 protected:
  void SetUp() override {
    win::shell::SetExecuteHook([this](const win::shell::ExecuteCall& call) {
      calls.push_back(call);
      return answer;
    });
  }
  void TearDown() override {
    win::shell::SetExecuteHook(nullptr);
    win::shell::SetLauncher(nullptr);
  }

  INT_PTR answer = 42;
  std::vector<win::shell::ExecuteCall> calls;
};

TEST_F(ShellOpen, TheShellOpensTheExactLinkTheDefaultWay) {
  HWND owner = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x4321));
  const std::string link = "mailto:tambrel@brenkavar.example?subject=Kit & pattern";
  EXPECT_EQ(ShellOpenFile(owner, link, "", ""), 42);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].owner, owner);
  EXPECT_EQ(calls[0].verb, "open");
  EXPECT_EQ(calls[0].file, link);
  EXPECT_EQ(calls[0].parameters, "");
  EXPECT_EQ(calls[0].folder, "");
  EXPECT_EQ(calls[0].show, SW_SHOWDEFAULT);
}

TEST_F(ShellOpen, TheDesktopsOpenerGetsTheLinkAsItIs) {
  win::shell::SetExecuteHook(nullptr);
  std::vector<std::vector<std::string>> launched;
  bool opener = true;
  win::shell::SetLauncher([&](const std::vector<std::string>& argv) {
    launched.push_back(argv);
    return opener;
  });
  const std::string link = "http://www.brenkavar.example/phpBB/index.php?a=1&b=$(x)";
  EXPECT_GT(ShellOpenFile(nullptr, link, "", ""), 32);
  ASSERT_EQ(launched.size(), 1u);
  EXPECT_EQ(launched[0].back(), link);
  // No program to open links with.
  opener = false;
  EXPECT_EQ(RaisedMessage([&] { ShellOpenFile(nullptr, link, "", ""); }),
            "There is no application associated with the given filename extension.");
}

TEST_F(ShellOpen, ResultsOf32OrLessRaiseTheirMessage) {
  struct Case {
    INT_PTR result;
    std::optional<std::string> message;  // none: success
  };
  const std::vector<Case> cases = {
      {33, std::nullopt},
      {42, std::nullopt},
      {31, "There is no application associated with the given filename extension."},
      {32, "The specified dynamic-link library was not found."},
      {2, "The specified file was not found."},
      {0, "The operating system is out of memory or resources."},
      {27, "The filename association is incomplete or invalid."},
      // Codes the shell has no text for are failures all the same.
      {4, "The link \"http://www.brenkavar.example\" could not be opened (error 4)."},
      {-1, "The link \"http://www.brenkavar.example\" could not be opened (error -1)."},
  };
  for (const Case& c : cases) {
    answer = c.result;
    int result = 0;
    EXPECT_EQ(RaisedMessage([&] { result = ShellOpenFile(nullptr, "http://www.brenkavar.example", "", ""); }),
              c.message)
        << c.result;
    if (!c.message) EXPECT_EQ(result, c.result);
  }
}

}  // namespace
