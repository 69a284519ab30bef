// The spin button, the integer spin edit and the multi-column list box.
#pragma once

#include "controls/styled/stystdcA/ListBoxColumns.h"
#include "controls/styled/stystdcA/SpinButton.h"
#include "controls/styled/stystdcA/SpinEdit.h"
#include "controls/styled/stystdcA/StyListBox.h"

void RegisterStyStdcAClasses();
