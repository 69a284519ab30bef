#include "platform/win/comctl/scroll_target.h"

#include <climits>

namespace win::comctl {

std::optional<int> ScrollTarget(HWND hwnd, int bar, WPARAM wParam, int pos, int line, int page) {
  switch (LOWORD(wParam)) {
    case SB_LINEUP: return pos - line;
    case SB_LINEDOWN: return pos + line;
    case SB_PAGEUP: return pos - page;
    case SB_PAGEDOWN: return pos + page;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO si{sizeof si, SIF_TRACKPOS, 0, 0, 0, 0, 0};
      GetScrollInfo(hwnd, bar, &si);
      return si.nTrackPos;
    }
    case SB_TOP: return 0;
    case SB_BOTTOM: return INT_MAX / 2;
    default: return std::nullopt;
  }
}

}  // namespace win::comctl
