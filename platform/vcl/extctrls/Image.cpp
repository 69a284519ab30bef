#include "platform/vcl/extctrls/Image.h"

#include "platform/vcl/graphics/Graphic.h"
#include "platform/win/windows.h"

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), FPicture(std::make_unique<TPicture>()) {
  FControlStyle.Include(csReplicatable);
  FWidth = 105;
  FHeight = 105;
  FPicture->OnChange = [this](TObject* sender) { PictureChanged(sender); };
}

TImage::~TImage() {
  FPicture->OnChange = nullptr;
}

void TImage::Publish(TPublisher<TImage>& p) {
  p.Prop("AutoSize", &TImage::GetAutoSize, &TImage::SetAutoSize).Default(false);
  p.Prop("Center", &TImage::GetCenter, &TImage::SetCenter).Default(false);
  p.Prop("Picture", &TImage::GetPicture, &TImage::SetPicture);
  p.Prop("Stretch", &TImage::GetStretch, &TImage::SetStretch).Default(false);
  p.Prop("Transparent", &TImage::GetTransparent, &TImage::SetTransparent).Default(false);
}

void TImage::SetStretch(bool value) {
  if (FStretch == value) return;
  FStretch = value;
  Invalidate();
}

void TImage::SetCenter(bool value) {
  if (FCenter == value) return;
  FCenter = value;
  Invalidate();
}

void TImage::SetTransparent(bool value) {
  if (FTransparent == value) return;
  FTransparent = value;
  // Nothing covers the parent where the picture is transparent.
  if (value)
    FControlStyle.Exclude(csOpaque);
  else if (FPicture->GetGraphic() && !FStretch)
    FControlStyle.Include(csOpaque);
  if (TGraphic* graphic = FPicture->GetGraphic()) graphic->SetTransparent(value);
  Invalidate();
}

void TImage::SetAutoSize(bool value) {
  if (FAutoSize == value) return;
  FAutoSize = value;
  FitToPicture();
}

void TImage::FitToPicture() {
  if (FAutoSize && FPicture->GetWidth() > 0 && FPicture->GetHeight() > 0)
    SetBounds(GetLeft(), GetTop(), FPicture->GetWidth(), FPicture->GetHeight());
}

void TImage::PictureChanged(TObject*) {
  if (TGraphic* graphic = FPicture->GetGraphic())
    if (graphic->GetTransparent() != FTransparent) graphic->SetTransparent(FTransparent);
  FitToPicture();
  Invalidate();
}

TRect TImage::DestRect() {
  int pw = FPicture->GetWidth(), ph = FPicture->GetHeight();
  int cw = GetWidth(), ch = GetHeight();
  if (FStretch) return TRect(0, 0, cw, ch);
  if (FCenter) {
    int x = (cw - pw) / 2, y = (ch - ph) / 2;
    return TRect(x, y, x + pw, y + ph);
  }
  return TRect(0, 0, pw, ph);
}

void TImage::Paint() {
  TGraphic* graphic = FPicture->GetGraphic();
  if (graphic == nullptr || graphic->Empty()) return;
  TRect dest = DestRect();
  if (FStretch)
    GetCanvas()->StretchDraw(dest, graphic);
  else
    GetCanvas()->Draw(dest.Left, dest.Top, graphic);
}
