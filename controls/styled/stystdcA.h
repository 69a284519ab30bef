// The spin button and the integer spin edit.
#pragma once

#include "controls/styled/stystdcA/SpinButton.h"
#include "controls/styled/stystdcA/SpinEdit.h"

void RegisterStyStdcAClasses();
