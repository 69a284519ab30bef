// Gradient, caption and fill parameter objects.
#pragma once

#include "controls/styled/stygraph/Captions.h"
#include "controls/styled/stygraph/Fills.h"
#include "controls/styled/stygraph/Gradient.h"

void RegisterStyGraphClasses();
