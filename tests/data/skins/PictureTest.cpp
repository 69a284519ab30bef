// The drawn pictures: every BMP of the skins folder is a well-formed file the
// class library reads as the same picture; faces keep their transparent
// colour to their corners; each skin's faces read clearly on its
// backgrounds; the bitmap-list manifest, the icons and the about pictures.
// With DRUMS_SCREENSHOTS set, each skin is composed into a PNG there.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "DataFiles.h"
#include "platform/host/png_file.h"
#include "platform/vcl/vcl_ext.h"

using namespace data_test;

namespace {

std::vector<std::filesystem::path> StagedBitmaps() {
  std::vector<std::filesystem::path> found;
  for (const auto& entry : std::filesystem::directory_iterator(SkinsDir()))
    if (entry.path().extension() == ".bmp") found.push_back(entry.path());
  std::sort(found.begin(), found.end());
  return found;
}

// Reads a 24-bit BMP without the class library: the headers must agree with
// the file, and the rows are read bottom-up with their padding.
RgbPicture ReadBmp24(const std::string& b) {
  RgbPicture p;
  if (b.size() < 54 || b.compare(0, 2, "BM") != 0) return p;
  const std::uint32_t offset = U32(b, 10);
  const int width = static_cast<int>(U32(b, 18));
  const int height = static_cast<int>(U32(b, 22));
  EXPECT_EQ(U32(b, 2), b.size()) << "the file size field";
  EXPECT_EQ(U32(b, 14), 40u) << "an info header";
  EXPECT_EQ(U16(b, 26), 1) << "one plane";
  EXPECT_EQ(U16(b, 28), 24) << "24 bits a pixel";
  EXPECT_EQ(U32(b, 30), 0u) << "uncompressed";
  const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
  if (width <= 0 || height <= 0 || offset + stride * height != b.size()) {
    ADD_FAILURE() << "the pixel rows do not fill the file";
    return p;
  }
  p.width = width;
  p.height = height;
  for (int y = 0; y < height; ++y) {
    const std::size_t row = offset + stride * (height - 1 - y);
    for (int x = 0; x < width; ++x) {
      const auto byte = [&](int i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(b[row + x * 3 + i]));
      };
      p.pixels.push_back(byte(2) << 16 | byte(1) << 8 | byte(0));
    }
  }
  return p;
}

struct Skin {
  const char* name;
  const char* main;
  const char* tracks;
  const char* off;
  const char* on;
  const char* modified;
  const char* playUp;
  const char* playDown;
  const char* thumb;
  const char* thumbDragged;
  bool cellsTransparent;
};
// The pictures each skin file chooses (the first skin's cells are the step
// rows' own faces, which the main window loads for it).
const Skin kSkins[] = {
    {"Default Blue", "back1.bmp", "backtrack1.bmp", "bbtn1_1.bmp", "bbtn1_2.bmp", "bbtn1_3.bmp", "Playbtn_2_Up.bmp",
     "Playbtn_2_Down.bmp", "btn3_2.bmp", "btn3_1.bmp", false},
    {"Green Circles", "greenback.bmp", "greentracks.bmp", "btn3_2.bmp", "btn3_1.bmp", "btn3_3.bmp", "Playbtn_3_Up.bmp",
     "Playbtn_3_Down.bmp", "btn3_2.bmp", "btn3_1.bmp", true},
    {"Generic Silver", "silver.bmp", "silver.bmp", "btn2_1.bmp", "btn2_3.bmp", "btn2_2.bmp", "Playbtn_2_Up.bmp",
     "Playbtn_2_Down.bmp", "btn3_2.bmp", "btn3_1.bmp", false},
};

