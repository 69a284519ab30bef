// Update regions, WM_PAINT, window DCs and presenting to the host.
#include "platform/win/user/paint.h"

#include <algorithm>
#include <cstring>
#include <map>

#include "platform/win/gdi/device_dc.h"
#include "platform/win/wingdi.h"
#include "platform/win/gdi/region_object.h"
#include "platform/win/user/draw_util.h"
#include "platform/win/user/frame.h"
#include "platform/win/user/geometry.h"
#include "platform/win/user/queue.h"
#include "platform/win/user/state.h"
#include "platform/win/user/wm_state.h"

namespace win::user {
namespace {

using gdi::Region;

std::map<host::WindowId, std::vector<RECT>>& Dirty() {
  return WM().dirty;
}

std::map<HDC, DcRecord>& Dcs() {
  return WM().dcs;
}

RECT Offset(RECT r, int dx, int dy) {
  return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// Copies the pixels of `from` to `to`, rectangles of one size on the same
// surface, row by row in the order that reads each source row before a
// vertical move of `dy` overwrites it.
void MovePixels(const gdi::DeviceSurface& s, const RECT& to, const RECT& from, int dy) {
  const int rows = to.bottom - to.top, cols = to.right - to.left;
  auto copyRow = [&](int i) {
    std::memmove(s.pixels + (to.top + i) * s.stride + to.left, s.pixels + (from.top + i) * s.stride + from.left,
                 sizeof(std::uint32_t) * cols);
  };
  if (dy > 0)
    for (int i = rows - 1; i >= 0; i--) copyRow(i);
  else
    for (int i = 0; i < rows; i++) copyRow(i);
}

RECT ClientBounds(Window* w) {
  return {0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
}

// The window's shape (window rectangle and region) in surface coordinates.
Region ShapeInSurface(Window* w) {
  POINT o = WindowOriginInSurface(w);
  RECT r = Offset({0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top}, o.x, o.y);
  Region shape(r);
  if (w->windowRgn) {
    Region wr = *w->windowRgn;
    wr.Offset(o.x, o.y);
    shape.IntersectWith(wr);
  }
  return shape;
}

gdi::DeviceSurface SurfaceOf(Window* top) {
  gdi::DeviceSurface s;
  if (!top || !top->hostId) return s;
  host::Surface hs = host::Get().GetSurface(top->hostId);
  s.pixels = hs.pixels;
  s.width = hs.width;
  s.height = hs.height;
  s.stride = hs.stride;
  return s;
}

void Target(HDC dc, Window* w, bool whole, const Region& visible) {
  Window* top = TopLevelOf(w);
  POINT o = whole ? WindowOriginInSurface(w) : ClientOriginInSurface(w);
  gdi::SetDeviceTarget(dc, SurfaceOf(top), o, &visible);
}

bool NeedsPaint(Window* w) {
  return !w->update.IsEmpty() || w->internalPaint || w->ncPaint;
}

}  // namespace

POINT WindowOriginInSurface(Window* w) {
  RECT s = ScreenRect(w);
  RECT t = ScreenRect(TopLevelOf(w));
  return {s.left - t.left, s.top - t.top};
}

POINT ClientOriginInSurface(Window* w) {
  RECT s = ScreenClient(w);
  RECT t = ScreenRect(TopLevelOf(w));
  return {s.left - t.left, s.top - t.top};
}

Region VisibleRegion(Window* w, bool whole, bool clipChildren, bool clipSiblings) {
  if (!IsReallyVisible(w)) return Region();
  POINT o = whole ? WindowOriginInSurface(w) : ClientOriginInSurface(w);
  RECT base = whole ? RECT{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top} : ClientBounds(w);
  Region vis(Offset(base, o.x, o.y));
  vis.IntersectWith(ShapeInSurface(w));
  // Ancestors' client areas and, where asked, siblings above.
  Window* c = w;
  bool siblings = clipSiblings;
  while (c) {
    if (c->parent) {
      POINT po = ClientOriginInSurface(c->parent);
      vis = vis.IntersectRect(Offset(ClientBounds(c->parent), po.x, po.y));
      vis.IntersectWith(ShapeInSurface(c->parent));
      if (siblings) {
        for (Window* s : c->parent->children) {
          if (s == c) break;
          if (s->style & WS_VISIBLE) vis.Subtract(ShapeInSurface(s));
        }
      }
    }
    c = c->parent;
    if (c) siblings = (c->style & WS_CLIPSIBLINGS) != 0;
  }
  if (clipChildren) {
    // Children show only inside this window's client area, so they never
    // take anything of its frame.
    POINT co = ClientOriginInSurface(w);
    for (Window* ch : w->children)
      if (ch->style & WS_VISIBLE) {
        Region shown = ShapeInSurface(ch);
        shown = shown.IntersectRect(Offset(ClientBounds(w), co.x, co.y));
        vis.Subtract(shown);
      }
  }
  return vis;
}

void MarkDirty(Window* top, const RECT& r) {
  if (!top || !top->hostId || r.right <= r.left || r.bottom <= r.top) return;
  Dirty()[top->hostId].push_back(r);
}

void FlushPresents() {
  auto& dirty = Dirty();
  if (dirty.empty()) return;
  auto batch = std::move(dirty);
  dirty.clear();
  for (auto& [id, rects] : batch) {
    Window* top = nullptr;
    for (Window* t : TopLevels())
      if (t->hostId == id) top = t;
    if (!top || !(top->style & WS_VISIBLE)) continue;
    std::vector<host::Rect> out;
    Region all = Region::FromRects(rects);
    for (const RECT& r : all.Rects()) out.push_back({r.left, r.top, r.right - r.left, r.bottom - r.top});
    host::Get().Present(id, out);
  }
}

void SurfaceResized(Window* top) {
  // The whole new surface is drawn again.
  InvalidateWindow(top, nullptr, true, true, true);
}

void InvalidateWindow(Window* w, const Region* rgn, bool erase, bool children, bool frame) {
  if (!IsReallyVisible(w)) return;
  Region r = rgn ? rgn->IntersectRect(ClientBounds(w)) : Region(ClientBounds(w));
  if (!r.IsEmpty()) {
    w->update.UnionWith(r);
    if (erase) w->erase = true;
  }
  if (frame && (w->rect.right - w->rect.left != w->client.right - w->client.left ||
                w->rect.bottom - w->rect.top != w->client.bottom - w->client.top))
    w->ncPaint = true;
  if (!children) return;
  for (Window* c : w->children) {
    if (!(c->style & WS_VISIBLE)) continue;
    // The part in the child's client coordinates.
    Region cr = rgn ? *rgn : Region(ClientBounds(w));
    cr = cr.IntersectRect(c->rect);
    if (cr.IsEmpty()) continue;
    cr.Offset(-c->client.left, -c->client.top);
    bool childFrame = frame || !Region(c->rect).IntersectRect(c->client).ContainsRect(c->rect);
    InvalidateWindow(c, &cr, erase, true, childFrame);
  }
}

Window* NextWindowToPaint(DWORD threadId, HWND filter) {
  for (Window* t : TopLevels()) {
    if (t->threadId != threadId || !(t->style & WS_VISIBLE)) continue;
    std::vector<Window*> stack{t};
    // Parents before children, so that children draw on top.
    std::vector<Window*> order;
    while (!stack.empty()) {
      Window* w = stack.back();
      stack.pop_back();
      order.push_back(w);
      for (auto it = w->children.rbegin(); it != w->children.rend(); ++it)
        if ((*it)->style & WS_VISIBLE) stack.push_back(*it);
    }
    for (Window* w : order) {
      if (filter && w->handle != filter) continue;
      if (NeedsPaint(w) && !w->inPaint) return w;
    }
  }
  return nullptr;
}

static void SendNcPaint(Window* w) {
  if (!w->ncPaint) return;
  w->ncPaint = false;
  SendMessageA(w->handle, WM_NCPAINT, 1, 0);
}

static void EraseNow(Window* w) {
  if (!w->erase) return;
  w->erase = false;
  HWND h = w->handle;
  HDC dc = GetDCEx(h, nullptr,
                   DCX_CACHE | ((w->style & WS_CLIPCHILDREN) ? DCX_CLIPCHILDREN : 0) |
                       ((w->style & WS_CLIPSIBLINGS) ? DCX_CLIPSIBLINGS : 0));
  if (!dc) return;
  // Only the part waiting to be painted is erased.
  Region vis = VisibleRegion(w, false, (w->style & WS_CLIPCHILDREN) != 0, (w->style & WS_CLIPSIBLINGS) != 0);
  Region upd = w->update;
  POINT o = ClientOriginInSurface(w);
  upd.Offset(o.x, o.y);
  vis.IntersectWith(upd);
  Target(dc, w, false, vis);
  SendMessageA(h, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  ReleaseDC(h, dc);
}

void PaintNow(Window* w, bool children) {
  HWND h = w->handle;
  if (IsReallyVisible(w) && NeedsPaint(w) && !w->inPaint) {
    SendMessageA(h, WM_PAINT, 0, 0);
    if (!(w = FromHandle(h))) return;
    // A window procedure that never validates still gets no second WM_PAINT here.
    if (w->internalPaint && w->update.IsEmpty()) w->internalPaint = false;
  }
  if (!children) return;
  for (const WindowRef& c : RefsOf(w->children))
    if (c) PaintNow(c.Get(), true);
}

}  // namespace win::user

using namespace win::user;
namespace gdi = win::gdi;

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
  if (!hwnd) {
    for (Window* t : TopLevels()) InvalidateWindow(t, nullptr, erase, true, true);
    return TRUE;
  }
  Window* w = FromHandle(hwnd);
  if (!w) return FALSE;
  if (rect) {
    RECT r = *rect;
    if (r.right < r.left) std::swap(r.left, r.right);
    if (r.bottom < r.top) std::swap(r.top, r.bottom);
    gdi::Region rg(r);
    InvalidateWindow(w, &rg, erase, !(w->style & WS_CLIPCHILDREN), false);
  } else {
    InvalidateWindow(w, nullptr, erase, !(w->style & WS_CLIPCHILDREN), false);
  }
  return TRUE;
}

BOOL InvalidateRgn(HWND hwnd, HRGN rgn, BOOL erase) {
  Window* w = FromHandle(hwnd);
  if (!w) return FALSE;
  const gdi::Region* r = rgn ? gdi::LookupRegion(rgn) : nullptr;
  InvalidateWindow(w, r, erase, !(w->style & WS_CLIPCHILDREN), false);
  return TRUE;
}

static void Validate(Window* w, const gdi::Region* r) {
  if (r)
    w->update.Subtract(*r);
  else
    w->update.Clear();
  if (w->update.IsEmpty()) {
    w->erase = false;
    if (!r) w->internalPaint = false;
  }
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
  Window* w = FromHandle(hwnd);
  if (!w) return FALSE;
  if (rect) {
    gdi::Region r(*rect);
    Validate(w, &r);
  } else {
    Validate(w, nullptr);
  }
  return TRUE;
}

BOOL ValidateRgn(HWND hwnd, HRGN rgn) {
  Window* w = FromHandle(hwnd);
  if (!w) return FALSE;
  Validate(w, rgn ? gdi::LookupRegion(rgn) : nullptr);
  return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase) {
  Window* w = FromHandle(hwnd);
  if (!w) return FALSE;
  if (rect) *rect = w->update.IsEmpty() ? RECT{0, 0, 0, 0} : w->update.Bounds();
  if (erase && !w->update.IsEmpty()) {
    SendNcPaint(w);
    EraseNow(w);
  }
  return !w->update.IsEmpty();
}

int GetUpdateRgn(HWND hwnd, HRGN rgn, BOOL erase) {
  Window* w = FromHandle(hwnd);
  gdi::Region* out = gdi::LookupRegion(rgn);
  if (!w || !out) return 0;  // ERROR
  *out = w->update;
  if (erase && !w->update.IsEmpty()) {
    SendNcPaint(w);
    EraseNow(w);
  }
  return w->update.IsEmpty() ? 1 : w->update.IsRect() ? 2 : 3;
}

BOOL UpdateWindow(HWND hwnd) {
  Window* w = FromHandle(hwnd);
  if (!w) return FALSE;
  PaintNow(w, true);
  FlushPresents();
  return TRUE;
}

BOOL RedrawWindow(HWND hwnd, const RECT* update, HRGN rgn, UINT flags) {
  if (!hwnd) {
    for (const WindowRef& t : RefsOf(TopLevels()))
      if (t) RedrawWindow(t.Handle(), nullptr, nullptr, flags);
    return TRUE;
  }
  Window* w = FromHandle(hwnd);
  if (!w) return FALSE;
  std::optional<gdi::Region> area;
  if (rgn) {
    if (const gdi::Region* r = gdi::LookupRegion(rgn)) area = *r;
  } else if (update) {
    area = gdi::Region(*update);
  }
  bool children = (flags & RDW_ALLCHILDREN) || (!(flags & RDW_NOCHILDREN) && !(w->style & WS_CLIPCHILDREN));
  if (flags & RDW_INVALIDATE) {
    InvalidateWindow(w, area ? &*area : nullptr, (flags & RDW_ERASE) != 0, children, (flags & RDW_FRAME) != 0);
  }
  if (flags & RDW_INTERNALPAINT) w->internalPaint = true;
  if (flags & RDW_VALIDATE) {
    std::vector<Window*> targets{w};
    if (children) {
      std::vector<Window*> stack{w};
      while (!stack.empty()) {
        Window* x = stack.back();
        stack.pop_back();
        for (Window* c : x->children) {
          targets.push_back(c);
          stack.push_back(c);
        }
      }
    }
    for (Window* t : targets) {
      if (t == w)
        Validate(t, area ? &*area : nullptr);
      else
        Validate(t, nullptr);
      if (flags & RDW_NOFRAME) t->ncPaint = false;
      if (flags & RDW_NOERASE) t->erase = false;
      if (flags & RDW_NOINTERNALPAINT) t->internalPaint = false;
    }
  }
  if (flags & RDW_NOERASE) w->erase = false;
  if (flags & RDW_UPDATENOW) {
    PaintNow(w, !(flags & RDW_NOCHILDREN));
    FlushPresents();
  } else if (flags & RDW_ERASENOW) {
    SendNcPaint(w);
    EraseNow(w);
    if (!(flags & RDW_NOCHILDREN))
      for (const WindowRef& c : RefsOf(w->children))
        if (c) RedrawWindow(c.Handle(), nullptr, nullptr, RDW_ERASENOW);
  }
  return TRUE;
}

HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT ps) {
  Window* w = FromHandle(hwnd);
  if (!w || !ps) return nullptr;
  std::memset(ps, 0, sizeof *ps);
  SendNcPaint(w);
  if (!(w = FromHandle(hwnd))) return nullptr;
  gdi::Region upd = w->update;
  bool erase = w->erase;
  w->update.Clear();
  w->erase = false;
  w->internalPaint = false;
  w->inPaint = true;
  HDC dc = GetDCEx(hwnd, nullptr,
                   DCX_CACHE | ((w->style & WS_CLIPCHILDREN) ? DCX_CLIPCHILDREN : 0) |
                       ((w->style & WS_CLIPSIBLINGS) ? DCX_CLIPSIBLINGS : 0));
  gdi::Region vis = VisibleRegion(w, false, (w->style & WS_CLIPCHILDREN) != 0, (w->style & WS_CLIPSIBLINGS) != 0);
  POINT o = ClientOriginInSurface(w);
  gdi::Region updSurface = upd;
  updSurface.Offset(o.x, o.y);
  vis.IntersectWith(updSurface);
  Target(dc, w, false, vis);
  Dcs()[dc].dirty = vis.Bounds();
  ps->hdc = dc;
  ps->rcPaint = upd.IsEmpty() ? RECT{0, 0, 0, 0} : upd.Bounds();
  ps->fErase = TRUE;
  if (erase) {
    LRESULT erased = SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    ps->fErase = erased ? FALSE : TRUE;
  } else {
    ps->fErase = FALSE;
  }
  return dc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
  Window* w = FromHandle(hwnd);
  if (w) w->inPaint = false;
  if (ps && ps->hdc) ReleaseDC(hwnd, ps->hdc);
  return TRUE;
}

HDC GetDCEx(HWND hwnd, HRGN clip, DWORD flags) {
  Window* w = hwnd ? FromHandle(hwnd) : Desktop();
  if (!w) return nullptr;
  if (w == Desktop()) {
    // A screen DC draws onto one of our windows: the active one, or the
    // topmost visible one, with screen coordinates mapped onto it.
    Window* top = FromHandle(Focus().active);
    if (!top || !IsReallyVisible(top)) {
      top = nullptr;
      for (Window* t : TopLevels())
        if (!top && IsReallyVisible(t)) top = t;
    }
    HDC dc = gdi::CreateDeviceDC();
    DcRecord rec;
    rec.hwnd = Desktop()->handle;
    if (top) {
      gdi::DeviceSurface s = SurfaceOf(top);
      POINT origin{-top->rect.left, -top->rect.top};
      gdi::Region vis(0, 0, s.width, s.height);
      gdi::SetDeviceTarget(dc, s, origin, &vis);
      rec.dirty = {0, 0, s.width, s.height};
      rec.window = true;
      rec.hwnd = top->handle;
    }
    Dcs()[dc] = rec;
    return dc;
  }
  bool whole = (flags & DCX_WINDOW) != 0;
  bool useStyles = !(flags & DCX_CACHE);
  bool clipChildren = (flags & DCX_CLIPCHILDREN) || (useStyles && (w->style & WS_CLIPCHILDREN));
  bool clipSiblings = (flags & DCX_CLIPSIBLINGS) || (useStyles && (w->style & WS_CLIPSIBLINGS));
  if (flags & DCX_PARENTCLIP) clipSiblings = false;
  gdi::Region vis = VisibleRegion(w, whole, clipChildren, clipSiblings);
  if (clip && (flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN))) {
    // The region is in the DC's own coordinates.
    if (const gdi::Region* r = gdi::LookupRegion(clip)) {
      gdi::Region c = *r;
      POINT o = whole ? WindowOriginInSurface(w) : ClientOriginInSurface(w);
      c.Offset(o.x, o.y);
      if (flags & DCX_INTERSECTRGN)
        vis.IntersectWith(c);
      else
        vis.Subtract(c);
    }
  }
  HDC dc;
  bool own = false;
  if ((w->cls && (w->cls->style & CS_OWNDC)) && !(flags & DCX_CACHE) && !whole) {
    if (!w->ownDC) w->ownDC = gdi::CreateDeviceDC();
    dc = w->ownDC;
    own = true;
  } else {
    dc = gdi::CreateDeviceDC();
  }
  Target(dc, w, whole, vis);
  DcRecord rec;
  rec.hwnd = hwnd;
  rec.own = own;
  rec.window = whole;
  rec.dirty = vis.Bounds();
  Dcs()[dc] = rec;
  return dc;
}

