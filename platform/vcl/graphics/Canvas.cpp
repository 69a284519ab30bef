#include "platform/vcl/graphics/Canvas.h"

#include "platform/vcl/SysUtils.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Graphic.h"
#include "platform/win/winuser_draw.h"

namespace {

constexpr DWORD kMaskNotSource = 0x00220326;  // D & ~S
constexpr DWORD kMergePatternInSource = 0x00EA02E9;  // D | (P & S)

const POINT* AsPoints(const std::vector<TPoint>& points) {
  return reinterpret_cast<const POINT*>(points.data());
}

}  // namespace

TCanvas::TCanvas()
    : FFont(std::make_unique<TFont>()), FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>()) {
  InitializeCriticalSection(&FLock);
  FFont->OnChange = [this](TObject* sender) { FontChanged(sender); };
  FPen->OnChange = [this](TObject* sender) { PenChanged(sender); };
  FBrush->OnChange = [this](TObject* sender) { BrushChanged(sender); };
}

TCanvas::~TCanvas() {
  SetHandle(nullptr);
  DeleteCriticalSection(&FLock);
}

HDC TCanvas::GetHandle() {
  // Whoever takes the context may draw on it.
  Changing();
  RequiredState({csHandleValid, csFontValid, csPenValid, csBrushValid});
  return FHandle;
}

void TCanvas::SetHandle(HDC value) {
  if (value == FHandle) return;
  if (FHandle != nullptr) {
    DeselectHandles();
    FState.Exclude(csHandleValid);
  }
  FHandle = value;
  if (FHandle != nullptr) FState.Include(csHandleValid);
}

void TCanvas::RequiredState(TCanvasState state) {
  TCanvasState needed = state - FState;
  if (needed.Empty()) return;
  if (needed.Contains(csHandleValid)) {
    CreateHandle();
    if (FHandle == nullptr) throw EInvalidOperation("Canvas does not allow drawing");
  }
  if (needed.Contains(csFontValid)) SelectFont();
  if (needed.Contains(csPenValid)) SelectPen();
  if (needed.Contains(csBrushValid)) SelectBrush();
}

void TCanvas::SelectFont() {
  SelectObject(FHandle, FFont->GetHandle());
  SetTextColor(FHandle, ColorToRGB(FFont->GetColor()));
  FState.Include(csFontValid);
}

void TCanvas::SelectPen() {
  SelectObject(FHandle, FPen->GetHandle());
  SetROP2(FHandle, PenModeToROP2(FPen->GetMode()));
  FState.Include(csPenValid);
}

void TCanvas::SelectBrush() {
  UnrealizeObject(FBrush->GetHandle());
  SelectObject(FHandle, FBrush->GetHandle());
  // Hatches draw their gaps in the background colour only when the brush is solid.
  if (FBrush->GetStyle() == bsSolid) {
    SetBkColor(FHandle, ColorToRGB(FBrush->GetColor()));
    SetBkMode(FHandle, OPAQUE);
  } else {
    SetBkColor(FHandle, ~ColorToRGB(FBrush->GetColor()) & 0x00FFFFFF);
    SetBkMode(FHandle, TRANSPARENT);
  }
  FState.Include(csBrushValid);
}

void TCanvas::DeselectHandles() {
  if (FHandle == nullptr) return;
  if (FState.Contains(csFontValid)) SelectObject(FHandle, GetStockObject(SYSTEM_FONT));
  if (FState.Contains(csPenValid)) SelectObject(FHandle, GetStockObject(BLACK_PEN));
  if (FState.Contains(csBrushValid)) SelectObject(FHandle, GetStockObject(HOLLOW_BRUSH));
  FState -= TCanvasState{csFontValid, csPenValid, csBrushValid};
}

void TCanvas::FontChanged(TObject*) {
  if (FState.Contains(csFontValid)) {
    FState.Exclude(csFontValid);
    SelectObject(FHandle, GetStockObject(SYSTEM_FONT));
  }
}

void TCanvas::PenChanged(TObject*) {
  if (FState.Contains(csPenValid)) {
    FState.Exclude(csPenValid);
    SelectObject(FHandle, GetStockObject(BLACK_PEN));
  }
}

void TCanvas::BrushChanged(TObject*) {
  if (FState.Contains(csBrushValid)) {
    FState.Exclude(csBrushValid);
    SelectObject(FHandle, GetStockObject(HOLLOW_BRUSH));
  }
}