// The mean colour of a face's middle (its key-coloured corners left out).
struct Mean {
  double r = 0, g = 0, b = 0;
  double Lum() const { return 0.299 * r + 0.587 * g + 0.114 * b; }
  double Distance(const Mean& o) const {
    return std::sqrt((r - o.r) * (r - o.r) + (g - o.g) * (g - o.g) + (b - o.b) * (b - o.b));
  }
};
Mean MeanOf(const RgbPicture& p, int x0, int y0, int x1, int y1) {
  Mean m;
  int n = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      m.r += Red(p.At(x, y));
      m.g += Green(p.At(x, y));
      m.b += Blue(p.At(x, y));
      ++n;
    }
  m.r /= n;
  m.g /= n;
  m.b /= n;
  return m;
}
Mean Middle(const RgbPicture& p) {
  return MeanOf(p, p.width / 4, p.height / 4, p.width - p.width / 4, p.height - p.height / 4);
}

void Blit(host::Surface& s, const RgbPicture& p, int left, int top, bool transparent) {
  const std::uint32_t key = p.At(0, p.height - 1);
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      const int tx = left + x, ty = top + y;
      if (tx < 0 || ty < 0 || tx >= s.width || ty >= s.height) continue;
      if (transparent && p.At(x, y) == key) continue;
      s.pixels[ty * s.stride + tx] = p.At(x, y);
    }
}

// A sketch of the main window in one skin: the backgrounds, the play button
// up and down, twelve rows of faders and sixteen step cells with a beat
// pattern, modified notes and 32nd-note rows.
void Compose(const Skin& skin, const std::string& path) {
  const int width = 620, height = 460 + 192;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height, 0);
  host::Surface s{pixels.data(), width, height, width};
  const RgbPicture main = LoadPicture(SkinsDir() / skin.main);
  const RgbPicture tracks = LoadPicture(SkinsDir() / skin.tracks);
  Blit(s, main, 0, 0, false);
  Blit(s, tracks, 0, 460, false);
  Blit(s, LoadPicture(SkinsDir() / skin.playUp), 16, 8, true);
  Blit(s, LoadPicture(SkinsDir() / skin.playDown), 72, 8, true);
  const RgbPicture faces[] = {LoadPicture(SkinsDir() / skin.off), LoadPicture(SkinsDir() / skin.on),
                              LoadPicture(SkinsDir() / skin.modified)};
  const RgbPicture thumb = LoadPicture(SkinsDir() / skin.thumb);
  const RgbPicture dragged = LoadPicture(SkinsDir() / skin.thumbDragged);
  const char* pattern[] = {"x...x...x...x...", "....x.......x..x", "..x...x...x...x.", "x.x.x.x.x.x.x.xx",
                           "........m.......", "...x.......x....", "......x.......x.", "x...............",
                           "..............m.", "x..x..x..x..x..x", "....m.......x...", ".x.x.x.x.x.x.x.x"};
  for (int t = 0; t < 12; ++t) {
    const int y = 48 + t * 32;
    for (int x = 20; x < 106; ++x)
      for (int yy = y + 13; yy < y + 18; ++yy) s.pixels[yy * width + x] = 0x303438;
    Blit(s, t == 3 ? dragged : thumb, 30 + (t * 37) % 60, y + 10, true);
    for (int step = 0; step < 16; ++step) {
      const char c = pattern[t][step];
      const RgbPicture& face = faces[c == 'x' ? 1 : c == 'm' ? 2 : 0];
      Blit(s, face, 170 + step * 16 + (step >= 8 ? 8 : 0), y + 10, skin.cellsTransparent);
    }
  }
  EXPECT_TRUE(host::WritePng(path, s));
}

}  // namespace

TEST(SkinPictures, EveryBitmapIsWellFormedAndReadsTheSameThroughTheLibrary) {
  const std::vector<std::filesystem::path> bitmaps = StagedBitmaps();
  ASSERT_GE(bitmaps.size(), 20u);
  for (const auto& path : bitmaps) {
    SCOPED_TRACE(path.filename().string());
    const RgbPicture own = ReadBmp24(ReadAll(path));
    ASSERT_GT(own.width, 0);
    const RgbPicture library = LoadPicture(path);
    ASSERT_EQ(library.width, own.width);
    ASSERT_EQ(library.height, own.height);
    EXPECT_TRUE(library.pixels == own.pixels);
  }
}

