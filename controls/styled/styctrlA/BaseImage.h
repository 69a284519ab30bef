// TStyBaseImage: what the two image controls share: the Style that places
// the picture, QuickDraw (skip realizing the picture's palette), the
// auto-size hook and the palette of what is shown.
#pragma once

#include <cstdint>

#include "controls/styled/stycctrl.h"
#include "controls/styled/styctrlA/ImageStyle.h"

class TStyBaseImage : public TStyGraphicControl {
  DRUMS_CLASS(TStyBaseImage, TStyGraphicControl)
  DRUMS_MESSAGE_MAP(TStyBaseImage)

 public:
  explicit TStyBaseImage(TComponent* AOwner);

  bool GetQuickDraw() const { return FQuickDraw; }
  void SetQuickDraw(bool value);
  TStyBitmapStyle GetStyle() const { return FStyle; }
  void SetStyle(TStyBitmapStyle value);

  // True when it changed the control's bounds.
  virtual bool AdjustImageSize() { return false; }
  // The palette of the picture shown, or null.
  virtual HPALETTE GetPalette() { return nullptr; }
  // The flag word of Style for this control's bevel.
  std::uint16_t StyleFlags() const { return BitmapStyleFlags(FStyle, BevelExtent()); }

  static void Publish(TPublisher<TStyBaseImage>& p);
  static void Messages(TMessageMap<TStyBaseImage>& m);

 protected:
  // Unless QuickDraw: Palette realized on the canvas as a background one.
  void RealizePalette(HPALETTE Palette);
  // What both paints do first: nothing while loading or when the auto size
  // just changed the bounds (that repaints); the background when opaque
  // (unless SkipFill); the bevel. False when there is no picture to draw;
  // Inner is what the bevel leaves.
  bool PaintFrame(bool SkipFill, TRect& Inner);
  // Sets the bounds to the auto size; true when they changed.
  bool ApplyAutoSize(int PictureWidth, int PictureHeight);

 private:
  bool FQuickDraw = true;
  TStyBitmapStyle FStyle = sbNone;
};