namespace win::user {
HDC GetFrameDC(Window* w) {
  HDC dc = GetDCEx(w->handle, nullptr, DCX_WINDOW | DCX_CACHE | DCX_CLIPSIBLINGS);
  if (!dc) return nullptr;
  gdi::Region vis = VisibleRegion(w, true, false, true);
  POINT o = ClientOriginInSurface(w);
  vis.Subtract(gdi::Region(Offset(ClientBounds(w), o.x, o.y)));
  Target(dc, w, true, vis);
  Dcs()[dc].dirty = vis.Bounds();
  return dc;
}
}  // namespace win::user

HDC GetDC(HWND hwnd) {
  return GetDCEx(hwnd, nullptr, 0);
}

HDC GetWindowDC(HWND hwnd) {
  return GetDCEx(hwnd, nullptr, DCX_WINDOW);
}

int ReleaseDC(HWND, HDC dc) {
  auto it = Dcs().find(dc);
  if (it == Dcs().end()) return 0;
  DcRecord rec = it->second;
  if (Window* w = FromHandle(rec.hwnd)) MarkDirty(TopLevelOf(w), rec.dirty);
  if (rec.own) return 1;
  Dcs().erase(it);
  gdi::DeleteDeviceDC(dc);
  return 1;
}

HWND WindowFromDC(HDC dc) {
  auto it = Dcs().find(dc);
  return it == Dcs().end() ? nullptr : it->second.hwnd;
}

