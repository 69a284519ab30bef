#include "drummachine/dialogs/beatinfo.h"

#include <cstdint>

#include "drummachine/core/PlaybackEngine.h"
#include "drummachine/editing/PitchSteps.h"
#include "drummachine/editing/ValueRange.h"
#include "platform/vcl/SysUtils.h"

TfrmBeat* frmBeat = nullptr;

namespace {

// A box shows its slider in whole units: hundredths divided by 100,
// truncated toward zero.
std::string BoxText(const TStyTrackBar* slider) {
  return IntToStr(slider->GetPosition() / 100);
}

// The box's whole number in hundredths; none when it holds no number.
std::optional<std::int64_t> BoxHundredths(TEdit* box) {
  int value = 0;
  if (!TryStrToInt(Trim(box->GetText()), value)) return std::nullopt;
  return std::int64_t{value} * 100;
}

void MoveSlider(TStyTrackBar* slider, std::int64_t value) {
  slider->SetPosition(ClampToRange(value, slider->GetMinValue(), slider->GetMaxValue()));
}

// Characters first..first+count-1 (counted from 1) of text, as far as it
// reaches.
std::string Characters(const std::string& text, std::size_t first, std::size_t count) {
  if (text.size() < first) return "";
  return text.substr(first - 1, count);
}

}  // namespace

TfrmBeat::~TfrmBeat() {
  if (frmBeat == this) frmBeat = nullptr;
}

void TfrmBeat::Publish(TPublisher<TfrmBeat>& p) {
  p.Field("lbltrack", &TfrmBeat::lbltrack);
  p.Field("lblbeat", &TfrmBeat::lblbeat);
  p.Field("lbltrkName", &TfrmBeat::lbltrkName);
  p.Field("beatVolSlider", &TfrmBeat::beatVolSlider);
  p.Field("beatPanSlider", &TfrmBeat::beatPanSlider);
  p.Field("BeatPitchSlider", &TfrmBeat::BeatPitchSlider);
  p.Field("edtBeatVol", &TfrmBeat::edtBeatVol);
  p.Field("edtBeatPan", &TfrmBeat::edtBeatPan);
  p.Field("btnOk", &TfrmBeat::btnOk);
  p.Field("btnCancel", &TfrmBeat::btnCancel);
  p.Field("btnPlay", &TfrmBeat::btnPlay);
  p.Field("btnReset", &TfrmBeat::btnReset);
  p.Field("btnSemiUp", &TfrmBeat::btnSemiUp);
  p.Field("btnSemiDown", &TfrmBeat::btnSemiDown);

  p.Method("btnOkClick", &TfrmBeat::btnOkClick);
  p.Method("btnCancelClick", &TfrmBeat::btnCancelClick);
  p.Method("btnPlayClick", &TfrmBeat::btnPlayClick);
  p.Method("btnResetClick", &TfrmBeat::btnResetClick);
  p.Method("btnSemiUpClick", &TfrmBeat::btnSemiUpClick);
  p.Method("btnSemiDownClick", &TfrmBeat::btnSemiDownClick);
  p.Method("beatVolSliderChange", &TfrmBeat::beatVolSliderChange);
  p.Method("beatPanSliderChange", &TfrmBeat::beatPanSliderChange);
  p.Method("BeatPitchSliderChange", &TfrmBeat::BeatPitchSliderChange);
  p.Method("edtBeatVolExit", &TfrmBeat::edtBeatVolExit);
  p.Method("edtBeatPanExit", &TfrmBeat::edtBeatPanExit);
}

void TfrmBeat::Preset(const TBeatPreset& preset) {
  lbltrack->SetCaption(preset.TrackLabel);
  lblbeat->SetCaption(preset.BeatLabel);
  lbltrkName->SetCaption(preset.TrackName);
  MoveSlider(beatVolSlider, preset.Volume);
  MoveSlider(beatPanSlider, preset.Pan);
  MoveSlider(BeatPitchSlider, preset.Pitch);
  // A slider already at its value fires no change: the boxes are set here.
  edtBeatVol->SetText(BoxText(beatVolSlider));
  edtBeatPan->SetText(BoxText(beatPanSlider));
  SetLeft(preset.Left);
  SetTop(preset.Top);
  BeatReset = false;
}

// The track is the number in characters 7-8 of "Track N"; the step the
// number in characters 6-7 of "Beat N", or character 6 alone when a
// one-figure step is followed by " 32nd"; a beat label longer than 8
// characters names a 32nd cell.
std::optional<TfrmBeat::TCellRef> TfrmBeat::LabelledCell() const {
  const std::string track = lbltrack->GetCaption();
  const std::string beat = lblbeat->GetCaption();
  std::string stepText = Characters(beat, 6, 2);
  if (beat.size() >= 7 && beat[6] == ' ') stepText = Characters(beat, 6, 1);
  TCellRef cell{};
  if (!TryStrToInt(Trim(Characters(track, 7, 2)), cell.Track)) return std::nullopt;
  if (!TryStrToInt(Trim(stepText), cell.Step)) return std::nullopt;
  cell.ThirtySecond = beat.size() > 8;
  if (Model == nullptr || !TStepGrid<int>::Contains(cell.Step, cell.Track, Model->EditedPattern)) return std::nullopt;
  return cell;
}

