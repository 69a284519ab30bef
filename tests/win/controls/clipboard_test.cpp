// The clipboard functions over the host's clipboard text.
#include <cstring>

#include "controls_fixture.h"

using namespace controlstest;

namespace {

class ClipboardTest : public ControlsTest {};

TEST_F(ClipboardTest, TextGoesThroughTheHostAndOnlyWhileOpen) {
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, 6);
  std::memcpy(GlobalLock(mem), "snare", 6);
  GlobalUnlock(mem);
  EXPECT_EQ(SetClipboardData(CF_TEXT, mem), nullptr) << "closed";
  ASSERT_TRUE(OpenClipboard(parent));
  EXPECT_FALSE(OpenClipboard(parent)) << "one opener at a time";
  EXPECT_TRUE(EmptyClipboard());
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
  EXPECT_EQ(SetClipboardData(CF_TEXT, mem), mem);  // the clipboard owns it now
  EXPECT_TRUE(CloseClipboard());
  EXPECT_EQ(host::Get().GetClipboardText(), "snare");
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));

  host::Get().SetClipboardText("hi-hat");
  ASSERT_TRUE(OpenClipboard(nullptr));
  HANDLE got = GetClipboardData(CF_TEXT);
  ASSERT_NE(got, nullptr);
  EXPECT_STREQ(static_cast<const char*>(GlobalLock(got)), "hi-hat");
  GlobalUnlock(got);
  EXPECT_EQ(GetClipboardData(2), nullptr) << "text only";
  CloseClipboard();
  EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr) << "closed again";
}

}  // namespace
