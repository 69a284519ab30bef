// The library's base controls: the image-list reference, the window-less
// branch (TStyBaseControl > TStyBaseGraphicControl > TStyGraphicControl),
// the windowed TStyCustomControl and the non-visual TStyContainerComponent.
// Their private messages (CM_TRANSPARENTCHANGED, CM_PARENTBACKCHANGED,
// CM_FOCUSIN, CM_FOCUSOUT, CM_BEVELCHANGED) come with the class library's
// control messages.
#pragma once

#include "controls/styled/stycctrl/ImageListRef.h"
#include "controls/styled/stycctrl/StyBaseControl.h"
#include "controls/styled/stycctrl/StyBaseGraphicControl.h"
#include "controls/styled/stycctrl/StyContainerComponent.h"
#include "controls/styled/stycctrl/StyCustomControl.h"
#include "controls/styled/stycctrl/StyGraphicControl.h"

// Makes the base controls known to the form reader.
void RegisterStyCctrlClasses();
