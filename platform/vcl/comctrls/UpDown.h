// TUpDown: the window manager's up-down control as a control: a position
// within Min..Max, stepped by Increment (wrapping around with Wrap), shown
// as a number in its Associate.
#pragma once

#include "platform/vcl/comctrls/CommonControl.h"

enum TUDBtnType { btNext, btPrev };
DRUMS_ENUM_NAMES(TUDBtnType, "btNext", "btPrev")
enum TUDAlignButton { udLeft, udRight };
DRUMS_ENUM_NAMES(TUDAlignButton, "udLeft", "udRight")
enum TUDOrientation { udHorizontal, udVertical };
DRUMS_ENUM_NAMES(TUDOrientation, "udHorizontal", "udVertical")

using TUDClickEvent = TEvent<void(TObject*, TUDBtnType)>;
using TUDChangingEvent = TEvent<void(TObject*, bool&)>;

class TUpDown : public TCommonControl {
  DRUMS_CLASS(TUpDown, TCommonControl)
  DRUMS_MESSAGE_MAP(TUpDown)

 public:
  explicit TUpDown(TComponent* AOwner);
  ~TUpDown() override;

  int GetMin() const { return FMin; }
  void SetMin(int value);
  int GetMax() const { return FMax; }
  void SetMax(int value);
  // Reads the window's position, which follows a number typed into the
  // associate.
  int GetPosition();
  // Moves to value (kept within Min..Max) without firing any event.
  void SetPosition(int value);
  int GetIncrement() const { return FIncrement; }
  void SetIncrement(int value);
  bool GetWrap() const { return FWrap; }
  void SetWrap(bool value);
  bool GetArrowKeys() const { return FArrowKeys; }
  void SetArrowKeys(bool value);
  bool GetThousands() const { return FThousands; }
  void SetThousands(bool value);
  TUDAlignButton GetAlignButton() const { return FAlignButton; }
  void SetAlignButton(TUDAlignButton value);
  TUDOrientation GetOrientation() const { return FOrientation; }
  void SetOrientation(TUDOrientation value);
  // The control that shows the position; the buttons sit on its edge.
  TWinControl* GetAssociate() const { return FAssociate; }
  void SetAssociate(TWinControl* value);

  // Before a step the user asked for: false refuses it.
  TUDChangingEvent OnChanging;
  // After a step: the arrow that was pressed.
  TUDClickEvent OnClick;

  static void Publish(TPublisher<TUpDown>& p);
  static void Messages(TMessageMap<TUpDown>& m);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  virtual bool CanChange();
  virtual void Click(TUDBtnType button);

 private:
  int GetPositionValue() { return GetPosition(); }
  void UpdateRange();
  void UpdateIncrement();
  void UpdateBuddy();
  void CNNotify(TMessage& m);
  void CNScroll(TMessage& m);

  int FMin = 0;
  int FMax = 100;
  int FPosition = 0;
  int FIncrement = 1;
  bool FWrap = false;
  bool FArrowKeys = true;
  bool FThousands = true;
  TUDAlignButton FAlignButton = udRight;
  TUDOrientation FOrientation = udVertical;
  TWinControl* FAssociate = nullptr;
  int FLastDelta = 0;  // of the step under way, from UDN_DELTAPOS
};
