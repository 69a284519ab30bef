// The detail columns of a folder through IShellFolder2.
#include <filesystem>

#include "platform/win/shell/folder_details.h"
#include "shell_fixture.h"

namespace shell_test {
namespace {

using DetailsTest = ShellTest;

std::string Text(IShellFolder2* folder, LPCITEMIDLIST pidl, UINT column) {
  SHELLDETAILS details{};
  if (folder->GetDetailsOf(pidl, column, &details) != S_OK) return "<failed>";
  return details.str.cStr;
}

TEST_F(DetailsTest, HeadingsThenItemTexts) {
  std::filesystem::create_directories(root_ + "/kits");
  MakeFile(root_ + "/a.wav", std::string(1500, 'x'));
  Pidl list;
  ASSERT_EQ(Parse(root_, &list), S_OK);
  Ref<IShellFolder2> folder;
  ASSERT_EQ(desktop->BindToObject(list.p, nullptr, IID_IShellFolder2, folder.OutVoid()), S_OK);

  const std::vector<std::string> headings = {"Name", "Size", "Type", "Modified"};
  for (UINT column = 0; column < headings.size(); ++column) {
    EXPECT_EQ(Text(folder.p, nullptr, column), headings[column]);
    SHCOLSTATEF state = 0;
    EXPECT_EQ(folder->GetDefaultColumnState(column, &state), S_OK);
    EXPECT_TRUE(state & SHCOLSTATE_ONBYDEFAULT);
  }
  SHELLDETAILS none{};
  EXPECT_EQ(folder->GetDetailsOf(nullptr, 4, &none), E_INVALIDARG);

  Pidl wave, kits;
  std::wstring waveName = L"a.wav", kitsName = L"kits";
  ASSERT_EQ(folder->ParseDisplayName(nullptr, nullptr, waveName.data(), nullptr, wave.Out(), nullptr), S_OK);
  ASSERT_EQ(folder->ParseDisplayName(nullptr, nullptr, kitsName.data(), nullptr, kits.Out(), nullptr), S_OK);
  EXPECT_EQ(Text(folder.p, wave.p, 0), "a.wav");
  EXPECT_EQ(Text(folder.p, wave.p, 1), "2 KB");
  EXPECT_EQ(Text(folder.p, wave.p, 2), "Wave Sound");
  EXPECT_NE(Text(folder.p, wave.p, 3).find('/'), std::string::npos);
  EXPECT_EQ(Text(folder.p, kits.p, 1), "");
  EXPECT_EQ(Text(folder.p, kits.p, 2), "File Folder");
}

TEST(DetailTexts, SizesInKilobytesRoundedUp) {
  const std::vector<std::pair<long long, std::string>> cases = {
      {0, "0 KB"}, {1, "1 KB"}, {1024, "1 KB"}, {1025, "2 KB"}, {1293942784LL, "1,263,616 KB"}};
  for (const auto& [bytes, text] : cases) EXPECT_EQ(win::shell::SizeText(bytes), text) << bytes;
}

}  // namespace
}  // namespace shell_test
