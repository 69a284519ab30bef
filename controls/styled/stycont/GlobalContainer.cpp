#include "controls/styled/stycont/GlobalContainer.h"

TStyContainer* StyContainer = nullptr;

TStyContainer::TStyContainer(TComponent* AOwner)
    : TStyBaseContainer(AOwner),
      FBitmapList(new TStyBitmapList(this)),
      FImageList(new TStyImageList(this)),
      FStringList(new TStyStringList(this)),
      FWaveList(new TStyWaveList(this)) {
  for (TStyCustomContainer* list :
       {static_cast<TStyCustomContainer*>(FBitmapList), static_cast<TStyCustomContainer*>(FImageList),
        static_cast<TStyCustomContainer*>(FStringList), static_cast<TStyCustomContainer*>(FWaveList)})
    list->OnChange = [this](TObject* Sender) { GetChange(Sender); };
}

TStyContainer::~TStyContainer() {
  TStyCustomContainer* lists[] = {FBitmapList, FImageList, FStringList, FWaveList};
  for (TStyCustomContainer* list : lists) list->OnChange = nullptr;
  for (TStyCustomContainer* list : lists) delete list;
}

void TStyContainer::GetChange(TObject* Sender) {
  if (GetComponentState().Contains(csDesigning) && this != StyContainer && StyContainer) {
    if (Sender == FBitmapList)
      StyContainer->FBitmapList->Assign(FBitmapList);
    else if (Sender == FImageList)
      StyContainer->FImageList->Assign(FImageList);
    else if (Sender == FStringList)
      StyContainer->FStringList->Assign(FStringList);
    else if (Sender == FWaveList)
      StyContainer->FWaveList->Assign(FWaveList);
  }
  inherited::GetChange(Sender);
}

void InitStyContainer() {
  if (!StyContainer) StyContainer = new TStyContainer(nullptr);
}

void DoneStyContainer() {
  delete StyContainer;
  StyContainer = nullptr;
}

void RegisterStyContainerClasses() {
  for (TClass c : {TStyBitmapList::StaticClass(), TStyImageList::StaticClass(), TStyStringList::StaticClass(),
                   TStyWaveList::StaticClass(), TStyBitmapListItem::StaticClass(), TStyImageListItem::StaticClass(),
                   TStyStringListItem::StaticClass(), TStyWaveListItem::StaticClass(), TStyContainer::StaticClass()})
    RegisterClass(c);
}
