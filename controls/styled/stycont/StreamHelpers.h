// Small stream helpers of the container records: little-endian 32-bit
// integers, single bytes and short texts (a length byte, then the text).
#pragma once

#include <cstdint>
#include <string>

#include "platform/vcl/Classes.h"

void WriteInt32(TStream* Stream, std::int32_t Value);
std::int32_t ReadInt32(TStream* Stream);
void WriteByte(TStream* Stream, std::uint8_t Value);
std::uint8_t ReadByte(TStream* Stream);
// A text longer than 255 bytes is written as its first 255 (never splitting
// a UTF-8 sequence), so the length byte always matches what follows.
void WriteShortText(TStream* Stream, const std::string& Text);
std::string ReadShortText(TStream* Stream);

// Raises EReadError "Stream read error" unless Count is at least 0 and the
// stream still holds Count bytes after its position. Counts and sizes read
// from a file pass here before anything is allocated for them.
void CheckRemaining(TStream* Stream, std::int64_t Count);
