#include "drummachine/filedialogs/midioptions.h"

#include "drummachine/filedialogs/MidiNoteNames.h"

TfrmMidiOptions* frmMidiOptions = nullptr;

TfrmMidiOptions::~TfrmMidiOptions() {
  if (frmMidiOptions == this) frmMidiOptions = nullptr;
}

void TfrmMidiOptions::Publish(TPublisher<TfrmMidiOptions>& p) {
  p.Field("OKBtn", &TfrmMidiOptions::OKBtn);
  p.Field("CancelBtn", &TfrmMidiOptions::CancelBtn);
  p.Method("FormCreate", &TfrmMidiOptions::FormCreate);
  p.Method("OKBtnClick", &TfrmMidiOptions::OKBtnClick);
  p.Method("CancelBtnClick", &TfrmMidiOptions::CancelBtnClick);
}

// Every box lists the same keys, from the one table, so that an item's
// index is always its note less the first key.
void TfrmMidiOptions::FormCreate(TObject*) {
  for (int t = 1; t <= SongTracks; ++t) {
    TrackLabels[t] = dynamic_cast<TLabel*>(FindComponent("lbltrk" + std::to_string(t)));
    NoteBoxes[t] = dynamic_cast<TComboBox*>(FindComponent("cbxMidi" + std::to_string(t)));
    if (TrackLabels[t] == nullptr || NoteBoxes[t] == nullptr)
      throw EComponentError("The MIDI export settings lack track " + std::to_string(t));
    TStrings* items = NoteBoxes[t]->GetItems();
    items->Clear();
    for (const std::string& line : MidiDrumNoteLines()) items->Add(line);
  }
}

void TfrmMidiOptions::OKBtnClick(TObject*) {
  if (Model != nullptr)
    for (int t = 1; t <= SongTracks; ++t) {
      const int index = NoteBoxes[t]->GetItemIndex();
      // A box left without a choice keeps the track's note.
      if (index >= 0) Model->MidiNoteOfTrack[t] = index + FirstMidiDrumNote;
    }
  SetModalResult(mrOk);
}

void TfrmMidiOptions::CancelBtnClick(TObject*) {
  SetModalResult(mrCancel);
}

void ShowMidiOptions(TMainModel& model) {
  TfrmMidiOptions* dialog = frmMidiOptions;
  if (dialog == nullptr) return;
  dialog->Model = &model;
  for (int t = 1; t <= SongTracks; ++t) {
    dialog->TrackLabels[t]->SetCaption(model.TrackName[t]);
    const int index = model.MidiNoteOfTrack[t] - FirstMidiDrumNote;
    // A note outside the keys (a song file may hold anything) selects none.
    dialog->NoteBoxes[t]->SetItemIndex(index >= 0 && index < dialog->NoteBoxes[t]->GetItems()->GetCount() ? index : -1);
  }
  dialog->ShowModal();
}
