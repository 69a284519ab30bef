#include "platform/win/user/draw/sys_colors.h"

#include <array>
#include <mutex>

#include "platform/win/winuser_draw.h"

namespace win::user {
namespace {

// The classic grey scheme (COLORREF: blue in the high byte).
constexpr std::array<COLORREF, kSysColorCount> kColors = {
    RGB(192, 192, 192),  // COLOR_SCROLLBAR
    RGB(0, 128, 128),  // COLOR_BACKGROUND
    RGB(0, 0, 128),  // COLOR_ACTIVECAPTION
    RGB(128, 128, 128),  // COLOR_INACTIVECAPTION
    RGB(192, 192, 192),  // COLOR_MENU
    RGB(255, 255, 255),  // COLOR_WINDOW
    RGB(0, 0, 0),  // COLOR_WINDOWFRAME
    RGB(0, 0, 0),  // COLOR_MENUTEXT
    RGB(0, 0, 0),  // COLOR_WINDOWTEXT
    RGB(255, 255, 255),  // COLOR_CAPTIONTEXT
    RGB(192, 192, 192),  // COLOR_ACTIVEBORDER
    RGB(192, 192, 192),  // COLOR_INACTIVEBORDER
    RGB(128, 128, 128),  // COLOR_APPWORKSPACE
    RGB(0, 0, 128),  // COLOR_HIGHLIGHT
    RGB(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
    RGB(192, 192, 192),  // COLOR_BTNFACE
    RGB(128, 128, 128),  // COLOR_BTNSHADOW
    RGB(128, 128, 128),  // COLOR_GRAYTEXT
    RGB(0, 0, 0),  // COLOR_BTNTEXT
    RGB(192, 192, 192),  // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255),  // COLOR_BTNHIGHLIGHT
    RGB(0, 0, 0),  // COLOR_3DDKSHADOW
    RGB(192, 192, 192),  // COLOR_3DLIGHT
    RGB(0, 0, 0),  // COLOR_INFOTEXT
    RGB(255, 255, 225),  // COLOR_INFOBK
    RGB(192, 192, 192),  // 25: no name; the face colour
    RGB(0, 0, 128),  // COLOR_HOTLIGHT
    RGB(16, 132, 208),  // COLOR_GRADIENTACTIVECAPTION
    RGB(192, 192, 192),  // COLOR_GRADIENTINACTIVECAPTION
    RGB(0, 0, 128),  // COLOR_MENUHILIGHT
    RGB(192, 192, 192),  // COLOR_MENUBAR
};

}  // namespace

COLORREF SysColor(int index) {
  if (index < 0 || index >= kSysColorCount) return 0;
  return kColors[static_cast<std::size_t>(index)];
}

}  // namespace win::user

DWORD WINAPI GetSysColor(int index) {
  return win::user::SysColor(index);
}
