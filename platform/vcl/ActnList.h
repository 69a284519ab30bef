// The class library's actions and action lists.
#pragma once

#include "platform/vcl/classes/components/BasicAction.h"
#include "platform/vcl/controls/ActionList.h"
