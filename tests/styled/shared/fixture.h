// The styled tests' fixture: the headless host, a manual clock, the class
// library's controls and application and the styled library's application
// object; 32-bit off-screen sheets to draw on and read back.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "controls/styled/stycompo.h"
#include "drummachine/startup/ProgramStartup.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/Graphics.h"

namespace styledtest {

// The dark green behind the image tests' controls.
inline constexpr TColor kFormColour = 0x204020;

class StyledProcs : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  void Pump() { Application->ProcessMessages(); }
  // What the fixture starts; an area standing on more adds it.
  TProgramStartup startup{{ppClassLibrary, ppStyled}, {}};
};

// A 32-bit bitmap filled with one colour.
struct Sheet {
  std::unique_ptr<TBitmap> bitmap = std::make_unique<TBitmap>();
  Sheet(int width, int height, TColor background = clWhite);
  TCanvas* Canvas() { return bitmap->GetCanvas(); }
  // The pixel as $BBGGRR.
  TColor At(int x, int y) { return Canvas()->GetPixels(x, y) & 0xFFFFFF; }
  // Colour runs along a row: the x where each new colour starts.
  std::vector<int> Edges(int y);
};

TColor Rgb(TColor color);
// Where pictures go: $DRUMS_STYLED_PICTURES when set, else a temporary
// folder of the test program, removed when it ends.
std::string PictureDir();
bool SavePicture(TBitmap* bitmap, const std::string& name);

// A component as form text, and form text read into a component.
std::string AsText(TComponent* c);
void ReadText(const std::string& source, TComponent* into);

}  // namespace styledtest
