// TStyCustomFormFill and TStyBack: paint the owner form's client background
// by taking over its window procedure; TStyBack tiles an image-list item.
#pragma once

#include "controls/styled/stycctrl/ImageListRef.h"
#include "controls/styled/styclass/WndProcComponent.h"
#include "controls/styled/styformA/FormStyler.h"

class TStyCustomFormFill : public TStyWndProcComponent {
  DRUMS_CLASS(TStyCustomFormFill, TStyWndProcComponent)
 public:
  explicit TStyCustomFormFill(TComponent* AOwner);
  ~TStyCustomFormFill() override;

  void Activate() override;
  void Deactivate() override;
  void WndProc(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void DefineProperties(TFiler* Filer) override;

  bool GetDefaultFill() const { return FDefaultFill; }
  void SetDefaultFill(bool value) { FDefaultFill = value; }
  TStyPaintMode GetPaintMode() const { return FPaintMode; }
  void SetPaintMode(TStyPaintMode value);
  DRUMS_STY_IMAGE_LIST_ACCESSORS

  TStyPaintEvent OnPaint;

  static void Publish(TPublisher<TStyCustomFormFill>& p);

 protected:
  virtual void ImageChanged();
  // Paints the client background into the erase message's device context;
  // answers whether it did (the form's own erasing is then skipped).
  virtual bool PaintBackground(HDC DC);
  TCustomForm* Form() const;
  void InvalidateForm(bool Erase);

  TStyImageListRef FImageListRef;

 private:
  bool FDefaultFill = true;
  TStyPaintMode FPaintMode = pcControl;
};

class TStyBack : public TStyCustomFormFill {
  DRUMS_CLASS(TStyBack, TStyCustomFormFill)
 public:
  explicit TStyBack(TComponent* AOwner) : TStyCustomFormFill(AOwner) {}

 protected:
  bool PaintBackground(HDC DC) override;
};
