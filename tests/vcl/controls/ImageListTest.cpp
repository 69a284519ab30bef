#include <gtest/gtest.h>

#include <memory>

#include "platform/vcl/Controls.h"
#include "platform/vcl/SysUtils.h"
#include "platform/win/windows.h"

namespace {

// A 4 x 4 picture on a fuchsia key: a dark blue 2 x 2 square at (1, 1).
std::unique_ptr<TBitmap> Picture(TColor square = clNavy) {
  auto b = std::make_unique<TBitmap>();
  b->SetSize(4, 4);
  b->GetCanvas()->GetBrush()->SetColor(clFuchsia);
  b->GetCanvas()->FillRect(Rect(0, 0, 4, 4));
  b->GetCanvas()->GetBrush()->SetColor(square);
  b->GetCanvas()->FillRect(Rect(1, 1, 3, 3));
  return b;
}

std::unique_ptr<TBitmap> Target() {
  auto t = std::make_unique<TBitmap>();
  t->SetSize(10, 10);
  t->GetCanvas()->GetBrush()->SetColor(clLime);
  t->GetCanvas()->FillRect(Rect(0, 0, 10, 10));
  return t;
}

TEST(ImageList, AddMaskedDrawsOnlyTheUnmaskedPixels) {
  TImageList list(nullptr, 4, 4);
  auto pic = Picture();
  EXPECT_EQ(list.AddMasked(pic.get(), clFuchsia), 0);
  EXPECT_EQ(list.GetCount(), 1);
  auto target = Target();
  list.Draw(target->GetCanvas(), 3, 3, 0);
  TCanvas* c = target->GetCanvas();
  EXPECT_EQ(c->GetPixels(4, 4), clNavy);
  EXPECT_EQ(c->GetPixels(5, 5), clNavy);
  EXPECT_EQ(c->GetPixels(3, 3), clLime);  // key colour: see-through
  EXPECT_EQ(c->GetPixels(6, 6), clLime);
  EXPECT_EQ(c->GetPixels(2, 2), clLime);  // outside

  // The stored picture has black where the key colour was.
  TBitmap copy;
  list.GetBitmap(0, &copy);
  EXPECT_EQ(copy.GetCanvas()->GetPixels(0, 0), clBlack);
  EXPECT_EQ(copy.GetCanvas()->GetPixels(1, 1), clNavy);
}

TEST(ImageList, BackgroundColourAndStyleDecideTheMaskedPart) {
  struct Case {
    const char* name;
    TColor bkColor;
    TDrawingStyle style;
    bool masked;
    TColor corner;  // what (0, 0) of the picture shows
  };
  const Case cases[] = {
      {"no background", clNone, dsNormal, true, clLime},
      {"background", clYellow, dsNormal, true, clYellow},
      {"transparent style wins", clYellow, dsTransparent, true, clLime},
      {"unmasked list is opaque", clNone, dsNormal, false, clBlack},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    TImageList list(nullptr, 4, 4);
    list.AddMasked(Picture().get(), clFuchsia);
    list.SetBkColor(k.bkColor);
    list.SetMasked(k.masked);
    auto target = Target();
    list.Draw(target->GetCanvas(), 0, 0, 0, k.style, itImage);
    EXPECT_EQ(target->GetCanvas()->GetPixels(0, 0), k.corner);
    EXPECT_EQ(target->GetCanvas()->GetPixels(1, 1), clNavy);
  }
}

TEST(ImageList, MaskImageTypeAndSelectedBlend) {
  TImageList list(nullptr, 4, 4);
  list.AddMasked(Picture(clWhite).get(), clFuchsia);
  auto target = Target();
  list.Draw(target->GetCanvas(), 0, 0, 0, dsNormal, itMask);
  EXPECT_EQ(target->GetCanvas()->GetPixels(0, 0), clWhite);
  EXPECT_EQ(target->GetCanvas()->GetPixels(1, 1), clBlack);

  // Selected: half the picture, half the blend colour (here the destination).
  target = Target();
  list.Draw(target->GetCanvas(), 0, 0, 0, dsSelected, itImage);
  COLORREF mixed = ColorToRGB(target->GetCanvas()->GetPixels(1, 1));
  EXPECT_NEAR(GetRValue(mixed), 127, 2);
  EXPECT_EQ(GetGValue(mixed), 255);
  EXPECT_EQ(target->GetCanvas()->GetPixels(0, 0), clLime);
}

TEST(ImageList, DisabledDrawingGreysThePicture) {
  TImageList list(nullptr, 4, 4);
  list.AddMasked(Picture().get(), clFuchsia);
  auto target = Target();
  list.Draw(target->GetCanvas(), 0, 0, 0, false);
  EXPECT_EQ(ColorToRGB(target->GetCanvas()->GetPixels(1, 1)), ColorToRGB(clBtnShadow));
  EXPECT_EQ(target->GetCanvas()->GetPixels(0, 0), clLime);
}

TEST(ImageList, StripsAddOnePicturePerWidthAndIndexesAreChecked) {
  TImageList list(nullptr, 4, 4);
  TBitmap strip;
  strip.SetSize(8, 4);
  strip.GetCanvas()->GetBrush()->SetColor(clRed);
  strip.GetCanvas()->FillRect(Rect(0, 0, 4, 4));
  strip.GetCanvas()->GetBrush()->SetColor(clBlue);
  strip.GetCanvas()->FillRect(Rect(4, 0, 8, 4));
  EXPECT_EQ(list.Add(&strip, nullptr), 0);
  ASSERT_EQ(list.GetCount(), 2);
  auto target = Target();
  list.Draw(target->GetCanvas(), 0, 0, 1);
  EXPECT_EQ(target->GetCanvas()->GetPixels(2, 2), clBlue);

  list.Delete(0);
  EXPECT_EQ(list.GetCount(), 1);
  EXPECT_THROW(list.Delete(5), EInvalidOperation);
  list.Draw(target->GetCanvas(), 0, 0, 9);  // an unknown picture draws nothing
  list.Replace(0, Picture().get(), nullptr);
  target = Target();
  list.Draw(target->GetCanvas(), 0, 0, 0);
  EXPECT_EQ(target->GetCanvas()->GetPixels(0, 0), clFuchsia);  // no mask: all opaque
}

TEST(ImageList, ChangeLinksHearEveryChangeUntilUnregistered) {
  auto list = std::make_unique<TImageList>(nullptr, 4, 4);
  int heard = 0;
  TObject* sender = nullptr;
  TChangeLink link;
  link.OnChange = [&](TObject* s) {
    heard++;
    sender = s;
  };
  list->RegisterChanges(&link);
  list->AddMasked(Picture().get(), clFuchsia);
  EXPECT_EQ(heard, 1);
  EXPECT_EQ(sender, list.get());
  list->SetBkColor(list->GetBkColor());  // unchanged: silent
  EXPECT_EQ(heard, 1);
  list->UnRegisterChanges(&link);
  list->Clear();
  EXPECT_EQ(heard, 1);
  // A link outliving its list forgets it.
  list->RegisterChanges(&link);
  list.reset();
  EXPECT_EQ(link.GetSender(), nullptr);
}

}  // namespace
