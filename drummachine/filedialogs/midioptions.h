// The MIDI export settings (module midioptions): the General MIDI note each
// track is exported as, chosen from the 47 percussion keys.
#pragma once

#include "drummachine/core/MainModel.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/StdCtrls.h"

class TfrmMidiOptions : public TForm {
  DRUMS_CLASS(TfrmMidiOptions, TForm)

 public:
  explicit TfrmMidiOptions(TComponent* AOwner) : TForm(AOwner) {}
  ~TfrmMidiOptions() override;

  // The model whose notes OK stores; set by ShowMidiOptions.
  TMainModel* Model = nullptr;

  // The track names lbltrk1..lbltrk12 and the note boxes cbxMidi1..cbxMidi12.
  TTrackArray<TLabel*> TrackLabels{};
  TTrackArray<TComboBox*> NoteBoxes{};
  TButton* OKBtn = nullptr;
  TButton* CancelBtn = nullptr;

  static void Publish(TPublisher<TfrmMidiOptions>& p);

 private:
  void FormCreate(TObject* Sender);
  void OKBtnClick(TObject* Sender);
  void CancelBtnClick(TObject* Sender);
};

extern TfrmMidiOptions* frmMidiOptions;

// The MIDI export's Settings: shows frmMidiOptions modally with the tracks'
// names and the notes they are exported as selected; OK stores the chosen
// notes in model.MidiNoteOfTrack, Cancel leaves them. Without the dialog
// nothing happens.
void ShowMidiOptions(TMainModel& model);
