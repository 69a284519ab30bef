// The three built-in skins: each file read back line by line against the
// skin file layout, and every picture it names found in the staged "skins"
// folder with a size that fits the control it goes to.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "DataFiles.h"

using namespace data_test;

namespace {

constexpr std::array<const char*, 3> kSkinNames = {"Default Blue", "Green Circles", "Generic Silver"};

// The picture combos of line 1, in order, with their two built-in files.
enum class Role { MainBackground, TracksBackground, Thumb, BeatFace, PlayFace };
struct Combo {
  const char* name;
  const char* entry0;
  const char* entry1;
  Role role;
};
constexpr std::array<Combo, 13> kCombos = {{
    {"cbxMainBMP", "silver.bmp", "back1.bmp", Role::MainBackground},
    {"cbxTracksBMP", "silver.bmp", "backtrack1.bmp", Role::TracksBackground},
    {"cbxMainVol", "btn3_1.bmp", "btn3_2.bmp", Role::Thumb},
    {"cbxMainVolSel", "btn3_1.bmp", "btn3_2.bmp", Role::Thumb},
    {"cbxTrackVol", "btn3_1.bmp", "btn3_2.bmp", Role::Thumb},
    {"cbxTrackVolSel", "btn3_1.bmp", "btn3_2.bmp", Role::Thumb},
    {"cbxSequencer", "btn3_1.bmp", "btn3_2.bmp", Role::Thumb},
    {"cbxSequencerSel", "btn3_1.bmp", "btn3_2.bmp", Role::Thumb},
    {"cbxBeatUp", "btn2_1.bmp", "btn3_2.bmp", Role::BeatFace},
    {"cbxBeatDown", "btn2_3.bmp", "btn3_1.bmp", Role::BeatFace},
    {"cbxBeatMod", "btn2_2.bmp", "btn3_3.bmp", Role::BeatFace},
    {"cbxPlayUp", "Playbtn_2_Up.bmp", "Playbtn_3_Up.bmp", Role::PlayFace},
    {"cbxPlayDown", "Playbtn_2_Down.bmp", "Playbtn_3_Down.bmp", Role::PlayFace},
}};

// Sizes the controls need: a step cell is 15 pixels wide; a thumb must fit
// the 11-pixel-high track faders and the 17-pixel-wide play-style switch;
// the main background covers the window (628 wide, at most 651 - 192 high
// below the caption), the tracks background the track panel.
void ExpectFits(Role role, const std::string& file, int width, int height) {
  SCOPED_TRACE(file);
  switch (role) {
    case Role::BeatFace:
      EXPECT_EQ(width, 15);
      EXPECT_EQ(height, 11);
      break;
    case Role::Thumb:
      EXPECT_LE(height, 11);
      EXPECT_LE(width, 17);
      EXPECT_GE(width, 7);
      break;
    case Role::PlayFace:
      EXPECT_EQ(width, 48);
      EXPECT_EQ(height, 24);
      break;
    case Role::MainBackground:
      EXPECT_GE(width, 620);
      EXPECT_GE(height, 459);
      break;
    case Role::TracksBackground:
      EXPECT_GE(width, 620);
      EXPECT_GE(height, 192);
      break;
  }
}

struct SkinLines {
  std::vector<std::string> lines;
  bool crlf = true;
};

SkinLines ReadLines(const std::string& bytes) {
  SkinLines out;
  std::size_t at = 0;
  while (at < bytes.size()) {
    const std::size_t end = bytes.find('\n', at);
    if (end == std::string::npos) {
      out.lines.push_back(bytes.substr(at));
      out.crlf = false;
      break;
    }
    if (end == at || bytes[end - 1] != '\r') out.crlf = false;
    out.lines.push_back(bytes.substr(at, end - at - (end > at && bytes[end - 1] == '\r' ? 1 : 0)));
    at = end + 1;
  }
  return out;
}

// "0" or an optional minus and digits without a leading zero.
bool IsMinimalInteger(const std::string& field) {
  const std::size_t digits = field.size() > 0 && field[0] == '-' ? 1 : 0;
  if (field.size() == digits) return false;
  for (std::size_t i = digits; i < field.size(); ++i)
    if (field[i] < '0' || field[i] > '9') return false;
  if (field[digits] == '0') return field == "0";
  return true;
}

// Integers in decimal with minimal width, one space apart.
std::vector<long long> Integers(const std::string& line, std::size_t count) {
  std::vector<long long> values;
  std::size_t at = 0;
  while (at <= line.size()) {
    std::size_t end = line.find(' ', at);
    if (end == std::string::npos) end = line.size();
    const std::string field = line.substr(at, end - at);
    EXPECT_TRUE(IsMinimalInteger(field)) << "field \"" << field << "\" of \"" << line << "\"";
    if (!IsMinimalInteger(field)) return {};
    values.push_back(std::stoll(field));
    at = end + 1;
  }
  EXPECT_EQ(values.size(), count) << line;
  return values;
}

}  // namespace

