// "STATIC": text, icons, bitmaps, rectangles and frames.
#include "platform/win/controls/control_base.h"
#include "platform/win/controls/system_classes.h"

namespace win::controls {
namespace {

class Static {
 public:
  Static(HWND hwnd, const CREATESTRUCTA& cs) : hwnd_(hwnd) {
    LONG type = cs.style & SS_TYPEMASK;
    // An icon or bitmap static names its picture in the window text.
    if ((type == SS_ICON || type == SS_BITMAP) && cs.lpszName && *cs.lpszName) {
      image_ = type == SS_ICON ? static_cast<HANDLE>(LoadIconA(cs.hInstance, cs.lpszName))
                               : static_cast<HANDLE>(LoadBitmapA(cs.hInstance, cs.lpszName));
    }
  }

  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
      case WM_GETDLGCODE: return DLGC_STATIC;
      case WM_NCHITTEST: return (Style() & SS_NOTIFY) ? HTCLIENT : HTTRANSPARENT;
      case WM_SETTEXT:
      case WM_ENABLE: {
        LRESULT r = DefWindowProcA(hwnd_, msg, wp, lp);
        InvalidateRect(hwnd_, nullptr, TRUE);
        return r;
      }
      case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wp);
        if (lp) InvalidateRect(hwnd_, nullptr, TRUE);
        return 0;
      case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
      case WM_ERASEBKGND: return 1;
      case WM_PAINT: Paint(); return 0;
      case WM_LBUTTONDOWN:
        if (Style() & SS_NOTIFY) NotifyParent(hwnd_, STN_CLICKED);
        return 0;
      case WM_LBUTTONDBLCLK:
        if (Style() & SS_NOTIFY) NotifyParent(hwnd_, STN_DBLCLK);
        return 0;
      case STM_SETICON: return SetImage(IMAGE_ICON, reinterpret_cast<HANDLE>(wp));
      case STM_GETICON: return reinterpret_cast<LRESULT>(image_);
      case STM_SETIMAGE: return SetImage(static_cast<UINT>(wp), reinterpret_cast<HANDLE>(lp));
      case STM_GETIMAGE: return reinterpret_cast<LRESULT>(image_);
      default: return DefWindowProcA(hwnd_, msg, wp, lp);
    }
  }

 private:
  LONG Style() const { return GetWindowLongA(hwnd_, GWL_STYLE); }

  LRESULT SetImage(UINT, HANDLE image) {
    HANDLE old = image_;
    image_ = image;
    InvalidateRect(hwnd_, nullptr, TRUE);
    return reinterpret_cast<LRESULT>(old);
  }

  void Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT r;
    GetClientRect(hwnd_, &r);
    LONG type = Style() & SS_TYPEMASK;
    HBRUSH back = ParentBrush(hwnd_, dc, WM_CTLCOLORSTATIC);
    switch (type) {
      case SS_BLACKRECT: FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME)); break;
      case SS_GRAYRECT: FillRect(dc, &r, GetSysColorBrush(COLOR_3DSHADOW)); break;
      case SS_WHITERECT: FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW)); break;
      case SS_BLACKFRAME: FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME)); break;
      case SS_GRAYFRAME: FrameRect(dc, &r, GetSysColorBrush(COLOR_3DSHADOW)); break;
      case SS_WHITEFRAME: FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOW)); break;
      case SS_ETCHEDHORZ: DrawEdge(dc, &r, EDGE_ETCHED, BF_TOP); break;
      case SS_ETCHEDVERT: DrawEdge(dc, &r, EDGE_ETCHED, BF_LEFT); break;
      case SS_ETCHEDFRAME: DrawEdge(dc, &r, EDGE_ETCHED, BF_RECT); break;
      case SS_OWNERDRAW: {
        DRAWITEMSTRUCT dis{};
        dis.CtlType = ODT_STATIC;
        dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd_));
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = IsWindowEnabled(hwnd_) ? 0 : ODS_DISABLED;
        dis.hwndItem = hwnd_;
        dis.hDC = dc;
        dis.rcItem = r;
        SendMessageA(GetParent(hwnd_), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
        break;
      }
      case SS_ICON:
        FillRect(dc, &r, back);
        if (image_) DrawIconEx(dc, 0, 0, static_cast<HICON>(image_), 0, 0, 0, nullptr, DI_NORMAL);
        break;
      case SS_BITMAP: {
        FillRect(dc, &r, back);
        if (!image_) break;
        BITMAP bm{};
        GetObjectA(image_, sizeof bm, &bm);
        int x = 0, y = 0;
        if (Style() & SS_CENTERIMAGE) {
          x = (r.right - bm.bmWidth) / 2;
          y = (r.bottom - bm.bmHeight) / 2;
        }
        HDC mem = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(mem, image_);
        BitBlt(dc, x, y, bm.bmWidth, bm.bmHeight, mem, 0, 0, SRCCOPY);
        SelectObject(mem, old);
        DeleteDC(mem);
        break;
      }
      default: {
        FillRect(dc, &r, back);
        FontScope f(dc, font_);
        SetBkMode(dc, TRANSPARENT);
        if (!IsWindowEnabled(hwnd_)) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        UINT format = type == SS_CENTER ? DT_CENTER : type == SS_RIGHT ? DT_RIGHT : DT_LEFT;
        if (type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP)
          format |= DT_SINGLELINE;
        else
          format |= DT_WORDBREAK;
        if (Style() & SS_CENTERIMAGE) format = (format & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
        if (Style() & SS_NOPREFIX) format |= DT_NOPREFIX;
        if ((Style() & SS_WORDELLIPSIS) == SS_ENDELLIPSIS) format |= DT_END_ELLIPSIS;
        if ((Style() & SS_WORDELLIPSIS) == SS_PATHELLIPSIS) format |= DT_PATH_ELLIPSIS;
        std::string text = WindowText(hwnd_);
        DrawTextA(dc, text.c_str(), -1, &r, format);
        break;
      }
    }
    if (Style() & SS_SUNKEN) DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    EndPaint(hwnd_, &ps);
  }

  HWND hwnd_;
  HFONT font_ = nullptr;
  HANDLE image_ = nullptr;
};

}  // namespace

void RegisterStaticClass() {
  RegisterControlClass("STATIC", ControlProc<Static>, CS_DBLCLKS | CS_PARENTDC);
}

}  // namespace win::controls
