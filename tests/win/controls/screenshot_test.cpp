// One window holding every standard and small common control, saved as a
// PNG for looking at, with a few pixel probes on their classic look.
#include <cstdlib>
#include <filesystem>

#include "controls_fixture.h"

using namespace controlstest;

namespace {

class ControlsScreenshot : public ControlsTest {};

std::uint32_t Rgb(COLORREF c) {
  return (std::uint32_t(GetRValue(c)) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

TEST_F(ControlsScreenshot, EveryControlInOneWindow) {
  InitCommonControls();
  SetWindowTextA(parent, "Controls");
  usertest::MessageLog::Get().answers[{"parent", WM_ERASEBKGND}] = [](HWND h, WPARAM wp, LPARAM) {
    RECT r;
    GetClientRect(h, &r);
    FillRect(reinterpret_cast<HDC>(wp), &r, GetSysColorBrush(COLOR_3DFACE));
    return LRESULT(1);
  };
  InvalidateRect(parent, nullptr, TRUE);
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  auto add = [&](const char* cls, const char* text, DWORD style, int x, int y, int w, int h, int id, DWORD ex = 0) {
    HWND c = Child(cls, text, style, x, y, w, h, id, ex);
    SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return c;
  };
  add("BUTTON", "Play", BS_DEFPUSHBUTTON, 10, 10, 75, 23, 1);
  add("BUTTON", "Stop", BS_PUSHBUTTON, 92, 10, 75, 23, 2);
  add("BUTTON", "Options", BS_GROUPBOX, 10, 40, 157, 100, 3);
  HWND loop = add("BUTTON", "Loop pattern", BS_AUTOCHECKBOX, 20, 58, 130, 18, 4);
  SendMessageA(loop, BM_SETCHECK, BST_CHECKED, 0);
  add("BUTTON", "Humanise", BS_AUTOCHECKBOX, 20, 78, 130, 18, 5);
  HWND r16 = add("BUTTON", "16th notes", BS_AUTORADIOBUTTON | WS_GROUP, 20, 98, 130, 18, 6);
  SendMessageA(r16, BM_SETCHECK, BST_CHECKED, 0);
  add("BUTTON", "32nd notes", BS_AUTORADIOBUTTON, 20, 116, 130, 18, 7);
  add("STATIC", "Kit name:", SS_LEFT, 10, 150, 60, 16, 8);
  HWND name = add("EDIT", "Soft Synth Kit", ES_AUTOHSCROLL, 72, 147, 95, 21, 9, WS_EX_CLIENTEDGE);
  add("STATIC", "", SS_ETCHEDHORZ, 10, 176, 157, 2, 10);
  HWND notes = add("EDIT", "", ES_MULTILINE | WS_VSCROLL, 10, 184, 157, 70, 11, WS_EX_CLIENTEDGE);
  SetWindowTextA(notes, "Kick on one,\r\nsnare on two,\r\nhi-hat on every\r\neighth note,\r\nclap at the end.");
  HWND list = add("LISTBOX", "", LBS_NOTIFY | WS_VSCROLL, 180, 10, 130, 110, 12, WS_EX_CLIENTEDGE);
  for (const char* s : {"Kick", "Snare", "Closed hat", "Open hat", "Clap", "Tom low", "Tom high", "Crash", "Ride"})
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
  SendMessageA(list, LB_SETCURSEL, 1, 0);
  HWND colour = add("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL, 180, 128, 130, 150, 13);
  for (const char* s : {"Yellow", "Red", "Lime"}) SendMessageA(colour, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
  SendMessageA(colour, CB_SETCURSEL, 0, 0);
  HWND kit = add("COMBOBOX", "", CBS_DROPDOWN | WS_VSCROLL, 180, 156, 130, 150, 14);
  SendMessageA(kit, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Garage"));
  SetWindowTextA(kit, "Garage");
  HWND simple = add("COMBOBOX", "", CBS_SIMPLE, 180, 184, 130, 80, 15);
  for (const char* s : {"4/4", "3/4"}) SendMessageA(simple, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
  SendMessageA(simple, CB_SETCURSEL, 0, 0);
  HWND tab = add(WC_TABCONTROLA, "", 0, 322, 10, 220, 150, 16);
  for (const char* s : {"Pattern", "Song", "Mixer"}) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(s);
    SendMessageA(tab, TCM_INSERTITEMA, 9, reinterpret_cast<LPARAM>(&item));
  }
  SendMessageA(tab, TCM_SETCURSEL, 1, 0);
  add("STATIC", "Tempo:", SS_LEFT, 336, 60, 50, 16, 17);
  add("EDIT", "", ES_NUMBER, 390, 57, 60, 21, 18, WS_EX_CLIENTEDGE);
  HWND ud = add(UPDOWN_CLASSA, "", UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS, 0, 0, 16, 21, 19);
  SendMessageA(ud, UDM_SETRANGE32, 10, 300);
  SendMessageA(ud, UDM_SETPOS32, 0, 120);
  add("STATIC", "Disabled:", SS_LEFT, 336, 90, 60, 16, 20);
  HWND off = add("BUTTON", "Record", BS_PUSHBUTTON, 400, 86, 75, 23, 21);
  EnableWindow(off, FALSE);
  add("STATIC", "Swing:", SS_LEFT, 336, 124, 50, 16, 23);
  HWND swing = add("SCROLLBAR", "", SBS_HORZ, 390, 122, 140, 17, 24);
  SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 20, 30, 0};
  SetScrollInfo(swing, SB_CTL, &si, TRUE);
  HWND status = add(STATUSCLASSNAMEA, "", SBARS_SIZEGRIP, 0, 0, 0, 0, 22);
  int edges[] = {160, 360, -1};
  SendMessageA(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
  SendMessageA(status, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("Tambrel"));
  SendMessageA(status, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>("\tSoft Synth Kit"));
  SendMessageA(status, SB_SETTEXTA, 2, reinterpret_cast<LPARAM>("\t\tStopped"));
  SetFocus(name);
  SendMessageA(name, EM_SETSEL, 5, 10);
  Pump();
  UpdateWindow(parent);
  Pump();

  const char* dir = std::getenv("DRUMS_SCREENSHOTS");
  std::filesystem::path folder = dir ? std::filesystem::path(dir) : std::filesystem::temp_directory_path();
  std::string path = (folder / "controls_window.png").string();
  EXPECT_TRUE(host::Get().Screenshot(HostOf(parent), path)) << path;

  // Probes: the list's selected row in the highlight colour, an edit on the
  // window colour, a push button's face.
  auto at = [&](HWND h, int x, int y) {
    POINT p = ScreenPoint(h, x, y);
    RECT wr;
    GetWindowRect(parent, &wr);
    return Pixel(parent, p.x - wr.left, p.y - wr.top);
  };
  RECT row{};
  SendMessageA(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
  EXPECT_EQ(at(list, 100, (row.top + row.bottom) / 2), Rgb(GetSysColor(COLOR_HIGHLIGHT)));
  EXPECT_EQ(at(notes, 120, 60), Rgb(GetSysColor(COLOR_WINDOW)));
  EXPECT_EQ(at(GetDlgItem(parent, 2), 4, 4), Rgb(GetSysColor(COLOR_3DFACE)));
  if (!dir) std::filesystem::remove(path);
}

}  // namespace
