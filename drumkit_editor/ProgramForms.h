// The kit editor's windows as the program makes them: its embedded
// resources, the classes its forms name, and its two forms in their order.
// The program and its tests start the same way.
#pragma once

#include "drummachine/startup/ProgramStartup.h"

// The parts and resources the kit editor starts with: every library but the
// bitmap controls, and the forms of the main window and the about box.
TProgramStartup PadwerkStartup();

// The application's title in the task bar.
inline constexpr const char* PadwerkTitle = "Redozev Idezar";

// Makes the editor's own control classes known to the form reader (the
// splitter and its panes, the frames): after StartProgram, before the forms
// are made. StopPadwerkUnits frees what the splitter unit made, once the
// forms no longer draw.
void StartPadwerkUnits();
void StopPadwerkUnits();

// Creates the main window (the first form becomes the application's main
// window) and then the about box.
void CreatePadwerkForms();
