// The drum machine: the application with its title, the main window and its
// dialogs, the message loop until the main window closes.
#include "drummachine/mallowen/ProgramForms.h"
#include "drummachine/startup/ProgramEntry.h"
#include "platform/vcl/Forms.h"

int main() {
  return RunProgram(MallowenStartup(), [] {
    Application->Initialize();
    Application->SetTitle(MallowenTitle);
    CreateMallowenForms();
    Application->Run();
    return 0;
  });
}
