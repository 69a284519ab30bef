// WinHelp: help files of the project's own format (compiled by the help
// compiler) shown in the layer's help window, topics by context number.
#pragma once

#include "platform/win/windef.h"

#define HELP_CONTEXT 0x0001
#define HELP_QUIT 0x0002
#define HELP_CONTENTS 0x0003
#define HELP_INDEX 0x0003
#define HELP_HELPONHELP 0x0004
#define HELP_SETINDEX 0x0005
#define HELP_SETCONTENTS 0x0005
#define HELP_CONTEXTPOPUP 0x0008
#define HELP_FORCEFILE 0x0009
#define HELP_FINDER 0x000B
#define HELP_KEY 0x0101
#define HELP_COMMAND 0x0102
#define HELP_PARTIALKEY 0x0105

// HELP_CONTEXT shows the topic numbered dwData in the help window and
// HELP_CONTEXTPOPUP its text in a pop-up at the cursor; HELP_CONTENTS,
// HELP_FINDER and the other commands show the first topic; HELP_QUIT closes
// the help window and the pop-up. A missing file or topic is reported in
// the help window itself.
BOOL WinHelpA(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData);
inline constexpr auto& WinHelp = WinHelpA;

// F1 pressed: WM_HELP goes to the owner of an open menu (about its
// highlighted item) or else to the window with the keyboard focus; lParam
// points to a HELPINFO valid for the call.
#define WM_HELP 0x0053
// F1 pressed outside a menu: TranslateMessage posts WM_KEYF1 to the window
// the key went to (the focused one), and DefWindowProc turns it into
// WM_HELP with HELPINFO_WINDOW about that window. DefWindowProc passes an
// unanswered WM_HELP on to a child's parent and a top-level window's owner.
#define WM_KEYF1 0x004D
#define HELPINFO_WINDOW 0x0001
#define HELPINFO_MENUITEM 0x0002

typedef struct tagHELPINFO {
  UINT cbSize;
  int iContextType;  // HELPINFO_WINDOW or HELPINFO_MENUITEM
  int iCtrlId;  // the control's or the menu item's identifier (0: none highlighted)
  HANDLE hItemHandle;  // the control's window or the item's menu
  DWORD_PTR dwContextId;
  POINT MousePos;  // the cursor in screen coordinates
} HELPINFO, *LPHELPINFO;
