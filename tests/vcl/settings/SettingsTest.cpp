// TIniFile, TRegistry and TRegIniFile over the platform's stores: values
// written by one process are read by the next (a child process writes,
// this one reads, and the other way round), binary data, and the defaults
// and errors of missing values.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "platform/vcl/Classes.h"
#include "platform/vcl/IniFiles.h"
#include "platform/vcl/Registry.h"
#include "support/TempFolder.h"

namespace {

std::vector<std::string> Lines(TStrings& s) {
  std::vector<std::string> out;
  for (int i = 0; i < s.GetCount(); i++) out.push_back(s.GetStrings(i));
  return out;
}

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* old = std::getenv("DRUMS_USER_DIR")) oldUserDir = old;
    setenv("DRUMS_USER_DIR", dir.Path().c_str(), 1);
  }
  void TearDown() override {
    if (oldUserDir.empty())
      unsetenv("DRUMS_USER_DIR");
    else
      setenv("DRUMS_USER_DIR", oldUserDir.c_str(), 1);
  }
  // Runs work in a process of its own; true when it returned true there.
  static bool InChild(const std::function<bool()>& work) {
    pid_t child = fork();
    if (child == 0) {
      bool ok = false;
      try {
        ok = work();
      } catch (...) {
        ok = false;
      }
      _exit(ok ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }

  TempFolder dir;
  std::string oldUserDir;
};

TEST_F(SettingsTest, IniValuesWrittenByAnotherProcessReadBack) {
  ASSERT_TRUE(InChild([] {
    TIniFile ini("Drums.ini");
    ini.WriteString("Recent", "File1", "C:\\songs\\groove.bkv");
    ini.WriteInteger("Options", "Tempo", 120);
    ini.WriteBool("Options", "Tips", false);
    ini.WriteString("Options", "Skin", "Night");
    return true;
  }));
  TIniFile ini("Drums.ini");
  EXPECT_EQ(ini.ReadString("Recent", "File1", ""), "C:\\songs\\groove.bkv");
  EXPECT_EQ(ini.ReadInteger("Options", "Tempo", 0), 120);
  EXPECT_FALSE(ini.ReadBool("Options", "Tips", true));
  TStringList names;
  ini.ReadSections(&names);
  EXPECT_EQ(Lines(names), (std::vector<std::string>{"Recent", "Options"}));
  ini.ReadSection("Options", &names);
  EXPECT_EQ(Lines(names), (std::vector<std::string>{"Tempo", "Tips", "Skin"}));
  ini.ReadSectionValues("Options", &names);
  EXPECT_EQ(Lines(names), (std::vector<std::string>{"Tempo=120", "Tips=0", "Skin=Night"}));
  // A bare name is a file of the Windows directory.
  EXPECT_NE(dir.ReadBytes("windows/Drums.ini").find("Tempo=120"), std::string::npos);

  // And the other way: this process writes, a new one reads.
  ini.WriteString("Recent", "File2", "beat.bkv");
  EXPECT_TRUE(InChild([] { return TIniFile("Drums.ini").ReadString("Recent", "File2", "") == "beat.bkv"; }));
}

TEST_F(SettingsTest, MissingIniValuesReadAsTheirDefaults) {
  TIniFile ini(dir / "cfg.ini");
  ini.WriteString("Grid", "Empty", "");
  ini.WriteString("Grid", "Word", "twelve");
  ini.WriteString("Grid", "Hex", "0x1F");
  EXPECT_EQ(ini.ReadString("Grid", "Missing", "fallback"), "fallback");
  EXPECT_EQ(ini.ReadString("Nowhere", "Missing", "fallback"), "fallback");
  EXPECT_EQ(ini.ReadString("Grid", "Empty", "fallback"), "") << "an empty value is a value";
  EXPECT_EQ(ini.ReadInteger("Grid", "Missing", 7), 7);
  EXPECT_EQ(ini.ReadInteger("Grid", "Word", 7), 7) << "no number reads as the default";
  EXPECT_EQ(ini.ReadInteger("Grid", "Hex", 7), 31);
  EXPECT_TRUE(ini.ReadBool("Grid", "Missing", true));
  EXPECT_TRUE(ini.ValueExists("Grid", "Empty"));
  EXPECT_FALSE(ini.ValueExists("Grid", "Missing"));
  EXPECT_FALSE(ini.SectionExists("Nowhere"));
  TStringList names;
  names.Add("stale");
  ini.ReadSection("Nowhere", &names);
  EXPECT_EQ(names.GetCount(), 0);
}

TEST_F(SettingsTest, DeleteKeyAndEraseSectionRemoveOnlyTheirPart) {
  TIniFile ini(dir / "cfg.ini");
  ini.WriteString("A", "One", "1");
  ini.WriteString("A", "Two", "2");
  ini.WriteString("B", "Three", "3");
  ini.DeleteKey("A", "One");
  ini.DeleteKey("A", "Missing");
  EXPECT_FALSE(ini.ValueExists("A", "One"));
  EXPECT_EQ(ini.ReadString("A", "Two", ""), "2");
  ini.EraseSection("A");
  TStringList sections;
  ini.ReadSections(&sections);
  EXPECT_EQ(Lines(sections), (std::vector<std::string>{"B"}));
  EXPECT_EQ(ini.ReadString("B", "Three", ""), "3");
}

TEST_F(SettingsTest, AnIniWriteThatFailsRaises) {
  dir.WriteBytes("plain", "not a folder");
  TIniFile ini(dir / "plain/cfg.ini");
  try {
    ini.WriteString("A", "B", "C");
    FAIL() << "no exception";
  } catch (const EIniFileException& e) {
    EXPECT_EQ(e.GetMessage(), "Unable to write to " + (dir / "plain/cfg.ini"));
  }
}

TEST_F(SettingsTest, RegistryValuesAndBinaryDataCrossProcesses) {
  const char* explorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
  const unsigned char cols[10] = {200, 0, 60, 0, 100, 0, 120, 0, 50, 0};
  ASSERT_TRUE(InChild([&] {
    TRegistry reg;
    reg.SetRootKey(HKEY_CURRENT_USER);
    if (!reg.OpenKey(explorer, true)) return false;
    reg.WriteBinaryData("DirectoryCols", cols, sizeof cols);
    reg.WriteString("Title", "Brenkavar Tambrel");
    reg.WriteInteger("Count", 42);
    reg.WriteBool("Shown", true);
    reg.SetLazyWrite(false);
    reg.CloseKey();
    return true;
  }));
  TRegistry reg(KEY_READ);
  ASSERT_FALSE(reg.OpenKey("Software\\Missing", false));
  ASSERT_TRUE(reg.OpenKeyReadOnly(explorer));
  EXPECT_EQ(reg.GetCurrentPath(), explorer);
  EXPECT_TRUE(reg.ValueExists("DirectoryCols"));
  EXPECT_EQ(reg.GetDataType("DirectoryCols"), rdBinary);
  EXPECT_EQ(reg.GetDataSize("DirectoryCols"), 10);
  unsigned char block[22] = {0};
  EXPECT_EQ(reg.ReadBinaryData("DirectoryCols", block, sizeof block), 10);
  EXPECT_EQ(std::vector<unsigned char>(block, block + 10), std::vector<unsigned char>(cols, cols + 10));
  EXPECT_EQ(reg.ReadString("Title"), "Brenkavar Tambrel");
  EXPECT_EQ(reg.ReadInteger("Count"), 42);
  EXPECT_TRUE(reg.ReadBool("Shown"));
  TStringList names;
  reg.GetValueNames(&names);
  EXPECT_EQ(names.GetCount(), 4);
}

TEST_F(SettingsTest, MissingAndMistypedRegistryValues) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey("Software\\Drums", true));
  reg.WriteString("Text", "abc");
  unsigned char big[30] = {1};
  reg.WriteBinaryData("Big", big, sizeof big);
  // Missing: an empty string, no bytes, size -1; a number cannot be read.
  EXPECT_EQ(reg.ReadString("Missing"), "");
  unsigned char block[22] = {0};
  EXPECT_EQ(reg.ReadBinaryData("Missing", block, sizeof block), 0);
  EXPECT_EQ(reg.GetDataSize("Missing"), -1);
  EXPECT_THROW(reg.ReadInteger("Missing"), ERegistryException);
  // Of another type, or larger than the buffer: an error, not a cut copy.
  try {
    reg.ReadInteger("Text");
    FAIL() << "no exception";
  } catch (const ERegistryException& e) {
    EXPECT_EQ(e.GetMessage(), "Invalid data type for 'Text'");
  }
  EXPECT_THROW(reg.ReadBinaryData("Big", block, sizeof block), ERegistryException);
  EXPECT_THROW(reg.ReadString("Big"), ERegistryException);
  EXPECT_TRUE(reg.DeleteValue("Text"));
  EXPECT_FALSE(reg.DeleteValue("Text"));
  EXPECT_FALSE(reg.ValueExists("Text"));
  // A closed registry has no values to write to.
  reg.CloseKey();
  EXPECT_THROW(reg.WriteString("Text", "x"), ERegistryException);
}

