#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/vcl/classes/components/Component.h"
#include "platform/vcl/classes/components/WeakRef.h"

namespace {

// A component's weak references turn null when it goes, however they were
// made, moved or dropped before: the links form one list that must stay
// whole when any of them leaves.
TEST(TWeakRef, EveryReferenceLeftTurnsNullWhenTheComponentIsDeleted) {
  auto* component = new TComponent(nullptr);
  auto* other = new TComponent(nullptr);
  std::vector<std::unique_ptr<TWeakRef<>>> refs;
  for (int i = 0; i < 5; i++) refs.push_back(std::make_unique<TWeakRef<>>(component));
  refs[0].reset();  // the newest link, at the far end of the list
  refs[2].reset();  // one in the middle
  refs[4].reset();  // the head
  refs[3]->Reset(other);
  for (const auto& ref : refs) {
    if (ref) {
      EXPECT_TRUE(*ref);
    }
  }
  delete component;
  EXPECT_FALSE(*refs[1]);
  EXPECT_EQ(refs[1]->Get(), nullptr);
  EXPECT_EQ(refs[3]->Get(), other) << "moved to another component before";
  delete other;
  EXPECT_FALSE(*refs[3]);
  TWeakRef<> none;
  EXPECT_FALSE(none);
}

TEST(TWeakRef, OwnedComponentsReferencesTurnNullWithTheirOwner) {
  auto* owner = new TComponent(nullptr);
  auto* child = new TComponent(owner);
  TWeakRef<> toOwner(owner), toChild(child);
  delete owner;
  EXPECT_FALSE(toOwner);
  EXPECT_FALSE(toChild);
}

}  // namespace
