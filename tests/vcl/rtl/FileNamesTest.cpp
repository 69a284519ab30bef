#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/vcl/rtl/FileNames.h"

namespace {

struct NameCase {
  const char* name;
  const char* path;
  const char* dir;
  const char* file;
  const char* ext;
  const char* drive;
};

TEST(FileNames, BothSeparatorsSplitTheName) {
  const std::vector<NameCase> cases = {
      {"C:\\songs\\demo.bkv", "C:\\songs\\", "C:\\songs", "demo.bkv", ".bkv", "C:"},
      {"user kits/Funk_01.dsw", "user kits/", "user kits", "Funk_01.dsw", ".dsw", ""},
      {"a\\b/c.tar.gz", "a\\b/", "a\\b", "c.tar.gz", ".gz", ""},
      {"C:\\x", "C:\\", "C:\\", "x", "", "C:"},
      {"\\root.txt", "\\", "\\", "root.txt", ".txt", ""},
      {"C:name.txt", "C:", "C:", "name.txt", ".txt", "C:"},
      {"dir.d\\noext", "dir.d\\", "dir.d", "noext", "", ""},
      {"plain", "", "", "plain", "", ""},
      {"\\\\server\\share\\f.txt", "\\\\server\\share\\", "\\\\server\\share", "f.txt", ".txt", "\\\\server\\share"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtractFilePath(c.name), c.path) << c.name;
    EXPECT_EQ(ExtractFileDir(c.name), c.dir) << c.name;
    EXPECT_EQ(ExtractFileName(c.name), c.file) << c.name;
    EXPECT_EQ(ExtractFileExt(c.name), c.ext) << c.name;
    EXPECT_EQ(ExtractFileDrive(c.name), c.drive) << c.name;
  }
}

TEST(FileNames, ExtensionsAndTrailingDelimiters) {
  EXPECT_EQ(ChangeFileExt("kits\\Funk.new", ".kit"), "kits\\Funk.kit");
  EXPECT_EQ(ChangeFileExt("dir.d\\song", ".bkv"), "dir.d\\song.bkv");
  EXPECT_EQ(ChangeFileExt("a.b.c", ""), "a.b");
  EXPECT_EQ(IncludeTrailingPathDelimiter("C:\\kits"), "C:\\kits\\");
  EXPECT_EQ(IncludeTrailingBackslash("kits/"), "kits/");
  EXPECT_EQ(ExcludeTrailingBackslash("kits\\"), "kits");
  EXPECT_EQ(ExcludeTrailingPathDelimiter("kits/"), "kits");
  EXPECT_EQ(ExcludeTrailingPathDelimiter(""), "");
}

TEST(FileNames, ExpandFileNameFoldsDotsAndDrive) {
  EXPECT_EQ(ExpandFileName("C:\\a\\.\\b\\..\\c.txt"), "/a/c.txt");
  EXPECT_EQ(ExpandFileName("/a/../../b"), "/b");
  std::string relative = ExpandFileName("x.txt");
  ASSERT_FALSE(relative.empty());
  EXPECT_EQ(relative.front(), '/');
  EXPECT_EQ(ExtractFileName(relative), "x.txt");
}

}  // namespace
