#include "platform/win/text/font_object.h"

#include <algorithm>
#include <cstring>

#include "platform/win/text/stock_fonts.h"

namespace win::text {

int FontObject::Describe(int size, void* buffer) const {
  if (!buffer) return sizeof(LOGFONTA);
  if (size <= 0) return 0;
  const int bytes = std::min<int>(size, sizeof(LOGFONTA));
  std::memcpy(buffer, &font_->Log(), static_cast<std::size_t>(bytes));
  return bytes;
}

HFONT MakeFontObject(const LOGFONTA& logFont) {
  auto font = Font::Create(logFont);
  if (!font) return nullptr;
  return static_cast<HFONT>(gdi::AddObject(std::make_unique<FontObject>(std::move(font))));
}

const Font* LookupFont(HGDIOBJ handle) {
  auto* object = dynamic_cast<FontObject*>(gdi::LookupObject(handle, gdi::ObjectKind::Font));
  return object ? &object->Get() : nullptr;
}

}  // namespace win::text
