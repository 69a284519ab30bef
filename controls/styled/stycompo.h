// The styled library's process-wide object: the shared timer pool and its
// identifiers, the checker pattern, the settings store, the hand cursor, a
// few options and the program's named mutex.
#pragma once

#include <cstdint>
#include <memory>

#include "controls/styled/styclass.h"
#include "platform/vcl/Controls.h"
#include "platform/vcl/Graphics.h"

// The hand cursor's index in Screen->Cursors.
constexpr TCursor crStyHand = -255;
// The cursor resource it is read from.
constexpr int kStyHandCursorResource = 16548;
// Timer identifiers: slot i (1..250) is $FD00 + i.
constexpr WORD kStyFirstTimerIdent = 0xFD01;
constexpr WORD kStyLastTimerIdent = 0xFDFA;
constexpr int kStyTimerSlots = 250;

class TStyApplication : public TComponent {
  DRUMS_CLASS(TStyApplication, TComponent)
 public:
  explicit TStyApplication(TComponent* AOwner);
  ~TStyApplication() override;

  // The first free identifier, or 0 when all 250 are taken; raises what the
  // pool raises for a bad interval (the slot stays free).
  WORD AddTimer(WORD Interval, TNotifyEvent Callback);
  void RemoveTimer(WORD Ident);
  TStyTimerItem* TimerItemById(WORD Ident) const;
  // The 8 x 8 checkerboard: white where i + j is even, Color elsewhere.
  TBitmap* GetPattern(TColor Color);

  std::uint8_t GetOptions() const { return FOptions; }
  void SetOptions(std::uint8_t value) { FOptions = value; }
  std::uint8_t GetExplodeDelay() const { return FExplodeDelay; }
  void SetExplodeDelay(std::uint8_t value) { FExplodeDelay = value; }
  TStyIniCtrl* GetIniCtrl() const { return FIniCtrl.get(); }
  TStyTimerPool* GetTimerPool() const { return FTimerPool.get(); }
  HANDLE GetInstanceMutex() const { return FInstanceMutex; }
  // Where the settings store keeps its values in the registry by default:
  // "Software\" and the application's title with a trailing backslash, or
  // the program's full file name when the title is blank. Needs no object.
  static std::string GetDefaultRegPath();
  bool GetMutexExisted() const { return FMutexExisted; }

 private:
  std::uint8_t FOptions = 0x36;
  std::unique_ptr<TStyIniCtrl> FIniCtrl;
  std::uint8_t FExplodeDelay = 3;
  TColor FPatternColor = clNone;
  std::unique_ptr<TBitmap> FPattern;
  std::unique_ptr<TStyTimerPool> FTimerPool;
  HANDLE FInstanceMutex = nullptr;
  bool FMutexExisted = false;
};

extern TStyApplication* StyApplication;

// The styled library's start-up, in this order: the class library it stands
// on (InitApplication, counted there), the library's resources, the system
// flags, its classes for form reading, StyApplication and the global
// container StyContainer. A second start only counts.
//
// DoneStyApplication, matching the last start, undoes it in reverse: frees
// StyContainer and StyApplication (its timers, pattern and mutex), takes the
// classes and resources back and ends its start of the class library. A
// shutdown with no start to match does nothing.
void InitStyApplication();
void DoneStyApplication();

// What the library's controls call for a timer: AddTimer, raising
// EOutOfResources "Not enough timers available" when the pool is full.
WORD StyAddTimer(WORD Interval, TNotifyEvent Callback);
// Interval rounded up to a multiple of the shared pool's period, which is
// all the pool's items keep: another interval would be refused.
WORD StyPoolInterval(WORD Interval);
