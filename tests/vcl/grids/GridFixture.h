// The grids' tests: the headless host, a manual clock, the application and a
// shown form holding a string grid, with input injected through the host as
// a user would give it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/host/headless.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/Grids.h"

namespace gridtest {

class GridTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The song order's shape: three rows of twelve columns, no fixed cells.
  void SongOrderShape(int colWidth);
  void Pump() { Application->ProcessMessages(); }
  // Paints what is invalid in the form now.
  void PaintNow();
  host::WindowId HostWindow();
  // A left click (clicks 2: the second of a double click) at the cell's middle.
  void ClickCell(int col, int row, std::uint32_t modifiers = 0, int clicks = 1);
  void MouseAt(host::EventType type, int gridX, int gridY, std::uint32_t modifiers = 0, int clicks = 1);
  // Queues the mouse event at a point of the grid's client area, unhandled.
  void PushMouse(host::EventType type, int gridX, int gridY, std::uint32_t modifiers = 0, int clicks = 1);
  void Key(int vk, std::uint32_t modifiers = 0);
  void Type(const std::string& text);
  // Whether any part of the grid waits to be painted.
  bool GridInvalid();

  TForm* form = nullptr;
  TStringGrid* grid = nullptr;
};

}  // namespace gridtest
