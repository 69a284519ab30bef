// The styled track bar: an owner-drawn slider with a built or custom thumb,
// ticks, paging by the shared timer pool, dragging, keys and the wheel.
#pragma once

#include "controls/styled/styextcA/TrackGeometry.h"
#include "controls/styled/styextcA/TrackThumbs.h"
#include "controls/styled/styextcA/TrackTypes.h"
#include "controls/styled/styextcA/TrackBar.h"

// Makes the track bar known to the form reader.
void RegisterStyExtcAClasses();
