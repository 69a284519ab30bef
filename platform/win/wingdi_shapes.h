// Regions, clipping, pens, lines, shapes and flood fill of the Windows API
// stand-in.
//
// Regions and clip regions are in device coordinates; every drawing call takes
// logical coordinates and goes through the device context's mapping, clip and
// raster operation like the rest of GDI.
#pragma once

#include "platform/win/windef.h"

struct tagLOGBRUSH;

// Region complexity, as CombineRgn, GetClipBox and friends report it.
#ifndef ERROR
#define ERROR 0
#endif
#define NULLREGION 1
#define SIMPLEREGION 2
#define COMPLEXREGION 3
#define RGN_ERROR ERROR

// CombineRgn / ExtSelectClipRgn modes.
#define RGN_AND 1
#define RGN_OR 2
#define RGN_XOR 3
#define RGN_DIFF 4
#define RGN_COPY 5
#define RGN_MIN RGN_AND
#define RGN_MAX RGN_COPY

// Polygon fill modes (also in wingdi.h, with SetPolyFillMode).
#ifndef ALTERNATE
#define ALTERNATE 1
#define WINDING 2
#endif

// Arc directions.
#define AD_COUNTERCLOCKWISE 1
#define AD_CLOCKWISE 2

// ExtFloodFill.
#define FLOODFILLBORDER 0
#define FLOODFILLSURFACE 1

// Pen styles: the line style in the low bits, end cap, join and type above.
#define PS_SOLID 0
#define PS_DASH 1
#define PS_DOT 2
#define PS_DASHDOT 3
#define PS_DASHDOTDOT 4
#define PS_NULL 5
#define PS_INSIDEFRAME 6
#define PS_USERSTYLE 7
#define PS_ALTERNATE 8
#define PS_STYLE_MASK 0x0000000F
#define PS_ENDCAP_ROUND 0x00000000
#define PS_ENDCAP_SQUARE 0x00000100
#define PS_ENDCAP_FLAT 0x00000200
#define PS_ENDCAP_MASK 0x00000F00
#define PS_JOIN_ROUND 0x00000000
#define PS_JOIN_BEVEL 0x00001000
#define PS_JOIN_MITER 0x00002000
#define PS_JOIN_MASK 0x0000F000
#define PS_COSMETIC 0x00000000
#define PS_GEOMETRIC 0x00010000
#define PS_TYPE_MASK 0x000F0000

typedef struct tagLOGPEN {
  UINT lopnStyle;
  POINT lopnWidth;  // only x counts
  COLORREF lopnColor;
} LOGPEN, *PLOGPEN, *LPLOGPEN;

typedef struct tagEXTLOGPEN {
  DWORD elpPenStyle;
  DWORD elpWidth;
  UINT elpBrushStyle;
  COLORREF elpColor;
  ULONG_PTR elpHatch;
  DWORD elpNumEntries;
  DWORD elpStyleEntry[1];
} EXTLOGPEN, *PEXTLOGPEN, *LPEXTLOGPEN;

// GetRegionData's block: a header, then nCount rectangles.
#define RDH_RECTANGLES 1
typedef struct _RGNDATAHEADER {
  DWORD dwSize;
  DWORD iType;
  DWORD nCount;
  DWORD nRgnSize;
  RECT rcBound;
} RGNDATAHEADER, *PRGNDATAHEADER;
typedef struct _RGNDATA {
  RGNDATAHEADER rdh;
  char Buffer[1];
} RGNDATA, *PRGNDATA, *LPRGNDATA;

