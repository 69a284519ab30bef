// Where a skin's pictures come from (the built-in table, the skins folder, a
// name with "." as a path) and which slot of the skin picture lists each
// fills when a skin is taken.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "drummachine/skins/SkinPicturePaths.h"
#include "drummachine/skins/Skins.h"
#include "skin_fixture.h"

using namespace skins_test;

namespace {

TEST(SkinPicturePath, ResolvesBuiltInCustomAndPathEntries) {
  const std::string p = "/prog";
  struct Case {
    TSkinCombo combo;
    TSkinPicture picture;
    std::string expected;
  } cases[] = {
      {skMainBMP, {0, ""}, p + "\\Skins\\silver.bmp"},
      {skMainBMP, {1, ""}, p + "\\Skins\\back1.bmp"},
      {skTracksBMP, {0, ""}, p + "\\Skins\\silver.bmp"},
      {skTracksBMP, {1, ""}, p + "\\Skins\\backtrack1.bmp"},
      {skMainVol, {0, ""}, p + "\\skins\\btn3_1.bmp"},
      {skSequencerSel, {1, ""}, p + "\\skins\\btn3_2.bmp"},
      {skBeatUp, {0, ""}, p + "\\skins\\btn2_1.bmp"},
      {skBeatUp, {1, ""}, p + "\\skins\\btn3_2.bmp"},
      {skBeatDown, {0, ""}, p + "\\skins\\btn2_3.bmp"},
      {skBeatDown, {1, ""}, p + "\\skins\\btn3_1.bmp"},
      {skBeatMod, {0, ""}, p + "\\skins\\btn2_2.bmp"},
      {skBeatMod, {1, ""}, p + "\\skins\\btn3_3.bmp"},
      {skPlayUp, {0, ""}, p + "\\skins\\Playbtn_2_Up.bmp"},
      {skPlayDown, {1, ""}, p + "\\skins\\Playbtn_3_Down.bmp"},
      // A name on an entry 0 or 1 is no custom picture.
      {skBeatUp, {1, "mybeat"}, p + "\\skins\\btn3_2.bmp"},
      // Custom names: the skins folder, or the name itself when it has a ".".
      {skBeatUp, {3, "mybeat"}, p + "\\Skins\\mybeat.bmp"},
      {skPlayUp, {2, "/pictures/up.bmp"}, "/pictures/up.bmp"},
      {skMainVol, {2, "thumb.v2"}, "thumb.v2"},
      // No name: a background is off, any other combo takes entry 0.
      {skMainBMP, {2, ""}, ""},
      {skTracksBMP, {7, ""}, ""},
      {skBeatMod, {4, ""}, p + "\\skins\\btn2_2.bmp"},
      {skPlayDown, {2, ""}, p + "\\skins\\Playbtn_2_Down.bmp"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.picture.Name + " combo " + std::to_string(c.combo) + " entry " + std::to_string(c.picture.Index));
    EXPECT_EQ(SkinPicturePath(p, c.combo, c.picture), c.expected);
  }
}

TEST(SkinPictures, ASkinFillsEachComboSlotFromItsFile) {
  ProgramFolder folder;
  WritePicture(folder.Skins() + "/mybeat.bmp", ColorOf(50));
  WritePicture(folder.Dir() + "/face.up.bmp", ColorOf(51));
  std::vector<std::string> lines = GoodSkinLines();
  // cbxMainBMP custom without a name (off), cbxTracksBMP entry 1, sliders
  // 0 and 1, beat up custom, beat down 1, beat mod custom without a name,
  // play up a path, play down 0.
  lines[0] = "3 1 0 1 1 0 0 1 4 1 2 2 0 1 1 1";
  lines[1] = "";
  lines[2] = "";
  lines[9] = "mybeat";
  lines[11] = "";
  lines[12] = folder.Dir() + "/face.up.bmp";
  const std::string path = folder.WriteSkin("Mixed", lines);

  TSkins skins(folder.Dir());
  const TColor mainBefore = FirstPixel(skins.GetSkinsBitmapList(), 2);
  skins.LoadSkin(path);

  TStyBitmapList* bitmaps = skins.GetSkinsBitmapList();
  TStyBitmapList* buttons = skins.GetSkinsButtonList();
  EXPECT_FALSE(skins.GetMainBackgroundSet());
  EXPECT_EQ(FirstPixel(bitmaps, 2), mainBefore) << "a background switched off keeps its slot";
  EXPECT_TRUE(skins.GetTracksBackgroundSet());
  EXPECT_EQ(FirstPixel(bitmaps, 3), folder.BuiltIn("backtrack1.bmp"));
  EXPECT_EQ(FirstPixel(bitmaps, 4), folder.BuiltIn("btn3_1.bmp"));
  EXPECT_EQ(FirstPixel(bitmaps, 5), folder.BuiltIn("btn3_2.bmp"));
  EXPECT_EQ(FirstPixel(bitmaps, 7), folder.BuiltIn("btn3_2.bmp"));
  EXPECT_EQ(FirstPixel(bitmaps, 8), folder.BuiltIn("btn3_1.bmp"));
  EXPECT_EQ(FirstPixel(bitmaps, 9), folder.BuiltIn("btn3_1.bmp"));
  EXPECT_EQ(FirstPixel(bitmaps, 10), folder.BuiltIn("btn3_2.bmp"));
  EXPECT_EQ(FirstPixel(buttons, 0), ColorOf(50)) << "skins folder + name + .bmp";
  EXPECT_EQ(FirstPixel(buttons, 1), folder.BuiltIn("btn3_1.bmp"));
  EXPECT_EQ(FirstPixel(buttons, 3), folder.BuiltIn("btn2_2.bmp")) << "no name counts as entry 0";
  EXPECT_EQ(FirstPixel(bitmaps, 0), ColorOf(51)) << "a name with a dot is the path";
  EXPECT_EQ(FirstPixel(bitmaps, 1), folder.BuiltIn("Playbtn_2_Down.bmp"));
}

// The background command: off puts the skins folder's silver picture in the
// window's two background items, on the skin's pictures again; a silver
// picture that cannot be read leaves the window's pictures as they were.
TEST(SkinPictures, BackgroundsOffShowSilverAndOnTheSkinsAgain) {
  ProgramFolder folder;
  TSkins skins(folder.Dir());
  TStyBitmapList window(nullptr);
  for (int i = 0; i < SkinsBitmapCount; ++i) {
    TBitmap picture;
    picture.SetSize(2, 2);
    picture.GetCanvas()->SetPixels(0, 0, ColorOf(70 + i));
    window.GetBitmapItem(window.AddItem(nullptr))->SetBitmap(&picture);
  }
  skins.ShowBackgrounds(&window, false);
  EXPECT_EQ(FirstPixel(&window, 2), folder.BuiltIn("silver.bmp"));
  EXPECT_EQ(FirstPixel(&window, 3), folder.BuiltIn("silver.bmp"));
  for (int i : {0, 1, 4, 10}) EXPECT_EQ(FirstPixel(&window, i), ColorOf(70 + i)) << "item " << i;

  skins.ShowBackgrounds(&window, true);
  EXPECT_EQ(FirstPixel(&window, 2), FirstPixel(skins.GetSkinsBitmapList(), 2));
  EXPECT_EQ(FirstPixel(&window, 3), FirstPixel(skins.GetSkinsBitmapList(), 3));

  std::filesystem::remove(folder.Skins() + "/silver.bmp");
  EXPECT_THROW(skins.ShowBackgrounds(&window, false), Exception);
  EXPECT_EQ(FirstPixel(&window, 2), FirstPixel(skins.GetSkinsBitmapList(), 2)) << "unchanged";
}

TEST(SkinPictures, TheMainWindowsPicturesAreTheLookBeforeAnySkin) {
  TStyBitmapList bitmapList(nullptr);
  TStyBitmapList buttonList(nullptr);
  for (int i = 0; i < SkinsBitmapCount; ++i) {
    TBitmap picture;
    picture.SetSize(2, 2);
    picture.GetCanvas()->SetPixels(0, 0, ColorOf(60 + i));
    bitmapList.GetBitmapItem(bitmapList.AddItem(nullptr))->SetBitmap(&picture);
    if (i < SkinsButtonCount) buttonList.GetBitmapItem(buttonList.AddItem(nullptr))->SetBitmap(&picture);
  }
  ProgramFolder folder;
  TSkins skins(folder.Dir());
  skins.TakeMainPictures(&bitmapList, &buttonList);
  // A saved scheme that fails at start-up leaves that look, backgrounds on.
  EXPECT_THROW(skins.StartUp("Gone"), Exception);
  for (int i = 0; i < SkinsBitmapCount; ++i) EXPECT_EQ(FirstPixel(skins.GetSkinsBitmapList(), i), ColorOf(60 + i));
  for (int i = 0; i < SkinsButtonCount; ++i) EXPECT_EQ(FirstPixel(skins.GetSkinsButtonList(), i), ColorOf(60 + i));
  EXPECT_TRUE(skins.GetMainBackgroundSet());
  EXPECT_TRUE(skins.GetTracksBackgroundSet());
}

}  // namespace
