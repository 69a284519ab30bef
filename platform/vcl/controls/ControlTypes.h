// Enumerations, sets and small records shared by every control.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/vcl/classes/typeinfo/Event.h"
#include "platform/vcl/classes/typeinfo/Published.h"
#include "platform/vcl/classes/typeinfo/Set.h"
#include "platform/win/windef.h"
#include "platform/win/winuser.h"

class TObject;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
DRUMS_ENUM_NAMES(TAlign, "alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom")
using TAlignSet = TSet<TAlign>;

// How text sits across its space (captions, panels, header sections).
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
DRUMS_ENUM_NAMES(TAlignment, "taLeftJustify", "taRightJustify", "taCenter")

enum TAnchorKind { akLeft, akTop, akRight, akBottom };
DRUMS_ENUM_NAMES(TAnchorKind, "akLeft", "akTop", "akRight", "akBottom")
using TAnchors = TSet<TAnchorKind>;

enum TControlStyleItem {
  csAcceptsControls,
  csCaptureMouse,
  csDesignInteractive,
  csClickEvents,
  csFramed,
  csSetCaption,
  csOpaque,
  csDoubleClicks,
  csFixedWidth,
  csFixedHeight,
  csNoDesignVisible,
  csReplicatable,
  csNoStdEvents,
  csDisplayDragImage,
  csReflector,
  csActionClient,
  csMenuEvents,
  csParentBackground
};
using TControlStyle = TSet<TControlStyleItem>;

enum TControlStateItem {
  csLButtonDown,
  csClicked,
  csPalette,
  csReadingState,
  csAlignmentNeeded,
  csFocusing,
  csCreating,
  csPaintCopy,
  csCustomPaint,
  csDestroyingHandle,
  csDocking
};
using TControlState = TSet<TControlStateItem>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };
DRUMS_ENUM_NAMES(TMouseButton, "mbLeft", "mbRight", "mbMiddle")

enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;

enum TDragMode { dmManual, dmAutomatic };
DRUMS_ENUM_NAMES(TDragMode, "dmManual", "dmAutomatic")

enum TBorderStyle { bsNone, bsSingle };
DRUMS_ENUM_NAMES(TBorderStyle, "bsNone", "bsSingle")

// Cursors: built-in ones are negative; programs add their own (often -255 and
// below) through Screen->SetCursors.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSize = -22;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

// The Windows shift keys and mouse buttons of a key or mouse message.
TShiftState KeysToShiftState(WPARAM keys);
TShiftState KeyDataToShiftState(LPARAM keyData);

using TMouseEvent = TEvent<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = TEvent<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = TEvent<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = TEvent<void(TObject* Sender, char& Key)>;
using TMouseWheelEvent =
    TEvent<void(TObject* Sender, TShiftState Shift, int WheelDelta, POINT MousePos, bool& Handled)>;

// What CreateWnd passes to CreateWindowEx, as CreateParams fills it in.
struct TCreateParams {
  std::string Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  HWND WndParent = nullptr;
  void* Param = nullptr;
  WNDCLASSA WindowClass{};
  std::string WinClassName;
};
