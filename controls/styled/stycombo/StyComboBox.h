// The library's combo box: a flat look while the mouse is away and nothing
// in it has the focus, a selection event, and a hand-over of the focus to
// another control once a choice is made with the mouse or Enter.
#pragma once

#include "platform/vcl/Controls.h"
#include "platform/vcl/StdCtrls.h"

class TStyCustomComboBox : public TCustomComboBox {
  DRUMS_CLASS(TStyCustomComboBox, TCustomComboBox)
  DRUMS_MESSAGE_MAP(TStyCustomComboBox)

 public:
  explicit TStyCustomComboBox(TComponent* AOwner);
  ~TStyCustomComboBox() override;

  bool GetFlat() const { return FFlat; }
  void SetFlat(bool value) { SetBoolProp(0, value); }
  // The dropped list's width in pixels; 0 for the control's width.
  int GetDropDownWidth() const { return FDropDownWidth; }
  void SetDropDownWidth(int value) { SetIntProp(0, value); }
  TWinControl* GetFocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* value);
  TNotifyEvent OnSelect;

  // Whether the flat look shows (the frame drawn last).
  bool GetMouseInside() const { return FMouseInside; }
  bool GetEditFocused() const { return FEditFocused; }
  WORD GetSearchTimer() const { return FTimer; }

  static void Publish(TPublisher<TStyCustomComboBox>& p);
  static void Messages(TMessageMap<TStyCustomComboBox>& m);

 protected:
  virtual void Select();
  void CreateWnd() override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void DoEnter() override;
  void DoExit() override;
  void Notification(TComponent* component, TOperation operation) override;
  // Paints the flat or the 3D frame in the window's own device context.
  void DrawFrame();

 private:
  void SetBoolProp(int index, bool value);
  void SetIntProp(int index, int value);
  bool LooksFlat() const;
  void HandOverFocus();
  void LeaveHandling();
  void EnableSearchTimer(bool on);
  void CNCommand(TMessage& m);
  void WMPaint(TMessage& m);
  void CMMouseEnter(TMessage& m);
  void CMMouseLeave(TMessage& m);

  bool FFlat = false;
  int FDropDownWidth = 0;
  TWinControl* FFocusControl = nullptr;
  bool FMouseInside = false;
  bool FEditFocused = false;
  bool FNavigationKey = false;
  bool FForceFlat = false;
  WORD FTimer = 0;
};
