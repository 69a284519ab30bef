// Starting and stopping the class library's application between tests: the
// same steps, in the same order, for every area whose tests drive forms.
#pragma once

#include <string>

#include "platform/host/host.h"

namespace testsupport {

// The clock under the test's hand (at 1,000 s), a headless screen with a
// taskbar's height taken from the work area, the controls and the
// application started, the colour names known to form streaming.
void StartApplication(const std::string& title, host::Rect screen = {0, 0, 1280, 1024},
                      host::Rect workArea = {0, 0, 1280, 984});

// The reverse: message-box answers forgotten, application and controls shut
// down, whatever they left in the queue dropped, the real clock back.
void StopApplication();

// Where a test writes its pictures: the folder the given environment variable
// names, else a folder of this process's own removed when it ends.
std::string PictureFolder(const char* environmentVariable);

}  // namespace testsupport
