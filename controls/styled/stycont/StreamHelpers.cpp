#include "controls/styled/stycont/StreamHelpers.h"

#include "platform/vcl/SysUtils.h"

void WriteInt32(TStream* Stream, std::int32_t Value) {
  const auto v = std::uint32_t(Value);
  const std::uint8_t bytes[4] = {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)};
  Stream->WriteBuffer(bytes, 4);
}

std::int32_t ReadInt32(TStream* Stream) {
  std::uint8_t bytes[4];
  Stream->ReadBuffer(bytes, 4);
  return std::int32_t(std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16 |
                      std::uint32_t(bytes[3]) << 24);
}

void WriteByte(TStream* Stream, std::uint8_t Value) {
  Stream->WriteBuffer(&Value, 1);
}

std::uint8_t ReadByte(TStream* Stream) {
  std::uint8_t value;
  Stream->ReadBuffer(&value, 1);
  return value;
}

void WriteShortText(TStream* Stream, const std::string& Text) {
  const auto length = std::uint8_t(vcl::rtl::Utf8Prefix(Text, 255));
  WriteByte(Stream, length);
  Stream->WriteBuffer(Text.data(), length);
}

std::string ReadShortText(TStream* Stream) {
  std::string text(ReadByte(Stream), '\0');
  Stream->ReadBuffer(text.data(), int(text.size()));
  return text;
}

void CheckRemaining(TStream* Stream, std::int64_t Count) {
  if (Count < 0 || Count > Stream->GetSize() - Stream->GetPosition()) throw EReadError("Stream read error");
}
