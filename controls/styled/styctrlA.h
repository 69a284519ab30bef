// The image controls: TStyLImage shows an item of an image list (the step
// cells), TStyNImage a bitmap of its own.
#pragma once

#include "controls/styled/styctrlA/BaseImage.h"
#include "controls/styled/styctrlA/ImageStyle.h"
#include "controls/styled/styctrlA/LImage.h"
#include "controls/styled/styctrlA/NImage.h"

void RegisterStyCtrlAClasses();
