// The styled buttons take an action's image as their glyph when they have
// none of their own; the speed button does not while an image list gives it
// its glyph.
#include <gtest/gtest.h>

#include "platform/vcl/ActnList.h"
#include "stybtn_fixture.h"

namespace styledtest {
namespace {

class ButtonActions : public Buttons {
 protected:
  void SetUp() override {
    Buttons::SetUp();
    images = new TImageList(form, 20, 12);
    Sheet picture(20, 12, clFuchsia);
    picture.Canvas()->GetBrush()->SetColor(clNavy);
    picture.Canvas()->FillRect(Rect(0, 0, 5, 3));
    images->AddMasked(picture.bitmap.get(), clFuchsia);
    list = new TActionList(form);
    list->SetImages(images);
    action = new TAction(form);
    action->SetActionList(list);
    action->SetCaption("Go");
    action->SetImageIndex(0);
  }

  // Whether the glyph is the action's image: navy in the corner, fuchsia
  // beyond it, at the list's size.
  static bool IsActionImage(TBitmap* glyph) {
    return !glyph->Empty() && glyph->GetWidth() == 20 && glyph->GetHeight() == 12 &&
           Rgb(glyph->GetCanvas()->GetPixels(0, 0)) == Rgb(clNavy) &&
           Rgb(glyph->GetCanvas()->GetPixels(19, 11)) == Rgb(clFuchsia);
  }

  TImageList* images = nullptr;
  TActionList* list = nullptr;
  TAction* action = nullptr;
};

TEST_F(ButtonActions, EveryKindTakesTheImageIntoAnEmptyGlyphAndKeepsItsOwn) {
  auto* speed = new TStyCustomSpeedButton(form);
  auto* office = new TStyOfficeButton(form);
  auto* push = new TStyButton(form);
  for (TControl* c : std::initializer_list<TControl*>{speed, office, push}) c->SetParent(form);
  speed->SetAction(action);
  office->SetAction(action);
  push->SetAction(action);
  EXPECT_TRUE(IsActionImage(speed->GetGlyph()));
  EXPECT_TRUE(IsActionImage(office->GetGlyph()));
  EXPECT_TRUE(IsActionImage(push->GetGlyph()));
  EXPECT_EQ(push->GetCaption(), "Go") << "the class library's handling ran first";

  // A glyph of the button's own survives a later change of the action.
  Sheet own(8, 8, clLime);
  auto* keeper = new TStyButton(form);
  keeper->SetParent(form);
  keeper->SetGlyph(own.bitmap.get());
  keeper->SetAction(action);
  action->SetImageIndex(-1);
  EXPECT_EQ(keeper->GetGlyph()->GetWidth(), 8);
  EXPECT_EQ(Rgb(keeper->GetGlyph()->GetCanvas()->GetPixels(0, 0)), Rgb(clLime));
}

TEST_F(ButtonActions, ASpeedButtonWithAnImageListIgnoresTheActionsImage) {
  auto* speed = new TStyCustomSpeedButton(form);
  speed->SetParent(form);
  speed->SetImageList(new TStyBitmapList(form));
  speed->SetAction(action);
  EXPECT_FALSE(IsActionImage(speed->GetGlyph()));
}

}  // namespace
}  // namespace styledtest
