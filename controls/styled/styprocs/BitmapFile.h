// A bitmap written in the Windows bitmap-file layout at a chosen depth.
#pragma once

#include "platform/vcl/Classes.h"
#include "platform/vcl/Graphics.h"

// ColorCount 0 keeps the bitmap's depth (16 and 32 bits become 24), 2, 16
// and 256 give 1, 4 and 8 bits. A null Bitmap raises "Bitmap image is not
// valid". With LengthPrefix a 32-bit size precedes the file.
void WriteBitmapFile(TStream* Stream, HBITMAP Bitmap, HPALETTE Palette, int ColorCount, bool LengthPrefix);
// The whole file (2 colours for a monochrome bitmap), the stream rewound.
void BitmapToMemoryStream(TMemoryStream* Stream, TBitmap* Bitmap, int ColorCount);
