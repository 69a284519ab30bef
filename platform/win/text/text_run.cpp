#include "platform/win/text/text_run.h"

#include "platform/win/text/utf8.h"

namespace win::text {

TextRun LayOutRun(const Font& font, std::string_view text, int charExtra, const int* dx) {
  TextRun run;
  run.byteExtents.resize(text.size());
  SizedFace& face = font.Face();
  int pen = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    const DecodedChar ch = DecodeUtf8At(text, pos);
    const bool control = ch.codePoint < 0x20 || ch.codePoint == 0x7F;
    int advance = 0;
    if (!control) {
      const unsigned glyph = face.GlyphIndex(ch.codePoint);
      run.glyphs.push_back({glyph, pen});
      advance = face.Advance(glyph) + charExtra;
    } else if (ch.codePoint == '\t') {
      // A tab outside tab expansion is as wide as a space, like Windows draws it.
      advance = face.Advance(face.GlyphIndex(U' ')) + charExtra;
    }
    if (dx) {
      advance = 0;
      for (std::size_t i = 0; i < ch.length; ++i) advance += dx[pos + i];
    }
    pen += advance;
    for (std::size_t i = 0; i < ch.length; ++i) run.byteExtents[pos + i] = pen;
    pos += ch.length;
  }
  run.width = pen;
  return run;
}

int RunWidth(const Font& font, std::string_view text, int charExtra) {
  return LayOutRun(font, text, charExtra).width;
}

}  // namespace win::text
