#include "controls/bmp/bmpctrls/BmpBtn.h"

#include <algorithm>

TBmpBtn::TBmpBtn(TComponent* AOwner)
    : TButton(AOwner),
      FGlyph(std::make_unique<TGlyph>()),
      FCanvas(std::make_unique<TCanvas>()),
      FTimer(std::make_unique<TTimer>(nullptr)),
      FImagesLink(std::make_unique<TChangeLink>()),
      FBmpImagesLink(std::make_unique<TBmpChangeLink>()) {
  FGlyph->OnChange = [this](TObject*) { Invalidate(); };
  FTimer->SetEnabled(false);
  FTimer->SetInterval(FInterval);
  FTimer->OnTimer = [this](TObject* sender) { AnimationTimer(sender); };
  FImagesLink->OnChange = [this](TObject*) { Invalidate(); };
  FBmpImagesLink->OnChange = [this](TObject*) { Invalidate(); };
}

TBmpBtn::~TBmpBtn() {
  FTimer->SetEnabled(false);
  if (FImages) FImages->UnRegisterChanges(FImagesLink.get());
  if (FBmpImages) FBmpImages->UnRegisterChanges(FBmpImagesLink.get());
}

void TBmpBtn::Publish(TPublisher<TBmpBtn>& p) {
  p.Prop("Glyph", &TBmpBtn::GetGlyph, &TBmpBtn::SetGlyph);
  p.Prop("NumGlyphs", &TBmpBtn::GetNumGlyphs, &TBmpBtn::SetNumGlyphs).Default(1);
  p.Prop("Layout", &TBmpBtn::GetLayout, &TBmpBtn::SetLayout).Default(blGlyphLeft);
  p.Prop("Margin", &TBmpBtn::GetMargin, &TBmpBtn::SetMargin).Default(-1);
  p.Prop("Spacing", &TBmpBtn::GetSpacing, &TBmpBtn::SetSpacing).Default(4);
  p.Prop("Options", &TBmpBtn::GetOptions, &TBmpBtn::SetOptions).Default(TBmpOptions{});
  p.Prop("Wallpaper", &TBmpBtn::GetWallpaper, &TBmpBtn::SetWallpaper);
  p.Prop("BmpImages", &TBmpBtn::GetBmpImages, &TBmpBtn::SetBmpImages);
  p.Prop("idWallpaper", &TBmpBtn::GetidWallpaper, &TBmpBtn::SetidWallpaper).Default(-1);
  p.Prop("ColorStart", &TBmpBtn::GetColorStart, &TBmpBtn::SetColorStart).Default(clBtnFace);
  p.Prop("ColorEnd", &TBmpBtn::GetColorEnd, &TBmpBtn::SetColorEnd).Default(clBtnShadow);
  p.Prop("GradientDirection", &TBmpBtn::GetGradientDirection, &TBmpBtn::SetGradientDirection).Default(gdHorizontal);
  p.Prop("ShadowColor", &TBmpBtn::GetShadowColor, &TBmpBtn::SetShadowColor).Default(clBtnHighlight);
  p.Prop("ShadowSize", &TBmpBtn::GetShadowSize, &TBmpBtn::SetShadowSize).Default(1);
  p.Prop("ShadowPos", &TBmpBtn::GetShadowPos, &TBmpBtn::SetShadowPos).Default(spLeftTop);
  p.Prop("SimpleView", &TBmpBtn::GetSimpleView, &TBmpBtn::SetSimpleView).Default(false);
  p.Prop("TransparencyLevel", &TBmpBtn::GetTransparencyLevel, &TBmpBtn::SetTransparencyLevel).Default(0);
  p.Prop("BtnPaintOptions", &TBmpBtn::GetBtnPaintOptions, &TBmpBtn::SetBtnPaintOptions)
      .Default(TBtnPaintOptions{bpoDrawFocus, bpoDrawDefault});
  p.Prop("Images", &TBmpBtn::GetImages, &TBmpBtn::SetImages);
  p.Prop("Animated", &TBmpBtn::GetAnimated, &TBmpBtn::SetAnimated).Default(false);
  p.Prop("Interval", &TBmpBtn::GetInterval, &TBmpBtn::SetInterval).Default(1000);
  p.Prop("OnDrawButton", &TBmpBtn::OnDrawButton);
  p.Prop("OnMouseEnter", &TBmpBtn::OnMouseEnter);
  p.Prop("OnMouseLeave", &TBmpBtn::OnMouseLeave);
}

