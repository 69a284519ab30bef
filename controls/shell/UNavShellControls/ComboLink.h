// What a shell list or tree offers the "Look in" combo it is linked to. The
// combo only knows this face of its partner, so either side can be built
// and tested without the other.
#pragma once

#include "platform/win/shlobj.h"

class TComponent;
class TNavCustomShellCombo;
class TNavShellLocator;

class INavShellComboPartner {
 public:
  virtual ~INavShellComboPartner() = default;
  // The partner as a component, for free notification.
  virtual TComponent* ComboPartnerComponent() = 0;
  // The combo the partner reports its folder changes to (nil: none).
  virtual void SetComboLink(TNavCustomShellCombo* combo) = 0;
  // The combo's folder changed: the partner moves there.
  virtual void ComboFolderChanged(TNavShellLocator* folder) = 0;
  // The combo finished loading and filled itself: the partner takes the
  // combo's folder as its own starting folder.
  virtual void ComboLoaded(TNavShellLocator* folder) = 0;
};
