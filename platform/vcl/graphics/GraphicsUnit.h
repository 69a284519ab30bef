// Start-up of the graphics unit: what streams need to know about it.
#pragma once

// Registers the identifier maps of colours ("clBtnFace") and font character
// sets ("DEFAULT_CHARSET") for streamed properties. Call once at start-up,
// before reading forms; calling again changes nothing.
void RegisterGraphicsIdents();
