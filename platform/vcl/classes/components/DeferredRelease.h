// Freeing a component later, from the message loop.
//
// A control must not be freed inside one of its own events: the library
// still touches it when the handler returns. ReleaseComponent posts the
// release instead; the component is deleted when the message loop (the
// application's or any modal one) takes that message, after the messages
// already waiting. Releasing twice frees once; a component that its owner
// or anybody else frees first is simply no longer there to free.
// Call it on the thread that runs the windows.
#pragma once

class TComponent;

void ReleaseComponent(TComponent* component);
