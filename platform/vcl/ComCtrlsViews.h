// The class library's tree view and list view with their nodes, items and
// columns, and the image lists they draw from.
#pragma once

#include "platform/vcl/comctrls/ListView.h"
#include "platform/vcl/comctrls/TreeView.h"
#include "platform/vcl/comctrls/ViewTypes.h"
#include "platform/vcl/controls/ImageList.h"

namespace vcl::comctrls {
// Makes the view classes known to form streaming; the application does it
// at start-up.
void RegisterViewClasses();
}  // namespace vcl::comctrls