BOOL LockWindowUpdate(HWND hwnd) {
  if (hwnd && WM().lockedUpdate && WM().lockedUpdate != hwnd) return FALSE;
  HWND old = WM().lockedUpdate;
  WM().lockedUpdate = hwnd;
  if (!hwnd && old) InvalidateRect(old, nullptr, TRUE);
  return TRUE;
}

int SetWindowRgn(HWND hwnd, HRGN rgn, BOOL redraw) {
  Window* w = FromHandle(hwnd);
  if (!w) return 0;
  if (rgn) {
    const gdi::Region* r = gdi::LookupRegion(rgn);
    if (!r) return 0;
    w->windowRgn = *r;
    // The window manager owns the region from now on.
    DeleteObject(rgn);
  } else {
    w->windowRgn.reset();
  }
  if (redraw && w->parent) {
    gdi::Region all(w->rect);
    InvalidateWindow(w->parent, &all, true, true, false);
  }
  if (redraw) InvalidateWindow(w, nullptr, true, true, true);
  return 1;
}

int GetWindowRgn(HWND hwnd, HRGN rgn) {
  Window* w = FromHandle(hwnd);
  gdi::Region* out = gdi::LookupRegion(rgn);
  if (!w || !out || !w->windowRgn) return 0;
  *out = *w->windowRgn;
  return out->IsEmpty() ? 1 : out->IsRect() ? 2 : 3;
}

