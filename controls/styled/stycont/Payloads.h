// The payloads of container items: their data either plain, after a 32-bit
// length, or compressed as a chunk stream.
#pragma once

#include "platform/vcl/Classes.h"
#include "platform/vcl/Graphics.h"

// The list's text, every line followed by CR LF.
void WriteStringsPayload(TStream* Stream, TStrings* Strings, bool Compressed);
// The list is replaced by the payload's lines. A damaged payload (a length
// beyond the data that remains, a damaged chunk stream) raises EReadError.
void ReadStringsPayload(TStream* Stream, TStrings* Strings, bool Compressed);

// A BMP file image: Colors -1 keeps the bitmap's own format (the bitmap's
// stream image), 2, 16 and 256 write 1, 4 and 8 bits per pixel. Compressed,
// a monochrome bitmap is always written with 2 colours.
void WriteBitmapPayload(TStream* Stream, TBitmap* Bitmap, bool Compressed, int Colors);
void ReadBitmapPayload(TStream* Stream, TBitmap* Bitmap, bool Compressed);

class TStyWave;
// The wave's RIFF data: plain after an int32 length, or as a chunk stream.
void WriteWavePayload(TStream* Stream, TStyWave* Wave, bool Compressed);
void ReadWavePayload(TStream* Stream, TStyWave* Wave, bool Compressed);

// The shared framing: Content is written at its position as a payload, from
// its start and its whole size.
void WritePayload(TStream* Stream, TMemoryStream* Content, bool Compressed);
// Reads one payload into Content (cleared first), rewound for loading.
void ReadPayload(TStream* Stream, TMemoryStream* Content, bool Compressed);
