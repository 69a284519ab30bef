// TEdit: a single-line text box on the window manager's "EDIT" class.
#pragma once

#include "platform/vcl/controls/WinControl.h"
#include "platform/vcl/stdctrls/StdCtrlsTypes.h"

class TCustomEdit : public TWinControl {
  DRUMS_CLASS(TCustomEdit, TWinControl)
  DRUMS_MESSAGE_MAP(TCustomEdit)

 public:
  explicit TCustomEdit(TComponent* AOwner);

  // 0: no limit.
  int GetMaxLength() const { return FMaxLength; }
  void SetMaxLength(int value);
  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value);
  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);
  bool GetAutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool value) { FAutoSelect = value; }
  bool GetModified();
  void SetModified(bool value);
  // The selection in characters; SelLength may be set after SelStart.
  int GetSelStart();
  void SetSelStart(int value);
  int GetSelLength();
  void SetSelLength(int value);
  std::string GetSelText();
  void SetSelText(const std::string& value);
  void SelectAll();
  void Clear() { SetText(""); }

  TNotifyEvent OnChange;

  static void Publish(TPublisher<TCustomEdit>& p);
  static void Messages(TMessageMap<TCustomEdit>& m);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void DoEnter() override;
  void WndProc(TMessage& message) override;
  virtual void Change();

 private:
  void CNCommand(TMessage& m);
  void CNCtlColor(TMessage& m);
  void WMPaint(TMessage& m);
  void CMFontChanged(TMessage& m);
  void CMTextChanged(TMessage& m);

  int FMaxLength = 0;
  bool FReadOnly = false;
  bool FAutoSelect = true;
  TBorderStyle FBorderStyle = bsSingle;
  bool FCreating = false;
  bool FMouseEntering = false;  // the focus comes with a click
  bool FModified = false;  // kept while the window is away
  int FSavedSelStart = 0;
  int FSavedSelLength = 0;
};

class TEdit : public TCustomEdit {
  DRUMS_CLASS(TEdit, TCustomEdit)

 public:
  using TCustomEdit::TCustomEdit;
};
