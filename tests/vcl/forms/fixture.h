// The forms tests' fixture: the headless host, a manual clock, the
// controls' Screen and the application object, made fresh for each test.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/host/headless.h"
#include "platform/vcl/Forms.h"
#include "platform/win/drums_ext.h"

namespace formstest {

class FormsTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Handles every message waiting now, without idling or waiting.
  void Pump() { Application->ProcessMessages(); }
  // Mouse input at screen coordinates, as the desktop would report it.
  void Click(int sx, int sy);
  host::WindowId HostOf(HWND hwnd);
};

}  // namespace formstest
