#include <sys/wait.h>
#include <unistd.h>

#include "kernel_test_support.h"
#include "platform/win/winbase.h"

namespace {

// What a CreateMutexA of `name` reports in a fresh child process.
DWORD LastErrorOfCreateInChild(const char* name) {
  pid_t child = fork();
  if (child == 0) {
    HANDLE m = CreateMutexA(nullptr, FALSE, name);
    _exit(m == nullptr ? 2 : GetLastError() == ERROR_ALREADY_EXISTS ? 1 : 0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 1   ? ERROR_ALREADY_EXISTS
         : WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ERROR_SUCCESS
                                                         : ERROR_GEN_FAILURE;
}

TEST(NamedMutex, ExistsOncePerUserAcrossProcesses) {
  kernel_test::ScratchDir dir;
  kernel_test::UserDirOverride user(dir.Path());
  EXPECT_EQ(LastErrorOfCreateInChild("prj_mallowen.exe"), static_cast<DWORD>(ERROR_SUCCESS));

  HANDLE mine = CreateMutexA(nullptr, FALSE, "prj_mallowen.exe");
  ASSERT_NE(mine, nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
  EXPECT_EQ(LastErrorOfCreateInChild("prj_mallowen.exe"), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  EXPECT_EQ(LastErrorOfCreateInChild("another name"), static_cast<DWORD>(ERROR_SUCCESS));

  // In the same process, a second create gives the same mutex.
  HANDLE again = CreateMutexA(nullptr, FALSE, "prj_mallowen.exe");
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  CloseHandle(again);
  CloseHandle(mine);
  EXPECT_EQ(LastErrorOfCreateInChild("prj_mallowen.exe"), static_cast<DWORD>(ERROR_SUCCESS))
      << "closing the last handle ends the mutex";
}

}  // namespace
