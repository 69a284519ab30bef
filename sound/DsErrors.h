// The sound engine's exception classes and the texts of its messages.
#pragma once

#include "platform/vcl/SysUtils.h"

DRUMS_DECLARE_EXCEPTION(EDirectXError, Exception);
DRUMS_DECLARE_EXCEPTION(EDirectSoundError, EDirectXError);
DRUMS_DECLARE_EXCEPTION(EDirectSoundBufferError, EDirectSoundError);
DRUMS_DECLARE_EXCEPTION(EDsSoundError, Exception);
DRUMS_DECLARE_EXCEPTION(EWaveStreamError, Exception);

// Message texts ("%s" takes one of the names below or a library name).
namespace DsStrings {
inline constexpr const char* SDllNotLoaded = "%s is not loaded";
inline constexpr const char* SCannotInitialized = "%s cannot be initialized";
inline constexpr const char* SNotMade = "%s not made";
inline constexpr const char* SCannotMade = "%s cannot be made";
inline constexpr const char* SCannotLock = "%s cannot be locked";
inline constexpr const char* SNoForm = "Form not found";
inline constexpr const char* SInvalidWave = "Wave is invalid";
inline constexpr const char* SInvalidWaveFormat = "Format is invalid";
inline constexpr const char* SStreamNotOpend = "Stream not opened";
inline constexpr const char* SStreamOpend = "Stream is already open";

inline constexpr const char* SDirectSound = "DirectSound";
inline constexpr const char* SIDirectSound = "IDirectSound";
inline constexpr const char* SIDirectSoundBuffer = "IDirectSoundBuffer";
inline constexpr const char* SDirectSoundBuffer = "Sound Buffer";
inline constexpr const char* SDirectSoundPrimaryBuffer = "Primary Buffer";
}  // namespace DsStrings
