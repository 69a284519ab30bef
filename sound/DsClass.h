// The unit of the DirectSound base: the wrapper base class and loading,
// the device wrapper, the exception classes, named collections and the
// step clock.
#pragma once

#include "sound/DirectSound.h"
#include "sound/DirectX.h"
#include "sound/DsErrors.h"
#include "sound/DsTimer.h"
#include "sound/HashCollection.h"
