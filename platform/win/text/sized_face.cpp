#include "platform/win/text/sized_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include FT_SYNTHESIS_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <numbers>

namespace win::text {
namespace {

std::mutex& LibraryMutex() {
  static std::mutex mutex;
  return mutex;
}

FT_Library Library() {
  static FT_Library library = [] {
    FT_Library lib = nullptr;
    FT_Init_FreeType(&lib);
    return lib;
  }();
  return library;
}

FT_Face AsFace(void* face) {
  return static_cast<FT_Face>(face);
}

FT_Int32 LoadFlags(Rendering rendering) {
  return rendering == Rendering::Mono ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_LIGHT;
}

// The slant a synthesised italic gets: about 12 degrees, like most obliques.
constexpr double kObliqueShear = 0.2;

}  // namespace

std::shared_ptr<SizedFace> SizedFace::Get(const SizedFaceKey& key) {
  static std::mutex mutex;
  static std::map<SizedFaceKey, std::shared_ptr<SizedFace>> faces;
  std::lock_guard lock(mutex);
  if (auto it = faces.find(key); it != faces.end()) return it->second;
  std::shared_ptr<SizedFace> face(new SizedFace(key));
  if (!face->Open()) return nullptr;
  faces[key] = face;
  return face;
}

SizedFace::SizedFace(const SizedFaceKey& key) : key_(key) {}

SizedFace::~SizedFace() {
  if (face_) {
    std::lock_guard lock(LibraryMutex());
    FT_Done_Face(AsFace(face_));
  }
}

bool SizedFace::Open() {
  FT_Face face = nullptr;
  {
    std::lock_guard lock(LibraryMutex());
    if (FT_New_Face(Library(), key_.file.c_str(), key_.index, &face) != 0) return false;
  }
  face_ = face;
  FT_Set_Char_Size(face, 0, key_.ppem64, 72, 72);
  design_.unitsPerEm = face->units_per_EM ? face->units_per_EM : 2048;
  design_.scalable = FT_IS_SCALABLE(face);
  design_.fixedPitch = FT_IS_FIXED_WIDTH(face);
  design_.hheaAscender = face->ascender;
  design_.hheaDescender = face->descender;
  design_.hheaLineGap = face->height - (face->ascender - face->descender);
  design_.xMin = face->bbox.xMin;
  design_.xMax = face->bbox.xMax;
  design_.underlinePosition = face->underline_position;
  design_.underlineThickness = face->underline_thickness;
  design_.winAscent = face->ascender;
  design_.winDescent = -face->descender;
  design_.avgCharWidth = design_.unitsPerEm / 2;
  design_.strikeoutPosition = design_.unitsPerEm / 4;
  design_.strikeoutSize = design_.underlineThickness;
  if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2))) {
    if (os2->usWinAscent + os2->usWinDescent > 0) {
      design_.winAscent = os2->usWinAscent;
      design_.winDescent = os2->usWinDescent;
    }
    if (os2->xAvgCharWidth > 0) design_.avgCharWidth = os2->xAvgCharWidth;
    if (os2->yStrikeoutSize > 0) {
      design_.strikeoutPosition = os2->yStrikeoutPosition;
      design_.strikeoutSize = os2->yStrikeoutSize;
    }
  }
  if (design_.underlineThickness <= 0) design_.underlineThickness = design_.unitsPerEm / 20;
  if (design_.strikeoutSize <= 0) design_.strikeoutSize = design_.underlineThickness;
  return true;
}

unsigned SizedFace::GlyphIndex(char32_t codePoint) {
  std::lock_guard lock(mutex_);
  if (auto it = glyphIndexes_.find(codePoint); it != glyphIndexes_.end()) return it->second;
  const unsigned index = FT_Get_Char_Index(AsFace(face_), codePoint);
  glyphIndexes_[codePoint] = index;
  return index;
}

