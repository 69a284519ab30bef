// Metrics and measuring in the font selected into a device context.
#include <algorithm>
#include <cstring>

#include "platform/win/gdi/dc.h"
#include "platform/win/text/font_object.h"
#include "platform/win/text/text_run.h"

namespace {

int CharExtra(HDC hdc) {
  const win::gdi::DeviceContext* dc = win::gdi::LookupDC(hdc);
  return dc ? dc->attr.charExtra : 0;
}

}  // namespace

BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA lptm) {
  if (!lptm || !win::gdi::LookupDC(hdc)) return FALSE;
  const win::text::Font* font = win::text::FontOfDc(hdc);
  if (!font) return FALSE;
  font->FillTextMetrics(*lptm);
  return TRUE;
}

// Returns the characters copied including the terminating NUL, or with no
// buffer the size needed for the whole name.
int WINAPI GetTextFaceA(HDC hdc, int c, LPSTR lpName) {
  if (!win::gdi::LookupDC(hdc)) return 0;
  const win::text::Font* font = win::text::FontOfDc(hdc);
  if (!font) return 0;
  const std::string name = font->FaceName();
  if (!lpName) return static_cast<int>(name.size()) + 1;
  if (c <= 0) return 0;
  const std::size_t copied = std::min<std::size_t>(name.size(), static_cast<std::size_t>(c - 1));
  std::memcpy(lpName, name.data(), copied);
  lpName[copied] = '\0';
  return static_cast<int>(copied) + 1;
}

BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl) {
  if (!psizl || c < 0 || (!lpString && c > 0) || !win::gdi::LookupDC(hdc)) return FALSE;
  const win::text::Font* font = win::text::FontOfDc(hdc);
  if (!font) return FALSE;
  psizl->cx = win::text::RunWidth(*font, std::string_view(lpString ? lpString : "", c), CharExtra(hdc));
  psizl->cy = font->Metrics().height;
  return TRUE;
}

BOOL WINAPI GetTextExtentPointA(HDC hdc, LPCSTR lpString, int c, LPSIZE lpsz) {
  return GetTextExtentPoint32A(hdc, lpString, c, lpsz);
}

// nFit counts the bytes of the whole characters that fit; the partial extents
// are per byte (the bytes of one character share its end). With lpnFit given
// only the fitting entries are written, otherwise all cchString of them.
BOOL WINAPI GetTextExtentExPointA(HDC hdc, LPCSTR lpszString, int cchString, int nMaxExtent, LPINT lpnFit, LPINT lpnDx,
                                  LPSIZE lpSize) {
  if (!lpSize || cchString < 0 || (!lpszString && cchString > 0) || !win::gdi::LookupDC(hdc)) return FALSE;
  const win::text::Font* font = win::text::FontOfDc(hdc);
  if (!font) return FALSE;
  const win::text::TextRun run =
      win::text::LayOutRun(*font, std::string_view(lpszString ? lpszString : "", cchString), CharExtra(hdc));
  int fit = cchString;
  if (lpnFit) {
    fit = 0;
    while (fit < cchString && run.byteExtents[fit] <= nMaxExtent) ++fit;
    // Never end inside a character.
    while (fit > 0 && fit < cchString && run.byteExtents[fit] == run.byteExtents[fit - 1]) --fit;
    *lpnFit = fit;
  }
  if (lpnDx) std::copy(run.byteExtents.begin(), run.byteExtents.begin() + fit, lpnDx);
  lpSize->cx = run.width;
  lpSize->cy = font->Metrics().height;
  return TRUE;
}

// Character codes are taken as Unicode code points (Latin-1 below 256).
BOOL WINAPI GetCharWidth32A(HDC hdc, UINT iFirst, UINT iLast, LPINT lpBuffer) {
  if (!lpBuffer || iLast < iFirst || !win::gdi::LookupDC(hdc)) return FALSE;
  const win::text::Font* font = win::text::FontOfDc(hdc);
  if (!font) return FALSE;
  win::text::SizedFace& face = font->Face();
  for (UINT code = iFirst; code <= iLast; ++code) {
    *lpBuffer++ = face.Advance(face.GlyphIndex(static_cast<char32_t>(code)));
  }
  return TRUE;
}

BOOL WINAPI GetCharWidthA(HDC hdc, UINT iFirst, UINT iLast, LPINT lpBuffer) {
  return GetCharWidth32A(hdc, iFirst, iLast, lpBuffer);
}

BOOL WINAPI GetCharABCWidthsA(HDC hdc, UINT wFirst, UINT wLast, LPABC lpABC) {
  if (!lpABC || wLast < wFirst || !win::gdi::LookupDC(hdc)) return FALSE;
  const win::text::Font* font = win::text::FontOfDc(hdc);
  if (!font) return FALSE;
  win::text::SizedFace& face = font->Face();
  for (UINT code = wFirst; code <= wLast; ++code, ++lpABC) {
    const unsigned glyph = face.GlyphIndex(static_cast<char32_t>(code));
    const int advance = face.Advance(glyph);
    int inkLeft = 0, inkRight = 0;
    face.InkExtent(glyph, inkLeft, inkRight);
    if (inkRight <= inkLeft) {  // no ink: all of it is advance
      *lpABC = ABC{0, static_cast<UINT>(std::max(0, advance)), 0};
      continue;
    }
    *lpABC = ABC{inkLeft, static_cast<UINT>(inkRight - inkLeft), advance - inkRight};
  }
  return TRUE;
}
