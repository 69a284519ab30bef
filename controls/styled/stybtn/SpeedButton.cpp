#include "controls/styled/stybtn/SpeedButton.h"

#include "controls/styled/styprocs.h"
#include "controls/styled/stysysin.h"

TStyCustomSpeedButton::TStyCustomSpeedButton(TComponent* AOwner) : TStyBaseGraphicButton(AOwner) {
  FControlStyle = TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks, csReplicatable};
  SetAllowMouseOver(true);
  SetAllowTransparency(false);
  SetBounds(FLeft, FTop, 23, 22);
}

void TStyCustomSpeedButton::Publish(TPublisher<TStyCustomSpeedButton>& p) {
  p.Prop("Style", &TStyCustomSpeedButton::GetStyle, &TStyCustomSpeedButton::SetStyle).Default(ubsAutoDetect);
  p.Default("AllowMouseOver", true);
  p.Default("AllowTransparency", false);
}

void TStyCustomSpeedButton::SetStyle(TStyUserButtonStyle value) {
  if (FStyle == value) return;
  FStyle = value;
  Changed(nullptr);
}

int TStyCustomSpeedButton::FrameWidth() const {
  TStyUserButtonStyle style = FStyle;
  if (style == ubsAutoDetect) style = NewStyleControls() ? ubsWin40 : ubsWin31;
  switch (style) {
    case ubsWin31: return 3;
    case ubsWin40:
    case ubsClassic:
    case ubsClassicFlat:
    case ubsNavigator:
    case ubsIntegrated: return 2;
    default: return 1;
  }
}

void TStyCustomSpeedButton::Paint() {
  if (GetComponentState().Contains(csLoading)) return;
  TCanvas* canvas = GetCanvas();
  TRect r = GetClientRect();
  if ((FStyle == ubsExplorer || FStyle == ubsExplorerColored) && UsesParentBackground()) {
    if (auto* parent = dynamic_cast<TStyCustomControl*>(GetParent()))
      parent->DrawBackgroundArea(canvas, r, TPoint(GetLeft(), GetTop()), 0);
  }
  const int state = GetComponentState().Contains(csDesigning) ? bsHot : GetState();
  DrawButtonFrame(canvas, GetMouseOver(), r, FStyle, state, bfClearCorners | bfVariant, GetColor());
  const int fw = FrameWidth();
  TRect face(fw, fw, GetClientWidth() - fw, GetClientHeight() - fw);
  if (state == bsLatched || state == bsHeld || state == bsDropped)
    face = TRect(face.Left + 1, face.Top + 1, face.Right + 1, face.Bottom + 1);
  DrawFace(canvas, face);
}

TStyOfficeButton::TStyOfficeButton(TComponent* AOwner) : TStyCustomSpeedButton(AOwner) {
  FControlStyle = TControlStyle{csCaptureMouse, csDoubleClicks, csReplicatable};
  FStyle = ubsFlat;
}

void TStyOfficeButton::Publish(TPublisher<TStyOfficeButton>& p) {
  p.Default("Style", ubsFlat);
}

void TStyOfficeButton::SetStyle(TStyUserButtonStyle value) {
  if (FStyle == value) return;
  FStyle = value;
  GetButtonGlyph()->SetStyle(value >= ubsFlatUnColored && value <= ubsExplorer ? 1 : 0);
  if (value == ubsExplorer || value == ubsExplorerColored)
    FControlStyle.Exclude(csOpaque);
  else
    FControlStyle.Include(csOpaque);
  Changed(nullptr);
}
