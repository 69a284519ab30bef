#include "controls/styled/styglyph/Glyph.h"

#include "controls/styled/styprocs/GlyphEffects.h"
#include "controls/styled/styprocs/GlyphText.h"

namespace {

// A strip of square pictures holds at most five (up, disabled, hot, latched,
// held); a longer one is taken as one wide picture.
constexpr int kMostPicturesInAStrip = 5;
enum : int { kUpPicture, kDisabledPicture, kHotPicture, kLatchedPicture, kHeldPicture };

}  // namespace

TStyGlyph::TStyGlyph() : FBitmap(std::make_unique<TBitmap>()) {
  FSlots.fill(-1);
  FBitmap->OnChange = [this](TObject* Sender) { BitmapChanged(Sender); };
  StyGlyphCacheNeeded();
}

TStyGlyph::~TStyGlyph() {
  FBitmap->OnChange = nullptr;
  Invalidate();
  FBitmap.reset();
  StyGlyphCacheRelease();
}

void TStyGlyph::SetBitmap(TBitmap* value) {
  Invalidate();
  // The count of the new strip comes first: the copy's change may repaint
  // the button at once, which builds its pictures at the glyph width.
  if (value != nullptr && value->GetHeight() > 0) {
    const int w = value->GetWidth(), h = value->GetHeight();
    const int pictures = w / h;
    // A strip of no full picture counts as one, so that the glyph width
    // never divides by zero.
    if (w % h == 0)
      FNumGlyphs = static_cast<std::uint8_t>(pictures >= 1 && pictures <= kMostPicturesInAStrip ? pictures : 1);
  }
  FBitmap->Assign(value);
  if (value == nullptr || value->GetHeight() <= 0) return;
  FTransparentColor = value->GetTransparentColor();
}

void TStyGlyph::SetNumGlyphs(std::uint8_t value) {
  if (value == 0 || value == FNumGlyphs) return;
  Invalidate();
  FNumGlyphs = value;
}

void TStyGlyph::SetStyle(std::uint8_t value) {
  if (value == FStyle) return;
  Invalidate();
  FStyle = value;
}

void TStyGlyph::Invalidate() {
  for (int& slot : FSlots) {
    if (slot != -1 && FGlyphList != nullptr) FGlyphList->ReleaseGlyph(slot);
    slot = -1;
  }
  if (FGlyphList != nullptr && StyGlyphCache() != nullptr) StyGlyphCache()->ReturnList(FGlyphList);
  FGlyphList = nullptr;
}

void TStyGlyph::BitmapChanged(TObject*) {
  FTransparentColor = FBitmap->GetTransparentColor();
  Invalidate();
  if (OnChange) OnChange(this);
}

int TStyGlyph::PictureIndex(int State) const {
  if (State < 0 || State >= static_cast<int>(FSlots.size())) State = 0;
  if (State == 1 || State == 7) return kDisabledPicture;
  if (State < FNumGlyphs) return State;
  if (FStyle == 0) return kUpPicture;
  return State == 6 ? kHeldPicture : kHotPicture;
}

void TStyGlyph::RenderPicture(int Index, int GlyphWidth, TBitmap* Dest) {
  const int h = FBitmap->GetHeight();
  const bool inStrip = Index < FNumGlyphs;
  const bool grey = Index == kUpPicture && FStyle == 1;
  const bool rendered = grey || (Index == kDisabledPicture && !inStrip);
  const int picture = (rendered || !inStrip) ? 0 : Index;
  TBitmap source;
  TBitmap* cut = rendered ? &source : Dest;
  cut->SetPixelFormat(pf32bit);
  cut->SetSize(GlyphWidth, h);
  cut->GetCanvas()->SetCopyMode(cmSrcCopy);
  cut->GetCanvas()->CopyRect(TRect(0, 0, GlyphWidth, h), FBitmap->GetCanvas(),
                             TRect(picture * GlyphWidth, 0, (picture + 1) * GlyphWidth, h));
  if (grey)
    MakeDisabledGlyph(Dest, &source);
  else if (rendered)
    MakeEmbossedGlyph(Dest, &source, 0, 0);
}

int TStyGlyph::CreateButtonGlyph(int State) {
  const int index = PictureIndex(State);
  int& slot = FSlots[static_cast<size_t>(index)];
  if (slot != -1) return slot;
  if (FBitmap->Empty()) return -1;
  const int glyphWidth = FBitmap->GetWidth() / FNumGlyphs;
  // NumGlyphs set past the bitmap's width leaves no picture to show.
  if (glyphWidth < 1) return -1;
  if (FGlyphList == nullptr) FGlyphList = StyGlyphCacheNeeded()->GetList(glyphWidth, FBitmap->GetHeight());
  TBitmap picture;
  RenderPicture(index, glyphWidth, &picture);
  slot = FGlyphList->AddGlyph(&picture, FTransparentColor);
  return slot;
}

TRect TStyGlyph::Draw(TCanvas* Canvas, const std::string& Text, UINT Format, bool MultiLine, std::uint16_t EffectFlags,
                      TStyGlyphTextLayout* Layout, int State, const TRect& Rect, TSty3DCaption* Caption) {
  const int slot = CreateButtonGlyph(State);
  TRect glyphRect;
  if (slot == -1) {
    DrawGlyphText(Canvas, Text, Caption, Rect, nullptr, glyphRect, nullptr, FTransparentColor, Layout, MultiLine, true,
                  true, EffectFlags, Format);
  } else {
    glyphRect = FGlyphList->GetImageRect(slot);
    DrawGlyphText(Canvas, Text, Caption, Rect, FGlyphList->GetImageStrip()->GetCanvas(), glyphRect,
                  FGlyphList->GetMaskStrip()->GetCanvas(), FTransparentColor, Layout, MultiLine, true, true,
                  EffectFlags, Format);
  }
  return glyphRect;
}
