// TPicture: holds one graphic of any registered class and picks the class
// by file extension when loading.
#pragma once

#include <memory>
#include <string>

#include "platform/vcl/graphics/Graphic.h"

class TBitmap;
class TIcon;

class TPicture : public TPersistent {
  DRUMS_CLASS(TPicture, TPersistent)

 public:
  TPicture() = default;
  ~TPicture() override;

  void Assign(TPersistent* source) override;

  TGraphic* GetGraphic() const { return FGraphic.get(); }
  // Holds a copy of value (of value's class); null empties the picture.
  void SetGraphic(TGraphic* value);
  // The graphic as a bitmap; another kind of graphic is replaced by an empty one.
  TBitmap* GetBitmap();
  void SetBitmap(TBitmap* value);
  TIcon* GetIcon();
  void SetIcon(TIcon* value);
  int GetWidth() const;
  int GetHeight() const;

  // EInvalidGraphic "Unknown picture file extension (.%s)" for an extension
  // no class is registered for.
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName);

  static void RegisterFileFormat(const std::string& extension, const std::string& description,
                                 TGraphicClass graphicClass);
  static void UnregisterGraphicClass(TGraphicClass graphicClass);

  TNotifyEvent OnChange;

 protected:
  void AssignTo(TPersistent* dest) override;
  // "Data": the graphic's class name as a short string, then its own data.
  void DefineProperties(TFiler* filer) override;
  virtual void Changed(TObject* sender);

 private:
  void Install(std::unique_ptr<TGraphic> graphic);
  void ReadData(TStream* stream);
  void WriteData(TStream* stream);

  std::unique_ptr<TGraphic> FGraphic;
};
