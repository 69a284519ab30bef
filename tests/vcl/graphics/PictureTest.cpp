#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "GraphicsTestSupport.h"
#include "support/TempFolder.h"

using namespace graphics_test;

namespace {

void SaveBitmapFile(const std::string& path) {
  TBitmap bitmap;
  Paint(bitmap);
  bitmap.SaveToFile(path);
}

}  // namespace

TEST(Picture, LoadsByExtensionInAnyCase) {
  TempFolder folder;
  std::string path = folder / "glyph.BMP";
  SaveBitmapFile(path);
  TPicture picture;
  int changes = 0;
  picture.OnChange = [&](TObject*) { ++changes; };
  picture.LoadFromFile(path);
  ASSERT_NE(dynamic_cast<TBitmap*>(picture.GetGraphic()), nullptr);
  EXPECT_EQ(picture.GetWidth(), 8);
  EXPECT_EQ(picture.GetHeight(), 6);
  EXPECT_EQ(At(*picture.GetBitmap(), 0, 0), clRed);
  EXPECT_GE(changes, 1);

  std::string copyPath = folder / "copy.bmp";
  picture.SaveToFile(copyPath);
  TBitmap again;
  again.LoadFromFile(copyPath);
  EXPECT_EQ(Pixels(again), Pixels(*picture.GetBitmap()));
}

TEST(Picture, UnknownExtensionRaisesWithTheExtension) {
  TempFolder folder;
  TPicture picture;
  try {
    picture.LoadFromFile(folder / "thing.xyz");
    FAIL() << "no exception";
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.GetMessage(), "Unknown picture file extension (.xyz)");
  }
  EXPECT_EQ(picture.GetGraphic(), nullptr);
}

TEST(Picture, DataIsTheClassNameThenTheGraphicsOwnData) {
  TGraphicsHolder holder(nullptr);
  Paint(*holder.GetPicture()->GetBitmap());
  std::string data = BinaryProperty(AsText(holder), "Picture.Data");
  ASSERT_GT(data.size(), 12u);
  EXPECT_EQ(data[0], 7);
  EXPECT_EQ(data.substr(1, 7), "TBitmap");
  std::uint32_t size;
  std::memcpy(&size, data.data() + 8, 4);
  EXPECT_EQ(size, data.size() - 12);
  EXPECT_EQ(data.substr(12, 2), "BM");

  TMemoryStream binary;
  WriteBinary(holder, binary);
  TGraphicsHolder copy(nullptr);
  ReadBack(binary, copy);
  ASSERT_NE(dynamic_cast<TBitmap*>(copy.GetPicture()->GetGraphic()), nullptr);
  EXPECT_EQ(Pixels(*copy.GetPicture()->GetBitmap()), Pixels(*holder.GetPicture()->GetBitmap()));
}

TEST(Picture, EmptyPictureWritesNoData) {
  TGraphicsHolder holder(nullptr);
  EXPECT_EQ(AsText(holder).find("Picture.Data"), std::string::npos);
}

TEST(Picture, AssignCopiesTheGraphicAndBitmapReplacesOtherKinds) {
  TBitmap bitmap;
  Paint(bitmap);
  TPicture a;
  a.SetGraphic(&bitmap);
  EXPECT_NE(a.GetGraphic(), &bitmap);
  bitmap.GetCanvas()->SetPixels(0, 0, clBlack);
  EXPECT_EQ(At(*a.GetBitmap(), 0, 0), clRed);

  TPicture b;
  b.Assign(&a);
  EXPECT_EQ(Pixels(*b.GetBitmap()), Pixels(*a.GetBitmap()));
  TBitmap out;
  out.Assign(&b);
  EXPECT_EQ(out.GetWidth(), 8);

  b.GetIcon();
  EXPECT_NE(dynamic_cast<TIcon*>(b.GetGraphic()), nullptr);
  EXPECT_TRUE(b.GetBitmap()->Empty());
  b.Assign(nullptr);
  EXPECT_EQ(b.GetGraphic(), nullptr);
  EXPECT_EQ(b.GetWidth(), 0);
}

TEST(Picture, FiltersAndExtensionsOfTheRegisteredFormats) {
  EXPECT_EQ(GraphicFilter(TBitmap::StaticClass()), "All (*.bmp)|*.bmp|Bitmaps (*.bmp)|*.bmp");
  EXPECT_EQ(GraphicExtension(TBitmap::StaticClass()), "bmp");
  EXPECT_EQ(GraphicExtension(TIcon::StaticClass()), "ico");
  std::string all = GraphicFilter(TGraphic::StaticClass());
  EXPECT_NE(all.find("Icons (*.ico)|*.ico"), std::string::npos);
  EXPECT_EQ(all.rfind("All (", 0), 0u);
}
