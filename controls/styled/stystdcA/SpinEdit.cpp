#include "controls/styled/stystdcA/SpinEdit.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "platform/vcl/Classes.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/SysUtils.h"

namespace {

int FontHeight(HFONT font) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return tm.tmHeight;
}

bool IsNumberChar(char c) {
  return c == '+' || c == '-' || (c >= '0' && c <= '9');
}

}  // namespace

TStyCustomSpinEdit::TStyCustomSpinEdit(TComponent* AOwner) : TCustomEdit(AOwner) {
  FControlStyle.Exclude(csSetCaption);
  SetText("0");
  FButtonHolder = new TWinControl(this);
  FButtonHolder->SetVisible(true);
  FButtonHolder->SetParent(this);
  FButton = new TStySpinButton(this);
  FButton->SetVisible(true);
  FButton->SetParent(FButtonHolder);
  FButton->OnTopClick = [this](TObject*) { UpClick(); };
  FButton->OnBottomClick = [this](TObject*) { DownClick(); };
}

TStyCustomSpinEdit::~TStyCustomSpinEdit() {
  delete FButton;
  delete FButtonHolder;
}

void TStyCustomSpinEdit::Publish(TPublisher<TStyCustomSpinEdit>& p) {
  p.Prop("MinValue", &TStyCustomSpinEdit::GetMinValue, &TStyCustomSpinEdit::SetMinValue).Default(0);
  p.Prop("MaxValue", &TStyCustomSpinEdit::GetMaxValue, &TStyCustomSpinEdit::SetMaxValue).Default(100);
  p.Prop("LineSize", &TStyCustomSpinEdit::GetLineSize, &TStyCustomSpinEdit::SetLineSize).Default(1);
  p.Prop("PageSize", &TStyCustomSpinEdit::GetPageSize, &TStyCustomSpinEdit::SetPageSize).Default(10);
  p.Prop("Suffix", &TStyCustomSpinEdit::GetSuffix, &TStyCustomSpinEdit::SetSuffix);
  p.Prop("EditorEnabled", &TStyCustomSpinEdit::GetEditorEnabled, &TStyCustomSpinEdit::SetEditorEnabled).Default(true);
  p.Prop("Alignment", &TStyCustomSpinEdit::GetAlignment, &TStyCustomSpinEdit::SetAlignment).Default(taLeftJustify);
  p.Prop("Interval", &TStyCustomSpinEdit::GetInterval, &TStyCustomSpinEdit::SetInterval).Default(100);
  p.Prop("OnMouseWheel", &TStyCustomSpinEdit::OnMouseWheel);
}

void TStySpinEdit::Publish(TPublisher<TStySpinEdit>& p) {
  p.Prop("Value", &TStySpinEdit::GetValue, &TStySpinEdit::SetValue);
}

void TStyCustomSpinEdit::Messages(TMessageMap<TStyCustomSpinEdit>& m) {
  m.On(WM_SIZE, &TStyCustomSpinEdit::WMSize);
  m.On(WM_CUT, &TStyCustomSpinEdit::WMCutPaste);
  m.On(WM_PASTE, &TStyCustomSpinEdit::WMCutPaste);
  m.On(CM_ENABLEDCHANGED, &TStyCustomSpinEdit::CMEnabledChanged);
}

// Value -----------------------------------------------------------------------

int TStyCustomSpinEdit::CheckValue(int value) const {
  if (FMinValue == FMaxValue) return value;
  return std::clamp(value, FMinValue, FMaxValue);
}

void TStyCustomSpinEdit::SetValue(int value) {
  SetText(IntToStr(CheckValue(value)) + FSuffix);
}

int TStyCustomSpinEdit::GetValue() {
  const auto repair = [this](const std::string& text) {
    if (GetText() != text) SetText(text);
  };
  const std::string minText = IntToStr(FMinValue) + FSuffix;
  int value = 0;
  if (FSuffix.empty()) {
    if (GetText().empty()) repair(minText);
    if (TryStrToInt(GetText(), value)) return value;
    repair(minText);
    return FMinValue;
  }
  std::string kept;
  for (char c : GetText())
    if (IsNumberChar(c)) kept += c;
  if (!kept.empty() && TryStrToInt(kept, value)) {
    repair(kept + FSuffix);
    return value;
  }
  repair(minText);
  return FMinValue;
}

void TStyCustomSpinEdit::SetMaxValue(int value) {
  if (value == FMaxValue || value <= FMinValue) return;
  FMaxValue = value;
  if (GetValue() > FMaxValue) SetValue(FMaxValue);
}

void TStyCustomSpinEdit::SetMinValue(int value) {
  if (value == FMinValue || value >= FMaxValue) return;
  FMinValue = value;
  if (GetValue() < FMinValue) SetValue(FMinValue);
}

