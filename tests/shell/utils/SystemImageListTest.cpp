// The share and link overlays join the system image lists once, and only
// where comctl32 is new enough to draw them.
#include <gtest/gtest.h>

#include "controls/shell/UNavShell95.h"
#include "controls/shell/UNavShellUtils.h"
#include "platform/win/drums_ext.h"
#include "tests/shell/shared/ShellHome.h"

namespace {

class SystemImageListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitNavShell95();
    ResetNavOverlays();
    ResetNavSystemInfo();
  }
  void TearDown() override {
    win::version::ResetFileVersions();
    ResetNavSystemInfo();
    DoneNavShell95();
  }
  static int Count(TNavIconSize size) {
    SHFILEINFOA info{};
    auto list = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | (size == isSmall ? SHGFI_SMALLICON : 0)));
    return ImageList_GetImageCount(list);
  }
  TShellHome home;
};

TEST_F(SystemImageListTest, OverlaysAreAddedOnceWhenComctl32CanDrawThem) {
  const int small = Count(isSmall);
  const int large = Count(isLarge);
  EXPECT_EQ(Comctl32Version().Most, 0x50051u);
  ASSERT_NE(GetSystemImageList(isSmall), nullptr);
  EXPECT_EQ(Count(isSmall), small + 2);
  EXPECT_EQ(Count(isLarge), large + 2);
  GetSystemImageList(isLarge);
  EXPECT_EQ(Count(isSmall), small + 2);
  EXPECT_EQ(Count(isLarge), large + 2);
}

TEST_F(SystemImageListTest, AComctl32WithoutAVersionBlockGetsNoOverlays) {
  win::version::RemoveFileVersion("comctl32.dll");
  ResetNavSystemInfo();
  EXPECT_EQ(Comctl32Version().Most, 0u);
  EXPECT_EQ(Comctl32Version().Least, 0u);
  const int small = Count(isSmall);
  ASSERT_NE(GetSystemImageList(isSmall), nullptr);
  EXPECT_EQ(Count(isSmall), small);

  win::version::SetFileVersion("comctl32.dll", 0x40046, 0);  // 4.70: too old
  ResetNavSystemInfo();
  GetSystemImageList(isSmall);
  EXPECT_EQ(Count(isSmall), small);
}

}  // namespace
