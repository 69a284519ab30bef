// One window timer shared by many timed items: the pool ticks every
// MinInterval milliseconds and fires each enabled item on every
// (Interval / MinInterval)-th tick, counted from the last (re)start.
#pragma once

#include <cstdint>
#include <vector>

#include "controls/styled/styclass/StyObject.h"
#include "platform/win/windows.h"

using TStyTimerInterval = std::uint16_t;  // 1..65535
using TStyTimerPoolEvent = TEvent<void(TObject* Sender, WORD Ident, int Counter)>;

class TStyTimerPool;

class TStyTimerItem : public TObject {
  DRUMS_CLASS(TStyTimerItem, TObject)
 public:
  // Appends itself to List; a null Pool or List raises EInvalidOperation.
  TStyTimerItem(TStyTimerPool* Pool, WORD Ident, std::vector<TStyTimerItem*>* List);
  // Disables the item, drops its callback and leaves the pool's list.
  ~TStyTimerItem() override;

  int GetMaxCount() const { return FMaxCount; }
  void SetMaxCount(int value) { FMaxCount = value; }
  int GetCounter() const { return FCounter; }
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool value);
  WORD GetIdent() const { return FIdent; }
  WORD GetInterval() const { return FInterval; }
  // 0 means MinInterval; a value that is not a multiple of it is ignored.
  void SetInterval(WORD value);
  int GetDivider() const { return FDivider; }
  TNotifyEvent OnTimer;

 private:
  friend class TStyTimerPool;
  void Fire();
  int FMaxCount = -1;
  int FCounter = 0;
  bool FEnabled = false;
  WORD FIdent;
  WORD FInterval = 1000;
  int FDivider = 1;
  std::uint64_t FSeenInRound = 0;  // the pool's tick round that last visited it
  std::vector<TStyTimerItem*>* FList;
  TStyTimerPool* FPool;
};

class TStyTimerPool : public TStyComponent {
  DRUMS_CLASS(TStyTimerPool, TStyComponent)
 public:
  explicit TStyTimerPool(TComponent* AOwner);
  TStyTimerPool(TComponent* AOwner, TStyTimerInterval MinInterval);
  ~TStyTimerPool() override;

  // Returns the new item's index. Raises when Ident is already taken or
  // Interval is not a positive multiple of MinInterval.
  int AddItem(WORD Ident, WORD Interval, TNotifyEvent Callback);
  void RemoveItem(WORD Ident);
  void Clear();
  TStyTimerItem* ItemById(WORD Ident) const;
  int IndexOf(WORD Ident) const;
  int EnabledCount() const;
  int GetCount() const { return static_cast<int>(FItems.size()); }
  TStyTimerItem* GetItems(int index) const { return FItems.at(static_cast<size_t>(index)); }
  // Kills the window timer and, with Run and an enabled item, starts it
  // again from tick 1.
  void UpdateTimer(bool Run);

  TStyTimerInterval GetMinInterval() const { return FMinInterval; }
  // Changes only while loading or designing.
  void SetMinInterval(TStyTimerInterval value);
  bool GetActive() const { return FActive; }
  HWND GetWindow() const { return FWindow; }
  TStyTimerPoolEvent OnTimer;

  static void Publish(TPublisher<TStyTimerPool>& p);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void Tick();
  void DestroyWindowHandle();

  bool FActive = false;
  bool FInTick = false;
  HWND FWindow = nullptr;
  std::int32_t FTickCounter = 1;
  std::uint64_t FRound = 0;  // counts the ticks that visited the items
  TStyTimerInterval FMinInterval = 1000;
  std::vector<TStyTimerItem*> FItems;
  bool FSuspended = false;
};
