// A button's glyph: a strip of NumGlyphs pictures, turned into one picture
// per button state on first use and kept in the process-wide glyph cache.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "controls/styled/styglyph/GlyphCache.h"
#include "platform/vcl/Graphics.h"

class TSty3DCaption;
class TStyGlyphTextLayout;

class TStyGlyph : public TObject {
  DRUMS_CLASS(TStyGlyph, TObject)
 public:
  TStyGlyph();
  ~TStyGlyph() override;

  TBitmap* GetBitmap() const { return FBitmap.get(); }
  // Copies the picture; a strip whose width is a multiple of its height
  // below 6 takes that many pictures.
  void SetBitmap(TBitmap* value);
  std::uint8_t GetNumGlyphs() const { return FNumGlyphs; }
  // 0 is ignored.
  void SetNumGlyphs(std::uint8_t value);
  TColor GetTransparentColor() const { return FTransparentColor; }
  // 0 normal; 1 grey: up shows a grey rendering, hot the coloured picture.
  std::uint8_t GetStyle() const { return FStyle; }
  void SetStyle(std::uint8_t value);
  TStyGlyphList* GetGlyphList() const { return FGlyphList; }

  // Drops the built pictures and gives the list back to the cache.
  void Invalidate();
  // Which picture of the strip (or which rendering of the first one) shows
  // a button state.
  int PictureIndex(int State) const;
  // The state's slot in the glyph list, built when needed; -1 without a
  // picture.
  int CreateButtonGlyph(int State);
  // The caption with the state's picture laid out by Layout in Rect; the
  // rectangle the flags ask for comes back.
  TRect Draw(TCanvas* Canvas, const std::string& Text, UINT Format, bool MultiLine, std::uint16_t EffectFlags,
             TStyGlyphTextLayout* Layout, int State, const TRect& Rect, TSty3DCaption* Caption);

  TNotifyEvent OnChange;

 private:
  void BitmapChanged(TObject* Sender);
  // The picture for Index into Dest, of the glyph size.
  void RenderPicture(int Index, int GlyphWidth, TBitmap* Dest);

  std::unique_ptr<TBitmap> FBitmap;
  std::array<int, 8> FSlots;
  TStyGlyphList* FGlyphList = nullptr;
  std::uint8_t FNumGlyphs = 1;
  TColor FTransparentColor = clOlive;
  std::uint8_t FStyle = 0;
};
