// TGraphic: the abstract picture that a canvas draws and a picture holds.
// A form stream stores it through the unpublished "Data" property.
#pragma once

#include <string>

#include "platform/vcl/classes/typeinfo/Event.h"
#include "platform/vcl/classes/components/Persistent.h"
#include "platform/vcl/graphics/Geometry.h"
#include "platform/win/windef.h"

class TCanvas;
class TPicture;
class TStream;

class TGraphic : public TPersistent {
  DRUMS_CLASS(TGraphic, TPersistent)

 public:
  TGraphic() = default;

  virtual bool Empty() = 0;
  virtual int GetWidth() = 0;
  virtual void SetWidth(int value) = 0;
  virtual int GetHeight() = 0;
  virtual void SetHeight(int value) = 0;
  virtual HPALETTE GetPalette() { return nullptr; }
  virtual void SetPalette(HPALETTE) {}
  virtual bool GetTransparent() { return FTransparent; }
  virtual void SetTransparent(bool value);
  bool GetModified() const { return FModified; }
  // True counts as a change (OnChange fires); false only clears the flag.
  void SetModified(bool value);
  bool GetPaletteModified() const { return FPaletteModified; }
  void SetPaletteModified(bool value) { FPaletteModified = value; }

  virtual void LoadFromStream(TStream* stream) = 0;
  virtual void SaveToStream(TStream* stream) = 0;
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName);

  TNotifyEvent OnChange;

 protected:
  virtual void Changed(TObject* sender);
  void DefineProperties(TFiler* filer) override;
  // The "Data" property's bytes: by default the graphic's own file format.
  virtual void ReadData(TStream* stream) { LoadFromStream(stream); }
  virtual void WriteData(TStream* stream) { SaveToStream(stream); }
  virtual void Draw(TCanvas* canvas, const TRect& rect) = 0;

  friend class TCanvas;
  friend class TPicture;

 private:
  bool FModified = false;
  bool FTransparent = false;
  bool FPaletteModified = false;
};

using TGraphicClass = TClass;
