#include <sys/stat.h>

#include <algorithm>
#include <vector>

#include "kernel_test_support.h"
#include "platform/win/winbase.h"

namespace {

using kernel_test::ReadText;
using kernel_test::ScratchDir;
using kernel_test::WriteText;

HANDLE Open(const std::string& path, DWORD access, DWORD disposition, DWORD flags = FILE_ATTRIBUTE_NORMAL) {
  return CreateFileA(path.c_str(), access, FILE_SHARE_READ, nullptr, disposition, flags, nullptr);
}

struct DispositionCase {
  const char* name;
  DWORD disposition;
  bool fileExists;
  bool opens;
  DWORD lastError;
  const char* contentAfter;  // nullptr: no file
};

class CreateFileDisposition : public ::testing::TestWithParam<DispositionCase> {};

TEST_P(CreateFileDisposition, OpensCreatesOrFailsAsWindowsDoes) {
  const auto& c = GetParam();
  ScratchDir dir;
  if (c.fileExists) WriteText(dir / "f.bin", "old");
  SetLastError(12345);
  HANDLE h = Open(dir.Win("F.bin"), GENERIC_READ | GENERIC_WRITE, c.disposition);
  EXPECT_EQ(h != INVALID_HANDLE_VALUE, c.opens);
  EXPECT_EQ(GetLastError(), c.lastError);
  if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  // A name differing only in case is the same file: no second file appears.
  EXPECT_FALSE(kernel_test::Exists(dir / "F.bin") && c.fileExists);
  std::string file = c.fileExists ? dir / "f.bin" : dir / "F.bin";
  if (c.contentAfter) {
    EXPECT_EQ(ReadText(file), c.contentAfter);
  } else {
    EXPECT_FALSE(kernel_test::Exists(file));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Kernel, CreateFileDisposition,
    ::testing::Values(DispositionCase{"NewOnMissing", CREATE_NEW, false, true, ERROR_SUCCESS, ""},
                      DispositionCase{"NewOnExisting", CREATE_NEW, true, false, ERROR_FILE_EXISTS, "old"},
                      DispositionCase{"AlwaysOnMissing", CREATE_ALWAYS, false, true, ERROR_SUCCESS, ""},
                      DispositionCase{"AlwaysOnExisting", CREATE_ALWAYS, true, true, ERROR_ALREADY_EXISTS, ""},
                      DispositionCase{"ExistingOnMissing", OPEN_EXISTING, false, false, ERROR_FILE_NOT_FOUND, nullptr},
                      DispositionCase{"ExistingOnExisting", OPEN_EXISTING, true, true, ERROR_SUCCESS, "old"},
                      DispositionCase{"OpenAlwaysOnMissing", OPEN_ALWAYS, false, true, ERROR_SUCCESS, ""},
                      DispositionCase{"OpenAlwaysOnExisting", OPEN_ALWAYS, true, true, ERROR_ALREADY_EXISTS, "old"},
                      DispositionCase{"TruncateOnMissing", TRUNCATE_EXISTING, false, false, ERROR_FILE_NOT_FOUND,
                                      nullptr},
                      DispositionCase{"TruncateOnExisting", TRUNCATE_EXISTING, true, true, ERROR_SUCCESS, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Files, ReadWriteSeekAndTruncate) {
  ScratchDir dir;
  HANDLE h = Open(dir.Win("data.bin"), GENERIC_READ | GENERIC_WRITE, CREATE_NEW);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  DWORD n = 0;
  EXPECT_TRUE(WriteFile(h, "0123456789", 10, &n, nullptr));
  EXPECT_EQ(n, 10u);
  DWORD high = 99;
  EXPECT_EQ(GetFileSize(h, &high), 10u);
  EXPECT_EQ(high, 0u);

  EXPECT_EQ(SetFilePointer(h, -4, nullptr, FILE_END), 6u);
  char buffer[16] = {};
  EXPECT_TRUE(ReadFile(h, buffer, sizeof buffer, &n, nullptr));
  EXPECT_EQ(std::string(buffer, n), "6789");
  // At the end, a read succeeds with nothing.
  EXPECT_TRUE(ReadFile(h, buffer, sizeof buffer, &n, nullptr));
  EXPECT_EQ(n, 0u);

  EXPECT_EQ(SetFilePointer(h, 3, nullptr, FILE_BEGIN), 3u);
  EXPECT_TRUE(SetEndOfFile(h));
  EXPECT_EQ(GetFileSize(h, nullptr), 3u);
  EXPECT_EQ(SetFilePointer(h, -1, nullptr, FILE_CURRENT), 2u);

  SetLastError(0);
  EXPECT_EQ(SetFilePointer(h, -10, nullptr, FILE_BEGIN), INVALID_SET_FILE_POINTER);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NEGATIVE_SEEK));
  EXPECT_TRUE(FlushFileBuffers(h));
  CloseHandle(h);
  EXPECT_EQ(ReadText(dir / "data.bin"), "012");
}

TEST(Files, SeekBeyondFourGigabytesUsesTheHighPart) {
  ScratchDir dir;
  HANDLE h = Open(dir.Win("sparse.bin"), GENERIC_READ | GENERIC_WRITE, CREATE_NEW);
  LONG high = 1;
  EXPECT_EQ(SetFilePointer(h, 16, &high, FILE_BEGIN), 16u);
  EXPECT_EQ(high, 1);
  DWORD n = 0;
  EXPECT_TRUE(WriteFile(h, "x", 1, &n, nullptr));  // sparse: no real space used
  DWORD sizeHigh = 0;
  EXPECT_EQ(GetFileSize(h, &sizeHigh), 17u);
  EXPECT_EQ(sizeHigh, 1u);
  CloseHandle(h);
}

TEST(Files, AccessIsCheckedPerHandleAndReadOnlyBindsEveryone) {
  ScratchDir dir;
  WriteText(dir / "r.txt", "keep");
  HANDLE h = Open(dir.Win("r.txt"), GENERIC_READ, OPEN_EXISTING);
  DWORD n = 0;
  EXPECT_FALSE(WriteFile(h, "x", 1, &n, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  CloseHandle(h);

  ASSERT_TRUE(SetFileAttributesA(dir.Win("r.txt").c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(GetFileAttributesA(dir.Win("r.txt").c_str()) & FILE_ATTRIBUTE_READONLY,
            static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(Open(dir.Win("r.txt"), GENERIC_WRITE, OPEN_EXISTING), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_FALSE(DeleteFileA(dir.Win("r.txt").c_str()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  ASSERT_TRUE(SetFileAttributesA(dir.Win("r.txt").c_str(), FILE_ATTRIBUTE_NORMAL));
  EXPECT_TRUE(DeleteFileA(dir.Win("R.TXT").c_str()));
  EXPECT_FALSE(kernel_test::Exists(dir / "r.txt"));

  // A folder opens only for backup semantics.
  EXPECT_EQ(Open(dir.Win(), GENERIC_READ, OPEN_EXISTING), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  HANDLE folder = Open(dir.Win(), GENERIC_READ, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS);
  EXPECT_NE(folder, INVALID_HANDLE_VALUE);
  CloseHandle(folder);
}

TEST(Files, MissingFileAndMissingFolderAreToldApart) {
  ScratchDir dir;
  struct {
    std::string path;
    DWORD error;
  } cases[] = {
      {dir.Win("none.txt"), ERROR_FILE_NOT_FOUND},
      {dir.Win("nowhere\\none.txt"), ERROR_PATH_NOT_FOUND},
  };
  for (auto& c : cases) {
    EXPECT_EQ(Open(c.path, GENERIC_READ, OPEN_EXISTING), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), c.error) << c.path;
    EXPECT_EQ(GetFileAttributesA(c.path.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), c.error) << c.path;
    EXPECT_FALSE(DeleteFileA(c.path.c_str()));
    EXPECT_EQ(GetLastError(), c.error) << c.path;
  }
  EXPECT_FALSE(ReadFile(nullptr, nullptr, 0, nullptr, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST(Files, MoveCopyAndReplace) {
  ScratchDir dir;
  WriteText(dir / "a.txt", "A");
  WriteText(dir / "b.txt", "B");
  EXPECT_FALSE(MoveFileA(dir.Win("a.txt").c_str(), dir.Win("B.TXT").c_str()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  EXPECT_TRUE(MoveFileExA(dir.Win("a.txt").c_str(), dir.Win("b.txt").c_str(), MOVEFILE_REPLACE_EXISTING));
  EXPECT_EQ(ReadText(dir / "b.txt"), "A");
  EXPECT_FALSE(kernel_test::Exists(dir / "a.txt"));

  // Renaming to another case of the same name changes the case.
  EXPECT_TRUE(MoveFileA(dir.Win("b.txt").c_str(), dir.Win("B.txt").c_str()));
  EXPECT_TRUE(kernel_test::Exists(dir / "B.txt"));
  EXPECT_FALSE(kernel_test::Exists(dir / "b.txt"));

  EXPECT_TRUE(CopyFileA(dir.Win("b.txt").c_str(), dir.Win("c.txt").c_str(), TRUE));
  EXPECT_EQ(ReadText(dir / "c.txt"), "A");
  WriteText(dir / "B.txt", "new");
  EXPECT_FALSE(CopyFileA(dir.Win("B.txt").c_str(), dir.Win("c.txt").c_str(), TRUE));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_EXISTS));
  EXPECT_TRUE(CopyFileA(dir.Win("B.txt").c_str(), dir.Win("c.txt").c_str(), FALSE));
  EXPECT_EQ(ReadText(dir / "c.txt"), "new");
  EXPECT_FALSE(CopyFileA(dir.Win("gone.txt").c_str(), dir.Win("d.txt").c_str(), FALSE));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST(Folders, CreateAndRemoveWithWindowsErrors) {
  ScratchDir dir;
  EXPECT_TRUE(CreateDirectoryA(dir.Win("New Folder").c_str(), nullptr));
  EXPECT_FALSE(CreateDirectoryA(dir.Win("new folder").c_str(), nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  EXPECT_FALSE(CreateDirectoryA(dir.Win("x\\y").c_str(), nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));

  WriteText(dir / "New Folder/f", "");
  EXPECT_FALSE(RemoveDirectoryA(dir.Win("NEW FOLDER").c_str()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DIR_NOT_EMPTY));
  EXPECT_TRUE(DeleteFileA(dir.Win("new folder\\F").c_str()));
  EXPECT_TRUE(RemoveDirectoryA(dir.Win("NEW FOLDER").c_str()));
  EXPECT_FALSE(RemoveDirectoryA(dir.Win("NEW FOLDER").c_str()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST(Attributes, FromTypeNameAndPermissions) {
  ScratchDir dir;
  WriteText(dir / "plain.txt", "");
  WriteText(dir / ".hidden", "");
  mkdir((dir / "sub").c_str(), 0755);
  EXPECT_EQ(GetFileAttributesA(dir.Win("plain.txt").c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
  EXPECT_EQ(GetFileAttributesA(dir.Win(".hidden").c_str()),
            static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN));
  EXPECT_EQ(GetFileAttributesA(dir.Win("SUB").c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}

std::vector<std::string> FindAll(const std::string& pattern, std::vector<WIN32_FIND_DATAA>* data = nullptr) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA(pattern.c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return names;
  do {
    names.push_back(fd.cFileName);
    if (data) data->push_back(fd);
  } while (FindNextFileA(h, &fd));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_FILES));
  EXPECT_TRUE(FindClose(h));
  return names;
}

TEST(FindFiles, WildcardsMatchIgnoringCaseWithDotEntriesFirst) {
  ScratchDir dir;
  WriteText(dir / "Beat.BKV", "12345");
  WriteText(dir / "alpha.bkv", "");
  WriteText(dir / "readme", "");
  mkdir((dir / "Kits").c_str(), 0755);
  using V = std::vector<std::string>;
  struct {
    std::string pattern;
    V names;
  } cases[] = {
      {"*.*", {".", "..", "alpha.bkv", "Beat.BKV", "Kits", "readme"}},
      {"*", {".", "..", "alpha.bkv", "Beat.BKV", "Kits", "readme"}},
      {"*.bkv", {"alpha.bkv", "Beat.BKV"}},
      {"B?AT.*", {"Beat.BKV"}},
      {"readme.*", {"readme"}},
      {"kits", {"Kits"}},
      {"*.wav", {}},
  };
  for (auto& c : cases) EXPECT_EQ(FindAll(dir.Win(c.pattern)), c.names) << c.pattern;

  std::vector<WIN32_FIND_DATAA> data;
  FindAll(dir.Win("beat.bkv"), &data);
  ASSERT_EQ(data.size(), 1u);
  EXPECT_EQ(data[0].nFileSizeLow, 5u);
  EXPECT_EQ(data[0].dwFileAttributes, static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
  EXPECT_NE(data[0].ftLastWriteTime.dwHighDateTime, 0u);
  data.clear();
  FindAll(dir.Win("*"), &data);
  EXPECT_EQ(data[0].dwFileAttributes, static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}

TEST(FindFiles, FailuresSayWhy) {
  ScratchDir dir;
  WIN32_FIND_DATAA fd;
  EXPECT_EQ(FindFirstFileA(dir.Win("*.none").c_str(), &fd), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(FindFirstFileA(dir.Win("missing\\*.*").c_str(), &fd), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
}

TEST(TempFiles, NamesAreMadeInTheFolderAndUnique) {
  ScratchDir dir;
  char a[MAX_PATH], b[MAX_PATH];
  UINT ua = GetTempFileNameA(dir.Win().c_str(), "drumsy", 0, a);
  UINT ub = GetTempFileNameA(dir.Win().c_str(), "drumsy", 0, b);
  ASSERT_NE(ua, 0u);
  EXPECT_NE(ua, ub);
  EXPECT_NE(std::string(a), std::string(b));
  EXPECT_EQ(std::string(a).substr(0, dir.Win().size() + 4), dir.Win() + "\\dru");
  EXPECT_TRUE(kernel_test::Exists(win::kernel::ResolvePath(a)));
  char named[MAX_PATH];
  EXPECT_EQ(GetTempFileNameA(dir.Win().c_str(), "x", 0x1AB, named), 0x1ABu);
  EXPECT_EQ(std::string(named), dir.Win() + "\\x1AB.TMP");
  EXPECT_FALSE(kernel_test::Exists(win::kernel::ResolvePath(named))) << "a given number makes no file";
  char temp[MAX_PATH];
  DWORD n = GetTempPathA(MAX_PATH, temp);
  ASSERT_GT(n, 0u);
  EXPECT_EQ(temp[n - 1], '\\');
}

}  // namespace
