// Dialog placement and the explode effect, drawn frame by frame through the
// screen's device context inside our own window, paced by the clock.
#include <atomic>
#include <thread>

#include "controls/styled/styprocs.h"
#include "styled/shared/fixture.h"
#include "platform/win/drums_ext.h"
#include "platform/win/windows.h"

namespace styledtest {
namespace {

TEST_F(StyledProcs, PlaceWindowPositionsAndKeepsOnScreen) {
  TForm* dialog = TCustomForm::CreateNew<TForm>(Application);
  dialog->SetBounds(0, 0, 300, 200);
  HWND h = dialog->GetHandle();
  struct Case {
    TStyDlgPosition position;
    TRect reference;
    TPoint at;
  } cases[] = {
      {bpBottomRight, {0, 0, 1024, 768}, {724, 568}}, {bpCenter, {0, 0, 1024, 768}, {362, 284}},
      {bpTopLeft, {10, 20, 500, 500}, {10, 20}},      {bpTopCenter, {0, 0, 101, 50}, {0, 0}},
      {bpTopLeft, {900, 0, 1400, 300}, {1100, 0}},
  };
  for (const Case& c : cases) {
    PlaceWindow(h, c.reference, c.position);
    RECT r{};
    GetWindowRect(h, &r);
    EXPECT_EQ(TPoint(r.left, r.top), c.at) << int(c.position);
    EXPECT_EQ(r.right - r.left, 300);
  }
  TRect screen;
  GetPlacementRect(brScreen, screen);
  EXPECT_EQ(screen, TRect(0, 0, 1024, 768));
  GetPlacementRect(brScreenWorkArea, screen);
  EXPECT_EQ(screen, TRect(0, 0, 1024, 728));
  delete dialog;
}

class Explode : public StyledProcs {
 protected:
  void SetUp() override {
    StyledProcs::SetUp();
    main = TCustomForm::CreateNew<TForm>(Application);
    main->SetBounds(100, 100, 500, 400);
    main->SetColor(clWhite);
    main->Show();
    Pump();
    dialog = TCustomForm::CreateNew<TForm>(Application);
    dialog->SetBounds(0, 0, 200, 120);
    TRect ref;
    GetWindowRect(main->GetHandle(), reinterpret_cast<RECT*>(&ref));
    PlaceWindow(dialog->GetHandle(), ref, bpCenter);
  }
  // The main window as it is now, frame included.
  std::unique_ptr<TBitmap> Capture() {
    auto b = std::make_unique<TBitmap>();
    b->SetPixelFormat(pf32bit);
    b->SetSize(500, 400);
    HDC dc = GetWindowDC(main->GetHandle());
    BitBlt(b->GetCanvas()->GetHandle(), 0, 0, 500, 400, dc, 0, 0, SRCCOPY);
    ReleaseDC(main->GetHandle(), dc);
    return b;
  }
  bool Same(TBitmap* a, TBitmap* b) {
    for (int y = 0; y < 400; ++y)
      for (int x = 0; x < 500; ++x)
        if (a->GetCanvas()->GetPixels(x, y) != b->GetCanvas()->GetPixels(x, y)) return false;
    return true;
  }
  TForm* main = nullptr;
  TForm* dialog = nullptr;
};

TEST_F(Explode, FramesTravelFromTheCursorAndGrowIntoTheDialogThenEraseThemselves) {
  RECT dr{};
  GetWindowRect(dialog->GetHandle(), &dr);
  EXPECT_EQ(TPoint(dr.left, dr.top), TPoint(250, 240));  // centred on the main window
  auto before = Capture();
  TStyExplodeAnimation animation(deExplodeExt, dr, 140, 450, 40);
  ASSERT_EQ(animation.FrameCount(), 160);
  // From the cursor (140, 450) to (M, bottom), M halfway to the dialog's left.
  EXPECT_EQ(animation.Frame(39), TRect(195, 360, 215, 370));
  EXPECT_EQ(animation.Frame(79), TRect(dr.left, dr.top, dr.right, dr.bottom));
  int frames = 0;
  while (frames < 60) {
    animation.Step();
    ++frames;
  }
  auto during = Capture();
  SavePicture(during.get(), "explode-frame-60.png");
  // Frame 59 lies in the growing half: its dotted top edge shows in the window.
  const TRect f = animation.Frame(59);
  int changed = 0;
  for (int x = f.Left; x < f.Right; ++x)
    changed +=
        during->GetCanvas()->GetPixels(x - 100, f.Top - 100) != before->GetCanvas()->GetPixels(x - 100, f.Top - 100);
  EXPECT_GE(changed, f.Width() / 2 - 1);
  while (animation.Step()) ++frames;
  EXPECT_EQ(frames + 1, 160);
  EXPECT_TRUE(Same(before.get(), Capture().get()));
}

TEST_F(Explode, WholeEffectPausesOnTheClockBeforeEveryFrame) {
  auto before = Capture();
  const DWORD start = GetTickCount();
  std::atomic<bool> done{false};
  // The clock moves only when this thread moves it: each pause ends when
  // it has gone far enough.
  std::thread clock([&] {
    while (!done) {
      win::clock::Advance(1000);
      std::this_thread::yield();
    }
  });
  ExplodeWindowExt(dialog);
  done = true;
  clock.join();
  EXPECT_GE(GetTickCount() - start, 160u * 3u);  // 160 frames, 3 ms each
  EXPECT_TRUE(Same(before.get(), Capture().get()));
  ExplodeWindow(nullptr);  // nothing to do
}

}  // namespace
}  // namespace styledtest
