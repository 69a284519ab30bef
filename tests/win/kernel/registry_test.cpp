#include <cstring>
#include <string>

#include "kernel_test_support.h"
#include "platform/win/winbase.h"
#include "settings_failure.h"

namespace {

using kernel_test::ReadText;
using kernel_test::ScratchDir;

class Registry : public ::testing::Test {
 protected:
  ScratchDir dir;
  kernel_test::UserDirOverride user{dir.Path()};

  HKEY Create(HKEY root, const char* path, DWORD* disposition = nullptr) {
    HKEY key = nullptr;
    EXPECT_EQ(
        RegCreateKeyExA(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, disposition),
        ERROR_SUCCESS);
    return key;
  }
  LONG SetString(HKEY key, const char* name, const std::string& value) {
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1));
  }
};

TEST_F(Registry, CreateOpenAndValuesOfEachTypeRoundTripThroughTheFile) {
  DWORD disposition = 0;
  HKEY key = Create(HKEY_CURRENT_USER, "Software\\Drums\\Kit Editor", &disposition);
  EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
  ASSERT_EQ(SetString(key, "Title", "Quote \" back\\slash\nline"), ERROR_SUCCESS);
  DWORD number = 0xDEADBEEF;
  ASSERT_EQ(RegSetValueExA(key, "Count", 0, REG_DWORD, reinterpret_cast<BYTE*>(&number), 4), ERROR_SUCCESS);
  BYTE blob[] = {0, 1, 0xFF, 0x20};
  ASSERT_EQ(RegSetValueExA(key, "DirectoryCols", 0, REG_BINARY, blob, sizeof blob), ERROR_SUCCESS);
  ASSERT_EQ(SetString(key, nullptr, "default"), ERROR_SUCCESS);
  RegCloseKey(key);
  Create(HKEY_CURRENT_USER, "software\\DRUMS\\kit editor", &disposition);
  EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));

  // The file is human-readable and is all there is: drop nothing on reload.
  std::string text = ReadText(dir / "registry.txt");
  EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Drums\\Kit Editor]"), std::string::npos) << text;
  EXPECT_NE(text.find("\"Count\"=dword:deadbeef"), std::string::npos) << text;

  HKEY opened = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\drums\\Kit Editor", 0, KEY_READ, &opened), ERROR_SUCCESS);
  char title[64];
  DWORD type = 0, size = sizeof title;
  ASSERT_EQ(RegQueryValueExA(opened, "title", nullptr, &type, reinterpret_cast<BYTE*>(title), &size), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(std::string(title), "Quote \" back\\slash\nline");
  EXPECT_EQ(size, std::strlen(title) + 1) << "string sizes count the terminator";

  DWORD value = 0;
  size = sizeof value;
  ASSERT_EQ(RegQueryValueExA(opened, "Count", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size), ERROR_SUCCESS);
  EXPECT_EQ(value, 0xDEADBEEF);
  BYTE back[8] = {};
  size = sizeof back;
  ASSERT_EQ(RegQueryValueExA(opened, "DirectoryCols", nullptr, &type, back, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
  ASSERT_EQ(size, sizeof blob);
  EXPECT_EQ(std::memcmp(back, blob, sizeof blob), 0);
  size = sizeof title;
  ASSERT_EQ(RegQueryValueExA(opened, "", nullptr, nullptr, reinterpret_cast<BYTE*>(title), &size), ERROR_SUCCESS);
  EXPECT_EQ(std::string(title), "default");
  RegCloseKey(opened);
}

TEST_F(Registry, QuerySizesAreProbedAndShortBuffersGetMoreData) {
  HKEY key = Create(HKEY_LOCAL_MACHINE, "Software\\Probe");
  SetString(key, "Name", "twelve chars");
  DWORD size = 0;
  EXPECT_EQ(RegQueryValueExA(key, "Name", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 13u);
  char small[4];
  size = sizeof small;
  EXPECT_EQ(RegQueryValueExA(key, "Name", nullptr, nullptr, reinterpret_cast<BYTE*>(small), &size), ERROR_MORE_DATA);
  EXPECT_EQ(size, 13u);
  EXPECT_EQ(RegQueryValueExA(key, "Absent", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
  RegCloseKey(key);
}

TEST_F(Registry, EnumerationListsSubkeysInNameOrderAndValuesInOrderMade) {
  HKEY key = Create(HKEY_CURRENT_USER, "Enum");
  for (const char* child : {"beta", "Alpha", "gamma"}) RegCloseKey(Create(key, child));
  SetString(key, "z", "1");
  SetString(key, "a", "2");
  std::string names;
  char name[32];
  for (DWORD i = 0;; ++i) {
    DWORD chars = sizeof name;
    LONG rc = RegEnumKeyExA(key, i, name, &chars, nullptr, nullptr, nullptr, nullptr);
    if (rc == ERROR_NO_MORE_ITEMS) break;
    ASSERT_EQ(rc, ERROR_SUCCESS);
    EXPECT_EQ(chars, std::strlen(name));
    names += std::string(name) + ",";
  }
  EXPECT_EQ(names, "Alpha,beta,gamma,");
  DWORD chars = 3;
  EXPECT_EQ(RegEnumKeyExA(key, 0, name, &chars, nullptr, nullptr, nullptr, nullptr), ERROR_MORE_DATA);
  names.clear();
  for (DWORD i = 0;; ++i) {
    DWORD chars2 = sizeof name;
    if (RegEnumValueA(key, i, name, &chars2, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names += std::string(name) + ",";
  }
  EXPECT_EQ(names, "z,a,");
  DWORD subkeys = 0, values = 0, maxValue = 0;
  EXPECT_EQ(RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr, &maxValue,
                             nullptr, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(subkeys, 3u);
  EXPECT_EQ(values, 2u);
  EXPECT_EQ(maxValue, 2u);
  RegCloseKey(key);
}

TEST_F(Registry, DeletionOfValuesAndKeys) {
  HKEY key = Create(HKEY_CURRENT_USER, "Del\\Child");
  SetString(key, "V", "x");
  EXPECT_EQ(RegDeleteValueA(key, "v"), ERROR_SUCCESS);
  EXPECT_EQ(RegDeleteValueA(key, "v"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "Del"), ERROR_ACCESS_DENIED) << "a key with subkeys stays";
  EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "del\\CHILD"), ERROR_SUCCESS);
  // The open handle now names a deleted key.
  EXPECT_EQ(SetString(key, "V", "y"), ERROR_KEY_DELETED);
  RegCloseKey(key);
  EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "Del"), ERROR_SUCCESS);
  HKEY gone = nullptr;
  EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Del", 0, KEY_READ, &gone), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(ReadText(dir / "registry.txt").find("Del"), std::string::npos);
  EXPECT_EQ(RegCloseKey(reinterpret_cast<HKEY>(0x12345)), ERROR_INVALID_HANDLE);
}

TEST_F(Registry, AFailedWriteLeavesTheOldFileAndTheDataAsTheyWere) {
  HKEY key = Create(HKEY_CURRENT_USER, "Keep");
  SetString(key, "A", "1");
  std::string before = ReadText(dir / "registry.txt");
  std::string big(8192, 'x');
  bool failed = kernel_test::FailsUnderFileSizeLimit(static_cast<rlim_t>(before.size() + 100),
                                                     [&] { return SetString(key, "Big", big) == ERROR_SUCCESS; });
  EXPECT_TRUE(failed);
  EXPECT_EQ(ReadText(dir / "registry.txt"), before);
  DWORD size = 0;
  EXPECT_EQ(RegQueryValueExA(key, "Big", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
  RegCloseKey(key);
}

TEST_F(Registry, ChangesByAnotherProcessAreSeen) {
  HKEY key = Create(HKEY_CURRENT_USER, "Shared");
  SetString(key, "A", "1");
  pid_t child = fork();
  if (child == 0) _exit(SetString(key, "A", "from the child") == ERROR_SUCCESS ? 0 : 1);
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  char value[32];
  DWORD size = sizeof value;
  ASSERT_EQ(RegQueryValueExA(key, "A", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size), ERROR_SUCCESS);
  EXPECT_EQ(std::string(value), "from the child");
  RegCloseKey(key);
}

}  // namespace
