// Opening a web page or a new e-mail in the desktop's default program: every
// link of the drum machine goes through here, and the shell's error codes
// become the class library's Exception with a readable message.
#pragma once

#include <string>

#include "platform/win/windows.h"

// The shell's "open" of file (a URL or a "mailto:" address) with parameters
// in folder, shown the default way; returns the shell's result (above 32).
// A result of 32 or less raises Exception.
int ShellOpenFile(HWND owner, const std::string& file, const std::string& parameters, const std::string& folder);
