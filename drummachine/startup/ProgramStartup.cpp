#include "drummachine/startup/ProgramStartup.h"

#include <iterator>

#include "controls/bmp/BmpCtrls.h"
#include "controls/shell/UNavShell95.h"
#include "controls/shell/UNavShellControls.h"
#include "controls/shell/UNavShellUtils.h"
#include "controls/styled/stycompo.h"
#include "platform/vcl/Forms.h"
#include "sound/DsSounds.h"

namespace {

// The shell browser controls: COM, the shell's allocator and the device
// changes, then OLE and the shell's clipboard format for drag and drop.
void InitShellControls() {
  InitNavShell95();
  InitNavShellUtils();
  InitNavShellControls();
}

void DoneShellControls() {
  DoneNavShellControls();
  DoneNavShellUtils();
  DoneNavShell95();
}

struct TPartStep {
  TProgramPart Part;
  void (*Start)();
  void (*Done)();
};

// The one order of the libraries' start-up; shutdown walks it backwards.
constexpr TPartStep kPartOrder[] = {
    {ppClassLibrary, InitApplication, DoneApplication},      {ppSoundClasses, InitSoundClasses, DoneSoundClasses},
    {ppStyled, InitStyApplication, DoneStyApplication},      {ppBmpCtrls, InitBmpCtrls, DoneBmpCtrls},
    {ppShellControls, InitShellControls, DoneShellControls},
};

// What one StartProgram started, for its StopProgram.
struct TStarted {
  TProgramParts Parts;
  std::vector<TProgramResources> Resources;
};

std::vector<TStarted> startedPrograms;

void Stop(const TStarted& started) {
  for (auto step = std::rbegin(kPartOrder); step != std::rend(kPartOrder); ++step)
    if (started.Parts.Contains(step->Part)) step->Done();
  for (auto module = started.Resources.rbegin(); module != started.Resources.rend(); ++module) module->Unregister();
}

}  // namespace

void StartProgram(const TProgramStartup& startup) {
  TStarted started;
  try {
    for (const TProgramResources& module : startup.Resources) {
      module.Register();
      started.Resources.push_back(module);
    }
    for (const TPartStep& step : kPartOrder)
      if (startup.Parts.Contains(step.Part)) {
        step.Start();
        started.Parts.Include(step.Part);
      }
  } catch (...) {
    Stop(started);
    throw;
  }
  startedPrograms.push_back(started);
}

void StopProgram() {
  if (startedPrograms.empty()) return;
  const TStarted started = startedPrograms.back();
  startedPrograms.pop_back();
  Stop(started);
}
