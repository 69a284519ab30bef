// A picture of a form with grids: a song-order grid of three rows of twelve
// pattern numbers with the played cell selected, a grid with fixed rows and
// columns, and an editor open in it. Saved as "vcl_grids.png" in the folder
// DRUMS_CONTROL_PICTURES names (a temporary folder otherwise), with pixel
// probes on its parts.
#include <cstdlib>
#include <string>

#include "GridFixture.h"
#include "platform/host/host.h"
#include "support/TempFolder.h"
#include "platform/win/drums_ext.h"
#include "platform/win/windows.h"

namespace gridtest {
namespace {

COLORREF PixelOf(TWinControl* control, int x, int y) {
  HDC dc = GetDC(control->GetHandle());
  COLORREF c = GetPixel(dc, x, y) & 0xFFFFFF;
  ReleaseDC(control->GetHandle(), dc);
  return c;
}

TEST_F(GridTest, FormWithGridsIsPaintedAndSaved) {
  form->SetBounds(100, 100, 470, 330);
  form->SetColor(clBtnFace);
  // The song order: no fixed cells, no scroll bars, pattern numbers.
  grid->SetBounds(8, 8, 446, 82);
  SongOrderShape(35);
  grid->SetDefaultRowHeight(24);
  grid->SetScrollBars(ssNone);
  grid->SetOptions(grid->GetOptions() + TGridOptions{goEditing});
  for (int i = 0; i < 36; i++) grid->SetCells(i % 12, i / 12, std::to_string(i % 16 + 1));
  grid->SetSelection(GridRect(4, 1, 4, 1));

  auto* table = new TStringGrid(form);
  table->SetParent(form);
  table->SetBounds(8, 100, 446, 190);
  table->SetColCount(6);
  table->SetRowCount(9);
  table->SetDefaultColWidth(80);
  table->SetDefaultRowHeight(20);
  table->SetOptions(table->GetOptions() + TGridOptions{goEditing});
  table->SetCells(0, 0, "Track");
  const char* heads[] = {"Volume", "Pan", "Pitch", "Overdrive", "Humanize"};
  for (int c = 1; c < 6; c++) table->SetCells(c, 0, heads[c - 1]);
  for (int r = 1; r < 9; r++) {
    table->SetCells(0, r, "Track " + std::to_string(r));
    for (int c = 1; c < 6; c++) table->SetCells(c, r, std::to_string(r * 10 + c));
  }
  table->SetSelection(GridRect(2, 3, 2, 3));
  table->SetFocus();
  Pump();
  Key(VK_F2);
  Type("-250");
  ASSERT_TRUE(table->GetEditorMode());
  EXPECT_EQ(table->GetCells(2, 3), "-250");
  PaintNow();
  UpdateWindow(table->GetHandle());
  UpdateWindow(table->GetInplaceEditor()->GetHandle());

  // The played cell of the song order is filled with the highlight colour.
  TRect played = grid->CellRect(4, 1);
  EXPECT_EQ(PixelOf(grid, played.Left + 2, played.Bottom - 2),
            static_cast<COLORREF>(GetSysColor(COLOR_HIGHLIGHT)) & 0xFFFFFF);
  TRect other = grid->CellRect(7, 2);
  EXPECT_EQ(PixelOf(grid, other.Right - 2, other.Bottom - 2), 0xFFFFFFu);
  // The fixed cells wear the button face; the editor is white over its cell.
  TRect head = table->CellRect(3, 0);
  EXPECT_EQ(PixelOf(table, head.Right - 4, head.Bottom - 4),
            static_cast<COLORREF>(GetSysColor(COLOR_BTNFACE)) & 0xFFFFFF);
  TRect edited = table->CellRect(2, 3);
  EXPECT_EQ(table->GetInplaceEditor()->GetBoundsRect(), edited);
  EXPECT_EQ(PixelOf(table->GetInplaceEditor(), edited.Width() - 3, 3), 0xFFFFFFu);

  TempFolder folder;
  const char* dir = std::getenv("DRUMS_CONTROL_PICTURES");
  std::string path = (dir ? std::string(dir) : folder.Path()) + "/vcl_grids.png";
  EXPECT_TRUE(host::Get().Screenshot(HostWindow(), path)) << path;
}

}  // namespace
}  // namespace gridtest
