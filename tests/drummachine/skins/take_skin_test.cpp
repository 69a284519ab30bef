// A skin record handed to the skin unit (the dialog's Preview and Ok): taken
// with its pictures whole or not at all, and every change of the unit's
// state seen in its revision, by which the dialog knows it is out of date.
#include <gtest/gtest.h>

#include <string>

#include "drummachine/skins/Skins.h"
#include "skin_fixture.h"

using namespace skins_test;

namespace {

TEST(TakeSkin, TakesTheRecordAndItsPicturesOrNothing) {
  ProgramFolder folder;
  TSkins skins(folder.Dir());
  const int start = skins.GetRevision();

  TSkin skin;
  skin.Pictures[skBeatUp] = {2, "greenback"};
  skin.Pictures[skMainBMP] = {3, ""};
  skin.LedColorIndex = 4;
  skins.TakeSkin(skin);
  EXPECT_TRUE(skins.GetSkin() == skin);
  EXPECT_EQ(FirstPixel(skins.GetSkinsButtonList(), 0), ColorOf(40));
  EXPECT_FALSE(skins.GetMainBackgroundSet()) << "a custom background without a name is off";
  EXPECT_TRUE(skins.GetTracksBackgroundSet());
  const int taken = skins.GetRevision();
  EXPECT_NE(taken, start);

  // A picture that cannot be read: raised, and nothing changes.
  TSkin broken = skin;
  broken.Pictures[skPlayDown] = {2, folder.Dir() + "/missing.bmp"};
  broken.Pictures[skBeatUp] = {0, ""};
  EXPECT_THROW(skins.TakeSkin(broken), Exception);
  EXPECT_TRUE(skins.GetSkin() == skin);
  EXPECT_EQ(FirstPixel(skins.GetSkinsButtonList(), 0), ColorOf(40));
  EXPECT_EQ(skins.GetRevision(), taken);

  skins.SelectScheme("Night");
  EXPECT_EQ(skins.GetSchemes().GetText(), "Night");
  EXPECT_NE(skins.GetRevision(), taken);
}

}  // namespace
