#include <gtest/gtest.h>

#include <string>

#include "GraphicsTestSupport.h"
#include "support/TempFolder.h"
#include "platform/win/winuser_draw.h"

using namespace graphics_test;

namespace {

// A 2 x 2 icon at 32 bits: red, lime on top; see-through, blue below.
std::string IconFile() {
  const unsigned char bytes[] = {
      0,    0, 1,    0,    1,  0,  // directory: one icon
      2,    2, 0,    0,    1,  0,    32, 0,    64, 0, 0, 0, 22,   0, 0,  0,  // 2 x 2, 32 bits, 64 bytes at 22
      40,   0, 0,    0,    2,  0,    0,  0,    4,  0, 0, 0, 1,    0, 32, 0,  // header: height counts both masks
      0,    0, 0,    0,    24, 0,    0,  0,    0,  0, 0, 0, 0,    0, 0,  0,
      0,    0, 0,    0,    0,  0,    0,  0,    0,  0, 0, 0, 0xFF, 0, 0,  0xFF,  // bottom row: see-through, blue
      0,    0, 0xFF, 0xFF, 0,  0xFF, 0,  0xFF,  // top row: red, lime
      0x80, 0, 0,    0,    0,  0,    0,  0,  // AND mask, bottom row first
  };
  return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

void Load(TIcon& icon, const std::string& bytes) {
  TMemoryStream stream;
  if (!bytes.empty()) stream.WriteBuffer(bytes.data(), static_cast<int>(bytes.size()));
  stream.SetPosition(0);
  icon.LoadFromStream(&stream);
}

}  // namespace

TEST(Icon, LoadsDrawsAndSavesTheSameBytes) {
  TIcon icon;
  Load(icon, IconFile());
  EXPECT_FALSE(icon.Empty());
  EXPECT_EQ(icon.GetWidth(), 2);
  EXPECT_EQ(icon.GetHeight(), 2);

  TBitmap dest;
  Fill(dest, 4, 4, clWhite);
  dest.GetCanvas()->Draw(1, 1, &icon);
  EXPECT_EQ(At(dest, 1, 1), clRed);
  EXPECT_EQ(At(dest, 2, 1), clLime);
  EXPECT_EQ(At(dest, 1, 2), clWhite);
  EXPECT_EQ(At(dest, 2, 2), clBlue);

  TMemoryStream saved;
  icon.SaveToStream(&saved);
  EXPECT_EQ(StreamText(saved), IconFile());
  EXPECT_THROW(icon.SetWidth(5), EInvalidGraphicOperation);
}

TEST(Icon, AnIconMadeElsewhereSavesAsIcoData) {
  TIcon original;
  Load(original, IconFile());
  TIcon adopted;
  adopted.SetHandle(CopyIcon(original.GetHandle()));
  TMemoryStream saved;
  adopted.SaveToStream(&saved);
  TIcon reread;
  saved.SetPosition(0);
  reread.LoadFromStream(&saved);
  TBitmap dest;
  Fill(dest, 2, 2, clWhite);
  dest.GetCanvas()->Draw(0, 0, &reread);
  EXPECT_EQ(At(dest, 0, 0), clRed);
  EXPECT_EQ(At(dest, 1, 1), clBlue);
}

TEST(Icon, BrokenIcoDataRaisesInvalidGraphic) {
  std::string good = IconFile();
  std::string badOffset = good;
  badOffset[18] = 100;  // image offset past the end
  for (const std::string& bytes : {good.substr(0, 30), good.substr(0, 4), std::string(), badOffset}) {
    TIcon icon;
    EXPECT_THROW(Load(icon, bytes), EInvalidGraphic) << bytes.size();
    EXPECT_TRUE(icon.Empty());
  }
}

TEST(Icon, PictureLoadsIcoFiles) {
  TempFolder folder;
  std::string path = folder / "icon.ico";
  {
    TFileStream file(path, fmCreate);
    std::string bytes = IconFile();
    file.WriteBuffer(bytes.data(), static_cast<int>(bytes.size()));
  }
  TPicture picture;
  picture.LoadFromFile(path);
  ASSERT_NE(dynamic_cast<TIcon*>(picture.GetGraphic()), nullptr);
  EXPECT_EQ(picture.GetWidth(), 2);
}
