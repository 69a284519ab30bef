// The window every common dialog is built in: a captioned popup over its
// owner holding standard controls, run modally until the dialog ends. The
// frame does what a dialog manager would: Tab and Shift+Tab move between the
// controls, Enter presses the default button, Escape cancels.
#pragma once

#include <functional>
#include <string>

#include "platform/win/winuser.h"

namespace win::commdlg {

class DialogFrame {
 public:
  DialogFrame(HWND owner, const std::string& title, int clientWidth, int clientHeight);
  ~DialogFrame();
  DialogFrame(const DialogFrame&) = delete;
  DialogFrame& operator=(const DialogFrame&) = delete;

  HWND Hwnd() const { return hwnd_; }
  // A control in client coordinates, in the dialog font.
  HWND Add(const char* cls, const char* text, DWORD style, int x, int y, int w, int h, int id, DWORD exStyle = 0);
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

  // Makes the client area wider and higher by these amounts, keeping the
  // window's top-left corner.
  void GrowClient(int dx, int dy);
  // Shows the dialog over its disabled owner and runs it until End; returns
  // End's code (IDCANCEL when the dialog was closed another way).
  int Run(HWND firstFocus);
  void End(int code);

  // Control notifications: id and code of WM_COMMAND.
  std::function<void(int id, int code)> onCommand;
  // Other messages (WM_DRAWITEM, WM_MEASUREITEM...); true when answered.
  std::function<bool(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)> onMessage;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  bool PreTranslate(const MSG& m);
  void MoveFocus(bool forward);

  HWND owner_;
  HWND hwnd_ = nullptr;
  bool done_ = false;
  int code_ = IDCANCEL;
};

// The error CommDlgExtendedError reports.
void SetDialogError(DWORD error);

}  // namespace win::commdlg
