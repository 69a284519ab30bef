// GDI of the Windows API stand-in: device contexts, objects, brushes,
// bitmaps, palettes and blits. Fonts and text are declared in wingdi_font.h,
// regions, pens and shapes in wingdi_shapes.h; both are included below.
#pragma once
#include "platform/win/windef.h"

// ---- structures ---------------------------------------------------------

typedef struct tagRGBQUAD {
  BYTE rgbBlue;
  BYTE rgbGreen;
  BYTE rgbRed;
  BYTE rgbReserved;
} RGBQUAD, *LPRGBQUAD;

typedef struct tagRGBTRIPLE {
  BYTE rgbtBlue;
  BYTE rgbtGreen;
  BYTE rgbtRed;
} RGBTRIPLE;

typedef struct tagBITMAP {
  LONG bmType;
  LONG bmWidth;
  LONG bmHeight;
  LONG bmWidthBytes;
  WORD bmPlanes;
  WORD bmBitsPixel;
  LPVOID bmBits;
} BITMAP, *PBITMAP, *LPBITMAP;

typedef struct tagBITMAPCOREHEADER {
  DWORD bcSize;
  WORD bcWidth;
  WORD bcHeight;
  WORD bcPlanes;
  WORD bcBitCount;
} BITMAPCOREHEADER;

typedef struct tagBITMAPINFOHEADER {
  DWORD biSize;
  LONG biWidth;
  LONG biHeight;
  WORD biPlanes;
  WORD biBitCount;
  DWORD biCompression;
  DWORD biSizeImage;
  LONG biXPelsPerMeter;
  LONG biYPelsPerMeter;
  DWORD biClrUsed;
  DWORD biClrImportant;
} BITMAPINFOHEADER, *PBITMAPINFOHEADER, *LPBITMAPINFOHEADER;

typedef struct tagBITMAPINFO {
  BITMAPINFOHEADER bmiHeader;
  RGBQUAD bmiColors[1];
} BITMAPINFO, *PBITMAPINFO, *LPBITMAPINFO;

#pragma pack(push, 2)
typedef struct tagBITMAPFILEHEADER {
  WORD bfType;
  DWORD bfSize;
  WORD bfReserved1;
  WORD bfReserved2;
  DWORD bfOffBits;
} BITMAPFILEHEADER, *PBITMAPFILEHEADER, *LPBITMAPFILEHEADER;
#pragma pack(pop)

typedef struct tagDIBSECTION {
  BITMAP dsBm;
  BITMAPINFOHEADER dsBmih;
  DWORD dsBitfields[3];
  HANDLE dshSection;
  DWORD dsOffset;
} DIBSECTION, *PDIBSECTION, *LPDIBSECTION;

typedef struct tagPALETTEENTRY {
  BYTE peRed;
  BYTE peGreen;
  BYTE peBlue;
  BYTE peFlags;
} PALETTEENTRY, *PPALETTEENTRY, *LPPALETTEENTRY;

typedef struct tagLOGPALETTE {
  WORD palVersion;
  WORD palNumEntries;
  PALETTEENTRY palPalEntry[1];
} LOGPALETTE, *PLOGPALETTE, *LPLOGPALETTE;

typedef struct tagLOGBRUSH {
  UINT lbStyle;
  COLORREF lbColor;
  ULONG_PTR lbHatch;
} LOGBRUSH, *PLOGBRUSH, *LPLOGBRUSH;

static_assert(sizeof(BITMAPFILEHEADER) == 14, "BITMAPFILEHEADER is packed");
static_assert(sizeof(BITMAPINFOHEADER) == 40, "BITMAPINFOHEADER layout");
static_assert(sizeof(RGBQUAD) == 4, "RGBQUAD layout");

// ---- constants ----------------------------------------------------------

// GetObjectType
#define OBJ_PEN 1
#define OBJ_BRUSH 2
#define OBJ_DC 3
#define OBJ_METADC 4
#define OBJ_PAL 5
#define OBJ_FONT 6
#define OBJ_BITMAP 7
#define OBJ_REGION 8
#define OBJ_METAFILE 9
#define OBJ_MEMDC 10
#define OBJ_EXTPEN 11
#define OBJ_ENHMETADC 12
#define OBJ_ENHMETAFILE 13

