#include "controls/styled/stystdcS/BaseLabel.h"

#include "platform/vcl/Controls.h"
#include "platform/win/windows.h"

TStyBaseLabel::TStyBaseLabel(TComponent* AOwner) : TStyBaseGraphicControl(AOwner) {}

void TStyBaseLabel::Publish(TPublisher<TStyBaseLabel>& p) {
  p.Prop("Alignment", &TStyBaseLabel::GetAlignment, &TStyBaseLabel::SetAlignment).Default(agTopLeft);
  p.Prop("AutoSize", &TStyBaseLabel::GetAutoSize, &TStyBaseLabel::SetAutoSize).Default(true);
  p.Prop("FocusControl", &TStyBaseLabel::GetFocusControl, &TStyBaseLabel::SetFocusControl);
  p.Prop("MultiLine", &TStyBaseLabel::GetMultiLine, &TStyBaseLabel::SetMultiLine).Default(false);
  p.Prop("ShowAccelChar", &TStyBaseLabel::GetShowAccelChar, &TStyBaseLabel::SetShowAccelChar).Default(true);
}

void TStyBaseLabel::Messages(TMessageMap<TStyBaseLabel>& m) {
  m.On(CM_FONTCHANGED, &TStyBaseLabel::CMFontChanged);
  m.On(CM_TEXTCHANGED, &TStyBaseLabel::CMTextChanged);
  m.On(CM_DIALOGCHAR, &TStyBaseLabel::CMDialogChar);
}

void TStyBaseLabel::SetFlag(int Index, bool value) {
  if (FFlags[Index] == value) return;
  FFlags[Index] = value;
  switch (Index) {
    case 0: AdjustSize(); break;
    case 1: Changed(this); break;
    default: Redraw();
  }
}

void TStyBaseLabel::SetAlignment(TStyAlignment value) {
  if (FAlignment == value) return;
  FAlignment = value;
  Changed(this);
}

void TStyBaseLabel::SetOptions(TStyLabelOptions value) {
  if (FOptions == value) return;
  FOptions = value;
  Changed(this);
}

void TStyBaseLabel::SetFocusControl(TWinControl* value) {
  FFocusControl = value;
  if (value) value->FreeNotification(this);
}

void TStyBaseLabel::GetCaption(std::string& Text) {
  Text = GetCaption();
}

void TStyBaseLabel::FontChanged(TPersistent* Font) {
  if (Loading()) return;
  if (Font == GetFont()) SetParentFont(false);
  if (!GetComponentState().Contains(csReading)) GetCanvas()->SetFont(GetFont());
  Changed(this);
}

void TStyBaseLabel::Changed(TObject*) {
  AdjustSize();
  Redraw();
}

bool TStyBaseLabel::IsEmpty() {
  std::string text;
  GetCaption(text);
  return GetTransparent() && text.empty();
}

void TStyBaseLabel::Loaded() {
  inherited::Loaded();
  GetCanvas()->SetFont(GetFont());
  AdjustSize();
}

void TStyBaseLabel::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

UINT TStyBaseLabel::OptionFormat() const {
  UINT format = 0;
  if (FOptions.Contains(loPathEllipsis)) format |= DT_PATH_ELLIPSIS;
  if (FOptions.Contains(loEndEllipsis)) format |= DT_END_ELLIPSIS;
  if (FOptions.Contains(loEditControl)) format |= DT_EDITCONTROL;
  return format;
}

void TStyBaseLabel::CMFontChanged(TMessage& m) {
  InheritedMessage(m);
  FontChanged(GetFont());
}

void TStyBaseLabel::CMTextChanged(TMessage&) {
  AdjustSize();
  Redraw();
}

void TStyBaseLabel::CMDialogChar(TMessage& m) {
  if (!GetShowAccelChar() || FFocusControl == nullptr || !GetEnabled()) return;
  if (IsAccel(m.CharCode(), GetCaption()) && FFocusControl->CanFocus()) {
    FFocusControl->SetFocus();
    m.Result = 1;
  }
}
