// Collections: items, order, identities and change reports.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "SampleComponents.h"

using namespace sample;

namespace {

// Records each Update: "item:<index>" or "all".
class TRecordingCollection : public TCollection {
  DRUMS_CLASS(TRecordingCollection, TCollection)

 public:
  TRecordingCollection() : TCollection(TSampleItem::StaticClass()) {}
  std::vector<std::string> FUpdates;

 protected:
  void Update(TCollectionItem* item) override {
    FUpdates.push_back(item == nullptr ? "all" : "item:" + std::to_string(item->GetIndex()));
  }
};

class TChattyItem : public TSampleItem {
  DRUMS_CLASS(TChattyItem, TSampleItem)

 public:
  using TSampleItem::TSampleItem;
  void Touch() { Changed(false); }
};

TSampleItem* At(TCollection& c, int i) {
  return static_cast<TSampleItem*>(c.GetItem(i));
}

TEST(Collections, ItemsKeepTheirIdentityWhileTheyMove) {
  TCollection c(TSampleItem::StaticClass());
  for (const char* name : {"a", "b", "c"}) static_cast<TSampleItem*>(c.Add())->FName = name;
  EXPECT_EQ(At(c, 2)->GetID(), 2);
  At(c, 2)->SetIndex(0);
  EXPECT_EQ(At(c, 0)->FName, "c");
  EXPECT_EQ(At(c, 0)->GetIndex(), 0);
  EXPECT_EQ(At(c, 1)->FName, "a");
  c.Delete(1);
  auto* inserted = static_cast<TSampleItem*>(c.Insert(1));
  EXPECT_EQ(inserted->GetID(), 3);  // identities are never reused
  EXPECT_EQ(c.FindItemID(3), inserted);
  EXPECT_EQ(c.FindItemID(0), nullptr);
  EXPECT_EQ(c.GetCount(), 3);
  try {
    c.GetItem(5);
    FAIL() << "no error";
  } catch (const EListError& e) {
    EXPECT_STREQ(e.what(), "List index out of bounds (5)");
  }
  delete inserted;  // an item deleted alone leaves its collection
  EXPECT_EQ(c.GetCount(), 2);
}

TEST(Collections, ChangesAreReportedOncePerUpdateBracket) {
  TRecordingCollection c;
  c.Add();
  EXPECT_EQ(c.FUpdates, std::vector<std::string>{"all"});
  c.FUpdates.clear();
  c.BeginUpdate();
  c.Add();
  c.Add();
  c.Delete(0);
  EXPECT_TRUE(c.FUpdates.empty());
  c.EndUpdate();
  EXPECT_EQ(c.FUpdates, std::vector<std::string>{"all"});
}

TEST(Collections, AnItemReportsItsOwnChange) {
  TRecordingCollection c;
  auto* item = new TChattyItem(&c);
  new TChattyItem(&c);
  c.FUpdates.clear();
  static_cast<TChattyItem*>(c.GetItem(1))->Touch();
  item->SetIndex(1);
  EXPECT_EQ(c.FUpdates, (std::vector<std::string>{"item:1", "all"}));
}

TEST(Collections, AssignCopiesEveryItem) {
  TCollection source(TSampleItem::StaticClass()), target(TSampleItem::StaticClass());
  static_cast<TSampleItem*>(source.Add())->FName = "Kick";
  static_cast<TSampleItem*>(source.Add())->FVoices = 4;
  target.Add();
  target.Add();
  target.Add();
  target.Assign(&source);
  ASSERT_EQ(target.GetCount(), 2);
  EXPECT_EQ(At(target, 0)->FName, "Kick");
  EXPECT_EQ(At(target, 1)->FVoices, 4);
  TSampleBevel bevel;
  EXPECT_THROW(target.Assign(&bevel), EConvertError);
}

// Each item removed by a search for its place would make clearing a large
// collection quadratic (a wave collection of 100,000 empty items took 47 s).
// Clearing, and freeing the collection, look up no item; an item deleted on
// its own still leaves its place.
TEST(Collections, ClearingLooksUpNoItem) {
  struct Case {
    const char* how;
    void (*empty)(TCollection*&);
  };
  const Case cases[] = {
      {"Clear", [](TCollection*& c) { c->Clear(); }},
      {"destructor",
       [](TCollection*& c) {
         delete c;
         c = nullptr;
       }},
  };
  for (const Case& k : cases) {
    auto* c = new TCollection(TSampleItem::StaticClass());
    for (int i = 0; i < 20000; ++i) c->Add();
    const std::uint64_t before = vcl::detail::CollectionItemSearches();
    k.empty(c);
    EXPECT_EQ(vcl::detail::CollectionItemSearches() - before, 0u) << k.how;
    if (c) {
      EXPECT_EQ(c->GetCount(), 0) << k.how;
    }
    delete c;
  }
  TCollection c(TSampleItem::StaticClass());
  for (const char* name : {"a", "b", "c"}) static_cast<TSampleItem*>(c.Add())->FName = name;
  delete c.GetItem(1);
  ASSERT_EQ(c.GetCount(), 2);
  EXPECT_EQ(At(c, 1)->FName, "c");
}

TEST(Collections, ItemClassThatIsNoItemIsRefused) {
  TCollection c(TSampleBevel::StaticClass());
  EXPECT_THROW(c.Add(), EInvalidOperation);
  EXPECT_EQ(c.GetCount(), 0);
}

}  // namespace
