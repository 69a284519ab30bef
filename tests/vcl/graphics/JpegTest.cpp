#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "GraphicsTestSupport.h"
#include "support/TempFolder.h"
#include "platform/vcl/Jpeg.h"

using namespace graphics_test;

namespace {

// Smooth gradients survive JPEG well, so a tolerance makes sense.
void Gradient(TBitmap& bitmap) {
  Fill(bitmap, 32, 24, clWhite, pf24bit);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 32; ++x) bitmap.GetCanvas()->SetPixels(x, y, static_cast<TColor>(RGB(x * 8, y * 10, 128)));
}

int Channel(TColor c, int shift) {
  return (c >> shift) & 0xFF;
}

std::string Compressed(TBitmap& bitmap, int quality = 95) {
  TJPEGImage jpeg;
  jpeg.SetCompressionQuality(quality);
  jpeg.Assign(&bitmap);
  TMemoryStream stream;
  jpeg.SaveToStream(&stream);
  return StreamText(stream);
}

void Load(TJPEGImage& jpeg, const std::string& bytes) {
  TMemoryStream stream;
  if (!bytes.empty()) stream.WriteBuffer(bytes.data(), static_cast<int>(bytes.size()));
  stream.SetPosition(0);
  jpeg.LoadFromStream(&stream);
}

}  // namespace

TEST(Jpeg, BitmapSavedAsJpegComesBackClose) {
  TBitmap original;
  Gradient(original);
  std::string data = Compressed(original);
  ASSERT_GT(data.size(), 100u);
  EXPECT_EQ(static_cast<unsigned char>(data[0]), 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(data[1]), 0xD8);

  TJPEGImage jpeg;
  Load(jpeg, data);
  EXPECT_EQ(jpeg.GetWidth(), 32);
  EXPECT_EQ(jpeg.GetHeight(), 24);
  TBitmap decoded;
  decoded.Assign(&jpeg);
  ASSERT_EQ(decoded.GetWidth(), 32);
  int worst = 0;
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 32; ++x) {
      TColor a = At(original, x, y), b = At(decoded, x, y);
      for (int shift : {0, 8, 16}) worst = std::max(worst, std::abs(Channel(a, shift) - Channel(b, shift)));
    }
  EXPECT_LE(worst, 24);

  // Drawing decodes too.
  TBitmap canvas;
  Fill(canvas, 40, 30, clBlack);
  canvas.GetCanvas()->Draw(4, 3, &jpeg);
  EXPECT_NEAR(Channel(At(canvas, 4 + 31, 3), 0), 248, 24);
  EXPECT_EQ(At(canvas, 0, 0), clBlack);
}

TEST(Jpeg, QualityScaleAndGrayscaleShapeTheResult) {
  TBitmap original;
  Gradient(original);
  EXPECT_LT(Compressed(original, 10).size(), Compressed(original, 95).size());

  TJPEGImage jpeg;
  Load(jpeg, Compressed(original));
  jpeg.SetScale(jsHalf);
  EXPECT_EQ(jpeg.GetWidth(), 16);
  TBitmap half;
  half.Assign(&jpeg);
  EXPECT_EQ(half.GetWidth(), 16);
  EXPECT_EQ(half.GetHeight(), 12);

  jpeg.SetScale(jsFullSize);
  jpeg.SetGrayscale(true);
  TBitmap grey;
  grey.Assign(&jpeg);
  TColor c = At(grey, 20, 10);
  EXPECT_EQ(Channel(c, 0), Channel(c, 8));
  EXPECT_EQ(Channel(c, 8), Channel(c, 16));
}

TEST(Jpeg, BrokenDataRaisesWithoutCrashing) {
  TBitmap original;
  Gradient(original);
  std::string good = Compressed(original);
  std::vector<std::string> broken = {
      std::string(),
      "not a jpeg at all",
      good.substr(0, 2) + std::string(200, '\x55'),
      good.substr(0, 20),
      good.substr(0, good.size() / 2),  // cut inside the picture data
  };
  for (const std::string& bytes : broken) {
    TJPEGImage jpeg;
    EXPECT_THROW(
        {
          Load(jpeg, bytes);
          TBitmap bitmap;
          bitmap.Assign(&jpeg);
        },
        EJPEG)
        << bytes.size();
  }
  // Damage anywhere decodes or raises, never more.
  for (std::size_t at = 2; at < good.size(); at += 37) {
    std::string damaged = good;
    for (std::size_t i = at; i < std::min(damaged.size(), at + 8); ++i) damaged[i] = static_cast<char>(0xA5 ^ i);
    try {
      TJPEGImage jpeg;
      Load(jpeg, damaged);
      TBitmap bitmap;
      bitmap.Assign(&jpeg);
    } catch (const EInvalidGraphic&) {}
  }
}

TEST(Jpeg, RegisteredForPicturesAndStreamsItsData) {
  RegisterJpegGraphics();
  RegisterJpegGraphics();
  EXPECT_EQ(GraphicExtension(TJPEGImage::StaticClass()), "jpg");
  EXPECT_NE(GraphicFilter(TGraphic::StaticClass()).find("*.jpeg"), std::string::npos);
  TBitmap original;
  Gradient(original);
  TempFolder folder;
  std::string path = folder / "picture.JPG";
  {
    TJPEGImage jpeg;
    jpeg.Assign(&original);
    jpeg.SaveToFile(path);
  }
  TGraphicsHolder holder(nullptr);
  holder.GetPicture()->LoadFromFile(path);
  ASSERT_NE(dynamic_cast<TJPEGImage*>(holder.GetPicture()->GetGraphic()), nullptr);
  EXPECT_EQ(holder.GetPicture()->GetWidth(), 32);

  std::string data = BinaryProperty(AsText(holder), "Picture.Data");
  ASSERT_GT(data.size(), 20u);
  EXPECT_EQ(data.substr(0, 11), std::string("\x0ATJPEGImage"));
  TMemoryStream binary;
  WriteBinary(holder, binary);
  TGraphicsHolder copy(nullptr);
  ReadBack(binary, copy);
  ASSERT_NE(dynamic_cast<TJPEGImage*>(copy.GetPicture()->GetGraphic()), nullptr);
  EXPECT_EQ(copy.GetPicture()->GetHeight(), 24);
}
