// The main window's bitmap list file as the program reads it: through the
// container code, item by item the pictures the manifest names.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "controls/styled/stycont.h"
#include "tests/data/skins/DataFiles.h"

using namespace data_test;

namespace {

std::vector<std::string> ManifestPictures() {
  std::vector<std::string> pictures;
  std::ifstream in(PicturesDir() / "resource2.txt");
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string path;
    fields >> path;
    pictures.push_back(path);
  }
  return pictures;
}

TEST(BitmapListFile, HoldsTheManifestsPicturesPixelForPixel) {
  const std::vector<std::string> pictures = ManifestPictures();
  ASSERT_EQ(pictures.size(), 11u);
  TStyBitmapList list(nullptr);
  list.LoadFromFile((SkinsDir() / "resource2.bml").string());
  ASSERT_GE(list.GetCount(), 11);
  for (int i = 0; i < 11; ++i) {
    SCOPED_TRACE(pictures[static_cast<size_t>(i)]);
    EXPECT_EQ(list.GetItems(i)->GetIdent(), i);
    const RgbPicture source = LoadPicture(PicturesDir() / pictures[static_cast<size_t>(i)]);
    TBitmap* stored = list.GetBitmapItem(i)->GetBitmap();
    ASSERT_EQ(stored->GetWidth(), source.width);
    ASSERT_EQ(stored->GetHeight(), source.height);
    int differing = 0;
    for (int y = 0; y < source.height; ++y) {
      for (int x = 0; x < source.width; ++x) {
        const TColor c = stored->GetCanvas()->GetPixels(x, y) & 0x00FFFFFF;
        const std::uint32_t rgb = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
        if (rgb != source.pixels[static_cast<size_t>(y * source.width + x)]) ++differing;
      }
    }
    EXPECT_EQ(differing, 0);
  }
  // The two backgrounds are stored compressed, the small faces plain.
  EXPECT_TRUE(list.GetBitmapItem(2)->GetCompressed());
  EXPECT_FALSE(list.GetBitmapItem(0)->GetCompressed());
}

}  // namespace
