// JPEG files that lie about their size or ask for endless work: refused with
// EJPEG before the work, with libjpeg's own words in the message.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "GraphicsTestSupport.h"
#include "platform/vcl/Jpeg.h"

using namespace graphics_test;

namespace {

std::string SmallJpeg() {
  TBitmap bitmap;
  Fill(bitmap, 32, 32, clWhite, pf24bit);
  for (int i = 0; i < 32; ++i) bitmap.GetCanvas()->SetPixels(i, i, clRed);
  TJPEGImage jpeg;
  jpeg.Assign(&bitmap);
  TMemoryStream stream;
  jpeg.SaveToStream(&stream);
  return StreamText(stream);
}

// The frame header's height and width replaced.
std::string Claiming(std::string data, int width, int height) {
  std::size_t sof = data.find("\xFF\xC0");
  EXPECT_NE(sof, std::string::npos);
  data[sof + 5] = static_cast<char>(height >> 8);
  data[sof + 6] = static_cast<char>(height & 0xFF);
  data[sof + 7] = static_cast<char>(width >> 8);
  data[sof + 8] = static_cast<char>(width & 0xFF);
  return data;
}

std::string Segment(unsigned char marker, const std::string& body) {
  const std::size_t length = body.size() + 2;
  return std::string{'\xFF', static_cast<char>(marker), static_cast<char>(length >> 8),
                     static_cast<char>(length & 0xFF)} +
         body;
}

// A grey 8x8 progressive file: its DC scan, then `acScans` scans of the same AC
// band (a repeated band is only a warning to libjpeg), each one block of EOB.
std::string Progressive(int acScans) {
  std::string file = "\xFF\xD8";
  file += Segment(0xDB, std::string(1, '\0') + std::string(64, '\x01'));
  file += Segment(0xC2, std::string("\x08\x00\x08\x00\x08\x01\x01\x11\x00", 9));
  // One code of length 1 in each table: DC category 0, AC end-of-block.
  const std::string oneCode = std::string("\x01", 1) + std::string(15, '\0') + std::string(1, '\0');
  file += Segment(0xC4, std::string(1, '\x00') + oneCode);
  file += Segment(0xC4, std::string(1, '\x10') + oneCode);
  file += Segment(0xDA, std::string("\x01\x01\x00\x00\x00\x00", 6)) + "\x7F";
  for (int i = 0; i < acScans; ++i) file += Segment(0xDA, std::string("\x01\x01\x00\x01\x3F\x00", 6)) + "\x7F";
  return file + "\xFF\xD9";
}

std::string LoadError(const std::string& bytes) {
  TJPEGImage jpeg;
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<int>(bytes.size()));
  stream.SetPosition(0);
  try {
    jpeg.LoadFromStream(&stream);
    jpeg.DIBNeeded();
  } catch (const EJPEG& e) {
    return e.what();
  }
  return "";
}

}  // namespace

TEST(JpegLimits, SmallFileClaimingAHugePictureIsRefused) {
  const std::string data = SmallJpeg();
  ASSERT_LT(data.size(), 1000u);
  EXPECT_NE(LoadError(Claiming(data, 20000, 20000)).find("Image too large"), std::string::npos);
  // Within the sane limit, but far more than 700 bytes can carry.
  EXPECT_NE(LoadError(Claiming(data, 4000, 4000)).find("larger than its data can hold"), std::string::npos);
  EXPECT_EQ(LoadError(data), "");
}

TEST(JpegLimits, ProgressiveScansAreBounded) {
  EXPECT_EQ(LoadError(Progressive(10)), "");
  EXPECT_NE(LoadError(Progressive(600)).find("Too many progressive scans"), std::string::npos);
}

TEST(JpegLimits, ErrorsCarryLibjpegsText) {
  EXPECT_NE(LoadError(std::string(64, 'x')).find("Not a JPEG file"), std::string::npos)
      << LoadError(std::string(64, 'x'));
}
