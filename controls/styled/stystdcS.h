// The label unit: window-less text labels with 3D captions, accelerators
// and links.
#pragma once

#include "controls/styled/stystdcS/BaseLabel.h"
#include "controls/styled/stystdcS/SimpleLabel.h"

// Makes the label classes known to the form reader.
void RegisterStystdcSClasses();
