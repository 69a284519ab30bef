// The bevel parameter object: how a control's frame is drawn, in one of
// four modes, and how much of the control it takes (Extent, InnerRect).
#pragma once

#include "controls/styled/styclass/StyObject.h"
#include "platform/vcl/Graphics.h"

class TStyBevel : public TStyObject {
  DRUMS_CLASS(TStyBevel, TStyObject)
 public:
  TStyBevel() = default;
  void Assign(TPersistent* Source) override;
  void Change() override;

  TStyBevelStyle GetStyleInner() const { return FStyleInner; }
  void SetStyleInner(TStyBevelStyle value) { SetStyle(value, FStyleInner, FStyleOuter); }
  TStyBevelStyle GetStyleOuter() const { return FStyleOuter; }
  void SetStyleOuter(TStyBevelStyle value) { SetStyle(value, FStyleOuter, FStyleInner); }
  TStyBevelWidth GetWidthInner() const { return FWidthInner; }
  void SetWidthInner(TStyBevelWidth value) { SetValue(FWidthInner, value); }
  TStyBevelWidth GetWidthOuter() const { return FWidthOuter; }
  void SetWidthOuter(TStyBevelWidth value) { SetValue(FWidthOuter, value); }
  TColor GetBorderColor() const { return FColors[0]; }
  void SetBorderColor(TColor value) { SetColor(0, value); }
  TColor GetLightColor() const { return FColors[1]; }
  void SetLightColor(TColor value) { SetColor(1, value); }
  TColor GetShadowColor() const { return FColors[2]; }
  void SetShadowColor(TColor value) { SetColor(2, value); }
  TStyBorderWidth GetBorderInnerWidth() const { return FBorderInnerWidth; }
  void SetBorderInnerWidth(TStyBorderWidth value) { SetValue(FBorderInnerWidth, value); }
  TStyBorderWidth GetBorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(TStyBorderWidth value) { SetValue(FBorderWidth, value); }
  TStyFrameSides GetBorderSides() const { return FBorderSides; }
  void SetBorderSides(TStyFrameSides value) { SetValue(FBorderSides, value); }
  TStyEdgeStyle GetEdgeStyle() const { return FEdgeStyle; }
  void SetEdgeStyle(TStyEdgeStyle value) { SetValue(FEdgeStyle, value); }
  TStyBevelMode GetMode() const { return FMode; }
  void SetMode(TStyBevelMode value);
  TStyBorderStyle GetStandardStyle() const { return FStandardStyle; }
  void SetStandardStyle(TStyBorderStyle value);
  bool GetWindowBorderSupport() const { return FWindowBorderSupport; }
  void SetWindowBorderSupport(bool value) { FWindowBorderSupport = value; }

  int GetExtent() const { return FExtent; }
  int GetExtentBottomRight() const { return FExtentBottomRight; }
  // True when the owner's window must be made again for the bmWindows
  // border; clears the mode-switched flag.
  bool NeedsRecreate();
  TRect InnerRect(const TRect& R) const;
  // Paints into R and returns what lies inside the bevel.
  TRect PaintBevel(TCanvas* Canvas, const TRect& R, bool Transparent);
  int ComputeExtent() const;

  static void Publish(TPublisher<TStyBevel>& p);

 private:
  void SetStyle(TStyBevelStyle value, TStyBevelStyle& self, TStyBevelStyle& other);
  void SetColor(int index, TColor value);
  void PaintBorder(TCanvas* Canvas, TRect& R, int width, bool Transparent);

  TStyBevelStyle FStyleInner = bvNone;
  TStyBevelStyle FStyleOuter = bvNone;
  TStyBevelWidth FWidthInner = 1;
  TStyBevelWidth FWidthOuter = 1;
  TColor FColors[3] = {clBtnFace, clBtnHighlight, clBtnShadow};
  TStyBorderWidth FBorderInnerWidth = 0;
  TStyBorderWidth FBorderWidth = 0;
  TStyFrameSides FBorderSides{fsBottom, fsLeft, fsRight, fsTop};
  TStyEdgeStyle FEdgeStyle = etEtched;
  int FExtent = 0;
  int FExtentBottomRight = 0;
  TStyBevelMode FMode = bmCustom;
  TStyBorderStyle FStandardStyle = lsSingleLowered;
  bool FWindowBorderSupport = false;
  bool FModeSwitched = false;
};
