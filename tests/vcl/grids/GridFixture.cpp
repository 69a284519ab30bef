#include "GridFixture.h"

#include "platform/win/drums_ext.h"
#include "platform/win/windows.h"
#include "tests/support/HeadlessApplication.h"

namespace gridtest {

void GridTest::SetUp() {
  testsupport::StartApplication("Grid Test");
  form = TCustomForm::CreateNew<TForm>(Application);
  form->SetBounds(100, 100, 480, 320);
  form->SetCaption("Grid test");
  grid = new TStringGrid(form);
  grid->SetName("grid");
  grid->SetParent(form);
  grid->SetBounds(8, 8, 400, 200);
  form->Show();
  Pump();
  PaintNow();
}

void GridTest::TearDown() {
  testsupport::StopApplication();
}

void GridTest::SongOrderShape(int colWidth) {
  grid->SetColCount(12);
  grid->SetRowCount(3);
  grid->SetFixedCols(0);
  grid->SetFixedRows(0);
  grid->SetDefaultColWidth(colWidth);
}

void GridTest::PaintNow() {
  Pump();
  UpdateWindow(form->GetHandle());
  if (grid && grid->HandleAllocated()) UpdateWindow(grid->GetHandle());
}

host::WindowId GridTest::HostWindow() {
  return win::user::HostWindowOf(form->GetHandle());
}

void GridTest::MouseAt(host::EventType type, int gridX, int gridY, std::uint32_t modifiers, int clicks) {
  PushMouse(type, gridX, gridY, modifiers, clicks);
  Pump();
}

void GridTest::PushMouse(host::EventType type, int gridX, int gridY, std::uint32_t modifiers, int clicks) {
  TPoint screen = grid->ClientToScreen(TPoint(gridX, gridY));
  RECT r{};
  GetWindowRect(form->GetHandle(), &r);
  host::Event e;
  e.type = type;
  e.window = HostWindow();
  e.screenX = screen.X;
  e.screenY = screen.Y;
  e.x = screen.X - r.left;
  e.y = screen.Y - r.top;
  e.modifiers = modifiers;
  e.clicks = clicks;
  host::headless::PushEvent(e);
}

void GridTest::ClickCell(int col, int row, std::uint32_t modifiers, int clicks) {
  TRect cell = grid->CellRect(col, row);
  ASSERT_GT(cell.Width(), 0) << "cell " << col << "," << row << " is not shown";
  int x = (cell.Left + cell.Right) / 2, y = (cell.Top + cell.Bottom) / 2;
  MouseAt(host::EventType::MouseDown, x, y, modifiers, clicks);
  MouseAt(host::EventType::MouseUp, x, y, modifiers, clicks);
  // The next click is a click of its own, not the second of a double click.
  if (clicks == 1) win::clock::Advance(1'000'000);
}

void GridTest::Key(int vk, std::uint32_t modifiers) {
  for (host::EventType type : {host::EventType::KeyDown, host::EventType::KeyUp}) {
    host::Event e;
    e.type = type;
    e.key = vk;
    e.modifiers = modifiers;
    e.window = HostWindow();
    host::headless::PushEvent(e);
  }
  Pump();
}

void GridTest::Type(const std::string& text) {
  for (char ch : text) {
    int vk = ch >= 'a' && ch <= 'z' ? ch - 32 : static_cast<unsigned char>(ch);
    host::Event e;
    e.window = HostWindow();
    e.type = host::EventType::KeyDown;
    e.key = vk;
    host::headless::PushEvent(e);
    e.type = host::EventType::TextInput;
    e.text = std::string(1, ch);
    host::headless::PushEvent(e);
    e.type = host::EventType::KeyUp;
    host::headless::PushEvent(e);
    Pump();
  }
}

bool GridTest::GridInvalid() {
  RECT r{};
  return GetUpdateRect(grid->GetHandle(), &r, FALSE) != FALSE;
}

}  // namespace gridtest
