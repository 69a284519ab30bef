// Saving through a temporary beside the target: a save killed half way leaves
// "<file>.<process>.tmp", and the next save of that file removes the
// temporaries of writers that no longer run, but no other file.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

#include "drummachine/core/AtomicTextFile.h"
#include "drummachine/core_test_support.h"
#include "tools/WriteFileAtomically.h"

namespace {

using core_test::TempFolder;

std::set<std::string> FilesIn(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

// A process number that no process has now: a child that has ended and been
// waited for.
pid_t EndedProcess() {
  pid_t child = fork();
  if (child == 0) _exit(0);
  int status = 0;
  waitpid(child, &status, 0);
  return child;
}

void SaveText(const std::string& path, const std::string& text) {
  WriteTextFileAtomically(path, [&](TextFile& f) { Write(f, text); });
}

bool SaveTool(const std::string& path, const std::string& text) {
  return WriteFileAtomically(path, text);
}

TEST(AtomicSave, ASaveKilledHalfWayLeavesItsTemporaryForTheNextSaveToRemove) {
  TempFolder folder;
  const std::string path = folder.Path("song.bkv");
  core_test::WriteBytes(path, "old");
  pid_t killed = 0;
  int code = core_test::InChild(
      [&] {
        WriteTextFileAtomically(path, [](TextFile& f) {
          Write(f, std::string("half"));
          _exit(7);  // killed while writing
        });
        return 0;
      },
      0, false);
  ASSERT_EQ(code, 7);
  for (const std::string& name : FilesIn(folder.Dir()))
    if (name != "song.bkv") killed = static_cast<pid_t>(std::stol(name.substr(9)));
  ASSERT_NE(killed, 0) << "no temporary left";
  EXPECT_EQ(FilesIn(folder.Dir()), (std::set<std::string>{"song.bkv", "song.bkv." + std::to_string(killed) + ".tmp"}));
  EXPECT_EQ(core_test::ReadBytes(path), "old");

  SaveText(path, "new");
  EXPECT_EQ(FilesIn(folder.Dir()), std::set<std::string>{"song.bkv"});
  EXPECT_EQ(core_test::ReadBytes(path), "new");
}

TEST(AtomicSave, OnlyTheTemporariesOfEndedWritersOfThatFileGo) {
  struct Writer {
    const char* what;
    void (*save)(const std::string& path);
  };
  const Writer writers[] = {
      {"program", [](const std::string& path) { SaveText(path, "text"); }},
      {"build tool", [](const std::string& path) { EXPECT_TRUE(SaveTool(path, "text")); }},
  };
  const std::string ended = std::to_string(EndedProcess());
  const std::string running = std::to_string(getppid());
  for (const Writer& w : writers) {
    TempFolder folder;
    const std::set<std::string> kept = {
        "Recent.inf." + running + ".tmp",  // its writer may be saving now
        "Other.inf." + ended + ".tmp",  // another file's
        "Recent.inf.x" + ended + ".tmp",  // not a process number
        "Recent.inf." + ended + ".bak",
    };
    for (const std::string& name : kept) core_test::WriteBytes(folder.Path(name), "keep");
    core_test::WriteBytes(folder.Path("Recent.inf." + ended + ".tmp"), "stale");
    w.save(folder.Path("Recent.inf"));
    std::set<std::string> expected = kept;
    expected.insert("Recent.inf");
    EXPECT_EQ(FilesIn(folder.Dir()), expected) << w.what;
    EXPECT_EQ(core_test::ReadBytes(folder.Path("Recent.inf")), "text") << w.what;
  }
}

}  // namespace
