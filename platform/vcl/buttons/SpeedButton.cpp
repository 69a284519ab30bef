#include "platform/vcl/buttons/SpeedButton.h"

#include <algorithm>
#include <string>

#include "platform/vcl/classes/components/WeakRef.h"
#include "platform/vcl/controls/WinControl.h"
#include "platform/win/windows.h"

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner) {
  // No csClickEvents: the button decides itself when a release is a click.
  FControlStyle = TControlStyle{csCaptureMouse, csDoubleClicks};
  FWidth = 23;
  FHeight = 22;
  FGlyph = std::make_unique<TBitmap>();
  FGlyph->OnChange = [this](TObject*) { GlyphChanged(); };
}

TSpeedButton::~TSpeedButton() {
  FGlyph->OnChange = nullptr;
}

void TSpeedButton::Publish(TPublisher<TSpeedButton>& p) {
  p.Prop("AllowAllUp", &TSpeedButton::GetAllowAllUp, &TSpeedButton::SetAllowAllUp).Default(false);
  // Before Down: a form sets the group first, then which button is down.
  p.Prop("GroupIndex", &TSpeedButton::GetGroupIndex, &TSpeedButton::SetGroupIndex).Default(0);
  p.Prop("Down", &TSpeedButton::GetDown, &TSpeedButton::SetDown).Default(false);
  p.Prop("Flat", &TSpeedButton::GetFlat, &TSpeedButton::SetFlat).Default(false);
  // Before NumGlyphs: reading a glyph sets the count its shape suggests,
  // which the form's own count then overrides.
  p.Prop("Glyph", &TSpeedButton::GetGlyph, &TSpeedButton::SetGlyph);
  p.Prop("Layout", &TSpeedButton::GetLayout, &TSpeedButton::SetLayout).Default(blGlyphLeft);
  p.Prop("Margin", &TSpeedButton::GetMargin, &TSpeedButton::SetMargin).Default(-1);
  p.Prop("NumGlyphs", &TSpeedButton::GetNumGlyphs, &TSpeedButton::SetNumGlyphs).Default(1);
  p.Prop("Spacing", &TSpeedButton::GetSpacing, &TSpeedButton::SetSpacing).Default(4);
}

void TSpeedButton::Messages(TMessageMap<TSpeedButton>& m) {
  m.On(CM_BUTTONPRESSED, &TSpeedButton::CMButtonPressed);
  m.On(CM_ENABLEDCHANGED, &TSpeedButton::CMEnabledChanged);
  m.On(CM_TEXTCHANGED, &TSpeedButton::CMTextChanged);
  m.On(CM_FONTCHANGED, &TSpeedButton::CMFontChanged);
  m.On(CM_MOUSEENTER, &TSpeedButton::CMMouseEnter);
  m.On(CM_MOUSELEAVE, &TSpeedButton::CMMouseLeave);
  m.On(WM_LBUTTONDBLCLK, &TSpeedButton::WMLButtonDblClk);
  m.On(WM_CANCELMODE, &TSpeedButton::WMCancelMode);
}

// Properties -------------------------------------------------------------

void TSpeedButton::SetGroupIndex(int value) {
  if (FGroupIndex == value) return;
  FGroupIndex = value;
  UpdateExclusive();
}

void TSpeedButton::SetDown(bool value) {
  // A form may name Down before GroupIndex: Loaded settles it.
  if (GetComponentState().Contains(csLoading)) {
    FDown = value;
    return;
  }
  if (FGroupIndex == 0) value = false;
  if (value == FDown) return;
  if (FDown && !FAllowAllUp) return;
  FDown = value;
  Invalidate();
  if (value) UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool value) {
  if (FAllowAllUp == value) return;
  FAllowAllUp = value;
  UpdateExclusive();
}

void TSpeedButton::SetFlat(bool value) {
  if (FFlat == value) return;
  FFlat = value;
  Invalidate();
}

void TSpeedButton::SetNumGlyphs(int value) {
  value = std::clamp(value, 1, 4);
  if (FNumGlyphs == value) return;
  FNumGlyphs = value;
  Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout value) {
  if (FLayout == value) return;
  FLayout = value;
  Invalidate();
}

void TSpeedButton::SetMargin(int value) {
  value = std::max(value, -1);
  if (FMargin == value) return;
  FMargin = value;
  Invalidate();
}

void TSpeedButton::SetSpacing(int value) {
  value = std::max(value, -1);
  if (FSpacing == value) return;
  FSpacing = value;
  Invalidate();
}

void TSpeedButton::GlyphChanged() {
  // A strip of square pictures says how many it holds.
  const int w = FGlyph->GetWidth(), h = FGlyph->GetHeight();
  if (h > 0 && w % h == 0 && w / h <= 4) SetNumGlyphs(w / h);
  Invalidate();
}

void TSpeedButton::Loaded() {
  inherited::Loaded();
  if (FGroupIndex == 0) FDown = false;
  if (FDown) UpdateExclusive();
}

