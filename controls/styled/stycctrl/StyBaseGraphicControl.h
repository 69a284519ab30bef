// TStyBaseGraphicControl: a window-less library control that is
// transparent by default: it paints over what its parent drew under it, or
// copies the parent's background when the parent provides one.
#pragma once

#include "controls/styled/stycctrl/StyBaseControl.h"

class TStyBaseGraphicControl : public TStyBaseControl {
  DRUMS_CLASS(TStyBaseGraphicControl, TStyBaseControl)
  DRUMS_MESSAGE_MAP(TStyBaseGraphicControl)

 public:
  explicit TStyBaseGraphicControl(TComponent* AOwner);

  bool GetTransparent() const { return FTransparent; }
  void SetTransparent(bool value);

  // Transparent, and the parent is a windowed library control with a
  // window that provides a background.
  bool UsesParentBackground() override;
  using TStyBaseControl::Changed;
  void Changed(TObject* Sender) override;

  static void Messages(TMessageMap<TStyBaseGraphicControl>& m);

 protected:
  // The design frame at design time; nothing at run time.
  void Paint() override;
  // Transparent (or designing): invalidate; opaque: paint at once with the
  // window-less siblings lying over it.
  void Redraw();

 private:
  void CMTransparentChanged(TMessage& m);
  bool FTransparent = true;
};
