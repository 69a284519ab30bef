// The drum machine's 384 step cells (12 tracks of 16 main and 16 in-between
// cells) on a headless window: switching every cell's face the way the step
// grid does (list index 2, then the face) and letting the window repaint,
// for transparent cells (invalidated, painted by the next WM_PAINT) and
// opaque ones (painted at once); and one paint of the whole grid.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "bench/bench_program.h"
#include "controls/styled/stycompo.h"
#include "controls/styled/styctrlA.h"
#include "platform/vcl/Forms.h"

namespace {

constexpr int kTracks = 12, kSteps = 16;

struct Grid {
  std::unique_ptr<TStyBitmapList> faces;
  TForm* form = nullptr;
  std::vector<TStyLImage*> cells;

  Grid(bool transparent, bool forceTransparent) {
    faces = std::make_unique<TStyBitmapList>(nullptr);
    for (TColor colour : {0x603010, 0xF0D040, 0x808080, 0x2080F0})
      for (int width : {15, 7}) {
        TBitmap face;
        face.SetPixelFormat(pf32bit);
        face.SetSize(width, 11);
        face.GetCanvas()->GetBrush()->SetColor(colour);
        face.GetCanvas()->FillRect(TRect(0, 0, width, 11));
        face.GetCanvas()->SetPixels(0, 10, 0xFF00FF);
        faces->GetBitmapItem(faces->AddItem(nullptr))->SetBitmap(&face);
      }
    form = new TForm(nullptr);
    form->SetBounds(0, 0, 628, 651);
    for (int t = 0; t < kTracks; ++t)
      for (int s = 0; s < 2 * kSteps; ++s) {
        auto* cell = new TStyLImage(form);
        cell->SetParent(form);
        const bool main = s < kSteps;
        cell->SetBounds(main ? 20 + s * 17 : 300 + (s - kSteps) * 9, 40 + t * 24 + (main ? 0 : 12), main ? 15 : 7, 11);
        cell->SetTransparent(transparent);
        cell->SetForceTransparent(forceTransparent);
        cell->SetImageList(faces.get());
        cells.push_back(cell);
      }
    form->Show();
    Application->ProcessMessages();
  }
  ~Grid() { delete form; }
  // The list item of a face for a cell (the in-between cells have their own).
  int Item(size_t cell, int face) const { return face * 2 + ((cell % (2 * kSteps)) < kSteps ? 0 : 1); }
};

void BM_SwitchAllCells(benchmark::State& state) {
  const bool transparent = state.range(0) != 0;
  Grid grid(transparent, state.range(1) != 0);
  int face = 1;
  for (auto _ : state) {
    for (size_t i = 0; i < grid.cells.size(); ++i) {
      grid.cells[i]->SetListIndex(grid.Item(i, 2));
      grid.cells[i]->SetListIndex(grid.Item(i, face));
    }
    grid.form->Update();
    face = face == 1 ? 0 : 1;
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(grid.cells.size()));
}
BENCHMARK(BM_SwitchAllCells)
    ->Args({1, 0})
    ->Args({1, 1})
    ->Args({0, 0})
    ->Args({0, 1})
    ->ArgNames({"transparent", "force"})
    ->Unit(benchmark::kMicrosecond);

void BM_PaintWholeGrid(benchmark::State& state) {
  Grid grid(true, state.range(0) != 0);
  for (size_t i = 0; i < grid.cells.size(); ++i) grid.cells[i]->SetListIndex(grid.Item(i, static_cast<int>(i % 4)));
  TBitmap sheet;
  sheet.SetPixelFormat(pf32bit);
  sheet.SetSize(628, 651);
  for (auto _ : state) grid.form->PaintTo(sheet.GetCanvas()->GetHandle(), 0, 0);
}
BENCHMARK(BM_PaintWholeGrid)->Arg(0)->Arg(1)->ArgName("force")->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("DRUMS_HOST", "headless", 0);
  return RunBenchmarkProgram(argc, argv, {ppClassLibrary, ppStyled});
}
