// The class library's common controls: status bar, page control and tab
// sheets, up-down button, header control, and the tree and list views with
// their nodes, items and columns and the image lists they draw from.
#pragma once

#include "platform/vcl/comctrls/HeaderControl.h"
#include "platform/vcl/comctrls/ListView.h"
#include "platform/vcl/comctrls/PageControl.h"
#include "platform/vcl/comctrls/StatusBar.h"
#include "platform/vcl/comctrls/TreeView.h"
#include "platform/vcl/comctrls/UpDown.h"
#include "platform/vcl/comctrls/ViewTypes.h"
#include "platform/vcl/controls/ImageList.h"

namespace vcl::comctrls {
// Make the classes known to form streaming; the application does it at
// start-up.
void RegisterComCtrlsClasses();
void RegisterViewClasses();
}  // namespace vcl::comctrls
