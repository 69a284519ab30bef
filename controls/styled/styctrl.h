// The library's containers: the panel chain (TStyCustomPanel >
// TStyCustomBevelPanel > TStySimplePanel) and the scroll box
// (TStyCustomScrollBox > TStyScrollBox).
#pragma once

#include "controls/styled/styctrl/StyBevelPanel.h"
#include "controls/styled/styctrl/StyCustomPanel.h"
#include "controls/styled/styctrl/StyScrollBox.h"

// Makes the panels and the scroll box known to the form reader.
void RegisterStyCtrlClasses();
