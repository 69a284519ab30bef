// The outline of a shape as a point list: first the outer points (where the
// shadow lies and where the shape is hit), then as many inner points (the
// face). Ellipses and rectangles store the two corners of their box; the
// rounded rectangle adds its corner size as a third entry in each half.
#pragma once

#include "controls/styled/stygrapA/PointList.h"
#include "controls/styled/stygrapA/Shape.h"

// The values the builder and the painter derive alike from the target
// rectangle and the shape's parts; the box is in target coordinates at the
// shadow's place (the face lies at the box moved by (-d, -d)).
struct TStyShapeGeometry {
  int d = 0;  // shadow depth, 0 without a visible shadow
  int bw = 1;  // bevel width
  int r = 0;  // inset of the inner outline on the top and left sides
  int s = 0;  // inset on the right and bottom sides
  int c = 0;  // corner size of the rounded rectangle
  int h2 = 0;  // half of it
  int L = 0, T = 0, R = 0, B = 0;
  int mx = 0, my = 0;
  int q = 0, q2 = 0, p = 0, p2 = 0;  // comb and octagon steps (q2 = q', p2 = p')
  int X(int k) const;  // star: L + round((R - L) k / 100)
  int Y(int k) const;  // star: T + round((B - T) k / 100)
};

TStyShapeGeometry ShapeGeometry(const TRect& Rect, TStyShapeType Shape, TStyShadow* Shadow, TStySimpleBevel* Bevel,
                                int RoundPercent, bool Square);

// The same values read back from an outline in its present place: the box
// is the outer points' bounding box, the corner size the stored one (d is
// left 0).
TStyShapeGeometry OutlineGeometry(const TStyPointList& Points, TStyShapeType Shape, int BevelWidth);

// Clears Points and fills it. A nil shadow means none, a nil bevel width 1.
void BuildShapeOutline(const TRect& Rect, TStyShapeType Shape, TStyPointList* Points, TStyShadow* Shadow,
                       TStySimpleBevel* Bevel, int RoundPercent, bool Square);

// The rounded rectangle's corner-size entries (2 and 5).
bool IsCornerEntry(TStyShapeType Shape, int Index);
// Moves the outline's points by (dx, dy); corner sizes stay as they are.
void MoveOutline(TStyPointList* Points, TStyShapeType Shape, int dx, int dy);
