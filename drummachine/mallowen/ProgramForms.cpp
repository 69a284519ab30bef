#include "drummachine/mallowen/ProgramForms.h"

#include "drummachine/dialogs/aboutb.h"
#include "drummachine/dialogs/bday.h"
#include "drummachine/dialogs/beatinfo.h"
#include "drummachine/dialogs/filenew.h"
#include "drummachine/dialogs/generate.h"
#include "drummachine/filedialogs/OpenD2.h"
#include "drummachine/filedialogs/OpenWaveD.h"
#include "drummachine/filedialogs/Openkit.h"
#include "drummachine/filedialogs/SaveD.h"
#include "drummachine/filedialogs/SaveDrumKit.h"
#include "drummachine/filedialogs/midioptions.h"
#include "drummachine/mallowen/mallowen.h"
#include "drummachine/skinsdialog/skins.h"
#include "platform/vcl/Forms.h"

void RegisterResources_mallowen_forms();
void UnregisterResources_mallowen_forms();
void RegisterResources_dialogs_forms();
void UnregisterResources_dialogs_forms();
void RegisterResources_filedialogs_forms();
void UnregisterResources_filedialogs_forms();
void RegisterResources_skinsdialog_forms();
void UnregisterResources_skinsdialog_forms();
void RegisterResources_tips();
void UnregisterResources_tips();

TProgramStartup MallowenStartup() {
  return {kAllProgramParts,
          {{RegisterResources_mallowen_forms, UnregisterResources_mallowen_forms},
           {RegisterResources_dialogs_forms, UnregisterResources_dialogs_forms},
           {RegisterResources_filedialogs_forms, UnregisterResources_filedialogs_forms},
           {RegisterResources_skinsdialog_forms, UnregisterResources_skinsdialog_forms},
           {RegisterResources_tips, UnregisterResources_tips}}};
}

void CreateMallowenForms() {
  Application->CreateForm(frmMain);
  Application->CreateForm(frmBeat);
  Application->CreateForm(frmNewFile);
  Application->CreateForm(frmDialogOpen);
  Application->CreateForm(frmDialogSave);
  Application->CreateForm(frmWaveOpen);
  Application->CreateForm(frmSaveKit);
  Application->CreateForm(frmOpenKit);
  Application->CreateForm(AboutBox);
  Application->CreateForm(frmMidiOptions);
  Application->CreateForm(frmBday);
  Application->CreateForm(frmGenerate);
  Application->CreateForm(frmSkins);
}
