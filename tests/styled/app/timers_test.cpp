// The shared timer pool on a driven clock, the application object's timer
// identifiers, pattern and cursor, and the window procedure component.
#include <string>
#include <vector>

#include "controls/styled/stycompo.h"
#include "styled/shared/fixture.h"
#include "platform/win/drums_ext.h"
#include "platform/win/drums_ext.h"
#include "platform/win/windows.h"

namespace styledtest {
namespace {

class Timers : public StyledProcs {
 protected:
  // One period of the shared pool's window timer passes.
  void Tick(int ms = 50) {
    win::clock::Advance(static_cast<std::uint64_t>(ms) * 1000);
    Pump();
  }
  TStyApplication* App() { return StyApplication; }
};

TEST_F(Timers, FirstIdentIsFD01AndComesBackAfterRemoval) {
  const WORD a = App()->AddTimer(100, [](TObject*) {});
  EXPECT_EQ(a, 0xFD01);
  EXPECT_EQ(App()->AddTimer(50, [](TObject*) {}), 0xFD02);
  App()->RemoveTimer(a);
  EXPECT_EQ(App()->TimerItemById(a), nullptr);
  EXPECT_EQ(App()->AddTimer(50, [](TObject*) {}), 0xFD01);
  App()->RemoveTimer(0xFD00);  // never handed out: ignored
  App()->RemoveTimer(0x1234);
  EXPECT_EQ(App()->GetTimerPool()->GetCount(), 2);
}

TEST_F(Timers, IntervalsFireOnTheirShareOfTicks) {
  int fast = 0, medium = 0, slow = 0;
  App()->AddTimer(50, [&](TObject* s) {
    EXPECT_EQ(s, App()->GetTimerPool());
    ++fast;
  });
  App()->AddTimer(100, [&](TObject*) { ++medium; });
  App()->AddTimer(300, [&](TObject*) { ++slow; });
  for (int i = 0; i < 6; ++i) Tick();
  EXPECT_EQ(fast, 6);
  EXPECT_EQ(medium, 3);
  EXPECT_EQ(slow, 1);
}

TEST_F(Timers, BadIntervalRaisesAndTakesNoSlot) {
  try {
    App()->AddTimer(75, [](TObject*) {});
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.GetMessage(), "Interval not compatible with MinInterval property!");
  }
  EXPECT_THROW(App()->AddTimer(0, [](TObject*) {}), Exception);
  EXPECT_EQ(App()->AddTimer(100, [](TObject*) {}), 0xFD01);
}

TEST_F(Timers, MaxCountStopsTheItemAndZeroKeepsItOff) {
  int n = 0;
  const WORD id = App()->AddTimer(50, [&](TObject*) { ++n; });
  TStyTimerItem* item = App()->TimerItemById(id);
  item->SetMaxCount(3);
  for (int i = 0; i < 6; ++i) Tick();
  EXPECT_EQ(n, 3);
  EXPECT_FALSE(item->GetEnabled());
  EXPECT_EQ(item->GetCounter(), 3);
  item->SetMaxCount(0);
  item->SetEnabled(true);
  EXPECT_FALSE(item->GetEnabled());
}

// A pool whose items are all off stops its window timer after the tick that
// finds them so (nothing wakes the program for nothing), and the first item
// enabled starts it again from its first tick.
TEST_F(Timers, APoolWithEveryItemOffSleepsUntilOneIsEnabled) {
  int n = 0;
  const WORD id = App()->AddTimer(100, [&](TObject*) { ++n; });
  TStyTimerItem* item = App()->TimerItemById(id);
  TStyTimerPool* pool = App()->GetTimerPool();
  item->SetEnabled(false);
  Tick();
  EXPECT_FALSE(pool->GetActive());
  item->SetEnabled(true);
  EXPECT_TRUE(pool->GetActive());
  Tick();
  EXPECT_EQ(n, 0) << "the 100 ms item waits for its second tick";
  Tick();
  EXPECT_EQ(n, 1);
  App()->RemoveTimer(id);
}

TEST_F(Timers, ItemIntervalsFollowTheMinimum) {
  const WORD id = App()->AddTimer(100, [](TObject*) {});
  TStyTimerItem* item = App()->TimerItemById(id);
  EXPECT_EQ(item->GetDivider(), 2);
  item->SetInterval(120);  // not a multiple of 50: ignored
  EXPECT_EQ(item->GetInterval(), 100);
  item->SetInterval(0);
  EXPECT_EQ(item->GetInterval(), 50);
  EXPECT_EQ(item->GetDivider(), 1);
  App()->GetTimerPool()->SetMinInterval(100);  // at run time: no change
  EXPECT_EQ(App()->GetTimerPool()->GetMinInterval(), 50);
}

TEST_F(Timers, ExceptionInACallbackIsReportedOnceAndTheTicksGoOn) {
  std::vector<std::string> shown;
  win::user::SetMessageBoxAnswer([&](const win::user::MessageBoxRecord& r) {
    shown.push_back(r.text);
    return IDOK;
  });
  int calls = 0, other = 0;
  App()->AddTimer(50, [&](TObject*) {
    if (++calls == 2) throw EConvertError("bad tick");
  });
  App()->AddTimer(50, [&](TObject*) { ++other; });
  for (int i = 0; i < 4; ++i) Tick();
  EXPECT_EQ(calls, 4);
  EXPECT_EQ(shown, std::vector<std::string>{"bad tick."});
  EXPECT_EQ(other, 3);  // the raising tick ended before it
  win::user::SetMessageBoxAnswer(nullptr);
  win::user::TakeMessageBoxRecords();
}

TEST_F(Timers, ABlockedLoopGetsOneTickNotABurst) {
  int n = 0;
  App()->AddTimer(50, [&](TObject*) { ++n; });
  Tick(500);
  EXPECT_EQ(n, 1);
  Tick();
  EXPECT_EQ(n, 2);
}

TEST_F(Timers, CallbacksMayAddAndRemoveItemsDuringATick) {
  std::vector<std::string> log;
  WORD second = 0, added = 0;
  App()->AddTimer(50, [&](TObject*) {
    log.push_back("first");
    if (second) {
      App()->RemoveTimer(second);
      second = 0;
      added = App()->AddTimer(50, [&](TObject*) { log.push_back("added"); });
    }
  });
  second = App()->AddTimer(50, [&](TObject*) { log.push_back("second"); });
  Tick();
  Tick();
  EXPECT_EQ(log, (std::vector<std::string>{"first", "added", "first", "added"}));
  EXPECT_EQ(added, 0xFD02);
}

TEST_F(Timers, AnItemThatRemovesItselfLetsTheNextOneFireOnTheSameTick) {
  std::vector<std::string> log;
  WORD first = 0;
  first = App()->AddTimer(50, [&](TObject*) {
    log.push_back("first");
    App()->RemoveTimer(first);
  });
  App()->AddTimer(50, [&](TObject*) { log.push_back("second"); });
  App()->AddTimer(50, [&](TObject*) { log.push_back("third"); });
  Tick();
  EXPECT_EQ(log, (std::vector<std::string>{"first", "second", "third"}));
  Tick();
  EXPECT_EQ(log, (std::vector<std::string>{"first", "second", "third", "second", "third"}));
}

TEST_F(Timers, FullPoolGivesZeroAndTheCallerRaises) {
  for (int i = 0; i < kStyTimerSlots; ++i) ASSERT_EQ(App()->AddTimer(50, nullptr), 0xFD01 + i);
  EXPECT_EQ(App()->AddTimer(50, nullptr), 0);
  try {
    StyAddTimer(50, nullptr);
    FAIL() << "no exception";
  } catch (const EOutOfResources& e) {
    EXPECT_EQ(e.GetMessage(), "Not enough timers available");
  }
  App()->RemoveTimer(0xFDFA);
  EXPECT_EQ(App()->AddTimer(50, nullptr), 0xFDFA);
}

TEST_F(Timers, PoolErrorsAndItsOwnEvent) {
  TStyTimerPool pool(nullptr, 50);
  std::vector<int> fired;
  pool.OnTimer = [&](TObject*, WORD ident, int counter) { fired.push_back(ident * 10 + counter); };
  pool.AddItem(7, 50, nullptr);
  try {
    pool.AddItem(7, 100, nullptr);
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.GetMessage(), "List index out of bounds (7)");
  }
  Tick();
  Tick();
  EXPECT_EQ(fired, (std::vector<int>{71, 72}));
  EXPECT_TRUE(pool.GetActive());
  pool.RemoveItem(7);
  EXPECT_FALSE(pool.GetActive());
  try {
    TStyTimerItem item(nullptr, 1, nullptr);
    FAIL() << "no exception";
  } catch (const EInvalidOperation& e) {
    EXPECT_EQ(e.GetMessage(), "TStyTimerItem: Invalid Owner or List");
  }
}

