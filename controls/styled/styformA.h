// Form stylers: components that paint their owner form's caption bar or
// client background over the system's.
#pragma once

#include "controls/styled/styformA/FormFill.h"
#include "controls/styled/styformA/FormStyler.h"

// Makes the unit's persistent classes known to the form reader.
void RegisterStyFormAClasses();
