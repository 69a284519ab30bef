// TMemo: several lines of text on the window manager's multi-line "EDIT".
// Its Lines are the window's text, one line between each CR LF; before the
// window exists they wait in the control's text and go into the window when
// it is made.
#pragma once

#include <memory>

#include "platform/vcl/stdctrls/Edit.h"
#include "platform/vcl/stdctrls/StdCtrlsTypes.h"

class TMemoStrings;

class TCustomMemo : public TCustomEdit {
  DRUMS_CLASS(TCustomMemo, TCustomEdit)

 public:
  explicit TCustomMemo(TComponent* AOwner);
  ~TCustomMemo() override;

  TStrings* GetLines() const;
  void SetLines(TStrings* value);
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  TScrollStyle GetScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle value);
  // Long lines break at words to fit the width (no horizontal scrolling).
  bool GetWordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);

  static void Publish(TPublisher<TCustomMemo>& p);

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  std::unique_ptr<TMemoStrings> FLines;
  TAlignment FAlignment = taLeftJustify;
  TScrollStyle FScrollBars = ssNone;
  bool FWordWrap = true;
};

class TMemo : public TCustomMemo {
  DRUMS_CLASS(TMemo, TCustomMemo)

 public:
  using TCustomMemo::TCustomMemo;
};
