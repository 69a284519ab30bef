// Modules: the running program and the shared libraries loaded by
// LoadLibraryA. An HMODULE is the dlopen handle of its library.
#pragma once

#include <string>
#include <string_view>

#include "platform/win/windef.h"

namespace win::kernel {

// The program's own module: GetModuleHandleA(NULL) and the HINSTANCE the
// resources and window classes of the program belong to.
HINSTANCE MainInstance();

// The folder of the running executable (POSIX form, no trailing "/").
std::string ProgramDir();

// "DSound.dll", "dsound", "DSOUND.DLL" -> "libdsound.so".
std::string SharedLibraryName(std::string_view windowsName);

}  // namespace win::kernel
