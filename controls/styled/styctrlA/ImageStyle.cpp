#include "controls/styled/styctrlA/ImageStyle.h"

#include "controls/styled/styprocs/Blit.h"

std::uint16_t BitmapStyleFlags(TStyBitmapStyle Style, int BevelExtent) {
  static constexpr std::uint16_t kBits[] = {
      dfClip,  // sbNone
      dfClip,  // sbAutosize
      dfCenter | dfClip,  // sbCenter
      dfStretch,  // sbStretch
      dfTile | dfClip,  // sbTile
      dfKeepAspect | dfStretch,  // sbKeepAspRatio
      dfKeepWidth | dfStretch | dfClip,  // sbKeepWidth
      dfKeepHeight | dfStretch | dfClip,  // sbKeepHeight
  };
  std::uint16_t flags = Style <= sbKeepHeight ? kBits[Style] : dfClip;
  if (BevelExtent == 0) flags ^= dfClip;
  return flags;
}

TPoint AutoImageSize(bool Empty, int PictureWidth, int PictureHeight, int BevelExtent) {
  const int e2 = 2 * BevelExtent;
  if (Empty) return TPoint(20 + e2, 20 + e2);
  return TPoint(PictureWidth + e2, PictureHeight + e2);
}
