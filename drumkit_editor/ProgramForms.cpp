#include "drumkit_editor/ProgramForms.h"

#include "controls/shell/UNavFrame.h"
#include "controls/shell/UNavShellControls.h"
#include "controls/shell/UNavSplitter.h"
#include "drumkit_editor/drmaboutb.h"
#include "drumkit_editor/padwerk_help.h"
#include "platform/vcl/Forms.h"

void RegisterResources_padwerk_forms();
void UnregisterResources_padwerk_forms();

TProgramStartup PadwerkStartup() {
  return {{ppClassLibrary, ppSoundClasses, ppStyled, ppShellControls},
          {{RegisterResources_padwerk_forms, UnregisterResources_padwerk_forms}}};
}

void StartPadwerkUnits() {
  InitNavSplitter();
  RegisterNavSplitterClasses();
  RegisterNavFrameClasses();
}

void StopPadwerkUnits() {
  DoneNavSplitter();
}

void CreatePadwerkForms() {
  Application->CreateForm(frmDrumEditor);
  Application->CreateForm(AboutBox);
}
