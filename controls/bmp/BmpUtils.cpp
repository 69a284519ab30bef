#include "controls/bmp/BmpUtils.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

TGlyphCache* GGlyphCache = nullptr;
int GGlyphCount = 0;

// Ternary raster operation: where the source is white the brush, else the
// destination (used to emboss and recolour through a monochrome mask).
constexpr DWORD DSPDxax = 0x00E20746;

void BltMask(TCanvas* dest, TBitmap* mono, int x, int y, int w, int h, TColor brush) {
  HDC dc = dest->GetHandle();
  dest->GetBrush()->SetColor(brush);
  dest->GetBrush()->SetStyle(bsSolid);
  HDC d = dest->GetHandle();
  SetTextColor(d, 0);
  SetBkColor(d, 0xFFFFFF);
  BitBlt(dc, x, y, w, h, mono->GetCanvas()->GetHandle(), 0, 0, DSPDxax);
}

}  // namespace

void DrawWallpaper(HDC dc, TBitmap* bitmap, const TRect& rect, DWORD rop, bool tile) {
  if (!bitmap || bitmap->Empty()) return;
  HDC src = bitmap->GetCanvas()->GetHandle();
  int bw = bitmap->GetWidth(), bh = bitmap->GetHeight();
  if (!tile) {
    BitBlt(dc, rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top, src, rect.Left, rect.Top, rop);
    return;
  }
  for (int y = rect.Top; y < rect.Bottom; y += bh)
    for (int x = rect.Left; x < rect.Right; x += bw) BitBlt(dc, x, y, rect.Right - x, rect.Bottom - y, src, 0, 0, rop);
}

bool InvalidateArea(HWND window, const TRect& rect, bool erase) {
  RECT r = rect;
  return InvalidateRect(window, &r, erase) != FALSE;
}

void PaintParentBackground(TControl* control, HDC dc) {
  TWinControl* parent = control ? control->GetParent() : nullptr;
  if (!parent) return;
  int saved = SaveDC(dc);
  // The control's client origin in the parent's client coordinates.
  TPoint origin = control->GetClientOrigin();
  TPoint parentOrigin = parent->GetClientOrigin();
  POINT old;
  OffsetWindowOrgEx(dc, origin.X - parentOrigin.X, origin.Y - parentOrigin.Y, &old);
  parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  // Only the graphic children under the clip paint (PaintControls skips the
  // rest), so a small control does not repaint a whole grid of cells.
  parent->PaintControls(dc, nullptr);
  RestoreDC(dc, saved);
}

void PaintParentBackgroundRect(TControl* control, HDC dc, const TRect& rect) {
  int saved = SaveDC(dc);
  IntersectClipRect(dc, rect.Left, rect.Top, rect.Right, rect.Bottom);
  PaintParentBackground(control, dc);
  RestoreDC(dc, saved);
}

void GradientFill(HDC dc, const TRect& rect, TColor startColor, bool horizontal, int Steps, TColor endColor) {
  if (Steps <= 0) return;
  COLORREF s = ColorToRGB(startColor), e = ColorToRGB(endColor);
  int sr = GetRValue(s), sg = GetGValue(s), sb = GetBValue(s);
  int dr = GetRValue(e) - sr, dg = GetGValue(e) - sg, db = GetBValue(e) - sb;
  int extent = horizontal ? rect.Right - rect.Left : rect.Bottom - rect.Top;
  int origin = horizontal ? rect.Left : rect.Top;
  for (int n = 0; n < Steps; ++n) {
    RECT band = rect;
    int from = origin + MulDiv(n, extent, Steps), to = origin + MulDiv(n + 1, extent, Steps);
    if (horizontal) {
      band.left = from;
      band.right = to;
    } else {
      band.top = from;
      band.bottom = to;
    }
    HBRUSH brush =
        CreateSolidBrush(RGB(sr + MulDiv(n, dr, Steps), sg + MulDiv(n, dg, Steps), sb + MulDiv(n, db, Steps)));
    FillRect(dc, &band, brush);
    DeleteObject(brush);
  }
}

TColor InverseColor(TColor color) {
  COLORREF c = ColorToRGB(color);
  return static_cast<TColor>(RGB(255 - GetRValue(c), 255 - GetGValue(c), 255 - GetBValue(c)));
}

