#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/vcl/classes/lists/Lists.h"
#include "platform/vcl/rtl/Exceptions.h"

namespace {

void* P(std::intptr_t v) {
  return reinterpret_cast<void*>(v);
}
std::intptr_t V(void* p) {
  return reinterpret_cast<std::intptr_t>(p);
}

std::vector<std::intptr_t> Items(const TList& list) {
  std::vector<std::intptr_t> out;
  for (int i = 0; i < list.GetCount(); ++i) out.push_back(V(list.Get(i)));
  return out;
}

// Records the notifications a list sends.
class RecordingList : public TList {
 public:
  std::vector<std::string> log;

 protected:
  void Notify(void* item, TListNotification action) override {
    static const char* names[] = {"added", "extracted", "deleted"};
    log.push_back(std::string(names[action]) + " " + std::to_string(V(item)));
  }
};

TEST(TList, BadIndexesRaiseListErrorWithTheIndex) {
  TList list;
  list.Add(P(1));
  list.Add(P(2));
  const std::vector<std::pair<std::function<void()>, int>> cases = {
      {[&] { list.Get(2); }, 2},     {[&] { list.Get(-1); }, -1},        {[&] { list.Put(5, P(0)); }, 5},
      {[&] { list.Delete(2); }, 2},  {[&] { list.Insert(3, P(0)); }, 3}, {[&] { list.Exchange(0, 9); }, 9},
      {[&] { list.Move(0, 2); }, 2}, {[&] { list.Move(-1, 0); }, -1},
  };
  for (const auto& [action, index] : cases) {
    try {
      action();
      ADD_FAILURE() << "no error for index " << index;
    } catch (const EListError& e) {
      EXPECT_EQ(e.GetMessage(), "List index out of bounds (" + std::to_string(index) + ")");
    }
  }
  TList empty;
  EXPECT_THROW(empty.First(), EListError);
  EXPECT_THROW(empty.Last(), EListError);
  EXPECT_EQ(Items(list), (std::vector<std::intptr_t>{1, 2}));  // nothing changed on the way
  try {
    list.SetCapacity(1);
    ADD_FAILURE();
  } catch (const EListError& e) {
    EXPECT_EQ(e.GetMessage(), "List capacity out of bounds (1)");
  }
}

TEST(TList, ReorderingOperations) {
  TList list;
  for (int v : {5, 0, 3, 0, 1}) list.Add(P(v));
  list.Pack();
  EXPECT_EQ(Items(list), (std::vector<std::intptr_t>{5, 3, 1}));
  list.Move(0, 2);
  EXPECT_EQ(Items(list), (std::vector<std::intptr_t>{3, 1, 5}));
  list.Exchange(0, 1);
  EXPECT_EQ(Items(list), (std::vector<std::intptr_t>{1, 3, 5}));
  list.Insert(1, P(2));
  EXPECT_EQ(list.Remove(P(3)), 2);
  EXPECT_EQ(list.Remove(P(42)), -1);
  EXPECT_EQ(Items(list), (std::vector<std::intptr_t>{1, 2, 5}));
  EXPECT_EQ(V(list.First()), 1);
  EXPECT_EQ(V(list.Last()), 5);
  list.SetCount(4);
  EXPECT_EQ(Items(list), (std::vector<std::intptr_t>{1, 2, 5, 0}));
}

TEST(TList, SortOrdersByTheComparison) {
  TList list;
  for (int v : {9, 2, 7, 2, 11, -4, 0, 5, 5, 1}) list.Add(P(v));
  list.Sort([](void* a, void* b) { return V(a) < V(b) ? -1 : V(a) > V(b) ? 1 : 0; });
  EXPECT_EQ(Items(list), (std::vector<std::intptr_t>{-4, 0, 1, 2, 2, 5, 5, 7, 9, 11}));
  // A comparison that is no order at all must not run off the list.
  list.Sort([](void*, void*) { return -1; });
  EXPECT_EQ(list.GetCount(), 10);
}

TEST(TList, CapacityGrowsInTheLibrarysSteps) {
  TList list;
  std::vector<int> capacities;
  for (int i = 0; i < 100; ++i) {
    list.Add(P(i));
    if (capacities.empty() || capacities.back() != list.GetCapacity()) capacities.push_back(list.GetCapacity());
  }
  EXPECT_EQ(capacities, (std::vector<int>{4, 8, 12, 28, 44, 60, 76, 95, 118}));
  list.Clear();
  EXPECT_EQ(list.GetCount(), 0);
  EXPECT_EQ(list.GetCapacity(), 0);
}

TEST(TList, NotificationsFollowAddRemoveAndExtract) {
  RecordingList list;
  list.Add(P(1));
  list.Add(nullptr);  // nil items are never announced
  list.Add(P(2));
  list.Put(0, P(3));
  EXPECT_EQ(list.Extract(P(2)), P(2));
  EXPECT_EQ(list.Extract(P(9)), nullptr);
  list.Clear();
  EXPECT_EQ(list.log,
            (std::vector<std::string>{"added 1", "added 2", "deleted 1", "added 3", "extracted 2", "deleted 3"}));
}

TEST(TThreadList, LockedAccessAndDuplicates) {
  TThreadList list;
  list.Add(P(1));
  list.Add(P(1));  // ignored by default
  EXPECT_EQ(list.LockList()->GetCount(), 1);
  list.UnlockList();
  list.SetDuplicates(dupError);
  EXPECT_THROW(list.Add(P(1)), EListError);
  list.SetDuplicates(dupAccept);
  list.Add(P(1));
  TList* locked = list.LockList();
  locked->Add(P(2));  // the lock is recursive: Add inside LockList works
  list.Add(P(3));
  EXPECT_EQ(Items(*locked), (std::vector<std::intptr_t>{1, 1, 2, 3}));
  list.UnlockList();
  list.Remove(P(1));
  list.Clear();
  EXPECT_EQ(list.LockList()->GetCount(), 0);
  list.UnlockList();
}

TEST(TBits, GrowsOnWriteAndFindsTheFirstOpenBit) {
  TBits bits;
  EXPECT_EQ(bits.OpenBit(), 0);
  bits.SetBits(0, true);
  bits.SetBits(1, true);
  bits.SetBits(5, false);
  EXPECT_EQ(bits.GetSize(), 6);
  EXPECT_EQ(bits.OpenBit(), 2);
  for (int i = 2; i < 6; ++i) bits.SetBits(i, true);
  EXPECT_EQ(bits.OpenBit(), 6);  // all set: the size
  EXPECT_TRUE(bits[5]);
  EXPECT_THROW(bits.GetBits(6), EBitsError);
  EXPECT_THROW(bits.SetBits(-1, true), EBitsError);
  bits.SetSize(3);
  EXPECT_THROW(bits.GetBits(4), EBitsError);
}

}  // namespace