void TSpeedButton::UpdateExclusive() {
  if (FGroupIndex == 0 || FParent == nullptr || GetComponentState().Contains(csLoading)) return;
  TMessage m{CM_BUTTONPRESSED, static_cast<WPARAM>(FGroupIndex), reinterpret_cast<LPARAM>(static_cast<TControl*>(this)),
             0};
  FParent->Broadcast(m);
}

void TSpeedButton::CMButtonPressed(TMessage& m) {
  // Other button classes share the message: only speed buttons are peers.
  auto* sender = dynamic_cast<TSpeedButton*>(reinterpret_cast<TControl*>(m.LParam));
  if (sender == nullptr || sender == this || static_cast<int>(m.WParam) != FGroupIndex) return;
  if (sender->FDown && FDown) {
    FDown = false;
    Invalidate();
  }
  FAllowAllUp = sender->FAllowAllUp;
}

// Mouse ------------------------------------------------------------------

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TWeakRef<TSpeedButton> self(this);
  inherited::MouseDown(button, shift, x, y);
  if (!self || button != mbLeft || !GetEnabled()) return;
  FDragging = true;
  FPressed = true;
  Invalidate();
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
  TWeakRef<TSpeedButton> self(this);
  inherited::MouseMove(shift, x, y);
  if (!self || !FDragging) return;
  bool pressed = Inside(x, y);
  if (pressed == FPressed) return;
  FPressed = pressed;
  Invalidate();
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TWeakRef<TSpeedButton> self(this);
  inherited::MouseUp(button, shift, x, y);
  if (!self || button != mbLeft || !FDragging) return;
  FDragging = false;
  FPressed = false;
  Invalidate();
  if (!Inside(x, y)) return;
  if (FGroupIndex != 0) SetDown(!FDown);
  Click();
}

void TSpeedButton::Click() {
  inherited::Click();
}

void TSpeedButton::CancelPress() {
  if (!FDragging) return;
  FDragging = false;
  FPressed = false;
  if (GetMouseCapture()) SetMouseCapture(false);
  Invalidate();
}

void TSpeedButton::WMLButtonDblClk(TMessage& m) {
  // The second press of a double click is a press like the first.
  TWeakRef<TSpeedButton> self(this);
  InheritedMessage(m);
  if (self && FDown) DblClick();
}

void TSpeedButton::WMCancelMode(TMessage& m) {
  InheritedMessage(m);
  CancelPress();
}

void TSpeedButton::CMEnabledChanged(TMessage& m) {
  InheritedMessage(m);
  if (!GetEnabled()) CancelPress();
  Invalidate();
}

void TSpeedButton::CMTextChanged(TMessage&) {
  Invalidate();
}

void TSpeedButton::CMFontChanged(TMessage& m) {
  InheritedMessage(m);
  Invalidate();
}

void TSpeedButton::CMMouseEnter(TMessage& m) {
  InheritedMessage(m);
  FMouseInControl = true;
  if (FFlat && GetEnabled()) Invalidate();
}

void TSpeedButton::CMMouseLeave(TMessage& m) {
  InheritedMessage(m);
  FMouseInControl = false;
  if (FFlat) Invalidate();
}

// Painting ---------------------------------------------------------------

void TSpeedButton::Paint() {
  TCanvas* canvas = GetCanvas();
  HDC dc = canvas->GetHandle();
  RECT r{0, 0, FWidth, FHeight};
  const bool pushed = GetPushed();
  if (!FFlat) {
    DrawEdge(dc, &r, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_SOFT | BF_ADJUST);
  } else if (pushed) {
    DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  } else if (FMouseInControl && GetEnabled()) {
    DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
  }
  // A button that stays down without the mouse shows a dithered face of
  // face and highlight colour.
  if (FDown && !FPressed) {
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    for (int y = r.top; y < r.bottom; y++)
      for (int x = r.left + ((r.left + y) & 1); x < r.right; x += 2) SetPixelV(dc, x, y, light);
  }
  // Glyph and caption are laid out over the whole button and move with a push.
  TRect area(0, 0, FWidth, FHeight);
  if (pushed) area = TRect(1, 1, FWidth + 1, FHeight + 1);
  TSize glyph{0, 0};
  if (!FGlyph->Empty()) glyph = TSize{FGlyph->GetWidth() / FNumGlyphs, FGlyph->GetHeight()};
  TSize text{0, 0};
  const std::string caption = GetCaption();
  if (!caption.empty()) {
    canvas->SetFont(GetFont());
    text = canvas->TextExtent(caption);
  }
  TPoint glyphAt, textAt;
  PlaceContents(area, glyph, text, glyphAt, textAt);
  if (glyph.cx > 0 && glyph.cy > 0) DrawGlyph(glyphAt.X, glyphAt.Y, glyph);
  if (!caption.empty()) DrawCaption(caption, TRect(textAt.X, textAt.Y, textAt.X + text.cx, textAt.Y + text.cy));
}

