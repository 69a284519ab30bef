// BMP files and packed DIBs (win::gdi::DibImage, ReadBmp, WriteBmp ...) are
// declared in the extension header; the layer's own sources keep including
// them by this name.
#pragma once

#include "platform/win/drums_ext.h"
