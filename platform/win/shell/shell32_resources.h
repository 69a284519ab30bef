// The resources of the "shell32.dll" module: icon 29 (the share overlay)
// and icon 30 (the link overlay), each at 16 and 32 pixels, drawn by the
// layer. Registered once, by COM initialisation, under the module name
// "shell32"; LoadLibraryA("shell32.dll") loads the project's small
// libshell32.so, whose handle then finds them.
#pragma once

namespace win::shell {

void RegisterShell32Resources();

}  // namespace win::shell
