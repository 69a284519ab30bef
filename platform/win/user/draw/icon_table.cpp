#include <map>
#include <mutex>

#include "platform/win/user/draw/icon.h"
#include "platform/win/user/cursor_bridge.h"
#include "platform/host/host.h"

namespace win::user {
namespace {

struct Entry {
  std::shared_ptr<const IconImage> image;
  bool shared = false;
  host::CursorId hostCursor = 0;  // made when first shown as the pointer
};

struct Table {
  std::mutex lock;
  std::map<std::uintptr_t, Entry> entries;
  // Handles never collide with the standard ids (below 65536) or each other.
  std::uintptr_t next = 0x50000000;
  std::map<int, std::shared_ptr<const IconImage>> standardCursors;
  bool applierInstalled = false;
};

Table& TheTable() {
  static Table* table = new Table;  // lives past static destruction
  return *table;
}

bool IsStandardCursorId(std::uintptr_t v) {
  return v >= 32512 && v <= 32651;
}

// Shows picture cursors on the desktop; the window manager asks it first.
bool ApplyPictureCursor(HCURSOR cursor) {
  Table& t = TheTable();
  std::shared_ptr<const IconImage> image;
  host::CursorId id = 0;
  {
    std::lock_guard<std::mutex> guard(t.lock);
    auto it = t.entries.find(reinterpret_cast<std::uintptr_t>(cursor));
    if (it == t.entries.end()) return false;
    image = it->second.image;
    id = it->second.hostCursor;
  }
  if (!id) {
    const auto argb = image->Argb();
    id = host::Get().CreateCursor(argb.data(), image->width, image->height, image->hotX, image->hotY);
    std::lock_guard<std::mutex> guard(t.lock);
    auto it = t.entries.find(reinterpret_cast<std::uintptr_t>(cursor));
    if (it != t.entries.end()) it->second.hostCursor = id;
  }
  host::Get().SetCustomCursor(id);
  return true;
}

}  // namespace

HICON AddIcon(IconImage image, bool shared) {
  Table& t = TheTable();
  bool install = false;
  HICON handle;
  {
    std::lock_guard<std::mutex> guard(t.lock);
    const std::uintptr_t key = t.next;
    t.next += 4;
    t.entries.emplace(key, Entry{std::make_shared<const IconImage>(std::move(image)), shared, 0});
    handle = reinterpret_cast<HICON>(key);
    install = !t.applierInstalled;
    t.applierInstalled = true;
  }
  if (install) SetCursorApplier(ApplyPictureCursor);
  return handle;
}

std::shared_ptr<const IconImage> LookupIcon(HICON icon) {
  Table& t = TheTable();
  const auto key = reinterpret_cast<std::uintptr_t>(icon);
  std::lock_guard<std::mutex> guard(t.lock);
  if (IsStandardCursorId(key)) {
    auto& slot = t.standardCursors[static_cast<int>(key)];
    if (!slot) slot = std::make_shared<const IconImage>(StandardCursor(static_cast<int>(key)));
    return slot;
  }
  auto it = t.entries.find(key);
  return it == t.entries.end() ? nullptr : it->second.image;
}

bool RemoveIcon(HICON icon) {
  Table& t = TheTable();
  const auto key = reinterpret_cast<std::uintptr_t>(icon);
  std::lock_guard<std::mutex> guard(t.lock);
  if (IsStandardCursorId(key)) return true;
  auto it = t.entries.find(key);
  if (it == t.entries.end()) return false;
  if (!it->second.shared) t.entries.erase(it);
  return true;
}

bool IconImage::IsValid() const {
  const auto n = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  return width > 0 && height > 0 && color.size() == n && mask.size() == n && (alpha.empty() || alpha.size() == n);
}

IconImage IconImage::Scaled(int w, int h) const {
  if (w == width && h == height) return *this;
  IconImage out;
  out.width = w;
  out.height = h;
  out.isIcon = isIcon;
  out.hotX = width ? hotX * w / width : 0;
  out.hotY = height ? hotY * h / height : 0;
  const auto n = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
  out.color.resize(n);
  out.mask.resize(n);
  if (!alpha.empty()) out.alpha.resize(n);
  for (int y = 0; y < h; ++y) {
    const int sy = y * height / h;
    for (int x = 0; x < w; ++x) {
      const std::size_t s = static_cast<std::size_t>(sy) * width + x * width / w;
      const std::size_t d = static_cast<std::size_t>(y) * w + x;
      out.color[d] = color[s];
      out.mask[d] = mask[s];
      if (!alpha.empty()) out.alpha[d] = alpha[s];
    }
  }
  return out;
}

std::vector<std::uint32_t> IconImage::Argb() const {
  std::vector<std::uint32_t> out(color.size());
  for (std::size_t i = 0; i < color.size(); ++i) {
    std::uint32_t a;
    if (!alpha.empty()) {
      a = alpha[i];
    } else if (!mask[i]) {
      a = 255;
    } else {
      // Screen-inverting pixels cannot be shown by a plain picture: black.
      a = color[i] ? 255 : 0;
    }
    const std::uint32_t rgb = (mask[i] && alpha.empty() && color[i]) ? 0 : color[i];
    out[i] = (a << 24) | (rgb & 0x00FFFFFF);
  }
  return out;
}

}  // namespace win::user
