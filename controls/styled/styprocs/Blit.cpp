#include "controls/styled/styprocs/Blit.h"

#include <algorithm>
#include <memory>

#include "controls/styled/stycompo.h"
#include "controls/styled/styprocs/GlyphEffects.h"
#include "controls/styled/stysysin.h"
#include "platform/vcl/SysUtils.h"
#include "platform/win/windows.h"

namespace {

struct Box {
  int x, y, w, h;
};

void PutOne(TCanvas* Dest, const TRect& box, TCanvas* Source, const TRect& SourceRect, std::uint16_t Flags,
            TColor TransparentColor, TPersistent* Aux) {
  if (Flags & dfBrushCopy) {
    if (auto* bitmap = dynamic_cast<TBitmap*>(Aux)) {
      Dest->GetBrush()->SetColor(TransparentColor);
      Dest->BrushCopy(box, bitmap, SourceRect, bitmap->GetTransparentColor());
    }
    return;
  }
  auto* maskCanvas = dynamic_cast<TCanvas*>(Aux);
  if ((Flags & dfMask) && maskCanvas) {
    CopyMasked(Dest, box, maskCanvas, SourceRect, Source, SourceRect);
    return;
  }
  if (!Source) return;
  if (Flags & dfTransparent) {
    auto mask = std::make_unique<TBitmap>();
    auto image = std::make_unique<TBitmap>();
    SplitMaskFromCanvas(Source, SourceRect, mask.get(), image.get(), TransparentColor);
    const TRect full(0, 0, image->GetWidth(), image->GetHeight());
    CopyMasked(Dest, box, mask->GetCanvas(), full, image->GetCanvas(), full);
    return;
  }
  Dest->CopyRect(box, Source, SourceRect);
}

}  // namespace

void CopyMasked(TCanvas* Dest, const TRect& box, TCanvas* mask, const TRect& maskRect, TCanvas* image,
                const TRect& imageRect) {
  HDC dc = Dest->GetHandle();
  const COLORREF oldBk = SetBkColor(dc, RGB(255, 255, 255));
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  const TCopyMode oldMode = Dest->GetCopyMode();
  Dest->SetCopyMode(cmSrcAnd);
  Dest->CopyRect(box, mask, maskRect);
  Dest->SetCopyMode(cmSrcPaint);
  Dest->CopyRect(box, image, imageRect);
  Dest->SetCopyMode(oldMode);
  SetBkColor(Dest->GetHandle(), oldBk);
  SetTextColor(Dest->GetHandle(), oldText);
}

bool PaletteGateOpen() {
  if (StyApplication && (StyApplication->GetOptions() & 0x01) && ColorDepth() <= 8) return false;
  return true;
}

void DrawBitmapExt(TCanvas* Dest, const TRect& DestRect, TCanvas* Source, const TRect& SourceRect, std::uint16_t Flags,
                   TColor TransparentColor, HPALETTE Palette, TPersistent* Aux, TRect& Painted) {
  (void)Palette;  // the split images are true colour; the palette matters only on the destination
  Painted = TRect();
  const int DW = DestRect.Width(), DH = DestRect.Height();
  const int SW = SourceRect.Width(), SH = SourceRect.Height();
  if (DW <= 0 || DH <= 0) return;
  if (SW <= 0 || SH <= 0) return;  // nothing to draw, and nothing to scale by
  if (Flags & dfTile) {
    Painted = DestRect;
    for (int row = 0; row <= DH / SH; ++row)
      for (int col = 0; col <= DW / SW; ++col) {
        const TRect box = Bounds(DestRect.Left + col * SW, DestRect.Top + row * SH, SW, SH);
        PutOne(Dest, box, Source, SourceRect, Flags, TransparentColor, Aux);
      }
    return;
  }
  Box b{DestRect.Left, DestRect.Top, SW, SH};
  if (Flags & dfStretch) {
    SetStretchBltMode(Dest->GetHandle(), COLORONCOLOR);
    b.w = DW;
    b.h = DH;
    const std::uint16_t keep = Flags & dfKeepAspect;
    if (keep == dfKeepAspect) {
      const double s = std::min(static_cast<double>(DW) / SW, static_cast<double>(DH) / SH);
      b.w = static_cast<int>(SW * s);
      b.h = static_cast<int>(SH * s);
    } else if (keep == dfKeepHeight) {
      b.h = static_cast<int>(Round(static_cast<double>(DW) / SW * SH));
    } else if (keep == dfKeepWidth) {
      b.w = static_cast<int>(Round(static_cast<double>(DH) / SH * SW));
    }
  } else if (Flags & dfCenter) {
    b.x = DestRect.Left + (DW - SW) / 2;
    b.y = DestRect.Top + (DH - SH) / 2;
  }
  const TRect box = Bounds(b.x, b.y, b.w, b.h);
  // The box read as a rectangle (x, y, width, height): when that is empty
  // the whole destination counts as painted.
  Painted = (b.w <= b.x || b.h <= b.y) ? DestRect : box;
  PutOne(Dest, box, Source, SourceRect, Flags, TransparentColor, Aux);
}

