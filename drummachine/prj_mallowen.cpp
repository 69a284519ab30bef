// The drum machine: the application with its title, the main window, the
// message loop until the main window closes.
#include "drummachine/mallowen/mallowen.h"
#include "drummachine/startup/ProgramEntry.h"

void RegisterResources_mallowen_forms();
void UnregisterResources_mallowen_forms();

int main() {
  return RunProgram({kAllProgramParts, {{RegisterResources_mallowen_forms, UnregisterResources_mallowen_forms}}}, [] {
    Application->Initialize();
    Application->SetTitle("Brenkavar Tambrel");
    Application->CreateForm(frmMain);
    Application->Run();
    return 0;
  });
}
