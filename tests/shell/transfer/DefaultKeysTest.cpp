// Key names and the default-key table of the shell tree and list.
#include <gtest/gtest.h>

#include "controls/shell/UNavShellControls/DefaultKeys.h"
#include "platform/vcl/Menus.h"

namespace {

TEST(DefaultKeysTest, NamesAndShortcutsTranslateBothWays) {
  struct Case {
    const char* text;
    WORD shortCut;
  };
  const std::vector<Case> cases = {
      {"ctrl+a", 0x4041},
      {"Shift+Del", 0x202E},
      {"^C", 0x4043},
      {"alt+SHIFT+F5", 0xA074},
      {"Ctrl+Alt+Shift+Z", 0xE05A},
      {"F24", 135},
      {"BkSp", 8},
      {"pgdn", 34},
      {"Ins", 45},
      {"#300", 300},
      {"", 0},
      {"Ctrl+", 0},
      {"Ctrl+Foo", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(UNavShellControls::TextToShortCut(c.text), c.shortCut) << c.text;

  const std::vector<std::pair<WORD, const char*>> names = {
      {0x4041, "Ctrl+A"}, {0x202E, "Shift+Del"}, {0xE020, "Shift+Ctrl+Alt+Space"}, {101, "5"},
      {116, "F5"},        {13, "Enter"},         {0x4000 | 186, "Ctrl+#16570"},
  };
  for (const auto& [shortCut, text] : names) EXPECT_EQ(UNavShellControls::ShortCutToText(shortCut), text);
  // The class library's own functions of the same names stay reachable.
  EXPECT_EQ(::TextToShortCut("Ctrl+A"), 0x4041);
}

TEST(DefaultKeysTest, TheTableIsFilledFromItsNames) {
  InitDefaultKeys();
  const std::vector<WORD> expected = {0x4041, 46, 0x4043, 0x4058, 0x4056, 116, 113};
  for (int i = 0; i < kNavShellControlDefKeyCount; ++i)
    EXPECT_EQ(ShellControlDefKeys()[i].ShortCut, expected[i]) << ShellControlDefKeys()[i].KeyName;
}

}  // namespace
