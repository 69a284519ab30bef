// Drawing helpers shared by the bitmap controls (wallpaper, the parent's
// background seen through a control, gradient bands, shadowed text) and the
// glyph engine that lays out and draws a button's picture and caption.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/vcl/Buttons.h"
#include "platform/vcl/Controls.h"
#include "platform/vcl/Graphics.h"
#include "platform/win/windows.h"

enum TShadowPosition { spLeftTop, spLeftBottom, spRightBottom, spRightTop };
DRUMS_ENUM_NAMES(TShadowPosition, "spLeftTop", "spLeftBottom", "spRightBottom", "spRightTop")

void DrawWallpaper(HDC dc, TBitmap* bitmap, const TRect& rect, DWORD rop, bool tile);
bool InvalidateArea(HWND window, const TRect& rect, bool erase);
// Paints the parent's background and its non-windowed children into dc,
// shifted so that they line up under the control.
void PaintParentBackground(TControl* control, HDC dc);
void PaintParentBackgroundRect(TControl* control, HDC dc, const TRect& rect);
void GradientFill(HDC dc, const TRect& rect, TColor startColor, bool horizontal, int Steps, TColor endColor);
TColor InverseColor(TColor color);
void DrawShadowText(HDC dc, const TRect& rect, TShadowPosition position, int size, TColor shadowColor, TColor textColor,
                    UINT format, const std::string& text);
TControl* ParentAtLevel(TControl* control, int level);

// One image list per image size; slots are reused instead of deleted.
class TGlyphList : public TImageList {
  DRUMS_CLASS(TGlyphList, TImageList)

 public:
  TGlyphList(int width, int height);
  int AllocateIndex();
  int AddMasked(TBitmap* image, TColor maskColor);
  void Delete(int index);
  int GetCount() const { return FCount; }

 private:
  std::vector<bool> FUsed;
  int FCount = 0;
};

class TGlyphCache : public TObject {
  DRUMS_CLASS(TGlyphCache, TObject)

 public:
  ~TGlyphCache() override;
  TGlyphList* GetList(int width, int height);
  void ReturnList(TGlyphList* list);
  bool Empty() const { return FLists.empty(); }

 private:
  std::vector<TGlyphList*> FLists;
};

// The process-wide cache, or none while no glyph exists.
TGlyphCache* GlyphCache();

class TGlyph : public TObject {
  DRUMS_CLASS(TGlyph, TObject)

 public:
  TGlyph();
  ~TGlyph() override;
  TBitmap* GetGlyph() { return FOriginal.get(); }
  void SetGlyph(TBitmap* value);
  int GetNumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int value);
  TColor GetTransparentColor() const { return FTransparentColor; }
  // The index of the state's image in the shared list (0 disabled, 1 enabled).
  int CreateStateImage(int state);
  TGlyphList* GetGlyphList() const { return FGlyphList; }
  void CalcLayout(TCanvas* canvas, const TRect& client, const TPoint& offset, const std::string& caption,
                  TButtonLayout layout, int margin, int spacing, TPoint& glyphPos, TRect& textBounds, UINT biDiFlags);
  void DrawGlyph(TCanvas* canvas, const TPoint& pos, int state, bool transparent, TColor color);
  void DrawCaption(TCanvas* canvas, const std::string& caption, UINT format, int shadowSize, TColor shadowColor,
                   TShadowPosition shadowPos, bool simpleView, bool enabled, const TRect& textBounds);
  TRect Draw(TCanvas* canvas, const TRect& client, const TPoint& offset, const std::string& caption,
             TButtonLayout layout, int margin, int spacing, bool enabled, bool transparent, TColor color, UINT format,
             int shadowSize, TColor shadowColor, TShadowPosition shadowPos, bool simpleView);
  // Layout and glyph only, for animation frames: the caption is measured
  // for the layout but not drawn.
  void DrawGlyphOnly(TCanvas* canvas, const TRect& client, const TPoint& offset, const std::string& caption,
                     TButtonLayout layout, int margin, int spacing, bool enabled, bool transparent, TColor color);
  TNotifyEvent OnChange;

 private:
  void GlyphChanged(TObject* sender);
  void Invalidate();

  std::unique_ptr<TBitmap> FOriginal;
  TGlyphList* FGlyphList = nullptr;
  int FIndexs[2] = {-1, -1};
  TColor FTransparentColor = clOlive;
  int FNumGlyphs = 1;
};
