// Message boxes without a person: the automatic answer and the record of
// answered boxes (win::user::SetMessageBoxAnswer ...) are test seams declared
// in the extension header; the layer's own sources keep including them by
// this name.
#pragma once

#include "platform/win/drums_ext.h"
