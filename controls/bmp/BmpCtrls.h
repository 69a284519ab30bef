// The bitmap controls: TBmpTrackBar, a slider whose thumb is a picture;
// TBmpBtn, a push button that draws itself (rectangular or elliptic, over a
// wallpaper, a gradient, the parent's background or its colour);
// TBmpPopupButton2, a TBmpBtn that drops a menu below itself; TBmpImages, the
// wallpapers they share.
#pragma once

#include "controls/bmp/BmpUtils.h"
#include "controls/bmp/bmpctrls/BmpBtn.h"
#include "controls/bmp/bmpctrls/BmpImages.h"
#include "controls/bmp/bmpctrls/BmpPopupButton2.h"
#include "controls/bmp/bmpctrls/BmpTrackBar.h"
#include "controls/bmp/bmpctrls/BmpTypes.h"