TEST(SkinPictures, FacesAndThumbsKeepTheirTransparentColourToTheCorners) {
  // A face or thumb is drawn keyed on its lower-left pixel: that colour must
  // not appear inside, or the body would show holes.
  for (const auto& path : StagedBitmaps()) {
    const std::string name = path.filename().string();
    if (!name.starts_with("btn") && !name.starts_with("bbtn") && !name.starts_with("Playbtn")) continue;
    SCOPED_TRACE(name);
    const RgbPicture p = LoadPicture(path);
    const std::uint32_t key = p.At(0, p.height - 1);
    EXPECT_EQ(p.At(p.width - 1, 0), key) << "all four corners are the key";
    int inside = 0;
    for (int y = 2; y < p.height - 2; ++y)
      for (int x = 2; x < p.width - 2; ++x) inside += p.At(x, y) == key;
    EXPECT_EQ(inside, 0);
  }
}

TEST(SkinPictures, EachSkinReadsClearly) {
  for (const Skin& skin : kSkins) {
    SCOPED_TRACE(skin.name);
    const Mean off = Middle(LoadPicture(SkinsDir() / skin.off));
    const Mean on = Middle(LoadPicture(SkinsDir() / skin.on));
    const Mean modified = Middle(LoadPicture(SkinsDir() / skin.modified));
    const RgbPicture mainPicture = LoadPicture(SkinsDir() / skin.main);
    const Mean background = MeanOf(mainPicture, 160, 40, 440, 440);
    // A step that is on stands out from one that is off, by brightness.
    EXPECT_GT(on.Lum() - off.Lum(), 50.0);
    // A modified note is told from a plain one by its colour.
    EXPECT_GT(modified.Distance(on), 90.0);
    EXPECT_GT(modified.Lum() - off.Lum(), 50.0);
    // Lit cells stand out from the background, and unlit ones still show.
    EXPECT_GT(on.Distance(background), 80.0);
    EXPECT_GT(off.Distance(background), 20.0);
    // The play button's two faces differ.
    EXPECT_GT(Middle(LoadPicture(SkinsDir() / skin.playUp)).Distance(Middle(LoadPicture(SkinsDir() / skin.playDown))),
              60.0);
  }
}

TEST(SkinPictures, ComposedSkinsAreWrittenWhenAsked) {
  const char* folder = std::getenv("DRUMS_SCREENSHOTS");
  if (!folder || !*folder) GTEST_SKIP() << "DRUMS_SCREENSHOTS names no folder";
  for (const Skin& skin : kSkins) {
    const std::string path = std::string(folder) + "/skin " + skin.name + ".png";
    Compose(skin, path);
    int w = 0, h = 0;
    std::vector<std::uint32_t> back;
    ASSERT_TRUE(host::ReadPng(path, w, h, back));
    EXPECT_EQ(w, 620);
    EXPECT_EQ(h, 652);
  }
}

TEST(BitmapListManifest, ListsTheElevenSkinSlotsInOrder) {
  std::ifstream in(PicturesDir() / "resource2.txt");
  ASSERT_TRUE(in);
  std::vector<std::pair<int, std::string>> items;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string path, option;
    int ident = -1;
    ASSERT_TRUE(fields >> path) << line;
    while (fields >> option)
      if (option.rfind("ident=", 0) == 0) ident = std::stoi(option.substr(6));
    items.emplace_back(ident, path);
  }
  ASSERT_EQ(items.size(), 11u);
  // Slot roles: 0, 1 play faces; 2, 3 backgrounds; 4, 5, 7..10 thumbs; 6 blank.
  for (int i = 0; i < 11; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(items[i].first, i) << "the ident is the item's place";
    const std::filesystem::path path = PicturesDir() / items[i].second;
    ASSERT_TRUE(std::filesystem::exists(path)) << items[i].second;
    const RgbPicture p = LoadPicture(path);
    if (i <= 1) {
      EXPECT_EQ(p.width, 48);
      EXPECT_EQ(p.height, 24);
    } else if (i == 2) {
      EXPECT_GE(p.width, 620);
      EXPECT_GE(p.height, 459);
    } else if (i == 3) {
      EXPECT_GE(p.width, 620);
      EXPECT_GE(p.height, 192);
    } else if (i == 6) {
      EXPECT_EQ(std::set<std::uint32_t>(p.pixels.begin(), p.pixels.end()).size(), 1u) << "one plain colour";
    } else {
      EXPECT_LE(p.height, 11);
      EXPECT_LE(p.width, 17);
    }
  }
  EXPECT_NE(items[0].second, items[1].second);
  EXPECT_NE(items[4].second, items[5].second) << "a dragged thumb looks different";
}

