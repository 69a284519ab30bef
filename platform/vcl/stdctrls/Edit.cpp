#include "platform/vcl/stdctrls/Edit.h"

#include <algorithm>

#include "platform/vcl/stdctrls/ControlColors.h"
#include "platform/win/windows.h"

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
  FControlStyle = TControlStyle{csClickEvents, csSetCaption, csDoubleClicks};
  FWidth = 121;
  FHeight = 21;
  FTabStop = true;
  FParentColor = false;
  FColor = clWindow;
  FBrush->SetColor(FColor);
}

void TCustomEdit::Publish(TPublisher<TCustomEdit>& p) {
  p.Prop("AutoSelect", &TCustomEdit::GetAutoSelect, &TCustomEdit::SetAutoSelect).Default(true);
  p.Prop("BorderStyle", &TCustomEdit::GetBorderStyle, &TCustomEdit::SetBorderStyle).Default(bsSingle);
  p.Prop("MaxLength", &TCustomEdit::GetMaxLength, &TCustomEdit::SetMaxLength).Default(0);
  p.Prop("ReadOnly", &TCustomEdit::GetReadOnly, &TCustomEdit::SetReadOnly).Default(false);
  p.Prop("Text", &TCustomEdit::GetText, &TCustomEdit::SetText);
  p.Prop("OnChange", &TCustomEdit::OnChange);
  p.Default("TabStop", true);
  // The text is the edit's Text, written once.
  p.Prop("Caption", &TCustomEdit::GetCaption, &TCustomEdit::SetCaption).Stored(false);
}

void TCustomEdit::Messages(TMessageMap<TCustomEdit>& m) {
  m.On(CN_COMMAND, &TCustomEdit::CNCommand);
  m.On(CN_CTLCOLOREDIT, &TCustomEdit::CNCtlColor);
  m.On(CN_CTLCOLORSTATIC, &TCustomEdit::CNCtlColor);
  m.On(WM_PAINT, &TCustomEdit::WMPaint);
  m.On(CM_FONTCHANGED, &TCustomEdit::CMFontChanged);
  m.On(CM_TEXTCHANGED, &TCustomEdit::CMTextChanged);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  CreateSubClass(params, "EDIT");
  params.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
  if (FReadOnly) params.Style |= ES_READONLY;
  if (FBorderStyle == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWnd() {
  // The window taking its first text is no change by anyone.
  FCreating = true;
  try {
    inherited::CreateWnd();
  } catch (...) {
    FCreating = false;
    throw;
  }
  FCreating = false;
  SendMessageA(FHandle, EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
  SendMessageA(FHandle, EM_SETMODIFY, FModified ? 1 : 0, 0);
  SendMessageA(FHandle, EM_SETSEL, static_cast<WPARAM>(FSavedSelStart),
               static_cast<LPARAM>(FSavedSelStart + FSavedSelLength));
}

void TCustomEdit::DestroyWnd() {
  FModified = GetModified();
  FSavedSelStart = GetSelStart();
  FSavedSelLength = GetSelLength();
  inherited::DestroyWnd();
}

void TCustomEdit::WMPaint(TMessage& m) {
  DefaultHandler(m);
}

void TCustomEdit::CNCtlColor(TMessage& m) {
  vcl::stdctrls::AnswerCtlColor(*this, m);
}

void TCustomEdit::CMFontChanged(TMessage& m) {
  InheritedMessage(m);
  Invalidate();
}

void TCustomEdit::CNCommand(TMessage& m) {
  if (HIWORD(m.WParam) == EN_CHANGE && !FCreating) Change();
}

void TCustomEdit::CMTextChanged(TMessage& m) {
  InheritedMessage(m);
  // With a window its EN_CHANGE tells; without one, this is the change.
  if (!HandleAllocated() && !GetComponentState().Contains(csLoading)) Change();
}

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

void TCustomEdit::WndProc(TMessage& message) {
  if (message.Msg != WM_LBUTTONDOWN && message.Msg != WM_LBUTTONDBLCLK) {
    inherited::WndProc(message);
    return;
  }
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{FMouseEntering};
  FMouseEntering = true;
  inherited::WndProc(message);
}

void TCustomEdit::DoEnter() {
  // A click places the caret itself; Tab and code select the whole text.
  if (FAutoSelect && HandleAllocated() && !FMouseEntering) SelectAll();
  inherited::DoEnter();
}

void TCustomEdit::SetMaxLength(int value) {
  if (value < 0) value = 0;
  if (FMaxLength == value) return;
  FMaxLength = value;
  if (HandleAllocated()) SendMessageA(FHandle, EM_LIMITTEXT, static_cast<WPARAM>(value), 0);
}

void TCustomEdit::SetReadOnly(bool value) {
  if (FReadOnly == value) return;
  FReadOnly = value;
  if (HandleAllocated()) SendMessageA(FHandle, EM_SETREADONLY, value ? 1 : 0, 0);
}

void TCustomEdit::SetBorderStyle(TBorderStyle value) {
  if (FBorderStyle == value) return;
  FBorderStyle = value;
  RecreateWnd();
}

bool TCustomEdit::GetModified() {
  return HandleAllocated() ? SendMessageA(FHandle, EM_GETMODIFY, 0, 0) != 0 : FModified;
}

void TCustomEdit::SetModified(bool value) {
  FModified = value;
  if (HandleAllocated()) SendMessageA(FHandle, EM_SETMODIFY, value ? 1 : 0, 0);
}

int TCustomEdit::GetSelStart() {
  if (!HandleAllocated()) return FSavedSelStart;
  DWORD start = 0;
  SendMessageA(FHandle, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return static_cast<int>(start);
}

int TCustomEdit::GetSelLength() {
  if (!HandleAllocated()) return FSavedSelLength;
  DWORD start = 0, end = 0;
  SendMessageA(FHandle, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TCustomEdit::SetSelStart(int value) {
  FSavedSelStart = value;
  FSavedSelLength = 0;
  if (HandleAllocated()) SendMessageA(FHandle, EM_SETSEL, static_cast<WPARAM>(value), static_cast<LPARAM>(value));
}

void TCustomEdit::SetSelLength(int value) {
  int start = GetSelStart();
  FSavedSelLength = value;
  if (HandleAllocated())
    SendMessageA(FHandle, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(start + value));
}

std::string TCustomEdit::GetSelText() {
  std::string text = GetText();
  int start = std::min(GetSelStart(), static_cast<int>(text.size()));
  int length = std::min(GetSelLength(), static_cast<int>(text.size()) - start);
  return text.substr(static_cast<size_t>(start), static_cast<size_t>(std::max(0, length)));
}

void TCustomEdit::SetSelText(const std::string& value) {
  if (HandleAllocated()) SendMessageA(GetHandle(), EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(value.c_str()));
}

void TCustomEdit::SelectAll() {
  if (HandleAllocated()) SendMessageA(FHandle, EM_SETSEL, 0, -1);
}
