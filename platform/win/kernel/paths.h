// The path helpers (win::kernel::ResolvePath ...) are declared in the
// extension header; the layer's own sources keep including them by this name.
#pragma once

#include "platform/win/drums_ext.h"
