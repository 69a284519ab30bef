// Fonts and text output of the Windows API stand-in: logical fonts, text
// metrics, measuring, TextOut / ExtTextOut, and the user32 text layout calls
// (DrawText, DrawTextEx, GrayString, DrawState) that sit on top of them.
//
// Strings are UTF-8; a byte that does not start a valid UTF-8 sequence stands
// for the Latin-1 character of the same value. Counts are in bytes, and so are
// per-character arrays (lpDx, partial extents): the bytes of one character
// share one entry's worth (the extents repeat, the advances add up).
// Control characters other than tab have no glyph and no width.
//
// Sizes are at 96 dpi. lfHeight < 0 is the em size in pixels, > 0 the cell
// height (ascent + descent), 0 the dialog size (11 pixels). lfWidth is
// ignored; lfOrientation follows lfEscapement. Glyphs below 15 pixels are
// fully hinted one-bit (crisp like the classic desktop), larger ones lightly
// hinted grey; NONANTIALIASED_QUALITY / ANTIALIASED_QUALITY force either.
#pragma once

#include "platform/win/windef.h"

#ifndef LF_FACESIZE
#define LF_FACESIZE 32
#endif

typedef struct tagLOGFONTA {
  LONG lfHeight;
  LONG lfWidth;
  LONG lfEscapement;
  LONG lfOrientation;
  LONG lfWeight;
  BYTE lfItalic;
  BYTE lfUnderline;
  BYTE lfStrikeOut;
  BYTE lfCharSet;
  BYTE lfOutPrecision;
  BYTE lfClipPrecision;
  BYTE lfQuality;
  BYTE lfPitchAndFamily;
  CHAR lfFaceName[LF_FACESIZE];
} LOGFONTA, *PLOGFONTA, *LPLOGFONTA;
typedef LOGFONTA LOGFONT;
typedef const LOGFONTA* LPCLOGFONTA;

typedef struct tagTEXTMETRICA {
  LONG tmHeight;
  LONG tmAscent;
  LONG tmDescent;
  LONG tmInternalLeading;
  LONG tmExternalLeading;
  LONG tmAveCharWidth;
  LONG tmMaxCharWidth;
  LONG tmWeight;
  LONG tmOverhang;
  LONG tmDigitizedAspectX;
  LONG tmDigitizedAspectY;
  BYTE tmFirstChar;
  BYTE tmLastChar;
  BYTE tmDefaultChar;
  BYTE tmBreakChar;
  BYTE tmItalic;
  BYTE tmUnderlined;
  BYTE tmStruckOut;
  BYTE tmPitchAndFamily;
  BYTE tmCharSet;
} TEXTMETRICA, *PTEXTMETRICA, *LPTEXTMETRICA;
typedef TEXTMETRICA TEXTMETRIC;

typedef struct _ABC {
  int abcA;
  UINT abcB;
  int abcC;
} ABC, *PABC, *LPABC;

typedef struct tagDRAWTEXTPARAMS {
  UINT cbSize;
  int iTabLength;
  int iLeftMargin;
  int iRightMargin;
  UINT uiLengthDrawn;
} DRAWTEXTPARAMS, *LPDRAWTEXTPARAMS;

// Weights.
#define FW_DONTCARE 0
#define FW_THIN 100
#define FW_EXTRALIGHT 200
#define FW_ULTRALIGHT 200
#define FW_LIGHT 300
#define FW_NORMAL 400
#define FW_REGULAR 400
#define FW_MEDIUM 500
#define FW_SEMIBOLD 600
#define FW_DEMIBOLD 600
#define FW_BOLD 700
#define FW_EXTRABOLD 800
#define FW_ULTRABOLD 800
#define FW_HEAVY 900
#define FW_BLACK 900

// Character sets.
#define ANSI_CHARSET 0
#define DEFAULT_CHARSET 1
#define SYMBOL_CHARSET 2
#define SHIFTJIS_CHARSET 128
#define HANGUL_CHARSET 129
#define GB2312_CHARSET 134
#define CHINESEBIG5_CHARSET 136
#define GREEK_CHARSET 161
#define TURKISH_CHARSET 162
#define HEBREW_CHARSET 177
#define ARABIC_CHARSET 178
#define BALTIC_CHARSET 186
#define RUSSIAN_CHARSET 204
#define THAI_CHARSET 222
#define EASTEUROPE_CHARSET 238
#define MAC_CHARSET 77
#define OEM_CHARSET 255

