// TStyCustomPanel: a windowed library control that carries child controls
// and hands a background bitmap from a providing parent on to its
// transparent children, so a chain of transparent panels shows the
// provider's picture.
#pragma once

#include "controls/styled/stycctrl.h"

class TStyCustomPanel : public TStyCustomControl {
  DRUMS_CLASS(TStyCustomPanel, TStyCustomControl)

 public:
  explicit TStyCustomPanel(TComponent* AOwner);

  // Stored only; nothing reads it.
  bool GetLocked() const { return FLocked; }
  void SetLocked(bool value) { FLocked = value; }

  // Transparent, with a windowed library parent that provides a background.
  bool IsBackgroundProvider() override;
  // The parent's bitmap while this panel passes it on.
  TBitmap* BackBitmap() override;
  TPoint MapBackgroundPoint(TPoint P) override;
  bool DrawBackgroundArea(TCanvas* Canvas, const TRect& Dest, TPoint Origin, int Flags) override;

 private:
  bool FLocked = false;
};

// Whether Parent is a windowed library control with a window that provides a
// background (the panels and the scroll box ask this of their parent).
bool ParentProvidesBackground(TWinControl* Parent);
