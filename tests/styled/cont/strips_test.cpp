// Image strips: growth by AllocBy, the 32768-pixel cap, size checks, masks
// and masked drawing, copying, the strip record and damaged strip records.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controls/styled/stycont.h"
#include "platform/vcl/Classes.h"
#include "platform/vcl/SysUtils.h"
#include "styled/shared/fixture.h"
#include "styled/cont/item_record.h"

namespace {
using stycont_test::ItemRecord;

using Bytes = std::vector<std::uint8_t>;
using styledtest::Sheet;
using styledtest::StyledProcs;

void ExpectGraphicError(const std::function<void()>& action, const std::string& message) {
  try {
    action();
    ADD_FAILURE() << "no exception, expected " << message;
  } catch (const EInvalidGraphicOperation& e) {
    EXPECT_EQ(e.GetMessage(), message);
  }
}

TEST_F(StyledProcs, StripGrowsByAllocByUpToItsCap) {
  auto strip = TStyImageListItem::CreateSize(16, 16);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(strip->Add(nullptr, nullptr), i);
  EXPECT_EQ(strip->GetImageStrip()->GetWidth(), 64);
  EXPECT_EQ(strip->Add(nullptr, nullptr), 4);
  EXPECT_EQ(strip->GetImageStrip()->GetWidth(), 128);

  strip->SetMasked(true);
  while (strip->GetCount() < 2048) strip->AddSlot();
  EXPECT_EQ(strip->GetImageStrip()->GetWidth(), 32768);
  ExpectGraphicError([&] { strip->Add(nullptr, nullptr); }, "Too many images");
  EXPECT_EQ(strip->GetCount(), 2048);
  EXPECT_EQ(strip->GetUsedWidth(), 32768);
  EXPECT_EQ(strip->GetMaskStrip()->GetWidth(), 32768);
  EXPECT_EQ(strip->GetImageRect(2047), TRect(32752, 0, 32768, 16));

  // A step that would pass the cap stops at it while an image still fits.
  auto wide = TStyImageListItem::CreateSize(100, 2);
  wide->SetAllocBy(100);
  for (int i = 0; i < 327; ++i) wide->AddSlot();
  EXPECT_EQ(wide->GetImageStrip()->GetWidth(), 32768);
  ExpectGraphicError([&] { wide->AddSlot(); }, "Too many images");
  EXPECT_EQ(wide->GetCount(), 327);

  // An AllocBy below 1 grows one image at a time.
  auto single = TStyImageListItem::CreateSize(8, 8);
  single->SetAllocBy(0);
  single->AddSlot();
  single->AddSlot();
  EXPECT_EQ(single->GetImageStrip()->GetWidth(), 16);

  ExpectGraphicError([] { TStyImageListItem::CreateSize(0, 16); }, "Invalid image size");
  ExpectGraphicError([] { TStyImageListItem::CreateSize(16, -1); }, "Invalid image size");
}

TEST_F(StyledProcs, StripTakesTheLeftPartOfWiderBitmapsAndRefusesOtherSizes) {
  auto strip = TStyImageListItem::CreateSize(16, 16);
  Sheet wide(32, 16, clBlue);
  wide.Canvas()->GetBrush()->SetColor(clRed);
  wide.Canvas()->FillRect(TRect(0, 0, 16, 16));
  EXPECT_EQ(strip->Add(wide.bitmap.get(), nullptr), 0);
  EXPECT_EQ(strip->Pixel(TPoint(15, 0), 0) & 0xFFFFFF, clRed);
  Sheet lower(16, 15, clRed);
  ExpectGraphicError([&] { strip->Add(lower.bitmap.get(), nullptr); }, "Invalid image size");
  EXPECT_EQ(strip->GetCount(), 1);
  EXPECT_THROW(strip->Replace(1, wide.bitmap.get(), nullptr), EListError);
  EXPECT_THROW(strip->Pixel(TPoint(0, 0), -1), EListError);

  // Pixels and transparent colours by image.
  for (TColor c : {clLime, clYellow}) {
    Sheet face(16, 16, c);
    face.Canvas()->SetPixels(0, 15, clNavy);
    strip->Add(face.bitmap.get(), nullptr);
  }
  EXPECT_EQ(strip->Pixel(TPoint(0, 0), 2) & 0xFFFFFF, clYellow);
  EXPECT_EQ(strip->TransparentColor(2) & 0xFFFFFF, clNavy);
  Sheet copy(1, 1);
  strip->GetImage(1, copy.bitmap.get());
  EXPECT_EQ(copy.bitmap->GetWidth(), 16);
  EXPECT_EQ(copy.At(5, 5), clLime);

  int changes = 0;
  strip->OnChange = [&](TObject*) { ++changes; };
  strip->SetWidth(8);
  EXPECT_EQ(strip->GetCount(), 0);
  EXPECT_EQ(changes, 1);
  strip->SetWidth(8);
  strip->SetWidth(0);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(strip->GetWidth(), 8);
}

// An image whose left half is opaque green and right half transparent
// (the transparent colour fuchsia).
std::unique_ptr<Sheet> HalfGreen() {
  auto face = std::make_unique<Sheet>(8, 8, clFuchsia);
  face->Canvas()->GetBrush()->SetColor(clGreen);
  face->Canvas()->FillRect(TRect(0, 0, 4, 8));
  return face;
}

TEST_F(StyledProcs, MaskedImageKeepsTheBackgroundUnderItsTransparentPixels) {
  auto strip = TStyImageListItem::CreateSize(8, 8);
  strip->SetMasked(true);
  strip->AddSlot();
  auto face = HalfGreen();
  strip->ReplaceMasked(0, face->bitmap.get(), clFuchsia);

  Sheet target(20, 10, clRed);
  strip->DrawImage(target.Canvas(), 2, 1, 0);
  EXPECT_EQ(target.At(2, 1), clGreen);
  EXPECT_EQ(target.At(5, 8), clGreen);
  EXPECT_EQ(target.At(6, 1), clRed);
  EXPECT_EQ(target.At(9, 8), clRed);
  EXPECT_EQ(target.At(10, 1), clRed);
  EXPECT_EQ(target.Canvas()->GetCopyMode(), cmSrcCopy);
  styledtest::SavePicture(target.bitmap.get(), "masked-strip.png");

  TStyImageList list(nullptr);
  list.AddItem(nullptr);
  list.GetStripItem(0)->Assign(strip.get());
  EXPECT_TRUE(list.IsMasked(0));
  EXPECT_EQ(list.GetImageCount(0), 1);
  Sheet rect(8, 8, clRed);
  TRect painted;
  list.DrawInRect(rect.Canvas(), TRect(0, 0, 8, 8), 0, 0, 0, painted);
  EXPECT_EQ(rect.At(1, 1), clGreen);
  EXPECT_EQ(rect.At(6, 6), clRed);
  Sheet flagged(8, 8, clRed);
  list.DrawFlagged(flagged.Canvas(), TRect(0, 0, 8, 8), dfClip, PackOrigin(0, 0), clNone, 0, 0);
  EXPECT_EQ(flagged.At(1, 1), clGreen);
  EXPECT_EQ(flagged.At(6, 6), clRed);

  // A strip without masks draws its pixels as they are, or with its
  // bottom-left pixel as the transparent colour.
  auto plain = TStyImageListItem::CreateSize(8, 8);
  plain->Add(face->bitmap.get(), nullptr);
  Sheet over(8, 8, clRed);
  plain->DrawImage(over.Canvas(), 0, 0, 0);
  EXPECT_EQ(over.At(6, 6), clFuchsia);
  Sheet keyed(8, 8, clRed);
  face->Canvas()->SetPixels(0, 7, clFuchsia);
  plain->Replace(0, face->bitmap.get(), nullptr);
  plain->DrawImageInRect(keyed.Canvas(), TRect(0, 0, 8, 8), dfTransparent, 0, painted);
  EXPECT_EQ(keyed.At(6, 6), clRed);
  EXPECT_EQ(keyed.At(1, 1), clGreen);
}

TEST_F(StyledProcs, AppendAndAssignCopyImagesAndMasks) {
  auto source = TStyImageListItem::CreateSize(8, 8);
  source->SetMasked(true);
  source->SetIdent(7);
  auto face = HalfGreen();
  source->AddSlot();
  source->ReplaceMasked(0, face->bitmap.get(), clFuchsia);
  Sheet blue(8, 8, clBlue);
  source->Add(blue.bitmap.get(), nullptr);

  auto target = TStyImageListItem::CreateSize(8, 8);
  target->SetMasked(true);
  target->AddSlot();
  target->AppendImagesFrom(source.get());
  ASSERT_EQ(target->GetCount(), 3);
  EXPECT_EQ(target->GetImageRect(2), TRect(16, 0, 24, 8));
  Sheet drawn(8, 8, clRed);
  target->DrawImage(drawn.Canvas(), 0, 0, 1);
  EXPECT_EQ(drawn.At(1, 1), clGreen);
  EXPECT_EQ(drawn.At(6, 6), clRed);
  target->DrawImage(drawn.Canvas(), 0, 0, 2);
  EXPECT_EQ(drawn.At(6, 6), clBlue);

  auto other = TStyImageListItem::CreateSize(8, 9);
  ExpectGraphicError([&] { target->AppendImagesFrom(other.get()); }, "Invalid image size");
  other->Assign(source.get());
  EXPECT_EQ(other->GetHeight(), 8);
  EXPECT_EQ(other->GetIdent(), 7);
  EXPECT_EQ(other->GetCount(), 2);
  EXPECT_TRUE(other->GetMasked());
}

TEST_F(StyledProcs, StripRecordDropsSpareRoomAndReadsBack) {
  for (bool compressed : {false, true}) {
    SCOPED_TRACE(compressed);
    auto strip = TStyImageListItem::CreateSize(16, 4);
    strip->SetMasked(true);
    strip->SetCompressed(compressed);
    strip->SetPixelFormat(spf8bit);
    const TColor colours[] = {clRed, clLime, clBlue};
    for (TColor c : colours) {
      Sheet face(16, 4, c);
      face.Canvas()->SetPixels(0, 3, clFuchsia);
      strip->AddSlot();
      strip->ReplaceMasked(strip->GetCount() - 1, face.bitmap.get(), clFuchsia);
    }
    EXPECT_EQ(strip->GetImageStrip()->GetWidth(), 64);
    const Bytes bytes = ItemRecord(*strip);
    EXPECT_EQ(strip->GetImageStrip()->GetWidth(), 48);
    ASSERT_GE(bytes.size(), 18u);
    EXPECT_EQ(bytes[0], 0x40 | (compressed ? 0x01 : 0x00));
    EXPECT_EQ(Bytes(bytes.begin() + 1, bytes.begin() + 18),
              (Bytes{4, 0, 0, 0, 16, 0, 0, 0, 4, 0, 0, 0, 1, 3, 0, 0, 0}));

    TStyImageListItem back(nullptr);
    TMemoryStream s;
    s.WriteBuffer(bytes.data(), int(bytes.size()));
    s.SetPosition(0);
    back.ReadData(&s);
    EXPECT_EQ(s.GetPosition(), s.GetSize());
    EXPECT_EQ(back.GetCount(), 3);
    EXPECT_EQ(back.GetWidth(), 16);
    EXPECT_EQ(back.GetHeight(), 4);
    EXPECT_TRUE(back.GetMasked());
    EXPECT_EQ(back.GetPixelFormat(), spf8bit);
    EXPECT_EQ(back.GetUsedWidth(), 48);
    for (int i = 0; i < 3; ++i) {
      Sheet target(16, 4, clWhite);
      back.DrawImage(target.Canvas(), 0, 0, i);
      EXPECT_EQ(target.At(5, 1), colours[i]);
      EXPECT_EQ(target.At(0, 3), clWhite);
    }
  }
}

// A form root holding an image list.
class TStripOwner : public TComponent {
  DRUMS_CLASS(TStripOwner, TComponent)
 public:
  explicit TStripOwner(TComponent* AOwner) : TComponent(AOwner) {}
};

TEST_F(StyledProcs, ImageListStreamsItsStripsInForms) {
  TStripOwner root(nullptr);
  root.SetName("Owner");
  auto* list = new TStyImageList(&root);
  list->SetName("Glyphs");
  list->SetDefaultCompressed(true);
  auto* strip = list->GetStripItem(list->AddItem(nullptr));
  strip->SetWidth(4);
  strip->SetHeight(3);
  strip->SetAllocBy(2);
  strip->SetMasked(true);
  strip->SetDescription("arrows");
  Sheet face(4, 3, clMaroon);
  strip->Add(face.bitmap.get(), nullptr);
  strip->Add(face.bitmap.get(), nullptr);

  TMemoryStream binary;
  WriteComponent(&binary, &root);
  binary.SetPosition(0);
  TStringStream text;
  ObjectBinaryToText(&binary, &text);
  const std::string form = text.GetDataString();
  for (const char* line : {"DefaultCompressed = True", "object TStyImageListItem", "AllocBy = 2", "Masked = True",
                           "Height = 3", "Width = 4", "Internal = {"})
    EXPECT_NE(form.find(line), std::string::npos) << line << "\n" << form;
  EXPECT_EQ(form.find("Bitmap = "), std::string::npos) << form;

  binary.SetPosition(0);
  TStripOwner copy(nullptr);
  ReadComponent(&binary, &copy);
  auto* glyphs = dynamic_cast<TStyImageList*>(copy.FindComponent("Glyphs"));
  ASSERT_NE(glyphs, nullptr);
  ASSERT_EQ(glyphs->GetCount(), 1);
  EXPECT_EQ(glyphs->GetImageCount(0), 2);
  EXPECT_EQ(glyphs->GetImageSize(0, 0), 4);
  EXPECT_TRUE(glyphs->IsMasked(0));
  EXPECT_EQ(glyphs->GetPixel(TPoint(1, 1), 0, 1) & 0xFFFFFF, clMaroon);
  EXPECT_EQ(glyphs->GetStripItem(0)->GetDescription(), "arrows");
}

// Older forms hold a strip's images in the property "Bitmap": the image
// count and the payloads, in the item's current size.
TEST_F(StyledProcs, OlderBitmapPropertyStillReads) {
  Sheet images(32, 16, clTeal);
  TMemoryStream data;
  WriteInt32(&data, 2);
  WriteBitmapPayload(&data, images.bitmap.get(), false, -1);
  std::string hex;
  const auto* p = static_cast<const std::uint8_t*>(data.GetMemory());
  for (std::int64_t i = 0; i < data.GetSize(); ++i) {
    static const char digits[] = "0123456789ABCDEF";
    hex += digits[p[i] >> 4];
    hex += digits[p[i] & 15];
  }
  TStringStream form(
      "object Owner: TStripOwner\r\n  object Glyphs: TStyImageList\r\n"
      "    object TStyImageListItem\r\n      Bitmap = {\r\n        " +
      hex + "}\r\n    end\r\n  end\r\nend\r\n");
  TMemoryStream binary;
  ObjectTextToBinary(&form, &binary);
  binary.SetPosition(0);
  TStripOwner root(nullptr);
  ReadComponent(&binary, &root);
  auto* glyphs = dynamic_cast<TStyImageList*>(root.FindComponent("Glyphs"));
  ASSERT_NE(glyphs, nullptr);
  EXPECT_EQ(glyphs->GetImageCount(0), 2);
  EXPECT_EQ(glyphs->GetPixel(TPoint(3, 3), 0, 1) & 0xFFFFFF, clTeal);
}

Bytes StripRecord(std::int32_t height, std::int32_t width, std::int32_t allocBy, std::uint8_t masked,
                  std::int32_t count) {
  Bytes b{0x00};
  for (std::int32_t v : {height, width, allocBy}) {
    for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(std::uint32_t(v) >> (8 * i)));
  }
  b.push_back(masked);
  for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(std::uint32_t(count) >> (8 * i)));
  return b;
}

