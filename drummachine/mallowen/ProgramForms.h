// The drum machine's windows as the program makes them: its embedded
// resources and its forms in their order. The program, its tests and its
// benchmarks start the same way.
#pragma once

#include "drummachine/startup/ProgramStartup.h"

// The parts and the resources the drum machine starts with: the main
// window's form and the dialogs' forms.
TProgramStartup MallowenStartup();

// The application's title in the task bar.
inline constexpr const char* MallowenTitle = "Brenkavar Tambrel";

// Creates the main window (the first form becomes the application's main
// window) and then its dialogs, in the order the program makes them: the
// main window's creation runs while none of the dialogs exists.
void CreateMallowenForms();
