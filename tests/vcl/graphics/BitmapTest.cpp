#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "GraphicsTestSupport.h"
#include "platform/win/drums_ext.h"

using namespace graphics_test;

TEST(Bitmap, NewBitmapIsEmptyDeviceFormat) {
  TBitmap bitmap;
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_EQ(bitmap.GetPixelFormat(), pfDevice);
  EXPECT_EQ(bitmap.GetHandleType(), bmDDB);
  EXPECT_EQ(bitmap.GetHandle(), nullptr);
  bitmap.SetSize(3, 2);
  EXPECT_FALSE(bitmap.Empty());
  EXPECT_NE(bitmap.GetHandle(), nullptr);
  BITMAP bm{};
  ASSERT_EQ(GetObjectA(bitmap.GetHandle(), sizeof bm, &bm), static_cast<int>(sizeof bm));
  EXPECT_EQ(bm.bmWidth, 3);
  EXPECT_EQ(bm.bmHeight, 2);
  EXPECT_EQ(bm.bmBitsPixel, 32);
}

TEST(Bitmap, PixelFormatChangesKeepThePicture) {
  struct Case {
    TPixelFormat format;
    int bits;
  } cases[] = {{pf32bit, 32}, {pf24bit, 24}, {pf16bit, 16}, {pf15bit, 16}, {pf8bit, 8}, {pf4bit, 4}, {pfDevice, 32}};
  // Colours every depth holds exactly.
  for (const Case& c : cases) {
    TBitmap bitmap;
    Paint(bitmap);
    std::vector<TColor> before = Pixels(bitmap);
    bitmap.SetPixelFormat(c.format);
    EXPECT_EQ(bitmap.GetPixelFormat(), c.format);
    BITMAP bm{};
    GetObjectA(bitmap.GetHandle(), sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, c.bits) << c.format;
    EXPECT_EQ(Pixels(bitmap), before) << c.format;
    bitmap.SetPixelFormat(pf32bit);
    EXPECT_EQ(Pixels(bitmap), before) << c.format;
  }
}

TEST(Bitmap, MonochromeTurnsColoursToBlackAndWhite) {
  TBitmap bitmap;
  Fill(bitmap, 4, 1, clWhite);
  bitmap.GetCanvas()->SetPixels(1, 0, clBlack);
  bitmap.SetMonochrome(true);
  EXPECT_TRUE(bitmap.GetMonochrome());
  EXPECT_EQ(bitmap.GetPixelFormat(), pf1bit);
  EXPECT_EQ(At(bitmap, 0, 0), clWhite);
  EXPECT_EQ(At(bitmap, 1, 0), clBlack);
}

TEST(Bitmap, SetSizeKeepsTheTopLeftPart) {
  TBitmap bitmap;
  Paint(bitmap);
  bitmap.SetSize(4, 3);
  EXPECT_EQ(At(bitmap, 0, 0), clRed);
  EXPECT_EQ(At(bitmap, 3, 2), clYellow);
  bitmap.SetWidth(10);
  EXPECT_EQ(bitmap.GetWidth(), 10);
  EXPECT_EQ(At(bitmap, 0, 0), clRed);
  EXPECT_EQ(At(bitmap, 9, 0), clBlack);  // new area starts black
  bitmap.SetHeight(0);
  EXPECT_TRUE(bitmap.Empty());
}

TEST(Bitmap, TransparentColorComesFromTheBottomLeftPixel) {
  TBitmap bitmap;
  Paint(bitmap);
  EXPECT_EQ(bitmap.GetTransparentMode(), tmAuto);
  EXPECT_EQ(bitmap.GetTransparentColor(), clBlue | 0x02000000);
  bitmap.GetCanvas()->SetPixels(0, 5, clGreen);
  EXPECT_EQ(bitmap.GetTransparentColor(), clGreen | 0x02000000);

  bitmap.SetTransparentColor(clRed);
  EXPECT_EQ(bitmap.GetTransparentMode(), tmFixed);
  EXPECT_EQ(bitmap.GetTransparentColor(), clRed | 0x02000000);
  bitmap.SetTransparentMode(tmAuto);
  EXPECT_EQ(bitmap.GetTransparentColor(), clGreen | 0x02000000);

  TBitmap empty;
  EXPECT_EQ(empty.GetTransparentColor(), clDefault);
}

