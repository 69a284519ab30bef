#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <iterator>
#include <thread>

#include "platform/host/launch.h"
#include "support.h"

namespace {

using hosttest::ScratchFolder;

// Waits for a file the helper writes last; the limit only keeps a broken
// launcher from hanging the run.
bool AwaitFile(const std::string& path) {
  for (int i = 0; i < 2000; ++i) {
    if (::access(path.c_str(), F_OK) == 0) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

TEST(Launch, StartsWithoutShellWithoutLeakedDescriptorsOrZombies) {
  ScratchFolder folder;
  // A descriptor the program holds open without close-on-exec.
  const int leaky = ::open("/dev/null", O_RDONLY);
  ASSERT_GE(leaky, 3);
  // The argument with a quote, a semicolon and a space reaches the program as one word.
  const std::string odd = "a b;'\"$(x)";
  const std::string fds = folder / "fds", done = folder / "done";
  ASSERT_TRUE(host::LaunchDetached({"sh", "-c",
                                    "ls /proc/$$/fd > \"$1\"; printf %s \"$2\" > \"$3\".tmp && mv \"$3\".tmp \"$3\"",
                                    "sh", fds, odd, done}));
  ASSERT_TRUE(AwaitFile(done));
  std::ifstream in(fds);
  std::string listing((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(listing.find(std::to_string(leaky) + "\n"), std::string::npos) << listing;
  std::ifstream word(done);
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(word)), std::istreambuf_iterator<char>()), odd);
  ::close(leaky);

  // The program has no child left to reap: the helper was handed to init.
  errno = 0;
  EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
}

TEST(Launch, ReportsAProgramThatCannotStart) {
  EXPECT_FALSE(host::LaunchDetached({"/nonexistent/helper-program"}));
  EXPECT_FALSE(host::LaunchDetached({}));
  errno = 0;
  EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
}

TEST(Launch, UrlsThatLookLikeOptionsAreRefused) {
  EXPECT_FALSE(host::OpenUrlWithDesktop("--help"));
  EXPECT_FALSE(host::OpenUrlWithDesktop(""));
}

}  // namespace
