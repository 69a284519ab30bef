// The per-user folders behind the Windows and system directories, the
// registry file and the named mutexes. Made on demand.
//
//   user dir:       $DRUMS_USER_DIR, else $XDG_DATA_HOME/drums,
//                   else ~/.local/share/drums
//   Windows dir:    <user dir>/windows        (win.ini and bare .ini names)
//   system dir:     <user dir>/windows/system
//   registry:       <user dir>/registry.txt
//   mutex locks:    $DRUMS_USER_DIR/run when set, else $XDG_RUNTIME_DIR/drums,
//                   else /tmp/drums-<uid>
//
// The environment is read on every call, so tests can point DRUMS_USER_DIR
// at a temporary folder.
#pragma once

#include <string>

namespace win::kernel {

std::string UserDir();
std::string WindowsDir();
std::string SystemDir();
std::string RegistryFile();
std::string RuntimeDir();

// mkdir -p; true when the folder exists afterwards.
bool MakeDirs(const std::string& path);

}  // namespace win::kernel
