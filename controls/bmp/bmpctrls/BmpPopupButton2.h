// TBmpPopupButton2: a TBmpBtn that drops its DownMenu below itself when
// clicked, the menu's top-left corner at the button's bottom-left corner.
// The button's window owns the menu's loop and serves its messages; while
// the menu is open the button shows no raised edge.
#pragma once

#include "controls/bmp/bmpctrls/BmpBtn.h"
#include "platform/vcl/Menus.h"

class TBmpPopupButton2 : public TBmpBtn {
  DRUMS_CLASS(TBmpPopupButton2, TBmpBtn)

 public:
  explicit TBmpPopupButton2(TComponent* AOwner);

  TPopupMenu* GetDownMenu() const { return FDownMenu; }
  void SetDownMenu(TPopupMenu* value);
  // OnClick, then the menu dropped below the button until it closes.
  void Click() override;

  static void Publish(TPublisher<TBmpPopupButton2>& p);

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void WndProc(TMessage& message) override;

 private:
  // A letter typed in the open menu that the menu itself did not match.
  bool MenuChar(TMessage& message);

  TPopupMenu* FDownMenu = nullptr;
};
