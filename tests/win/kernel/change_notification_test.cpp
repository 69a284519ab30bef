#include <sys/stat.h>

#include <cstdio>

#include "kernel_test_support.h"
#include "platform/win/winbase.h"

namespace {

using kernel_test::ScratchDir;

// Real inotify delivery is the one place these tests wait in real time,
// bounded; the events are queued by the time the file call returns.
constexpr DWORD kDeliveryMs = 3000;

class Watch {
 public:
  Watch(const std::string& path, BOOL subtree, DWORD filter)
      : handle(FindFirstChangeNotificationA(path.c_str(), subtree, filter)) {}
  ~Watch() {
    if (handle != INVALID_HANDLE_VALUE) FindCloseChangeNotification(handle);
  }
  bool Signalled(DWORD ms) { return WaitForSingleObject(handle, ms) == WAIT_OBJECT_0; }
  HANDLE handle;
};

struct FilterCase {
  const char* name;
  DWORD filter;
  void (*change)(const ScratchDir&);
  bool expectSignal;
};

void MakeFile(const ScratchDir& d) {
  kernel_test::WriteText(d / "file.txt", "x");
}
void MakeFolder(const ScratchDir& d) {
  mkdir((d / "sub").c_str(), 0755);
}

class ChangeFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(ChangeFilter, SignalsOnlyForChangesItsFilterNames) {
  const FilterCase& c = GetParam();
  ScratchDir dir;
  Watch watch(dir.Win(), FALSE, c.filter);
  ASSERT_NE(watch.handle, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(watch.Signalled(0));
  c.change(dir);
  // A change the filter ignores is checked with a poll: its events are
  // already queued, so a wrong signal would show at once.
  EXPECT_EQ(watch.Signalled(c.expectSignal ? kDeliveryMs : 0), c.expectSignal);
}

INSTANTIATE_TEST_SUITE_P(
    Kernel, ChangeFilter,
    ::testing::Values(FilterCase{"FileNameSeesFile", FILE_NOTIFY_CHANGE_FILE_NAME, MakeFile, true},
                      FilterCase{"FileNameIgnoresFolder", FILE_NOTIFY_CHANGE_FILE_NAME, MakeFolder, false},
                      FilterCase{"DirNameSeesFolder", FILE_NOTIFY_CHANGE_DIR_NAME, MakeFolder, true},
                      FilterCase{"DirNameIgnoresFile", FILE_NOTIFY_CHANGE_DIR_NAME, MakeFile, false}),
    [](const auto& info) { return std::string(info.param.name); });

// The watched folder itself removed or moved away: a name watch signals,
// so that a list showing it learns that it is gone.
TEST(ChangeNotification, TheWatchedFolderItselfGoneSignalsANameWatch) {
  struct Case {
    const char* what;
    void (*remove)(const ScratchDir&);
  };
  const Case cases[] = {
      {"removed", [](const ScratchDir& d) { rmdir((d / "watched").c_str()); }},
      {"moved away", [](const ScratchDir& d) { rename((d / "watched").c_str(), (d / "elsewhere").c_str()); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchDir dir;
    mkdir((dir / "watched").c_str(), 0755);
    Watch names(dir.Win("watched"), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME);
    Watch writes(dir.Win("watched"), FALSE, FILE_NOTIFY_CHANGE_LAST_WRITE);
    ASSERT_NE(names.handle, INVALID_HANDLE_VALUE);
    c.remove(dir);
    EXPECT_TRUE(names.Signalled(kDeliveryMs));
    EXPECT_FALSE(writes.Signalled(0));
  }
}

TEST(ChangeNotification, StaysSignalledUntilRearmed) {
  ScratchDir dir;
  Watch watch(dir.Win(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME);
  MakeFile(dir);
  ASSERT_TRUE(watch.Signalled(kDeliveryMs));
  EXPECT_TRUE(watch.Signalled(0));
  EXPECT_TRUE(FindNextChangeNotification(watch.handle));
  EXPECT_FALSE(watch.Signalled(0));
  unlink((dir / "file.txt").c_str());
  EXPECT_TRUE(watch.Signalled(kDeliveryMs));
}

TEST(ChangeNotification, SizeAndLastWriteSeeWritesToAFile) {
  ScratchDir dir;
  MakeFile(dir);
  Watch watch(dir.Win(), FALSE, FILE_NOTIFY_CHANGE_LAST_WRITE);
  Watch names(dir.Win(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME);
  kernel_test::WriteText(dir / "file.txt", "longer text");
  EXPECT_TRUE(watch.Signalled(kDeliveryMs));
  EXPECT_FALSE(names.Signalled(0));
}

TEST(ChangeNotification, SubtreeSeesFilesInExistingAndNewSubfolders) {
  ScratchDir dir;
  mkdir((dir / "old").c_str(), 0755);
  Watch flat(dir.Win(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME);
  Watch tree(dir.Win(), TRUE, FILE_NOTIFY_CHANGE_FILE_NAME);

  kernel_test::WriteText(dir / "old/a.txt", "x");
  EXPECT_TRUE(tree.Signalled(kDeliveryMs));
  EXPECT_FALSE(flat.Signalled(0));

  FindNextChangeNotification(tree.handle);
  mkdir((dir / "new").c_str(), 0755);
  // The new folder itself is no file-name change; drain what it caused.
  tree.Signalled(0);
  FindNextChangeNotification(tree.handle);
  kernel_test::WriteText(dir / "new/b.txt", "x");
  EXPECT_TRUE(tree.Signalled(kDeliveryMs));
}

TEST(ChangeNotification, RejectsMissingFoldersAndBadHandles) {
  ScratchDir dir;
  SetLastError(0);
  EXPECT_EQ(FindFirstChangeNotificationA(dir.Win("missing").c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME),
            INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_FALSE(FindNextChangeNotification(nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

}  // namespace