TEST_F(SettingsTest, KeysOpenRelativeToTheCurrentKeyOrFromTheRoot) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey("Software\\Drums", true));
  ASSERT_TRUE(reg.OpenKey("Kit\\Tracks", true));
  EXPECT_EQ(reg.GetCurrentPath(), "Software\\Drums\\Kit\\Tracks");
  reg.WriteInteger("Count", 12);
  ASSERT_TRUE(reg.OpenKey("\\Software\\Drums", false));
  EXPECT_EQ(reg.GetCurrentPath(), "Software\\Drums");
  EXPECT_TRUE(reg.HasSubKeys());
  EXPECT_TRUE(reg.KeyExists("Kit\\Tracks"));
  // Another root has its own keys.
  TRegistry machine;
  machine.SetRootKey(HKEY_LOCAL_MACHINE);
  EXPECT_FALSE(machine.KeyExists("\\Software\\Drums"));
  // Deleting a key takes its subkeys along.
  EXPECT_TRUE(reg.DeleteKey("\\Software\\Drums\\Kit"));
  EXPECT_FALSE(reg.KeyExists("Kit"));
}

TEST_F(SettingsTest, RegIniFileSectionsAreSubkeysAndCrossProcesses) {
  ASSERT_TRUE(InChild([] {
    TRegIniFile ini("Software\\Redozev Idezar");
    ini.WriteString("Common", "ListBoxData", "200,150,90");
    ini.WriteInteger("Common", "Count", 3);
    ini.WriteBool("Grid", "Lines", true);
    ini.WriteString("", "Version", "1");
    return true;
  }));
  TRegIniFile ini("Software\\Redozev Idezar");
  EXPECT_EQ(ini.GetFileName(), "Software\\Redozev Idezar");
  EXPECT_EQ(ini.ReadString("Common", "ListBoxData", ""), "200,150,90");
  EXPECT_EQ(ini.ReadInteger("Common", "Count", 0), 3);
  EXPECT_TRUE(ini.ReadBool("Grid", "Lines", false));
  EXPECT_EQ(ini.ReadString("", "Version", ""), "1") << "an empty section is the key itself";
  EXPECT_EQ(ini.ReadString("Common", "Missing", "d"), "d");
  EXPECT_EQ(ini.ReadString("Nowhere", "Missing", "d"), "d");
  EXPECT_EQ(ini.ReadInteger("Nowhere", "Missing", -5), -5);
  EXPECT_FALSE(ini.KeyExists("Nowhere")) << "reading a missing section makes no key";
  // A number kept as text reads as a number and stays text.
  ini.WriteString("Common", "Width", "75");
  EXPECT_EQ(ini.ReadInteger("Common", "Width", 0), 75);
  ini.WriteInteger("Common", "Width", 80);
  EXPECT_EQ(ini.ReadString("Common", "Width", ""), "80");
  TStringList names;
  ini.ReadSections(&names);
  EXPECT_EQ(Lines(names), (std::vector<std::string>{"Common", "Grid"}));
  ini.DeleteKey("Common", "Count");
  EXPECT_FALSE(ini.ValueExists("Common", "Count"));
  ini.EraseSection("Grid");
  ini.ReadSections(&names);
  EXPECT_EQ(Lines(names), (std::vector<std::string>{"Common"}));
  EXPECT_TRUE(InChild([] { return !TRegIniFile("Software\\Redozev Idezar").ValueExists("Grid", "Lines"); }));
}

}  // namespace
