// The beat settings dialog: one cell of the step grid gets its own volume,
// pan and pitch and becomes a modified note. The main window presets it for
// the right-clicked cell and shows it modally; Ok writes the cell of the
// edited pattern, on the layer its beat label names.
#pragma once

#include <functional>
#include <optional>

#include "controls/styled/styextcA.h"
#include "drummachine/core/MainModel.h"
#include "drummachine/core/TrackWaveList.h"
#include "drummachine/editing/BeatPopup.h"
#include "drummachine/editing/StepGridView.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/StdCtrls.h"

class TfrmBeat : public TForm {
  DRUMS_CLASS(TfrmBeat, TForm)

 public:
  explicit TfrmBeat(TComponent* AOwner) : TForm(AOwner) {}
  ~TfrmBeat() override;

  // Set once by the main window after the dialog's creation: the song model,
  // the cells' faces and each track's wave list (for Play).
  TMainModel* Model = nullptr;
  IStepGridView* Grid = nullptr;
  std::function<ITrackWaveList*(int track)> TrackList;

  // Labels, sliders, boxes and position for one cell; the reset mark off.
  void Preset(const TBeatPreset& preset);

  // Published components.
  TLabel* lbltrack = nullptr;
  TLabel* lblbeat = nullptr;
  TLabel* lbltrkName = nullptr;
  TStyTrackBar* beatVolSlider = nullptr;
  TStyTrackBar* beatPanSlider = nullptr;
  TStyTrackBar* BeatPitchSlider = nullptr;
  TEdit* edtBeatVol = nullptr;
  TEdit* edtBeatPan = nullptr;
  TButton* btnOk = nullptr;
  TButton* btnCancel = nullptr;
  TButton* btnPlay = nullptr;
  TButton* btnReset = nullptr;
  TButton* btnSemiUp = nullptr;
  TButton* btnSemiDown = nullptr;

  static void Publish(TPublisher<TfrmBeat>& p);

 private:
  struct TCellRef {
    int Track;
    int Step;
    bool ThirtySecond;
  };
  // The cell the labels name ("Track N", "Beat N" or "Beat N 32nd"); none
  // when they name no cell of the grid.
  std::optional<TCellRef> LabelledCell() const;
  // A box that was typed into and not yet left (Enter presses Ok without
  // leaving it) counts as left.
  void TakePendingBoxes();

  void btnOkClick(TObject* Sender);
  void btnCancelClick(TObject* Sender);
  void btnPlayClick(TObject* Sender);
  void btnResetClick(TObject* Sender);
  void btnSemiUpClick(TObject* Sender);
  void btnSemiDownClick(TObject* Sender);
  void beatVolSliderChange(TObject* Sender);
  void beatPanSliderChange(TObject* Sender);
  void BeatPitchSliderChange(TObject* Sender);
  void edtBeatVolExit(TObject* Sender);
  void edtBeatPanExit(TObject* Sender);

  // Set by Reset, cleared by every slider change and every box left: Ok
  // then shows the cell with the plain "on" face.
  bool BeatReset = false;
};

extern TfrmBeat* frmBeat;
