#include "ControlsFixture.h"
#include "platform/win/windows.h"

namespace ctltest {
namespace {

TEST_F(ControlsTest, HintWindowShowsTheTextOnTheInfoColour) {
  THintWindow hint(nullptr);
  TRect one = hint.CalcHintRect(300, "Tempo");
  TRect two = hint.CalcHintRect(300, "Tempo\nof the pattern");
  EXPECT_GT(one.Width(), 6);
  EXPECT_GT(two.Height(), one.Height());

  // Near the screen's corner it moves back onto the work area.
  hint.ActivateHint(Bounds(1270, 970, one.Width(), one.Height()), "Tempo");
  EXPECT_TRUE(hint.IsHintShowing());
  RECT r;
  GetWindowRect(hint.GetHandle(), &r);
  EXPECT_EQ(r.right, 1280);
  EXPECT_EQ(r.bottom, 984);
  EXPECT_EQ(hint.GetText(), "Tempo");
  UpdateWindow(hint.GetHandle());
  HDC dc = GetDC(hint.GetHandle());
  EXPECT_EQ(GetPixel(dc, one.Width() - 4, one.Height() - 4), ColorToRGB(clInfoBk));
  ReleaseDC(hint.GetHandle(), dc);
  hint.ReleaseHandle();
  EXPECT_FALSE(hint.IsHintShowing());
}

TEST(Hints, ShortAndLongParts) {
  EXPECT_EQ(GetShortHint("Play|Starts the pattern"), "Play");
  EXPECT_EQ(GetLongHint("Play|Starts the pattern"), "Starts the pattern");
  EXPECT_EQ(GetShortHint("Stop"), "Stop");
  EXPECT_EQ(GetLongHint("Stop"), "Stop");
}

}  // namespace
}  // namespace ctltest
