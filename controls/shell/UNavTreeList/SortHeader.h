// The owner-drawn header item of a list view in details view: the caption and,
// for the column the list is sorted by, an arrow pointing up (ascending) or
// down (descending) placed by the display mode.
#pragma once

#include <string>

#include "platform/vcl/Controls.h"
#include "platform/vcl/Graphics.h"

enum TNavLvHeaderSortDisplayMode { navlvNone, navlvLeftAlign, navlvRightOfText, navlvRightAlign };
DRUMS_ENUM_NAMES(TNavLvHeaderSortDisplayMode, "navlvNone", "navlvLeftAlign", "navlvRightOfText", "navlvRightAlign")

namespace navtreelist {

// The arrow's box for a text rectangle: a square-ish box as high as about
// half the text rectangle's middle line, at its left edge.
TRect ArrowRect(const TRect& text);

// What one header item shows.
struct THeaderItem {
  TRect Rect;
  std::string Caption;
  TAlignment Alignment = taLeftJustify;
  bool SortColumn = false;
  // 1 ascending, anything else descending.
  int Direction = 1;
};

// Draws the item on canvas (its font already set).
void DrawHeaderItem(TCanvas& canvas, const THeaderItem& item, TNavLvHeaderSortDisplayMode mode);

// Draws the arrow into r.
void DrawSortArrow(TCanvas& canvas, const TRect& r, bool ascending);

}  // namespace navtreelist
