// String-list payloads, plain and compressed, and damaged payloads.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "controls/styled/stycont.h"
#include "platform/vcl/Classes.h"
#include "platform/vcl/SysUtils.h"
#include "styled/shared/fixture.h"
#include "support/ByteStrings.h"

namespace {

using testsupport::PutBytes;
using testsupport::StreamBytes;

using Bytes = std::vector<std::uint8_t>;

TEST(StringsPayload, PlainAndCompressedFormsAreExactAndReadBack) {
  struct Case {
    bool compressed;
    Bytes bytes;
  };
  const Case cases[] = {
      {false, {0x07, 0x00, 0x00, 0x00, 'a', 0x0D, 0x0A, 'b', 'c', 0x0D, 0x0A}},
      {true, {0x0C, 0x00, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00, 0x80, 'a', 0x0D, 0x0A, 'b', 'c', 0x0D, 0x0A}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.compressed);
    TStringList list;
    list.Add("a");
    list.Add("bc");
    TMemoryStream s;
    WriteStringsPayload(&s, &list, c.compressed);
    EXPECT_EQ(StreamBytes(s), c.bytes);

    s.SetPosition(0);
    TStringList back;
    back.Add("old");
    ReadStringsPayload(&s, &back, c.compressed);
    EXPECT_EQ(back.GetText(), "a\r\nbc\r\n");
    EXPECT_EQ(s.GetPosition(), s.GetSize());
  }
}

TEST(StringsPayload, LongListRoundTripsCompressed) {
  TStringList list;
  for (int i = 0; i < 5000; ++i) list.Add("line " + std::to_string(i % 97));
  TMemoryStream s;
  WriteStringsPayload(&s, &list, true);
  EXPECT_LT(s.GetSize(), static_cast<std::int64_t>(list.GetText().size()) / 2);
  s.SetPosition(0);
  TStringList back;
  ReadStringsPayload(&s, &back, true);
  EXPECT_TRUE(back.Equals(&list));
}

TEST(StringsPayload, DamagedPayloadsAreReadErrors) {
  struct Case {
    const char* name;
    bool compressed;
    Bytes bytes;
  };
  const Case cases[] = {
      {"length past the data", false, {0x08, 0x00, 0x00, 0x00, 'a', 0x0D, 0x0A}},
      {"huge length", false, {0xFF, 0xFF, 0xFF, 0x7F, 'a'}},
      {"negative length", false, {0xFE, 0xFF, 0xFF, 0xFF, 'a'}},
      {"length cut short", false, {0x07, 0x00}},
      {"bad chunk flag", true, {0x06, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x10, 'a'}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TMemoryStream s;
    PutBytes(s, c.bytes);
    TStringList list;
    EXPECT_THROW(ReadStringsPayload(&s, &list, c.compressed), EReadError);
  }
}

using styledtest::Sheet;
using styledtest::StyledProcs;

// The bits per pixel of the BMP file image inside a plain payload.
int PlainBitCount(TMemoryStream& s) {
  const Bytes bytes = StreamBytes(s);
  return bytes[4 + 28] | bytes[4 + 29] << 8;
}

TEST_F(StyledProcs, BitmapPayloadsRoundTripInEveryColourSetting) {
  for (bool compressed : {false, true}) {
    for (int colors : {-1, 16, 256}) {
      SCOPED_TRACE(std::to_string(colors) + (compressed ? " compressed" : " plain"));
      Sheet sheet(5, 3, clRed);
      sheet.Canvas()->SetPixels(1, 1, clBlue);
      TMemoryStream s;
      WriteBitmapPayload(&s, sheet.bitmap.get(), compressed, colors);
      if (!compressed) {
        const Bytes bytes = StreamBytes(s);
        EXPECT_EQ(std::int64_t(bytes[0] | bytes[1] << 8), s.GetSize() - 4);
        EXPECT_EQ(bytes[4], 'B');
        EXPECT_EQ(bytes[5], 'M');
      }
      s.SetPosition(0);
      Sheet back(1, 1);
      ReadBitmapPayload(&s, back.bitmap.get(), compressed);
      EXPECT_EQ(back.bitmap->GetWidth(), 5);
      EXPECT_EQ(back.bitmap->GetHeight(), 3);
      EXPECT_EQ(back.At(0, 0), clRed);
      EXPECT_EQ(back.At(1, 1), clBlue);
      EXPECT_EQ(s.GetPosition(), s.GetSize());
    }
  }
}

TEST_F(StyledProcs, MonochromeBitmapIsTwoColoursOnlyWhenCompressed) {
  Sheet sheet(8, 2, clWhite);
  sheet.bitmap->SetMonochrome(true);
  TMemoryStream plain;
  WriteBitmapPayload(&plain, sheet.bitmap.get(), false, 16);
  EXPECT_EQ(PlainBitCount(plain), 4);

  TMemoryStream packed;
  WriteBitmapPayload(&packed, sheet.bitmap.get(), true, 16);
  packed.SetPosition(0);
  TMemoryStream image;
  DecompressStream(&packed, &image);
  TMemoryStream framed;
  WriteInt32(&framed, int(image.GetSize()));
  image.SaveToStream(framed);
  EXPECT_EQ(PlainBitCount(framed), 1);
}

}  // namespace
