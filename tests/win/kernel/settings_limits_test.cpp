// Settings files beyond what their readers should hold: a registry file nested
// deeper than the registry allows, and a profile of very many sections.
#include <string>

#include "kernel_test_support.h"
#include "platform/win/kernel/registry_store.h"
#include "platform/win/winbase.h"

namespace {

using kernel_test::ScratchDir;
using kernel_test::WriteText;
using win::kernel::kMaxKeyDepth;
using win::kernel::RegistryStore;

std::string KeyPath(std::size_t depth) {
  std::string path = "HKEY_CURRENT_USER";
  for (std::size_t i = 0; i < depth; ++i) path += "\\k";
  return path;
}

TEST(SettingsLimits, RegistryFileKeysDeeperThanTheLimitAreSkipped) {
  const std::string text =
      "[" + KeyPath(50000) + "]\r\n\"v\"=dword:00000001\r\n[" + KeyPath(kMaxKeyDepth) + "]\r\n\"w\"=dword:00000002\r\n";
  RegistryStore store = RegistryStore::Parse(text);
  std::string deepest(kMaxKeyDepth * 2 - 1, 'k');
  for (std::size_t i = 1; i < deepest.size(); i += 2) deepest[i] = '\\';
  win::kernel::RegKey* key = store.Walk(1, deepest);
  ASSERT_NE(key, nullptr);
  EXPECT_TRUE(key->subkeys.empty());
  ASSERT_EQ(key->values.size(), 1u);
  EXPECT_EQ(key->values[0].name, "w");
  // Written out, every key is one block: the text grows with the keys.
  const std::string written = store.Serialise();
  EXPECT_EQ(RegistryStore::Parse(written).Serialise(), written);
}

TEST(SettingsLimits, RegistryRefusesKeysDeeperThanTheLimit) {
  ScratchDir dir;
  kernel_test::UserDirOverride user{dir.Path()};
  std::string tooDeep;
  for (std::size_t i = 0; i <= kMaxKeyDepth; ++i) tooDeep += "k\\";
  HKEY key = nullptr;
  EXPECT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, tooDeep.c_str(), &key), ERROR_INVALID_PARAMETER);
  tooDeep.resize(tooDeep.size() - 2);
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, tooDeep.c_str(), &key), ERROR_SUCCESS);
  HKEY deeper = nullptr;
  EXPECT_EQ(RegCreateKeyA(key, "one-more", &deeper), ERROR_INVALID_PARAMETER);
  RegCloseKey(key);
}

TEST(SettingsLimits, HundredThousandProfileSectionsAreListedOnceEach) {
  ScratchDir dir;
  std::string text;
  text.reserve(3000000);
  for (int i = 0; i < 100000; ++i) {
    // Every second section repeats the one before it in other case.
    text += (i % 2 ? "[SECTION" : "[section") + std::to_string(i / 2) + "]\r\nk=v\r\n";
  }
  WriteText(dir / "many.ini", text);
  const std::string file = dir.Win("many.ini");
  std::string buffer(2000000, '\0');
  DWORD n = GetPrivateProfileSectionNamesA(buffer.data(), static_cast<DWORD>(buffer.size()), file.c_str());
  ASSERT_GT(n, 0u);
  int names = 0;
  for (DWORD i = 0; i < n; ++i) names += buffer[i] == '\0';
  EXPECT_EQ(names, 50000);
  EXPECT_EQ(buffer.substr(0, 9), std::string("section0\0", 9));
}

}  // namespace
