// Chunk streams and LZRW1/KH blocks, as the container records read them; a
// block that decodes is coded again and must round-trip.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "controls/styled/stycont.h"
#include "platform/vcl/Classes.h"
#include "platform/vcl/SysUtils.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TMemoryStream stream;
  if (size) stream.WriteBuffer(data, static_cast<int>(size));
  stream.SetPosition(0);
  TMemoryStream out;
  try {
    DecompressStream(&stream, &out);
  } catch (const Exception&) {}

  if (size == 0 || size > std::size_t(kLzrwMaxBlock)) return 0;
  const std::vector<std::uint8_t> block(data, data + size);
  std::vector<std::uint8_t> plain(kLzrwChunkSize);
  int produced = 0;
  try {
    produced = LzrwDecompress(block.data(), plain.data(), int(size));
  } catch (const Exception&) {
    return 0;
  }
  const std::vector<std::uint8_t> source(plain.begin(), plain.begin() + produced);
  std::vector<std::uint8_t> coded(source.size() + kLzrwSlack);
  const int length = LzrwCompress(source.data(), coded.data(), std::uint16_t(source.size()));
  if (length > produced + 1) std::abort();
  std::vector<std::uint8_t> again(kLzrwChunkSize);
  if (LzrwDecompress(coded.data(), again.data(), length) != produced) std::abort();
  if (produced && std::memcmp(again.data(), source.data(), std::size_t(produced)) != 0) std::abort();
  return 0;
}
