#include "controls/styled/stycctrl/ImageListRef.h"

TStyImageListRef::TStyImageListRef(TComponent* Owner, TNotifyEvent Changed)
    : FOwner(Owner), FChanged(std::move(Changed)), FLink(std::make_unique<TStyChangeLink>()) {
  FLink->OnChange = [this](TObject* Sender) {
    if (FChanged) FChanged(Sender);
  };
}

TStyImageListRef::~TStyImageListRef() {
  FLink->OnChange = nullptr;
}

void TStyImageListRef::SetImageList(TStyCustomImageList* value) {
  // The link's own sender, not FImageList: a list being destroyed has
  // already let its links go by the time its free notification arrives.
  if (TStyBaseContainer* sender = FLink->GetSender()) sender->UnRegisterChanges(FLink.get());
  // The old list keeps telling the owner when it goes: another reference of
  // the same owner may still hold it (a shape button's glyph and fill lists),
  // and a notice about a list no longer held is ignored.
  FImageList = value;
  if (FImageList) {
    FImageList->RegisterChanges(FLink.get());
    FImageList->FreeNotification(FOwner);
  }
  if (FChanged) FChanged(nullptr);
}

void TStyImageListRef::SetIndex(int Index, int value) {
  int& field = Index == 0 ? FImageIndex : FListIndex;
  if (value < 0 || value == field) return;
  field = value;
  if (FImageList && FChanged) FChanged(nullptr);
}

bool TStyImageListRef::ImageListEmpty() const {
  return FImageList == nullptr || !FImageList->IsValidIndex(FListIndex, FImageIndex);
}

void TStyImageListRef::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent != nullptr && AComponent == FImageList) SetImageList(nullptr);
}

bool TStyImageListRef::IsImageListStored() const {
  return FImageList != nullptr && !IsGlobalList(FImageList);
}

void TStyImageListRef::DefineProperties(TFiler* Filer) {
  DefineGlobalListRef(Filer, "Internal", FImageList, [this](TStyCustomImageList* list) { SetImageList(list); });
}
