// Shape buttons: window-less push buttons whose face is a shape.
#pragma once

#include "controls/styled/styshapA/ShapeButton.h"
#include "controls/styled/styshapA/ShapeButtonColor.h"

// Makes the unit's persistent classes known to the form reader.
void RegisterStyShapAClasses();
