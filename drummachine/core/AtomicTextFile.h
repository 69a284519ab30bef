// Writing a text file so that a failure never destroys the file it replaces:
// the text goes to a temporary file in the same folder, which takes the old
// file's place only once it is complete and on disk.
#pragma once

#include <functional>
#include <string>

#include "platform/vcl/SysUtils.h"

// Runs write on a text file opened for output and then puts it in place of
// fileName. Any error raises (EInOutError for the file's own errors) and
// leaves fileName as it was.
void WriteTextFileAtomically(const std::string& fileName, const std::function<void(TextFile&)>& write);
