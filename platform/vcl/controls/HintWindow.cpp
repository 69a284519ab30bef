#include "platform/vcl/controls/HintWindow.h"

#include "platform/vcl/controls/Screen.h"
#include "platform/win/windows.h"

std::string GetShortHint(const std::string& hint) {
  auto bar = hint.find('|');
  return bar == std::string::npos ? hint : hint.substr(0, bar);
}

std::string GetLongHint(const std::string& hint) {
  auto bar = hint.find('|');
  return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  FVisible = false;
  FColor = clInfoBk;
  FParentColor = false;
  GetBrush()->SetColor(FColor);
  FParentFont = false;
  if (Screen) GetFont()->Assign(Screen->GetHintFont());
  FParentFont = false;
  GetCanvas()->SetFont(GetFont());
}

void THintWindow::Messages(TMessageMap<THintWindow>& m) {
  m.On(CM_TEXTCHANGED, &THintWindow::CMTextChanged);
  m.On(WM_NCHITTEST, &THintWindow::WMNCHitTest);
}

void THintWindow::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style = WS_POPUP | WS_BORDER;
  params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  params.WndParent = nullptr;
  params.WindowClass.style |= CS_SAVEBITS;
}

void THintWindow::ActivateHint(TRect rect, const std::string& hint) {
  SetCaption(hint);
  // Keep the whole hint on the screen.
  if (Screen) {
    TRect area = Screen->GetWorkAreaRect();
    int w = rect.Width(), h = rect.Height();
    if (rect.Right > area.Right) rect.Left = area.Right - w;
    if (rect.Left < area.Left) rect.Left = area.Left;
    if (rect.Bottom > area.Bottom) rect.Top = area.Bottom - h;
    if (rect.Top < area.Top) rect.Top = area.Top;
    rect.Right = rect.Left + w;
    rect.Bottom = rect.Top + h;
  }
  HWND handle = GetHandle();
  SetWindowPos(handle, HWND_TOPMOST, rect.Left, rect.Top, rect.Width(), rect.Height(), SWP_SHOWWINDOW | SWP_NOACTIVATE);
  UpdateBounds();
  Invalidate();
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::string& hint) {
  RECT r{0, 0, maxWidth, 0};
  DrawTextA(GetCanvas()->GetHandle(), hint.c_str(), -1, &r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  // Room for the border and the text's margin.
  r.right += 6;
  r.bottom += 4;
  return r;
}

void THintWindow::ReleaseHandle() {
  DestroyHandle();
}

bool THintWindow::IsHintShowing() {
  return HandleAllocated() && IsWindowVisible(FHandle);
}

void THintWindow::Paint() {
  RECT r = GetClientRect();
  r.left += 2;
  r.top += 1;
  TCanvas* canvas = GetCanvas();
  canvas->GetFont()->Assign(GetFont());
  canvas->GetBrush()->SetStyle(bsClear);
  HDC dc = canvas->GetHandle();
  SetTextColor(dc, ColorToRGB(GetFont()->GetColor()));
  SetBkMode(dc, TRANSPARENT);
  std::string text = GetText();
  DrawTextA(dc, text.c_str(), -1, &r, DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
}

void THintWindow::CMTextChanged(TMessage& m) {
  (void)m;
  Invalidate();
}

// The mouse goes through a hint to what lies below it.
void THintWindow::WMNCHitTest(TMessage& m) {
  m.Result = HTTRANSPARENT;
}
