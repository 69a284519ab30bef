// The handle table behind kernel and GDI handles: stale handles must fail
// rather than reach a newer object, and a visit that empties a slot removes
// it.
#include <gtest/gtest.h>

#include <memory>

#include "platform/win/kernel/handle_table.h"
#include "platform/win/winbase.h"

namespace {

using win::kernel::HandleTable;

struct Thing {
  std::uintptr_t ownKey = 0;
};

TEST(HandleTable, KeysAreNeverReusedAndTakenOnesFail) {
  HandleTable<std::unique_ptr<Thing>> table(0x100);
  const std::uintptr_t a = table.Add(std::make_unique<Thing>());
  const std::uintptr_t b =
      table.Add(std::make_unique<Thing>(), [](std::unique_ptr<Thing>& t, std::uintptr_t key) { t->ownKey = key; });
  EXPECT_EQ(a, 0x100u);
  EXPECT_EQ(b, 0x104u);
  ASSERT_NE(table.Get(b), nullptr);
  EXPECT_EQ(table.Get(b)->ownKey, b) << "the stamp sees the key before anyone can find the object";

  std::unique_ptr<Thing> taken = table.Take(a);
  EXPECT_NE(taken, nullptr);
  EXPECT_EQ(table.Get(a), nullptr);
  EXPECT_EQ(table.Take(a), nullptr);
  EXPECT_EQ(table.Size(), 1u);
  EXPECT_EQ(table.Add(std::make_unique<Thing>()), 0x108u) << "a freed key is not handed out again";
  EXPECT_EQ(table.Get(0x102), nullptr);
}

TEST(HandleTable, AVisitKeepsOrRemovesBySlot) {
  HandleTable<std::shared_ptr<Thing>> table(4);
  const std::uintptr_t key = table.Add(std::make_shared<Thing>());
  EXPECT_FALSE(table.With(0x999, [](std::shared_ptr<Thing>* slot) { return slot != nullptr; }));
  // Looking leaves the object in place; the caller shares it.
  std::shared_ptr<Thing> seen = table.Find(key);
  EXPECT_EQ(seen.use_count(), 2);
  EXPECT_TRUE(table.With(key, [](std::shared_ptr<Thing>* slot) { return slot != nullptr; }));
  EXPECT_EQ(table.Size(), 1u);
  // Moving the object out of its slot removes the key.
  std::shared_ptr<Thing> out;
  table.With(key, [&](std::shared_ptr<Thing>* slot) { out = std::move(*slot); });
  EXPECT_EQ(out, seen);
  EXPECT_EQ(table.Size(), 0u);
  EXPECT_EQ(table.Find(key), nullptr);
}

TEST(KernelHandles, AClosedHandleIsRefusedAndNotReused) {
  HANDLE first = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  ASSERT_NE(first, nullptr);
  ASSERT_TRUE(CloseHandle(first));
  SetLastError(0);
  EXPECT_FALSE(CloseHandle(first));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  EXPECT_FALSE(SetEvent(first));
  HANDLE second = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  EXPECT_NE(second, first);
  CloseHandle(second);
}

}  // namespace
