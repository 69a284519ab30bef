// The Send To submenu that the controls fill and draw themselves when the
// shell's context menu leaves it to them, and the other menu messages of a
// context menu. Each handler does nothing without a menu interface; when
// the interface has IContextMenu2 the message goes to its HandleMenuMsg.
// Own entries have identifiers 1 .. the number of entries and item data
// 0 .. that number - 1; item data of 50 or more belongs to the shell.
#pragma once

#include <string>

#include "platform/vcl/Classes.h"
#include "platform/vcl/Controls.h"
#include "platform/win/commctrl.h"
#include "platform/win/shlobj.h"

// The file names of the Send To folder, sorted, duplicates ignored, each
// with its small system icon index as object (-1 when its path does not
// parse). Created on first use, freed when the unit ends; it only grows.
TStringList* GetSendToList();
TStringList* NeedSendToList();
void FreeSendToList();
// The icon index of an entry of the Send To list.
int SendToIconIndex(int index);

// The popup's one grayed item (the shell's empty placeholder) is replaced
// by an owner-drawn item per Send To entry. Never raises.
void HandleInitMenuPopup(TMessage& message, IContextMenu* menu);
// Width: the entry's name without extension in the menu font + 32; height:
// the menu height + 2. Never raises.
void HandleMeasureItem(TMessage& message, IContextMenu* menu);
// The entry's icon at left + 8 and its name at left + 32, in the menu's
// colours. Never raises.
void HandleDrawItem(TMessage& message, IContextMenu* menu, HIMAGELIST smallImages);
// The first entry after the highlighted one whose name begins with the
// typed character: MNC_EXECUTE, or MNC_SELECT when several begin with it;
// MNC_CLOSE when none does.
void HandleMenuChar(TMessage& message, IContextMenu* menu);

using TNavPopupHintEvent = TEvent<void(TObject* Sender, const std::string& Hint)>;
// The highlighted shell command's help text (empty for own entries, popups
// and commands without one) goes to the handler.
void HandleMenuSelect(TMessage& message, IContextMenu* menu, TObject* control, const TNavPopupHintEvent& handler);

// The position of the menu's first highlighted item, or -1.
int FindHiliteItem(HMENU menu);