void DrawShadowText(HDC dc, const TRect& rect, TShadowPosition position, int size, TColor shadowColor, TColor textColor,
                    UINT format, const std::string& text) {
  RECT textRect = rect, shadow = rect;
  switch (position) {
    case spLeftTop: OffsetRect(&textRect, size, size); break;
    case spLeftBottom:
      OffsetRect(&textRect, size, 0);
      OffsetRect(&shadow, 0, size);
      break;
    case spRightBottom: OffsetRect(&shadow, size, size); break;
    case spRightTop:
      OffsetRect(&textRect, 0, size);
      OffsetRect(&shadow, size, 0);
      break;
  }
  SetTextColor(dc, ColorToRGB(shadowColor));
  DrawTextA(dc, text.c_str(), -1, &shadow, format);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(textColor));
  DrawTextA(dc, text.c_str(), -1, &textRect, format);
}

TControl* ParentAtLevel(TControl* control, int level) {
  while (control && level > 0 && control->GetParent()) {
    control = control->GetParent();
    --level;
  }
  return control;
}

// --- the shared image lists ---

TGlyphList::TGlyphList(int width, int height) : TImageList(nullptr, width, height) {}

int TGlyphList::AllocateIndex() {
  for (size_t i = 0; i < FUsed.size(); ++i)
    if (!FUsed[i]) {
      FUsed[i] = true;
      return static_cast<int>(i);
    }
  TBitmap empty;
  empty.SetSize(GetWidth(), GetHeight());
  int index = TImageList::Add(&empty, nullptr);
  if (static_cast<size_t>(index) >= FUsed.size()) FUsed.resize(index + 1, false);
  FUsed[index] = true;
  return index;
}

int TGlyphList::AddMasked(TBitmap* image, TColor maskColor) {
  int index = AllocateIndex();
  ReplaceMasked(index, image, maskColor);
  ++FCount;
  return index;
}

void TGlyphList::Delete(int index) {
  if (index < 0 || static_cast<size_t>(index) >= FUsed.size() || !FUsed[index]) return;
  --FCount;
  FUsed[index] = false;
}

TGlyphCache::~TGlyphCache() {
  for (TGlyphList* list : FLists) delete list;
}

TGlyphList* TGlyphCache::GetList(int width, int height) {
  for (auto it = FLists.rbegin(); it != FLists.rend(); ++it)
    if ((*it)->GetWidth() == width && (*it)->GetHeight() == height) return *it;
  FLists.push_back(new TGlyphList(width, height));
  return FLists.back();
}

void TGlyphCache::ReturnList(TGlyphList* list) {
  if (!list || list->GetCount() != 0) return;
  auto it = std::find(FLists.begin(), FLists.end(), list);
  if (it == FLists.end()) return;
  FLists.erase(it);
  delete list;
}

TGlyphCache* GlyphCache() {
  return GGlyphCache;
}

// --- the glyph ---

TGlyph::TGlyph() : FOriginal(std::make_unique<TBitmap>()) {
  FOriginal->OnChange = [this](TObject* sender) { GlyphChanged(sender); };
  if (!GGlyphCache) GGlyphCache = new TGlyphCache;
  ++GGlyphCount;
}

TGlyph::~TGlyph() {
  FOriginal->OnChange = nullptr;
  Invalidate();
  if (--GGlyphCount == 0 && GGlyphCache && GGlyphCache->Empty()) {
    delete GGlyphCache;
    GGlyphCache = nullptr;
  }
}

void TGlyph::Invalidate() {
  for (int& index : FIndexs) {
    if (index != -1 && FGlyphList) FGlyphList->Delete(index);
    index = -1;
  }
  if (FGlyphList && GGlyphCache) GGlyphCache->ReturnList(FGlyphList);
  FGlyphList = nullptr;
}

void TGlyph::GlyphChanged(TObject* sender) {
  if (sender == FOriginal.get()) {
    FTransparentColor = FOriginal->GetTransparentColor();
    Invalidate();
    if (OnChange) OnChange(this);
  }
}

void TGlyph::SetGlyph(TBitmap* value) {
  Invalidate();
  FOriginal->Assign(value);
  if (value && value->GetHeight() > 0) {
    FTransparentColor = value->GetTransparentColor();
    int w = value->GetWidth(), h = value->GetHeight();
    // A bitmap without width says nothing about its images: the count stays.
    if (w > 0 && w % h == 0) {
      int n = w / h;
      FNumGlyphs = n > 4 ? 1 : n;
    }
  }
}

void TGlyph::SetNumGlyphs(int value) {
  if (value == 0 || value == FNumGlyphs) return;
  Invalidate();
  FNumGlyphs = value;
  GlyphChanged(FOriginal.get());
}

