#include <gtest/gtest.h>

#include "platform/vcl/rtl/Exceptions.h"

namespace {

TEST(Exceptions, FormattedMessageAndWhatAgree) {
  EListError e("List index out of bounds (%d)", {7});
  EXPECT_EQ(e.GetMessage(), "List index out of bounds (7)");
  EXPECT_STREQ(e.what(), "List index out of bounds (7)");
  EXPECT_STREQ(e.ClassName(), "EListError");
  e.SetMessage("changed");
  EXPECT_STREQ(e.what(), "changed");
}

TEST(Exceptions, FilerErrorsAreCaughtAsStreamErrors) {
  // Stream code catches EStreamError and must see the component-reading failures too.
  EXPECT_THROW(throw EReadError("r"), EFilerError);
  EXPECT_THROW(throw EWriteError("w"), EStreamError);
  EXPECT_THROW(throw EClassNotFound("c"), EFilerError);
  EXPECT_THROW(throw EFOpenError("o"), EStreamError);
  EXPECT_THROW(throw EOutOfResources("o"), EOutOfMemory);
  EXPECT_THROW(throw EZeroDivide("z"), EMathError);
  EXPECT_THROW(throw ERangeError("r"), EIntError);
  try {
    Abort();
  } catch (const Exception& e) {
    EXPECT_STREQ(e.ClassName(), "EAbort");
  }
}

}  // namespace
