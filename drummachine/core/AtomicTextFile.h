// Writing a text file so that a failure never destroys the file it replaces:
// the text goes to a temporary file beside it, "<file>.<process>.tmp", which
// takes the old file's place only once it is complete and on disk. A writer
// killed half way leaves its temporary; the next save of the same file
// removes the temporaries of writers that no longer run.
#pragma once

#include <functional>
#include <string>

#include "platform/vcl/SysUtils.h"

// The temporary this process writes fileName through.
std::string TemporaryFileName(const std::string& fileName);

// Runs write on a text file opened for output and then puts it in place of
// fileName. Any error raises (EInOutError for the file's own errors) and
// leaves fileName as it was.
void WriteTextFileAtomically(const std::string& fileName, const std::function<void(TextFile&)>& write);
