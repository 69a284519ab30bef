// CreateFontIndirectA and CreateFontA.
#include <cstring>

#include "platform/win/text/font_object.h"

HFONT WINAPI CreateFontIndirectA(const LOGFONTA* lplf) {
  if (!lplf) return nullptr;
  return win::text::MakeFontObject(*lplf);
}

HFONT WINAPI CreateFontA(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight, DWORD bItalic,
                         DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet, DWORD iOutPrecision, DWORD iClipPrecision,
                         DWORD iQuality, DWORD iPitchAndFamily, LPCSTR pszFaceName) {
  LOGFONTA lf{};
  lf.lfHeight = cHeight;
  lf.lfWidth = cWidth;
  lf.lfEscapement = cEscapement;
  lf.lfOrientation = cOrientation;
  lf.lfWeight = cWeight;
  lf.lfItalic = static_cast<BYTE>(bItalic ? 1 : 0);
  lf.lfUnderline = static_cast<BYTE>(bUnderline ? 1 : 0);
  lf.lfStrikeOut = static_cast<BYTE>(bStrikeOut ? 1 : 0);
  lf.lfCharSet = static_cast<BYTE>(iCharSet);
  lf.lfOutPrecision = static_cast<BYTE>(iOutPrecision);
  lf.lfClipPrecision = static_cast<BYTE>(iClipPrecision);
  lf.lfQuality = static_cast<BYTE>(iQuality);
  lf.lfPitchAndFamily = static_cast<BYTE>(iPitchAndFamily);
  if (pszFaceName) std::strncpy(lf.lfFaceName, pszFaceName, LF_FACESIZE - 1);
  return CreateFontIndirectA(&lf);
}
