#include "platform/win/text/font.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/win/text/utf8.h"

namespace win::text {
namespace {

// Below this em size fully hinted one-bit glyphs read better than grey ones:
// stems stay one pixel wide instead of smearing over two.
constexpr int kGreyFromPixels = 15;

Rendering ChooseRendering(BYTE quality, double ppem) {
  if (quality == NONANTIALIASED_QUALITY) return Rendering::Mono;
  if (quality == ANTIALIASED_QUALITY || quality == CLEARTYPE_QUALITY) return Rendering::Grey;
  return ppem < kGreyFromPixels ? Rendering::Mono : Rendering::Grey;
}

int Round(double value) {
  return static_cast<int>(std::lround(value));
}

// How far the ink of a few tall and deep characters reaches above and below
// the baseline, so that the cell box of a font always holds its ink.
void InkReach(SizedFace& face, int& above, int& below) {
  above = below = 0;
  const char* probes = "gjpqy|[]()_\xC3\x80\xC3\x89\xC3\x85";
  std::string_view text(probes);
  for (std::size_t pos = 0; pos < text.size();) {
    const DecodedChar ch = DecodeUtf8At(text, pos);
    pos += ch.length;
    const unsigned glyph = face.GlyphIndex(ch.codePoint);
    if (glyph == 0) continue;
    const GlyphImage& image = face.Image(glyph, 0);
    if (image.height == 0) continue;
    above = std::max(above, image.top);
    below = std::max(below, image.height - image.top);
  }
}

// The average width of Latin text as the classic OS/2 table defined it: the
// lowercase letters and the space weighted by their frequency in English,
// over 1000. Measured on the hinted advances, so that dialog units and tab
// stops agree with what is drawn.
int WeightedAverageWidth(SizedFace& face) {
  static const int kWeights[27] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6,  35, 20, 56,
                                   56, 17, 4,  49, 56,  71, 31, 10, 18, 3, 18, 2,  166};
  int sum = 0;
  for (int i = 0; i < 27; ++i) {
    const char32_t ch = i < 26 ? static_cast<char32_t>(U'a' + i) : U' ';
    const unsigned glyph = face.GlyphIndex(ch);
    if (glyph == 0) return 0;
    sum += kWeights[i] * face.Advance(glyph);
  }
  return (sum + 500) / 1000;
}

// Width in pixels of the stem of a lowercase l, as drawn.
int StemWidth(SizedFace& face) {
  int left = 0, right = 0;
  face.InkExtent(face.GlyphIndex(U'l'), left, right);
  return right - left;
}

// At small one-bit sizes the bold face's hinting can snap its stems to the
// regular face's single pixel, and bold text would read as regular.
bool BoldStemsLookRegular(const SizedFaceKey& boldKey, const LOGFONTA& lf) {
  if (boldKey.rendering != Rendering::Mono) return false;
  const ResolvedFace regular =
      ResolveFace(lf.lfFaceName, FW_NORMAL, lf.lfItalic != 0, lf.lfPitchAndFamily, lf.lfCharSet);
  if (regular.file.empty() || regular.isBold) return false;
  SizedFaceKey regularKey = boldKey;
  regularKey.file = regular.file;
  regularKey.index = regular.index;
  auto bold = SizedFace::Get(boldKey);
  auto plain = SizedFace::Get(regularKey);
  return bold && plain && StemWidth(*bold) <= StemWidth(*plain);
}

}  // namespace