// Regions.
HRGN WINAPI CreateRectRgn(int left, int top, int right, int bottom);
HRGN WINAPI CreateRectRgnIndirect(const RECT* rect);
HRGN WINAPI CreateRoundRectRgn(int left, int top, int right, int bottom, int widthEllipse, int heightEllipse);
HRGN WINAPI CreateEllipticRgn(int left, int top, int right, int bottom);
HRGN WINAPI CreateEllipticRgnIndirect(const RECT* rect);
HRGN WINAPI CreatePolygonRgn(const POINT* points, int count, int fillMode);
HRGN WINAPI CreatePolyPolygonRgn(const POINT* points, const INT* counts, int polygons, int fillMode);
int WINAPI CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode);
int WINAPI OffsetRgn(HRGN rgn, int dx, int dy);
BOOL WINAPI PtInRegion(HRGN rgn, int x, int y);
BOOL WINAPI RectInRegion(HRGN rgn, const RECT* rect);
int WINAPI GetRgnBox(HRGN rgn, LPRECT rect);
BOOL WINAPI EqualRgn(HRGN a, HRGN b);
BOOL WINAPI SetRectRgn(HRGN rgn, int left, int top, int right, int bottom);
DWORD WINAPI GetRegionData(HRGN rgn, DWORD size, LPRGNDATA data);
BOOL WINAPI FillRgn(HDC dc, HRGN rgn, HBRUSH brush);
BOOL WINAPI FrameRgn(HDC dc, HRGN rgn, HBRUSH brush, int width, int height);
BOOL WINAPI InvertRgn(HDC dc, HRGN rgn);
BOOL WINAPI PaintRgn(HDC dc, HRGN rgn);

// Clipping. Clip regions are in device coordinates; IntersectClipRect and
// ExcludeClipRect take logical ones.
int WINAPI SelectClipRgn(HDC dc, HRGN rgn);
int WINAPI ExtSelectClipRgn(HDC dc, HRGN rgn, int mode);
int WINAPI IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int WINAPI ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
int WINAPI OffsetClipRgn(HDC dc, int dx, int dy);
int WINAPI GetClipBox(HDC dc, LPRECT rect);
int WINAPI GetClipRgn(HDC dc, HRGN rgn);
BOOL WINAPI PtVisible(HDC dc, int x, int y);
BOOL WINAPI RectVisible(HDC dc, const RECT* rect);

// Pens.
HPEN WINAPI CreatePen(int style, int width, COLORREF color);
HPEN WINAPI CreatePenIndirect(const LOGPEN* logPen);
HPEN WINAPI ExtCreatePen(DWORD style, DWORD width, const struct tagLOGBRUSH* brush, DWORD styleCount,
                         const DWORD* styleEntries);

// Lines and shapes.
BOOL WINAPI MoveToEx(HDC dc, int x, int y, LPPOINT previous);
BOOL WINAPI GetCurrentPositionEx(HDC dc, LPPOINT point);
BOOL WINAPI LineTo(HDC dc, int x, int y);
BOOL WINAPI Polyline(HDC dc, const POINT* points, int count);
BOOL WINAPI PolylineTo(HDC dc, const POINT* points, DWORD count);
BOOL WINAPI PolyPolyline(HDC dc, const POINT* points, const DWORD* counts, DWORD polylines);
BOOL WINAPI Rectangle(HDC dc, int left, int top, int right, int bottom);
BOOL WINAPI RoundRect(HDC dc, int left, int top, int right, int bottom, int width, int height);
BOOL WINAPI Ellipse(HDC dc, int left, int top, int right, int bottom);
BOOL WINAPI Polygon(HDC dc, const POINT* points, int count);
BOOL WINAPI PolyPolygon(HDC dc, const POINT* points, const INT* counts, int polygons);
BOOL WINAPI Arc(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
BOOL WINAPI ArcTo(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
BOOL WINAPI Pie(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
BOOL WINAPI Chord(HDC dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
int WINAPI SetArcDirection(HDC dc, int direction);
int WINAPI GetArcDirection(HDC dc);
BOOL WINAPI ExtFloodFill(HDC dc, int x, int y, COLORREF color, UINT type);
BOOL WINAPI FloodFill(HDC dc, int x, int y, COLORREF color);
