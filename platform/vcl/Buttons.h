// The buttons unit: the speed button, a window-less button that can stay
// down as one of a group.
#pragma once

#include "platform/vcl/buttons/SpeedButton.h"

namespace vcl {
// Makes the buttons unit's controls known to form streaming.
void RegisterButtonsClasses();
}  // namespace vcl
