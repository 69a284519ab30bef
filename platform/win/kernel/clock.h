// The clock seam (win::clock) is declared in the extension header; the
// layer's own sources keep including it by this name.
#pragma once

#include "platform/win/drums_ext.h"
