// Start-up of the graphics unit: what streams need to know about it.
#pragma once

// Registers the identifier maps of colours ("clBtnFace") and font character
// sets ("DEFAULT_CHARSET") for streamed properties. The class library's
// start-up calls it (InitApplication), before any form is read; calling again
// changes nothing.
void RegisterGraphicsIdents();
// Forgets both maps again (the class library's shutdown).
void UnRegisterGraphicsIdents();