int TGlyph::CreateStateImage(int state) {
  if (FIndexs[state] != -1) return FIndexs[state];
  if (FOriginal->GetWidth() == 0 || FOriginal->GetHeight() == 0) return -1;
  int w = FOriginal->GetWidth() / FNumGlyphs, h = FOriginal->GetHeight();
  if (w <= 0) return -1;
  if (!GGlyphCache) GGlyphCache = new TGlyphCache;
  if (!FGlyphList) FGlyphList = GGlyphCache->GetList(w, h);
  TBitmap tmp;
  tmp.SetPixelFormat(pf32bit);
  tmp.SetSize(w, h);
  TCanvas* c = tmp.GetCanvas();
  c->GetBrush()->SetColor(clBtnFace);
  c->GetBrush()->SetStyle(bsSolid);
  c->FillRect(TRect(0, 0, w, h));
  int column = state ^ 1;
  if (column >= FNumGlyphs) column = FNumGlyphs > 1 ? 1 : 0;
  TRect dest(0, 0, w, h);
  if (state == 1) {
    c->CopyRect(dest, FOriginal->GetCanvas(), TRect(column * w, 0, column * w + w, h));
    // The glyph's transparent colour (the fixed one, or the one the bitmap
    // detects) is cut out, so the button's face shows around the picture.
    FIndexs[1] = FGlyphList->AddMasked(&tmp, FTransparentColor);
  } else {
    TBitmap mono;
    if (FNumGlyphs < 2) {
      // The picture of a one-image strip is its only column, column 0.
      mono.SetPixelFormat(pf1bit);
      mono.SetSize(w, h);
      TBitmap colour;
      colour.Assign(FOriginal.get());
      HDC cd = colour.GetCanvas()->GetHandle();
      SetBkColor(cd, ColorToRGB(FTransparentColor));
      // The picture turns white, its transparent colour black.
      BitBlt(mono.GetCanvas()->GetHandle(), 0, 0, w, h, cd, 0, 0, NOTSRCCOPY);
      c->FillRect(dest);
      BltMask(c, &mono, 1, 1, w, h, clBtnHighlight);
      BltMask(c, &mono, 0, 0, w, h, clBtnShadow);
    } else {
      c->CopyRect(dest, FOriginal->GetCanvas(), TRect(w, 0, 2 * w, h));
      TBitmap source;
      source.Assign(&tmp);
      mono.SetPixelFormat(pf1bit);
      mono.SetSize(w, h);
      struct Recolour {
        COLORREF from;
        TColor to;
      } steps[] = {{RGB(255, 255, 255), clBtnHighlight},
                   {RGB(128, 128, 128), clBtnShadow},
                   {ColorToRGB(FTransparentColor), clBtnFace}};
      for (const Recolour& s : steps) {
        // Mono: white where the source has the colour.
        SetBkColor(source.GetCanvas()->GetHandle(), s.from);
        BitBlt(mono.GetCanvas()->GetHandle(), 0, 0, w, h, source.GetCanvas()->GetHandle(), 0, 0, SRCCOPY);
        BltMask(c, &mono, 0, 0, w, h, s.to);
      }
    }
    // Where the picture was transparent the image holds the button face
    // colour: that is cut out too.
    FIndexs[0] = FGlyphList->AddMasked(&tmp, clBtnFace);
  }
  FOriginal->Dormant();
  return FIndexs[state];
}

void TGlyph::CalcLayout(TCanvas* canvas, const TRect& client, const TPoint& offset, const std::string& caption,
                        TButtonLayout layout, int margin, int spacing, TPoint& glyphPos, TRect& textBounds,
                        UINT biDiFlags) {
  if (biDiFlags & DT_RTLREADING) {
    if (layout == blGlyphLeft)
      layout = blGlyphRight;
    else if (layout == blGlyphRight)
      layout = blGlyphLeft;
  }
  TPoint C(client.Right - client.Left, client.Bottom - client.Top);
  TPoint G(0, 0);
  if (FOriginal->GetWidth() > 0) G = TPoint(FOriginal->GetWidth() / FNumGlyphs, FOriginal->GetHeight());
  TPoint T(0, 0);
  if (!caption.empty()) {
    RECT r = {0, 0, C.X, 0};
    DrawTextA(canvas->GetHandle(), caption.c_str(), -1, &r, DT_CALCRECT | biDiFlags);
    textBounds = r;
    T = TPoint(r.right - r.left, r.bottom - r.top);
  } else {
    textBounds = TRect(0, 0, 0, 0);
  }
  bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
  TPoint text;
  if (horizontal) {
    glyphPos.Y = (C.Y - G.Y + 1) / 2;
    text.Y = (C.Y - T.Y + 1) / 2;
  } else {
    glyphPos.X = (C.X - G.X + 1) / 2;
    text.X = (C.X - T.X + 1) / 2;
  }
  if (T.X == 0 || G.X == 0) spacing = 0;
  // Margin and Spacing may be anything an int holds: the arithmetic runs in
  // 64 bits, and a position far outside the client is kept at a distance
  // that is just as unseen but leaves room to move it by the client's origin.
  constexpr int64_t reach = int64_t{1} << 24;
  auto place = [&](int64_t v) { return static_cast<int>(std::clamp(v, -reach, reach)); };
  int64_t c = horizontal ? C.X : C.Y, g = horizontal ? G.X : G.Y, t = horizontal ? T.X : T.Y;
  int64_t m = margin, s = spacing;
  if (m == -1) {
    if (s == -1) {
      m = (c - (g + t)) / 3;
      s = m;
    } else {
      m = (c - (g + s + t) + 1) / 2;
    }
  } else if (s == -1) {
    s = ((c - (m + g)) - t) / 2;
  }
  switch (layout) {
    case blGlyphLeft:
      glyphPos.X = place(m);
      text.X = place(m + G.X + s);
      break;
    case blGlyphRight:
      glyphPos.X = place(C.X - m - G.X);
      text.X = place(C.X - m - G.X - s - T.X);
      break;
    case blGlyphTop:
      glyphPos.Y = place(m);
      text.Y = place(m + G.Y + s);
      break;
    case blGlyphBottom:
      glyphPos.Y = place(C.Y - m - G.Y);
      text.Y = place(C.Y - m - G.Y - s - T.Y);
      break;
  }
  glyphPos.X += client.Left + offset.X;
  glyphPos.Y += client.Top + offset.Y;
  RECT moved = textBounds;
  OffsetRect(&moved, text.X + client.Left + offset.X, text.Y + client.Top + offset.Y);
  textBounds = moved;
}