void TStyCustomSpinEdit::SetSuffix(const std::string& value) {
  if (value == FSuffix) return;
  const int current = GetValue();
  FSuffix = value;
  SetValue(current);
}

void TStyCustomSpinEdit::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  RecreateWnd();
}

// Stepping --------------------------------------------------------------------

void TStyCustomSpinEdit::StepBy(std::int64_t delta) {
  const std::int64_t next = GetValue() + delta;
  SetValue(static_cast<int>(std::clamp<std::int64_t>(next, INT_MIN, INT_MAX)));
}

void TStyCustomSpinEdit::UpClick() {
  if (GetReadOnly())
    MessageBeep(0);
  else
    StepBy(FLineSize);
}

void TStyCustomSpinEdit::DownClick() {
  if (GetReadOnly())
    MessageBeep(0);
  else
    StepBy(-std::int64_t{FLineSize});
}

bool TStyCustomSpinEdit::IsValidChar(char Key) {
  const bool control = static_cast<unsigned char>(Key) < 32;
  if (!FEditorEnabled) return control && Key != VK_BACK;
  return control || IsNumberChar(Key);
}

void TStyCustomSpinEdit::KeyDown(WORD& Key, TShiftState Shift) {
  // A step's OnChange may free the spin edit.
  TWeakRef<TStyCustomSpinEdit> self(this);
  switch (Key) {
    case VK_PRIOR:
      if (!GetReadOnly()) StepBy(FPageSize);
      break;
    case VK_NEXT:
      if (!GetReadOnly()) StepBy(-std::int64_t{FPageSize});
      break;
    case VK_UP: UpClick(); break;
    case VK_DOWN: DownClick(); break;
    default: break;
  }
  if (self) TCustomEdit::KeyDown(Key, Shift);
}

void TStyCustomSpinEdit::KeyPress(char& Key) {
  if (!IsValidChar(Key)) {
    Key = 0;
    MessageBeep(0);
  }
  TWeakRef<TStyCustomSpinEdit> self(this);
  if (Key == VK_RETURN || Key == VK_ESCAPE) {
    // The form's default or cancel button may close the dialog and free it.
    if (TCustomForm* form = GetParentForm(this)) form->Perform(CM_DIALOGKEY, static_cast<WPARAM>(Key), 0);
    if (Key == VK_RETURN || !self) Key = 0;
  }
  if (Key != 0) TCustomEdit::KeyPress(Key);
}

bool TStyCustomSpinEdit::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (TCustomEdit::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  if (WheelDelta > 0)
    UpClick();
  else if (WheelDelta < 0)
    DownClick();
  return true;
}

void TStyCustomSpinEdit::WMCutPaste(TMessage& m) {
  if (FEditorEnabled && !GetReadOnly()) InheritedMessage(m);
}

void TStyCustomSpinEdit::DoExit() {
  const int value = GetValue();
  if (CheckValue(value) != value) SetValue(value);
  TCustomEdit::DoExit();
}

void TStyCustomSpinEdit::Change() {
  if (!GetComponentState().Contains(csLoading)) TCustomEdit::Change();
}

void TStyCustomSpinEdit::CMEnabledChanged(TMessage& m) {
  InheritedMessage(m);
  FButton->SetEnabled(GetEnabled());
}

// Window and layout -----------------------------------------------------------

void TStyCustomSpinEdit::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  static constexpr LONG kAlignStyles[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
  params.Style |= WS_CLIPCHILDREN | ES_MULTILINE | kAlignStyles[FAlignment];
}

void TStyCustomSpinEdit::CreateWnd() {
  TCustomEdit::CreateWnd();
  LayoutButton();
}

void TStyCustomSpinEdit::WMSize(TMessage& m) {
  InheritedMessage(m);
  LayoutButton();
}

int TStyCustomSpinEdit::GetMinHeight() {
  const int h = FontHeight(GetFont()->GetHandle());
  const int system = FontHeight(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
  int result = h + std::min(h, system) / 4;
  if (GetBorderStyle() == bsSingle) result += 4 * GetSystemMetrics(SM_CYBORDER);
  return result;
}

void TStyCustomSpinEdit::LayoutButton() {
  if (!HandleAllocated()) return;
  const int minHeight = GetMinHeight();
  if (FHeight < minHeight) {
    SetHeight(minHeight);  // the resize comes back here
    return;
  }
  const bool framed = GetCtl3D() && GetBorderStyle() == bsSingle;
  const int side = std::max(0, framed ? FHeight - 4 * GetSystemMetrics(SM_CYBORDER) : FHeight);
  FButtonHolder->SetBounds(FWidth - FHeight, 0, side, side);
  FButton->SetBounds(0, 0, side, side);
  SetEditRect();
}

void TStyCustomSpinEdit::SetEditRect() {
  RECT r{0, 0, GetClientWidth() - FButton->GetWidth() - 2, GetClientHeight() + 1};
  SendMessageA(GetHandle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
}
