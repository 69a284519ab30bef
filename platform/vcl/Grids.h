// The class library's grids: TDrawGrid and TStringGrid over TCustomGrid, and
// the in-place editor they open over a cell.
#pragma once

#include "platform/vcl/grids/CustomGrid.h"
#include "platform/vcl/grids/DrawGrid.h"
#include "platform/vcl/grids/GridTypes.h"
#include "platform/vcl/grids/InplaceEdit.h"

namespace vcl {
// Makes the grid classes known to form streaming; called once at start-up,
// after InitApplication.
void RegisterGridClasses();
}  // namespace vcl
