#include "controls/styled/styprocs/GlyphEffects.h"

#include <memory>

#include "platform/vcl/SysUtils.h"
#include "platform/win/windows.h"

namespace {

int Brightness(COLORREF c) {
  return GetRValue(c) + GetGValue(c) + GetBValue(c);
}

}  // namespace

void MakeDisabledGlyph(TBitmap* Dest, TBitmap* Source) {
  Dest->Assign(Source);
  const int w = Source->GetWidth(), h = Source->GetHeight();
  if (w <= 0 || h <= 0) return;
  TCanvas* src = Source->GetCanvas();
  const COLORREF back = ColorToRGB(src->GetPixels(0, 0)) & 0xFFFFFF;
  long long sum = 0, count = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      COLORREF c = ColorToRGB(src->GetPixels(x, y)) & 0xFFFFFF;
      if (c == back) continue;
      sum += Brightness(c);
      ++count;
    }
  const int offset = count ? -static_cast<int>(Round(200.0 - static_cast<double>(sum) / count)) : 0;
  const TColor highlight = static_cast<TColor>(ColorToRGB(clBtnHighlight));
  const TColor shadow = static_cast<TColor>(ColorToRGB(clBtnShadow));
  TCanvas* dst = Dest->GetCanvas();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      COLORREF c = ColorToRGB(src->GetPixels(x, y)) & 0xFFFFFF;
      if (c == back) continue;
      const int b = Brightness(c);
      TColor out = b > offset + 550 ? 0xFFFFFF : b > offset + 250 ? highlight : b > offset + 50 ? shadow : clBlack;
      dst->SetPixels(x, y, out);
    }
}

void MakeEmbossedGlyph(TBitmap* Dest, TBitmap* Source, int X, int Y) {
  const int w = Source->GetWidth(), h = Source->GetHeight();
  // The mask is 1 where the source is black: the conversion to monochrome
  // takes black as the background colour.
  HDC screen = GetDC(nullptr);
  HDC maskDC = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  HBITMAP mask = CreateBitmap(w, h, 1, 1, nullptr);
  HGDIOBJ oldMask = SelectObject(maskDC, mask);
  HDC srcDC = Source->GetCanvas()->GetHandle();
  const COLORREF oldBk = SetBkColor(srcDC, RGB(0, 0, 0));
  BitBlt(maskDC, 0, 0, w, h, srcDC, 0, 0, SRCCOPY);
  SetBkColor(srcDC, oldBk);

  try {
    const TColor transparent = Source->GetTransparentColor();
    Dest->SetSize(w, h);
    TCanvas* dst = Dest->GetCanvas();
    dst->GetBrush()->SetStyle(bsSolid);
    dst->GetBrush()->SetColor(static_cast<TColor>(ColorToRGB(transparent & 0xFFFFFF)));
    dst->FillRect(TRect(0, 0, w, h));
    HDC dc = dst->GetHandle();
    SetBkColor(dc, RGB(255, 255, 255));
    SetTextColor(dc, RGB(0, 0, 0));
    for (auto [dx, color] : {std::pair{1, clBtnHighlight}, std::pair{0, clBtnShadow}}) {
      HBRUSH brush = CreateSolidBrush(ColorToRGB(color));
      HGDIOBJ old = SelectObject(dc, brush);
      BitBlt(dc, X + dx, Y + dx, w, h, maskDC, 0, 0, 0x00E20746);
      SelectObject(dc, old);
      DeleteObject(brush);
    }
    dst->Refresh();
  } catch (...) {
    SelectObject(maskDC, oldMask);
    DeleteObject(mask);
    DeleteDC(maskDC);
    throw;
  }
  SelectObject(maskDC, oldMask);
  DeleteObject(mask);
  DeleteDC(maskDC);
}

void SplitMaskFromCanvas(TCanvas* Canvas, const TRect& Rect, TBitmap* Mask, TBitmap* Image, TColor TransparentColor) {
  if (!Mask || !Image) return;
  const TColor key = static_cast<TColor>(ColorToRGB(TransparentColor & 0xFFFFFF));
  const TRect size(0, 0, Rect.Width(), Rect.Height());
  Image->SetSize(size.Right, size.Bottom);
  Image->GetCanvas()->SetCopyMode(cmSrcCopy);
  Image->GetCanvas()->CopyRect(size, Canvas, Rect);
  Mask->SetSize(size.Right, size.Bottom);
  Mask->GetCanvas()->SetCopyMode(cmSrcCopy);
  Mask->GetCanvas()->CopyRect(size, Canvas, Rect);
  Mask->Mask(key);
  HDC dc = Image->GetCanvas()->GetHandle();
  SetBkColor(dc, RGB(0, 0, 0));
  SetTextColor(dc, RGB(255, 255, 255));
  Image->GetCanvas()->SetCopyMode(cmSrcAnd);
  Image->GetCanvas()->CopyRect(size, Mask->GetCanvas(), size);
  Image->GetCanvas()->SetCopyMode(cmSrcCopy);
}

void SplitMaskFromBitmap(TBitmap* Source, TBitmap* Mask, TBitmap* Image, TColor TransparentColor) {
  SplitMaskFromCanvas(Source->GetCanvas(), TRect(0, 0, Source->GetWidth(), Source->GetHeight()), Mask, Image,
                      TransparentColor);
}