void TfrmBeat::TakePendingBoxes() {
  if (edtBeatVol->GetText() != BoxText(beatVolSlider)) edtBeatVolExit(edtBeatVol);
  if (edtBeatPan->GetText() != BoxText(beatPanSlider)) edtBeatPanExit(edtBeatPan);
}

void TfrmBeat::btnOkClick(TObject*) {
  TakePendingBoxes();
  if (const std::optional<TCellRef> cell = LabelledCell()) {
    const int s = cell->Step;
    const int t = cell->Track;
    const int p = Model->EditedPattern;
    TCellLayer layer = Model->Song.Layer(cell->ThirtySecond);
    layer.On(s, t, p) = 1;
    if (Grid != nullptr) Grid->SetCellFace(t, s, cell->ThirtySecond, BeatReset ? CellOn : CellModified, false);
    layer.Modified(s, t, p) = 1;
    if (beatVolSlider->GetPosition() > 0) beatVolSlider->SetPosition(0);
    layer.Volume(s, t, p) = beatVolSlider->GetPosition();
    layer.Pan(s, t, p) = beatPanSlider->GetPosition();
    layer.Pitch(s, t, p) = BeatPitchSlider->GetPosition();
  }
  SetModalResult(mrOk);
}

void TfrmBeat::btnCancelClick(TObject*) {
  SetModalResult(mrCancel);
}

// The track's wave plays once with the dialog's values and the main volume,
// never louder than full level nor below silence.
void TfrmBeat::btnPlayClick(TObject*) {
  const std::optional<TCellRef> cell = LabelledCell();
  if (!cell || !TrackList) return;
  ITrackWaveList* list = TrackList(cell->Track);
  if (list == nullptr) return;
  const int wave = Model->Song.TrackSample[cell->Track];
  if (wave < 0 || wave >= list->GetCount()) return;
  list->SetItemPan(wave, beatPanSlider->GetPosition());
  list->SetItemFrequency(wave, BeatPitchSlider->GetPosition());
  list->SetItemVolume(
      wave, ClampToRange(std::int64_t{beatVolSlider->GetPosition()} + Model->MainVolume, MinVolume, MaxVolume));
  list->PlayItem(wave);
}

// The track's own values; a slider that moves clears the reset mark again,
// so the plain face only shows when the cell already held them.
void TfrmBeat::btnResetClick(TObject*) {
  BeatReset = true;
  const std::optional<TCellRef> cell = LabelledCell();
  if (!cell) return;
  const TSong& song = Model->Song;
  MoveSlider(beatVolSlider, song.TrackVolume[cell->Track]);
  MoveSlider(beatPanSlider, song.TrackPan[cell->Track]);
  MoveSlider(BeatPitchSlider, song.TrackPitch[cell->Track]);
}

void TfrmBeat::btnSemiUpClick(TObject*) {
  BeatPitchSlider->SetPosition(SemitonesUp(BeatPitchSlider->GetPosition(), 1));
}

void TfrmBeat::btnSemiDownClick(TObject*) {
  BeatPitchSlider->SetPosition(SemitonesDown(BeatPitchSlider->GetPosition(), 1));
}

void TfrmBeat::beatVolSliderChange(TObject*) {
  edtBeatVol->SetText(BoxText(beatVolSlider));
  BeatReset = false;
}

void TfrmBeat::beatPanSliderChange(TObject*) {
  edtBeatPan->SetText(BoxText(beatPanSlider));
  BeatReset = false;
}

void TfrmBeat::BeatPitchSliderChange(TObject*) {
  BeatReset = false;
}

// A box only moves its slider; Ok stores what the sliders hold. A volume
// above full level becomes 0; a box without a number shows its slider again.
void TfrmBeat::edtBeatVolExit(TObject*) {
  BeatReset = false;
  if (std::optional<std::int64_t> volume = BoxHundredths(edtBeatVol))
    MoveSlider(beatVolSlider, *volume > 0 ? 0 : *volume);
  edtBeatVol->SetText(BoxText(beatVolSlider));
}

void TfrmBeat::edtBeatPanExit(TObject*) {
  BeatReset = false;
  if (std::optional<std::int64_t> pan = BoxHundredths(edtBeatPan)) MoveSlider(beatPanSlider, *pan);
  edtBeatPan->SetText(BoxText(beatPanSlider));
}
