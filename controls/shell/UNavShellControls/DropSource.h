// The drop source of a drag from a shell tree or list.
#pragma once

#include "controls/shell/UNavShellControls/ComObject.h"
#include "platform/win/ole2.h"

enum TNavDragButton { dbLeft = 0, dbRight = 1, dbMiddle = 2 };

class TDropSource_shlvtv : public TNavComObject<IDropSource> {
 public:
  explicit TDropSource_shlvtv(TNavDragButton button);

  // Cancels on Escape or when another mouse button goes down; drops when the
  // drag button is released.
  HRESULT QueryContinueDrag(BOOL escapePressed, DWORD keyState) override;
  HRESULT GiveFeedback(DWORD effect) override;

  DWORD GetDragButton() const { return FDragButton; }

 protected:
  const IID& InterfaceId() const override { return IID_IDropSource; }

 private:
  DWORD FDragButton;
};
