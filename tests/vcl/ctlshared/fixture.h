// The standard and extra controls' tests: the headless host, a manual clock,
// the application object and a shown form to put controls on; input goes in
// through the host as the desktop would send it.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "drummachine/startup/ProgramStartup.h"
#include "platform/host/headless.h"
#include "platform/vcl/Forms.h"
#include "platform/win/drums_ext.h"

namespace ctltest {

class ControlTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Handles every message waiting now, without idling or waiting.
  void Pump() { Application->ProcessMessages(); }
  // Moves the manual clock on, then handles what that made due.
  void Advance(int milliseconds);
  // A left click at a point of control's client area.
  void ClickAt(TControl* control, int x, int y, bool doubleClick = false);
  // A key press and release sent to the focused window.
  void PressKey(WORD vk);
  // Text typed into the focused window.
  void Type(const std::string& text);
  // The colour on screen at a point of control's client area.
  COLORREF PixelAt(TControl* control, int x, int y);
  // The same without painting first.
  COLORREF Pixel(TControl* control, int x, int y);
  // Paints whatever is invalid now.
  void PaintNow();
  // Where pictures go: DRUMS_CONTROL_PICTURES when set, else a
  // temporary folder of the test program.
  static std::string PictureDir();
  bool SaveScreenshot(const std::string& name);
  // Reads a form in text form into root; writes root back as text.
  static void ReadForm(const std::string& text, TComponent* root);
  static std::string WriteForm(TComponent* root);

  TForm* form = nullptr;
  // What the fixture starts; an area standing on more adds it.
  TProgramStartup startup{{ppClassLibrary}, {}};
};

}  // namespace ctltest
