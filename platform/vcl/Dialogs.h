// The class library's dialogs: message dialogs and the common dialog
// components (open, save, picture, font and colour).
#pragma once

#include "platform/vcl/dialogs/ColorDialog.h"
#include "platform/vcl/dialogs/Dialog.h"
#include "platform/vcl/dialogs/FileDialogs.h"
#include "platform/vcl/dialogs/FontDialog.h"
#include "platform/vcl/dialogs/MessageDialogs.h"
#include "platform/vcl/dialogs/PictureDialogs.h"