bool SizedFace::LoadGlyph(unsigned glyph, int angleTenths) {
  FT_Face face = AsFace(face_);
  const double radians = angleTenths * std::numbers::pi / 1800.0;
  const double c = std::cos(radians), s = std::sin(radians);
  const double shear = key_.synthItalic ? kObliqueShear : 0.0;
  // Rotation (anticlockwise on screen, which is anticlockwise in FreeType's
  // y-up space too) after the italic shear.
  FT_Matrix matrix;
  matrix.xx = static_cast<FT_Fixed>(std::lround(c * 65536.0));
  matrix.xy = static_cast<FT_Fixed>(std::lround((c * shear - s) * 65536.0));
  matrix.yx = static_cast<FT_Fixed>(std::lround(s * 65536.0));
  matrix.yy = static_cast<FT_Fixed>(std::lround((s * shear + c) * 65536.0));
  FT_Set_Transform(face, &matrix, nullptr);
  if (FT_Load_Glyph(face, glyph, LoadFlags(key_.rendering)) != 0) return false;
  if (key_.synthBold && face->glyph->format == FT_GLYPH_FORMAT_OUTLINE) {
    FT_GlyphSlot_Embolden(face->glyph);
  }
  if (key_.widenStems && face->glyph->format == FT_GLYPH_FORMAT_OUTLINE) {
    // Half a pixel wider in all, moved right by half of that so the hinted
    // left edges stay put: a one-pixel stem then covers two pixels.
    FT_Outline_EmboldenXY(&face->glyph->outline, 32, 0);
    FT_Outline_Translate(&face->glyph->outline, 16, 0);
  }
  return true;
}

int SizedFace::Advance(unsigned glyph) {
  std::lock_guard lock(mutex_);
  if (auto it = advances_.find(glyph); it != advances_.end()) return it->second;
  int advance = 0;
  std::lock_guard libraryLock(LibraryMutex());
  if (LoadGlyph(glyph, 0)) advance = static_cast<int>((AsFace(face_)->glyph->advance.x + 32) >> 6);
  advances_[glyph] = advance;
  return advance;
}

void SizedFace::InkExtent(unsigned glyph, int& inkLeft, int& inkRight) {
  const GlyphImage& image = Image(glyph, 0);
  // The bitmap may carry empty columns; only covered ones count as ink.
  int first = image.width, last = -1;
  for (int y = 0; y < image.height; ++y) {
    const std::uint8_t* row = image.coverage.data() + static_cast<std::size_t>(y) * image.width;
    for (int x = 0; x < image.width; ++x) {
      if (!row[x]) continue;
      first = std::min(first, x);
      last = std::max(last, x);
    }
  }
  if (last < 0) {
    inkLeft = inkRight = 0;
    return;
  }
  inkLeft = image.left + first;
  inkRight = image.left + last + 1;
}

const GlyphImage& SizedFace::Image(unsigned glyph, int angleTenths) {
  std::lock_guard lock(mutex_);
  const auto key = std::make_pair(glyph, angleTenths);
  if (auto it = images_.find(key); it != images_.end()) return it->second;
  GlyphImage& image = images_[key];
  std::lock_guard libraryLock(LibraryMutex());
  if (!LoadGlyph(glyph, angleTenths)) return image;
  FT_GlyphSlot slot = AsFace(face_)->glyph;
  const bool mono = key_.rendering == Rendering::Mono;
  if (FT_Render_Glyph(slot, mono ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) != 0) return image;
  const FT_Bitmap& bitmap = slot->bitmap;
  image.left = slot->bitmap_left;
  image.top = slot->bitmap_top;
  image.width = static_cast<int>(bitmap.width);
  image.height = static_cast<int>(bitmap.rows);
  image.coverage.assign(static_cast<std::size_t>(image.width) * image.height, 0);
  for (int y = 0; y < image.height; ++y) {
    const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
    for (int x = 0; x < image.width; ++x) {
      std::uint8_t value;
      if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
        value = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
      } else if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY && bitmap.num_grays == 256) {
        value = row[x];
      } else {
        value = row[x] ? 255 : 0;
      }
      image.coverage[static_cast<std::size_t>(y) * image.width + x] = value;
    }
  }
  return image;
}

}  // namespace win::text
