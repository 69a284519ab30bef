// The kit editor: the application with its title, the main window and the
// about box, the message loop until the main window closes.
#include "drumkit_editor/ProgramForms.h"
#include "drummachine/startup/ProgramEntry.h"
#include "platform/vcl/Forms.h"

int main() {
  return RunProgram(PadwerkStartup(), [] {
    Application->Initialize();
    Application->SetHelpFile("");
    Application->SetTitle(PadwerkTitle);
    StartPadwerkUnits();
    CreatePadwerkForms();
    Application->Run();
    StopPadwerkUnits();
    return 0;
  });
}
