// Where a dialog goes (relative to the screen, the work area, the main form
// or the active form) and its "explode" opening effects: dotted rectangles
// drawn on the screen that zoom from the mouse cursor to the dialog's frame.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/vcl/Forms.h"

enum TStyDlgPosRel : std::uint8_t { brScreen, brScreenWorkArea, brMainForm, brActiveWindow };
DRUMS_ENUM_NAMES(TStyDlgPosRel, "brScreen", "brScreenWorkArea", "brMainForm", "brActiveWindow")
enum TStyDlgPosition : std::uint8_t {
  bpCustom,
  bpTopLeft,
  bpTopCenter,
  bpTopRight,
  bpCenterLeft,
  bpCenter,
  bpCenterRight,
  bpBottomLeft,
  bpBottomCenter,
  bpBottomRight
};
DRUMS_ENUM_NAMES(TStyDlgPosition, "bpCustom", "bpTopLeft", "bpTopCenter", "bpTopRight", "bpCenterLeft", "bpCenter",
                 "bpCenterRight", "bpBottomLeft", "bpBottomCenter", "bpBottomRight")
enum TStyDlgEffect : std::uint8_t { deNone, deExplode, deExplodeExt };
DRUMS_ENUM_NAMES(TStyDlgEffect, "deNone", "deExplode", "deExplodeExt")

void GetPlacementRect(TStyDlgPosRel Relation, TRect& Rect);
// Moves the window (size unchanged), kept on the screen.
void PlaceWindow(HWND Wnd, const TRect& Reference, TStyDlgPosition Position);

// One explode animation, frame by frame: each frame is a focus rectangle
// drawn on the screen; the second half draws the first half again, which
// erases it.
class TStyExplodeAnimation {
 public:
  // StartX below 0 starts at the mouse cursor; fewer than 4 steps become 40.
  TStyExplodeAnimation(TStyDlgEffect Effect, const TRect& Target, int StartX, int StartY, int Steps);
  int FrameCount() const { return static_cast<int>(FFrames.size()) * 2; }
  int Position() const { return FNext; }
  const TRect& Frame(int index) const { return FFrames[static_cast<size_t>(index) % FFrames.size()]; }
  // Draws the next frame on the screen; false when none is left.
  bool Step();

 private:
  std::vector<TRect> FFrames;
  int FNext = 0;
};

// The pause before each frame, on the platform's clock.
void ExplodePause(int Delay);
// Both play the whole effect with the application's explode delay; a null
// form does nothing.
void ExplodeWindow(TCustomForm* Form);
void ExplodeWindowExt(TCustomForm* Form);