void TBmpBtn::Messages(TMessageMap<TBmpBtn>& m) {
  m.On(CN_MEASUREITEM, &TBmpBtn::CNMeasureItem);
  m.On(CN_DRAWITEM, &TBmpBtn::CNDrawItem);
  m.On(WM_ERASEBKGND, &TBmpBtn::WMEraseBkgnd);
  m.On(CM_FONTCHANGED, &TBmpBtn::CMRepaint);
  m.On(CM_ENABLEDCHANGED, &TBmpBtn::CMRepaint);
  m.On(CM_COLORCHANGED, &TBmpBtn::CMRepaint);
  m.On(CM_PARENTCOLORCHANGED, &TBmpBtn::CMParentColorChanged);
  m.On(CM_MOUSEENTER, &TBmpBtn::CMMouseEnter);
  m.On(CM_MOUSELEAVE, &TBmpBtn::CMMouseLeave);
}

void TBmpBtn::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  params.Style |= BS_OWNERDRAW;
}

void TBmpBtn::Loaded() {
  inherited::Loaded();
}

void TBmpBtn::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImages) FImages = nullptr;
  if (AComponent == FBmpImages) FBmpImages = nullptr;
}

void TBmpBtn::ActionChange(TObject* Sender, bool CheckDefaults) {
  inherited::ActionChange(Sender, CheckDefaults);
  // A glyph of the button's own stays; an empty one takes the action's image.
  if (!GetGlyph()->Empty()) return;
  TBitmap image;
  if (ActionImageToGlyph(Sender, &image)) SetGlyph(&image);
}

void TBmpBtn::SetButtonStyle(bool ADefault) {
  // The window keeps its owner-drawn type; only the face shows the change.
  if (ADefault == FIsFocused) return;
  FIsFocused = ADefault;
  Invalidate();
}

// --- properties ---

void TBmpBtn::SetGlyph(TBitmap* value) {
  FGlyph->SetGlyph(value);
  Invalidate();
}

void TBmpBtn::SetNumGlyphs(int value) {
  // The face shows an up and a disabled image; further ones are never used.
  value = std::clamp(value, 1, 2);
  if (value == FGlyph->GetNumGlyphs()) return;
  FGlyph->SetNumGlyphs(value);
  Invalidate();
}

void TBmpBtn::SetMargin(int value) {
  if (value < -1 || value == FMargin) return;
  FMargin = value;
  Invalidate();
}

void TBmpBtn::SetOptions(TBmpOptions value) {
  FOptions = value;
  RecreateWnd();
  Perform(CM_COLORCHANGED, 0, 0);
}

TBitmap* TBmpBtn::GetWallpaper() {
  if (!FWallpaper) {
    FWallpaper = std::make_unique<TBitmap>();
    FWallpaper->OnChange = [this](TObject*) { Invalidate(); };
  }
  return FWallpaper.get();
}

void TBmpBtn::SetWallpaper(TBitmap* value) {
  GetWallpaper()->Assign(value);
  Invalidate();
}

void TBmpBtn::SetBmpImages(TBmpImages* value) {
  if (value == FBmpImages) return;
  RelinkBmpImages(FBmpImages, value, FBmpImagesLink.get(), this);
  Invalidate();
}

void TBmpBtn::SetImages(TCustomImageList* value) {
  if (value == FImages) return;
  if (FImages) FImages->UnRegisterChanges(FImagesLink.get());
  FImages = value;
  FFrameIndex = 0;
  if (FImages) {
    FImages->RegisterChanges(FImagesLink.get());
    FImages->FreeNotification(this);
  }
  Invalidate();
}

void TBmpBtn::SetAnimated(bool value) {
  if (value == FAnimated) return;
  FAnimated = value;
  FTimer->SetEnabled(value);
  Invalidate();
}

