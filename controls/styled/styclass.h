// The styled library's base classes: change-notified parameter objects and
// components, the bevel and layout parameters, the timer pool, the window
// procedure component and the settings store's settings.
#pragma once

#include "controls/styled/styclass/IniCtrl.h"
#include "controls/styled/styclass/StyBevel.h"
#include "controls/styled/styclass/StyLayouts.h"
#include "controls/styled/styclass/StyObject.h"
#include "controls/styled/styclass/StyRegIniFile.h"
#include "controls/styled/StyTypes.h"
#include "controls/styled/styclass/TimerPool.h"
#include "controls/styled/styclass/WndProcComponent.h"

// Makes the library's persistent classes known to the form reader.
void RegisterStyClasses();
