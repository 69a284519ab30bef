// The font kind of the GDI object table: an HFONT is one of these.
#pragma once

#include <memory>

#include "platform/win/gdi/objects.h"
#include "platform/win/text/font.h"

namespace win::text {

class FontObject : public gdi::GdiObject {
 public:
  explicit FontObject(std::shared_ptr<const Font> font) : GdiObject(gdi::ObjectKind::Font), font_(std::move(font)) {}
  const Font& Get() const { return *font_; }
  std::shared_ptr<const Font> Shared() const { return font_; }
  // GetObjectA: the LOGFONTA the font was made from.
  int Describe(int size, void* buffer) const override;

 private:
  std::shared_ptr<const Font> font_;
};

// A new font object's handle, or nullptr when no font file could be opened.
HFONT MakeFontObject(const LOGFONTA& logFont);

// The font an HFONT stands for, or nullptr.
const Font* LookupFont(HGDIOBJ handle);

// The font selected into a DC, the system font when none (or an unknown
// handle) is selected; nullptr only when no font file opens at all.
const Font* FontOfDc(HDC hdc);

}  // namespace win::text
