#include "platform/win/user/frame.h"

#include "platform/win/user/paint.h"

namespace win::user {

bool HasCaption(DWORD style) {
  return (style & WS_CAPTION) == WS_CAPTION;
}

bool HasMenuBar(Window* w) {
  return w->menu && !(w->style & WS_CHILD);
}

int BorderThickness(DWORD style, DWORD exStyle) {
  int t = 0;
  if (style & WS_THICKFRAME)
    t += GetSystemMetrics(SM_CXFRAME);
  else if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME))
    t += GetSystemMetrics(SM_CXDLGFRAME);
  else if (style & WS_BORDER)
    t += GetSystemMetrics(SM_CXBORDER);
  if (exStyle & WS_EX_CLIENTEDGE) t += GetSystemMetrics(SM_CXEDGE);
  if (exStyle & WS_EX_STATICEDGE) t += GetSystemMetrics(SM_CXBORDER);
  return t;
}

int CaptionHeight(DWORD exStyle) {
  return GetSystemMetrics((exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
}

bool ScrollBarVisible(Window* w, int bar) {
  if (bar == SB_VERT) return (w->style & WS_VSCROLL) != 0;
  return (w->style & WS_HSCROLL) != 0;
}

static int OuterBorder(DWORD style, DWORD exStyle) {
  // Edges outside the caption: the window frame without the client edges.
  return BorderThickness(style, exStyle & ~(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
}

static int InnerEdge(DWORD exStyle) {
  int t = 0;
  if (exStyle & WS_EX_CLIENTEDGE) t += GetSystemMetrics(SM_CXEDGE);
  if (exStyle & WS_EX_STATICEDGE) t += GetSystemMetrics(SM_CXBORDER);
  return t;
}

FrameLayout LayoutFrame(Window* w) {
  FrameLayout f;
  int width = w->rect.right - w->rect.left;
  int height = w->rect.bottom - w->rect.top;
  int b = OuterBorder(w->style, w->exStyle);
  f.border = b;
  int y = b;
  if (HasCaption(w->style)) {
    int ch = CaptionHeight(w->exStyle);
    f.caption = {b, b, width - b, b + ch - 1};
    int bh = ch - 5;  // buttons inset by two pixels top and bottom
    bool tool = (w->exStyle & WS_EX_TOOLWINDOW) != 0;
    int bw = tool ? bh : bh + 2;
    int right = width - b - 2;
    if (w->style & WS_SYSMENU) {
      f.closeButton = {right - bw, b + 2, right, b + 2 + bh};
      right -= bw + 2;
      if (!tool && (w->style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) {
        f.maxButton = {right - bw, b + 2, right, b + 2 + bh};
        f.minButton = {right - 2 * bw, b + 2, right - bw, b + 2 + bh};
      }
    }
    y += ch;
  }
  if (HasMenuBar(w)) {
    int mh = GetSystemMetrics(SM_CYMENU);
    f.menuBar = {b, y, width - b, y + mh - 1};
    y += mh;
  }
  int e = InnerEdge(w->exStyle);
  RECT inner{b + e, y + e, width - b - e, height - b - e};
  int sv = GetSystemMetrics(SM_CXVSCROLL), sh = GetSystemMetrics(SM_CYHSCROLL);
  bool v = ScrollBarVisible(w, SB_VERT), h = ScrollBarVisible(w, SB_HORZ);
  // The scroll bars sit beside the client area, as WM_NCCALCSIZE left it: a
  // window that keeps more of its frame for itself (a frame drawn in
  // WM_NCPAINT) has them inside that frame.
  RECT client{w->client.left - w->rect.left, w->client.top - w->rect.top, w->client.right - w->rect.left,
              w->client.bottom - w->rect.top};
  if (v || h) inner = {client.left, client.top, client.right + (v ? sv : 0), client.bottom + (h ? sh : 0)};
  if (v) f.vscroll = {inner.right - sv, inner.top, inner.right, inner.bottom - (h ? sh : 0)};
  if (h) f.hscroll = {inner.left, inner.bottom - sh, inner.right - (v ? sv : 0), inner.bottom};
  if (v && h) f.sizeBox = {inner.right - sv, inner.bottom - sh, inner.right, inner.bottom};
  return f;
}

RECT DefaultClientRect(Window* w, const RECT& wr) {
  RECT c = wr;
  int b = OuterBorder(w->style, w->exStyle);
  c.left += b;
  c.top += b;
  c.right -= b;
  c.bottom -= b;
  if (HasCaption(w->style)) c.top += CaptionHeight(w->exStyle);
  if (HasMenuBar(w)) c.top += GetSystemMetrics(SM_CYMENU);
  int e = InnerEdge(w->exStyle);
  c.left += e;
  c.top += e;
  c.right -= e;
  c.bottom -= e;
  if (ScrollBarVisible(w, SB_VERT)) c.right -= GetSystemMetrics(SM_CXVSCROLL);
  if (ScrollBarVisible(w, SB_HORZ)) c.bottom -= GetSystemMetrics(SM_CYHSCROLL);
  if (c.right < c.left) c.right = c.left;
  if (c.bottom < c.top) c.bottom = c.top;
  return c;
}

static bool In(const RECT& r, POINT p) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

LRESULT DefaultHitTest(Window* w, POINT screen) {
  // Window coordinates.
  RECT sr;
  GetWindowRect(w->handle, &sr);
  POINT p{screen.x - sr.left, screen.y - sr.top};
  int width = sr.right - sr.left, height = sr.bottom - sr.top;
  if (p.x < 0 || p.y < 0 || p.x >= width || p.y >= height) return HTNOWHERE;
  RECT cr;
  GetClientRect(w->handle, &cr);
  POINT cp = screen;
  ScreenToClient(w->handle, &cp);
  if (In(cr, cp)) return HTCLIENT;
  FrameLayout f = LayoutFrame(w);
  if ((w->style & WS_THICKFRAME) && !w->maximized) {
    int b = f.border;
    int corner = GetSystemMetrics(SM_CYCAPTION) + b;
    bool left = p.x < b, right = p.x >= width - b, top = p.y < b, bottom = p.y >= height - b;
    if (left || right || top || bottom) {
      if (top) return p.x < corner ? HTTOPLEFT : p.x >= width - corner ? HTTOPRIGHT : HTTOP;
      if (bottom) return p.x < corner ? HTBOTTOMLEFT : p.x >= width - corner ? HTBOTTOMRIGHT : HTBOTTOM;
      if (left) return p.y < corner ? HTTOPLEFT : p.y >= height - corner ? HTBOTTOMLEFT : HTLEFT;
      return p.y < corner ? HTTOPRIGHT : p.y >= height - corner ? HTBOTTOMRIGHT : HTRIGHT;
    }
  }
  if (In(f.caption, p)) {
    if (In(f.closeButton, p)) return HTCLOSE;
    if (In(f.maxButton, p)) return HTMAXBUTTON;
    if (In(f.minButton, p)) return HTMINBUTTON;
    return HTCAPTION;
  }
  if (In(f.menuBar, p)) return HTMENU;
  if (In(f.sizeBox, p)) return (w->style & WS_THICKFRAME) && !w->parent ? HTBOTTOMRIGHT : HTSIZE;
  if (In(f.vscroll, p)) return HTVSCROLL;
  if (In(f.hscroll, p)) return HTHSCROLL;
  return HTBORDER;
}

}  // namespace win::user

BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle) {
  if (!rect) return FALSE;
  using namespace win::user;
  int b = BorderThickness(style, exStyle);
  rect->left -= b;
  rect->right += b;
  rect->top -= b;
  rect->bottom += b;
  if (HasCaption(style)) rect->top -= CaptionHeight(exStyle);
  if (menu) rect->top -= GetSystemMetrics(SM_CYMENU);
  return TRUE;
}

BOOL AdjustWindowRect(LPRECT rect, DWORD style, BOOL menu) {
  return AdjustWindowRectEx(rect, style, menu, 0);
}
