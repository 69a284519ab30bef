// Where the track bar's parts lie: the drawing area, the track, the thumb
// at a value, the ticks, the paging threshold and the value under a drag.
#pragma once

#include <cstdint>
#include <optional>

#include "controls/styled/StyTypes.h"
#include "controls/styled/styextcA/TrackTypes.h"
#include "platform/vcl/Graphics.h"

// The thumb's size across the track (thickness) and along it (length).
struct TStyThumbMetrics {
  int Thickness = 0;
  int Length = 0;
  int HalfLength() const { return Length / 2; }
};

// Standard thumbs hold the two images side by side along x whatever the
// orientation, so a vertical one is as thick as half the bitmap's width.
TStyThumbMetrics StandardThumbMetrics(int BitmapWidth, int BitmapHeight, TStyOrientation Orientation);
TStyThumbMetrics CustomThumbMetrics(int BitmapWidth, int BitmapHeight);

// What the layout depends on besides the client rectangle.
struct TStyTrackSettings {
  TStyOrientation Orientation = toHorizontal;
  int Margin = 1;
  int TrackWidth = 10;
  TStyTickStyle TickStyle = tsAuto;
  TStyTickMarks TickMarks = styextcA::tmBottomRight;
  int MinValue = 0;
  int MaxValue = 10;
  TStyThumbMetrics Thumb;
};

class TStyTrackLayout {
 public:
  TStyTrackLayout(const TRect& ClientRect, const TStyTrackSettings& Settings);

  // The client rectangle inset by Margin.
  const TRect& Area() const { return FArea; }
  // The area's extent along the track: its width, or its height when vertical.
  int TrackLength() const { return FTrackLength; }
  const TRect& Track() const { return FTrack; }
  // How far from the area's start the thumb sits for Value.
  int ThumbOffset(int Value) const;
  TRect ThumbRect(int Value) const;
  // A tick's pixel for Value, counted from the area's left or top edge.
  int TickPixel(int Value) const;
  // Where the thumb stands for paging at Position, counted from the area's
  // start; the pointer it is compared with is in client coordinates.
  int PagingThreshold(int Position) const;
  // The value a drag to (X, Y) asks for, clamped to the range; none when the
  // track leaves no room to drag in.
  std::optional<int> DragValue(int X, int Y) const;

 private:
  // 64 bits: a range may span the whole integer range.
  std::int64_t Range() const { return std::int64_t{FSettings.MaxValue} - FSettings.MinValue; }
  TStyTrackSettings FSettings;
  TRect FArea;
  int FTrackLength = 0;
  TRect FTrack;
};
