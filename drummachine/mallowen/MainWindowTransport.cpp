// The main window's step clock and transport: the handlers pass the sender's
// state to the step engine, and keep the order grid and the song's order in
// step both ways.
#include "drummachine/mallowen/mallowen.h"

void TfrmMain::DsTimer1Timer(TObject*, int) {
  FEngine->DsTimer1Timer();
}

void TfrmMain::StyMMButton1Click(TObject*) {
  FEngine->StyMMButton1Click();
}

void TfrmMain::btnplayseqClick(TObject*) {
  SequencerToModel();
  FEngine->btnplayseqClick();
}

void TfrmMain::btnpauseClick(TObject*) {
  SequencerToModel();
  FEngine->btnpauseClick();
}

void TfrmMain::sequencerSelectCell(TObject*, int ACol, int ARow, bool&) {
  if (FSyncingSequencer) return;
  FEngine->sequencerSelectCell(ACol, ARow);
}

void TfrmMain::sequencerKeyUp(TObject*, WORD&, TShiftState) {
  SequencerToModel();
  FEngine->sequencerKeyUp();
  ModelToSequencer();
}

void TfrmMain::mnuClearSequencerClick(TObject*) {
  FEngine->mnuClearSequencerClick();
  ModelToSequencer();
}

void TfrmMain::PlayStyleChange(TObject*) {
  FEngine->PlayStyleChange(PlayStyle->GetPosition());
}

void TfrmMain::UpDown1Click(TObject*, TUDBtnType) {
  FEngine->UpDown1Click(UpDown1->GetPosition());
}

void TfrmMain::mnuBPM120Click(TObject* Sender) {
  if (auto* item = dynamic_cast<TMenuItem*>(Sender)) FEngine->mnuBPM120Click(item->GetCaption());
}

void TfrmMain::mnu44timeClick(TObject*) {
  FEngine->mnu44timeClick();
}

void TfrmMain::mnu34timeClick(TObject*) {
  FEngine->mnu34timeClick();
}

// The grid's cells are what the user typed; the song's order is what plays
// and what the song file keeps.
void TfrmMain::SequencerToModel() {
  for (int row = 0; row < SequenceRows; ++row)
    for (int col = 0; col < SequenceColumns; ++col)
      Model.Song.SequenceGrid.Cells(col, row) = sequencer->GetCells(col, row);
}

void TfrmMain::ModelToSequencer() {
  FSyncingSequencer = true;
  for (int row = 0; row < SequenceRows; ++row)
    for (int col = 0; col < SequenceColumns; ++col) {
      const std::string& text = Model.Song.SequenceGrid.Cells(col, row);
      if (sequencer->GetCells(col, row) != text) sequencer->SetCells(col, row, text);
    }
  FSyncingSequencer = false;
}
