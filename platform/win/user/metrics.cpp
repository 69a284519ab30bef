// System metrics and parameters: the classic values at 96 dpi.
#include <atomic>
#include <cstring>
#include <mutex>
#include <vector>

#include "platform/host/host.h"
#include "platform/win/drums_ext.h"
#include "platform/win/user/wm_state.h"
#include "platform/win/winuser.h"

namespace win::user {
namespace {

void FillFont(LOGFONTA& lf, int height, int weight, const char* face) {
  std::memset(&lf, 0, sizeof lf);
  lf.lfHeight = height;
  lf.lfWeight = weight;
  lf.lfCharSet = 0;  // ANSI_CHARSET
  std::strncpy(lf.lfFaceName, face, sizeof lf.lfFaceName - 1);
}
}  // namespace

std::vector<UINT> TakeBeeps() {
  std::lock_guard lock(WM().beepMutex);
  std::vector<UINT> out;
  out.swap(WM().beeps);
  return out;
}

}  // namespace win::user

using namespace win::user;

int GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXSCREEN:
    case SM_CXVIRTUALSCREEN: return host::Get().ScreenBounds().w;
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN: return host::Get().ScreenBounds().h;
    case SM_XVIRTUALSCREEN: return host::Get().ScreenBounds().x;
    case SM_YVIRTUALSCREEN: return host::Get().ScreenBounds().y;
    case SM_CXFULLSCREEN: return host::Get().WorkArea().w;
    case SM_CYFULLSCREEN: return host::Get().WorkArea().h - GetSystemMetrics(SM_CYCAPTION);
    case SM_CXMAXIMIZED: return host::Get().WorkArea().w + 2 * GetSystemMetrics(SM_CXFRAME);
    case SM_CYMAXIMIZED: return host::Get().WorkArea().h + 2 * GetSystemMetrics(SM_CYFRAME);
    case SM_CXMAXTRACK: return host::Get().ScreenBounds().w + 12;
    case SM_CYMAXTRACK: return host::Get().ScreenBounds().h + 12;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL: return 16;
    case SM_CXHTHUMB:
    case SM_CYVTHUMB: return 16;
    case SM_CYCAPTION: return 19;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return 3;
    case SM_CXFRAME:
    case SM_CYFRAME: return 4;
    case SM_CXEDGE:
    case SM_CYEDGE: return 2;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR: return 32;
    case SM_CXSMICON:
    case SM_CYSMICON: return 16;
    case SM_CYMENU: return 19;
    case SM_CYSMCAPTION: return 16;
    case SM_CXSIZE:
    case SM_CYSIZE: return 18;
    case SM_CXSMSIZE: return 12;
    case SM_CYSMSIZE: return 15;
    case SM_CXMENUSIZE:
    case SM_CYMENUSIZE: return 18;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK: return 13;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK: return 4;
    case SM_CXDRAG:
    case SM_CYDRAG: return 4;
    case SM_CXMIN: return 112;
    case SM_CYMIN: return 27;
    case SM_CXMINTRACK: return 112;
    case SM_CYMINTRACK: return 27;
    case SM_CXMINIMIZED: return 160;
    case SM_CYMINIMIZED: return 24;
    case SM_CXICONSPACING:
    case SM_CYICONSPACING: return 75;
    case SM_MOUSEPRESENT:
    case SM_MOUSEWHEELPRESENT:
    case SM_CMONITORS:
    case SM_SAMEDISPLAYFORMAT: return 1;
    case SM_SWAPBUTTON: return WM().swapButtons ? 1 : 0;
    case SM_CMOUSEBUTTONS: return 3;
    case SM_CYKANJIWINDOW:
    case SM_DBCSENABLED:
    case SM_DEBUG:
    case SM_CLEANBOOT:
    case SM_MENUDROPALIGNMENT: return 0;
    default: return 0;
  }
}