TEST(Bitmap, TransparentDrawSkipsTheTransparentColour) {
  TBitmap glyph;
  Fill(glyph, 4, 4, clFuchsia);
  glyph.GetCanvas()->SetPixels(1, 1, clRed);
  glyph.GetCanvas()->SetPixels(2, 2, clBlack);
  glyph.SetTransparent(true);
  TBitmap dest;
  Fill(dest, 10, 10, clLime);
  dest.GetCanvas()->Draw(3, 3, &glyph);
  EXPECT_EQ(At(dest, 4, 4), clRed);
  EXPECT_EQ(At(dest, 5, 5), clBlack);
  EXPECT_EQ(At(dest, 3, 3), clLime);
  EXPECT_EQ(At(dest, 6, 6), clLime);

  // Opaque draw and stretch.
  glyph.SetTransparent(false);
  dest.GetCanvas()->StretchDraw(Rect(0, 0, 8, 8), &glyph);
  EXPECT_EQ(At(dest, 0, 0), clFuchsia);
  EXPECT_EQ(At(dest, 2, 2), clRed);
  EXPECT_EQ(At(dest, 3, 3), clRed);
  EXPECT_EQ(At(dest, 8, 8), clLime);
}

TEST(Bitmap, CopiesSharingAPictureKeepTheirOwnTransparentColour) {
  TBitmap a;
  Fill(a, 2, 1, clWhite);
  a.GetCanvas()->SetPixels(1, 0, clRed);
  a.SetTransparent(true);
  TBitmap b;
  b.Assign(&a);
  b.SetTransparentColor(clRed);
  TBitmap dest;
  for (TBitmap* source : {&a, &b, &a}) {
    Fill(dest, 2, 1, clBlue);
    dest.GetCanvas()->Draw(0, 0, source);
    bool redSkipped = source == &b;
    EXPECT_EQ(At(dest, 0, 0), redSkipped ? clWhite : clBlue);
    EXPECT_EQ(At(dest, 1, 0), redSkipped ? clBlue : clRed);
  }
}

TEST(Bitmap, DrawingThroughTheCanvasHandleRenewsTheMask) {
  TBitmap glyph;
  Fill(glyph, 2, 1, clWhite);
  glyph.SetTransparentColor(clRed);
  glyph.SetTransparent(true);
  TBitmap dest;
  Fill(dest, 2, 1, clBlue);
  dest.GetCanvas()->Draw(0, 0, &glyph);
  EXPECT_EQ(At(dest, 1, 0), clWhite);
  SetPixel(glyph.GetCanvas()->GetHandle(), 1, 0, RGB(255, 0, 0));
  Fill(dest, 2, 1, clBlue);
  dest.GetCanvas()->Draw(0, 0, &glyph);
  EXPECT_EQ(At(dest, 1, 0), clBlue);
  EXPECT_EQ(At(dest, 0, 0), clWhite);
}

TEST(Bitmap, MaskIsWhiteWhereTheTransparentColourIs) {
  TBitmap bitmap;
  Fill(bitmap, 3, 2, clWhite);
  bitmap.GetCanvas()->SetPixels(1, 0, clRed);
  bitmap.SetTransparentColor(clRed);
  HBITMAP mask = bitmap.GetMaskHandle();
  ASSERT_NE(mask, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, mask);
  EXPECT_EQ(GetPixel(dc, 1, 0), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 0, 0));
  SelectObject(dc, old);
  DeleteDC(dc);

  bitmap.Mask(clRed);
  EXPECT_EQ(bitmap.GetPixelFormat(), pf1bit);
  EXPECT_EQ(At(bitmap, 1, 0), clWhite);
  EXPECT_EQ(At(bitmap, 0, 0), clBlack);
}

TEST(Bitmap, AssignSharesUntilEitherSideChanges) {
  TBitmap original;
  Paint(original);
  std::vector<TColor> picture = Pixels(original);

  TBitmap copy;
  copy.Assign(&original);
  EXPECT_EQ(Pixels(copy), picture);
  copy.GetCanvas()->SetPixels(3, 2, clPurple);
  EXPECT_EQ(At(copy, 3, 2), clPurple);
  EXPECT_EQ(Pixels(original), picture);

  // The other way round, and through the handle.
  TBitmap second;
  second.Assign(&original);
  original.GetCanvas()->SetPixels(0, 0, clTeal);
  EXPECT_EQ(At(second, 0, 0), clRed);
  TBitmap third;
  third.Assign(&second);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, third.GetHandle());
  SetPixel(dc, 0, 0, RGB(1, 2, 3));
  SelectObject(dc, old);
  DeleteDC(dc);
  EXPECT_EQ(At(third, 0, 0), static_cast<TColor>(RGB(1, 2, 3)));
  EXPECT_EQ(At(second, 0, 0), clRed);

  // Resizing and format changes too.
  TBitmap fourth;
  fourth.Assign(&second);
  fourth.SetWidth(2);
  fourth.SetPixelFormat(pf8bit);
  EXPECT_EQ(second.GetWidth(), 8);
  EXPECT_EQ(second.GetPixelFormat(), pf32bit);

  copy.Assign(nullptr);
  EXPECT_TRUE(copy.Empty());
}

