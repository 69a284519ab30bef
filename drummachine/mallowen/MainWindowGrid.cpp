// The main window's step grid handlers: the cell, pattern and menu commands
// go to the grid editor with the track, step or pattern of their sender.
#include "drummachine/dialogs/generate.h"
#include "drummachine/editing/StepGridEditor.h"
#include "drummachine/mallowen/ComponentNames.h"
#include "drummachine/mallowen/mallowen.h"

#define DRUMS_GRID_COMMAND(handler)  \
  void TfrmMain::handler(TObject*) { \
    if (FQuiet) return;              \
    TQuiet quiet(*this);             \
    FGrid->handler();                \
  }

DRUMS_GRID_COMMAND(mnu16thNotesClick)
DRUMS_GRID_COMMAND(mnu32ndNotesClick)
DRUMS_GRID_COMMAND(mnu16thNotes2Click)
DRUMS_GRID_COMMAND(mnu32ndnotes2Click)
DRUMS_GRID_COMMAND(mnuClearTrackClick)
DRUMS_GRID_COMMAND(mnuClearPatternClick)
DRUMS_GRID_COMMAND(GenerateRandomTrack1Click)
DRUMS_GRID_COMMAND(mnuCopyTrackClick)
DRUMS_GRID_COMMAND(mnuCutTrackClick)
DRUMS_GRID_COMMAND(mnuPasteTrackClick)
DRUMS_GRID_COMMAND(mnuCopyPatternClick)
DRUMS_GRID_COMMAND(mnuCutPatternClick)
DRUMS_GRID_COMMAND(mnuPastePatternClick)

#undef DRUMS_GRID_COMMAND

void TfrmMain::GenerateRandomPattern1Click(TObject*) {
  if (frmGenerate == nullptr) return;
  frmGenerate->Model = &Model;
  frmGenerate->ShowModal();
  if (!Model.GenerateConfirmed) return;
  TQuiet quiet(*this);
  FGrid->FillRandomPattern(frmGenerate->CheckedTracks());
}

void TfrmMain::M01_01Click(TObject* Sender) {
  if (FQuiet) return;
  TQuiet quiet(*this);
  FGrid->M01_01Click(NameNumber(Sender, 1, 2), NameNumber(Sender, 4, 2));
}

void TfrmMain::N04_01Click(TObject* Sender) {
  if (FQuiet) return;
  TQuiet quiet(*this);
  FGrid->N04_01Click(NameNumber(Sender, 1, 2), NameNumber(Sender, 4, 2));
}

void TfrmMain::btnPat2Click(TObject* Sender) {
  if (FQuiet) return;
  TQuiet quiet(*this);
  FGrid->btnPat2Click(NameNumber(Sender, 6));
}

// The cell popup belongs to the cells: the cell that was right-clicked is
// the one the beat settings are for.
void TfrmMain::popBeatPopup(TObject* Sender) {
  auto* menu = dynamic_cast<TPopupMenu*>(Sender);
  auto* cell = menu ? dynamic_cast<TStyLImage*>(menu->GetPopupComponent()) : nullptr;
  if (cell == nullptr) return;
  const std::string& name = cell->GetName();
  TGridCell target{NameNumber(cell, 1, 2), NameNumber(cell, 4, 2), !name.empty() && name[0] == 'N'};
  TBeatPreset preset;
  if (FGrid->popBeatPopup(target, preset) && ShowBeatDialog) ShowBeatDialog(preset);
}

void TfrmMain::ShowTrackFaces(int track, bool thirtySecond) {
  const bool drawnFaces = SchemeIndex() == 0;
  TStyBitmapList* faces = !drawnFaces ? ButtonList : thirtySecond ? ButtonList32 : ButtonList16;
  for (int s = 1; s <= SongSteps; ++s) {
    TStyLImage* cell = Cell(track, s, false);
    cell->SetImageList(faces);
    // A skin's faces are drawn for the wide cell; the narrow one shows its middle.
    cell->SetStyle(thirtySecond && !drawnFaces ? sbCenter : sbNone);
    Cell(track, s, true)->SetImageList(faces);
    Cell(track, s, true)->SetStyle(thirtySecond && !drawnFaces ? sbCenter : sbNone);
  }
}
