// The library's flat combo box with its selection event and focus
// hand-over.
#pragma once

#include "controls/styled/stycombo/StyComboBox.h"
