#include "controls/styled/stysysin.h"

#include "controls/styled/styutils.h"

bool IsWindows98 = false;
bool IsWindowsNT = false;

namespace {
bool newStyle = true;
}

void InitSystemInfo() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (!GetVersionExA(&info)) return;
  if (info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS)
    IsWindows98 = LOWORD(info.dwMinorVersion) >= 10;
  else
    IsWindowsNT = info.dwPlatformId == VER_PLATFORM_WIN32_NT;
  newStyle = info.dwMajorVersion >= 4;
}

bool NewStyleControls() {
  return newStyle;
}

int ColorDepth() {
  HDC dc = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  if (!dc) return 0;
  int depth = GetDeviceCaps(dc, PLANES) * GetDeviceCaps(dc, BITSPIXEL);
  DeleteDC(dc);
  return depth;
}

std::string UserName() {
  char buffer[63] = {};
  DWORD size = sizeof buffer;
  if (GetUserNameA(buffer, &size) && size > 0) return std::string(buffer, size - 1);
  return "(Unknown)";
}

int CaptionButtonWidth() {
  return GetSystemMetrics(SM_CXSIZE);
}
int CaptionHeight() {
  return GetSystemMetrics(SM_CYCAPTION);
}
int DlgFrameX() {
  return GetSystemMetrics(SM_CXDLGFRAME);
}
int DlgFrameY() {
  return GetSystemMetrics(SM_CYDLGFRAME);
}
int BorderX() {
  return GetSystemMetrics(SM_CXBORDER);
}
int BorderY() {
  return GetSystemMetrics(SM_CYBORDER);
}
int FrameX() {
  return GetSystemMetrics(SM_CXFRAME);
}
int FrameY() {
  return GetSystemMetrics(SM_CYFRAME);
}
int SmallCaptionHeight() {
  return NewStyleControls() ? GetSystemMetrics(SM_CYSMCAPTION) : CaptionHeight();
}
int SmallCaptionButtonWidth() {
  return NewStyleControls() ? GetSystemMetrics(SM_CXSMSIZE) : CaptionButtonWidth();
}
int SmallIconWidth() {
  return NewStyleControls() ? GetSystemMetrics(SM_CXSMICON) : CaptionButtonWidth();
}

bool SystemGradientCaptions() {
  BOOL on = FALSE;
  return SystemParametersInfoA(SPI_GETGRADIENTCAPTIONS, 0, &on, 0) && on;
}

void GetCaptionRects(HWND Wnd, TRect& CaptionRect, TRect& TextRect, WORD& Flags) {
  const DWORD style = static_cast<DWORD>(GetWindowLongA(Wnd, GWL_STYLE));
  const DWORD exStyle = static_cast<DWORD>(GetWindowLongA(Wnd, GWL_EXSTYLE));
  const bool nsc = NewStyleControls();
  RECT wr{};
  GetWindowRect(Wnd, &wr);
  CaptionRect = TRect(0, 0, wr.right - wr.left, CaptionHeight());
  if ((exStyle & WS_EX_TOOLWINDOW) && nsc) {
    CaptionRect = TRect(0, 0, wr.right - wr.left, SmallCaptionHeight());
    Flags |= cfSmallCaption;
  }
  const int bx = BorderX(), by = BorderY();
  if ((!nsc && (Flags & cfSingleBorder)) || (!nsc && (exStyle & WS_EX_TOOLWINDOW))) {
    AdjustRect(CaptionRect, bx, by, -bx, -bx);
  } else if (style & WS_THICKFRAME) {
    AdjustRect(CaptionRect, FrameX(), FrameY(), -FrameX(), FrameY() - by);
    if (!nsc) CaptionRect.Bottom -= bx;
  } else if (exStyle & WS_EX_DLGMODALFRAME) {
    AdjustRect(CaptionRect, DlgFrameX(), DlgFrameY(), -DlgFrameX(), DlgFrameY() - by);
  } else {
    AdjustRect(CaptionRect, 3 * bx, 3 * by, -3 * bx, 2 * by);
  }
  GetCaptionTextRect(Wnd, CaptionRect, style, TextRect, Flags, exStyle);
  if (Flags & cfMinimized) CaptionRect.Bottom -= by;
  TextRect.Bottom = CaptionRect.Bottom;
  if (Flags & cfExcludeButtons) CaptionRect.Right = TextRect.Right;
  if ((Flags & cfHasIcon) && ((Flags & cfStartAtText) || !nsc)) {
    CaptionRect.Left = TextRect.Left;
    TextRect.Left += 2 * bx;
  }
}

void GetCaptionTextRect(HWND Wnd, const TRect& CaptionRect, DWORD Style, TRect& TextRect, WORD& Flags, DWORD ExStyle) {
  TextRect = CaptionRect;
  if (!IsWindow(Wnd) || !IsWindowVisible(Wnd)) return;
  const bool nsc = NewStyleControls();
  const bool minimized = IsIconic(Wnd);
  const int b = BorderX();
  const int w = (Flags & cfSmallCaption) ? SmallCaptionButtonWidth() : CaptionButtonWidth();
  if (Style & WS_SYSMENU) {
    if (!nsc)
      TextRect.Right -= 2 * b;
    else if (!minimized)
      TextRect.Right -= 3 * b + w;
    const bool icon = ((Style & WS_THICKFRAME) && !(Flags & cfSmallCaption)) || (Flags & cfSingleBorder) ||
                      (!nsc && (Style & (WS_POPUP | WS_BORDER | WS_SYSMENU)) == (WS_POPUP | WS_BORDER | WS_SYSMENU)) ||
                      (!nsc && (ExStyle & WS_EX_TOOLWINDOW));
    if (icon) {
      Flags |= cfHasIcon;
      if (nsc) {
        TextRect.Left += SmallIconWidth() + FrameX();
        if (!minimized)
          TextRect.Left += b;
        else
          Flags |= cfMinimized;
      } else {
        TextRect.Left += SmallIconWidth() + 2 * b;
      }
    }
    if (Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) {
      if (nsc) {
        TextRect.Right -= 2 * w;
      } else {
        if (Style & WS_MINIMIZEBOX) TextRect.Right -= w;
        if (Style & WS_MAXIMIZEBOX) TextRect.Right -= w;
      }
    } else if (ExStyle & WS_EX_CONTEXTHELP) {
      TextRect.Right -= w;
      if (nsc) TextRect.Right -= b;
    }
    if (nsc && (ExStyle & WS_EX_TOOLWINDOW)) {
      TextRect.Left += 4 * b;
      TextRect.Top += 3 * b;
      TextRect.Right -= 2 * b;
    }
  } else {
    TextRect.Left += 2 * b;
    if (!nsc) {
      TextRect.Right -= b;
      if (Style & WS_MINIMIZEBOX) TextRect.Right -= w;
      if (Style & WS_MAXIMIZEBOX) TextRect.Right -= w;
    }
  }
  if (TextRect.Left == CaptionRect.Left) TextRect.Left += 2 * b;
}
