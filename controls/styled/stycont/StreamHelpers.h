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
// A text longer than 255 characters is written as its first 255, so the
// length byte always matches the characters that follow.
void WriteShortText(TStream* Stream, const std::string& Text);
std::string ReadShortText(TStream* Stream);
