// The entry of a program: what its main() calls, so that every program
// starts and ends the same way.
//   int main() { return RunProgram({kAllProgramParts, {}}, [] { ... return 0; }); }
#pragma once

#include <functional>

#include "drummachine/startup/ProgramStartup.h"

// Makes the host (the back end DRUMS_HOST chooses) before anything else
// stands on it, starts the program's parts (StartProgram), runs `body`, stops
// the parts (StopProgram) and ends the host (its exit screenshots are taken
// then). The parts are stopped and the host ended also when `body` throws; an
// exception that reaches here is written to standard error and the program
// ends with 1. Otherwise it ends with what `body` returned.
int RunProgram(const TProgramStartup& startup, const std::function<int()>& body);
