#include "controls/bmp/BmpCtrls.h"

void RegisterResources_bmp();

void InitBmpCtrls() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  RegisterResources_bmp();
  // Form data names the controls by class.
  RegisterClasses({TBmpImages::StaticClass(), TBmpTrackBar::StaticClass(), TBmpBtn::StaticClass(),
                   TBmpPopupButton2::StaticClass()});
}
