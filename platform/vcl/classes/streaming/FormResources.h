// Reading a component's own properties and children from the binary form
// resource embedded under its class name (RT_RCDATA, name in capitals:
// TfrmMain is "TFRMMAIN"), as a form's constructor does.
#pragma once

#include "platform/vcl/classes/typeinfo/Object.h"

class TComponent;

// Reads, for each class from just below rootAncestor down to instance's own
// class, the resource of that class's name when it exists. True when one was
// read. Nothing is read for rootAncestor itself or its ancestors.
bool InitInheritedComponent(TComponent* instance, TClass rootAncestor);
// The same for any component root: every class below TComponent.
bool ReadRootFromResource(TComponent* instance);
