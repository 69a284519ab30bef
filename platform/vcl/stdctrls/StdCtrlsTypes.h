// Enumerations and events the standard controls share.
#pragma once

#include "platform/vcl/controls/ControlTypes.h"
#include "platform/vcl/graphics/Geometry.h"

class TWinControl;

enum TTextLayout { tlTop, tlCenter, tlBottom };
DRUMS_ENUM_NAMES(TTextLayout, "tlTop", "tlCenter", "tlBottom")

// Which of the window's scroll bars a memo or a grid shows.
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
DRUMS_ENUM_NAMES(TScrollStyle, "ssNone", "ssHorizontal", "ssVertical", "ssBoth")

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
DRUMS_ENUM_NAMES(TCheckBoxState, "cbUnchecked", "cbChecked", "cbGrayed")

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
DRUMS_ENUM_NAMES(TListBoxStyle, "lbStandard", "lbOwnerDrawFixed", "lbOwnerDrawVariable")

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
DRUMS_ENUM_NAMES(TComboBoxStyle, "csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable")

enum TOwnerDrawStateItem { odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odComboBoxEdit };
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;

// Control is the list box or combo box whose item is drawn or measured.
using TDrawItemEvent = TEvent<void(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = TEvent<void(TWinControl* Control, int Index, int& Height)>;
