// The main window's most visible controls together: the step cells of twelve
// tracks in a scroll box, each track's mute, solo and drum shape buttons, and
// a track bar under them, painted headless and saved as a picture.
#include <string>

#include "combo_fixture.h"
#include "controls/styled/styctrl.h"
#include "controls/styled/styctrlA.h"
#include "controls/styled/styextcA.h"
#include "image_faces.h"

namespace styledtest {
namespace {

TEST_F(ComboTest, StepCellsShapeButtonsAndATrackBarTogether) {
  auto faces = MakeFaces();
  form->SetBounds(40, 40, 620, 330);
  form->SetColor(0x402010);
  auto* box = new TStyScrollBox(form);
  box->SetParent(form);
  box->SetBounds(8, 8, 596, 214);
  box->SetColor(0x301808);
  const int kTracks = 12, kSteps = 16;
  for (int track = 0; track < kTracks; ++track) {
    const int top = 4 + track * 17;
    const std::string captions[] = {"M", "S", "Drum " + std::to_string(track + 1)};
    const int lefts[] = {4, 24, 44}, widths[] = {18, 18, 90};
    for (int i = 0; i < 3; ++i) {
      auto* b = new TStyShapeButton(form);
      b->SetParent(box);
      b->SetBounds(lefts[i], top, widths[i], 15);
      b->SetCaption(captions[i]);
      b->GetShape()->SetShape(i == 2 ? stRoundRect : stEllipse);
      b->GetShape()->GetShadow()->SetDepth(2);
      b->GetColors()->SetUp(clSilver);
      b->GetColors()->SetOptionSet(i == 0 ? clRed : clYellow);
      b->SetGroupIndex(100 + track * 3 + i);
      b->SetAllowAllUp(true);
      if (i < 2) b->SetPressed((track + i) % 5 == 0);
    }
    for (int step = 0; step < kSteps; ++step) {
      auto* cell = new TStyLImage(form);
      cell->SetParent(box);
      cell->SetBounds(140 + step * 18 + (step / 4) * 4, top + 2, 15, 11);
      cell->SetImageList(faces.get());
      // A four-on-the-floor kick, off-beat hats, a snare on two and four and
      // a modified note now and then.
      const bool on = (track == 0 && step % 4 == 0) || (track == 1 && step % 8 == 4) || (track == 2 && step % 2 == 1);
      cell->SetListIndex(on ? ((step + track) % 7 == 0 ? 3 : 1) : 0);
    }
  }
  auto* volume = new TStyTrackBar(form);
  volume->SetParent(form);
  volume->SetBounds(8, 232, 220, 35);
  volume->SetMinValue(-5000);
  volume->SetMaxValue(10);
  volume->SetTrackWidth(7);
  volume->SetThumbColor(clSilver);
  volume->SetTrackColor(clGray);
  volume->SetPosition(-1000);
  volume->SetTickGap(500);  // a tick a pixel apart for all 5,010 values would be one dark band
  PaintNow();
  EXPECT_EQ(volume->GetPosition(), -1000);
  EXPECT_TRUE(SaveWindow(form->GetHandle(), "main_window_controls.png"));
}

}  // namespace
}  // namespace styledtest