// GetStockObject (the font indexes are in wingdi_font.h)
#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define HOLLOW_BRUSH NULL_BRUSH
#define WHITE_PEN 6
#define BLACK_PEN 7
#define NULL_PEN 8
#define DEFAULT_PALETTE 15
#define DC_BRUSH 18
#define DC_PEN 19

// Binary raster operations
#define R2_BLACK 1
#define R2_NOTMERGEPEN 2
#define R2_MASKNOTPEN 3
#define R2_NOTCOPYPEN 4
#define R2_MASKPENNOT 5
#define R2_NOT 6
#define R2_XORPEN 7
#define R2_NOTMASKPEN 8
#define R2_MASKPEN 9
#define R2_NOTXORPEN 10
#define R2_NOP 11
#define R2_MERGENOTPEN 12
#define R2_COPYPEN 13
#define R2_MERGEPENNOT 14
#define R2_MERGEPEN 15
#define R2_WHITE 16
#define R2_LAST 16

// Ternary raster operations
#define SRCCOPY ((DWORD)0x00CC0020)
#define SRCPAINT ((DWORD)0x00EE0086)
#define SRCAND ((DWORD)0x008800C6)
#define SRCINVERT ((DWORD)0x00660046)
#define SRCERASE ((DWORD)0x00440328)
#define NOTSRCCOPY ((DWORD)0x00330008)
#define NOTSRCERASE ((DWORD)0x001100A6)
#define MERGECOPY ((DWORD)0x00C000CA)
#define MERGEPAINT ((DWORD)0x00BB0226)
#define PATCOPY ((DWORD)0x00F00021)
#define PATPAINT ((DWORD)0x00FB0A09)
#define PATINVERT ((DWORD)0x005A0049)
#define DSTINVERT ((DWORD)0x00550009)
#define BLACKNESS ((DWORD)0x00000042)
#define WHITENESS ((DWORD)0x00FF0062)
#define NOMIRRORBITMAP ((DWORD)0x80000000)
#define CAPTUREBLT ((DWORD)0x40000000)
#define MAKEROP4(fore, back) ((DWORD)((((back) << 8) & 0xFF000000) | (fore)))

// Background modes
#define TRANSPARENT 1
#define OPAQUE 2

// Stretch modes
#define BLACKONWHITE 1
#define WHITEONBLACK 2
#define COLORONCOLOR 3
#define HALFTONE 4
#define STRETCH_ANDSCANS 1
#define STRETCH_ORSCANS 2
#define STRETCH_DELETESCANS 3
#define STRETCH_HALFTONE 4

// Polygon fill modes
#define ALTERNATE 1
#define WINDING 2

// Mapping modes: only MM_TEXT is drawn.
#define MM_TEXT 1

// Brush styles and hatches
#define BS_SOLID 0
#define BS_NULL 1
#define BS_HOLLOW BS_NULL
#define BS_HATCHED 2
#define BS_PATTERN 3
#define BS_INDEXED 4
#define BS_DIBPATTERN 5
#define BS_DIBPATTERNPT 6
#define BS_PATTERN8X8 7
#define BS_DIBPATTERN8X8 8
#define HS_HORIZONTAL 0
#define HS_VERTICAL 1
#define HS_FDIAGONAL 2
#define HS_BDIAGONAL 3
#define HS_CROSS 4
#define HS_DIAGCROSS 5

// Bitmaps
#define BI_RGB 0
#define BI_RLE8 1
#define BI_RLE4 2
#define BI_BITFIELDS 3
#define BI_JPEG 4
#define BI_PNG 5
#define DIB_RGB_COLORS 0
#define DIB_PAL_COLORS 1
#define CBM_INIT 0x04

// Palettes
#define PC_RESERVED 0x01
#define PC_EXPLICIT 0x02
#define PC_NOCOLLAPSE 0x04