void TBmpBtn::SetInterval(unsigned value) {
  FInterval = value;
  FTimer->SetInterval(value);
}

// The setters that only store and repaint.
#define BMP_BTN_SETTER(Name, Type)      \
  void TBmpBtn::Set##Name(Type value) { \
    if (F##Name == value) return;       \
    F##Name = value;                    \
    Invalidate();                       \
  }
BMP_BTN_SETTER(Layout, TButtonLayout)
BMP_BTN_SETTER(Spacing, int)
BMP_BTN_SETTER(idWallpaper, int)
BMP_BTN_SETTER(SimpleView, bool)
BMP_BTN_SETTER(TransparencyLevel, int)
BMP_BTN_SETTER(BtnPaintOptions, TBtnPaintOptions)
#undef BMP_BTN_SETTER

// The gradient's setters repaint only while the gradient is shown.
#define BMP_BTN_GRADIENT_SETTER(Name, Type)                 \
  void TBmpBtn::Set##Name(Type value) {                     \
    if (F##Name == value) return;                           \
    F##Name = value;                                        \
    if (FOptions.Contains(ocPaintGradiently)) Invalidate(); \
  }
BMP_BTN_GRADIENT_SETTER(ColorStart, TColor)
BMP_BTN_GRADIENT_SETTER(ColorEnd, TColor)
BMP_BTN_GRADIENT_SETTER(GradientDirection, TGradientDirection)
#undef BMP_BTN_GRADIENT_SETTER

// A shadow asked for is a shadow shown.
#define BMP_BTN_SHADOW_SETTER(Name, Type) \
  void TBmpBtn::Set##Name(Type value) {   \
    F##Name = value;                      \
    FSimpleView = false;                  \
    Invalidate();                         \
  }
BMP_BTN_SHADOW_SETTER(ShadowColor, TColor)
BMP_BTN_SHADOW_SETTER(ShadowPos, TShadowPosition)
#undef BMP_BTN_SHADOW_SETTER

void TBmpBtn::SetShadowSize(int value) {
  // A byte: a shadow a whole int away would move the caption beyond what
  // text can be laid out at.
  FShadowSize = std::clamp(value, 0, 255);
  FSimpleView = false;
  Invalidate();
}

void TBmpBtn::SetMenuDropped(bool value) {
  if (value == FMenuDropped) return;
  FMenuDropped = value;
  Invalidate();
}

// --- drawing ---

void TBmpBtn::CNMeasureItem(TMessage& m) {
  auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
  item->itemWidth = static_cast<UINT>(GetWidth());
  item->itemHeight = static_cast<UINT>(GetHeight());
  m.Result = 1;
}

void TBmpBtn::CNDrawItem(TMessage& m) {
  DrawButton(*reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam));
  m.Result = 1;
}

void TBmpBtn::DrawButton(const DRAWITEMSTRUCT& item) {
  DrawState state;
  state.pressed = (item.itemState & ODS_SELECTED) != 0;
  state.focused = (item.itemState & ODS_FOCUS) != 0;
  TRect client = GetClientRect();
  FCanvas->SetHandle(item.hDC);
  try {
    if (FOptions.Contains(ocRoundedForm))
      DrawElliptic(client, state);
    else
      DrawRectangular(client, state);
    if (OnDrawButton) OnDrawButton(this, FCanvas.get(), client);
  } catch (...) {
    // The context is only lent: the canvas lets go of it whatever failed.
    FCanvas->SetHandle(nullptr);
    throw;
  }
  FCanvas->SetHandle(nullptr);
}

bool TBmpBtn::Edged() const {
  bool shown = !FOptions.Contains(ocFlatBorder) || FMouseInControl ||
               const_cast<TBmpBtn*>(this)->GetComponentState().Contains(csDesigning);
  return shown && !FMenuDropped;
}

void TBmpBtn::PaintParent(HDC dc) {
  PaintParentBackground(ParentAtLevel(this, FTransparencyLevel), dc);
}

