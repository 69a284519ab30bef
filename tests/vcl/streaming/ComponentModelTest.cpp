// Class references, the published tables, assignment, and components:
// ownership, names, notifications.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SampleComponents.h"

using namespace sample;

namespace {

// Records the notifications it receives as "insert:<name>" / "remove:<name>".
class TListener : public TComponent {
  DRUMS_CLASS(TListener, TComponent)

 public:
  using TComponent::TComponent;
  std::vector<std::string> FHeard;

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    FHeard.push_back((operation == opInsert ? "insert:" : "remove:") + component->GetName());
  }
};

TEST(ClassReferences, DescribeTheClassAndBuildInstances) {
  RegisterSampleClasses();
  TClass cls = FindClass("tsample");
  ASSERT_EQ(cls, TSample::StaticClass());
  EXPECT_STREQ(cls->ClassName(), "TSample");
  EXPECT_EQ(cls->ClassParent(), TComponent::StaticClass());
  EXPECT_TRUE(cls->InheritsFrom(TPersistent::StaticClass()));
  EXPECT_FALSE(TSampleItem::StaticClass()->InheritsFrom(TComponent::StaticClass()));

  TComponent owner(nullptr);
  TObject* built = cls->Create(&owner);
  EXPECT_EQ(built->ClassName(), "TSample");
  EXPECT_TRUE(built->ClassNameIs("tsample"));
  EXPECT_EQ(owner.GetComponentCount(), 1);
  EXPECT_EQ(owner.GetComponents(0), built);
  // Registering a class registers its ancestors too.
  EXPECT_EQ(GetClass("TPersistent"), TPersistent::StaticClass());
}

TEST(ClassReferences, MissingClassesAreReported) {
  RegisterSampleClasses();
  EXPECT_EQ(GetClass("TNope"), nullptr);
  try {
    FindClass("TNope");
    FAIL() << "no error";
  } catch (const EClassNotFound& e) {
    EXPECT_STREQ(e.what(), "Class TNope not found");
  }
  UnRegisterClass(TSampleRoot::StaticClass());
  EXPECT_EQ(GetClass("TSampleRoot"), nullptr);
  RegisterClass<TSampleRoot>();
  EXPECT_EQ(GetClass("TSampleRoot"), TSampleRoot::StaticClass());
}

TEST(PublishedTables, ExtendTheParentsTableInOrder) {
  const TPublishedTable& table = TSample::StaticClass()->Published();
  std::vector<std::string> names;
  for (const TPropInfo& p : table.Props()) names.push_back(p.Name);
  ASSERT_GE(names.size(), 3u);
  EXPECT_EQ(names[0], "Name");
  EXPECT_EQ(names[1], "Tag");
  EXPECT_EQ(names[2], "Small");
  EXPECT_EQ(table.FindProp("sMALL"), &table.Props()[2]);
  EXPECT_EQ(table.FindProp("Nope"), nullptr);
  // Kinds follow from the C++ types.
  EXPECT_EQ(table.FindProp("Styles")->Kind, TPropKind::Set);
  EXPECT_EQ(table.FindProp("Align")->Kind, TPropKind::Enumeration);
  EXPECT_EQ(table.FindProp("Bevel")->Kind, TPropKind::Class);
  EXPECT_EQ(table.FindProp("Buddy")->Kind, TPropKind::Component);
  EXPECT_EQ(table.FindProp("OnPing")->Kind, TPropKind::Method);
  EXPECT_EQ(table.FindProp("Mark")->Kind, TPropKind::Char);
  EXPECT_EQ(table.FindProp("Tag")->OrdSize, static_cast<int>(sizeof(void*)));
  // Methods belong to the class that publishes them only.
  EXPECT_NE(TSampleRoot::StaticClass()->Published().FindMethod("pinghandler"), nullptr);
  EXPECT_EQ(TSample::StaticClass()->Published().FindMethod("PingHandler"), nullptr);
}

