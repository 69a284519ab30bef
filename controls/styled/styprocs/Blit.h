// The library's blit engine and the procedures around it. A 16-bit flag
// word chooses placement (natural, centred, stretched, tiled), transparency
// (by colour, by brush copy, by a ready mask), clipping and palettes.
#pragma once

#include <cstdint>

#include "platform/vcl/Graphics.h"

constexpr std::uint16_t dfClip = 0x0001;
constexpr std::uint16_t dfOffscreen = 0x0004;
constexpr std::uint16_t dfCenter = 0x0008;
constexpr std::uint16_t dfStretch = 0x0010;
constexpr std::uint16_t dfTile = 0x0020;
constexpr std::uint16_t dfTransparent = 0x0040;
constexpr std::uint16_t dfBrushCopy = 0x0080;
constexpr std::uint16_t dfMask = 0x0100;
constexpr std::uint16_t dfKeepWidth = 0x0200;
constexpr std::uint16_t dfKeepHeight = 0x0400;
constexpr std::uint16_t dfKeepAspect = 0x0600;
constexpr std::uint16_t dfPalette = 0x1000;

// X in the low and Y in the high 16 bits, each a signed value.
using TStyPackedOrigin = std::uint32_t;
constexpr TStyPackedOrigin PackOrigin(int x, int y) {
  return (static_cast<std::uint32_t>(static_cast<std::uint16_t>(y)) << 16) | static_cast<std::uint16_t>(x);
}
constexpr TPoint UnpackOrigin(TStyPackedOrigin origin) {
  return TPoint(static_cast<std::int16_t>(origin & 0xFFFF), static_cast<std::int16_t>(origin >> 16));
}

// Whether the palette bit takes effect (the application's option bit 0 and
// a display of 8 bits or fewer close it).
bool PaletteGateOpen();

// Aux is the bitmap for $0080 and the mask canvas for $0100, else ignored.
// An empty source or destination draws nothing.
void DrawBitmapExt(TCanvas* Dest, const TRect& DestRect, TCanvas* Source, const TRect& SourceRect, std::uint16_t Flags,
                   TColor TransparentColor, HPALETTE Palette, TPersistent* Aux, TRect& Painted);
// With $0001 the drawing is clipped to DestRect moved by Origin; the clip in
// effect before comes back afterwards.
void DrawBitmap(TCanvas* Dest, const TRect& DestRect, TBitmap* Bitmap, std::uint16_t Flags, TStyPackedOrigin Origin,
                TColor TransparentColor);
// The part SourceRect of Source into DestRect, clipped as DrawBitmap clips.
void DrawCanvasClipped(TCanvas* Dest, const TRect& DestRect, TCanvas* Source, const TRect& SourceRect,
                       std::uint16_t Flags, TStyPackedOrigin Origin, TColor TransparentColor, TPersistent* Aux,
                       TRect& Painted);
// The masked draw: the mask combined with SRCAND (white keeps the target),
// then the image with SRCPAINT (its transparent pixels must be black).
void CopyMasked(TCanvas* Dest, const TRect& box, TCanvas* mask, const TRect& maskRect, TCanvas* image,
                const TRect& imageRect);
void DrawBitmapRect(TCanvas* Dest, const TRect& DestRect, TBitmap* Bitmap, std::uint16_t Flags, TColor TransparentColor,
                    TRect& Painted);
// Lays Picture into the opaque part of Work and Work onto Canvas. Picture
// becomes its own mask on the way.
void DrawMaskedOnto(TCanvas* Canvas, const TRect& DestRect, TBitmap* Picture, TBitmap* Work,
                    TColor PictureTransparentColor, TColor WorkTransparentColor);

// Selects the clip region of Rect moved by Origin and gives back what to
// restore afterwards (RestoreClip).
struct TStySavedClip {
  HRGN previous = nullptr;
  bool had = false;
};
TStySavedClip SelectRectClip(HDC dc, const TRect& Rect, TStyPackedOrigin Origin);
void RestoreClip(HDC dc, TStySavedClip& saved);