BOOL SystemParametersInfoA(UINT action, UINT param, PVOID data, UINT) {
  auto setBool = [&](BOOL v) {
    if (!data) return FALSE;
    *static_cast<BOOL*>(data) = v;
    return TRUE;
  };
  auto setUint = [&](UINT v) {
    if (!data) return FALSE;
    *static_cast<UINT*>(data) = v;
    return TRUE;
  };
  switch (action) {
    case SPI_GETWORKAREA: {
      if (!data) return FALSE;
      host::Rect w = host::Get().WorkArea();
      *static_cast<RECT*>(data) = {w.x, w.y, w.x + w.w, w.y + w.h};
      return TRUE;
    }
    case SPI_GETNONCLIENTMETRICS: {
      auto* m = static_cast<NONCLIENTMETRICSA*>(data);
      if (!m) return FALSE;
      m->iBorderWidth = 1;
      m->iScrollWidth = 16;
      m->iScrollHeight = 16;
      m->iCaptionWidth = 18;
      m->iCaptionHeight = 18;
      FillFont(m->lfCaptionFont, -11, 700, "Tahoma");
      m->iSmCaptionWidth = 12;
      m->iSmCaptionHeight = 15;
      FillFont(m->lfSmCaptionFont, -11, 700, "Tahoma");
      m->iMenuWidth = 18;
      m->iMenuHeight = 18;
      FillFont(m->lfMenuFont, -11, 400, "Tahoma");
      FillFont(m->lfStatusFont, -11, 400, "Tahoma");
      FillFont(m->lfMessageFont, -11, 400, "Tahoma");
      return TRUE;
    }
    case SPI_GETICONTITLELOGFONT:
      if (!data) return FALSE;
      FillFont(*static_cast<LOGFONTA*>(data), -11, 400, "Tahoma");
      return TRUE;
    case SPI_GETWHEELSCROLLLINES: return setUint(3);
    case SPI_GETKEYBOARDDELAY: return setUint(1);
    case SPI_GETKEYBOARDSPEED: return setUint(31);
    case SPI_GETMENUSHOWDELAY: return setUint(400);
    case SPI_GETMOUSEHOVERTIME: return setUint(400);
    case SPI_GETMOUSEHOVERWIDTH:
    case SPI_GETMOUSEHOVERHEIGHT: return setUint(4);
    case SPI_GETBORDER: return setUint(1);
    case SPI_ICONHORIZONTALSPACING:
    case SPI_ICONVERTICALSPACING: return setUint(75);
    case SPI_GETFOREGROUNDLOCKTIMEOUT: return setUint(0);
    case SPI_SETDOUBLECLICKTIME: return SetDoubleClickTime(param);
    case SPI_GETBEEP:
    case SPI_GETICONTITLEWRAP:
    case SPI_GETSCREENSAVEACTIVE: return setBool(TRUE);
    // Visual effects of later systems answer off; keyboard cues are always shown.
    case SPI_GETKEYBOARDCUES: return setBool(TRUE);
    // Captions count as drawn with the system's own gradient.
    case SPI_GETGRADIENTCAPTIONS: return setBool(TRUE);
    case SPI_GETDRAGFULLWINDOWS:
    case SPI_GETMENUANIMATION:
    case SPI_GETCOMBOBOXANIMATION:
    case SPI_GETLISTBOXSMOOTHSCROLLING:
    case SPI_GETHOTTRACKING:
    case SPI_GETMENUFADE:
    case SPI_GETSELECTIONFADE:
    case SPI_GETTOOLTIPANIMATION:
    case SPI_GETTOOLTIPFADE:
    case SPI_GETCURSORSHADOW:
    case SPI_GETUIEFFECTS:
    case SPI_GETFONTSMOOTHING:
    case SPI_GETSCREENREADER:
    case SPI_GETKEYBOARDPREF:
    case SPI_GETSHOWSOUNDS:
    case SPI_GETSNAPTODEFBUTTON:
    case SPI_GETMENUDROPALIGNMENT:
    case SPI_GETACTIVEWINDOWTRACKING:
    case SPI_GETSCREENSAVERRUNNING: return setBool(FALSE);
    default: return FALSE;
  }
}

UINT GetDoubleClickTime() {
  return WM().doubleClickTime;
}

BOOL SetDoubleClickTime(UINT ms) {
  WM().doubleClickTime = ms ? ms : 500;
  return TRUE;
}

BOOL SwapMouseButton(BOOL swap) {
  bool old = WM().swapButtons.exchange(swap != 0);
  return old;
}

BOOL MessageBeep(UINT type) {
  // No sound device of ours: the beep is only recorded.
  std::lock_guard lock(WM().beepMutex);
  WM().beeps.push_back(type);
  return TRUE;
}
