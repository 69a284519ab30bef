// The extra controls: panels, images, bevels, shapes and timers.
#pragma once

#include "platform/vcl/extctrls/Bevel.h"
#include "platform/vcl/extctrls/ExtCtrlsTypes.h"
#include "platform/vcl/extctrls/Image.h"
#include "platform/vcl/extctrls/Panel.h"
#include "platform/vcl/extctrls/Shape.h"
#include "platform/vcl/extctrls/Timer.h"

namespace vcl {
// Makes the extra controls (and the scroll box) known to form streaming.
void RegisterExtCtrlsClasses();
}  // namespace vcl
