#include "kernel_test_support.h"
#include "platform/win/kernel/module.h"
#include "platform/win/winbase.h"

namespace {

// The fixture library libkernelfixture.so sits in the test program's folder.
TEST(Modules, WindowsNamesInAnyCaseLoadTheSameLibraryFromTheProgramFolder) {
  HMODULE first = LoadLibraryA("KernelFixture.dll");
  ASSERT_NE(first, nullptr) << "libkernelfixture.so missing from " << win::kernel::ProgramDir();
  HMODULE second = LoadLibraryA("KERNELFIXTURE.DLL");
  HMODULE third = LoadLibraryA("kernelfixture");
  EXPECT_EQ(first, second);
  EXPECT_EQ(first, third);
  EXPECT_EQ(GetModuleHandleA("kernelfixture.dll"), first);

  auto answer = reinterpret_cast<int (*)()>(GetProcAddress(first, "FixtureAnswer"));
  ASSERT_NE(answer, nullptr);
  EXPECT_EQ(answer(), 42);

  char path[MAX_PATH];
  ASSERT_GT(GetModuleFileNameA(first, path, sizeof path), 0u);
  EXPECT_EQ(win::kernel::ResolvePath(path), win::kernel::ProgramDir() + "/libkernelfixture.so");

  // Three loads need three frees; the module stays usable until the last.
  EXPECT_TRUE(FreeLibrary(first));
  EXPECT_TRUE(FreeLibrary(first));
  EXPECT_EQ(GetModuleHandleA("kernelfixture.dll"), first);
  EXPECT_TRUE(FreeLibrary(first));
  EXPECT_EQ(GetModuleHandleA("kernelfixture.dll"), nullptr);
  EXPECT_FALSE(FreeLibrary(first));
}

TEST(Modules, MissingLibraryAndProcedureGiveTheirErrors) {
  SetLastError(0);
  EXPECT_EQ(LoadLibraryA("NoSuchLibrary.dll"), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));

  HMODULE lib = LoadLibraryA("KernelFixture.dll");
  ASSERT_NE(lib, nullptr);
  EXPECT_EQ(GetProcAddress(lib, "DirectSoundNothing"), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
  EXPECT_EQ(GetProcAddress(lib, MAKEINTRESOURCEA(1)), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
  FreeLibrary(lib);
}

TEST(Modules, TheProgramIsTheMainInstance) {
  EXPECT_EQ(GetModuleHandleA(nullptr), win::kernel::MainInstance());
  EXPECT_NE(win::kernel::MainInstance(), nullptr);
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  ASSERT_GT(n, 0u);
  EXPECT_EQ(std::string(path, 3), "C:\\");
  EXPECT_EQ(win::kernel::ResolvePath(path), win::kernel::ProgramDir() + "/win_kernel_tests");
  // A short buffer gets the cut name, terminated, and the error.
  char small[5];
  EXPECT_EQ(GetModuleFileNameA(nullptr, small, sizeof small), 5u);
  EXPECT_EQ(std::string(small), std::string(path).substr(0, 4));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
}

TEST(Modules, LibraryNamesMapToSharedObjects) {
  struct {
    const char* windowsName;
    const char* library;
  } cases[] = {
      {"DSound.dll", "libdsound.so"}, {"DSOUND", "libdsound.so"}, {"C:\\x\\Comctl32.DLL", "libcomctl32.so"},
      {"name.", "libname.so"},        {"libz.so", "libz.so"},
  };
  for (auto& c : cases) EXPECT_EQ(win::kernel::SharedLibraryName(c.windowsName), c.library) << c.windowsName;
}

}  // namespace
