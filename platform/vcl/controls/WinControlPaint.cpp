// TWinControl's painting: its window, the graphic controls on it, the
// background and double buffering.
#include "platform/vcl/controls/WinControl.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "platform/vcl/SysUtils.h"
#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/controls/ControlHooks.h"
#include "platform/vcl/controls/Screen.h"
#include "platform/win/windows.h"

void TWinControl::Invalidate() {
  if (FHandle) InvalidateRect(FHandle, nullptr, !FControlStyle.Contains(csOpaque));
}

void TWinControl::Update() {
  if (FHandle) UpdateWindow(FHandle);
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

void TWinControl::CMInvalidate(TMessage&) {
  Invalidate();
}

void TWinControl::WMPaint(TMessage& m) {
  if (!FDoubleBuffered || m.WParam != 0) {
    PaintHandler(m);
    return;
  }
  // Paint into a memory bitmap first so that the window never shows a
  // half-drawn state.
  TRect client = GetClientRect();
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(FHandle, &ps);
  if (client.Right <= 0 || client.Bottom <= 0) {
    EndPaint(FHandle, &ps);
    return;
  }
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.Right, client.Bottom);
  ReleaseDC(nullptr, screen);
  HDC memDC = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(memDC, bitmap);
  Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memDC), reinterpret_cast<LPARAM>(memDC));
  TMessage inner{WM_PAINT, reinterpret_cast<WPARAM>(memDC), 0, 0};
  PaintHandler(inner);
  BitBlt(dc, 0, 0, client.Right, client.Bottom, memDC, 0, 0, SRCCOPY);
  SelectObject(memDC, old);
  DeleteDC(memDC);
  DeleteObject(bitmap);
  EndPaint(FHandle, &ps);
}

void TWinControl::PaintHandler(TMessage& message) {
  PAINTSTRUCT ps{};
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  if (!dc) dc = BeginPaint(FHandle, &ps);
  if (FControls.empty()) {
    PaintWindow(dc);
  } else {
    // Opaque graphic children cover their part: the window leaves it alone.
    int saved = SaveDC(dc);
    int clip = SIMPLEREGION;
    for (TControl* c : FControls)
      if ((c->GetVisible() || c->GetComponentState().Contains(csDesigning)) &&
          c->GetControlStyle().Contains(csOpaque)) {
        clip =
            ExcludeClipRect(dc, c->GetLeft(), c->GetTop(), c->GetLeft() + c->GetWidth(), c->GetTop() + c->GetHeight());
        if (clip == NULLREGION) break;
      }
    if (clip != NULLREGION) PaintWindow(dc);
    RestoreDC(dc, saved);
  }
  PaintControls(dc, nullptr);
  if (message.WParam == 0) EndPaint(FHandle, &ps);
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::PaintControls(HDC dc, TControl* first) {
  size_t i = 0;
  if (first) {
    auto it = std::find(FControls.begin(), FControls.end(), first);
    if (it != FControls.end()) i = static_cast<size_t>(it - FControls.begin());
  }
  for (; i < FControls.size(); i++) {
    TControl* c = FControls[i];
    if (!(c->GetVisible() || c->GetComponentState().Contains(csDesigning))) continue;
    RECT r = c->GetBoundsRect();
    if (!RectVisible(dc, &r)) continue;
    if (FControlState.Contains(csPaintCopy)) c->FControlState.Include(csPaintCopy);
    int saved = SaveDC(dc);
    POINT org;
    GetWindowOrgEx(dc, &org);
    SetWindowOrgEx(dc, org.x - c->GetLeft(), org.y - c->GetTop(), nullptr);
    IntersectClipRect(dc, 0, 0, c->GetWidth(), c->GetHeight());
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, saved);
    c->FControlState.Exclude(csPaintCopy);
  }
}

void TWinControl::PaintTo(HDC dc, int x, int y) {
  int saved = SaveDC(dc);
  POINT org;
  GetWindowOrgEx(dc, &org);
  SetWindowOrgEx(dc, org.x - x, org.y - y, nullptr);
  TRect client = GetClientRect();
  IntersectClipRect(dc, 0, 0, client.Right, client.Bottom);
  Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  for (TWinControl* w : FWinControls)
    if (w->GetVisible()) w->PaintTo(dc, w->GetLeft(), w->GetTop());
  RestoreDC(dc, saved);
}

void TWinControl::WMEraseBkgnd(TMessage& m) {
  RECT r = GetClientRect();
  FillRect(reinterpret_cast<HDC>(m.WParam), &r, FBrush->GetHandle());
  m.Result = 1;
}

void TWinControl::CMColorChanged(TMessage& m) {
  FBrush->SetColor(FColor);
  NotifyControls(CM_PARENTCOLORCHANGED);
  (void)m;
  Invalidate();
}

void TWinControl::FontChanged(TObject* sender) {
  if (FHandle) SendMessageA(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFont->GetHandle()), 0);
  TControl::FontChanged(sender);
}

void TWinControl::CMFontChanged(TMessage& m) {
  (void)m;
  NotifyControls(CM_PARENTFONTCHANGED);
  Invalidate();
}

void TWinControl::CMCtl3DChanged(TMessage&) {
  NotifyControls(CM_PARENTCTL3DCHANGED);
}

void TWinControl::CMShowHintChanged(TMessage&) {
  NotifyControls(CM_PARENTSHOWHINTCHANGED);
}

void TWinControl::CMEnabledChanged(TMessage&) {
  if (!GetEnabled() && FParent) ForgetFocus();
  if (FHandle) EnableWindow(FHandle, GetEnabled() ? TRUE : FALSE);
  Invalidate();
}
