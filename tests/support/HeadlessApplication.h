// Starting and stopping the class library's application between tests: the
// same steps, in the same order, for every area whose tests drive forms.
#pragma once

#include <string>

#include "drummachine/startup/ProgramStartup.h"
#include "platform/host/host.h"

namespace testsupport {

// The clock under the test's hand (at 1,000 s), a headless screen with a
// taskbar's height taken from the work area, then the program's start-up
// (StartProgram) with the parts and resources the test asks for, and the
// application object's window made and titled.
void StartApplication(const std::string& title, const TProgramStartup& startup = {{ppClassLibrary}, {}},
                      host::Rect screen = {0, 0, 1280, 1024}, host::Rect workArea = {0, 0, 1280, 984});

// The reverse: message-box answers forgotten, the program's shutdown
// (StopProgram), whatever it left in the queue dropped, the real clock back.
void StopApplication();

// Where a test writes its pictures: the folder the given environment variable
// names, else a folder of this process's own removed when it ends.
std::string PictureFolder(const char* environmentVariable);

}  // namespace testsupport