// GetDeviceCaps
#define DRIVERVERSION 0
#define TECHNOLOGY 2
#define HORZSIZE 4
#define VERTSIZE 6
#define HORZRES 8
#define VERTRES 10
#define BITSPIXEL 12
#define PLANES 14
#define NUMBRUSHES 16
#define NUMPENS 18
#define NUMMARKERS 20
#define NUMFONTS 22
#define NUMCOLORS 24
#define PDEVICESIZE 26
#define CURVECAPS 28
#define LINECAPS 30
#define POLYGONALCAPS 32
#define TEXTCAPS 34
#define CLIPCAPS 36
#define RASTERCAPS 38
#define ASPECTX 40
#define ASPECTY 42
#define ASPECTXY 44
#define LOGPIXELSX 88
#define LOGPIXELSY 90
#define SIZEPALETTE 104
#define NUMRESERVED 106
#define COLORRES 108
#define VREFRESH 116
#define DESKTOPVERTRES 117
#define DESKTOPHORZRES 118
#define BLTALIGNMENT 119
#define DT_PLOTTER 0
#define DT_RASDISPLAY 1
#define DT_RASPRINTER 2
#define CP_NONE 0
#define CP_RECTANGLE 1
#define CP_REGION 2
#define RC_BITBLT 0x0001
#define RC_BANDING 0x0002
#define RC_SCALING 0x0004
#define RC_BITMAP64 0x0008
#define RC_GDI20_OUTPUT 0x0010
#define RC_DI_BITMAP 0x0080
#define RC_PALETTE 0x0100
#define RC_DIBTODEV 0x0200
#define RC_STRETCHBLT 0x0800
#define RC_FLOODFILL 0x1000
#define RC_STRETCHDIB 0x2000

#define CLR_INVALID ((COLORREF)0xFFFFFFFF)
#define GDI_ERROR ((DWORD)0xFFFFFFFF)
#define HGDI_ERROR ((HGDIOBJ)(LONG_PTR)-1)

// ---- device contexts ----------------------------------------------------

HDC WINAPI CreateCompatibleDC(HDC hdc);
// Only the driver "DISPLAY" is known; the other arguments are ignored.
HDC WINAPI CreateDCA(LPCSTR driver, LPCSTR device, LPCSTR output, const void* initData);
BOOL WINAPI DeleteDC(HDC hdc);
int WINAPI SaveDC(HDC hdc);
BOOL WINAPI RestoreDC(HDC hdc, int savedDC);
int WINAPI SetMapMode(HDC hdc, int mode);
int WINAPI GetMapMode(HDC hdc);
BOOL WINAPI SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT old);
BOOL WINAPI GetWindowOrgEx(HDC hdc, LPPOINT point);
BOOL WINAPI SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT old);
BOOL WINAPI GetViewportOrgEx(HDC hdc, LPPOINT point);
BOOL WINAPI OffsetWindowOrgEx(HDC hdc, int dx, int dy, LPPOINT old);
BOOL WINAPI OffsetViewportOrgEx(HDC hdc, int dx, int dy, LPPOINT old);
BOOL WINAPI SetBrushOrgEx(HDC hdc, int x, int y, LPPOINT old);
BOOL WINAPI GetBrushOrgEx(HDC hdc, LPPOINT point);
BOOL WINAPI LPtoDP(HDC hdc, LPPOINT points, int count);
BOOL WINAPI DPtoLP(HDC hdc, LPPOINT points, int count);
int WINAPI GetDeviceCaps(HDC hdc, int index);
BOOL WINAPI GdiFlush();

// ---- objects ------------------------------------------------------------

HGDIOBJ WINAPI GetStockObject(int index);
HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ object);
BOOL WINAPI DeleteObject(HGDIOBJ object);
HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type);
int WINAPI GetObjectA(HGDIOBJ object, int size, LPVOID buffer);
// A function, not a macro, so that class methods named GetObject stay themselves.
inline int GetObject(HGDIOBJ object, int size, LPVOID buffer) {
  return GetObjectA(object, size, buffer);
}
DWORD WINAPI GetObjectType(HGDIOBJ object);
BOOL WINAPI UnrealizeObject(HGDIOBJ object);

// ---- attributes ---------------------------------------------------------

