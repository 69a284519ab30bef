// The LZRW1/KH block coder: a single-candidate LZ77 coder with 16-item
// control words and a run item, used for the containers' compressed data.
#pragma once

#include <cstdint>

// Source bytes per chunk of a chunk stream; every position fits 16 bits.
constexpr int kLzrwChunkSize = 32781;
// A stored chunk: its flag byte and the source bytes.
constexpr int kLzrwMaxBlock = kLzrwChunkSize + 1;
// The coder may run this far past the source size before it falls back to a
// stored block.
constexpr int kLzrwSlack = 6;

constexpr std::uint8_t kLzrwCompressed = 0x40;
constexpr std::uint8_t kLzrwStored = 0x80;

// Codes SourceSize bytes into Dest, which has room for SourceSize + 6 bytes,
// and returns the block length (at most SourceSize + 1).
std::uint16_t LzrwCompress(const std::uint8_t* Source, std::uint8_t* Dest, std::uint16_t SourceSize);

// Decodes a block of BlockLength bytes into Dest, which has room for
// DestCapacity bytes, and returns the bytes produced. A damaged block (an
// unknown flag byte, an item cut off by the block's end, a back reference
// before the start of the output, more output than DestCapacity) raises
// EReadError before anything outside the buffers is touched.
std::uint16_t LzrwDecompress(const std::uint8_t* Source, std::uint8_t* Dest, int BlockLength,
                             int DestCapacity = kLzrwChunkSize);