void TCanvas::Refresh() {
  DeselectHandles();
}

void TCanvas::Changing() {
  if (OnChanging) OnChanging(this);
}

void TCanvas::Changed() {
  if (OnChange) OnChange(this);
}

TColor TCanvas::GetPixels(int x, int y) {
  RequiredState({csHandleValid});
  return static_cast<TColor>(GetPixel(FHandle, x, y));
}

void TCanvas::SetPixels(int x, int y, TColor value) {
  Changing();
  RequiredState({csHandleValid, csPenValid});
  SetPixel(FHandle, x, y, ColorToRGB(value));
  Changed();
}

TPoint TCanvas::GetPenPos() {
  RequiredState({csHandleValid});
  POINT p{};
  GetCurrentPositionEx(FHandle, &p);
  return p;
}

TRect TCanvas::GetClipRect() {
  RequiredState({csHandleValid});
  RECT r{};
  GetClipBox(FHandle, &r);
  return r;
}

void TCanvas::MoveTo(int x, int y) {
  RequiredState({csHandleValid});
  MoveToEx(FHandle, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::LineTo(FHandle, x, y);
  Changed();
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Polyline(FHandle, AsPoints(points), static_cast<int>(points.size()));
  Changed();
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Polygon(FHandle, AsPoints(points), static_cast<int>(points.size()));
  Changed();
}

void TCanvas::PolyBezier(const std::vector<TPoint>& points) {
  if (points.size() < 4 || (points.size() - 1) % 3 != 0) return;
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  // Each cubic segment flattened into short lines.
  constexpr int kSteps = 16;
  std::vector<POINT> line{POINT{points[0].X, points[0].Y}};
  for (std::size_t i = 0; i + 3 < points.size(); i += 3) {
    const TPoint& p0 = points[i];
    const TPoint& p1 = points[i + 1];
    const TPoint& p2 = points[i + 2];
    const TPoint& p3 = points[i + 3];
    for (int s = 1; s <= kSteps; ++s) {
      double t = static_cast<double>(s) / kSteps, u = 1 - t;
      double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
      line.push_back(POINT{static_cast<LONG>(a * p0.X + b * p1.X + c * p2.X + d * p3.X + 0.5),
                           static_cast<LONG>(a * p0.Y + b * p1.Y + c * p2.Y + d * p3.Y + 0.5)});
    }
  }
  ::Polyline(FHandle, line.data(), static_cast<int>(line.size()));
  Changed();
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Rectangle(FHandle, x1, y1, x2, y2);
  Changed();
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::RoundRect(FHandle, x1, y1, x2, y2, x3, y3);
  Changed();
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Ellipse(FHandle, x1, y1, x2, y2);
  Changed();
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Arc(FHandle, x1, y1, x2, y2, x3, y3, x4, y4);
  Changed();
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Pie(FHandle, x1, y1, x2, y2, x3, y3, x4, y4);
  Changed();
}

void TCanvas::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Chord(FHandle, x1, y1, x2, y2, x3, y3, x4, y4);
  Changed();
}

void TCanvas::FillRect(const TRect& r) {
  Changing();
  RequiredState({csHandleValid, csBrushValid});
  RECT rect = r;
  ::FillRect(FHandle, &rect, FBrush->GetHandle());
  Changed();
}

void TCanvas::FrameRect(const TRect& r) {
  Changing();
  RequiredState({csHandleValid, csBrushValid});
  RECT rect = r;
  ::FrameRect(FHandle, &rect, FBrush->GetHandle());
  Changed();
}

void TCanvas::DrawFocusRect(const TRect& r) {
  Changing();
  RequiredState({csHandleValid, csBrushValid});
  RECT rect = r;
  ::DrawFocusRect(FHandle, &rect);
  Changed();
}

void TCanvas::FloodFill(int x, int y, TColor color, TFillStyle fillStyle) {
  Changing();
  RequiredState({csHandleValid, csBrushValid});
  ExtFloodFill(FHandle, x, y, ColorToRGB(color), fillStyle == fsSurface ? FLOODFILLSURFACE : FLOODFILLBORDER);
  Changed();
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
  Changing();
  RequiredState({csHandleValid, csFontValid, csBrushValid});
  ExtTextOutA(FHandle, x, y, static_cast<UINT>(FTextFlags), nullptr, text.c_str(), static_cast<UINT>(text.size()),
              nullptr);
  MoveTo(x + TextWidth(text), y);
  Changed();
}

