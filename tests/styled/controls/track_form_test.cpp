// The track bar read from form text: the drum machine's track panel with its
// seven sliders, looked at in a picture; what the writer stores; and the
// focus style applied when the form is loaded.
#include <string>
#include <vector>

#include "controls/styled/stycompo.h"
#include "controls/styled/styextcA.h"
#include "platform/vcl/Classes.h"
#include "styled/shared/fixture.h"

namespace styledtest {
namespace {

// One slider of the track panel as the main window's form gives it.
std::string Slider(const std::string& name, int left, int top, int min, int max) {
  std::string s = "  object " + name + ": TStyTrackBar\n";
  s += "    Left = " + std::to_string(left) + "\n    Top = " + std::to_string(top) + "\n";
  s += "    Width = 220\n    Height = 35\n";
  if (min != 0) s += "    MinValue = " + std::to_string(min) + "\n";
  if (max != 10) s += "    MaxValue = " + std::to_string(max) + "\n";
  s += "    Orientation = toHorizontal\n    TickStyle = tsNone\n    TrackWidth = 7\n";
  s += "    ThumbColor = clSilver\n    TrackColor = clGray\n    TrackBorderStyle = lsLowered\n";
  s += "  end\n";
  return s;
}

class TrackForm : public StyledProcs {
 protected:
  void TearDown() override {
    delete form;
    StyledProcs::TearDown();
  }
  TStyTrackBar* Bar(const std::string& name) { return dynamic_cast<TStyTrackBar*>(form->FindComponent(name)); }
  TForm* form = nullptr;
};

struct PanelSlider {
  const char* name;
  int left, top, min, max, position;
};
// Volume, pan and pitch of the current track, its overdrive and the three
// humanize amounts, at the values the core gives a fresh track.
const PanelSlider kPanel[] = {
    {"boxVolSlider", 8, 8, -5000, 10, -1000},      {"boxPanSlider", 8, 48, -10000, 10000, 0},
    {"boxPitchSlider", 8, 88, 4100, 84100, 44100}, {"boxODSlider", 236, 8, 0, 10, 0},
    {"rndVolSlider", 236, 48, 0, 10, 1},           {"rndPanSlider", 236, 88, 0, 10, 1},
    {"rndPitchSlider", 236, 128, 0, 10, 1},
};

TEST_F(TrackForm, TrackPanelReadsItsSevenSlidersAndPaintsThem) {
  std::string text = "object TrackPanel: TForm\n";
  for (const PanelSlider& s : kPanel) text += Slider(s.name, s.left, s.top, s.min, s.max);
  text += "end\n";
  form = TForm::CreateNew<TForm>(nullptr);
  ReadText(text, form);
  form->SetBounds(0, 0, 640, 400);
  for (const PanelSlider& s : kPanel) {
    SCOPED_TRACE(s.name);
    TStyTrackBar* bar = Bar(s.name);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->GetMinValue(), s.min) << "both ends read, in either order";
    EXPECT_EQ(bar->GetMaxValue(), s.max);
    EXPECT_EQ(bar->GetThumbStyle(), tsStandard);
    EXPECT_EQ(bar->ThumbBitmap()->GetWidth(), 14);
    EXPECT_EQ(bar->ThumbBitmap()->GetHeight(), 16);
    bar->SetPosition(s.position);
    EXPECT_EQ(bar->GetPosition(), s.position);
  }
  form->HandleNeeded();
  Sheet sheet(464, 171);
  form->PaintTo(sheet.Canvas()->GetHandle(), 0, 0);
  for (const PanelSlider& s : kPanel) {
    SCOPED_TRACE(s.name);
    TStyTrackBar* bar = Bar(s.name);
    const TRect thumb = bar->GetThumbRect();
    // 211 pixels of travel: the thumb's left edge inside the bar.
    const int offset = static_cast<int>(211LL * (s.position - s.min) / (s.max - s.min));
    EXPECT_EQ(thumb.Left, 1 + offset);
    // The pointer's black tip under the face, the grey track interior
    // (lowered: 2 pixels of border) away from the thumb.
    EXPECT_EQ(sheet.At(s.left + thumb.Left + 3, s.top + 16), clBlack);
    EXPECT_EQ(sheet.At(s.left + thumb.Left + 3, s.top + 8), clSilver);
    const int away = thumb.Left > 110 ? 20 : 200;
    EXPECT_EQ(sheet.At(s.left + away, s.top + 8), clGray);
    EXPECT_EQ(sheet.At(s.left + away, s.top + 20), Rgb(clBtnFace)) << "no ticks";
  }
  SavePicture(sheet.bitmap.get(), "track_panel.png");
}

TEST_F(TrackForm, WriterStoresTheThumbOnlyWhenCustom) {
  form = TForm::CreateNew<TForm>(nullptr);
  form->SetName("Holder");
  auto* bar = new TStyTrackBar(form);
  bar->SetName("Bar");
  bar->SetParent(form);
  bar->SetMinValue(-20);
  bar->SetMaxValue(-10);
  bar->SetPosition(-12);
  std::string text = AsText(form);
  EXPECT_EQ(text.find("Thumb"), std::string::npos) << text;
  EXPECT_NE(text.find("MinValue = -20"), std::string::npos) << text;
  Sheet picture(16, 9, clRed);
  picture.Canvas()->SetPixels(3, 3, clLime);
  bar->SetThumb(picture.bitmap.get());
  text = AsText(form);
  EXPECT_NE(text.find("ThumbStyle = tsCustom"), std::string::npos) << text;
  EXPECT_NE(text.find("Thumb.Data"), std::string::npos) << text;

  TForm* copy = TForm::CreateNew<TForm>(nullptr);
  ReadText(text, copy);
  auto* read = dynamic_cast<TStyTrackBar*>(copy->FindComponent("Bar"));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->GetMinValue(), -20) << "a range below the defaults reads whole";
  EXPECT_EQ(read->GetMaxValue(), -10);
  EXPECT_EQ(read->GetPosition(), -12);
  EXPECT_EQ(read->GetThumbStyle(), tsCustom);
  EXPECT_EQ(read->ThumbBitmap()->GetWidth(), 16);
  EXPECT_EQ(read->ThumbBitmap()->GetCanvas()->GetPixels(3, 3) & 0xFFFFFF, clLime);
  delete copy;
}

TEST_F(TrackForm, LoadedFormsApplyTheFocusStyleAndMendBrokenRanges) {
  form = TForm::CreateNew<TForm>(nullptr);
  ReadText(
      "object Holder: TForm\n"
      "  object Quiet: TStyTrackBar\n    FocusStyle = tbNoFocus\n  end\n"
      "  object Upside: TStyTrackBar\n    MinValue = 30\n    MaxValue = 20\n    Position = 50\n  end\n"
      "end\n",
      form);
  EXPECT_FALSE(Bar("Quiet")->GetTabStop());
  TStyTrackBar* upside = Bar("Upside");
  EXPECT_EQ(upside->GetMinValue(), 30);
  EXPECT_EQ(upside->GetMaxValue(), 31) << "MinValue stays below MaxValue";
  EXPECT_EQ(upside->GetPosition(), 31);
}

}  // namespace
}  // namespace styledtest
