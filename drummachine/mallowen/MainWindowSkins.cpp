// The Skins menu: the skins dialog over the window's skin unit.
#include "drummachine/mallowen/mallowen.h"
#include "drummachine/skinsdialog/skins.h"

void TfrmMain::Skins1Click(TObject*) {
  StopPlaying();
  if (frmSkins == nullptr) return;
  frmSkins->Bind(FSkins.get(), &Model, [this] { ApplyCurrentSkin(); });
  ShowSkinsDialog(*frmSkins);
}