int WINAPI SetROP2(HDC hdc, int rop2);
int WINAPI GetROP2(HDC hdc);
int WINAPI SetBkMode(HDC hdc, int mode);
int WINAPI GetBkMode(HDC hdc);
COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color);
COLORREF WINAPI GetBkColor(HDC hdc);
COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color);
COLORREF WINAPI GetTextColor(HDC hdc);
UINT WINAPI SetTextAlign(HDC hdc, UINT align);
UINT WINAPI GetTextAlign(HDC hdc);
int WINAPI SetTextCharacterExtra(HDC hdc, int extra);
int WINAPI GetTextCharacterExtra(HDC hdc);
int WINAPI SetStretchBltMode(HDC hdc, int mode);
int WINAPI GetStretchBltMode(HDC hdc);
int WINAPI SetPolyFillMode(HDC hdc, int mode);
int WINAPI GetPolyFillMode(HDC hdc);
COLORREF WINAPI SetDCBrushColor(HDC hdc, COLORREF color);
COLORREF WINAPI GetDCBrushColor(HDC hdc);
COLORREF WINAPI SetDCPenColor(HDC hdc, COLORREF color);
COLORREF WINAPI GetDCPenColor(HDC hdc);

// ---- brushes ------------------------------------------------------------

HBRUSH WINAPI CreateSolidBrush(COLORREF color);
HBRUSH WINAPI CreateHatchBrush(int hatch, COLORREF color);
HBRUSH WINAPI CreatePatternBrush(HBITMAP bitmap);
HBRUSH WINAPI CreateBrushIndirect(const LOGBRUSH* logBrush);
HBRUSH WINAPI CreateDIBPatternBrushPt(const void* packedDib, UINT usage);

// ---- blits --------------------------------------------------------------

BOOL WINAPI BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop);
BOOL WINAPI StretchBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                       int srcHeight, DWORD rop);
BOOL WINAPI PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop);
BOOL WINAPI MaskBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, HBITMAP mask, int maskX,
                    int maskY, DWORD rop4);

// ---- bitmaps ------------------------------------------------------------

HBITMAP WINAPI CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
HBITMAP WINAPI CreateBitmapIndirect(const BITMAP* bitmap);
HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int width, int height);
HBITMAP WINAPI CreateDIBSection(HDC hdc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD offset);
HBITMAP WINAPI CreateDIBitmap(HDC hdc, const BITMAPINFOHEADER* header, DWORD init, const void* bits,
                              const BITMAPINFO* info, UINT usage);
int WINAPI GetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, LPVOID bits, LPBITMAPINFO info, UINT usage);
int WINAPI SetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, const void* bits, const BITMAPINFO* info,
                     UINT usage);
int WINAPI SetDIBitsToDevice(HDC hdc, int x, int y, DWORD width, DWORD height, int srcX, int srcY, UINT startScan,
                             UINT lines, const void* bits, const BITMAPINFO* info, UINT usage);
int WINAPI StretchDIBits(HDC hdc, int x, int y, int width, int height, int srcX, int srcY, int srcWidth, int srcHeight,
                         const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop);
LONG WINAPI GetBitmapBits(HBITMAP bitmap, LONG size, LPVOID bits);
LONG WINAPI SetBitmapBits(HBITMAP bitmap, DWORD size, const void* bits);
BOOL WINAPI GetBitmapDimensionEx(HBITMAP bitmap, LPSIZE size);
BOOL WINAPI SetBitmapDimensionEx(HBITMAP bitmap, int width, int height, LPSIZE old);
COLORREF WINAPI GetPixel(HDC hdc, int x, int y);
COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color);
BOOL WINAPI SetPixelV(HDC hdc, int x, int y, COLORREF color);

// ---- palettes -----------------------------------------------------------

HPALETTE WINAPI CreatePalette(const LOGPALETTE* logPalette);
HPALETTE WINAPI CreateHalftonePalette(HDC hdc);
HPALETTE WINAPI SelectPalette(HDC hdc, HPALETTE palette, BOOL forceBackground);
UINT WINAPI RealizePalette(HDC hdc);
UINT WINAPI GetNearestPaletteIndex(HPALETTE palette, COLORREF color);
UINT WINAPI GetPaletteEntries(HPALETTE palette, UINT start, UINT count, LPPALETTEENTRY entries);
UINT WINAPI SetPaletteEntries(HPALETTE palette, UINT start, UINT count, const PALETTEENTRY* entries);
UINT WINAPI GetSystemPaletteEntries(HDC hdc, UINT start, UINT count, LPPALETTEENTRY entries);
COLORREF WINAPI GetNearestColor(HDC hdc, COLORREF color);

#include "platform/win/wingdi_shapes.h"
#include "platform/win/wingdi_font.h"
