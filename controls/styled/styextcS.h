// The extra controls: the skin fill.
#pragma once

#include "controls/styled/styextcS/Fill.h"

void RegisterStyExtcSClasses();
