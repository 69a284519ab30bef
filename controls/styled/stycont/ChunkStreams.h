// Chunk streams: data compressed in chunks of at most 32781 source bytes, a
// total length first, then every block after its length.
#pragma once

#include "platform/vcl/Classes.h"

// Writes Count bytes of Source, from its position, to Dest as a chunk
// stream. Source must deliver all of them; a short read raises EReadError.
void CompressStream(TStream* Source, TStream* Dest, int Count);

// Reads one chunk stream from Source and appends its bytes to Dest. A
// damaged stream (negative or inconsistent lengths, a chunk length outside
// 1 .. 32782, a damaged block, data cut short) raises EReadError.
void DecompressStream(TStream* Source, TStream* Dest);