TEST(Bitmap, ChangesReachOnChange) {
  TBitmap bitmap;
  int changes = 0;
  bitmap.OnChange = [&](TObject*) { ++changes; };
  bitmap.SetSize(4, 4);
  EXPECT_EQ(changes, 1);
  bitmap.GetCanvas()->Rectangle(0, 0, 2, 2);
  EXPECT_EQ(changes, 2);
  EXPECT_TRUE(bitmap.GetModified());
}

TEST(Bitmap, SavedAndLoadedThroughStreamsStaysTheSame) {
  for (TPixelFormat format : {pf32bit, pf24bit, pf8bit, pf4bit, pf1bit}) {
    TBitmap bitmap;
    Paint(bitmap);
    bitmap.SetPixelFormat(format);
    std::vector<TColor> picture = Pixels(bitmap);
    TMemoryStream stream;
    bitmap.SaveToStream(&stream);
    ASSERT_GT(stream.GetSize(), 54);
    EXPECT_EQ(StreamText(stream).substr(0, 2), "BM");
    stream.SetPosition(0);
    TBitmap loaded;
    loaded.LoadFromStream(&stream);
    EXPECT_EQ(loaded.GetPixelFormat(), format);
    EXPECT_EQ(Pixels(loaded), picture) << format;
  }
}

TEST(Bitmap, LoadFromStreamStopsAfterTheBitmapInsideALargerStream) {
  TBitmap bitmap;
  Paint(bitmap);
  TMemoryStream stream;
  bitmap.SaveToStream(&stream);
  std::int64_t size = stream.GetSize();
  stream.WriteBuffer("tail", 4);
  stream.SetPosition(0);
  TBitmap loaded;
  loaded.LoadFromStream(&stream);
  EXPECT_EQ(stream.GetPosition(), size);
}

TEST(Bitmap, BrokenBitmapDataRaisesInvalidGraphic) {
  TBitmap good;
  Paint(good);
  TMemoryStream stream;
  good.SaveToStream(&stream);
  std::string bytes = StreamText(stream);
  std::vector<std::string> broken = {
      bytes.substr(0, bytes.size() - 7),  // rows cut short
      bytes.substr(0, 30),  // header cut short
      "XX" + bytes.substr(2),  // not a BMP
  };
  for (const std::string& b : broken) {
    TMemoryStream in;
    if (!b.empty()) in.WriteBuffer(b.data(), static_cast<int>(b.size()));
    in.SetPosition(0);
    TBitmap bitmap;
    Paint(bitmap);
    EXPECT_THROW(bitmap.LoadFromStream(&in), EInvalidGraphic) << b.size();
    EXPECT_EQ(bitmap.GetWidth(), 8);  // the old picture stays
  }
  // No bytes at all: an empty bitmap, as an empty one saves.
  TMemoryStream none;
  TBitmap bitmap;
  Paint(bitmap);
  bitmap.LoadFromStream(&none);
  EXPECT_TRUE(bitmap.Empty());
  bitmap.SaveToStream(&none);
  EXPECT_EQ(none.GetSize(), 0);
}

TEST(Bitmap, DataPropertyIsSizeThenBmpAndReadsBackEqual) {
  TGraphicsHolder holder(nullptr);
  Paint(*holder.GetGlyph());
  std::vector<TColor> picture = Pixels(*holder.GetGlyph());
  std::string data = BinaryProperty(AsText(holder), "Glyph.Data");
  ASSERT_GT(data.size(), 4u);
  std::uint32_t size;
  std::memcpy(&size, data.data(), 4);
  EXPECT_EQ(size, data.size() - 4);
  EXPECT_EQ(data.substr(4, 2), "BM");
  TMemoryStream bmp;
  holder.GetGlyph()->SaveToStream(&bmp);
  EXPECT_EQ(data.substr(4), StreamText(bmp));

  TMemoryStream binary;
  WriteBinary(holder, binary);
  TGraphicsHolder copy(nullptr);
  ReadBack(binary, copy);
  EXPECT_EQ(Pixels(*copy.GetGlyph()), picture);
}

