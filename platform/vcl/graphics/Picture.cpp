#include "platform/vcl/graphics/Picture.h"

#include <cstdint>

#include "platform/vcl/Classes.h"
#include "platform/vcl/SysUtils.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/FileFormats.h"
#include "platform/vcl/graphics/Icon.h"

namespace {

std::unique_ptr<TGraphic> NewGraphic(TGraphicClass graphicClass) {
  TObject* object = graphicClass->Create(nullptr);
  auto* graphic = dynamic_cast<TGraphic*>(object);
  if (graphic == nullptr) {
    delete object;
    throw EInvalidGraphic("Invalid graphic class");
  }
  return std::unique_ptr<TGraphic>(graphic);
}

}  // namespace

TPicture::~TPicture() = default;

void TPicture::Install(std::unique_ptr<TGraphic> graphic) {
  FGraphic = std::move(graphic);
  if (FGraphic) FGraphic->OnChange = [this](TObject* sender) { Changed(sender); };
  Changed(this);
}

void TPicture::Changed(TObject*) {
  if (OnChange) OnChange(this);
}

void TPicture::SetGraphic(TGraphic* value) {
  if (value == FGraphic.get()) return;
  if (value == nullptr) {
    Install(nullptr);
    return;
  }
  std::unique_ptr<TGraphic> copy = NewGraphic(value->ClassType());
  copy->Assign(value);
  Install(std::move(copy));
}

TBitmap* TPicture::GetBitmap() {
  if (dynamic_cast<TBitmap*>(FGraphic.get()) == nullptr) Install(std::make_unique<TBitmap>());
  return static_cast<TBitmap*>(FGraphic.get());
}

void TPicture::SetBitmap(TBitmap* value) {
  SetGraphic(value);
}

TIcon* TPicture::GetIcon() {
  if (dynamic_cast<TIcon*>(FGraphic.get()) == nullptr) Install(std::make_unique<TIcon>());
  return static_cast<TIcon*>(FGraphic.get());
}

void TPicture::SetIcon(TIcon* value) {
  SetGraphic(value);
}

int TPicture::GetWidth() const {
  return FGraphic ? FGraphic->GetWidth() : 0;
}
int TPicture::GetHeight() const {
  return FGraphic ? FGraphic->GetHeight() : 0;
}

void TPicture::Assign(TPersistent* source) {
  if (source == nullptr) {
    SetGraphic(nullptr);
  } else if (auto* picture = dynamic_cast<TPicture*>(source)) {
    SetGraphic(picture->FGraphic.get());
  } else if (auto* graphic = dynamic_cast<TGraphic*>(source)) {
    SetGraphic(graphic);
  } else {
    inherited::Assign(source);
  }
}

void TPicture::AssignTo(TPersistent* dest) {
  if (auto* graphic = dynamic_cast<TGraphic*>(dest); graphic != nullptr && FGraphic)
    graphic->Assign(FGraphic.get());
  else
    inherited::AssignTo(dest);
}

void TPicture::LoadFromFile(const std::string& fileName) {
  std::string ext = ExtractFileExt(fileName);
  if (!ext.empty() && ext[0] == '.') ext.erase(0, 1);
  TGraphicClass graphicClass = vcl::graphics::FindFileFormat(ext);
  if (graphicClass == nullptr) throw EInvalidGraphic("Unknown picture file extension (.%s)", {ext});
  std::unique_ptr<TGraphic> graphic = NewGraphic(graphicClass);
  graphic->LoadFromFile(fileName);
  Install(std::move(graphic));
}

void TPicture::SaveToFile(const std::string& fileName) {
  if (FGraphic) FGraphic->SaveToFile(fileName);
}

void TPicture::RegisterFileFormat(const std::string& extension, const std::string& description,
                                  TGraphicClass graphicClass) {
  vcl::graphics::AddFileFormat(extension, description, graphicClass);
}

void TPicture::UnregisterGraphicClass(TGraphicClass graphicClass) {
  vcl::graphics::RemoveFileFormats(graphicClass);
}

void TPicture::DefineProperties(TFiler* filer) {
  filer->DefineBinaryProperty(
      "Data", [this](TStream* s) { ReadData(s); }, [this](TStream* s) { WriteData(s); }, FGraphic != nullptr);
}

void TPicture::ReadData(TStream* stream) {
  std::uint8_t length = 0;
  stream->ReadBuffer(&length, 1);
  std::string name(length, '\0');
  if (length > 0) stream->ReadBuffer(name.data(), length);
  if (name.empty()) {
    Install(nullptr);
    return;
  }
  TGraphicClass graphicClass = vcl::graphics::FindGraphicClass(name);
  if (graphicClass == nullptr) throw EInvalidGraphic("Unknown picture class %s", {name});
  std::unique_ptr<TGraphic> graphic = NewGraphic(graphicClass);
  graphic->ReadData(stream);
  Install(std::move(graphic));
}

void TPicture::WriteData(TStream* stream) {
  std::string name = FGraphic ? FGraphic->ClassName() : std::string();
  std::uint8_t length = static_cast<std::uint8_t>(name.size());
  stream->WriteBuffer(&length, 1);
  if (length > 0) stream->WriteBuffer(name.data(), length);
  if (FGraphic) FGraphic->WriteData(stream);
}