// Output and clipping precision, quality.
#define OUT_DEFAULT_PRECIS 0
#define OUT_STRING_PRECIS 1
#define OUT_CHARACTER_PRECIS 2
#define OUT_STROKE_PRECIS 3
#define OUT_TT_PRECIS 4
#define OUT_DEVICE_PRECIS 5
#define OUT_RASTER_PRECIS 6
#define OUT_TT_ONLY_PRECIS 7
#define OUT_OUTLINE_PRECIS 8
#define CLIP_DEFAULT_PRECIS 0
#define CLIP_CHARACTER_PRECIS 1
#define CLIP_STROKE_PRECIS 2
#define CLIP_LH_ANGLES (1 << 4)
#define CLIP_TT_ALWAYS (2 << 4)
#define DEFAULT_QUALITY 0
#define DRAFT_QUALITY 1
#define PROOF_QUALITY 2
#define NONANTIALIASED_QUALITY 3
#define ANTIALIASED_QUALITY 4
#define CLEARTYPE_QUALITY 5

// Pitch and family.
#define DEFAULT_PITCH 0
#define FIXED_PITCH 1
#define VARIABLE_PITCH 2
#define FF_DONTCARE (0 << 4)
#define FF_ROMAN (1 << 4)
#define FF_SWISS (2 << 4)
#define FF_MODERN (3 << 4)
#define FF_SCRIPT (4 << 4)
#define FF_DECORATIVE (5 << 4)

// tmPitchAndFamily bits. TMPF_FIXED_PITCH is set for a VARIABLE-pitch font.
#define TMPF_FIXED_PITCH 0x01
#define TMPF_VECTOR 0x02
#define TMPF_TRUETYPE 0x04
#define TMPF_DEVICE 0x08

// Stock font indexes of GetStockObject.
#ifndef OEM_FIXED_FONT
#define OEM_FIXED_FONT 10
#define ANSI_FIXED_FONT 11
#define ANSI_VAR_FONT 12
#define SYSTEM_FONT 13
#define DEVICE_DEFAULT_FONT 14
#define SYSTEM_FIXED_FONT 16
#define DEFAULT_GUI_FONT 17
#endif

// Text alignment (SetTextAlign).
#ifndef TA_NOUPDATECP
#define TA_NOUPDATECP 0
#define TA_UPDATECP 1
#define TA_LEFT 0
#define TA_RIGHT 2
#define TA_CENTER 6
#define TA_TOP 0
#define TA_BOTTOM 8
#define TA_BASELINE 24
#define TA_RTLREADING 256
#define TA_MASK (TA_BASELINE + TA_CENTER + TA_UPDATECP + TA_RTLREADING)
#endif

// ExtTextOut options.
#define ETO_OPAQUE 0x0002
#define ETO_CLIPPED 0x0004
#define ETO_GLYPH_INDEX 0x0010
#define ETO_RTLREADING 0x0080

// DrawText formats.
#define DT_TOP 0x00000000
#define DT_LEFT 0x00000000
#define DT_CENTER 0x00000001
#define DT_RIGHT 0x00000002
#define DT_VCENTER 0x00000004
#define DT_BOTTOM 0x00000008
#define DT_WORDBREAK 0x00000010
#define DT_SINGLELINE 0x00000020
#define DT_EXPANDTABS 0x00000040
#define DT_TABSTOP 0x00000080
#define DT_NOCLIP 0x00000100
#define DT_EXTERNALLEADING 0x00000200
#define DT_CALCRECT 0x00000400
#define DT_NOPREFIX 0x00000800
#define DT_INTERNAL 0x00001000
#define DT_EDITCONTROL 0x00002000
#define DT_PATH_ELLIPSIS 0x00004000
#define DT_END_ELLIPSIS 0x00008000
#define DT_MODIFYSTRING 0x00010000
#define DT_RTLREADING 0x00020000
#define DT_WORD_ELLIPSIS 0x00040000
#define DT_NOFULLWIDTHCHARBREAK 0x00080000
#define DT_HIDEPREFIX 0x00100000
#define DT_PREFIXONLY 0x00200000

// DrawState kinds and states.
#define DST_COMPLEX 0x0000
#define DST_TEXT 0x0001
#define DST_PREFIXTEXT 0x0002
#define DST_ICON 0x0003
#define DST_BITMAP 0x0004
#define DSS_NORMAL 0x0000
#define DSS_UNION 0x0010
#define DSS_DISABLED 0x0020
#define DSS_MONO 0x0080
#define DSS_HIDEPREFIX 0x0200
#define DSS_PREFIXONLY 0x0400
#define DSS_RIGHT 0x8000

typedef BOOL(CALLBACK* GRAYSTRINGPROC)(HDC hdc, LPARAM lParam, int cchData);
typedef BOOL(CALLBACK* DRAWSTATEPROC)(HDC hdc, LPARAM lData, WPARAM wData, int cx, int cy);

