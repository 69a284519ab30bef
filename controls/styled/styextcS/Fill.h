// TStyFill: a window-less control painting a fill (brush, bitmap, picture of
// an image list, gradient) inside its bevel, with an optional caption: the
// drum machine's skin backgrounds.
#pragma once

#include <memory>

#include "controls/styled/stycctrl.h"
#include "controls/styled/stygraph.h"

class TStyFill : public TStyGraphicControl {
  DRUMS_CLASS(TStyFill, TStyGraphicControl)
  DRUMS_MESSAGE_MAP(TStyFill)

 public:
  explicit TStyFill(TComponent* AOwner);
  ~TStyFill() override;

  TStyCaption* GetCaption() const { return FCaption.get(); }
  void SetCaption(TStyCaption* value) { FCaption->Assign(value); }
  TStyFillObject* GetFillObject() const { return FFillObject.get(); }
  void SetFillObject(TStyFillObject* value) { FFillObject->Assign(value); }
  HPALETTE GetPalette() const { return FFillObject->GetPalette(); }

  using TStyGraphicControl::Changed;
  // A change of the fill decides whether the control is transparent.
  void Changed(TObject* Sender) override;
  // No fill, no bevel and no caption text.
  bool IsEmpty() override;
  // Copies the list's item into the fill's picture.
  void ImageListChanged(TObject* Sender) override;

  static void Publish(TPublisher<TStyFill>& p);
  static void Messages(TMessageMap<TStyFill>& m);

 protected:
  void Paint() override;

 private:
  std::unique_ptr<TStyCaption> FCaption;
  std::unique_ptr<TStyFillObject> FFillObject;
};
