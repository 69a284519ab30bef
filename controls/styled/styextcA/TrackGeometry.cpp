#include "controls/styled/styextcA/TrackGeometry.h"

#include <cstdint>

#include "platform/vcl/SysUtils.h"

TStyThumbMetrics StandardThumbMetrics(int BitmapWidth, int BitmapHeight, TStyOrientation Orientation) {
  if (Orientation == toHorizontal) return {BitmapHeight, BitmapWidth / 2};
  return {BitmapWidth / 2, BitmapHeight};
}

TStyThumbMetrics CustomThumbMetrics(int BitmapWidth, int BitmapHeight) {
  return {BitmapHeight, BitmapWidth / 2};
}

TStyTrackLayout::TStyTrackLayout(const TRect& ClientRect, const TStyTrackSettings& Settings) : FSettings(Settings) {
  const int m = Settings.Margin;
  FArea = TRect(ClientRect.Left + m, ClientRect.Top + m, ClientRect.Right - m, ClientRect.Bottom - m);
  const int tw = Settings.TrackWidth;
  const int half = Settings.Thumb.HalfLength();
  const bool nearEdge = Settings.TickStyle == tsNone || Settings.TickMarks == styextcA::tmBottomRight;
  if (Settings.Orientation == toHorizontal) {
    FTrackLength = FArea.Width();
    int top;
    if (nearEdge)
      top = FArea.Top + tw / 2 + 1;
    else if (Settings.TickMarks == styextcA::tmTopLeft)
      top = FArea.Bottom - tw - tw / 2;
    else
      top = FArea.Top + (FArea.Height() - tw) / 2;
    FTrack = Bounds(FArea.Left + half, top, FArea.Width() - 2 * half, tw);
  } else {
    FTrackLength = FArea.Height();
    int left;
    if (nearEdge)
      left = FArea.Left + tw / 2;
    else if (Settings.TickMarks == styextcA::tmTopLeft)
      left = FArea.Right - tw - tw / 2;
    else
      left = FArea.Left + (FArea.Width() - tw) / 2;
    FTrack = Bounds(left, FArea.Top + half, tw, FArea.Height() - 2 * half);
  }
}

int TStyTrackLayout::ThumbOffset(int Value) const {
  const std::int64_t room = FTrackLength - FSettings.Thumb.Length;
  return static_cast<int>(room * (static_cast<std::int64_t>(Value) - FSettings.MinValue) / Range());
}

TRect TStyTrackLayout::ThumbRect(int Value) const {
  const int offset = ThumbOffset(Value);
  const TStyThumbMetrics& t = FSettings.Thumb;
  const int across = (t.Thickness - FSettings.TrackWidth) / 2;
  if (FSettings.Orientation == toHorizontal)
    return Bounds(FArea.Left + offset, FTrack.Top - across, t.Length, t.Thickness);
  return Bounds(FTrack.Left - across, FArea.Top + FTrackLength - offset - t.Length, t.Thickness, t.Length);
}

int TStyTrackLayout::TickPixel(int Value) const {
  const double room = FTrackLength - FSettings.Thumb.Length;
  const double share = (static_cast<double>(Value) - FSettings.MinValue) * room / Range();
  const int start = FSettings.Orientation == toHorizontal ? FArea.Left : FArea.Top;
  return start + static_cast<int>(Round(share)) + FSettings.Thumb.HalfLength();
}

int TStyTrackLayout::PagingThreshold(int Position) const {
  const double k = FSettings.Orientation == toHorizontal ? static_cast<double>(Position) - FSettings.MinValue
                                                         : static_cast<double>(FSettings.MaxValue) - Position;
  const double step = static_cast<double>(FTrackLength - FSettings.Thumb.Length) / Range();
  return static_cast<int>(Trunc(step * k));
}

std::optional<int> TStyTrackLayout::DragValue(int X, int Y) const {
  const int half = FSettings.Thumb.HalfLength();
  const double d = FTrackLength - half;
  // A bar no longer than half its thumb leaves nothing to drag along.
  if (d == 0) return std::nullopt;
  const double f = FSettings.Orientation == toHorizontal ? (X - half) / d : (d - Y) / d;
  const double value = f * Range() + FSettings.MinValue;
  if (value <= FSettings.MinValue) return FSettings.MinValue;
  if (value >= FSettings.MaxValue) return FSettings.MaxValue;
  return static_cast<int>(Round(value));
}
