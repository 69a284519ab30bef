// TIcon: an icon (HICON) read from and written as .ico data, drawn through
// DrawIconEx. The loaded file is kept so that saving gives it back unchanged.
#pragma once

#include <vector>

#include "platform/vcl/graphics/Graphic.h"

class TIcon : public TGraphic {
  DRUMS_CLASS(TIcon, TGraphic)

 public:
  TIcon() = default;
  ~TIcon() override;

  void Assign(TPersistent* source) override;

  bool Empty() override { return FHandle == nullptr; }
  int GetWidth() override { return FWidth; }
  int GetHeight() override { return FHeight; }
  // An icon's size comes from its image: EInvalidGraphicOperation.
  void SetWidth(int value) override;
  void SetHeight(int value) override;
  bool GetTransparent() override { return true; }

  HICON GetHandle() const { return FHandle; }
  // Adopts the icon (it becomes this object's to destroy).
  void SetHandle(HICON value);
  // Hands the icon to the caller, who destroys it; this object becomes empty.
  HICON ReleaseHandle();

  // .ico data: the image nearest 32 x 32 (deepest colour on a tie) is used.
  void LoadFromStream(TStream* stream) override;
  void SaveToStream(TStream* stream) override;

 protected:
  void Draw(TCanvas* canvas, const TRect& rect) override;

 private:
  void Replace(HICON handle, std::vector<unsigned char> data);

  HICON FHandle = nullptr;
  std::vector<unsigned char> FData;  // the .ico file the icon came from
  int FWidth = 0;
  int FHeight = 0;
};
