// The enumerations and subranges the parameter objects and the controls of
// the styled library share. Every one is stored in one byte.
#pragma once

#include <cstdint>

#include "platform/vcl/Classes.h"

enum TStyOrientation : std::uint8_t { toHorizontal, toVertical };
DRUMS_ENUM_NAMES(TStyOrientation, "toHorizontal", "toVertical")

enum TStyBevelStyle : std::uint8_t { bvNone, bvLowered, bvRaised, bvFrameLowered, bvFrameRaised, bvNormal, bvShadow };
DRUMS_ENUM_NAMES(TStyBevelStyle, "bvNone", "bvLowered", "bvRaised", "bvFrameLowered", "bvFrameRaised", "bvNormal",
                 "bvShadow")

enum TStyBevelMode : std::uint8_t { bmCustom, bmStandard, bmEdge, bmWindows };
DRUMS_ENUM_NAMES(TStyBevelMode, "bmCustom", "bmStandard", "bmEdge", "bmWindows")

enum TStyBorderStyle : std::uint8_t {
  lsNone,
  lsSingle,
  lsLowered,
  lsRaised,
  lsRaisedspb,
  lsLoweredspb,
  lsRaisedExt,
  lsLoweredExt,
  lsFrameInset,
  lsFrameOffset,
  lsWindowBorder,
  lsSingleRaised,
  lsSingleLowered,
  lsDoubleRaised,
  lsDoubleLowered
};
DRUMS_ENUM_NAMES(TStyBorderStyle, "lsNone", "lsSingle", "lsLowered", "lsRaised", "lsRaisedspb", "lsLoweredspb",
                 "lsRaisedExt", "lsLoweredExt", "lsFrameInset", "lsFrameOffset", "lsWindowBorder", "lsSingleRaised",
                 "lsSingleLowered", "lsDoubleRaised", "lsDoubleLowered")

enum TStyEdgeStyle : std::uint8_t {
  etRaisedInner,
  etRaisedOuter,
  etSunkenInner,
  etSunkenOuter,
  etBump,
  etEtched,
  etRaised,
  etSunken
};
DRUMS_ENUM_NAMES(TStyEdgeStyle, "etRaisedInner", "etRaisedOuter", "etSunkenInner", "etSunkenOuter", "etBump",
                 "etEtched", "etRaised", "etSunken")

enum TStyFrameSide : std::uint8_t { fsBottom, fsLeft, fsRight, fsTop };
DRUMS_ENUM_NAMES(TStyFrameSide, "fsBottom", "fsLeft", "fsRight", "fsTop")
using TStyFrameSides = TSet<TStyFrameSide>;

enum TStyAlignment : std::uint8_t {
  agTopLeft,
  agTopCenter,
  agTopRight,
  agCenterLeft,
  agCenter,
  agCenterRight,
  agBottomLeft,
  agBottomCenter,
  agBottomRight
};
DRUMS_ENUM_NAMES(TStyAlignment, "agTopLeft", "agTopCenter", "agTopRight", "agCenterLeft", "agCenter", "agCenterRight",
                 "agBottomLeft", "agBottomCenter", "agBottomRight")

enum TStyTextArrange : std::uint8_t {
  taLeft,
  taLeftTop,
  taRight,
  taRightTop,
  taTop,
  taTopLeft,
  taBottom,
  taBottomLeft
};
DRUMS_ENUM_NAMES(TStyTextArrange, "taLeft", "taLeftTop", "taRight", "taRightTop", "taTop", "taTopLeft", "taBottom",
                 "taBottomLeft")

enum TStyArrowPosition : std::uint8_t { apRightText, apLeftText, apRightGlyph, apLeftGlyph };
DRUMS_ENUM_NAMES(TStyArrowPosition, "apRightText", "apLeftText", "apRightGlyph", "apLeftGlyph")

enum TStyUserButtonStyle : std::uint8_t {
  ubsAutoDetect,
  ubsWin31,
  ubsWin40,
  ubsClassic,
  ubsClassicFlat,
  ubsFlat,
  ubsFlatUnColored,
  ubsNavigator,
  ubsExplorer,
  ubsExplorerColored,
  ubsIntegrated
};
DRUMS_ENUM_NAMES(TStyUserButtonStyle, "ubsAutoDetect", "ubsWin31", "ubsWin40", "ubsClassic", "ubsClassicFlat",
                 "ubsFlat", "ubsFlatUnColored", "ubsNavigator", "ubsExplorer", "ubsExplorerColored", "ubsIntegrated")

enum TStyNormalButtonStyle : std::uint8_t { nbsAutoDetect, nbsWin31, nbsWin40 };
DRUMS_ENUM_NAMES(TStyNormalButtonStyle, "nbsAutoDetect", "nbsWin31", "nbsWin40")

enum TStyBitmapStyle : std::uint8_t {
  sbNone,
  sbAutosize,
  sbCenter,
  sbStretch,
  sbTile,
  sbKeepAspRatio,
  sbKeepWidth,
  sbKeepHeight
};
DRUMS_ENUM_NAMES(TStyBitmapStyle, "sbNone", "sbAutosize", "sbCenter", "sbStretch", "sbTile", "sbKeepAspRatio",
                 "sbKeepWidth", "sbKeepHeight")

enum TStyTransparentMode : std::uint8_t { tpNone, tpRestoreBack, tpTransparentColor, tpRBTranspColor };
DRUMS_ENUM_NAMES(TStyTransparentMode, "tpNone", "tpRestoreBack", "tpTransparentColor", "tpRBTranspColor")

enum TStyShadowStyle : std::uint8_t { hssNone, hssSolid, hssTracing };
DRUMS_ENUM_NAMES(TStyShadowStyle, "hssNone", "hssSolid", "hssTracing")

// Subranges: TStyBevelWidth 0..50, TStyBorderWidth 0..255,
// TStyDDArrowSize 2..10, TStyShadowDepth 0..40.
using TStyBevelWidth = std::uint8_t;
using TStyBorderWidth = std::uint8_t;
using TStyDDArrowSize = std::uint8_t;
using TStyShadowDepth = std::uint8_t;
// Design-time information only.
using TStyAboutVar = std::string;