void TCanvas::TextRect(const TRect& r, int x, int y, const std::string& text) {
  Changing();
  RequiredState({csHandleValid, csFontValid, csBrushValid});
  UINT options = ETO_CLIPPED | (static_cast<UINT>(FTextFlags) & ~ETO_OPAQUE);
  if (FBrush->GetStyle() != bsClear) options |= ETO_OPAQUE;
  RECT rect = r;
  ExtTextOutA(FHandle, x, y, options, &rect, text.c_str(), static_cast<UINT>(text.size()), nullptr);
  Changed();
}

TSize TCanvas::TextExtent(const std::string& text) {
  RequiredState({csHandleValid, csFontValid});
  SIZE size{0, 0};
  GetTextExtentPoint32A(FHandle, text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
  if (graphic == nullptr || graphic->Empty()) return;
  Changing();
  RequiredState({csHandleValid});
  SetBkColor(FHandle, ColorToRGB(FBrush->GetColor()));
  graphic->Draw(this, Rect(x, y, x + graphic->GetWidth(), y + graphic->GetHeight()));
  Changed();
}

void TCanvas::StretchDraw(const TRect& r, TGraphic* graphic) {
  if (graphic == nullptr || graphic->Empty()) return;
  Changing();
  RequiredState({csHandleValid});
  graphic->Draw(this, r);
  Changed();
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* canvas, const TRect& source) {
  Changing();
  RequiredState({csHandleValid, csFontValid, csBrushValid});
  canvas->RequiredState({csHandleValid, csBrushValid});
  StretchBlt(FHandle, dest.Left, dest.Top, dest.Width(), dest.Height(), canvas->FHandle, source.Left, source.Top,
             source.Width(), source.Height(), static_cast<DWORD>(FCopyMode));
  Changed();
}

void TCanvas::BrushCopy(const TRect& dest, TBitmap* bitmap, const TRect& source, TColor color) {
  if (bitmap == nullptr || dest.Width() <= 0 || dest.Height() <= 0) return;
  Changing();
  RequiredState({csHandleValid, csBrushValid});
  const int w = dest.Width(), h = dest.Height();
  HDC srcDC = bitmap->GetCanvas()->GetHandle();

  // The source at the destination's size, in a colour bitmap of our own.
  HDC workDC = CreateCompatibleDC(FHandle);
  HBITMAP work = CreateBitmap(w, h, 1, 32, nullptr);
  HGDIOBJ oldWork = SelectObject(workDC, work);
  StretchBlt(workDC, 0, 0, w, h, srcDC, source.Left, source.Top, source.Width(), source.Height(), SRCCOPY);

  // The mask: white where the work bitmap has the colour, black elsewhere.
  HDC maskDC = CreateCompatibleDC(FHandle);
  HBITMAP mask = CreateBitmap(w, h, 1, 1, nullptr);
  HGDIOBJ oldMask = SelectObject(maskDC, mask);
  SetBkColor(workDC, ColorToRGB(color));
  BitBlt(maskDC, 0, 0, w, h, workDC, 0, 0, SRCCOPY);

  // Clear the colour's pixels, then put the brush into exactly those pixels.
  SetBkColor(workDC, RGB(255, 255, 255));
  SetTextColor(workDC, RGB(0, 0, 0));
  BitBlt(workDC, 0, 0, w, h, maskDC, 0, 0, kMaskNotSource);
  HGDIOBJ oldBrush = SelectObject(workDC, FBrush->GetHandle());
  BitBlt(workDC, 0, 0, w, h, maskDC, 0, 0, kMergePatternInSource);
  SelectObject(workDC, oldBrush);

  BitBlt(FHandle, dest.Left, dest.Top, w, h, workDC, 0, 0, SRCCOPY);

  SelectObject(maskDC, oldMask);
  DeleteObject(mask);
  DeleteDC(maskDC);
  SelectObject(workDC, oldWork);
  DeleteObject(work);
  DeleteDC(workDC);
  Changed();
}

void TCanvas::Lock() {
  EnterCriticalSection(&FLock);
  ++FLockCount;
}

void TCanvas::Unlock() {
  --FLockCount;
  LeaveCriticalSection(&FLock);
}

bool TCanvas::TryLock() {
  if (!TryEnterCriticalSection(&FLock)) return false;
  ++FLockCount;
  return true;
}
