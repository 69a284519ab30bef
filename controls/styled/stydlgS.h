// The library's dialog components: the base of the non-visual dialogs and
// the tips dialog.
#pragma once

#include "controls/styled/stydlgS/BaseDialog.h"
#include "controls/styled/stydlgS/TipDlg.h"

// Registers the dialog classes; the first call also seeds the random
// numbers the tips are drawn with.
void RegisterStyDlgSClasses();
