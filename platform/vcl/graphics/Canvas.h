// TCanvas: drawing on a device context with a pen, a brush and a font that
// are selected into the context only when a drawing call needs them, and
// selected again after they change. The owner gives the context (Handle) or a
// subclass makes its own in CreateHandle.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/vcl/classes/components/Persistent.h"
#include "platform/vcl/classes/typeinfo/Set.h"
#include "platform/vcl/graphics/Brush.h"
#include "platform/vcl/graphics/Font.h"
#include "platform/vcl/graphics/Geometry.h"
#include "platform/vcl/graphics/Pen.h"
#include "platform/win/winbase.h"

class TGraphic;

// Ternary raster operations for CopyRect and Draw.
using TCopyMode = long;
constexpr TCopyMode cmBlackness = BLACKNESS;
constexpr TCopyMode cmDstInvert = DSTINVERT;
constexpr TCopyMode cmMergeCopy = MERGECOPY;
constexpr TCopyMode cmMergePaint = MERGEPAINT;
constexpr TCopyMode cmNotSrcCopy = NOTSRCCOPY;
constexpr TCopyMode cmNotSrcErase = NOTSRCERASE;
constexpr TCopyMode cmPatCopy = PATCOPY;
constexpr TCopyMode cmPatInvert = PATINVERT;
constexpr TCopyMode cmPatPaint = PATPAINT;
constexpr TCopyMode cmSrcAnd = SRCAND;
constexpr TCopyMode cmSrcCopy = SRCCOPY;
constexpr TCopyMode cmSrcErase = SRCERASE;
constexpr TCopyMode cmSrcInvert = SRCINVERT;
constexpr TCopyMode cmSrcPaint = SRCPAINT;
constexpr TCopyMode cmWhiteness = WHITENESS;

enum TFillStyle { fsSurface, fsBorder };

enum TCanvasStates { csHandleValid, csFontValid, csPenValid, csBrushValid };
using TCanvasState = TSet<TCanvasStates>;

class TCanvas : public TPersistent {
  DRUMS_CLASS(TCanvas, TPersistent)

 public:
  TCanvas();
  ~TCanvas() override;

  // The device context with pen, brush and font selected; counts as the
  // start of a change (OnChanging), since the caller may draw on it. Setting
  // another context deselects the objects from the old one.
  HDC GetHandle();
  void SetHandle(HDC value);
  bool HandleAllocated() const { return FHandle != nullptr; }

  TFont* GetFont() const { return FFont.get(); }
  void SetFont(TFont* value) { FFont->Assign(value); }
  TPen* GetPen() const { return FPen.get(); }
  void SetPen(TPen* value) { FPen->Assign(value); }
  TBrush* GetBrush() const { return FBrush.get(); }
  void SetBrush(TBrush* value) { FBrush->Assign(value); }
  TCopyMode GetCopyMode() const { return FCopyMode; }
  void SetCopyMode(TCopyMode value) { FCopyMode = value; }
  // ExtTextOut options TextOut passes (ETO_OPAQUE, ETO_CLIPPED...).
  int GetTextFlags() const { return FTextFlags; }
  void SetTextFlags(int value) { FTextFlags = value; }

  TColor GetPixels(int x, int y);
  void SetPixels(int x, int y, TColor value);
  TPoint GetPenPos();
  void SetPenPos(TPoint value) { MoveTo(value.X, value.Y); }
  TRect GetClipRect();

  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void Polyline(const std::vector<TPoint>& points);
  void Polygon(const std::vector<TPoint>& points);
  void PolyBezier(const std::vector<TPoint>& points);
  void Rectangle(int x1, int y1, int x2, int y2);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
  void Ellipse(int x1, int y1, int x2, int y2);
  void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void FillRect(const TRect& r);
  void FrameRect(const TRect& r);
  void DrawFocusRect(const TRect& r);
  void FloodFill(int x, int y, TColor color, TFillStyle fillStyle);

  void TextOut(int x, int y, const std::string& text);
  // Text clipped to r; the rectangle is filled first unless the brush is clear.
  void TextRect(const TRect& r, int x, int y, const std::string& text);
  TSize TextExtent(const std::string& text);
  int TextWidth(const std::string& text) { return TextExtent(text).cx; }
  int TextHeight(const std::string& text) { return TextExtent(text).cy; }

  void Draw(int x, int y, TGraphic* graphic);
  void StretchDraw(const TRect& r, TGraphic* graphic);
  // Copies source's rectangle into dest, stretching, through CopyMode.
  void CopyRect(const TRect& dest, TCanvas* canvas, const TRect& source);
  // Copies the bitmap's source rectangle into dest, with every pixel of
  // color replaced by this canvas's brush.
  void BrushCopy(const TRect& dest, class TBitmap* bitmap, const TRect& source, TColor color);

  // One thread at a time may draw; Lock waits, TryLock does not.
  void Lock();
  void Unlock();
  bool TryLock();
  int GetLockCount() const { return FLockCount; }

  // Deselects pen, brush and font so they are selected afresh.
  void Refresh();

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

  // Selects what a drawing call needs; raises EInvalidOperation "Canvas does
  // not allow drawing" when there is no device context.
  void RequiredState(TCanvasState state);

 protected:
  virtual void Changing();
  virtual void Changed();
  // Makes the device context when there is none (subclasses that own one).
  virtual void CreateHandle() {}
  // The device context as it is, without selecting anything into it.
  HDC GetHandleNoSelect() const { return FHandle; }
  TCanvasState FState;

 private:
  void DeselectHandles();
  void SelectFont();
  void SelectPen();
  void SelectBrush();
  void FontChanged(TObject*);
  void PenChanged(TObject*);
  void BrushChanged(TObject*);

  HDC FHandle = nullptr;
  std::unique_ptr<TFont> FFont;
  std::unique_ptr<TPen> FPen;
  std::unique_ptr<TBrush> FBrush;
  TCopyMode FCopyMode = cmSrcCopy;
  int FTextFlags = 0;
  CRITICAL_SECTION FLock;
  int FLockCount = 0;
};
