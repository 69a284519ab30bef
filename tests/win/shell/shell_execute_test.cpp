// ShellExecuteA hands links and documents to the desktop's opener as one
// argument; a test launcher records the command line instead of starting it.
#include "platform/win/shell/opener.h"
#include "platform/win/shellapi.h"
#include "platform/win/windows.h"
#include "shell_fixture.h"

namespace shell_test {
namespace {

class ShellExecuteTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    win::shell::SetLauncher([this](const std::vector<std::string>& argv) {
      launched.push_back(argv);
      return openerInstalled;
    });
  }
  void TearDown() override {
    win::shell::SetLauncher(nullptr);
    ShellTest::TearDown();
  }

  static INT_PTR Code(HINSTANCE result) { return reinterpret_cast<INT_PTR>(result); }

  std::vector<std::vector<std::string>> launched;
  bool openerInstalled = true;
};

TEST_F(ShellExecuteTest, UrlsAndMailLinksReachTheOpenerAsOneArgument) {
  const std::vector<std::string> targets = {
      "http://www.example.com/downloadpatterns.htm",
      "mailto:support@example.com?subject=a b; rm -rf ~",
      "https://example.com/phpBB/index.php?x=$(id)&y=`id`",
  };
  for (const std::string& target : targets) {
    launched.clear();
    EXPECT_GT(Code(ShellExecuteA(nullptr, "open", target.c_str(), "", "", SW_SHOWDEFAULT)), 32) << target;
    ASSERT_EQ(launched.size(), 1u);
    EXPECT_EQ(launched[0], (std::vector<std::string>{"xdg-open", target}));
  }
  launched.clear();
  EXPECT_GT(Code(ShellExecuteA(nullptr, nullptr, "http://example.com", nullptr, nullptr, SW_SHOWNORMAL)), 32);
  EXPECT_EQ(launched.size(), 1u);
}

TEST_F(ShellExecuteTest, FilesAreOpenedByTheirPath) {
  MakeFile(root_ + "/read me.txt");
  EXPECT_GT(Code(ShellExecuteA(nullptr, "open", "read me.txt", nullptr, root_.c_str(), SW_SHOWNORMAL)), 32);
  ASSERT_EQ(launched.size(), 1u);
  EXPECT_EQ(launched[0][1], root_ + "/read me.txt");
}

TEST_F(ShellExecuteTest, FailuresGiveTheWindowsCodes) {
  struct Case {
    const char* verb;
    std::string file;
    INT_PTR code;
  };
  const std::vector<Case> cases = {
      {"open", root_ + "/missing.txt", SE_ERR_FNF},
      {"open", root_ + "/no folder/missing.txt", SE_ERR_PNF},
      {"open", "", SE_ERR_FNF},
      {"print", "http://example.com", SE_ERR_NOASSOC},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Code(ShellExecuteA(nullptr, c.verb, c.file.c_str(), nullptr, nullptr, SW_SHOWNORMAL)), c.code) << c.file;
  EXPECT_TRUE(launched.empty());
  openerInstalled = false;
  EXPECT_EQ(Code(ShellExecuteA(nullptr, "open", "http://example.com", nullptr, nullptr, SW_SHOWNORMAL)),
            SE_ERR_NOASSOC);
}

}  // namespace
}  // namespace shell_test
