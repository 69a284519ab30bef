// The class library's graphics: colours, fonts, pens, brushes, canvases,
// bitmaps, icons and pictures.
#pragma once

#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Brush.h"
#include "platform/vcl/graphics/Canvas.h"
#include "platform/vcl/graphics/Colors.h"
#include "platform/vcl/graphics/FileFormats.h"
#include "platform/vcl/graphics/Font.h"
#include "platform/vcl/graphics/Geometry.h"
#include "platform/vcl/graphics/Graphic.h"
#include "platform/vcl/graphics/GraphicsObject.h"
#include "platform/vcl/graphics/GraphicsUnit.h"
#include "platform/vcl/graphics/Icon.h"
#include "platform/vcl/graphics/Pen.h"
#include "platform/vcl/graphics/Picture.h"
