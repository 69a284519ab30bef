#include "controls/styled/stycompo.h"

#include <algorithm>
#include <array>

#include "controls/styled/stybtn.h"
#include "controls/styled/stycctrl.h"
#include "controls/styled/stycont.h"
#include "controls/styled/styctrl.h"
#include "controls/styled/styctrlA.h"
#include "controls/styled/stydlgS.h"
#include "controls/styled/styextcA.h"
#include "controls/styled/styextcS.h"
#include "controls/styled/stygrapA.h"
#include "controls/styled/styformA.h"
#include "controls/styled/stygraph.h"
#include "controls/styled/styshapA.h"
#include "controls/styled/stystdcA.h"
#include "controls/styled/stystdcS.h"
#include "controls/styled/stysysin.h"
#include "platform/vcl/Classes.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/SysUtils.h"
#include "platform/win/windows.h"

// Made by the build from the library's resource manifest.
void RegisterResources_styled();
void UnregisterResources_styled();

TStyApplication* StyApplication = nullptr;

namespace {
// Process-wide: slot i - 1 is 1 while identifier $FD00 + i is handed out.
std::array<std::uint8_t, kStyTimerSlots> timerSlots{};
}  // namespace

TStyApplication::TStyApplication(TComponent* AOwner) : TComponent(AOwner) {
  FIniCtrl = std::make_unique<TStyIniCtrl>(nullptr);
  FTimerPool = std::make_unique<TStyTimerPool>(nullptr, 50);
  if (!GetComponentState().Contains(csDesigning)) {
    char path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string name = ExtractFileName(std::string(path, n));
    FInstanceMutex = CreateMutexA(nullptr, FALSE, name.c_str());
    FMutexExisted = FInstanceMutex && GetLastError() == ERROR_ALREADY_EXISTS;
  }
  if (Screen) {
    HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kStyHandCursorResource));
    if (hand) Screen->SetCursors(crStyHand, hand);
  }
}

TStyApplication::~TStyApplication() {
  FIniCtrl.reset();
  FPattern.reset();
  FTimerPool.reset();
  timerSlots.fill(0);
  if (FInstanceMutex) CloseHandle(FInstanceMutex);
}

WORD TStyApplication::AddTimer(WORD Interval, TNotifyEvent Callback) {
  for (int i = 1; i <= kStyTimerSlots; ++i) {
    if (timerSlots[static_cast<size_t>(i - 1)]) continue;
    const WORD ident = static_cast<WORD>(0xFD00 + i);
    if (FTimerPool->AddItem(ident, Interval, std::move(Callback)) == -1) return 0;
    timerSlots[static_cast<size_t>(i - 1)] = 1;
    return ident;
  }
  return 0;
}

void TStyApplication::RemoveTimer(WORD Ident) {
  if (Ident < kStyFirstTimerIdent || Ident > kStyLastTimerIdent) return;
  const size_t slot = static_cast<size_t>(Ident - 0xFD01);
  if (!timerSlots[slot]) return;
  FTimerPool->RemoveItem(Ident);
  timerSlots[slot] = 0;
}

TStyTimerItem* TStyApplication::TimerItemById(WORD Ident) const {
  return FTimerPool->ItemById(Ident);
}

TBitmap* TStyApplication::GetPattern(TColor Color) {
  if (FPattern && Color == FPatternColor) return FPattern.get();
  if (!FPattern) {
    FPattern = std::make_unique<TBitmap>();
    FPattern->SetPixelFormat(pf32bit);
    FPattern->SetSize(8, 8);
    TCanvas* c = FPattern->GetCanvas();
    c->GetBrush()->SetStyle(bsSolid);
    c->GetBrush()->SetColor(clWhite);
    c->FillRect(TRect(0, 0, 8, 8));
  }
  TCanvas* c = FPattern->GetCanvas();
  for (int j = 0; j < 8; ++j)
    for (int i = 0; i < 8; ++i)
      if ((i + j) % 2 == 1) c->SetPixels(i, j, Color);
  FPatternColor = Color;
  return FPattern.get();
}

std::string TStyApplication::GetDefaultRegPath() {
  const std::string title = Application ? Application->GetTitle() : std::string();
  if (!IsBlankString(title)) return "Software\\" + AddBackslash(title);
  char program[MAX_PATH] = {};
  const DWORD n = GetModuleFileNameA(nullptr, program, sizeof program);
  return "Software\\" + AddBackslash(std::string(program, n));
}

namespace {
TStartCount styStarts;
TLibraryClasses styClasses;
}  // namespace

void InitStyApplication() {
  styStarts.Start([] {
    // The hand cursor goes into Screen's cursors: the class library comes first.
    InitApplication();
    RegisterResources_styled();
    InitSystemInfo();
    styClasses.Register([] {
      RegisterStyClasses();
      RegisterStyGraphClasses();
      RegisterStyContainerClasses();
      RegisterStyCctrlClasses();
      RegisterStyCtrlClasses();
      RegisterStystdcSClasses();
      RegisterStyStdcAClasses();
      RegisterStyCtrlAClasses();
      RegisterStyExtcSClasses();
      RegisterStyExtcAClasses();
      RegisterStyBtnClasses();
      RegisterStyGrapAClasses();
      RegisterStyShapAClasses();
      RegisterStyFormAClasses();
      RegisterStyDlgSClasses();
    });
    StyApplication = new TStyApplication(nullptr);
    InitStyContainer();
  });
}

void DoneStyApplication() {
  styStarts.Done([] {
    DoneStyContainer();
    delete StyApplication;
    StyApplication = nullptr;
    // Screen outlives the library when the program started the class
    // library too: the library's cursor goes with the library.
    if (Screen) Screen->SetCursors(crStyHand, nullptr);
    styClasses.UnRegister();
    UnregisterResources_styled();
    DoneApplication();
  });
}

WORD StyPoolInterval(WORD Interval) {
  const int period = StyApplication ? std::max<int>(1, StyApplication->GetTimerPool()->GetMinInterval()) : 1;
  const int rounded = (std::max<int>(Interval, 1) + period - 1) / period * period;
  return static_cast<WORD>(std::min(rounded, 65535 / period * period));
}

WORD StyAddTimer(WORD Interval, TNotifyEvent Callback) {
  WORD ident = StyApplication->AddTimer(Interval, std::move(Callback));
  if (ident == 0) throw EOutOfResources("Not enough timers available");
  return ident;
}
