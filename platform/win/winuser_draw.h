// The user32 drawing helpers of the Windows API stand-in: system colours,
// rectangle arithmetic, rectangle fills and frames, 3D edges, frame controls,
// icons and cursors, and loading pictures.
//
// The system colours are one fixed classic grey scheme; nothing changes them.
#pragma once

#include "platform/win/windef.h"

// ---------------------------------------------------------------- system colours
#define COLOR_SCROLLBAR 0
#define COLOR_BACKGROUND 1
#define COLOR_DESKTOP COLOR_BACKGROUND
#define COLOR_ACTIVECAPTION 2
#define COLOR_INACTIVECAPTION 3
#define COLOR_MENU 4
#define COLOR_WINDOW 5
#define COLOR_WINDOWFRAME 6
#define COLOR_MENUTEXT 7
#define COLOR_WINDOWTEXT 8
#define COLOR_CAPTIONTEXT 9
#define COLOR_ACTIVEBORDER 10
#define COLOR_INACTIVEBORDER 11
#define COLOR_APPWORKSPACE 12
#define COLOR_HIGHLIGHT 13
#define COLOR_HIGHLIGHTTEXT 14
#define COLOR_BTNFACE 15
#define COLOR_3DFACE COLOR_BTNFACE
#define COLOR_BTNSHADOW 16
#define COLOR_3DSHADOW COLOR_BTNSHADOW
#define COLOR_GRAYTEXT 17
#define COLOR_BTNTEXT 18
#define COLOR_INACTIVECAPTIONTEXT 19
#define COLOR_BTNHIGHLIGHT 20
#define COLOR_BTNHILIGHT COLOR_BTNHIGHLIGHT
#define COLOR_3DHIGHLIGHT COLOR_BTNHIGHLIGHT
#define COLOR_3DHILIGHT COLOR_BTNHIGHLIGHT
#define COLOR_3DDKSHADOW 21
#define COLOR_3DLIGHT 22
#define COLOR_INFOTEXT 23
#define COLOR_INFOBK 24
#define COLOR_HOTLIGHT 26
#define COLOR_GRADIENTACTIVECAPTION 27
#define COLOR_GRADIENTINACTIVECAPTION 28
#define COLOR_MENUHILIGHT 29
#define COLOR_MENUBAR 30

// Indexes 0..30; any other index gives 0.
DWORD WINAPI GetSysColor(int index);
// A solid brush of the colour, owned by the system (DeleteObject ignores it);
// nullptr for an index outside 0..30.
HBRUSH WINAPI GetSysColorBrush(int index);

// ---------------------------------------------------------------- rectangles
BOOL WINAPI SetRect(LPRECT rect, int left, int top, int right, int bottom);
BOOL WINAPI SetRectEmpty(LPRECT rect);
BOOL WINAPI CopyRect(LPRECT dest, const RECT* src);
BOOL WINAPI InflateRect(LPRECT rect, int dx, int dy);
BOOL WINAPI OffsetRect(LPRECT rect, int dx, int dy);
// The intersection; an empty result is set to all zero and returns FALSE.
BOOL WINAPI IntersectRect(LPRECT dest, const RECT* a, const RECT* b);
// The bounding rectangle of the non-empty ones; FALSE (and all zero) when both are empty.
BOOL WINAPI UnionRect(LPRECT dest, const RECT* a, const RECT* b);
// a without b, when b cuts a whole side off a; otherwise a. FALSE when the result is empty.
BOOL WINAPI SubtractRect(LPRECT dest, const RECT* a, const RECT* b);
BOOL WINAPI EqualRect(const RECT* a, const RECT* b);
BOOL WINAPI IsRectEmpty(const RECT* rect);
BOOL WINAPI PtInRect(const RECT* rect, POINT point);

// ---------------------------------------------------------------- fills and frames
// brush may be a system colour index + 1 cast to HBRUSH, as window classes use it.
int WINAPI FillRect(HDC dc, const RECT* rect, HBRUSH brush);
int WINAPI FrameRect(HDC dc, const RECT* rect, HBRUSH brush);
BOOL WINAPI InvertRect(HDC dc, const RECT* rect);
// A dotted frame drawn by inverting: drawing it again restores the pixels.
BOOL WINAPI DrawFocusRect(HDC dc, const RECT* rect);

