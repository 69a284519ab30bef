#include "controls/styled/styutils.h"

#include <algorithm>
#include <cmath>

#include "platform/vcl/SysUtils.h"
#include "platform/win/windows.h"

void AdjustRect(TRect& R, int DLeft, int DTop, int DRight, int DBottom) {
  R.Left += DLeft;
  R.Top += DTop;
  R.Right += DRight;
  R.Bottom += DBottom;
}

void RectSize(const TRect& R, int& Width, int& Height) {
  Width = R.Right - R.Left;
  Height = R.Bottom - R.Top;
}

void FitRectKeepAspect(const TRect& Src, const TRect& Dest, TRect& R) {
  const long double sw = Src.Width(), sh = Src.Height();
  if (sw == 0 || sh == 0) throw EZeroDivide("Floating point division by zero");
  const long double s = std::min(Dest.Width() / sw, Dest.Height() / sh);
  R = TRect(0, 0, static_cast<LONG>(std::trunc(sw * s)), static_cast<LONG>(std::trunc(sh * s)));
  AdjustRect(R, Dest.Left, Dest.Top, Dest.Left, Dest.Top);
}

void RotatedBounds(TRect& R, int Angle) {
  if (Angle == 0) return;
  const double a = Angle * M_PI / 180.0;
  const int hw = (R.Right - R.Left) / 2, hh = (R.Bottom - R.Top) / 2;
  const int cx = R.Left + hw, cy = R.Top + hh;
  const double c = std::cos(a), s = std::sin(a);
  const int p = static_cast<int>(Round(hw * c - hh * s));
  const int q = static_cast<int>(Round(hw * c + hh * s));
  const int t = static_cast<int>(Round(hw * s - hh * c));
  const int u = static_cast<int>(Round(hw * s + hh * c));
  const int xs[4] = {cx - p, cx - q, cx + q, cx + p};
  const int ys[4] = {cy + t, cy + u, cy - u, cy - t};
  const int left = MinIntOf(xs, 3), right = MaxIntOf(xs, 3);
  const int top = MinIntOf(ys, 3), bottom = MaxIntOf(ys, 3);
  R = TRect(0, 0, right - left, bottom - top);
}

int MaxIntOf(const int* Values, int High) {
  return *std::max_element(Values, Values + High + 1);
}

int MinIntOf(const int* Values, int High) {
  return *std::min_element(Values, Values + High + 1);
}

long double MinFloatOf(const long double* Values, int High) {
  return *std::min_element(Values, Values + High + 1);
}

bool IsBlankString(const std::string& S) {
  return S.find_first_not_of(' ') == std::string::npos;
}

std::string FillString(int Count, char Ch) {
  return Count > 0 ? std::string(static_cast<size_t>(Count), Ch) : std::string();
}

std::string TrimString(const std::string& S) {
  return Trim(S);
}

std::string AddBackslash(const std::string& S) {
  if (!IsBlankString(S) && S.back() == '\\') return S;
  return S + "\\";
}

std::string RemoveBackslash(const std::string& S) {
  if (IsBlankString(S)) return S;
  if (S.back() == '\\') return S.substr(0, S.size() - 1);
  return S;
}

std::string GetProgramDirectory() {
  char buffer[MAX_PATH] = {};
  DWORD n = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  return ExtractFilePath(std::string(buffer, n));
}

std::string WindowsDirectory() {
  char buffer[260] = {};
  UINT n = GetWindowsDirectoryA(buffer, sizeof buffer);
  return std::string(buffer, std::min<UINT>(n, sizeof buffer));
}

std::string SystemDirectory() {
  char buffer[260] = {};
  UINT n = GetSystemDirectoryA(buffer, sizeof buffer);
  return std::string(buffer, std::min<UINT>(n, sizeof buffer));
}

std::string GetPrefixDirectory(TStyPathPrefix Prefix, bool WithBackslash) {
  std::string dir;
  switch (Prefix) {
    case ppWindows: dir = WindowsDirectory(); break;
    case ppSystem: dir = SystemDirectory(); break;
    case ppProgram: dir = GetProgramDirectory(); break;
    default: return std::string();
  }
  return WithBackslash ? AddBackslash(dir) : RemoveBackslash(dir);
}