TEST(BuiltInSkins, FilesFollowTheSkinLayoutLineByLine) {
  for (std::size_t scheme = 0; scheme < kSkinNames.size(); ++scheme) {
    SCOPED_TRACE(kSkinNames[scheme]);
    const std::string bytes = ReadAll(SkinsDir() / (std::string(kSkinNames[scheme]) + ".skn"));
    ASSERT_FALSE(bytes.empty());
    const SkinLines skin = ReadLines(bytes);
    EXPECT_TRUE(skin.crlf) << "every line ends with CR LF";
    ASSERT_EQ(skin.lines.size(), 21u);

    // Line 1: thirteen combo indexes, the two transparency flags, the scheme.
    const std::vector<long long> head = Integers(skin.lines[0], 16);
    ASSERT_EQ(head.size(), 16u);
    for (std::size_t i = 0; i < 13; ++i) {
      EXPECT_GE(head[i], 0) << kCombos[i].name;
      // Lines 2-14: a custom picture's name exactly where its index is above 1.
      const std::string& name = skin.lines[1 + i];
      if (head[i] > 1) {
        EXPECT_FALSE(name.empty()) << kCombos[i].name;
        EXPECT_EQ(name.find_first_of("\\/"), std::string::npos) << "a bare name in the skins folder";
      } else {
        EXPECT_TRUE(name.empty()) << kCombos[i].name;
      }
    }
    EXPECT_TRUE(head[13] == 0 || head[13] == 1);
    EXPECT_TRUE(head[14] == 0 || head[14] == 1);
    EXPECT_EQ(head[15], static_cast<long long>(scheme)) << "the scheme's own place in the scheme box";

    const std::vector<long long> labels = Integers(skin.lines[14], 2);
    for (long long flag : labels) EXPECT_TRUE(flag == 0 || flag == 1);
    const std::vector<long long> led = Integers(skin.lines[15], 1);
    ASSERT_EQ(led.size(), 1u);
    EXPECT_GE(led[0], 0);
    EXPECT_LE(led[0], 15) << "one of the colour box's sixteen standard colours";
    const std::vector<long long> colour = Integers(skin.lines[16], 1);
    ASSERT_EQ(colour.size(), 1u);
    EXPECT_GE(colour[0], INT32_MIN);
    EXPECT_LE(colour[0], 0x00FFFFFF) << "a plain $BBGGRR colour";
    const std::vector<long long> height = Integers(skin.lines[17], 1);
    EXPECT_FALSE(skin.lines[18].empty()) << "a font name";
    EXPECT_EQ(skin.lines[18].find_first_not_of(' '), 0u);
    const std::vector<long long> size = Integers(skin.lines[19], 1);
    ASSERT_EQ(height.size(), 1u);
    ASSERT_EQ(size.size(), 1u);
    EXPECT_GT(size[0], 0);
    // Height and size name the same font at 96 pixels per inch.
    EXPECT_EQ(height[0], -std::lround(size[0] * 96.0 / 72.0));
    const std::vector<long long> play = Integers(skin.lines[20], 2);
    ASSERT_EQ(play.size(), 2u);
    EXPECT_GE(play[0], 0);
    EXPECT_LE(play[0], 250) << "the play-left spin's maximum";
    EXPECT_GE(play[1], 0);
    EXPECT_LE(play[1], 64) << "the play-top spin's maximum";
  }
}

TEST(BuiltInSkins, EveryPictureASkinNamesIsStagedAndFitsItsControl) {
  for (const char* skinName : kSkinNames) {
    SCOPED_TRACE(skinName);
    const SkinLines skin = ReadLines(ReadAll(SkinsDir() / (std::string(skinName) + ".skn")));
    ASSERT_EQ(skin.lines.size(), 21u);
    const std::vector<long long> head = Integers(skin.lines[0], 16);
    ASSERT_EQ(head.size(), 16u);
    for (std::size_t i = 0; i < kCombos.size(); ++i) {
      const std::string file = head[i] == 0   ? kCombos[i].entry0
                               : head[i] == 1 ? kCombos[i].entry1
                                              : skin.lines[1 + i] + ".bmp";
      const std::filesystem::path path = SkinsDir() / file;
      ASSERT_TRUE(std::filesystem::exists(path)) << kCombos[i].name << ": " << file;
      const RgbPicture picture = LoadPicture(path);
      ExpectFits(kCombos[i].role, file, picture.width, picture.height);
    }
  }
}

TEST(BuiltInSkins, BuiltInEntriesAndStepRowFacesAreStaged) {
  for (const Combo& combo : kCombos) {
    for (const char* file : {combo.entry0, combo.entry1}) {
      ASSERT_TRUE(std::filesystem::exists(SkinsDir() / file)) << file;
      const RgbPicture picture = LoadPicture(SkinsDir() / file);
      // "silver" is both backgrounds' "none" and the plain window background.
      ExpectFits(combo.role, file, picture.width, picture.height);
    }
  }
  struct Row {
    const char* file;
    int width;
  } rows[] = {{"bbtn1_1.bmp", 15},   {"bbtn1_2.bmp", 15},   {"bbtn1_3.bmp", 15},
              {"bbtn1_1_32.bmp", 7}, {"bbtn1_2_32.bmp", 7}, {"bbtn1_3_32.bmp", 7}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.file);
    ASSERT_TRUE(std::filesystem::exists(SkinsDir() / row.file));
    const RgbPicture picture = LoadPicture(SkinsDir() / row.file);
    EXPECT_EQ(picture.width, row.width);
    EXPECT_EQ(picture.height, 11) << "the same height as every other step face";
  }
}
