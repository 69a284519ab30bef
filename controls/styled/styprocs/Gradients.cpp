#include "controls/styled/styprocs/Gradients.h"

#include <memory>

#include "platform/vcl/SysUtils.h"
#include "platform/win/windows.h"

void MakeColorRamp(TColor StartColor, TColor EndColor, std::uint8_t Count, TStyColorList* List) {
  if (!List || Count == 0) return;
  List->clear();
  const COLORREF a = ColorToRGB(StartColor), b = ColorToRGB(EndColor);
  const int n = Count - 1;
  for (int i = 0; i < Count; ++i) {
    auto channel = [&](int ca, int cb) { return (ca + MulDiv(i, cb - ca, n)) & 0xFF; };
    List->push_back(static_cast<TColor>(RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
                                            channel(GetBValue(a), GetBValue(b)))));
  }
}

HPALETTE CreateRampPalette(const TStyColorList* List) {
  if (!List || List->empty()) return nullptr;
  const size_t n = List->size();
  std::vector<unsigned char> buffer(sizeof(LOGPALETTE) + n * sizeof(PALETTEENTRY));
  auto* log = reinterpret_cast<LOGPALETTE*>(buffer.data());
  log->palVersion = 0x300;
  log->palNumEntries = static_cast<WORD>(n);
  for (size_t i = 0; i < n; ++i) {
    const COLORREF c = static_cast<COLORREF>((*List)[i]);
    log->palPalEntry[i] = PALETTEENTRY{GetRValue(c), GetGValue(c), GetBValue(c), PC_NOCOLLAPSE};
  }
  return CreatePalette(log);
}

void FillGradient(TCanvas* Canvas, const TRect& Rect, TStyGradientStyle Style, const TStyColorList* Colors,
                  HPALETTE Palette, std::uint16_t Flags, TStyPackedOrigin Origin) {
  if (!Colors || Colors->empty() || Rect.Width() <= 0 || Rect.Height() <= 0) return;
  const int N = static_cast<int>(Colors->size());
  const int W = Rect.Width(), H = Rect.Height();
  const bool usePalette = (Flags & dfPalette) && PaletteGateOpen() && Palette;
  TRect B;
  switch (Style) {
    case gstHorizontal:
    case gstVertical: B = TRect(0, 0, W, H); break;
    case gstSquare:
    case gstElliptic: B = TRect(W / 2, H / 2, W / 2, H / 2); break;
    case gstTopLeft: B = TRect(0, 0, 1, 1); break;
    case gstTopRight: B = TRect(W, 1, W + 1, 0); break;
    case gstBottomLeft: B = TRect(1, H, 0, H + 1); break;
    case gstBottomRight: B = TRect(W, H, W + 1, H + 1); break;
  }
  std::unique_ptr<TBitmap> offscreen;
  TCanvas* target = Canvas;
  TStySavedClip clip;
  const bool clipped = !(Flags & dfOffscreen) && (Flags & dfClip);
  if (Flags & dfOffscreen) {
    offscreen = std::make_unique<TBitmap>();
    offscreen->SetSize(W, H);
    target = offscreen->GetCanvas();
  } else {
    B = TRect(B.Left + Rect.Left, B.Top + Rect.Top, B.Right + Rect.Left, B.Bottom + Rect.Top);
    if (clipped) clip = SelectRectClip(Canvas->GetHandle(), Rect, Origin);
  }
  auto finish = [&] {
    if (clipped) RestoreClip(Canvas->GetHandle(), clip);
  };
  try {
    if (usePalette) {
      SelectPalette(target->GetHandle(), Palette, FALSE);
      RealizePalette(target->GetHandle());
    }
    TBrush* brush = target->GetBrush();
    brush->SetStyle(bsSolid);
    target->GetPen()->SetStyle(psClear);
    auto colour = [&](int i) {
      const TColor c = (*Colors)[static_cast<size_t>(i)];
      return usePalette ? static_cast<TColor>(c | 0x02000000) : c;
    };
    if (Style == gstHorizontal) {
      for (int i = 0; i < N; ++i) {
        brush->SetColor(colour(i));
        target->FillRect(TRect(B.Left + MulDiv(i, W, N), B.Top, B.Left + MulDiv(i + 1, W, N), B.Bottom));
      }
    } else {
      for (int i = N - 1; i >= 0; --i) {
        const int k = i + 1, dx = MulDiv(k, W, N), dy = MulDiv(k, H, N);
        brush->SetColor(colour(i));
        switch (Style) {
          case gstVertical:
            target->FillRect(TRect(B.Left, B.Top + MulDiv(i, H, N), B.Right, B.Top + MulDiv(k, H, N)));
            break;
          case gstSquare:
            target->Rectangle(B.Left - dx / 2, B.Top - dy / 2, B.Left + dx / 2 + 2, B.Top + dy / 2 + 2);
            break;
          case gstElliptic: {
            const int ex = static_cast<int>(Round(dx / 1.4)), ey = static_cast<int>(Round(dy / 1.4));
            target->Ellipse(B.Left - ex, B.Top - ey, B.Left + ex, B.Top + ey);
            break;
          }
          case gstTopLeft: target->Rectangle(B.Left, B.Top, B.Right + dx, B.Bottom + dy); break;
          case gstTopRight: target->Rectangle(B.Left - dx, B.Top + dy, B.Right, B.Bottom); break;
          case gstBottomLeft: target->Rectangle(B.Left + dx, B.Top - dy, B.Right, B.Bottom); break;
          case gstBottomRight: target->Rectangle(B.Left - dx, B.Top - dy, B.Right, B.Bottom); break;
          default: break;
        }
      }
    }
    target->GetPen()->SetStyle(psSolid);
    if (offscreen) {
      if (usePalette) {
        SelectPalette(Canvas->GetHandle(), Palette, FALSE);
        RealizePalette(Canvas->GetHandle());
      }
      Canvas->Draw(Rect.Left, Rect.Top, offscreen.get());
    }
  } catch (...) {
    finish();
    throw;
  }
  finish();
}

void DrawGradient(TCanvas* Canvas, const TRect& Rect, TColor StartColor, TColor EndColor, std::uint8_t Count,
                  TStyGradientStyle Style, std::uint16_t Flags, TStyPackedOrigin Origin) {
  TStyColorList colors;
  MakeColorRamp(StartColor, EndColor, Count, &colors);
  HPALETTE palette = (Flags & dfPalette) ? CreateRampPalette(&colors) : nullptr;
  try {
    FillGradient(Canvas, Rect, Style, &colors, palette, Flags, Origin);
  } catch (...) {
    if (palette) DeleteObject(palette);
    throw;
  }
  if (palette) DeleteObject(palette);
}
