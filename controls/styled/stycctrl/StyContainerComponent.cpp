#include "controls/styled/stycctrl/StyContainerComponent.h"

TStyContainerComponent::TStyContainerComponent(TComponent* AOwner)
    : TStyComponent(AOwner), FImageListRef(this, [this](TObject* Sender) { ImageListChanged(Sender); }) {}

TStyContainerComponent::~TStyContainerComponent() {
  FImageListRef.Disconnect();
}

void TStyContainerComponent::ImageListChanged(TObject* /*Sender*/) {}

void TStyContainerComponent::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  FImageListRef.DefineProperties(Filer);
}

void TStyContainerComponent::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  FImageListRef.Notification(AComponent, Operation);
}
