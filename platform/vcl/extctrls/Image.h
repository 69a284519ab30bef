// TImage: shows a picture, at its own size in the corner or the middle, or
// stretched over the control.
#pragma once

#include <memory>

#include "platform/vcl/controls/GraphicControl.h"
#include "platform/vcl/graphics/Picture.h"

class TImage : public TGraphicControl {
  DRUMS_CLASS(TImage, TGraphicControl)

 public:
  explicit TImage(TComponent* AOwner);
  ~TImage() override;

  TPicture* GetPicture() const { return FPicture.get(); }
  void SetPicture(TPicture* value) { FPicture->Assign(value); }
  bool GetStretch() const { return FStretch; }
  void SetStretch(bool value);
  bool GetCenter() const { return FCenter; }
  void SetCenter(bool value);
  // The picture's transparent colour lets the parent show through.
  bool GetTransparent() const { return FTransparent; }
  void SetTransparent(bool value);
  // The control takes the picture's size.
  bool GetAutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  // Where the picture is drawn, in client coordinates.
  TRect DestRect();

  static void Publish(TPublisher<TImage>& p);

 protected:
  void Paint() override;

 private:
  void PictureChanged(TObject* sender);
  void FitToPicture();

  std::unique_ptr<TPicture> FPicture;
  bool FStretch = false;
  bool FCenter = false;
  bool FTransparent = false;
  bool FAutoSize = false;
};
