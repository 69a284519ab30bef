// A temporary program folder for the skins tests: a "skins" folder holding
// every built-in picture file, each a small bitmap of a colour of its own,
// so a slot's first pixel tells which file went into it; skin files written
// from their lines; and the first pixel of a skin picture slot.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "drummachine/core_test_support.h"
#include "drummachine/skins/Skins.h"
#include "platform/vcl/Graphics.h"

namespace skins_test {

// The built-in files of the combos' entries 0 and 1, as staged.
inline const std::vector<std::string>& BuiltInFiles() {
  static const std::vector<std::string> files = {
      "silver.bmp",         "back1.bmp",        "backtrack1.bmp",    "btn3_1.bmp", "btn3_2.bmp",
      "btn2_1.bmp",         "btn2_2.bmp",       "btn2_3.bmp",        "btn3_3.bmp", "Playbtn_2_Up.bmp",
      "Playbtn_2_Down.bmp", "Playbtn_3_Up.bmp", "Playbtn_3_Down.bmp"};
  return files;
}

// A colour of a picture's own, $BBGGRR: n * 37 + 11 is a different red
// byte for every n below 256.
inline TColor ColorOf(int n) {
  return static_cast<TColor>(((n * 37 + 11) & 0xFF) | ((n * 53 + 29) & 0xFF) << 8 | ((n * 97 + 71) & 0xFF) << 16);
}

inline void WritePicture(const std::string& path, TColor color) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(4, 3);
  bitmap.GetCanvas()->GetBrush()->SetColor(color);
  bitmap.GetCanvas()->FillRect(TRect(0, 0, 4, 3));
  bitmap.SaveToFile(path);
}

inline TColor FirstPixel(TStyBitmapList* list, int slot) {
  return list->GetBitmapItem(slot)->GetBitmap()->GetCanvas()->GetPixels(0, 0) & 0x00FFFFFF;
}

// The lines of a skin file, CR LF after each.
inline std::string SkinText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// A well-formed skin: Green Circles' entries with custom backgrounds.
inline std::vector<std::string> GoodSkinLines() {
  return {"2 2 1 0 1 0 1 0 1 1 1 1 1 1 1 1",
          "greenback",
          "greentracks",
          "",
          "",
          "",
          "",
          "",
          "",
          "",
          "",
          "",
          "",
          "",
          "1 0",
          "10",
          "6225773",
          "-11",
          "Arial",
          "8",
          "16 8"};
}

class ProgramFolder {
 public:
  ProgramFolder() {
    std::filesystem::create_directory(Skins());
    const auto& files = BuiltInFiles();
    for (std::size_t i = 0; i < files.size(); ++i) WritePicture(Skins() + "/" + files[i], ColorOf(static_cast<int>(i)));
    WritePicture(Skins() + "/greenback.bmp", ColorOf(40));
    WritePicture(Skins() + "/greentracks.bmp", ColorOf(41));
  }
  const std::string& Dir() const { return FFolder.Dir(); }
  std::string Skins() const { return FFolder.Dir() + "/skins"; }
  // The colour of a built-in file.
  TColor BuiltIn(const std::string& file) const {
    const auto& files = BuiltInFiles();
    for (std::size_t i = 0; i < files.size(); ++i)
      if (files[i] == file) return ColorOf(static_cast<int>(i));
    ADD_FAILURE() << file << " is no built-in file";
    return 0;
  }
  // Writes skins/<name>.skn and returns its path.
  std::string WriteSkin(const std::string& name, const std::vector<std::string>& lines) const {
    const std::string path = Skins() + "/" + name + ".skn";
    core_test::WriteBytes(path, SkinText(lines));
    return path;
  }

 private:
  core_test::TempFolder FFolder;
};

}  // namespace skins_test
