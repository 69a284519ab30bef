// TStyContainerComponent: a non-visual library component with an
// image-list reference (the dialogs build on it).
#pragma once

#include "controls/styled/stycctrl/ImageListRef.h"

class TStyContainerComponent : public TStyComponent {
  DRUMS_CLASS(TStyContainerComponent, TStyComponent)

 public:
  explicit TStyContainerComponent(TComponent* AOwner);
  ~TStyContainerComponent() override;

  DRUMS_STY_IMAGE_LIST_ACCESSORS

  // Nothing here; descendants react to their pictures changing.
  virtual void ImageListChanged(TObject* Sender);

 protected:
  void DefineProperties(TFiler* Filer) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  TStyImageListRef FImageListRef;

 private:
  static void Publish(TPublisher<TStyContainerComponent>& p) { PublishImageListRef(p); }
};
