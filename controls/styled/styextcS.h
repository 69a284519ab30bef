// The extra controls: the skin fill and the colour picker combo.
#pragma once

#include "controls/styled/styextcS/ColorComboBox.h"
#include "controls/styled/styextcS/Fill.h"

// Makes the unit's published controls known to the form reader.
void RegisterStyExtcSClasses();