TEST(Assignment, UnrelatedClassesCannotBeAssigned) {
  TSampleBevel bevel;
  TCollection items(TSampleItem::StaticClass());
  TCollectionItem* item = items.Add();
  struct Case {
    TPersistent* source;
    const char* message;
  } cases[] = {
      {item, "Cannot assign a TSampleItem to a TSampleBevel"},
      {nullptr, "Cannot assign a nil to a TSampleBevel"},
  };
  for (const Case& c : cases) {
    try {
      bevel.Assign(c.source);
      ADD_FAILURE() << "no error";
    } catch (const EConvertError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

TEST(Components, OwnerDeletesWhatItOwnsAndForgetsWhatIsDeleted) {
  auto* owner = new TComponent(nullptr);
  auto* a = new TSample(owner);
  auto* b = new TSample(owner);
  a->SetName("A");
  b->SetName("B");
  EXPECT_EQ(b->GetComponentIndex(), 1);
  b->SetComponentIndex(0);
  EXPECT_EQ(owner->GetComponents(0), b);
  delete b;
  EXPECT_EQ(owner->GetComponentCount(), 1);
  EXPECT_EQ(owner->FindComponent("B"), nullptr);
  EXPECT_THROW(owner->GetComponents(1), EListError);
  delete owner;  // deletes A; ASan reports a leak or a double delete
}

TEST(Components, NamesAreIdentifiersUniqueWithinTheOwner) {
  TComponent owner(nullptr);
  auto* a = new TSample(&owner);
  auto* b = new TSample(&owner);
  a->SetName("Pad");
  EXPECT_EQ(owner.FindComponent("PAD"), a);
  try {
    b->SetName("pad");
    FAIL() << "no error";
  } catch (const EComponentError& e) {
    EXPECT_STREQ(e.what(), "A component named pad already exists");
  }
  a->SetName("PAD");  // only the case changes: still its own name
  EXPECT_EQ(a->GetName(), "PAD");
  for (const char* bad : {"1abc", "a b", "a-b"}) EXPECT_THROW(b->SetName(bad), EComponentError) << bad;
  try {
    b->SetName("1abc");
  } catch (const EComponentError& e) {
    EXPECT_STREQ(e.what(), "'1abc' is not a valid component name");
  }
  EXPECT_NO_THROW(b->SetName(""));
  EXPECT_NO_THROW(a->SetName(""));  // empty names never clash
}

TEST(Components, OwnerAndSiblingsHearOfInsertionsAndRemovals) {
  TListener owner(nullptr);
  owner.SetName("Owner");
  auto* sibling = new TListener(&owner);
  sibling->SetName("Sibling");
  auto* child = new TSample(nullptr);
  child->SetName("Child");
  owner.InsertComponent(child);
  owner.FHeard.clear();
  sibling->FHeard.clear();
  delete child;
  EXPECT_EQ(owner.FHeard, std::vector<std::string>{"remove:Child"});
  EXPECT_EQ(sibling->FHeard, std::vector<std::string>{"remove:Child"});
}

TEST(Components, FreeNotificationReachesComponentsOfOtherOwners) {
  TComponent formA(nullptr), formB(nullptr);
  auto* watcher = new TListener(&formA);
  auto* watched = new TSample(&formB);
  watched->SetName("Watched");
  watched->FreeNotification(watcher);
  delete watched;
  EXPECT_EQ(watcher->FHeard, std::vector<std::string>{"remove:Watched"});

  auto* second = new TSample(&formB);
  second->SetName("Second");
  second->FreeNotification(watcher);
  second->RemoveFreeNotification(watcher);
  watcher->FHeard.clear();
  delete second;
  EXPECT_TRUE(watcher->FHeard.empty());
}

TEST(Components, WatcherDeletedFirstLeavesNoDanglingLink) {
  TComponent formA(nullptr), formB(nullptr);
  auto* watcher = new TListener(&formA);
  auto* watched = new TSample(&formB);
  watched->FreeNotification(watcher);
  delete watcher;
  delete watched;  // would touch the deleted watcher if the link were kept
}

TEST(Components, NamePathsFollowOwners) {
  TSample sample(nullptr);
  sample.SetName("S1");
  sample.GetItems()->Add();
  sample.GetItems()->Add();
  EXPECT_EQ(sample.GetNamePath(), "S1");
  EXPECT_EQ(sample.GetItems()->GetItem(1)->GetNamePath(), "S1.Items[1]");
  EXPECT_EQ(sample.GetBevel()->GetNamePath(), "TSampleBevel");
}

}  // namespace