// Fonts. Face names resolve as in platform/win/text/face_resolver.h; the
// font keeps the requested name, which GetTextFaceA reports.
HFONT WINAPI CreateFontIndirectA(const LOGFONTA* lplf);
HFONT WINAPI CreateFontA(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight, DWORD bItalic,
                         DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet, DWORD iOutPrecision, DWORD iClipPrecision,
                         DWORD iQuality, DWORD iPitchAndFamily, LPCSTR pszFaceName);

// Metrics and measuring, in the font selected into the device context.
BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA lptm);
int WINAPI GetTextFaceA(HDC hdc, int c, LPSTR lpName);
BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl);
BOOL WINAPI GetTextExtentPointA(HDC hdc, LPCSTR lpString, int c, LPSIZE lpsz);
BOOL WINAPI GetTextExtentExPointA(HDC hdc, LPCSTR lpszString, int cchString, int nMaxExtent, LPINT lpnFit, LPINT lpnDx,
                                  LPSIZE lpSize);
BOOL WINAPI GetCharWidth32A(HDC hdc, UINT iFirst, UINT iLast, LPINT lpBuffer);
BOOL WINAPI GetCharWidthA(HDC hdc, UINT iFirst, UINT iLast, LPINT lpBuffer);
BOOL WINAPI GetCharABCWidthsA(HDC hdc, UINT wFirst, UINT wLast, LPABC lpABC);

// Output.
BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c);
BOOL WINAPI ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCSTR lpString, UINT c,
                        const INT* lpDx);

// Layout (user32). DT_MODIFYSTRING writes the shortened text back only
// within the text's own bytes (and its terminator when cchText is -1), so a
// text shorter than its ellipsis form comes back cut, never overrun.
// GrayStringA lays every other pixel of the text in the brush's colour;
// DrawStateA supports DST_TEXT, DST_PREFIXTEXT, DST_BITMAP, DST_ICON (drawn
// at its own size) and DST_COMPLEX.
int WINAPI DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format);
int WINAPI DrawTextExA(HDC hdc, LPSTR lpchText, int cchText, LPRECT lprc, UINT format, LPDRAWTEXTPARAMS lpdtp);
BOOL WINAPI GrayStringA(HDC hDC, HBRUSH hBrush, GRAYSTRINGPROC lpOutputFunc, LPARAM lpData, int nCount, int X, int Y,
                        int nWidth, int nHeight);
BOOL WINAPI DrawStateA(HDC hdc, HBRUSH hbrFore, DRAWSTATEPROC qfnCallBack, LPARAM lData, WPARAM wData, int x, int y,
                       int cx, int cy, UINT uFlags);

// The undecorated names are inline functions rather than macros, so that class
// members of the same name (a canvas's TextOut, a helper's CreateFont) stay
// untouched.
inline HFONT CreateFont(int h, int w, int esc, int orient, int weight, DWORD italic, DWORD underline, DWORD strikeOut,
                        DWORD charSet, DWORD outPrecision, DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily,
                        LPCSTR face) {
  return CreateFontA(h, w, esc, orient, weight, italic, underline, strikeOut, charSet, outPrecision, clipPrecision,
                     quality, pitchAndFamily, face);
}
inline HFONT CreateFontIndirect(const LOGFONTA* lplf) {
  return CreateFontIndirectA(lplf);
}
inline BOOL GetTextMetrics(HDC hdc, LPTEXTMETRICA lptm) {
  return GetTextMetricsA(hdc, lptm);
}
inline int GetTextFace(HDC hdc, int c, LPSTR name) {
  return GetTextFaceA(hdc, c, name);
}
inline BOOL GetTextExtentPoint32(HDC hdc, LPCSTR s, int c, LPSIZE size) {
  return GetTextExtentPoint32A(hdc, s, c, size);
}
inline BOOL GetTextExtentPoint(HDC hdc, LPCSTR s, int c, LPSIZE size) {
  return GetTextExtentPointA(hdc, s, c, size);
}
inline BOOL TextOut(HDC hdc, int x, int y, LPCSTR s, int c) {
  return TextOutA(hdc, x, y, s, c);
}
inline BOOL ExtTextOut(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCSTR s, UINT c, const INT* dx) {
  return ExtTextOutA(hdc, x, y, options, rect, s, c, dx);
}
inline int DrawText(HDC hdc, LPCSTR s, int c, LPRECT rect, UINT format) {
  return DrawTextA(hdc, s, c, rect, format);
}
inline int DrawTextEx(HDC hdc, LPSTR s, int c, LPRECT rect, UINT format, LPDRAWTEXTPARAMS params) {
  return DrawTextExA(hdc, s, c, rect, format, params);
}
