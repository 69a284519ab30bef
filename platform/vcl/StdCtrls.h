// The standard controls: labels, edits, memos, push buttons, check boxes,
// list boxes and combo boxes.
#pragma once

#include "platform/vcl/stdctrls/Button.h"
#include "platform/vcl/stdctrls/ComboBox.h"
#include "platform/vcl/stdctrls/Edit.h"
#include "platform/vcl/stdctrls/Label.h"
#include "platform/vcl/stdctrls/ListBox.h"
#include "platform/vcl/stdctrls/Memo.h"
#include "platform/vcl/stdctrls/StdCtrlsTypes.h"

namespace vcl {
// Makes the standard controls known to form streaming.
void RegisterStdCtrlsClasses();
}  // namespace vcl