void TGlyph::DrawGlyph(TCanvas* canvas, const TPoint& pos, int state, bool transparent, TColor color) {
  if (FOriginal->GetWidth() == 0 || FOriginal->GetHeight() == 0) return;
  int index = CreateStateImage(state);
  if (index < 0) return;
  if (transparent) {
    FGlyphList->SetBkColor(clNone);
    FGlyphList->SetBlendColor(color == clNone ? clNone : clDefault);
    FGlyphList->Draw(canvas, pos.X, pos.Y, index, color == clNone ? dsTransparent : dsSelected, itImage);
  } else {
    FGlyphList->SetBkColor(color);
    FGlyphList->SetBlendColor(clNone);
    FGlyphList->Draw(canvas, pos.X, pos.Y, index, dsNormal, itImage);
  }
}

void TGlyph::DrawCaption(TCanvas* canvas, const std::string& caption, UINT format, int shadowSize, TColor shadowColor,
                         TShadowPosition shadowPos, bool simpleView, bool enabled, const TRect& textBounds) {
  canvas->GetBrush()->SetStyle(bsClear);
  format |= DT_CENTER | DT_VCENTER;
  HDC dc = canvas->GetHandle();
  if (!enabled) {
    DrawShadowText(dc, textBounds, spRightBottom, 1, clBtnHighlight, clBtnShadow, format, caption);
  } else if (simpleView) {
    RECT r = textBounds;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(canvas->GetFont()->GetColor()));
    DrawTextA(dc, caption.c_str(), -1, &r, format);
  } else {
    DrawShadowText(dc, textBounds, shadowPos, shadowSize, shadowColor, canvas->GetFont()->GetColor(), format, caption);
  }
}

TRect TGlyph::Draw(TCanvas* canvas, const TRect& client, const TPoint& offset, const std::string& caption,
                   TButtonLayout layout, int margin, int spacing, bool enabled, bool transparent, TColor color,
                   UINT format, int shadowSize, TColor shadowColor, TShadowPosition shadowPos, bool simpleView) {
  HDC dc = canvas->GetHandle();
  int saved = SaveDC(dc);
  IntersectClipRect(dc, client.Left, client.Top, client.Right, client.Bottom);
  TPoint glyphPos;
  TRect textBounds;
  CalcLayout(canvas, client, offset, caption, layout, margin, spacing, glyphPos, textBounds, format);
  DrawGlyph(canvas, glyphPos, enabled ? 1 : 0, transparent, color);
  DrawCaption(canvas, caption, format, shadowSize, shadowColor, shadowPos, simpleView, enabled, textBounds);
  RestoreDC(dc, saved);
  return textBounds;
}

void TGlyph::DrawGlyphOnly(TCanvas* canvas, const TRect& client, const TPoint& offset, const std::string& caption,
                           TButtonLayout layout, int margin, int spacing, bool enabled, bool transparent,
                           TColor color) {
  TPoint glyphPos;
  TRect textBounds;
  CalcLayout(canvas, client, offset, caption, layout, margin, spacing, glyphPos, textBounds, 0);
  DrawGlyph(canvas, glyphPos, enabled ? 1 : 0, transparent, color);
}
