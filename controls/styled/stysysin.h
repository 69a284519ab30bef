// What the drawing code asks of the running system: platform flags set once
// at library start, the display's colour depth, window-frame metrics, the
// user name and where a window's caption bar and caption text lie.
#pragma once

#include <string>

#include "platform/vcl/Graphics.h"
#include "platform/win/windows.h"

extern bool IsWindows98;
extern bool IsWindowsNT;

// Sets the platform flags; called once when the library starts.
void InitSystemInfo();
// Whether the shell draws new-style (Windows 4.0 and later) controls.
bool NewStyleControls();

int ColorDepth();
// Whether the system draws active captions as a gradient of its own.
bool SystemGradientCaptions();
// The logged-on user's name, or "(Unknown)".
std::string UserName();

int CaptionButtonWidth();
int CaptionHeight();
int DlgFrameX();
int DlgFrameY();
int BorderX();
int BorderY();
int FrameX();
int FrameY();
int SmallCaptionHeight();
int SmallCaptionButtonWidth();
int SmallIconWidth();

// Caption flags passed in and out of GetCaptionRects.
constexpr WORD cfExcludeButtons = 0x01;
constexpr WORD cfStartAtText = 0x02;
constexpr WORD cfSmallCaption = 0x04;
constexpr WORD cfHasIcon = 0x08;
constexpr WORD cfMinimized = 0x10;
constexpr WORD cfSingleBorder = 0x20;

// Both rectangles in window coordinates (origin at the window's corner).
void GetCaptionRects(HWND Wnd, TRect& CaptionRect, TRect& TextRect, WORD& Flags);
// TextRect starts as CaptionRect; a window that does not exist or is hidden
// gets that rectangle unchanged.
void GetCaptionTextRect(HWND Wnd, const TRect& CaptionRect, DWORD Style, TRect& TextRect, WORD& Flags, DWORD ExStyle);