TEST(ProgramPictures, IconsHoldALargeAndASmallImage) {
  for (const char* name : {"icons/tambrel.ico", "icons/idezar.ico"}) {
    SCOPED_TRACE(name);
    const std::string b = ReadAll(PicturesDir() / name);
    ASSERT_GE(b.size(), 6u + 32u);
    EXPECT_EQ(U16(b, 0), 0);
    EXPECT_EQ(U16(b, 2), 1) << "an icon";
    ASSERT_EQ(U16(b, 4), 2);
    std::set<int> sizes;
    for (int i = 0; i < 2; ++i) {
      const std::size_t entry = 6 + 16 * i;
      const int size = static_cast<unsigned char>(b[entry]);
      sizes.insert(size);
      const std::uint32_t bytes = U32(b, entry + 8), offset = U32(b, entry + 12);
      ASSERT_LE(offset + bytes, b.size());
      EXPECT_EQ(U32(b, offset + 4), static_cast<std::uint32_t>(size));
      EXPECT_EQ(U32(b, offset + 8), static_cast<std::uint32_t>(2 * size)) << "picture and mask";
      // 32-bit colour, then the AND mask of whole 32-bit rows.
      EXPECT_EQ(bytes, 40u + size * size * 4u + size * ((size + 31) / 32 * 4u));
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32}));
  }
  // The tips picture: 30 by 40 in 16 colours, keyed on its lower-left pixel.
  TBitmap tip;
  tip.LoadFromFile((PicturesDir() / "icons/tips16816.bmp").string());
  EXPECT_EQ(tip.GetWidth(), 30);
  EXPECT_EQ(tip.GetHeight(), 40);
  EXPECT_EQ(U16(ReadAll(PicturesDir() / "icons/tips16816.bmp"), 28), 4);
}

TEST(ProgramPictures, AboutPicturesAreJpegOfTheirSizes) {
  struct Case {
    const char* file;
    int width, height;
  } cases[] = {
      {"about/tambrel_about.jpg", 128, 96}, {"about/idezar_about.jpg", 64, 64}, {"about/idezar_banner.jpg", 240, 48}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string b = ReadAll(PicturesDir() / c.file);
    ASSERT_GT(b.size(), 100u);
    vcl::jpeg::RgbImage image;
    vcl::jpeg::JpegError error;
    ASSERT_TRUE(vcl::jpeg::DecodeJpeg(reinterpret_cast<const std::uint8_t*>(b.data()), b.size(), {}, &image, &error))
        << error.message;
    EXPECT_EQ(image.width, c.width);
    EXPECT_EQ(image.height, c.height);
    // Not a blank picture: it has light and dark parts.
    int darkest = 255, lightest = 0;
    for (std::size_t i = 0; i + 2 < image.pixels.size(); i += 3) {
      const int lum = (image.pixels[i] * 3 + image.pixels[i + 1] * 6 + image.pixels[i + 2]) / 10;
      darkest = std::min(darkest, lum);
      lightest = std::max(lightest, lum);
    }
    EXPECT_GT(lightest - darkest, 120);
  }
}
