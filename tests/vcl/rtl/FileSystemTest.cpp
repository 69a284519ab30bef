#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/vcl/rtl/DateTime.h"
#include "platform/vcl/rtl/FileSystem.h"
#include "support/TempFolder.h"

namespace {

std::vector<std::string> FindAll(const std::string& pattern, int attr) {
  std::vector<std::string> names;
  TSearchRec rec;
  for (int r = FindFirst(pattern, attr, rec); r == 0; r = FindNext(rec)) names.push_back(rec.Name);
  FindClose(rec);
  std::sort(names.begin(), names.end());
  return names;
}

TEST(FileSystem, FindFirstMatchesCaseInsensitivelyAndHonoursAttributes) {
  TempFolder dir;
  dir.WriteBytes("Kits/Funk_01.DSW", "12345");
  dir.WriteBytes("Kits/funk.kit", "");
  dir.WriteBytes("Kits/.hidden.dsw", "");
  dir.WriteBytes("Kits/Sub/inner.dsw", "");
  const std::string kits = dir.Path() + "\\KITS\\";

  EXPECT_EQ(FindAll(kits + "*.dsw", faAnyFile & ~faDirectory & ~faHidden), (std::vector<std::string>{"Funk_01.DSW"}));
  EXPECT_EQ(FindAll(kits + "*.dsw", faAnyFile), (std::vector<std::string>{".hidden.dsw", "Funk_01.DSW"}));
  EXPECT_EQ(FindAll(kits + "*.*", faDirectory),
            (std::vector<std::string>{".", "..", "Funk_01.DSW", "Sub", "funk.kit"}));
  EXPECT_EQ(FindAll(kits + "FUNK?01.*", 0), (std::vector<std::string>{"Funk_01.DSW"}));

  TSearchRec rec;
  ASSERT_EQ(FindFirst(kits + "funk_01.dsw", 0, rec), 0);
  EXPECT_EQ(rec.Size, 5);
  EXPECT_TRUE(rec.Attr & faArchive);
  EXPECT_EQ(FindNext(rec), 18);  // no more files
  FindClose(rec);
  EXPECT_EQ(FindFirst(kits + "*.none", faAnyFile, rec), 2);
  EXPECT_EQ(FindFirst(dir.Path() + "/missing/*.*", faAnyFile, rec), 3);
}

TEST(FileSystem, ExistenceRenameDeleteAndFolders) {
  TempFolder dir;
  dir.WriteBytes("Song.bkv", "x");
  dir.WriteBytes("Other.bkv", "y");
  EXPECT_TRUE(FileExists(dir.Path() + "\\song.BKV"));
  EXPECT_FALSE(FileExists(dir.Path()));  // a folder is not a file
  EXPECT_TRUE(DirectoryExists(dir.Path()));
  EXPECT_EQ(FileGetAttr(dir.Path()) & faDirectory, faDirectory);
  EXPECT_EQ(FileGetAttr(dir / "none"), -1);

  EXPECT_FALSE(RenameFile(dir / "Song.bkv", dir / "Other.bkv"));  // never replaces
  EXPECT_EQ(dir.ReadBytes("Other.bkv"), "y");
  EXPECT_TRUE(RenameFile(dir / "song.bkv", dir / "SONG.bkv"));  // only the case changes
  EXPECT_EQ(dir.ReadBytes("SONG.bkv"), "x");
  EXPECT_TRUE(RenameFile(dir / "song.bkv", dir / "Renamed.bkv"));
  EXPECT_TRUE(DeleteFile(dir / "RENAMED.bkv"));
  EXPECT_FALSE(DeleteFile(dir / "Renamed.bkv"));

  EXPECT_TRUE(ForceDirectories(dir.Path() + "\\a\\b\\c\\"));
  EXPECT_TRUE(DirectoryExists(dir / "a/b/c"));
  dir.WriteBytes("blocker", "");
  EXPECT_FALSE(ForceDirectories(dir / "blocker/sub"));
  EXPECT_FALSE(ForceDirectories(""));
  EXPECT_TRUE(ForceDirectories("/"));
}

TEST(FileSystem, FileAgeIsTheLastWriteInDosForm) {
  TempFolder dir;
  dir.WriteBytes("f.txt", "");
  int age = FileAge(dir / "F.TXT");
  ASSERT_NE(age, -1);
  // Within a day of now (two-second resolution of the DOS form).
  EXPECT_NEAR(FileDateToDateTime(age), Now(), 1.0);
  EXPECT_EQ(FileAge(dir / "none"), -1);
  TDateTime t = EncodeDate(2026, 12, 10) + EncodeTime(15, 4, 6, 0);
  EXPECT_DOUBLE_EQ(FileDateToDateTime(DateTimeToFileDate(t)), t);
}

}  // namespace
