// A logical font (what CreateFontIndirectA was given) resolved to a sized
// face, with the Windows-style metrics derived from it. Immutable once made;
// the GDI font object holds one.
#pragma once

#include <memory>
#include <string>

#include "platform/win/text/face_resolver.h"
#include "platform/win/text/sized_face.h"
#include "platform/win/wingdi_font.h"

namespace win::text {

// Pixel metrics of a font, y-down. Lines are given relative to the baseline:
// underlineOffset is below it (positive), strikeOffset above it (positive).
struct FontMetrics {
  int height = 0, ascent = 0, descent = 0;
  int internalLeading = 0, externalLeading = 0;
  int aveCharWidth = 0, maxCharWidth = 0;
  int underlineOffset = 0, underlineThickness = 1;
  int strikeOffset = 0, strikeThickness = 1;
};

// The em size a request of lfHeight 0 gets: 8 points at 96 dpi, the dialog size.
constexpr int kDefaultEmPixels = 11;

class Font {
 public:
  // Never fails: an unknown face falls back, a missing file falls back to the
  // last-resort face. Returns nullptr only when no font file opens at all.
  static std::shared_ptr<const Font> Create(const LOGFONTA& logFont);

  const LOGFONTA& Log() const { return log_; }
  // The requested face name, as GetTextFaceA reports it.
  std::string FaceName() const;
  const FontMetrics& Metrics() const { return metrics_; }
  const ResolvedFace& Resolved() const { return resolved_; }
  SizedFace& Face() const { return *face_; }
  // Escapement in tenths of a degree, normalised to 0..3599.
  int Angle() const { return angle_; }
  bool Bold() const { return log_.lfWeight >= FW_SEMIBOLD; }
  void FillTextMetrics(TEXTMETRICA& tm) const;

 private:
  Font() = default;
  LOGFONTA log_{};
  ResolvedFace resolved_;
  std::shared_ptr<SizedFace> face_;
  FontMetrics metrics_;
  int angle_ = 0;
};

}  // namespace win::text