TEST_F(Timers, PatternIsACheckerboardCachedPerColour) {
  TBitmap* p = App()->GetPattern(clRed);
  EXPECT_EQ(p->GetWidth(), 8);
  for (int j = 0; j < 8; ++j)
    for (int i = 0; i < 8; ++i) EXPECT_EQ(p->GetCanvas()->GetPixels(i, j) & 0xFFFFFF, (i + j) % 2 ? clRed : clWhite);
  p->GetCanvas()->SetPixels(0, 0, clLime);  // the same colour is not drawn again
  EXPECT_EQ(App()->GetPattern(clRed)->GetCanvas()->GetPixels(0, 0) & 0xFFFFFF, clLime);
  EXPECT_EQ(App()->GetPattern(clBlue)->GetCanvas()->GetPixels(1, 0) & 0xFFFFFF, clBlue);
}

TEST_F(Timers, HandCursorIsRegisteredAsMinus255) {
  HCURSOR hand = Screen->GetCursors(crStyHand);
  ASSERT_NE(hand, nullptr);
  EXPECT_NE(hand, Screen->GetCursors(crDefault));
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(hand, &info));
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 7u);
  EXPECT_EQ(info.yHotspot, 0u);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  EXPECT_EQ(App()->GetOptions(), 0x36);
  EXPECT_EQ(App()->GetExplodeDelay(), 3);
  EXPECT_NE(App()->GetInstanceMutex(), nullptr);
}

}  // namespace
}  // namespace styledtest
