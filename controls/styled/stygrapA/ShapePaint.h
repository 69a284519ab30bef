// Paints a shape: its shadow, the face filled with a brush or a picture,
// the outline and, for the sunken and raised bevels, the light and shadow
// edges.
#pragma once

#include "controls/styled/stygrapA/ShapeOutline.h"

// Points nil: a temporary outline is built for the call. Shadow nil: no
// shadow. Picture nil: the face is filled with Brush. BackColor is the
// background of non-solid brushes. The outline comes back as it was given.
void PaintShape(const TRect& Rect, TCanvas* Canvas, TStyShapeType Shape, TStyPointList* Points, bool Square,
                TBrush* Brush, int RoundPercent, TStySimpleBevel* Bevel, TStyShadow* Shadow, TBitmap* Picture,
                TColor BackColor);
