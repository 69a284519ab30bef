// TStyLImage: a window-less image that shows one item of an image list
// inside its bevel: the drum machine's step cell.
#pragma once

#include "controls/styled/styctrlA/BaseImage.h"

class TStyCustomLImage : public TStyBaseImage {
  DRUMS_CLASS(TStyCustomLImage, TStyBaseImage)

 public:
  explicit TStyCustomLImage(TComponent* AOwner) : TStyBaseImage(AOwner) {}

  // Draws the item transparent by its own transparent colour.
  bool GetForceTransparent() const { return FForceTransparent; }
  void SetForceTransparent(bool value) { SetOption(0, value); }

  // True unless the list accepts (ListIndex, ImageIndex).
  bool IsEmpty() override;
  bool AdjustImageSize() override;
  HPALETTE GetPalette() override;

 protected:
  // Index 0 ForceTransparent, 1 SilentMove.
  void SetOption(int Index, bool value);
  bool FForceTransparent = false;
  bool FSilentMove = false;
};

class TStyLImage : public TStyCustomLImage {
  DRUMS_CLASS(TStyLImage, TStyCustomLImage)

 public:
  explicit TStyLImage(TComponent* AOwner) : TStyCustomLImage(AOwner) {}

  // Composes the image off-screen over the parent's background, so moving
  // it does not flicker.
  bool GetSilentMove() const { return FSilentMove; }
  void SetSilentMove(bool value) { SetOption(1, value); }

  bool UsesParentBackground() override;

  static void Publish(TPublisher<TStyLImage>& p);

 protected:
  void Paint() override;

 private:
  void PaintOffscreen(const TRect& Inner, std::uint16_t Flags);
};
