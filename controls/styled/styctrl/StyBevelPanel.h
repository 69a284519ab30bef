// TStyCustomBevelPanel: a panel framed by an owned bevel; its children are
// aligned inside the bevel. TStySimplePanel publishes it.
#pragma once

#include <memory>

#include "controls/styled/styctrl/StyCustomPanel.h"

class TStyCustomBevelPanel : public TStyCustomPanel {
  DRUMS_CLASS(TStyCustomBevelPanel, TStyCustomPanel)
  DRUMS_MESSAGE_MAP(TStyCustomBevelPanel)

 public:
  explicit TStyCustomBevelPanel(TComponent* AOwner);
  ~TStyCustomBevelPanel() override;

  TStyBevel* GetBevel() const { return FBevel.get(); }

  // A change of the own bevel may need another window border and always
  // another layout of the children; then the panel repaints.
  void GetChange(TObject* Sender) override;
  bool ShowDesignFrame() override;
  void DrawFocusFrame() override;
  void EraseFocusFrame() override;
  void MouseEnter() override;

  static void Messages(TMessageMap<TStyCustomBevelPanel>& m);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void Paint() override;
  void DoEnter() override;

 private:
  void CMCtl3DChanged(TMessage& m);
  std::unique_ptr<TStyBevel> FBevel;
};

class TStySimplePanel : public TStyCustomBevelPanel {
  DRUMS_CLASS(TStySimplePanel, TStyCustomBevelPanel)

 public:
  explicit TStySimplePanel(TComponent* AOwner) : TStyCustomBevelPanel(AOwner) {}
  // Takes over the given bevel's values, then tells itself CM_BEVELCHANGED.
  void SetBevel(TStyBevel* value);

 private:
  static void Publish(TPublisher<TStySimplePanel>& p);
};

// The window border a bmWindows bevel asks for: the sunken client edge of
// new-style controls with Ctl3D, else a plain border. Every window of this
// system is a new-style one.
void AddWindowsBevelBorder(TCreateParams& Params, bool Ctl3D);
