#include "drummachine/skins/SkinPicturePaths.h"

#include <array>

namespace {

struct TComboFiles {
  const char* Entry0;
  const char* Entry1;
  TSkinSlot Slot;
};

// In TSkinCombo order.
constexpr std::array<TComboFiles, SkinComboCount> ComboFiles = {{
    {"\\Skins\\silver.bmp", "\\Skins\\back1.bmp", {false, 2}},
    {"\\Skins\\silver.bmp", "\\Skins\\backtrack1.bmp", {false, 3}},
    {"\\skins\\btn3_1.bmp", "\\skins\\btn3_2.bmp", {false, 4}},
    {"\\skins\\btn3_1.bmp", "\\skins\\btn3_2.bmp", {false, 5}},
    {"\\skins\\btn3_1.bmp", "\\skins\\btn3_2.bmp", {false, 7}},
    {"\\skins\\btn3_1.bmp", "\\skins\\btn3_2.bmp", {false, 8}},
    {"\\skins\\btn3_1.bmp", "\\skins\\btn3_2.bmp", {false, 9}},
    {"\\skins\\btn3_1.bmp", "\\skins\\btn3_2.bmp", {false, 10}},
    {"\\skins\\btn2_1.bmp", "\\skins\\btn3_2.bmp", {true, 0}},
    {"\\skins\\btn2_3.bmp", "\\skins\\btn3_1.bmp", {true, 1}},
    {"\\skins\\btn2_2.bmp", "\\skins\\btn3_3.bmp", {true, 3}},
    {"\\skins\\Playbtn_2_Up.bmp", "\\skins\\Playbtn_3_Up.bmp", {false, 0}},
    {"\\skins\\Playbtn_2_Down.bmp", "\\skins\\Playbtn_3_Down.bmp", {false, 1}},
}};

}  // namespace

TSkinSlot SkinSlotOf(TSkinCombo combo) {
  return ComboFiles[combo].Slot;
}

bool IsSkinBackground(TSkinCombo combo) {
  return combo == skMainBMP || combo == skTracksBMP;
}

std::string SkinPicturePath(const std::string& programFolder, TSkinCombo combo, const TSkinPicture& picture) {
  const TComboFiles& files = ComboFiles[combo];
  if (picture.Index <= 1 || picture.Name.empty()) {
    if (picture.Index > 1 && IsSkinBackground(combo)) return std::string();
    return programFolder + (picture.Index == 1 ? files.Entry1 : files.Entry0);
  }
  if (picture.Name.find('.') != std::string::npos) return picture.Name;
  return programFolder + "\\Skins\\" + picture.Name + ".bmp";
}
