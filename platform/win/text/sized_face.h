// One font file at one pixel size with one rendering, and the glyph cache that
// goes with it. Every logical font that resolves to the same file, size and
// style shares one of these.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

namespace win::text {

// Mono rendering is fully hinted and gives the crisp one-pixel stems of the
// classic desktop at dialog sizes; grey is lightly hinted and anti-aliased.
enum class Rendering { Mono, Grey };

struct SizedFaceKey {
  std::string file;
  int index = 0;
  int ppem64 = 0;  // em size in 1/64 pixel
  bool synthBold = false;
  bool synthItalic = false;
  // A bold face whose hinted stems come out no wider than the regular
  // face's at this size gets them one pixel wider, advances unchanged.
  bool widenStems = false;
  Rendering rendering = Rendering::Mono;
  auto Tie() const { return std::tie(file, index, ppem64, synthBold, synthItalic, widenStems, rendering); }
  bool operator<(const SizedFaceKey& other) const { return Tie() < other.Tie(); }
};

// Design-unit figures of the face, scaled by the caller.
struct FaceDesign {
  int unitsPerEm = 2048;
  int winAscent = 0, winDescent = 0;  // positive, below the baseline for descent
  int hheaAscender = 0, hheaDescender = 0, hheaLineGap = 0;  // descender negative
  int avgCharWidth = 0;
  int xMin = 0, xMax = 0;
  int underlinePosition = 0, underlineThickness = 0;  // position negative below baseline
  int strikeoutPosition = 0, strikeoutSize = 0;
  bool fixedPitch = false;
  bool scalable = true;
};

// A rendered glyph: coverage rows (0..255, width bytes each) whose top-left
// lies at (pen.x + left, pen.y - top) on the y-down device.
struct GlyphImage {
  int left = 0, top = 0, width = 0, height = 0;
  std::vector<std::uint8_t> coverage;
};

class SizedFace {
 public:
  // nullptr when the file cannot be opened.
  static std::shared_ptr<SizedFace> Get(const SizedFaceKey& key);
  ~SizedFace();
  SizedFace(const SizedFace&) = delete;
  SizedFace& operator=(const SizedFace&) = delete;

  const SizedFaceKey& Key() const { return key_; }
  const FaceDesign& Design() const { return design_; }
  double Ppem() const { return key_.ppem64 / 64.0; }

  unsigned GlyphIndex(char32_t codePoint);
  bool HasGlyph(char32_t codePoint) { return GlyphIndex(codePoint) != 0; }
  // Advance in whole pixels after hinting: what layout and drawing both use.
  int Advance(unsigned glyph);
  // The glyph rotated anticlockwise by angleTenths tenths of a degree. The
  // reference stays valid for the face's lifetime.
  const GlyphImage& Image(unsigned glyph, int angleTenths);
  // Whole-pixel bounds of the glyph's ink relative to the pen, unrotated:
  // left bearing and right edge (the ABC widths come from these).
  void InkExtent(unsigned glyph, int& inkLeft, int& inkRight);

 private:
  explicit SizedFace(const SizedFaceKey& key);
  bool Open();
  bool LoadGlyph(unsigned glyph, int angleTenths);

  SizedFaceKey key_;
  FaceDesign design_;
  void* face_ = nullptr;  // FT_Face, kept out of this header
  std::mutex mutex_;
  std::unordered_map<char32_t, unsigned> glyphIndexes_;
  std::unordered_map<unsigned, int> advances_;
  std::map<std::pair<unsigned, int>, GlyphImage> images_;
};

}  // namespace win::text
