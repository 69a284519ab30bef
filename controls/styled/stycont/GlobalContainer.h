// The container of one list of each kind, and the library's global one.
#pragma once

#include "controls/styled/stycont/ImageStrip.h"
#include "controls/styled/stycont/Lists.h"

class TStyContainer : public TStyBaseContainer {
  DRUMS_CLASS(TStyContainer, TStyBaseContainer)
 public:
  explicit TStyContainer(TComponent* AOwner);
  ~TStyContainer() override;
  // At design time a change of one of this container's lists is copied to
  // the global container's list of the same kind.
  void GetChange(TObject* Sender) override;

  TStyBitmapList* GetBitmapList() const { return FBitmapList; }
  TStyImageList* GetImageList() const { return FImageList; }
  TStyStringList* GetStringList() const { return FStringList; }
  TStyWaveList* GetWaveList() const { return FWaveList; }

 private:
  TStyBitmapList* FBitmapList;
  TStyImageList* FImageList;
  TStyStringList* FStringList;
  TStyWaveList* FWaveList;
};

// The library's own container; made by InitStyContainer, freed by
// DoneStyContainer (InitStyApplication and DoneStyApplication call them).
extern TStyContainer* StyContainer;
void InitStyContainer();
void DoneStyContainer();
// Makes the containers and their item classes known to the form reader.
void RegisterStyContainerClasses();
