// Bitmap effects for glyphs: the thresholded grey "disabled" rendering, the
// two-tone embossed rendering and the split of a picture into mask and image.
#pragma once

#include "platform/vcl/Graphics.h"

void MakeDisabledGlyph(TBitmap* Dest, TBitmap* Source);
// Dest takes the source's size in its transparent colour; every black pixel
// of the source becomes clBtnHighlight at (X + 1, Y + 1), then clBtnShadow
// at (X, Y).
void MakeEmbossedGlyph(TBitmap* Dest, TBitmap* Source, int X, int Y);
// Mask: white where Rect holds TransparentColor, black elsewhere; Image:
// Rect's pixels with the transparent ones turned black.
void SplitMaskFromCanvas(TCanvas* Canvas, const TRect& Rect, TBitmap* Mask, TBitmap* Image, TColor TransparentColor);
void SplitMaskFromBitmap(TBitmap* Source, TBitmap* Mask, TBitmap* Image, TColor TransparentColor);
