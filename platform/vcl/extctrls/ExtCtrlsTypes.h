// Enumerations of the extra controls. The bevel cuts and shape types are
// scoped enumerations (TBevelCut::bvRaised, TShapeType::stCircle): other
// libraries of the programs name values of their own the same way.
#pragma once

#include "platform/vcl/controls/ControlTypes.h"

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
DRUMS_ENUM_NAMES(TBevelCut, "bvNone", "bvLowered", "bvRaised", "bvSpace")

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
DRUMS_ENUM_NAMES(TBevelShape, "bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine", "bsSpacer")

enum TBevelStyle { bsLowered, bsRaised };
DRUMS_ENUM_NAMES(TBevelStyle, "bsLowered", "bsRaised")

enum class TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
DRUMS_ENUM_NAMES(TShapeType, "stRectangle", "stSquare", "stRoundRect", "stRoundSquare", "stEllipse", "stCircle")