// ---------------------------------------------------------------- 3D edges
#define BDR_RAISEDOUTER 0x0001
#define BDR_SUNKENOUTER 0x0002
#define BDR_RAISEDINNER 0x0004
#define BDR_SUNKENINNER 0x0008
#define BDR_OUTER (BDR_RAISEDOUTER | BDR_SUNKENOUTER)
#define BDR_INNER (BDR_RAISEDINNER | BDR_SUNKENINNER)
#define BDR_RAISED (BDR_RAISEDOUTER | BDR_RAISEDINNER)
#define BDR_SUNKEN (BDR_SUNKENOUTER | BDR_SUNKENINNER)
#define EDGE_RAISED (BDR_RAISEDOUTER | BDR_RAISEDINNER)
#define EDGE_SUNKEN (BDR_SUNKENOUTER | BDR_SUNKENINNER)
#define EDGE_ETCHED (BDR_SUNKENOUTER | BDR_RAISEDINNER)
#define EDGE_BUMP (BDR_RAISEDOUTER | BDR_SUNKENINNER)

#define BF_LEFT 0x0001
#define BF_TOP 0x0002
#define BF_RIGHT 0x0004
#define BF_BOTTOM 0x0008
#define BF_TOPLEFT (BF_TOP | BF_LEFT)
#define BF_TOPRIGHT (BF_TOP | BF_RIGHT)
#define BF_BOTTOMLEFT (BF_BOTTOM | BF_LEFT)
#define BF_BOTTOMRIGHT (BF_BOTTOM | BF_RIGHT)
#define BF_RECT (BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM)
#define BF_DIAGONAL 0x0010
#define BF_DIAGONAL_ENDTOPRIGHT (BF_DIAGONAL | BF_TOP | BF_RIGHT)
#define BF_DIAGONAL_ENDTOPLEFT (BF_DIAGONAL | BF_TOP | BF_LEFT)
#define BF_DIAGONAL_ENDBOTTOMLEFT (BF_DIAGONAL | BF_BOTTOM | BF_LEFT)
#define BF_DIAGONAL_ENDBOTTOMRIGHT (BF_DIAGONAL | BF_BOTTOM | BF_RIGHT)
#define BF_MIDDLE 0x0800
#define BF_SOFT 0x1000
#define BF_ADJUST 0x2000
#define BF_FLAT 0x4000
#define BF_MONO 0x8000

// With BF_ADJUST the rectangle shrinks by the drawn sides' edges.
BOOL WINAPI DrawEdge(HDC dc, LPRECT rect, UINT edge, UINT flags);

// ---------------------------------------------------------------- frame controls
#define DFC_CAPTION 1
#define DFC_MENU 2
#define DFC_SCROLL 3
#define DFC_BUTTON 4
#define DFC_POPUPMENU 5

#define DFCS_CAPTIONCLOSE 0x0000
#define DFCS_CAPTIONMIN 0x0001
#define DFCS_CAPTIONMAX 0x0002
#define DFCS_CAPTIONRESTORE 0x0003
#define DFCS_CAPTIONHELP 0x0004
#define DFCS_MENUARROW 0x0000
#define DFCS_MENUCHECK 0x0001
#define DFCS_MENUBULLET 0x0002
#define DFCS_MENUARROWRIGHT 0x0004
#define DFCS_SCROLLUP 0x0000
#define DFCS_SCROLLDOWN 0x0001
#define DFCS_SCROLLLEFT 0x0002
#define DFCS_SCROLLRIGHT 0x0003
#define DFCS_SCROLLCOMBOBOX 0x0005
#define DFCS_SCROLLSIZEGRIP 0x0008
#define DFCS_SCROLLSIZEGRIPRIGHT 0x0010
#define DFCS_BUTTONCHECK 0x0000
#define DFCS_BUTTONRADIOIMAGE 0x0001
#define DFCS_BUTTONRADIOMASK 0x0002
#define DFCS_BUTTONRADIO 0x0004
#define DFCS_BUTTON3STATE 0x0008
#define DFCS_BUTTONPUSH 0x0010
#define DFCS_INACTIVE 0x0100
#define DFCS_PUSHED 0x0200
#define DFCS_CHECKED 0x0400
#define DFCS_TRANSPARENT 0x0800
#define DFCS_HOT 0x1000
#define DFCS_ADJUSTRECT 0x2000
#define DFCS_FLAT 0x4000
#define DFCS_MONO 0x8000

BOOL WINAPI DrawFrameControl(HDC dc, LPRECT rect, UINT type, UINT state);

// ---------------------------------------------------------------- icons and cursors
typedef struct _ICONINFO {
  BOOL fIcon;
  DWORD xHotspot;
  DWORD yHotspot;
  HBITMAP hbmMask;
  HBITMAP hbmColor;
} ICONINFO, *PICONINFO;