bool TBmpBtn::PaintWallpaper(HDC dc, const TRect& rect) {
  TBitmap* paper = ChooseWallpaper(FBmpImages, FidWallpaper, FWallpaper.get());
  if (!paper) return false;
  DrawWallpaper(dc, paper, rect, SRCCOPY, FOptions.Contains(ocTileWallpaper));
  return true;
}

void TBmpBtn::PaintGradient(HDC dc, const TRect& rect) {
  GradientFill(dc, rect, FColorStart, FGradientDirection == gdHorizontal, 128, FColorEnd);
}

bool TBmpBtn::PaintBackground(HDC dc, const TRect& rect) {
  if (FOptions.Contains(ocPaintTransparently)) {
    PaintParent(dc);
    return true;
  }
  if (FOptions.Contains(ocPaintWallpaper)) {
    // Without a usable wallpaper the face stays as it was.
    PaintWallpaper(dc, rect);
    return true;
  }
  if (FOptions.Contains(ocPaintGradiently)) {
    PaintGradient(dc, rect);
    return true;
  }
  return false;
}

void TBmpBtn::DrawRectangular(const TRect& client, DrawState state) {
  HDC dc = FCanvas->GetHandle();
  RECT r = client;
  if (!PaintBackground(dc, client)) {
    FCanvas->GetBrush()->SetStyle(bsSolid);
    FCanvas->GetBrush()->SetColor(GetColor());
    FCanvas->FillRect(client);
  }
  if ((state.focused || FIsFocused) && FBtnPaintOptions.Contains(bpoDrawDefault)) {
    FCanvas->GetPen()->SetColor(clWindowFrame);
    FCanvas->GetBrush()->SetStyle(bsClear);
    FCanvas->Rectangle(TRect(r));
    InflateRect(&r, -1, -1);
  }
  if (state.pressed)
    DrawEdge(dc, &r, BDR_SUNKENINNER, BF_RECT);
  else if (Edged())
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
  DrawFace(client, state);
  if (FIsFocused && state.focused && FBtnPaintOptions.Contains(bpoDrawFocus)) {
    RECT f = client;
    InflateRect(&f, -4, -4);
    FCanvas->GetPen()->SetColor(clWindowFrame);
    FCanvas->GetBrush()->SetStyle(bsSolid);
    FCanvas->GetBrush()->SetColor(InverseColor(GetFont()->GetColor()));
    FCanvas->DrawFocusRect(TRect(f));
  }
}

void TBmpBtn::DrawElliptic(const TRect& client, DrawState state) {
  HDC dc = FCanvas->GetHandle();
  bool fill = true;
  PaintParent(dc);
  auto clipped = [&](HRGN region, auto&& paint) {
    int saved = SaveDC(dc);
    ExtSelectClipRgn(dc, region, RGN_AND);
    paint();
    RestoreDC(dc, saved);
    DeleteObject(region);
  };
  // Clip regions are in device units: the context may be a parent's, with
  // its origin moved onto the button.
  POINT corners[2] = {{client.Left, client.Top}, {client.Right, client.Bottom}};
  LPtoDP(dc, corners, 2);
  auto ellipse = [&] { return CreateEllipticRgn(corners[0].x, corners[0].y, corners[1].x, corners[1].y); };
  if (FOptions.Contains(ocPaintGradiently)) {
    clipped(ellipse(), [&] { PaintGradient(dc, client); });
    fill = false;
  } else if (FOptions.Contains(ocPaintWallpaper)) {
    clipped(ellipse(), [&] { fill = !PaintWallpaper(dc, client); });
  } else if (FOptions.Contains(ocPaintTransparently)) {
    clipped(CreateRectRgn(corners[0].x, corners[0].y, corners[1].x, corners[1].y), [&] { PaintParent(dc); });
    fill = false;
  }
  int l = client.Left, t = client.Top, r = client.Right, b = client.Bottom;
  if (Edged()) {
    TBrush* brush = FCanvas->GetBrush();
    if (fill) {
      brush->SetStyle(bsSolid);
      brush->SetColor(GetColor());
    } else {
      brush->SetStyle(bsClear);
    }
    TPen* pen = FCanvas->GetPen();
    pen->SetColor(clBtnShadow);
    FCanvas->Ellipse(l, t, r - 1, b - 1);
    pen->SetColor(state.pressed ? clBtnHighlight : clWindowFrame);
    FCanvas->Ellipse(l + 1, t + 1, r, b);
    pen->SetColor(state.pressed ? clWindowFrame : clBtnHighlight);
    FCanvas->Ellipse(l + 1, t + 1, r - 1, b - 1);
    pen->SetColor(clBtnShadow);
    FCanvas->Arc(l + 1, t + 1, r - 1, b - 1, l, b, r, t);
  }
  DrawFace(client, state);
  if (state.focused && FIsFocused && FBtnPaintOptions.Contains(bpoDrawFocus)) {
    FCanvas->GetBrush()->SetStyle(bsClear);
    FCanvas->GetPen()->SetColor(clBtnShadow);
    FCanvas->Ellipse(l + 4, t + 4, r - 4, b - 4);
  }
}

