// Extra styled controls: the colour picker combo.
#pragma once

#include "controls/styled/styextcS/ColorComboBox.h"

// Makes the unit's published controls known to the form reader.
void RegisterStyExtcSClasses();
