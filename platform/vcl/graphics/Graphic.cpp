#include "platform/vcl/graphics/Graphic.h"

#include "platform/vcl/Classes.h"

void TGraphic::SetTransparent(bool value) {
  if (value == FTransparent) return;
  FTransparent = value;
  Changed(this);
}

void TGraphic::SetModified(bool value) {
  if (value)
    Changed(this);
  else
    FModified = false;
}

void TGraphic::Changed(TObject*) {
  FModified = true;
  if (OnChange) OnChange(this);
}

void TGraphic::DefineProperties(TFiler* filer) {
  filer->DefineBinaryProperty(
      "Data", [this](TStream* s) { ReadData(s); }, [this](TStream* s) { WriteData(s); }, !Empty());
}

void TGraphic::LoadFromFile(const std::string& fileName) {
  TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&stream);
}

void TGraphic::SaveToFile(const std::string& fileName) {
  TFileStream stream(fileName, fmCreate);
  SaveToStream(&stream);
}