void AppendPayload(Bytes& b, TBitmap* bitmap, int colours) {
  TMemoryStream s;
  WriteBitmapPayload(&s, bitmap, false, colours);
  const auto* p = static_cast<const std::uint8_t*>(s.GetMemory());
  b.insert(b.end(), p, p + s.GetSize());
}

TEST_F(StyledProcs, DamagedStripRecordsAreReadErrorsAndLeaveTheStrip) {
  Sheet narrow(16, 4, clRed);
  Sheet tall(32, 5, clRed);
  Sheet mask(16, 5, clWhite);
  struct Case {
    const char* name;
    Bytes bytes;
  };
  Bytes tooNarrow = StripRecord(4, 16, 4, 0, 2);
  AppendPayload(tooNarrow, narrow.bitmap.get(), -1);
  Bytes wrongHeight = StripRecord(4, 16, 4, 0, 1);
  AppendPayload(wrongHeight, tall.bitmap.get(), -1);
  Bytes maskOtherSize = StripRecord(5, 16, 4, 1, 2);
  AppendPayload(maskOtherSize, tall.bitmap.get(), -1);
  AppendPayload(maskOtherSize, mask.bitmap.get(), 2);
  Bytes noMask = StripRecord(5, 16, 4, 1, 2);
  AppendPayload(noMask, tall.bitmap.get(), -1);
  Bytes cutCount = StripRecord(4, 16, 4, 0, 0);
  cutCount.erase(cutCount.end() - 2, cutCount.end());
  const Case cases[] = {
      {"width 0", StripRecord(4, 0, 4, 0, 0)},
      {"height -3", StripRecord(-3, 16, 4, 0, 0)},
      {"AllocBy 0", StripRecord(4, 16, 0, 0, 0)},
      {"negative count", StripRecord(4, 16, 4, 0, -1)},
      {"count past the cap", StripRecord(4, 16, 4, 0, 2049)},
      {"strip narrower than its images", tooNarrow},
      {"strip of another height", wrongHeight},
      {"mask of another size", maskOtherSize},
      {"mask missing", noMask},
      {"count cut short", cutCount},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto strip = TStyImageListItem::CreateSize(8, 8);
    strip->AddSlot();
    TMemoryStream s;
    s.WriteBuffer(c.bytes.data(), int(c.bytes.size()));
    s.SetPosition(0);
    EXPECT_THROW(strip->ReadData(&s), EReadError);
    EXPECT_EQ(strip->GetWidth(), 8);
    EXPECT_EQ(strip->GetCount(), 1);
    strip->AddSlot();
    EXPECT_EQ(strip->GetCount(), 2);
  }
}

}  // namespace
