// The common controls' tests: a top-level parent window that records the
// notifications and owner-draw requests its controls send, and input
// injected through the headless host as the desktop would report it.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/host/headless.h"
#include "platform/win/commctrl.h"
#include "platform/win/drums_ext.h"
#include "platform/win/windows.h"

namespace comctltest {

// One notification or owner-draw request as the parent saw it.
struct Heard {
  UINT msg = 0;  // WM_NOTIFY or WM_DRAWITEM
  UINT code = 0;  // the notification code (WM_NOTIFY)
  HWND from = nullptr;
  int item = -1;  // iItem / itemID where the record has one
  UINT newState = 0, oldState = 0, changed = 0;  // NMLISTVIEW
  DWORD stage = 0;  // NM_CUSTOMDRAW
  std::string text;  // label edits: the text handed over ("<null>" for none)
  UINT action = 0;  // NMTREEVIEW
  HTREEITEM node = nullptr;
};

class ComctlTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The parent: a top-level window with a client area of w x h at (x, y).
  HWND MakeParent(int w, int h, int x = 100, int y = 100);
  HWND MakeChild(const char* cls, DWORD style, int x, int y, int w, int h, int id = 1);

  void Pump();
  void AdvanceMs(int ms);
  // Mouse at client coordinates of `hwnd`; keys to the focused window.
  void MouseDown(HWND hwnd, int x, int y, host::MouseButton b = host::MouseButton::Left, std::uint32_t mods = 0);
  void MouseUp(HWND hwnd, int x, int y, host::MouseButton b = host::MouseButton::Left, std::uint32_t mods = 0);
  void MouseMove(HWND hwnd, int x, int y, std::uint32_t mods = 0);
  void Click(HWND hwnd, int x, int y, std::uint32_t mods = 0);
  void RightClick(HWND hwnd, int x, int y);
  void Press(int vk, std::uint32_t mods = 0);
  void Type(const std::string& text);
  // A pixel of the parent's surface at client coordinates of `hwnd`, 0xRRGGBB.
  std::uint32_t Pixel(HWND hwnd, int x, int y);
  // Paints everything now.
  void Paint();
  bool Screenshot(const std::string& path);

  // What the parent heard, and codes only (WM_NOTIFY).
  std::vector<Heard> heard;
  std::vector<UINT> Codes(const std::vector<UINT>& only = {}) const;
  // Answers the parent gives: by notification code, or to WM_DRAWITEM (code 0).
  std::map<UINT, std::function<LRESULT(NMHDR*)>> answers;
  std::function<void(const DRAWITEMSTRUCT&)> onDrawItem;

  HWND parent = nullptr;
  host::WindowId HostOf(HWND top);

 private:
  void Push(host::Event e, HWND hwnd, int x, int y);
  static LRESULT CALLBACK ParentProc(HWND, UINT, WPARAM, LPARAM);
  static ComctlTest* current;
  std::string title_;
};

// A 16x16 (or size x size) image list of solid colours, masked.
HIMAGELIST SolidImages(const std::vector<COLORREF>& colours, int size = 16);

}  // namespace comctltest
