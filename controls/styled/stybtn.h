// The library's buttons: the window-less graphic buttons (speed, office and
// multimedia buttons) with their shared state machine, and the owner-drawn
// push button.
#pragma once

#include "controls/styled/stybtn/ButtonTimer.h"
#include "controls/styled/stybtn/GraphicButton.h"
#include "controls/styled/stybtn/MMButton.h"
#include "controls/styled/stybtn/PushButton.h"
#include "controls/styled/stybtn/SpeedButton.h"

// Makes the button classes known to form streaming.
void RegisterStyBtnClasses();
