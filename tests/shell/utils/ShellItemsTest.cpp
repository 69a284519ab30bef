// Parsing, paths, names and special folders through the shell helpers.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "controls/shell/UNavShellUtils.h"
#include "platform/win/drums_ext.h"
#include "tests/shell/shared/ShellHome.h"
#include "tests/shell/shared/ShellPidl.h"

namespace {

std::string Shown(const std::string& posixPath) {
  return win::kernel::ToWindowsPath(posixPath);
}

TEST(ShellItemsTest, PathsRoundTripAndTheDesktopHasTheDesktopFolder) {
  TShellHome home;
  for (const char* relative : {"with space", "ünïcode ✓", "a:b", "one/two/three/four/five/six"}) {
    const std::string path = home.MakeFolder(relative);
    TShellPidl list;
    ASSERT_EQ(PathToPidl(path, &list.p), S_OK) << relative;
    EXPECT_EQ(PidlToPath(list.p), Shown(path));
  }
  EXPECT_EQ(PidlToPath(nullptr), Shown(home.Desktop));
  TShellPidl drives;
  ASSERT_EQ(GetSpecialFolderPidl(nullptr, CSIDL_DRIVES, &drives.p), S_OK);
  EXPECT_EQ(PidlToPath(drives.p), "");
}

TEST(ShellItemsTest, AFailedOrTooLongParseLeavesNoList) {
  TShellHome home;
  TShellPidl missing;
  EXPECT_TRUE(FAILED(PathToPidl(home.Home + "/not here", &missing.p)));
  EXPECT_EQ(missing.p, nullptr);
  // 259 characters parse; one more is refused rather than cut to a
  // different, existing path.
  TShellPidl longest;
  TShellPidl tooLong;
  const std::string cutIsAFolder = home.MakeFolder(std::string(259 - home.Home.size() - 1, 'y'));
  EXPECT_EQ(PathToPidl(cutIsAFolder, &longest.p), S_OK);
  EXPECT_TRUE(FAILED(PathToPidl(cutIsAFolder + "y", &tooLong.p)));
  EXPECT_EQ(tooLong.p, nullptr);
}

TEST(ShellItemsTest, SpecialFolders) {
  TShellHome home;
  TShellPidl drives;
  ASSERT_EQ(GetSpecialFolderPidl(nullptr, CSIDL_DRIVES | 0x8000, &drives.p), S_OK);
  EXPECT_EQ(GetSpecialFolderId(drives.p), CSIDL_DRIVES);
  EXPECT_EQ(GetSpecialFolderId(nullptr), CSIDL_DESKTOP);
  TShellPidl plain;
  ASSERT_EQ(PathToPidl(home.MakeFolder("beats"), &plain.p), S_OK);
  EXPECT_EQ(GetSpecialFolderId(plain.p), kNavLastSpecialFolder);
  EXPECT_EQ(GetSpecialFolderPath(nullptr, CSIDL_PERSONAL), Shown(home.Home));
  EXPECT_EQ(GetSpecialFolderPath(nullptr, 0x7E), "");
}

TEST(ShellItemsTest, DisplayNamesAndFoldersOfTheDesktop) {
  TShellHome home;
  const std::string file = home.MakeFile("beats/kick.wav");
  TShellPidl list;
  ASSERT_EQ(PathToPidl(file, &list.p), S_OK);
  EXPECT_EQ(GetDisplayName(nullptr, list.p, nkForParsing), Shown(file));
  EXPECT_EQ(GetDisplayName(nullptr, list.p, nkInFolder), "kick.wav");

  IShellFolder* desktop = nullptr;
  ASSERT_EQ(GetShellFolder(nullptr, &desktop), S_OK);
  IShellFolder* again = nullptr;
  const USHORT empty = 0;
  ASSERT_EQ(GetShellFolder(reinterpret_cast<LPCITEMIDLIST>(&empty), &again), S_OK);
  EXPECT_EQ(GetDisplayName(desktop, list.p, nkInFolder), "kick.wav");
  again->Release();
  desktop->Release();
  IShellFolder* notAFolder = nullptr;
  EXPECT_TRUE(FAILED(GetShellFolder(list.p, &notAFolder)));
  EXPECT_EQ(notAFolder, nullptr);
}

TEST(ShellItemsTest, StrRetTextsStayInsideTheirSource) {
  // An offset text is read inside the list only: an offset past the list, or
  // a text without its NUL, never reads beyond the terminator.
  const BYTE list[] = {7, 0, 'x', 'n', 'a', 'm', 'e', 0, 0};
  auto pidl = reinterpret_cast<LPCITEMIDLIST>(list);
  STRRET value{};
  value.uType = STRRET_OFFSET;
  value.uOffset = 3;
  EXPECT_EQ(StrRetToString(pidl, value), "name");
  value.uOffset = 40;
  EXPECT_EQ(StrRetToString(pidl, value), "");
  EXPECT_EQ(StrRetToString(nullptr, value), "");
  value.uType = STRRET_CSTR;
  std::memset(value.cStr, 'c', sizeof value.cStr);
  EXPECT_EQ(StrRetToString(nullptr, value).size(), sizeof value.cStr);
  STRRET wide{};
  wide.uType = STRRET_WSTR;
  const wchar_t text[] = L"ärger";
  wide.pOleStr = static_cast<LPWSTR>(CoTaskMemAlloc(sizeof text));
  std::memcpy(wide.pOleStr, text, sizeof text);
  EXPECT_EQ(StrRetToString(nullptr, wide), "ärger");
  FreeStrRet(wide);
  EXPECT_EQ(wide.pOleStr, nullptr);
}

TEST(ShellItemsTest, TextHelpers) {
  const struct {
    const char* text;
    const char* expected;
  } trailing[] = {{"C:", "C:\\"}, {"C:\\", "C:\\"}, {"", ""}, {"a\\b", "a\\b\\"}};
  for (const auto& c : trailing) EXPECT_EQ(AddTrailingChar(c.text, '\\'), c.expected) << c.text;

  const struct {
    const char* path;
    const char* name;
  } names[] = {{"C:\\home\\u\\kick.wav", "kick.wav"},
               {"C:\\home\\u\\10:30 take.wav", "10:30 take.wav"},
               {"/home/u/a:b", "a:b"},
               {"plain", "plain"}};
  for (const auto& c : names) EXPECT_EQ(ExtractItemFileName(c.path), c.name) << c.path;

  std::string out;
  int position = 2;
  AppendCharAt(position, "abc", out);
  AppendCharAt(position, "abc", out);
  AppendCharAt(position, "abc", out);
  EXPECT_EQ(out, "bc");
  EXPECT_EQ(position, 4);
}

TEST(ShellItemsTest, TheSystemImageListsAndIconIndexes) {
  TShellHome home;
  HIMAGELIST small = GetSystemImageList(isSmall);
  HIMAGELIST large = GetSystemImageList(isLarge);
  ASSERT_NE(small, nullptr);
  ASSERT_NE(large, nullptr);
  EXPECT_NE(small, large);
  TShellPidl folder;
  TShellPidl file;
  ASSERT_EQ(PathToPidl(home.MakeFolder("f"), &folder.p), S_OK);
  ASSERT_EQ(PathToPidl(home.MakeFile("f/a.wav"), &file.p), S_OK);
  EXPECT_NE(GetIconIndex(folder.p, SHGFI_SMALLICON), GetIconIndex(file.p, SHGFI_SMALLICON));
}

TEST(ShellItemsTest, ReadingALinkThatDoesNotLoadReportsTheFailure) {
  TShellHome home;
  const std::string link = home.MakeFile("beats.lnk", "not a link");
  TLinkData data;
  EXPECT_TRUE(FAILED(ReadShellLink(link, data, true)));
  EXPECT_EQ(data.ValidFields, 0);
  EXPECT_EQ(data.IdList, nullptr);
}

TEST(FormatStrPosTest, PositionalInsertsUpToFiftyStrings) {
  EXPECT_EQ(FormatStrPos("%2 before %1", {"one", "two"}), "two before one");
  EXPECT_EQ(FormatStrPos("", {"one"}), "");
  std::vector<std::string> strings;
  for (int i = 1; i <= 50; ++i) strings.push_back("s" + std::to_string(i));
  EXPECT_EQ(FormatStrPos("%1-%50", strings), "s1-s50");
  // An insert past the given strings is empty, never read from elsewhere.
  EXPECT_EQ(FormatStrPos("[%99]", {"one"}), "[]");
  strings.push_back("s51");
  try {
    FormatStrPos("%1", strings);
    ADD_FAILURE() << "51 strings were taken";
  } catch (const Exception& e) {
    EXPECT_EQ(e.GetMessage(), "FormatStrPos: Too many substitution strings");
  }
}

}  // namespace
