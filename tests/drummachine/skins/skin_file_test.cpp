// The skin file: written and read back field for field, flags true only when
// exactly 1, and every broken form refused whole: the skin in force, its
// pictures, its backgrounds and the scheme box stay as they were.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "drummachine/skins/SkinFile.h"
#include "drummachine/skins/Skins.h"
#include "skin_fixture.h"

using namespace skins_test;

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = text.find("\r\n", at);
    if (end == std::string::npos) {
      lines.push_back(text.substr(at));
      break;
    }
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

TEST(SkinFile, RoundTripKeepsEveryField) {
  ProgramFolder folder;
  TSkin skin;
  for (int i = 0; i < SkinComboCount; ++i) skin.Pictures[i].Index = i % 2;
  skin.Pictures[skTracksBMP] = {2, "my tracks"};
  skin.Pictures[skBeatUp] = {5, "mybeat"};
  skin.Pictures[skPlayDown] = {3, "/pictures/down.face.bmp"};
  skin.BeatTransparent = true;
  skin.PlayTransparent = false;
  skin.TempoLabel = false;
  skin.MainVolumeLabel = true;
  skin.LedColorIndex = 14;
  skin.Font = {-16777201, -13, "Courier New Bold", 10};
  skin.PlayLeft = 250;
  skin.PlayTop = 64;

  const std::string path = folder.Skins() + "/Round.skn";
  SaveSkinFile(path, skin, 7);
  EXPECT_EQ(LoadSkinFile(path), skin);

  const std::string text = core_test::ReadBytes(path);
  const std::vector<std::string> lines = Lines(text);
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(SkinFileLines));
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  EXPECT_EQ(lines[0], "0 2 0 1 0 1 0 1 5 1 0 1 3 1 0 7") << "entries, transparencies, the scheme index";
  EXPECT_EQ(lines[2], "my tracks");
  EXPECT_EQ(lines[1], "") << "a built-in entry has no name";
  EXPECT_EQ(lines[16], "-16777201");
  EXPECT_EQ(lines[20], "250 64");
}

TEST(SkinFile, FlagsAreSetOnlyByExactlyOne) {
  ProgramFolder folder;
  std::vector<std::string> lines = GoodSkinLines();
  lines[0] = "2 2 1 0 1 0 1 0 1 1 1 1 1 2 1 99";
  lines[14] = "2 1";
  const TSkin skin = LoadSkinFile(folder.WriteSkin("Flags", lines));
  EXPECT_FALSE(skin.BeatTransparent);
  EXPECT_TRUE(skin.PlayTransparent);
  EXPECT_FALSE(skin.TempoLabel);
  EXPECT_TRUE(skin.MainVolumeLabel);
}

TEST(SkinFile, PlayButtonPlaceIsHeldToTheSpinEditsRange) {
  ProgramFolder folder;
  std::vector<std::string> lines = GoodSkinLines();
  lines[20] = "900 -3";
  const TSkin skin = LoadSkinFile(folder.WriteSkin("Far", lines));
  EXPECT_EQ(skin.PlayLeft, SkinPlayLeftMax);
  EXPECT_EQ(skin.PlayTop, 0);
}

// The look after a skin was taken: record, every slot's picture, the
// backgrounds and the scheme box.
struct Look {
  TSkin skin;
  std::vector<TColor> bitmaps;
  std::vector<TColor> buttons;
  bool mainBackground = false;
  bool tracksBackground = false;
  std::vector<std::string> schemes;
  int scheme = -1;
  bool operator==(const Look&) const = default;
};

Look LookOf(const TSkins& skins) {
  Look look{skins.GetSkin(),
            {},
            {},
            skins.GetMainBackgroundSet(),
            skins.GetTracksBackgroundSet(),
            skins.GetSchemes().GetNames(),
            skins.GetSchemes().GetItemIndex()};
  for (int i = 0; i < SkinsBitmapCount; ++i) look.bitmaps.push_back(FirstPixel(skins.GetSkinsBitmapList(), i));
  for (int i = 0; i < SkinsButtonCount; ++i) look.buttons.push_back(FirstPixel(skins.GetSkinsButtonList(), i));
  return look;
}

struct BrokenSkin {
  const char* what;
  int line;  // 1-based line to replace, 0: none
  const char* text;
  int cutTo;  // keep only this many lines, -1: all
  int ioError;  // EInOutError's code; 0: another error (a picture)
};

TEST(SkinFile, EveryBrokenFormIsRefusedWholeAndChangesNothing) {
  const BrokenSkin cases[] = {
      {"missing file", 0, "", -2, 2},
      {"empty file", 0, "", 0, 100},
      {"cut short", 0, "", 20, 100},
      {"too few entries", 1, "2 2 1 0 1 0 1 0 1 1 1 1 1 1 1", -1, 106},
      {"too many entries", 1, "2 2 1 0 1 0 1 0 1 1 1 1 1 1 1 1 1", -1, 106},
      {"a word among the entries", 1, "2 2 1 0 one 0 1 0 1 1 1 1 1 1 1 1", -1, 106},
      {"a negative entry", 1, "2 2 1 0 1 0 1 0 -1 1 1 1 1 1 1 1", -1, 106},
      {"one label flag", 15, "1", -1, 106},
      {"LED entry past the box", 16, "16", -1, 106},
      {"LED entry before the box", 16, "-1", -1, 106},
      {"font colour past 32 bits", 17, "4294967296", -1, 106},
      {"font size not a number", 20, "8pt", -1, 106},
      {"play place of one number", 21, "16", -1, 106},
      {"a custom picture that is missing", 1, "2 2 1 0 1 0 1 0 3 1 1 1 1 1 1 1", -1, 0},
      {"a picture that is no bitmap", 3, "garbage", -1, 0},
      {"a path picture that is missing", 2, "/no/such/folder/back.bmp", -1, 0},
  };
  for (const BrokenSkin& c : cases) {
    SCOPED_TRACE(c.what);
    ProgramFolder folder;
    core_test::WriteBytes(folder.Skins() + "/garbage.bmp", "BM not a picture at all");
    folder.WriteSkin("Green Circles", GoodSkinLines());
    TSkins skins(folder.Dir());
    skins.LoadScheme("Green Circles");
    const Look before = LookOf(skins);

    if (c.cutTo != -2) {
      std::vector<std::string> lines = GoodSkinLines();
      // Another main background than the skin in force, read before the
      // pictures that fail; cbxBeatUp's name, used when its entry is custom.
      lines[1] = "greentracks";
      lines[9] = "nosuch";
      if (c.line > 0) lines[static_cast<std::size_t>(c.line - 1)] = c.text;
      if (c.cutTo >= 0) lines.resize(static_cast<std::size_t>(c.cutTo));
      folder.WriteSkin("Broken", lines);
    }
    int raised = 0;
    try {
      skins.LoadScheme("Broken");
    } catch (const EInOutError& e) {
      ++raised;
      EXPECT_EQ(e.ErrorCode, c.ioError);
    } catch (const Exception&) {
      ++raised;
      EXPECT_EQ(c.ioError, 0) << "a text error raises EInOutError";
    }
    EXPECT_EQ(raised, 1);
    EXPECT_TRUE(LookOf(skins) == before);
  }
}

}  // namespace
