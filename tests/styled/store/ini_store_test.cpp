// The settings store's values in an INI file and in the registry: where the
// names lead, what a reader outside this program finds, and what a delete
// takes away.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "controls/styled/stycompo.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/Registry.h"
#include "platform/vcl/SysUtils.h"
#include "platform/win/windows.h"
#include "styled/shared/fixture.h"
#include "tests/support/TempFolder.h"

namespace {

// Runs a python3 script with arguments and returns what it printed.
std::string Python(const std::string& script, const std::string& args) {
  TempFolder folder;
  folder.WriteBytes("check.py", script);
  std::string out;
  FILE* p = ::popen(("/usr/bin/python3 " + (folder / "check.py") + " " + args).c_str(), "r");
  if (!p) return "(no python3)";
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, p)) out += buffer;
  ::pclose(p);
  return out;
}

std::string Quoted(const std::string& s) {
  return "'" + s + "'";
}

class IniStore : public styledtest::StyledProcs {
 protected:
  void SetUp() override {
    const char* old = std::getenv("DRUMS_USER_DIR");
    savedUserDir = old ? old : "";
    hadUserDir = old != nullptr;
    ::setenv("DRUMS_USER_DIR", userDir.Path().c_str(), 1);
    StyledProcs::SetUp();
    Application->SetTitle("Kit Test");
    ctrl = std::make_unique<TStyIniCtrl>(nullptr);
  }
  void TearDown() override {
    ctrl.reset();
    StyledProcs::TearDown();
    if (hadUserDir)
      ::setenv("DRUMS_USER_DIR", savedUserDir.c_str(), 1);
    else
      ::unsetenv("DRUMS_USER_DIR");
  }
  // The Windows directory of the test's own user folder.
  std::string WindowsFolder() const { return userDir.Path() + "/windows"; }

  TempFolder userDir;
  std::string savedUserDir;
  bool hadUserDir = false;
  std::unique_ptr<TStyIniCtrl> ctrl;
};

TEST_F(IniStore, UserSectionLandsInThePrefixedFileAndConfigparserReadsIt) {
  ctrl->SetTarget(itIniFile);
  ctrl->SetIniFile("kitedit");
  ctrl->SetCommon(false);
  ctrl->SetUser("bob");
  ctrl->WriteString("Common", "ListBoxData", "200,150,90");

  EXPECT_EQ(ctrl->ResolveIniFileName(), AddBackslash(WindowsDirectory()) + "kitedit.INI");
  const std::string file = WindowsFolder() + "/kitedit.INI";
  const std::string script =
      "import configparser, sys\n"
      "c = configparser.ConfigParser()\n"
      "c.read(sys.argv[1])\n"
      "print(c.sections())\n"
      "print(c['Common.bob']['ListBoxData'])\n";
  EXPECT_EQ(Python(script, Quoted(file)), "['Common.bob']\n200,150,90\n");
  EXPECT_EQ(ctrl->ReadString("Common", "ListBoxData", "none"), "200,150,90");
}

TEST_F(IniStore, DeleteRemovesExactlyThatValue) {
  for (TStyIniTarget target : {itIniFile, itRegistry}) {
    SCOPED_TRACE(target);
    ctrl->SetTarget(target);
    ctrl->WriteString("Grid", "Widths", "1,2");
    ctrl->WriteString("Grid", "Other", "kept");
    ctrl->WriteString("Else", "Widths", "kept too");
    ctrl->DeleteKey("Grid", "Widths");
    EXPECT_EQ(ctrl->ReadString("Grid", "Widths", "gone"), "gone");
    EXPECT_EQ(ctrl->ReadString("Grid", "Other", ""), "kept");
    EXPECT_EQ(ctrl->ReadString("Else", "Widths", ""), "kept too");
    // A missing value, section or file: nothing to delete, nothing raised.
    ctrl->DeleteKey("Grid", "Widths");
    ctrl->DeleteKey("Nowhere", "Widths");
    EXPECT_EQ(ctrl->ReadString("Nowhere", "Widths", "default"), "default");
  }
}

TEST_F(IniStore, RegistryValueIsSeenByASecondProcessReadingTheFile) {
  ctrl->WriteString("Common", "ListBoxData", "200,150");
  // Another program reading the registry file, not this process's keys.
  const std::string script =
      "import sys\n"
      "block = None\n"
      "for line in open(sys.argv[1], encoding='utf-8'):\n"
      "    line = line.rstrip('\\r\\n')\n"
      "    if line.startswith('['):\n"
      "        block = line\n"
      "    elif line.startswith('\"ListBoxData\"='):\n"
      "        print(block, line)\n";
  EXPECT_EQ(Python(script, Quoted(userDir.Path() + "/registry.txt")),
            "[HKEY_CURRENT_USER\\Software\\Kit Test\\Common] \"ListBoxData\"=sz:\"200,150\"\n");
}

TEST_F(IniStore, RootSectionIsTheKeyItself) {
  ctrl->SetRegPath("Software\\Drums");
  ctrl->WriteString("#ROOT", "Where", "key");
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey("Software\\Drums", false));
  EXPECT_EQ(reg.ReadString("Where"), "key");
  EXPECT_FALSE(reg.KeyExists("#ROOT"));
  EXPECT_EQ(ctrl->ReadString("#ROOT", "Where", ""), "key");
}