void TSpeedButton::PlaceContents(const TRect& area, const TSize& glyph, const TSize& text, TPoint& glyphAt,
                                 TPoint& textAt) {
  const bool across = FLayout == blGlyphLeft || FLayout == blGlyphRight;
  const int room = across ? area.Width() : area.Height();
  const int glyphLength = across ? glyph.cx : glyph.cy;
  const int textLength = across ? text.cx : text.cy;
  // The other direction: each centred on its own.
  if (across) {
    glyphAt.Y = area.Top + (area.Height() - glyph.cy + 1) / 2;
    textAt.Y = area.Top + (area.Height() - text.cy + 1) / 2;
  } else {
    glyphAt.X = area.Left + (area.Width() - glyph.cx + 1) / 2;
    textAt.X = area.Left + (area.Width() - text.cx + 1) / 2;
  }
  int margin = FMargin, spacing = FSpacing;
  // Nothing to keep apart when either is missing.
  if (glyphLength == 0 || textLength == 0) spacing = 0;
  if (margin == -1) {
    if (spacing == -1) {
      margin = (room - glyphLength - textLength) / 3;
      spacing = margin;
    } else {
      margin = (room - glyphLength - spacing - textLength + 1) / 2;
    }
  } else if (spacing == -1) {
    spacing = (room - margin - glyphLength - textLength) / 2;
  }
  // Along the layout: the glyph at its edge, the caption after it.
  int glyphPos = 0, textPos = 0;
  if (FLayout == blGlyphLeft || FLayout == blGlyphTop) {
    glyphPos = margin;
    textPos = glyphPos + glyphLength + spacing;
  } else {
    glyphPos = room - margin - glyphLength;
    textPos = glyphPos - spacing - textLength;
  }
  if (across) {
    glyphAt.X = area.Left + glyphPos;
    textAt.X = area.Left + textPos;
  } else {
    glyphAt.Y = area.Top + glyphPos;
    textAt.Y = area.Top + textPos;
  }
}

namespace {

// A pixel dark enough to stand out on a button's face: what a greyed glyph
// keeps of the picture.
bool SpeedButtonInk(TColor colour) {
  const COLORREF rgb = ColorToRGB(colour);
  const int luminance = (GetRValue(rgb) * 30 + GetGValue(rgb) * 59 + GetBValue(rgb) * 11) / 100;
  return luminance < 192;
}

// Draws picture on canvas at x, y with its pixels of colour left out.
void SpeedButtonDrawClear(TCanvas* canvas, int x, int y, TBitmap* picture, TColor colour) {
  picture->SetTransparentMode(tmFixed);
  picture->SetTransparentColor(colour);
  picture->SetTransparent(true);
  canvas->Draw(x, y, picture);
}

}  // namespace

void TSpeedButton::DrawGlyph(int x, int y, const TSize& size) {
  const int w = size.cx, h = size.cy;
  // up, disabled, clicked, down
  int index = !GetEnabled() ? 1 : FPressed ? 2 : FDown ? 3 : 0;
  const bool ownPicture = index < FNumGlyphs;
  if (!ownPicture) index = 0;
  TBitmap source;
  source.Assign(FGlyph.get());
  const TColor clear = source.GetTransparentColor() & 0x00FFFFFF;
  TCanvas* canvas = GetCanvas();
  if (GetEnabled() || ownPicture) {
    TBitmap picture;
    picture.SetSize(w, h);
    picture.GetCanvas()->CopyRect(TRect(0, 0, w, h), source.GetCanvas(), TRect(index * w, 0, index * w + w, h));
    SpeedButtonDrawClear(canvas, x, y, &picture, clear);
    return;
  }
  // Disabled without a picture of its own: the up picture's dark pixels
  // embossed, a highlight copy under a shadow copy.
  TBitmap highlight, shadow;
  for (TBitmap* b : {&highlight, &shadow}) {
    b->SetSize(w, h);
    b->GetCanvas()->GetBrush()->SetColor(clFuchsia);
    b->GetCanvas()->FillRect(TRect(0, 0, w, h));
  }
  TCanvas* from = source.GetCanvas();
  for (int py = 0; py < h; py++)
    for (int px = 0; px < w; px++) {
      const TColor c = from->GetPixels(px, py);
      if ((c & 0x00FFFFFF) == clear || !SpeedButtonInk(c)) continue;
      highlight.GetCanvas()->SetPixels(px, py, clBtnHighlight);
      shadow.GetCanvas()->SetPixels(px, py, clBtnShadow);
    }
  SpeedButtonDrawClear(canvas, x + 1, y + 1, &highlight, clFuchsia);
  SpeedButtonDrawClear(canvas, x, y, &shadow, clFuchsia);
}

// Paint has set the canvas font and measured text into at.
void TSpeedButton::DrawCaption(const std::string& text, const TRect& at) {
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetStyle(bsClear);
  RECT r{at.Left, at.Top, at.Right, at.Bottom};
  const UINT flags = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOCLIP;
  if (!GetEnabled()) {
    // Disabled text: embossed, a highlight copy under a shadow copy.
    OffsetRect(&r, 1, 1);
    canvas->GetFont()->SetColor(clBtnHighlight);
    DrawTextA(canvas->GetHandle(), text.c_str(), -1, &r, flags);
    OffsetRect(&r, -1, -1);
    canvas->GetFont()->SetColor(clBtnShadow);
  }
  DrawTextA(canvas->GetHandle(), text.c_str(), -1, &r, flags);
}
