// The standard controls the window manager offers as system classes.
#pragma once

namespace win::controls {

// Registers "BUTTON", "EDIT", "STATIC", "LISTBOX", "COMBOBOX",, "ComboLBox"
// and "SCROLLBAR" once; later calls do nothing.
void RegisterSystemControls();

void RegisterButtonClass();
void RegisterEditClass();
void RegisterStaticClass();
void RegisterListBoxClass();
void RegisterComboBoxClass();
void RegisterScrollBarClass();

}  // namespace win::controls
