// The grids' vocabulary: options, cell coordinates and rectangles, the draw
// state of a cell and the grids' events.
#pragma once

#include <string>

#include "platform/vcl/classes/typeinfo/Event.h"
#include "platform/vcl/classes/typeinfo/Published.h"
#include "platform/vcl/classes/typeinfo/Set.h"
#include "platform/vcl/graphics/Geometry.h"
#include "platform/vcl/stdctrls/StdCtrlsTypes.h"  // TScrollStyle

// Sizing and moving rows or columns by mouse are kept as names so that forms
// naming them read, but the grid does not offer them.
enum TGridOption {
  goFixedVertLine,
  goFixedHorzLine,
  goVertLine,
  goHorzLine,
  goRangeSelect,
  goDrawFocusSelected,
  goRowSizing,
  goColSizing,
  goRowMoving,
  goColMoving,
  goEditing,
  goTabs,
  goRowSelect,
  goAlwaysShowEditor,
  goThumbTracking
};
DRUMS_ENUM_NAMES(TGridOption, "goFixedVertLine", "goFixedHorzLine", "goVertLine", "goHorzLine", "goRangeSelect",
                 "goDrawFocusSelected", "goRowSizing", "goColSizing", "goRowMoving", "goColMoving", "goEditing",
                 "goTabs", "goRowSelect", "goAlwaysShowEditor", "goThumbTracking")
using TGridOptions = TSet<TGridOption>;

enum TGridDrawStateItem { gdSelected, gdFocused, gdFixed };
DRUMS_ENUM_NAMES(TGridDrawStateItem, "gdSelected", "gdFocused", "gdFixed")
using TGridDrawState = TSet<TGridDrawStateItem>;

struct TGridCoord {
  int X = 0;
  int Y = 0;
  friend constexpr bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

// A block of cells, both corners included.
struct TGridRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  TGridCoord TopLeft() const { return {Left, Top}; }
  TGridCoord BottomRight() const { return {Right, Bottom}; }
  bool Contains(int col, int row) const { return col >= Left && col <= Right && row >= Top && row <= Bottom; }
  friend constexpr bool operator==(const TGridRect&, const TGridRect&) = default;
};

inline TGridRect GridRect(int left, int top, int right, int bottom) {
  return {left, top, right, bottom};
}

class TObject;

using TSelectCellEvent = TEvent<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TDrawCellEvent = TEvent<void(TObject* Sender, int ACol, int ARow, TRect Rect, TGridDrawState State)>;
using TGetEditEvent = TEvent<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TSetEditEvent = TEvent<void(TObject* Sender, int ACol, int ARow, const std::string& Value)>;
