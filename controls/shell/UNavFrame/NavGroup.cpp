#include "controls/shell/UNavFrame/NavGroup.h"

#include "platform/win/windows.h"

namespace {

// The height of "0" in font, measured on the screen.
int GroupScreenTextHeight(TFont* font) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font->GetHandle());
  SIZE size{};
  GetTextExtentPoint32A(dc, "0", 1, &size);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return size.cy;
}

}  // namespace

TNavCustomGroup::TNavCustomGroup(TComponent* AOwner) : TNavFrameLook<TCustomControl>(AOwner) {
  TControlStyle style = GetControlStyle();
  style.Include(csAcceptsControls);
  SetControlStyle(style);
  SetBounds(GetLeft(), GetTop(), 64, 48);
}

void TNavCustomGroup::Publish(TPublisher<TNavCustomGroup>& p) {
  PublishLook(p, navfsGroup);
}

void TNavCustomGroup::Messages(TMessageMap<TNavCustomGroup>& m) {
  m.On(WM_ERASEBKGND, &TNavCustomGroup::WMEraseBkgnd);
  m.On(WM_NCCALCSIZE, &TNavCustomGroup::WMNCCalcSize);
  m.On(WM_NCPAINT, &TNavCustomGroup::WMNCPaint);
  m.On(CM_ENABLEDCHANGED, &TNavCustomGroup::CMEnabledChanged);
  m.On(CM_TEXTCHANGED, &TNavCustomGroup::CMTextChanged);
  m.On(CM_COLORCHANGED, &TNavCustomGroup::CMColorChanged);
  m.On(CM_FONTCHANGED, &TNavCustomGroup::CMFontChanged);
}

void TNavCustomGroup::SetFrameStyle(TNavFrameStyle value) {
  if (FFrameStyle == value) return;
  FFrameStyle = value;
  FFrameChanged = true;
  if (HandleAllocated()) RecreateWnd();
}

TRect TNavCustomGroup::FrameBorder() {
  if (FFrameStyle == navfsGroup) {
    const int top = GetText().empty() ? 2 : GroupScreenTextHeight(GetFont());
    return TRect(2, top, 2, 2);
  }
  TRect inside(0, 0, 0, 0);
  AdjustFrameRect(FFrameStyle, inside);
  return TRect(inside.Left, inside.Top, -inside.Right, -inside.Bottom);
}

void TNavCustomGroup::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
  Params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TNavCustomGroup::DrawFrame(TCanvas* Canvas, TRect R) {
  Canvas->GetBrush()->SetColor(GetColor());
  Canvas->GetBrush()->SetStyle(bsClear);
  R.Right -= 1;
  R.Bottom -= 1;
  Canvas->SetFont(GetFont());
  DrawFrameStyle(Canvas, R, FFrameStyle, GetText(), GetEnabled(), GetColor());
}

void TNavCustomGroup::Paint() {
  TCanvas* canvas = GetCanvas();
  canvas->SetFont(GetFont());
  if (GetColor() != clNone) {
    canvas->GetBrush()->SetStyle(bsSolid);
    canvas->GetBrush()->SetColor(GetColor());
  }
  if (GetDefaultDrawing() && FFrameStyle != navfsGroup) DrawInsideCaption(canvas, GetClientRect());
  if (OnPaint) OnPaint(this, canvas);
}

void TNavCustomGroup::WMEraseBkgnd(TMessage& m) {
  if (Designing() || GetDefaultDrawing())
    InheritedMessage(m);
  else
    m.Result = 1;
}

void TNavCustomGroup::WMNCCalcSize(TMessage& m) {
  InheritedMessage(m);
  auto* r = reinterpret_cast<RECT*>(m.LParam);
  if (!r) return;
  const TRect border = FrameBorder();
  r->left += border.Left;
  r->top += border.Top;
  r->right -= border.Right;
  r->bottom -= border.Bottom;
  if (r->right < r->left) r->right = r->left;
  if (r->bottom < r->top) r->bottom = r->top;
  if (!GetText().empty() || Designing() || FFrameChanged) {
    if (m.WParam) m.Result |= WVR_HREDRAW | WVR_VREDRAW;
    FFrameChanged = false;
  }
  // The valid-rectangle target follows the new client area.
  if (m.WParam) reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam)->rgrc[1] = *r;
}

void TNavCustomGroup::WMNCPaint(TMessage& m) {
  InheritedMessage(m);
  HWND wnd = GetHandle();
  HDC dc = GetWindowDC(wnd);
  if (!dc) return;
  RECT window{};
  GetWindowRect(wnd, &window);
  POINT origin{0, 0};
  ::ClientToScreen(wnd, &origin);
  RECT client{};
  ::GetClientRect(wnd, &client);
  OffsetRect(&client, origin.x - window.left, origin.y - window.top);
  ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
  auto* canvas = static_cast<TControlCanvas*>(GetCanvas());
  canvas->PaintOn(dc, [&] {
    canvas->SetFont(GetFont());
    DrawFrame(canvas, TRect(0, 0, window.right - window.left, window.bottom - window.top));
  });
  ReleaseDC(wnd, dc);
}

void TNavCustomGroup::UpdateFrame() {
  if (HandleAllocated())
    SetWindowPos(GetHandle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TNavCustomGroup::CMEnabledChanged(TMessage& m) {
  InheritedMessage(m);
  Invalidate();
  for (int i = 0; i < GetControlCount(); ++i) GetControls(i)->SetEnabled(GetEnabled());
  if (FFrameStyle == navfsGroup) UpdateFrame();
}

void TNavCustomGroup::CMTextChanged(TMessage& m) {
  InheritedMessage(m);
  Invalidate();
  if (FFrameStyle == navfsGroup) UpdateFrame();
}

void TNavCustomGroup::CMColorChanged(TMessage& m) {
  InheritedMessage(m);
  Invalidate();
  if (FFrameStyle == navfsGroup) UpdateFrame();
}

void TNavCustomGroup::CMFontChanged(TMessage& m) {
  InheritedMessage(m);
  if (FFrameStyle == navfsGroup)
    UpdateFrame();
  else
    Invalidate();
}