std::shared_ptr<const Font> Font::Create(const LOGFONTA& logFont) {
  std::shared_ptr<Font> font(new Font());
  font->log_ = logFont;
  font->log_.lfFaceName[LF_FACESIZE - 1] = '\0';
  const LOGFONTA& lf = font->log_;
  const bool bold = lf.lfWeight >= FW_SEMIBOLD;
  const bool italic = lf.lfItalic != 0;
  font->resolved_ = ResolveFace(lf.lfFaceName, lf.lfWeight, italic, lf.lfPitchAndFamily, lf.lfCharSet);
  if (font->resolved_.file.empty()) return nullptr;

  // The design figures come from the face at any size.
  SizedFaceKey probeKey{font->resolved_.file, font->resolved_.index, 12 * 64};
  auto probe = SizedFace::Get(probeKey);
  if (!probe) return nullptr;
  const FaceDesign design = probe->Design();
  const int winCell = std::max(1, design.winAscent + design.winDescent);

  double ppem;
  if (lf.lfHeight < 0) {
    ppem = -static_cast<double>(lf.lfHeight);
  } else if (lf.lfHeight > 0) {
    ppem = static_cast<double>(lf.lfHeight) * design.unitsPerEm / winCell;
  } else {
    ppem = kDefaultEmPixels;
  }
  ppem = std::clamp(ppem, 1.0, 2000.0);

  SizedFaceKey key = probeKey;
  key.ppem64 = std::max(64, Round(ppem * 64.0));
  key.synthBold = bold && !font->resolved_.isBold;
  key.synthItalic = italic && !font->resolved_.isItalic;
  key.rendering = ChooseRendering(lf.lfQuality, ppem);
  key.widenStems = bold && font->resolved_.isBold && BoldStemsLookRegular(key, lf);
  font->face_ = SizedFace::Get(key);
  if (!font->face_) return nullptr;

  const double scale = ppem / design.unitsPerEm;
  FontMetrics& m = font->metrics_;
  if (lf.lfHeight > 0) {
    m.height = lf.lfHeight;
    m.ascent = std::clamp(Round(design.winAscent * scale), 0, m.height);
    m.descent = m.height - m.ascent;
  } else {
    m.ascent = Round(design.winAscent * scale);
    m.descent = Round(design.winDescent * scale);
    int above = 0, below = 0;
    InkReach(*font->face_, above, below);
    m.ascent = std::max(m.ascent, above);
    m.descent = std::max(m.descent, below);
    m.height = m.ascent + m.descent;
  }
  m.internalLeading = std::max(0, m.height - Round(ppem));
  const int hheaCell = design.hheaAscender - design.hheaDescender + design.hheaLineGap;
  m.externalLeading = std::max(0, Round((hheaCell - winCell) * scale));
  m.aveCharWidth = WeightedAverageWidth(*font->face_);
  if (design.fixedPitch || m.aveCharWidth <= 0) {
    m.aveCharWidth = font->face_->Advance(font->face_->GlyphIndex(U'x'));
  }
  if (m.aveCharWidth <= 0) m.aveCharWidth = Round(design.avgCharWidth * scale);
  m.aveCharWidth = std::max(1, m.aveCharWidth);
  m.maxCharWidth = std::max(m.aveCharWidth, Round((design.xMax - design.xMin) * scale));
  if (key.synthBold) m.maxCharWidth += 1;
  m.underlineThickness = std::max(1, Round(design.underlineThickness * scale));
  m.underlineOffset =
      std::clamp(Round(-design.underlinePosition * scale), 1, std::max(1, m.descent - m.underlineThickness + 1));
  m.strikeThickness = std::max(1, Round(design.strikeoutSize * scale));
  m.strikeOffset = std::max(1, Round(design.strikeoutPosition * scale));

  font->angle_ = ((lf.lfEscapement % 3600) + 3600) % 3600;
  return font;
}

std::string Font::FaceName() const {
  return std::string(log_.lfFaceName, strnlen(log_.lfFaceName, LF_FACESIZE));
}

void Font::FillTextMetrics(TEXTMETRICA& tm) const {
  tm = TEXTMETRICA{};
  tm.tmHeight = metrics_.height;
  tm.tmAscent = metrics_.ascent;
  tm.tmDescent = metrics_.descent;
  tm.tmInternalLeading = metrics_.internalLeading;
  tm.tmExternalLeading = metrics_.externalLeading;
  tm.tmAveCharWidth = metrics_.aveCharWidth;
  tm.tmMaxCharWidth = metrics_.maxCharWidth;
  tm.tmWeight = log_.lfWeight == FW_DONTCARE ? FW_NORMAL : log_.lfWeight;
  tm.tmOverhang = 0;
  tm.tmDigitizedAspectX = 96;
  tm.tmDigitizedAspectY = 96;
  tm.tmFirstChar = 0x20;
  tm.tmLastChar = 0xFF;
  tm.tmDefaultChar = 0x1F;
  tm.tmBreakChar = 0x20;
  tm.tmItalic = log_.lfItalic ? 255 : 0;
  tm.tmUnderlined = log_.lfUnderline ? 255 : 0;
  tm.tmStruckOut = log_.lfStrikeOut ? 255 : 0;
  const FaceDesign& design = face_->Design();
  BYTE family = FF_SWISS;
  if (design.fixedPitch)
    family = FF_MODERN;
  else if (resolved_.family.find("Serif") != std::string::npos && resolved_.family.find("Sans") == std::string::npos)
    family = FF_ROMAN;
  // The pitch bit is set for a variable-pitch font, as Windows defines it.
  tm.tmPitchAndFamily = static_cast<BYTE>(family | (design.fixedPitch ? 0 : TMPF_FIXED_PITCH) |
                                          (design.scalable ? TMPF_TRUETYPE | TMPF_VECTOR : 0));
  tm.tmCharSet = log_.lfCharSet == DEFAULT_CHARSET ? ANSI_CHARSET : log_.lfCharSet;
}

}  // namespace win::text