TStySavedClip SelectRectClip(HDC dc, const TRect& Rect, TStyPackedOrigin Origin) {
  TStySavedClip saved;
  saved.previous = CreateRectRgn(0, 0, 0, 0);
  saved.had = GetClipRgn(dc, saved.previous) == 1;
  const TPoint o = UnpackOrigin(Origin);
  HRGN rgn = CreateRectRgn(Rect.Left + o.X, Rect.Top + o.Y, Rect.Right + o.X, Rect.Bottom + o.Y);
  SelectClipRgn(dc, rgn);
  DeleteObject(rgn);
  return saved;
}

void RestoreClip(HDC dc, TStySavedClip& saved) {
  SelectClipRgn(dc, saved.had ? saved.previous : nullptr);
  if (saved.previous) DeleteObject(saved.previous);
  saved.previous = nullptr;
}

void DrawBitmap(TCanvas* Dest, const TRect& DestRect, TBitmap* Bitmap, std::uint16_t Flags, TStyPackedOrigin Origin,
                TColor TransparentColor) {
  if (!Bitmap) return;
  HDC dc = Dest->GetHandle();
  if ((Flags & dfPalette) && PaletteGateOpen() && Bitmap->GetPalette()) {
    SelectPalette(dc, Bitmap->GetPalette(), FALSE);
    RealizePalette(dc);
  }
  const TRect source(0, 0, Bitmap->GetWidth(), Bitmap->GetHeight());
  TCanvas* sourceCanvas = (Flags & dfBrushCopy) ? nullptr : Bitmap->GetCanvas();
  TPersistent* aux = (Flags & dfBrushCopy) ? static_cast<TPersistent*>(Bitmap) : nullptr;
  TRect painted;
  DrawCanvasClipped(Dest, DestRect, sourceCanvas, source, Flags, Origin, TransparentColor, aux, painted);
}

void DrawCanvasClipped(TCanvas* Dest, const TRect& DestRect, TCanvas* Source, const TRect& SourceRect,
                       std::uint16_t Flags, TStyPackedOrigin Origin, TColor TransparentColor, TPersistent* Aux,
                       TRect& Painted) {
  HDC dc = Dest->GetHandle();
  TStySavedClip clip;
  const bool clipped = Flags & dfClip;
  if (clipped) clip = SelectRectClip(dc, DestRect, Origin);
  try {
    DrawBitmapExt(Dest, DestRect, Source, SourceRect, Flags, TransparentColor, nullptr, Aux, Painted);
  } catch (...) {
    if (clipped) RestoreClip(Dest->GetHandle(), clip);
    throw;
  }
  if (clipped) RestoreClip(Dest->GetHandle(), clip);
}

void DrawBitmapRect(TCanvas* Dest, const TRect& DestRect, TBitmap* Bitmap, std::uint16_t Flags, TColor TransparentColor,
                    TRect& Painted) {
  Painted = TRect();
  if (!Bitmap) return;
  HPALETTE palette = nullptr;
  if ((Flags & dfPalette) && PaletteGateOpen() && Bitmap->GetPalette()) {
    HDC dc = Dest->GetHandle();
    SelectPalette(dc, Bitmap->GetPalette(), FALSE);
    RealizePalette(dc);
    if (!(Flags & dfBrushCopy)) palette = Bitmap->GetPalette();
  }
  const TRect source(0, 0, Bitmap->GetWidth(), Bitmap->GetHeight());
  TCanvas* sourceCanvas = (Flags & dfBrushCopy) ? nullptr : Bitmap->GetCanvas();
  TPersistent* aux = (Flags & dfBrushCopy) ? static_cast<TPersistent*>(Bitmap) : nullptr;
  DrawBitmapExt(Dest, DestRect, sourceCanvas, source, Flags, TransparentColor, palette, aux, Painted);
}

void DrawMaskedOnto(TCanvas* Canvas, const TRect& DestRect, TBitmap* Picture, TBitmap* Work,
                    TColor PictureTransparentColor, TColor WorkTransparentColor) {
  if (!Canvas || !Picture || !Work) return;
  const TColor pictureKey = static_cast<TColor>(ColorToRGB(PictureTransparentColor & 0xFFFFFF));
  const TColor workKey = static_cast<TColor>(ColorToRGB(WorkTransparentColor & 0xFFFFFF));
  auto image = std::make_unique<TBitmap>();
  image->SetSize(Picture->GetWidth(), Picture->GetHeight());
  SplitMaskFromBitmap(Picture, Picture, image.get(), pictureKey);
  const TRect work(0, 0, Work->GetWidth(), Work->GetHeight());
  TRect painted;
  DrawBitmapExt(Work->GetCanvas(), work, image->GetCanvas(), work, dfMask, pictureKey, nullptr, Picture->GetCanvas(),
                painted);
  DrawBitmapExt(Canvas, DestRect, Work->GetCanvas(), work, dfPalette | dfTransparent, workKey, Work->GetPalette(),
                nullptr, painted);
}
