#include "platform/vcl/stdctrls/Memo.h"

#include "platform/vcl/stdctrls/MemoStrings.h"
#include "platform/win/windows.h"

TCustomMemo::TCustomMemo(TComponent* AOwner) : TCustomEdit(AOwner), FLines(std::make_unique<TMemoStrings>(this)) {
  FWidth = 185;
  FHeight = 89;
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::Publish(TPublisher<TCustomMemo>& p) {
  p.Prop("Alignment", &TCustomMemo::GetAlignment, &TCustomMemo::SetAlignment).Default(taLeftJustify);
  p.Prop("Lines", &TCustomMemo::GetLines, &TCustomMemo::SetLines);
  p.Prop("ScrollBars", &TCustomMemo::GetScrollBars, &TCustomMemo::SetScrollBars).Default(ssNone);
  p.Prop("WordWrap", &TCustomMemo::GetWordWrap, &TCustomMemo::SetWordWrap).Default(true);
  // The text is written as the Lines.
  p.Prop("Text", &TCustomMemo::GetText, &TCustomMemo::SetText).Stored(false);
}

TStrings* TCustomMemo::GetLines() const {
  return FLines.get();
}

void TCustomMemo::SetLines(TStrings* value) {
  FLines->Assign(value);
}

void TCustomMemo::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  static constexpr DWORD kAlignments[] = {ES_LEFT, ES_RIGHT, ES_CENTER};  // in TAlignment's order
  static constexpr DWORD kScrollBars[] = {0, WS_HSCROLL, WS_VSCROLL, WS_HSCROLL | WS_VSCROLL};
  params.Style |= ES_MULTILINE | kAlignments[FAlignment] | kScrollBars[FScrollBars];
  if (FWordWrap) params.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
}

void TCustomMemo::SetAlignment(TAlignment value) {
  if (FAlignment == value) return;
  FAlignment = value;
  RecreateWnd();
}

void TCustomMemo::SetScrollBars(TScrollStyle value) {
  if (FScrollBars == value) return;
  FScrollBars = value;
  RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool value) {
  if (FWordWrap == value) return;
  FWordWrap = value;
  RecreateWnd();
}
