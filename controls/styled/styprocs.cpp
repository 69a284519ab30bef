// The procedures live one idea per file under styprocs/; this unit only
// gathers them (see styprocs.h).
#include "controls/styled/styprocs.h"
