// TStyNImage: a window-less image showing a bitmap of its own, or the
// bitmap of another TStyNImage it is linked to, transparent by the mode of
// its TransparentStyle.
#pragma once

#include <memory>

#include "controls/styled/styctrlA/BaseImage.h"

class TStyCustomNImage : public TStyBaseImage {
  DRUMS_CLASS(TStyCustomNImage, TStyBaseImage)

 public:
  explicit TStyCustomNImage(TComponent* AOwner);
  ~TStyCustomNImage() override;

  TBitmap* GetBitmap() const { return FBitmap.get(); }
  // Copies the bitmap (which repaints the image).
  void SetBitmap(TBitmap* value);
  TStyCustomNImage* GetControl() const { return FControl; }
  // The image itself and the current link are ignored.
  void SetControl(TStyCustomNImage* value);
  TStyTransparent* GetTransparentStyle() const { return FTransparentStyle.get(); }
  void SetTransparentStyle(TStyTransparent* value) { FTransparentStyle->Assign(value); }

  bool AdjustImageSize() override;
  bool IsEmpty() override;
  HPALETTE GetPalette() override;
  // The linked image's bitmap when linked, else the own one.
  virtual TBitmap* CurrentBitmap();

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;

 private:
  std::unique_ptr<TBitmap> FBitmap;
  TStyCustomNImage* FControl = nullptr;
  std::unique_ptr<TStyTransparent> FTransparentStyle;
};

class TStyNImage : public TStyCustomNImage {
  DRUMS_CLASS(TStyNImage, TStyCustomNImage)

 public:
  explicit TStyNImage(TComponent* AOwner) : TStyCustomNImage(AOwner) {}
  static void Publish(TPublisher<TStyNImage>& p);
};
