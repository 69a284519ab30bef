#include "platform/vcl/classes/streaming/ComponentResources.h"

#include <cstring>

#include "platform/vcl/classes/components/Component.h"
#include "platform/vcl/classes/streaming/Reader.h"
#include "platform/vcl/classes/streaming/Writer.h"
#include "platform/vcl/classes/streams/Streams.h"
#include "platform/vcl/rtl/Exceptions.h"

namespace {

constexpr std::size_t kMaxNameLength = 63;
constexpr int kMaxHeaderSize = 79;

}  // namespace

std::int64_t WriteResourceHeader(TStream* stream, const std::string& name) {
  std::string upper = name.substr(0, kMaxNameLength);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  std::string header;
  header += '\xFF';
  header += '\x0A';
  header += '\x00';
  header += upper;
  header += '\0';
  header += '\x30';
  header += '\x10';
  std::int64_t fixup = stream->GetPosition() + static_cast<std::int64_t>(header.size());
  header.append(4, '\0');
  stream->WriteBuffer(header.data(), static_cast<int>(header.size()));
  return fixup;
}

void FixupResourceHeader(TStream* stream, std::int64_t fixupInfo) {
  std::int64_t end = stream->GetPosition();
  std::int32_t size = static_cast<std::int32_t>(end - fixupInfo - 4);
  stream->SetPosition(fixupInfo);
  stream->WriteBuffer(&size, 4);
  stream->SetPosition(end);
}

void ReadResHeader(TStream* stream) {
  std::int64_t start = stream->GetPosition();
  std::int64_t available = stream->GetSize() - start;
  int count = available < kMaxHeaderSize ? static_cast<int>(available) : kMaxHeaderSize;
  std::uint8_t header[kMaxHeaderSize] = {};
  if (count > 0) stream->ReadBuffer(header, count);
  if (count < 3 || header[0] != 0xFF || header[1] != 10 || header[2] != 0) throw EInvalidImage("Invalid stream format");
  // The name must end inside what was read, and the flags and size after it
  // must be there too.
  const void* zero = std::memchr(header + 3, 0, static_cast<std::size_t>(count - 3));
  if (zero == nullptr) throw EInvalidImage("Invalid stream format");
  std::int64_t nameLength = static_cast<const std::uint8_t*>(zero) - (header + 3);
  std::int64_t headerSize = nameLength + 10;
  if (headerSize > available) throw EInvalidImage("Invalid stream format");
  stream->SetPosition(start + headerSize);
}

TComponent* ReadComponent(TStream* stream, TComponent* instance) {
  TReader reader(stream);
  return reader.ReadRootComponent(instance);
}

void WriteComponent(TStream* stream, TComponent* instance) {
  TWriter writer(stream);
  writer.WriteRootComponent(instance);
}

TComponent* ReadComponentRes(TStream* stream, TComponent* instance) {
  ReadResHeader(stream);
  return ReadComponent(stream, instance);
}

void WriteComponentRes(TStream* stream, const std::string& resName, TComponent* instance) {
  std::int64_t fixup = WriteResourceHeader(stream, resName);
  WriteComponent(stream, instance);
  FixupResourceHeader(stream, fixup);
}

TComponent* ReadComponentResFile(const std::string& fileName, TComponent* instance) {
  TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
  return ReadComponentRes(&stream, instance);
}

void WriteComponentResFile(const std::string& fileName, TComponent* instance) {
  TFileStream stream(fileName, fmCreate);
  WriteComponentRes(&stream, instance->ClassName(), instance);
}
