#include "controls/styled/styprocs/Placement.h"

#include <cmath>

#include "controls/styled/stycompo.h"
#include "platform/win/windows.h"

namespace {

TRect BoundsOf(TWinControl* form) {
  RECT r{};
  if (form && form->HandleAllocated()) GetWindowRect(form->GetHandle(), &r);
  return r;
}

int TruncToInt(double v) {
  return static_cast<int>(std::trunc(v));
}

void Play(TStyDlgEffect Effect, TCustomForm* Form) {
  if (!Form) return;
  int delay = StyApplication ? StyApplication->GetExplodeDelay() : 3;
  if (delay < 1) delay = 1;
  TStyExplodeAnimation animation(Effect, BoundsOf(Form), -1, -1, 40);
  do ExplodePause(delay);
  while (animation.Step());
}

}  // namespace

void GetPlacementRect(TStyDlgPosRel Relation, TRect& Rect) {
  switch (Relation) {
    case brScreenWorkArea: {
      RECT r{};
      SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
      Rect = r;
      return;
    }
    case brMainForm: Rect = BoundsOf(Application ? Application->GetMainForm() : nullptr); return;
    case brActiveWindow: Rect = BoundsOf(Screen ? Screen->GetActiveForm() : nullptr); return;
    default: Rect = TRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)); return;
  }
}

void PlaceWindow(HWND Wnd, const TRect& B, TStyDlgPosition Position) {
  RECT wr{};
  GetWindowRect(Wnd, &wr);
  const int w = wr.right - wr.left, h = wr.bottom - wr.top;
  const int cx = B.Left + (B.Width() - w) / 2, cy = B.Top + (B.Height() - h) / 2;
  int x = B.Left, y = B.Top;
  switch (Position) {
    case bpCustom:
    case bpTopLeft: break;
    case bpTopCenter: x = cx; break;
    case bpTopRight: x = B.Right - w; break;
    case bpCenterLeft: y = cy; break;
    case bpCenter: x = cx, y = cy; break;
    case bpCenterRight: x = B.Right - w, y = cy; break;
    case bpBottomLeft: y = B.Bottom - h; break;
    case bpBottomCenter: x = cx, y = B.Bottom - h; break;
    case bpBottomRight: x = B.Right - w, y = B.Bottom - h; break;
  }
  if (y + h > GetSystemMetrics(SM_CYSCREEN)) y = B.Bottom - h;
  if (x + w > GetSystemMetrics(SM_CXSCREEN)) x = B.Right - w;
  if (x < 0) x = 0;
  if (y < 0) y = 0;
  SetWindowPos(Wnd, nullptr, x, y, 0, 0, SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOSIZE);
}

TStyExplodeAnimation::TStyExplodeAnimation(TStyDlgEffect Effect, const TRect& R, int StartX, int StartY, int Steps) {
  if (Steps < 4) Steps = 40;
  if (StartX < 0) {
    POINT p{};
    GetCursorPos(&p);
    StartX = p.x;
    StartY = p.y;
  }
  const double X = StartX, Y = StartY, n = Steps;
  if (Effect == deExplodeExt) {
    const int M = StartX + (R.Left - StartX) / 2;
    for (int i = 1; i <= Steps; ++i) {
      const int left = TruncToInt(X + i * (M - X) / n), top = TruncToInt(Y + i * (R.Bottom - Y) / n);
      FFrames.push_back(TRect(left, top, left + 20, top + 10));
    }
    for (int i = 1; i <= Steps; ++i) {
      const int left = TruncToInt(M + i * static_cast<double>(R.Left - M) / n);
      const int top = TruncToInt(R.Bottom + i * static_cast<double>(R.Top - R.Bottom) / n);
      const int right = TruncToInt(left + 20 + i * static_cast<double>(R.Width() - 20) / n);
      const int bottom = TruncToInt(top + 10 + i * static_cast<double>(R.Height() - 10) / n);
      FFrames.push_back(TRect(left, top, right, bottom));
    }
  } else {
    for (int i = 1; i <= Steps; ++i) {
      const int left = TruncToInt(X + i * (R.Left - X) / n), top = TruncToInt(Y + i * (R.Top - Y) / n);
      FFrames.push_back(TRect(left, top, TruncToInt(left + i * static_cast<double>(R.Width()) / n),
                              TruncToInt(top + i * static_cast<double>(R.Height()) / n)));
    }
  }
}

bool TStyExplodeAnimation::Step() {
  if (FNext >= FrameCount()) return false;
  HDC dc = GetDC(nullptr);
  RECT r = Frame(FNext);
  DrawFocusRect(dc, &r);
  ReleaseDC(nullptr, dc);
  ++FNext;
  return FNext < FrameCount();
}

void ExplodePause(int Delay) {
  Sleep(static_cast<DWORD>(Delay));
}

void ExplodeWindow(TCustomForm* Form) {
  Play(deExplode, Form);
}

void ExplodeWindowExt(TCustomForm* Form) {
  Play(deExplodeExt, Form);
}
