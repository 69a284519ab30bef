// The scheme box and the start-up choice: the saved scheme selected (added
// when it is not among the entries, compared case-sensitively), entry 0 when
// none was saved, a scheme that fails reported once with nothing changed;
// saving names the skin after the typed text and selects it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "drummachine/skins/Skins.h"
#include "skin_fixture.h"

using namespace skins_test;

namespace {

const std::vector<std::string> BuiltIns = {"Default Blue", "Green Circles", "Generic Silver"};

std::vector<std::string> WithLed(int led) {
  std::vector<std::string> lines = GoodSkinLines();
  lines[15] = std::to_string(led);
  return lines;
}

TEST(SkinSchemes, StartUpSelectsTheSavedScheme) {
  struct Case {
    const char* saved;
    int index;
    std::vector<std::string> names;
    TColor led;
  } cases[] = {
      {"", 0, BuiltIns, clAqua},
      {"Generic Silver", 2, BuiltIns, clRed},
      {"Night", 3, {"Default Blue", "Green Circles", "Generic Silver", "Night"}, clFuchsia},
      {"generic silver", 3, {"Default Blue", "Green Circles", "Generic Silver", "generic silver"}, clTeal},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.saved);
    ProgramFolder folder;
    folder.WriteSkin("Default Blue", WithLed(14));
    folder.WriteSkin("Green Circles", WithLed(10));
    folder.WriteSkin("Generic Silver", WithLed(9));
    folder.WriteSkin("Night", WithLed(13));
    folder.WriteSkin("generic silver", WithLed(6));
    TSkins skins(folder.Dir());
    skins.StartUp(c.saved);
    EXPECT_EQ(skins.GetSchemes().GetItemIndex(), c.index);
    EXPECT_EQ(skins.GetSchemes().GetNames(), c.names);
    EXPECT_EQ(skins.GetLedColor(), c.led) << "the scheme's own skin was read";
  }
}

TEST(SkinSchemes, ASavedSchemeThatFailsIsReportedOnceAndLeavesTheDefault) {
  for (const char* saved : {"Gone", "Green Circles"}) {
    SCOPED_TRACE(saved);
    ProgramFolder folder;
    TSkins skins(folder.Dir());
    int raised = 0;
    try {
      skins.StartUp(saved);
    } catch (const Exception&) {
      ++raised;
    }
    EXPECT_EQ(raised, 1);
    EXPECT_EQ(skins.GetSchemes().GetNames(), BuiltIns);
    EXPECT_EQ(skins.GetSchemes().GetItemIndex(), 0);
    EXPECT_TRUE(skins.GetSkin() == TSkin{});
  }
}

TEST(SkinSchemes, SavingNamesTheSkinAfterTheTypedTextAndSelectsIt) {
  ProgramFolder folder;
  folder.WriteSkin("Generic Silver", GoodSkinLines());
  TSkins skins(folder.Dir());
  skins.LoadScheme("Generic Silver");
  TSkin skin;
  skin.LedColorIndex = 12;

  EXPECT_TRUE(skins.SaveSkin("C:\\elsewhere.d\\Night.old", skin));
  const std::string night = folder.Skins() + "/Night.skn";
  ASSERT_TRUE(std::filesystem::exists(night));
  EXPECT_EQ(LoadSkinFile(night), skin);
  EXPECT_EQ(core_test::ReadBytes(night).substr(0, 33), "0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 2\r\n")
      << "the scheme box's index at saving time";
  EXPECT_EQ(skins.GetSchemes().GetText(), "Night");
  EXPECT_EQ(skins.GetSchemes().GetItemIndex(), 3);

  // Saved again under a name already there: selected, not added.
  EXPECT_TRUE(skins.SaveSkin("Night", skin));
  EXPECT_EQ(skins.GetSchemes().GetNames().size(), 4u);

  for (const char* nameless : {"", "C:\\skins\\", ".skn"}) {
    SCOPED_TRACE(nameless);
    EXPECT_FALSE(skins.SaveSkin(nameless, skin));
  }
  EXPECT_FALSE(std::filesystem::exists(folder.Skins() + "/.skn"));
}

TEST(SkinSchemes, SkinNameIsTheFileNameUpToItsFirstDot) {
  struct Case {
    const char* typed;
    const char* name;
  } cases[] = {{"Night.old", "Night"},       {"Night", "Night"}, {"C:\\a.b\\Night.x.skn", "Night"},
               {"/home/u/Dark.skn", "Dark"}, {"folder\\", ""},   {".hidden", ""}};
  for (const Case& c : cases) EXPECT_EQ(SkinNameOf(c.typed), c.name) << c.typed;
}

TEST(LedColor, IsTheColourBoxsEntry) {
  struct Case {
    int index;
    TColor color;
  } cases[] = {{0, clBlack},
               {9, clRed},
               {10, clLime},
               {11, clYellow},
               {14, clAqua},
               {15, clWhite},
               // Outside the box: the dialog's starting colour.
               {16, clYellow},
               {-1, clYellow}};
  for (const Case& c : cases) EXPECT_EQ(LedColor(c.index), c.color) << c.index;
  EXPECT_EQ(TSkins("/prog").GetLedColor(), clYellow) << "before any skin";
}

}  // namespace
