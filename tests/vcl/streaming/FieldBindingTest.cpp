// Published fields: a root's component pointers filled by name when its
// components are read or named, and cleared when they go.
#include <gtest/gtest.h>

#include <string>

#include "SampleComponents.h"

using namespace sample;

namespace {

class TFieldRoot : public TComponent {
  DRUMS_CLASS(TFieldRoot, TComponent)

 public:
  using TComponent::TComponent;
  TSample* Pad = nullptr;
  TSample* Spare = nullptr;
  TComponent* Anything = nullptr;  // takes a component of any class

 private:
  static void Publish(TPublisher<TFieldRoot>& p) {
    p.Field("Pad", &TFieldRoot::Pad);
    p.Field("spare", &TFieldRoot::Spare);  // names match without regard to case
    p.Field("Anything", &TFieldRoot::Anything);
  }
};

// Its parent's fields and one of its own.
class TDerivedFieldRoot : public TFieldRoot {
  DRUMS_CLASS(TDerivedFieldRoot, TFieldRoot)

 public:
  using TFieldRoot::TFieldRoot;
  TSample* Extra = nullptr;

 private:
  static void Publish(TPublisher<TDerivedFieldRoot>& p) { p.Field("Extra", &TDerivedFieldRoot::Extra); }
};

void Read(const std::string& text, TComponent& root) {
  TStringStream in(text);
  TMemoryStream binary;
  ObjectTextToBinary(&in, &binary);
  binary.SetPosition(0);
  ReadComponent(&binary, &root);
}

const char* const kForm =
    "object Root: TFieldRoot\n"
    "  object Pad: TSample\n"
    "    Caption = 'pad'\n"
    "    Buddy = Spare\n"
    "  end\n"
    "  object Spare: TSample\n"
    "  end\n"
    "  object Loose: TSample\n"  // no field of this name: simply owned
    "  end\n"
    "  object Extra: TSample\n"
    "  end\n"
    "  object Anything: TSampleRoot\n"
    "  end\n"
    "end\n";

class FieldBinding : public ::testing::Test {
 protected:
  void SetUp() override { RegisterSampleClasses(); }
};

TEST_F(FieldBinding, ReadingARootFillsItsOwnAndInheritedFields) {
  TFieldRoot base(nullptr);
  TDerivedFieldRoot derived(nullptr);
  for (TFieldRoot* root : {&base, static_cast<TFieldRoot*>(&derived)}) {
    SCOPED_TRACE(root->ClassName());
    Read(kForm, *root);
    ASSERT_NE(root->Pad, nullptr);
    EXPECT_EQ(root->Pad, root->FindComponent("Pad"));
    EXPECT_EQ(root->Pad->FCaption, "pad");
    EXPECT_EQ(root->Spare, root->FindComponent("Spare"));
    EXPECT_EQ(root->Pad->GetBuddy(), root->Spare);
    EXPECT_EQ(root->Anything, root->FindComponent("Anything"));
    EXPECT_NE(root->FindComponent("Loose"), nullptr);
    EXPECT_EQ(root->GetComponentCount(), 5);
  }
  EXPECT_EQ(derived.Extra, derived.FindComponent("Extra"));
  EXPECT_NE(derived.Extra, nullptr);
}

TEST_F(FieldBinding, AComponentOfAnotherClassThanItsFieldFailsTheRead) {
  struct Case {
    const char* what;
    const char* text;
    const char* message;
  } cases[] = {
      {"inherited field", "object Root: TDerivedFieldRoot\n  object Pad: TSampleRoot\n  end\nend\n",
       "Field TDerivedFieldRoot.Pad needs a TSample, not a TSampleRoot"},
      {"own field, name in other case", "object Root: TDerivedFieldRoot\n  object extra: TSampleRoot\n  end\nend\n",
       "Field TDerivedFieldRoot.Extra needs a TSample, not a TSampleRoot"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TDerivedFieldRoot root(nullptr);
    try {
      Read(c.text, root);
      FAIL() << "no error";
    } catch (const EReadError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
    // The misfit is not kept, nor left in any field.
    EXPECT_EQ(root.Pad, nullptr);
    EXPECT_EQ(root.Extra, nullptr);
    EXPECT_EQ(root.FindComponent("Pad"), nullptr);
    EXPECT_EQ(root.FindComponent("Extra"), nullptr);
  }
}

TEST_F(FieldBinding, AComponentLeavingItsNameOrOwnerClearsTheField) {
  struct Case {
    const char* what;
    void (*leave)(TFieldRoot& root, TSample* pad);
  } cases[] = {
      {"freed", [](TFieldRoot&, TSample* pad) { delete pad; }},
      {"renamed", [](TFieldRoot&, TSample* pad) { pad->SetName("Drum"); }},
      {"unnamed", [](TFieldRoot&, TSample* pad) { pad->SetName(""); }},
      {"removed from its owner",
       [](TFieldRoot& root, TSample* pad) {
         root.RemoveComponent(pad);
         delete pad;
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TFieldRoot root(nullptr);
    Read(kForm, root);
    TSample* pad = root.Pad;
    TSample* spare = root.Spare;
    ASSERT_NE(pad, nullptr);
    c.leave(root, pad);
    EXPECT_EQ(root.Pad, nullptr);
    EXPECT_EQ(root.Spare, spare);  // the others stay
  }
}

TEST_F(FieldBinding, NamingInCodeBindsMovesAndChecksTheClass) {
  TFieldRoot root(nullptr);
  auto* drum = new TSample(&root);
  EXPECT_EQ(root.Pad, nullptr);
  drum->SetName("pad");
  EXPECT_EQ(root.Pad, drum);
  // From one field to another.
  drum->SetName("Spare");
  EXPECT_EQ(root.Pad, nullptr);
  EXPECT_EQ(root.Spare, drum);

  // A component of another class keeps its old name and touches no field.
  auto* other = new TSampleRoot(&root);
  other->SetName("Other");
  try {
    other->SetName("Pad");
    FAIL() << "no error";
  } catch (const EComponentError& e) {
    EXPECT_STREQ(e.what(), "Field TFieldRoot.Pad needs a TSample, not a TSampleRoot");
  }
  EXPECT_EQ(other->GetName(), "Other");
  EXPECT_EQ(root.Pad, nullptr);

  // A named component given to the root binds; one without an owner binds nothing.
  auto* loose = new TSample(nullptr);
  loose->SetName("Pad");
  EXPECT_EQ(root.Pad, nullptr);
  root.InsertComponent(loose);
  EXPECT_EQ(root.Pad, loose);
  root.RemoveComponent(loose);
  EXPECT_EQ(root.Pad, nullptr);
  delete loose;
}

TEST_F(FieldBinding, AFieldSetInCodeToAnotherComponentIsNotClearedByTheNamedOne) {
  TFieldRoot root(nullptr);
  Read(kForm, root);
  TSample* pad = root.Pad;
  TSample stranger(nullptr);
  root.Pad = &stranger;
  delete pad;
  EXPECT_EQ(root.Pad, &stranger);
}

}  // namespace
