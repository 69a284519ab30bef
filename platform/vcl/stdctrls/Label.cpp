#include "platform/vcl/stdctrls/Label.h"

#include "platform/vcl/controls/WinControl.h"
#include "platform/win/windows.h"

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  FControlStyle.Include(csOpaque);
  FControlStyle.Include(csReplicatable);
  FWidth = 65;
  FHeight = 17;
}

void TCustomLabel::Publish(TPublisher<TCustomLabel>& p) {
  p.Prop("Alignment", &TCustomLabel::GetAlignment, &TCustomLabel::SetAlignment).Default(taLeftJustify);
  p.Prop("AutoSize", &TCustomLabel::GetAutoSize, &TCustomLabel::SetAutoSize).Default(true);
  p.Prop("FocusControl", &TCustomLabel::GetFocusControl, &TCustomLabel::SetFocusControl);
  p.Prop("Layout", &TCustomLabel::GetLayout, &TCustomLabel::SetLayout).Default(tlTop);
  p.Prop("ShowAccelChar", &TCustomLabel::GetShowAccelChar, &TCustomLabel::SetShowAccelChar).Default(true);
  p.Prop("Transparent", &TCustomLabel::GetTransparent, &TCustomLabel::SetTransparent).Default(false);
  p.Prop("WordWrap", &TCustomLabel::GetWordWrap, &TCustomLabel::SetWordWrap).Default(false);
}

void TCustomLabel::Messages(TMessageMap<TCustomLabel>& m) {
  m.On(CM_TEXTCHANGED, &TCustomLabel::CMTextChanged);
  m.On(CM_FONTCHANGED, &TCustomLabel::CMFontChanged);
  m.On(CM_DIALOGCHAR, &TCustomLabel::CMDialogChar);
}

void TCustomLabel::SetAlignment(TAlignment value) {
  if (FAlignment == value) return;
  FAlignment = value;
  Invalidate();
}

void TCustomLabel::SetAutoSize(bool value) {
  if (FAutoSize == value) return;
  FAutoSize = value;
  AdjustBounds();
}

void TCustomLabel::SetLayout(TTextLayout value) {
  if (FLayout == value) return;
  FLayout = value;
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool value) {
  if (FWordWrap == value) return;
  FWordWrap = value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetTransparent(bool value) {
  if (GetTransparent() == value) return;
  if (value)
    FControlStyle.Exclude(csOpaque);
  else
    FControlStyle.Include(csOpaque);
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value) {
  if (FShowAccelChar == value) return;
  FShowAccelChar = value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* value) {
  if (FFocusControl == value) return;
  if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = value;
  if (value) value->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == opRemove && component == FFocusControl) FFocusControl = nullptr;
}

void TCustomLabel::Loaded() {
  inherited::Loaded();
  AdjustBounds();
}

void TCustomLabel::CMTextChanged(TMessage&) {
  Invalidate();
  AdjustBounds();
}

void TCustomLabel::CMFontChanged(TMessage& m) {
  InheritedMessage(m);
  AdjustBounds();
}

void TCustomLabel::CMDialogChar(TMessage& m) {
  if (FFocusControl && GetEnabled() && FShowAccelChar && IsAccel(m.CharCode(), GetCaption()) &&
      FFocusControl->CanFocus()) {
    FFocusControl->SetFocus();
    m.Result = 1;
  }
}

void TCustomLabel::DoDrawText(TRect& rect, UINT flags) {
  std::string text = GetCaption();
  // An empty line still has a height to measure.
  if ((flags & DT_CALCRECT) && (text.empty() || (FShowAccelChar && text == "&"))) text += " ";
  if (!FShowAccelChar) flags |= DT_NOPREFIX;
  RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
  if (flags & DT_CALCRECT) {
    // Measuring needs no window: the screen's context with the label's font.
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetFont()->GetHandle());
    DrawTextA(dc, text.c_str(), -1, &r, flags);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    rect = TRect(r.left, r.top, r.right, r.bottom);
    return;
  }
  TCanvas* canvas = GetCanvas();
  canvas->SetFont(GetFont());
  if (!GetEnabled()) {
    // Disabled text: embossed, a highlight copy under a shadow copy.
    OffsetRect(&r, 1, 1);
    canvas->GetFont()->SetColor(clBtnHighlight);
    DrawTextA(canvas->GetHandle(), text.c_str(), -1, &r, flags);
    OffsetRect(&r, -1, -1);
    canvas->GetFont()->SetColor(clBtnShadow);
  }
  DrawTextA(canvas->GetHandle(), text.c_str(), -1, &r, flags);
  rect = TRect(r.left, r.top, r.right, r.bottom);
}

void TCustomLabel::Paint() {
  TCanvas* canvas = GetCanvas();
  TRect client(0, 0, GetWidth(), GetHeight());
  if (!GetTransparent()) {
    canvas->GetBrush()->SetColor(GetColor());
    canvas->GetBrush()->SetStyle(bsSolid);
    canvas->FillRect(client);
  }
  canvas->GetBrush()->SetStyle(bsClear);
  static constexpr UINT kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  UINT flags = DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : 0) | kAlign[FAlignment];
  TRect r = client;
  if (FLayout != tlTop) {
    TRect measured = client;
    DoDrawText(measured, flags | DT_CALCRECT);
    int h = measured.Height();
    r.Top = FLayout == tlBottom ? client.Bottom - h : (client.Height() - h) / 2;
    r.Bottom = r.Top + h;
  }
  DoDrawText(r, flags);
}

void TCustomLabel::AdjustBounds() {
  if (GetComponentState().Contains(csLoading) || !FAutoSize) return;
  TRect r(0, 0, FWordWrap ? GetWidth() : 0x3FFF, 0);
  DoDrawText(r, DT_EXPANDTABS | DT_CALCRECT | (FWordWrap ? DT_WORDBREAK : 0));
  int x = GetLeft();
  // A right-aligned label keeps its right edge; a centred one its middle.
  if (!FWordWrap && FAlignment == taRightJustify) x += GetWidth() - r.Right;
  if (!FWordWrap && FAlignment == taCenter) x += (GetWidth() - r.Right) / 2;
  SetBounds(x, GetTop(), FWordWrap ? GetWidth() : r.Right, r.Bottom);
}
