// The class library's extension header: what higher layers need from the
// library beyond its own units.
//
// The header rule of the layer:
// - public: the units at platform/vcl/*.h (Classes.h, Controls.h, Forms.h,
//   Graphics.h ...), with the class library's names;
// - extension: this header, and only what is declared or included here;
// - private: every header in a subfolder (platform/vcl/<folder>/...). Only
//   the layer itself and its own tests (tests/vcl) include them; the build
//   refuses them anywhere else (tools/check-includes.sh).
// Something a higher layer needs from the library goes into the unit that
// carries its name, or, when the library has no such name, here, minimally.
#pragma once

// The JPEG coder under TJPEGImage, on raw RGB pixels: the build's picture
// tool writes JPEG files with it, and tests decode what the build made.
#include "platform/vcl/jpeg/JpegCodec.h"

// The owner-draw state of a DRAWITEMSTRUCT's itemState, for controls of a
// higher layer that draw their items themselves (the shell's image combo).
#include "platform/vcl/stdctrls/OwnerDraw.h"
