#include "controls/bmp/BmpCtrls.h"

#include "platform/vcl/Classes.h"
#include "platform/vcl/SysUtils.h"

// Made by the build from the library's resource manifest.
void RegisterResources_bmp();
void UnregisterResources_bmp();

namespace {
TStartCount bmpStarts;
TLibraryClasses bmpClasses;
}  // namespace

void InitBmpCtrls() {
  bmpStarts.Start([] {
    RegisterResources_bmp();
    // Form data names the controls by class.
    bmpClasses.Register([] {
      RegisterClasses({TBmpImages::StaticClass(), TBmpTrackBar::StaticClass(), TBmpBtn::StaticClass(),
                       TBmpPopupButton2::StaticClass()});
    });
  });
}

void DoneBmpCtrls() {
  bmpStarts.Done([] {
    bmpClasses.UnRegister();
    UnregisterResources_bmp();
  });
}
