// JPEG pictures for the class library's graphics.
#pragma once

#include "platform/vcl/jpeg/JpegImage.h"