int ScrollWindowEx(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN updateRgn, LPRECT updateRect,
                   UINT flags) {
  Window* w = FromHandle(hwnd);
  if (!w) return 0;
  RECT area = ClientBounds(w);
  if (scroll) IntersectRect(&area, &area, scroll);
  RECT clientArea = ClientBounds(w);
  RECT clipArea = clip ? *clip : clientArea;
  IntersectRect(&clipArea, &clipArea, &clientArea);
  RECT dest;
  RECT moved = Offset(area, dx, dy);
  IntersectRect(&dest, &moved, &area);
  IntersectRect(&dest, &dest, &clipArea);

  // Move the pixels that stay visible, when the window shows them whole.
  gdi::Region vis = VisibleRegion(w, false, true, true);
  POINT o = ClientOriginInSurface(w);
  gdi::Region invalid(area);
  invalid = invalid.IntersectRect(clipArea);
  gdi::DeviceSurface s = SurfaceOf(TopLevelOf(w));
  RECT destS = Offset(dest, o.x, o.y), srcS = Offset(dest, o.x - dx, o.y - dy);
  if (s.pixels && vis.ContainsRect(destS) && vis.ContainsRect(srcS) && dest.right > dest.left &&
      dest.bottom > dest.top) {
    MovePixels(s, destS, srcS, dy);
    invalid.Subtract(gdi::Region(dest));
    MarkDirty(TopLevelOf(w), destS);
  }
  // What was waiting to be painted moves with the pixels.
  if (!w->update.IsEmpty()) {
    gdi::Region inside = w->update.IntersectRect(area);
    w->update.Subtract(inside);
    inside.Offset(dx, dy);
    w->update.UnionWith(inside.IntersectRect(clipArea));
  }
  if (flags & SW_SCROLLCHILDREN) {
    for (const WindowRef& ref : RefsOf(w->children)) {
      Window* c = ref.Get();
      if (!c) continue;
      RECT inter;
      if (scroll && !IntersectRect(&inter, &c->rect, scroll)) continue;
      SetWindowPos(c->handle, nullptr, c->rect.left + dx, c->rect.top + dy, 0, 0,
                   SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
    }
    InvalidateWindow(w, nullptr, false, true, false);
  }
  if (flags & SW_INVALIDATE)
    InvalidateWindow(w, &invalid, (flags & SW_ERASE) != 0, !(w->style & WS_CLIPCHILDREN), false);
  if (gdi::Region* out = updateRgn ? gdi::LookupRegion(updateRgn) : nullptr) *out = invalid;
  if (updateRect) *updateRect = invalid.IsEmpty() ? RECT{0, 0, 0, 0} : invalid.Bounds();
  return invalid.IsEmpty() ? 1 : invalid.IsRect() ? 2 : 3;
}

BOOL ScrollWindow(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip) {
  UINT flags = SW_INVALIDATE | SW_ERASE | (scroll ? 0 : SW_SCROLLCHILDREN);
  return ScrollWindowEx(hwnd, dx, dy, scroll, clip, nullptr, nullptr, flags) != 0;
}

BOOL ScrollDC(HDC dc, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN updateRgn, LPRECT updateRect) {
  auto it = Dcs().find(dc);
  if (it == Dcs().end() || !scroll) return FALSE;
  Window* w = FromHandle(it->second.hwnd);
  if (!w) return FALSE;
  RECT area = *scroll;
  if (clip) IntersectRect(&area, &area, clip);
  RECT moved = Offset(area, dx, dy), dest;
  IntersectRect(&dest, &moved, &area);
  POINT o = it->second.window ? WindowOriginInSurface(w) : ClientOriginInSurface(w);
  gdi::DeviceSurface s = SurfaceOf(TopLevelOf(w));
  RECT destS = Offset(dest, o.x, o.y), srcS = Offset(dest, o.x - dx, o.y - dy);
  RECT bounds{0, 0, s.width, s.height};
  gdi::Region invalid(area);
  if (s.pixels && gdi::Region(bounds).ContainsRect(destS) && gdi::Region(bounds).ContainsRect(srcS)) {
    MovePixels(s, destS, srcS, dy);
    invalid.Subtract(gdi::Region(dest));
    MarkDirty(TopLevelOf(w), destS);
  }
  if (gdi::Region* out = updateRgn ? gdi::LookupRegion(updateRgn) : nullptr) *out = invalid;
  if (updateRect) *updateRect = invalid.IsEmpty() ? RECT{0, 0, 0, 0} : invalid.Bounds();
  return TRUE;
}

BOOL PrintWindow(HWND hwnd, HDC dc, UINT) {
  if (!IsWindow(hwnd)) return FALSE;
  SendMessageA(hwnd, WM_PRINT, reinterpret_cast<WPARAM>(dc),
               PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
  return TRUE;
}
