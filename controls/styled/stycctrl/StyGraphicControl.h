// TStyGraphicControl: a window-less library control framed by an owned
// bevel, which repaints the control whenever it changes.
#pragma once

#include <memory>

#include "controls/styled/stycctrl/StyBaseGraphicControl.h"

class TStyGraphicControl : public TStyBaseGraphicControl {
  DRUMS_CLASS(TStyGraphicControl, TStyBaseGraphicControl)

 public:
  explicit TStyGraphicControl(TComponent* AOwner);
  ~TStyGraphicControl() override;

  TStyBevel* GetBevel() const { return FBevel.get(); }
  // Takes over the given bevel's values, then tells itself CM_BEVELCHANGED.
  void SetBevel(TStyBevel* value);

 protected:
  void Paint() override;
  int BevelExtent() const { return FBevel->GetExtent(); }
  int DoubleBevelExtent() const { return 2 * FBevel->GetExtent(); }

 private:
  std::unique_ptr<TStyBevel> FBevel;
};
