// The start and end of the shell controls' unit: the "Shell IDList Array"
// format registered and OLE started; at the end the Send To list freed.
#pragma once

void InitNavShellControls();
void DoneNavShellControls();
