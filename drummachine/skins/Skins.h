// The skins module's state behind its dialog: the skin in force, the skin
// picture lists that Apply copies into the main window, which backgrounds
// are on, and the scheme box. A skin is taken whole or not at all: its file
// and every picture it names are read before anything here changes, so a
// skin that fails anywhere raises once and leaves the look as it was.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "controls/styled/stycont.h"
#include "drummachine/skins/SkinFile.h"
#include "drummachine/skins/SkinPicturePaths.h"
#include "drummachine/skins/SkinSchemes.h"

class TSkins {
 public:
  // programFolder: the folder whose "skins" folder holds the skins and
  // their pictures.
  explicit TSkins(std::string programFolder);
  ~TSkins();
  TSkins(const TSkins&) = delete;
  TSkins& operator=(const TSkins&) = delete;

  const TSkin& GetSkin() const { return FSkin; }
  TStyBitmapList* GetSkinsBitmapList() const { return FSkinsBitmapList.get(); }
  TStyBitmapList* GetSkinsButtonList() const { return FSkinsButtonList.get(); }
  // The background slots hold a picture; when off, Apply shows the blank.
  bool GetMainBackgroundSet() const { return FMainBackgroundSet; }
  bool GetTracksBackgroundSet() const { return FTracksBackgroundSet; }
  const TSkinSchemes& GetSchemes() const { return FSchemes; }
  // Goes up with every change of the skin, the lists or the scheme box, so
  // a view of this state knows when it is out of date.
  int GetRevision() const { return FRevision; }
  // The colour of the lit step light.
  TColor GetLedColor() const { return LedColor(FSkin.LedColorIndex); }

  // Takes the main window's pictures as the look before any skin: its
  // bitmap list's items (as many as both lists hold) and its step faces;
  // the backgrounds it brings count as set.
  void TakeMainPictures(TStyBitmapList* bitmapList, TStyBitmapList* buttonList);

  // The window's backgrounds on (the skin's pictures, as the background
  // command switches them back) or off (the plain silver picture of the
  // skins folder in both places): the pictures of windowList's main and
  // tracks background items.
  void ShowBackgrounds(TStyBitmapList* windowList, bool on) const;
  // The skin file of a scheme: programFolder + "\skins\" + name + ".skn".
  std::string SchemeFileName(const std::string& name) const;

  // Reads fileName and the pictures it names into the lists.
  void LoadSkin(const std::string& fileName);
  // Takes skin and the pictures it names into the lists.
  void TakeSkin(const TSkin& skin);
  // Selects the entry equal to name in the scheme box, or adds it.
  void SelectScheme(const std::string& name);
  // Loads the scheme's skin, then selects it in the scheme box (adding it
  // when it is new there).
  void LoadScheme(const std::string& name);
  // The start-up choice: the saved scheme, or entry 0 when none was saved.
  void StartUp(const std::string& savedScheme);

  // Saves skin as programFolder + "\Skins\" + SkinNameOf(typedName) + ".skn"
  // with the scheme box's index, then selects that name in the scheme box.
  // Returns false, writing nothing, when the typed text names no skin.
  bool SaveSkin(const std::string& typedName, const TSkin& skin);

 private:
  std::string FProgramFolder;
  TSkin FSkin;
  std::unique_ptr<TStyBitmapList> FSkinsBitmapList;
  std::unique_ptr<TStyBitmapList> FSkinsButtonList;
  bool FMainBackgroundSet = false;
  bool FTracksBackgroundSet = false;
  TSkinSchemes FSchemes;
  int FRevision = 0;
};

// The picture files a skin names, read: one per combo, none for a
// background switched off. Raises when any of them cannot be read.
std::array<std::unique_ptr<TBitmap>, SkinComboCount> ReadSkinPictures(const std::string& programFolder,
                                                                      const TSkin& skin);
