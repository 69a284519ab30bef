#include "drummachine/skins/Skins.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

std::unique_ptr<TStyBitmapList> MakeList(int count) {
  auto list = std::make_unique<TStyBitmapList>(nullptr);
  for (int i = 0; i < count; ++i) list->AddItem(nullptr);
  return list;
}

void CopyPictures(TStyBitmapList* from, TStyBitmapList* to) {
  if (!from) return;
  const int count = std::min(from->GetCount(), to->GetCount());
  for (int i = 0; i < count; ++i) to->GetBitmapItem(i)->SetBitmap(from->GetBitmapItem(i)->GetBitmap());
}

}  // namespace

TSkins::TSkins(std::string programFolder)
    : FProgramFolder(std::move(programFolder)),
      FSkinsBitmapList(MakeList(SkinsBitmapCount)),
      FSkinsButtonList(MakeList(SkinsButtonCount)) {}

TSkins::~TSkins() = default;

void TSkins::TakeMainPictures(TStyBitmapList* bitmapList, TStyBitmapList* buttonList) {
  CopyPictures(bitmapList, FSkinsBitmapList.get());
  CopyPictures(buttonList, FSkinsButtonList.get());
  // The main window shows its own backgrounds until a skin says otherwise.
  const int taken = bitmapList ? bitmapList->GetCount() : 0;
  FMainBackgroundSet = FMainBackgroundSet || taken > SkinSlotOf(skMainBMP).Index;
  FTracksBackgroundSet = FTracksBackgroundSet || taken > SkinSlotOf(skTracksBMP).Index;
}

std::string TSkins::SchemeFileName(const std::string& name) const {
  return FProgramFolder + "\\skins\\" + name + ".skn";
}

void TSkins::LoadSkin(const std::string& fileName) {
  TSkin skin = LoadSkinFile(fileName);
  // Every picture first: a background switched off keeps its slot's
  // picture and has none here.
  std::array<std::unique_ptr<TBitmap>, SkinComboCount> pictures;
  for (int i = 0; i < SkinComboCount; ++i) {
    const TSkinCombo combo = static_cast<TSkinCombo>(i);
    const std::string path = SkinPicturePath(FProgramFolder, combo, skin.Pictures[i]);
    if (path.empty()) continue;
    pictures[i] = std::make_unique<TBitmap>();
    pictures[i]->LoadFromFile(path);
  }
  for (int i = 0; i < SkinComboCount; ++i) {
    if (!pictures[i]) continue;
    const TSkinSlot slot = SkinSlotOf(static_cast<TSkinCombo>(i));
    TStyBitmapList* list = slot.InButtonList ? FSkinsButtonList.get() : FSkinsBitmapList.get();
    list->GetBitmapItem(slot.Index)->SetBitmap(pictures[i].get());
  }
  FMainBackgroundSet = pictures[skMainBMP] != nullptr;
  FTracksBackgroundSet = pictures[skTracksBMP] != nullptr;
  FSkin = std::move(skin);
}

void TSkins::LoadScheme(const std::string& name) {
  LoadSkin(SchemeFileName(name));
  FSchemes.Select(name);
}

void TSkins::StartUp(const std::string& savedScheme) {
  LoadScheme(savedScheme.empty() ? FSchemes.GetNames().front() : savedScheme);
}

bool TSkins::SaveSkin(const std::string& typedName, const TSkin& skin) {
  const std::string name = SkinNameOf(typedName);
  if (name.empty()) return false;
  SaveSkinFile(FProgramFolder + "\\Skins\\" + name + ".skn", skin, FSchemes.GetItemIndex());
  FSchemes.Select(name);
  return true;
}