TEST(Bitmap, EmptyBitmapWritesNoData) {
  TGraphicsHolder holder(nullptr);
  EXPECT_EQ(AsText(holder).find("Glyph.Data"), std::string::npos);
}

TEST(Bitmap, DormantReleaseHandleAndFreeImageKeepThePicture) {
  TBitmap bitmap;
  Paint(bitmap);
  std::vector<TColor> picture = Pixels(bitmap);
  bitmap.Dormant();
  EXPECT_FALSE(bitmap.HandleAllocated());
  EXPECT_EQ(bitmap.GetWidth(), 8);
  EXPECT_EQ(Pixels(bitmap), picture);

  HBITMAP released = bitmap.ReleaseHandle();
  ASSERT_NE(released, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, released);
  EXPECT_EQ(GetPixel(dc, 0, 0), static_cast<COLORREF>(clRed));
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(released);
  EXPECT_EQ(Pixels(bitmap), picture);

  bitmap.FreeImage();
  EXPECT_EQ(Pixels(bitmap), picture);
}

TEST(Bitmap, ScanLineAddressesRowsFromTheTop) {
  TBitmap bitmap;
  Paint(bitmap);
  bitmap.SetPixelFormat(pf24bit);
  auto* row = static_cast<const BYTE*>(bitmap.GetScanLine(5));
  EXPECT_EQ(row[0], 0xFF);  // blue, green, red of the bottom-left clBlue
  EXPECT_EQ(row[1], 0);
  EXPECT_EQ(row[2], 0);
  EXPECT_THROW(bitmap.GetScanLine(6), EInvalidGraphicOperation);
}

TEST(Bitmap, SetHandleAdoptsAForeignBitmap) {
  HBITMAP foreign = CreateBitmap(5, 3, 1, 32, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, foreign);
  SetPixel(dc, 4, 2, RGB(9, 8, 7));
  SelectObject(dc, old);
  DeleteDC(dc);
  TBitmap bitmap;
  bitmap.SetHandle(foreign);
  EXPECT_EQ(bitmap.GetWidth(), 5);
  EXPECT_EQ(bitmap.GetHeight(), 3);
  EXPECT_EQ(At(bitmap, 4, 2), static_cast<TColor>(RGB(9, 8, 7)));
}

TEST(Bitmap, LoadsBitmapResourcesByNameAndNumber) {
  // A packed DIB: 2 x 1 pixels at 24 bits, bottom-up.
  static const unsigned char dib[] = {
      40,   0,    0,    0,    2,    0,    0, 0, 1, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0,
      8,    0,    0,    0,    0,    0,    0, 0, 0, 0, 0, 0, 0, 0, 0,  0, 0, 0, 0, 0,  // header
      0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0, 0,  // red, blue, padding
  };
  static const win::resource::Record records[] = {
      {2, nullptr, 0, "GRAPHICS_TEST_GLYPH", dib, sizeof dib},
      {2, nullptr, 77, nullptr, dib, sizeof dib},
  };
  win::resource::RegisterModule("graphics_test_module", false, records, 2);
  HINSTANCE module = win::resource::ModuleByName("graphics_test_module");
  ASSERT_NE(module, nullptr);

  TBitmap bitmap;
  bitmap.LoadFromResourceName(module, "graphics_test_glyph");
  EXPECT_EQ(bitmap.GetWidth(), 2);
  EXPECT_EQ(At(bitmap, 0, 0), clRed);
  EXPECT_EQ(At(bitmap, 1, 0), clBlue);
  TBitmap byId;
  byId.LoadFromResourceID(module, 77);
  EXPECT_EQ(At(byId, 1, 0), clBlue);
  EXPECT_THROW(bitmap.LoadFromResourceName(module, "MISSING"), EResNotFound);
}

TEST(Bitmap, PatternBrushTakesItsBitmap) {
  TBitmap pattern;
  Fill(pattern, 8, 8, clRed);
  for (int i = 0; i < 8; ++i) pattern.GetCanvas()->SetPixels(i, i, clBlue);
  TBitmap dest;
  Fill(dest, 16, 16, clWhite);
  dest.GetCanvas()->GetBrush()->SetBitmap(&pattern);
  dest.GetCanvas()->FillRect(Rect(0, 0, 16, 16));
  EXPECT_EQ(At(dest, 3, 3), clBlue);
  EXPECT_EQ(At(dest, 11, 11), clBlue);
  EXPECT_EQ(At(dest, 3, 4), clRed);
  dest.GetCanvas()->GetBrush()->SetBitmap(nullptr);
}
