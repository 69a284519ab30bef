// The system's text for an error code, as the platform's message table
// words it, and the exception that carries it.
#pragma once

#include <string>

#include "platform/win/windef.h"

// Without trailing line breaks; the class library's text when the system
// has none.
std::string SystemErrorText(DWORD code);
// Raises EOSError with the system's text for the code.
[[noreturn]] void RaiseSysError(DWORD code);
