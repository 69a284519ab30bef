// Pictures of the window while it plays and with a track on 32nd notes,
// written to the folder DRUMS_WINDOW_PICTURES names; the lights on screen
// checked on the way.
#include <string>

#include "play_fixture.h"

namespace windowplay {
namespace {

class PlayingPictures : public PlayingWindow {
 protected:
  HWND Top() { return GetAncestor(window->GetHandle(), GA_ROOT); }

  void PaintNow() {
    Pump();
    RedrawWindow(window->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
  }

  // The colour on screen at the centre of control, as last presented.
  TColor OnScreen(TControl* control) {
    RECT r{};
    GetWindowRect(Top(), &r);
    const TPoint p = control->ClientToScreen(TPoint(control->GetWidth() / 2, control->GetHeight() / 2));
    const host::Surface s = host::headless::PresentedImage(win::user::HostWindowOf(Top()));
    const int x = p.X - r.left, y = p.Y - r.top;
    if (!s.pixels || x < 0 || y < 0 || x >= s.width || y >= s.height) return clNone;
    const std::uint32_t rgb = s.pixels[y * s.stride + x] & 0xFFFFFF;
    return static_cast<TColor>(RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
  }

  // The centre of the play button's face picture: item 0 of BitmapList is
  // the button up, item 1 down.
  TColor FaceCentre(int item) {
    TBitmap* face = static_cast<TStyBitmapListItem*>(window->BitmapList->GetItems(item))->GetBitmap();
    return face->GetCanvas()->GetPixels(window->StyMMButton1->GetWidth() / 2, window->StyMMButton1->GetHeight() / 2);
  }

  void Picture(const std::string& name) {
    PaintNow();
    const std::string path = testsupport::PictureFolder("DRUMS_WINDOW_PICTURES") + "/" + name + ".png";
    EXPECT_TRUE(host::Get().Screenshot(win::user::HostWindowOf(Top()), path)) << path;
  }
};

TEST_F(PlayingPictures, WhilePlaying) {
  ClickPattern();
  ClickPlay();
  Tick(6);
  Picture("playing");
  for (int step = 1; step <= SongSteps; ++step) {
    TShape* led = window->StepLeds[static_cast<std::size_t>(step - 1)];
    EXPECT_EQ(OnScreen(led), step == 6 ? led->GetBrush()->GetColor() : StepLightOff) << "light " << step;
  }
  EXPECT_NE(window->StepLeds[5]->GetBrush()->GetColor(), StepLightOff);
  // The play button shows its down face while the song plays, its up face
  // once stopped.
  EXPECT_TRUE(window->StyMMButton1->GetPressed());
  EXPECT_EQ(OnScreen(window->StyMMButton1), FaceCentre(1));
  ClickPlay();
  PaintNow();
  EXPECT_FALSE(window->StyMMButton1->GetPressed());
  EXPECT_EQ(OnScreen(window->StyMMButton1), FaceCentre(0));
}

TEST_F(PlayingPictures, WithA32ndNoteTrack) {
  ClickPattern();
  ClickAt(window->TrackButtons[3], 10, 5);
  dynamic_cast<TMenuItem*>(window->FindComponent("mnu32ndNotes"))->Click();
  Pump();
  for (int step : {1, 3, 5, 7, 9}) ClickCell(3, step);
  for (int step : {2, 4, 8, 12, 16}) ClickCell(3, step, true);
  ClickPlay();
  Tick(10);
  Picture("playing_32nd_track");
  ASSERT_EQ(Panel(4), "5");
  EXPECT_NE(OnScreen(window->StepLeds[4]), StepLightOff) << "step 5 is lit";
  EXPECT_EQ(OnScreen(window->StepLeds[4]), window->StepLeds[4]->GetBrush()->GetColor());
}

}  // namespace
}  // namespace windowplay