TEST_F(IniStore, DefaultsReadSectionCommonBelowTheTitlesKey) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey("Software\\Kit Test\\Common", true));
  reg.WriteString("Seen", "yes");
  reg.CloseKey();
  EXPECT_EQ(ctrl->ResolveRegPath(), "Software\\Kit Test\\");
  EXPECT_EQ(ctrl->ReadString("Common", "Seen", "no"), "yes");
}

TEST_F(IniStore, RootKeysMapToTheirPredefinedKeys) {
  const struct {
    TStyRegRootKey root;
    HKEY key;
  } cases[] = {{rpClassesRoot, HKEY_CLASSES_ROOT},     {rpCurrentUser, HKEY_CURRENT_USER},
               {rpLocalMachine, HKEY_LOCAL_MACHINE},   {rpUsers, HKEY_USERS},
               {rpCurrentConfig, HKEY_CURRENT_CONFIG}, {rpDynData, HKEY_DYN_DATA}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.root);
    EXPECT_EQ(StyRegRootKey(c.root), c.key);
    ctrl->SetRegRoot(c.root);
    ctrl->SetRegPath("Software\\Drums");
    ctrl->WriteString("S", "Root", "here");
    TRegistry reg;
    reg.SetRootKey(c.key);
    ASSERT_TRUE(reg.OpenKey("Software\\Drums\\S", false));
    EXPECT_EQ(reg.ReadString("Root"), "here");
  }
  EXPECT_EQ(StyRegRootKey(static_cast<TStyRegRootKey>(6)), nullptr);
}

TEST_F(IniStore, DefaultRegPathFallsBackToTheProgramWhenTheTitleIsBlank) {
  EXPECT_EQ(TStyApplication::GetDefaultRegPath(), "Software\\Kit Test\\");
  Application->SetTitle("  ");
  char program[MAX_PATH] = {};
  const DWORD n = GetModuleFileNameA(nullptr, program, sizeof program);
  EXPECT_EQ(StyApplication->GetDefaultRegPath(), "Software\\" + std::string(program, n) + "\\");
  ctrl->SetRegPath("Software\\Own");
  EXPECT_EQ(ctrl->ResolveRegPath(), "Software\\Own\\");
  ctrl->SetRegPath("Software\\Own\\");
  EXPECT_EQ(ctrl->ResolveRegPath(), "Software\\Own\\");
  ctrl->SetRegPath("   ");
  EXPECT_EQ(ctrl->ResolveRegPath(), "Software\\" + std::string(program, n) + "\\");
}

TEST_F(IniStore, IniFileNameFollowsThePrefix) {
  const struct {
    TStyPathPrefix prefix;
    std::string iniFile;
    std::string expected;
  } cases[] = {
      {ppProgram, "C:\\x\\cfg.ini", GetProgramDirectory() + "cfg.ini"},
      {ppWindows, "C:\\x\\cfg.ini", AddBackslash(WindowsDirectory()) + "cfg.ini"},
      {ppSystem, "cfg.ini", AddBackslash(SystemDirectory()) + "cfg.ini"},
      {ppFixed, "C:\\x\\cfg.ini", "C:\\x\\cfg.ini"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.prefix);
    ctrl->SetIniFile(c.iniFile);
    ctrl->SetIniPrefix(c.prefix);
    EXPECT_EQ(ctrl->ResolveIniFileName(), c.expected);
  }
  // A new store's blank name becomes the program's own, with ".INI", and
  // stays.
  ctrl = std::make_unique<TStyIniCtrl>(nullptr);
  char program[MAX_PATH] = {};
  const DWORD n = GetModuleFileNameA(nullptr, program, sizeof program);
  const std::string own = ChangeFileExt(std::string(program, n), ".INI");
  EXPECT_EQ(ctrl->ResolveIniFileName(), AddBackslash(WindowsDirectory()) + ExtractFileName(own));
  EXPECT_EQ(ctrl->GetIniFile(), own);
}

TEST_F(IniStore, SectionNamesFollowTargetCommonAndUser) {
  const struct {
    TStyIniTarget target;
    bool common;
    bool netUser;
    std::string user;
    std::string section;
    std::string expected;
  } cases[] = {
      {itIniFile, true, false, "bob", "Common", "Common"},
      {itIniFile, false, false, "bob", "Common", "Common.bob"},
      {itIniFile, false, true, "bob", "Grid", "Grid." + ctrl->GetNetUserName()},
      {itIniFile, false, false, "bob", "#ROOT", "#ROOT.bob"},
      {itRegistry, false, false, "bob", "Common", "Common"},
      {itRegistry, true, false, "", "#ROOT", ""},
      {itAuto, true, false, "", "#ROOT", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    TStyIniCtrl fresh(nullptr);
    fresh.SetTarget(c.target);
    fresh.SetCommon(c.common);
    fresh.SetNetUser(c.netUser);
    fresh.SetUser(c.user);
    EXPECT_EQ(fresh.ResolveSection(c.section), c.expected);
  }
}

TEST_F(IniStore, BlankSectionRepeatsTheLastOne) {
  EXPECT_EQ(ctrl->ResolveSection(""), "Common");
  EXPECT_EQ(ctrl->GetLastSection(), "");
  ctrl->WriteString("Grid", "Value", "in grid");
  EXPECT_EQ(ctrl->ReadString("  ", "Value", ""), "in grid");
  EXPECT_EQ(ctrl->GetLastSection(), "Grid");
}

}  // namespace