bool TBmpBtn::FrameImage(TBitmap* into) {
  if (!FImages || FFrameIndex < 0 || FFrameIndex >= FImages->GetCount()) return false;
  FImages->GetBitmap(FFrameIndex, into);
  return !into->Empty();
}

void TBmpBtn::DrawFace(const TRect& client, DrawState state) {
  FCanvas->SetFont(GetFont());
  TRect layout = client;
  if (state.pressed) layout = TRect(client.Left + 1, client.Top + 1, client.Right + 1, client.Bottom + 1);
  TGlyph* glyph = FGlyph.get();
  std::unique_ptr<TGlyph> frame;
  TBitmap frameImage;
  if (FAnimated && FrameImage(&frameImage)) {
    frame = std::make_unique<TGlyph>();
    frame->SetGlyph(&frameImage);
    glyph = frame.get();
  }
  glyph->Draw(FCanvas.get(), layout, TPoint(0, 0), GetCaption(), FLayout, FMargin, FSpacing, GetEnabled(), true, clNone,
              0, FShadowSize, FShadowColor, FShadowPos, FSimpleView);
}

void TBmpBtn::AnimationTimer(TObject*) {
  if (!FImages || !HandleAllocated() || !IsWindowVisible(GetHandle())) return;
  TBitmap off;
  off.SetPixelFormat(pf32bit);
  off.SetSize(GetWidth(), GetHeight());
  TCanvas* c = off.GetCanvas();
  PaintTo(c->GetHandle(), 0, 0);
  TBitmap frameImage;
  if (FrameImage(&frameImage)) {
    TGlyph frame;
    frame.SetGlyph(&frameImage);
    c->SetFont(GetFont());
    frame.DrawGlyphOnly(c, GetClientRect(), TPoint(0, 0), GetCaption(), FLayout, FMargin, FSpacing, true, true, clNone);
  }
  HDC dc = GetDC(GetHandle());
  BitBlt(dc, 0, 0, GetWidth(), GetHeight(), c->GetHandle(), 0, 0, SRCCOPY);
  ReleaseDC(GetHandle(), dc);
  if (++FFrameIndex >= FImages->GetCount()) FFrameIndex = 0;
}

// --- messages ---

void TBmpBtn::WMEraseBkgnd(TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  if (PaintBackground(dc, GetClientRect())) {
    m.Result = 1;
    return;
  }
  InheritedMessage(m);
}

void TBmpBtn::CMRepaint(TMessage& m) {
  InheritedMessage(m);
  Invalidate();
}

void TBmpBtn::CMParentColorChanged(TMessage& m) {
  InheritedMessage(m);
  if (FOptions.Contains(ocPaintTransparently) || FOptions.Contains(ocRoundedForm)) Invalidate();
}

void TBmpBtn::CMMouseEnter(TMessage& m) {
  InheritedMessage(m);
  FMouseInControl = true;
  if (FOptions.Contains(ocFlatBorder)) Invalidate();
  if (OnMouseEnter) OnMouseEnter(this);
}

void TBmpBtn::CMMouseLeave(TMessage& m) {
  InheritedMessage(m);
  FMouseInControl = false;
  if (FOptions.Contains(ocFlatBorder)) Invalidate();
  if (OnMouseLeave) OnMouseLeave(this);
}
