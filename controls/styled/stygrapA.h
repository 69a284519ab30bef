// Shapes: the simple bevel, the shape description, its outline as a point
// list and the painter.
#pragma once

#include "controls/styled/stygrapA/PointList.h"
#include "controls/styled/stygrapA/Shape.h"
#include "controls/styled/stygrapA/ShapeOutline.h"
#include "controls/styled/stygrapA/ShapePaint.h"
#include "controls/styled/stygrapA/SimpleBevel.h"

// Makes the unit's persistent classes known to the form reader.
void RegisterStyGrapAClasses();
