#include "drummachine/skins/Skins.h"

#include "drummachine/skins/PictureCopy.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

std::unique_ptr<TStyBitmapList> MakeList(int count) {
  auto list = std::make_unique<TStyBitmapList>(nullptr);
  for (int i = 0; i < count; ++i) list->AddItem(nullptr);
  return list;
}

// The pictures both lists hold.
void CopyCommonPictures(TStyBitmapList* from, TStyBitmapList* to) {
  if (from) CopyListPictures(from, to, 0, std::min(from->GetCount(), to->GetCount()));
}

}  // namespace

TSkins::TSkins(std::string programFolder)
    : FProgramFolder(std::move(programFolder)),
      FSkinsBitmapList(MakeList(SkinsBitmapCount)),
      FSkinsButtonList(MakeList(SkinsButtonCount)) {}

TSkins::~TSkins() = default;

void TSkins::TakeMainPictures(TStyBitmapList* bitmapList, TStyBitmapList* buttonList) {
  CopyCommonPictures(bitmapList, FSkinsBitmapList.get());
  CopyCommonPictures(buttonList, FSkinsButtonList.get());
  // The main window shows its own backgrounds until a skin says otherwise.
  const int taken = bitmapList ? bitmapList->GetCount() : 0;
  FMainBackgroundSet = FMainBackgroundSet || taken > SkinSlotOf(skMainBMP).Index;
  FTracksBackgroundSet = FTracksBackgroundSet || taken > SkinSlotOf(skTracksBMP).Index;
  ++FRevision;
}

void TSkins::ShowBackgrounds(TStyBitmapList* windowList, bool on) const {
  const int main = SkinSlotOf(skMainBMP).Index, tracks = SkinSlotOf(skTracksBMP).Index;
  if (on) {
    CopyListPictures(FSkinsBitmapList.get(), windowList, main, 1);
    CopyListPictures(FSkinsBitmapList.get(), windowList, tracks, 1);
    return;
  }
  // Read before anything changes: a picture that cannot be read leaves
  // the window's backgrounds as they were.
  TBitmap silver;
  silver.LoadFromFile(FProgramFolder + "\\Skins\\silver.bmp");
  while (windowList->GetCount() <= std::max(main, tracks)) windowList->AddItem(nullptr);
  for (int slot : {main, tracks}) windowList->GetBitmapItem(slot)->SetBitmap(&silver);
}

std::string TSkins::SchemeFileName(const std::string& name) const {
  return FProgramFolder + "\\skins\\" + name + ".skn";
}

void TSkins::LoadSkin(const std::string& fileName) {
  TakeSkin(LoadSkinFile(fileName));
}

void TSkins::TakeSkin(const TSkin& skin) {
  // Every picture first: a background switched off keeps its slot's
  // picture and has none here.
  const std::array<std::unique_ptr<TBitmap>, SkinComboCount> pictures = ReadSkinPictures(FProgramFolder, skin);
  for (int i = 0; i < SkinComboCount; ++i) {
    if (!pictures[i]) continue;
    const TSkinSlot slot = SkinSlotOf(static_cast<TSkinCombo>(i));
    TStyBitmapList* list = slot.InButtonList ? FSkinsButtonList.get() : FSkinsBitmapList.get();
    list->GetBitmapItem(slot.Index)->SetBitmap(pictures[i].get());
  }
  FMainBackgroundSet = pictures[skMainBMP] != nullptr;
  FTracksBackgroundSet = pictures[skTracksBMP] != nullptr;
  FSkin = skin;
  ++FRevision;
}

void TSkins::SelectScheme(const std::string& name) {
  FSchemes.Select(name);
  ++FRevision;
}

void TSkins::LoadScheme(const std::string& name) {
  LoadSkin(SchemeFileName(name));
  SelectScheme(name);
}

void TSkins::StartUp(const std::string& savedScheme) {
  LoadScheme(savedScheme.empty() ? FSchemes.GetNames().front() : savedScheme);
}

bool TSkins::SaveSkin(const std::string& typedName, const TSkin& skin) {
  const std::string name = SkinNameOf(typedName);
  if (name.empty()) return false;
  SaveSkinFile(FProgramFolder + "\\Skins\\" + name + ".skn", skin, FSchemes.GetItemIndex());
  SelectScheme(name);
  return true;
}

std::array<std::unique_ptr<TBitmap>, SkinComboCount> ReadSkinPictures(const std::string& programFolder,
                                                                      const TSkin& skin) {
  std::array<std::unique_ptr<TBitmap>, SkinComboCount> pictures;
  for (int i = 0; i < SkinComboCount; ++i) {
    const std::string path = SkinPicturePath(programFolder, static_cast<TSkinCombo>(i), skin.Pictures[i]);
    if (path.empty()) continue;
    pictures[i] = std::make_unique<TBitmap>();
    pictures[i]->LoadFromFile(path);
  }
  return pictures;
}
