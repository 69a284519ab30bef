// A list of points, each packed into one slot: x in the high and y in the
// low 16 bits, both signed.
#pragma once

#include "platform/vcl/Classes.h"
#include "platform/vcl/Graphics.h"

class TStyPointList : public TList {
 public:
  TStyPointList() = default;
  // An index past the end leaves Point as it is.
  void GetPoint(int Index, TPoint& Point) const;
  // Ignored past the end.
  void PutPoint(int Index, const TPoint& Point);
  void AddPoint(const TPoint& Point);
  void AddPoint(int X, int Y) { AddPoint(TPoint(X, Y)); }
  TPoint At(int Index) const;
};

// Adds (dx, dy) to every point; nothing for a nil list.
void TranslatePoints(TStyPointList* List, int dx, int dy);
