// The enumerations, sets and events of forms.
#pragma once

#include "platform/vcl/classes/typeinfo/Event.h"
#include "platform/vcl/classes/typeinfo/Published.h"
#include "platform/vcl/classes/typeinfo/Set.h"
#include "platform/vcl/controls/ControlTypes.h"

// The window frame of a form. bsNone and bsSingle are TBorderStyle's values
// (the same numbers); the form adds the other four.
enum TFormBorderStyle { bsSizeable = 2, bsDialog = 3, bsToolWindow = 4, bsSizeToolWin = 5 };
DRUMS_ENUM_NAMES(TFormBorderStyle, "bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin")
constexpr TFormBorderStyle fbsNone = static_cast<TFormBorderStyle>(bsNone);
constexpr TFormBorderStyle fbsSingle = static_cast<TFormBorderStyle>(bsSingle);

enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
DRUMS_ENUM_NAMES(TBorderIcon, "biSystemMenu", "biMinimize", "biMaximize", "biHelp")
using TBorderIcons = TSet<TBorderIcon>;

enum TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
DRUMS_ENUM_NAMES(TPosition, "poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
                 "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter")

// MDI forms are not supported: the two values are kept for the names' sake.
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
DRUMS_ENUM_NAMES(TFormStyle, "fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop")

enum TWindowState { wsNormal, wsMinimized, wsMaximized };
DRUMS_ENUM_NAMES(TWindowState, "wsNormal", "wsMinimized", "wsMaximized")

enum TCloseAction { caNone, caHide, caFree, caMinimize };

enum TFormStateItem { fsCreating, fsVisible, fsShowing, fsModal, fsCreatedMDIChild, fsActivated };
using TFormState = TSet<TFormStateItem>;

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;  // IDOK
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = mrNo + 1;
constexpr TModalResult mrNoToAll = mrAll + 1;
constexpr TModalResult mrYesToAll = mrNoToAll + 1;

using TCloseEvent = TEvent<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = TEvent<void(TObject* Sender, bool& CanClose)>;

// The tag of the constructor that makes a form without reading a resource.
struct TCreateNew {};
inline constexpr TCreateNew CreateNew{};