// Standard cursors: LoadCursorA(NULL, IDC_...) hands out the id itself as the
// handle; the window manager shows them as the desktop's own pointers.
#define IDC_ARROW MAKEINTRESOURCEA(32512)
#define IDC_IBEAM MAKEINTRESOURCEA(32513)
#define IDC_WAIT MAKEINTRESOURCEA(32514)
#define IDC_CROSS MAKEINTRESOURCEA(32515)
#define IDC_UPARROW MAKEINTRESOURCEA(32516)
#define IDC_SIZE MAKEINTRESOURCEA(32640)
#define IDC_ICON MAKEINTRESOURCEA(32641)
#define IDC_SIZENWSE MAKEINTRESOURCEA(32642)
#define IDC_SIZENESW MAKEINTRESOURCEA(32643)
#define IDC_SIZEWE MAKEINTRESOURCEA(32644)
#define IDC_SIZENS MAKEINTRESOURCEA(32645)
#define IDC_SIZEALL MAKEINTRESOURCEA(32646)
#define IDC_NO MAKEINTRESOURCEA(32648)
#define IDC_HAND MAKEINTRESOURCEA(32649)
#define IDC_APPSTARTING MAKEINTRESOURCEA(32650)
#define IDC_HELP MAKEINTRESOURCEA(32651)

#define IDI_APPLICATION MAKEINTRESOURCEA(32512)
#define IDI_HAND MAKEINTRESOURCEA(32513)
#define IDI_QUESTION MAKEINTRESOURCEA(32514)
#define IDI_EXCLAMATION MAKEINTRESOURCEA(32515)
#define IDI_ASTERISK MAKEINTRESOURCEA(32516)
#define IDI_WINLOGO MAKEINTRESOURCEA(32517)
#define IDI_WARNING IDI_EXCLAMATION
#define IDI_ERROR IDI_HAND
#define IDI_INFORMATION IDI_ASTERISK

#define IMAGE_BITMAP 0
#define IMAGE_ICON 1
#define IMAGE_CURSOR 2

#define LR_DEFAULTCOLOR 0x00000000
#define LR_MONOCHROME 0x00000001
#define LR_LOADFROMFILE 0x00000010
#define LR_LOADTRANSPARENT 0x00000020
#define LR_DEFAULTSIZE 0x00000040
#define LR_VGACOLOR 0x00000080
#define LR_LOADMAP3DCOLORS 0x00001000
#define LR_CREATEDIBSECTION 0x00002000
#define LR_SHARED 0x00008000

#define DI_MASK 0x0001
#define DI_IMAGE 0x0002
#define DI_NORMAL 0x0003
#define DI_COMPAT 0x0004
#define DI_DEFAULTSIZE 0x0008

HICON WINAPI CreateIconIndirect(PICONINFO info);
// The bitmaps returned are new: the caller deletes them.
BOOL WINAPI GetIconInfo(HICON icon, PICONINFO info);
HICON WINAPI CopyIcon(HICON icon);
// Shared icons (LoadIconA, LoadCursorA, LR_SHARED) stay; TRUE all the same.
BOOL WINAPI DestroyIcon(HICON icon);
BOOL WINAPI DestroyCursor(HCURSOR cursor);
BOOL WINAPI DrawIcon(HDC dc, int x, int y, HICON icon);
BOOL WINAPI DrawIconEx(HDC dc, int x, int y, HICON icon, int width, int height, UINT step, HBRUSH flickerFreeBrush,
                       UINT flags);
// One image of an icon or cursor resource (for a cursor, the hot spot first):
// a DIB with its AND mask. PNG images are refused.
HICON WINAPI CreateIconFromResourceEx(PBYTE bits, DWORD size, BOOL icon, DWORD version, int width, int height,
                                      UINT flags);
HICON WINAPI CreateIconFromResource(PBYTE bits, DWORD size, BOOL icon, DWORD version);
// The resource id of the best image in an icon or cursor group directory.
int WINAPI LookupIconIdFromDirectoryEx(PBYTE dir, BOOL icon, int width, int height, UINT flags);
int WINAPI LookupIconIdFromDirectory(PBYTE dir, BOOL icon);

HBITMAP WINAPI LoadBitmapA(HINSTANCE instance, LPCSTR name);
HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name);
HCURSOR WINAPI LoadCursorA(HINSTANCE instance, LPCSTR name);
// IMAGE_BITMAP, IMAGE_ICON or IMAGE_CURSOR from a resource or, with
// LR_LOADFROMFILE, a .bmp / .ico / .cur file.
HANDLE WINAPI LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int width, int height, UINT flags);
// The undecorated names are functions, not macros, so that class members of
// the same name elsewhere stay untouched.
inline HBITMAP LoadBitmap(HINSTANCE i, LPCSTR name) {
  return LoadBitmapA(i, name);
}
inline HICON LoadIcon(HINSTANCE i, LPCSTR name) {
  return LoadIconA(i, name);
}
inline HCURSOR LoadCursor(HINSTANCE i, LPCSTR name) {
  return LoadCursorA(i, name);
}
inline HANDLE LoadImage(HINSTANCE i, LPCSTR name, UINT type, int w, int h, UINT flags) {
  return LoadImageA(i, name, type, w, h, flags);
}
