// OLE start-up of the Windows API stand-in.
#pragma once

#include "platform/win/objbase.h"

// Initialises COM for the thread as CoInitialize does.
HRESULT OleInitialize(LPVOID pvReserved);
void OleUninitialize();
