// A library's shutdown takes its own classes back out of the registry, and
// no other library's.
#include <gtest/gtest.h>

#include "platform/vcl/Classes.h"

namespace {

class TSharedBase : public TComponent {
  DRUMS_CLASS(TSharedBase, TComponent)
 public:
  using TComponent::TComponent;
};

class TOwnLeaf : public TSharedBase {
  DRUMS_CLASS(TOwnLeaf, TSharedBase)
 public:
  using TSharedBase::TSharedBase;
};

class TLaterLeaf : public TSharedBase {
  DRUMS_CLASS(TLaterLeaf, TSharedBase)
 public:
  using TSharedBase::TSharedBase;
};

TEST(LibraryClasses, TakeBackWhatTheirRegistrationsAddedAndNothingElse) {
  RegisterClass(TSharedBase::StaticClass());  // another library's, started before
  TLibraryClasses own;
  own.Register([] { RegisterClasses({TOwnLeaf::StaticClass(), TSharedBase::StaticClass()}); });
  RegisterClass(TLaterLeaf::StaticClass());  // another library's, started after
  EXPECT_EQ(GetClass("TOwnLeaf"), TOwnLeaf::StaticClass());

  own.UnRegister();
  EXPECT_EQ(GetClass("TOwnLeaf"), nullptr);
  EXPECT_EQ(GetClass("TSharedBase"), TSharedBase::StaticClass());
  EXPECT_EQ(GetClass("TLaterLeaf"), TLaterLeaf::StaticClass());
  own.UnRegister();  // nothing left to take back
  EXPECT_EQ(GetClass("TSharedBase"), TSharedBase::StaticClass());

  own.Register([] { RegisterClass(TOwnLeaf::StaticClass()); });  // a new start registers again
  EXPECT_EQ(GetClass("TOwnLeaf"), TOwnLeaf::StaticClass());
  own.UnRegister();
  UnRegisterClass(TLaterLeaf::StaticClass());
  UnRegisterClass(TSharedBase::StaticClass());
}

}  // namespace
