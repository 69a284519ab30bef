#include "platform/win/shell/shell32_resources.h"

#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/win/resource/resources.h"
#include "platform/win/shell/system_icons.h"

namespace win::shell {

namespace {

using Bytes = std::vector<BYTE>;

void PutWord(Bytes& out, unsigned value) {
  out.push_back(static_cast<BYTE>(value & 0xFF));
  out.push_back(static_cast<BYTE>((value >> 8) & 0xFF));
}

void PutDword(Bytes& out, std::uint32_t value) {
  PutWord(out, value & 0xFFFF);
  PutWord(out, value >> 16);
}

// An RT_ICON image: BITMAPINFOHEADER (height of both masks), 32-bit colour
// rows bottom-up, then the 1-bit AND mask (1 = transparent).
Bytes IconImage(int icon, int size) {
  const std::vector<std::uint32_t> pixels = SystemIconPixels(icon, size);
  const int maskStride = ((size + 31) / 32) * 4;
  Bytes out;
  PutDword(out, 40);
  PutDword(out, static_cast<std::uint32_t>(size));
  PutDword(out, static_cast<std::uint32_t>(size * 2));
  PutWord(out, 1);
  PutWord(out, 32);
  PutDword(out, 0);
  PutDword(out, static_cast<std::uint32_t>(size * size * 4 + maskStride * size));
  for (int i = 0; i < 4; ++i) PutDword(out, 0);
  for (int y = size - 1; y >= 0; --y)
    for (int x = 0; x < size; ++x) PutDword(out, pixels[static_cast<std::size_t>(y * size + x)]);
  for (int y = size - 1; y >= 0; --y) {
    Bytes row(static_cast<std::size_t>(maskStride), 0);
    for (int x = 0; x < size; ++x)
      if ((pixels[static_cast<std::size_t>(y * size + x)] >> 24) == 0) row[x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

struct Shell32Data {
  std::vector<Bytes> blocks;
  std::vector<win::resource::Record> records;
};

Shell32Data& Data() {
  static Shell32Data data;
  return data;
}

}  // namespace

void RegisterShell32Resources() {
  static std::once_flag once;
  std::call_once(once, [] {
    Shell32Data& data = Data();
    struct Group {
      WORD name;
      int icon;
    };
    const Group groups[] = {{29, kIconShareOverlay}, {30, kIconLinkOverlay}};
    WORD nextImage = 1;
    data.blocks.reserve(6);
    std::vector<std::pair<WORD, std::size_t>> named;  // (type, name) per block, in order
    std::vector<WORD> names;
    for (const Group& group : groups) {
      Bytes directory;
      PutWord(directory, 0);
      PutWord(directory, 1);
      PutWord(directory, 2);
      for (int size : {16, 32}) {
        Bytes image = IconImage(group.icon, size);
        directory.push_back(static_cast<BYTE>(size));
        directory.push_back(static_cast<BYTE>(size));
        directory.push_back(0);
        directory.push_back(0);
        PutWord(directory, 1);
        PutWord(directory, 32);
        PutDword(directory, static_cast<std::uint32_t>(image.size()));
        PutWord(directory, nextImage);
        data.blocks.push_back(std::move(image));
        named.emplace_back(3, data.blocks.size() - 1);  // RT_ICON
        names.push_back(nextImage++);
      }
      data.blocks.push_back(std::move(directory));
      named.emplace_back(14, data.blocks.size() - 1);  // RT_GROUP_ICON
      names.push_back(group.name);
    }
    for (std::size_t i = 0; i < named.size(); ++i) {
      const Bytes& block = data.blocks[named[i].second];
      data.records.push_back({named[i].first, nullptr, names[i], nullptr, block.data(), block.size()});
    }
    win::resource::RegisterModule("shell32", false, data.records.data(), data.records.size());
  });
}

}  // namespace win::shell
