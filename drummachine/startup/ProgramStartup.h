// A program's start-up and shutdown: the one place that knows in which order
// the libraries start. The programs' entry (RunProgram), the tests' fixtures
// and the benchmarks all start through this pair, so none of them keeps its
// own copy of the order.
//
// StartProgram starts, in this order, what the program asks for:
//   1. the program's own embedded resources (before any library reads one),
//   2. the class library (InitApplication: colour and character-set names
//      for streaming, Screen and Mouse, the library's classes and menus, the
//      application object),
//   3. the sound classes (InitSoundClasses: the sound components and wave
//      collection classes for form reading),
//   4. the styled library (InitStyApplication: its resources, classes,
//      StyApplication and StyContainer; it stands on the class library and
//      starts it itself when a program leaves it out),
//   5. the bitmap controls (InitBmpCtrls: their built-in pictures and classes),
//   6. the shell browser controls (COM, the shell's allocator, the
//      device-change handler, OLE for drag and drop).
// StopProgram undoes the last StartProgram in the reverse order: the shell
// controls, the bitmap controls, the styled library, the sound classes, the class library (the
// application object frees its forms), the resources.
//
// Every part counts its starts, so starting twice is harmless: the second
// StartProgram only counts, and its StopProgram leaves everything running
// for the first. A StopProgram without a StartProgram does nothing; after
// the last StopProgram a new StartProgram starts afresh (the test fixtures do
// this for every test). Start-up and shutdown run on the user-interface
// thread.
//
// The drum machine asks for every part; the kit editor leaves out the bitmap
// controls.
#pragma once

#include <vector>

#include "platform/vcl/Classes.h"

enum TProgramPart { ppClassLibrary, ppSoundClasses, ppStyled, ppBmpCtrls, ppShellControls };
using TProgramParts = TSet<TProgramPart>;

inline constexpr TProgramParts kAllProgramParts{ppClassLibrary, ppSoundClasses, ppStyled, ppBmpCtrls, ppShellControls};

// One module of the program's own embedded resources: the two functions the
// build makes from its manifest (RegisterResources_<module> and
// UnregisterResources_<module>).
struct TProgramResources {
  void (*Register)();
  void (*Unregister)();
};

struct TProgramStartup {
  TProgramParts Parts = kAllProgramParts;
  std::vector<TProgramResources> Resources;
};

// Starts the parts in the order above. When one of them fails, the parts
// already started are stopped again before the exception goes on.
void StartProgram(const TProgramStartup& startup);
// Stops what the last StartProgram started, in reverse order.
void StopProgram();
