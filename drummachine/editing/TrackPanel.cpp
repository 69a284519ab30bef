#include "drummachine/editing/TrackPanel.h"

#include <algorithm>
#include <vector>

#include "drummachine/editing/Audition.h"
#include "drummachine/editing/PitchSteps.h"
#include "drummachine/editing/ValueRange.h"
#include "platform/vcl/SysUtils.h"

namespace {

bool AnySolo(const TSong& song) {
  return std::any_of(song.TrackSolo.begin(), song.TrackSolo.end(), [](bool solo) { return solo; });
}

}  // namespace

TTrackPanel::TTrackPanel(TMainModel& model, ITrackPanelView& view, const ITrackWaveNames& waves,
                         const TTrackArray<ITrackWaveList*>& lists)
    : FModel(model), FSong(model.Song), FView(view), FWaves(waves), FLists(lists) {}

void TTrackPanel::UpdateBox() {
  const int t = FModel.CurrentTrack;
  const std::string& name = FModel.TrackName[t];
  FView.ShowTrackName(name);
  FView.ShowSampleName(name);
  FView.ShowTrackNumber("track " + IntToStr(t));

  // The sliders' ranges bound what the model keeps.
  StoreVolume(FSong.TrackVolume[t]);
  StorePan(FSong.TrackPan[t]);
  StorePitch(FSong.TrackPitch[t]);
  boxODSliderChange(FSong.TrackOverdrive[t]);
  rndVolSliderChange(FSong.HumanizeVolume[t]);
  rndPanSliderChange(FSong.HumanizePan[t]);
  rndPitchSliderChange(FSong.HumanizePitch[t]);

  FView.SetCurrentTrackCaption("Current Track " + IntToStr(t) + ", " + name);
  FView.CheckTrackResolution(FSong.TrackUses32nd[t]);
  ShowWaves();

  FView.SetChecked(pcHumanize, FSong.TrackHumanize[t]);
  FView.SetChecked(pcSolo, FSong.TrackSolo[t]);
  FView.SetChecked(pcMute, FSong.TrackMute[t]);
  FView.ShowRecentSongs(FModel.RecentFiles);
  FView.SetTrackButtonsColor(t, SelectedTrackColor);
}

void TTrackPanel::ShowWaves() {
  const int t = FModel.CurrentTrack;
  const int count = std::clamp(FWaves.WaveCount(t), 0, TrackWaveSlots);
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) names.push_back(FWaves.WaveName(t, i));

  const int sample = FSong.TrackSample[t];
  const bool held = sample >= 0 && sample < count;
  FView.SetDrumList(names, held ? sample : -1);
  if (held) FView.ShowSampleName(names[sample]);

  // A track holds at most TrackWaveSlots waves: a full track offers no more.
  std::vector<std::string> items = names;
  if (count < TrackWaveSlots) items.push_back(AddSampleCaption);
  FView.SetDrumPopupItems(items);
  FModel.AddSampleItem[t] = count;
}

void TTrackPanel::Deselect() {
  FView.SetTrackButtonsColor(FModel.CurrentTrack, TrackButtonColor);
}

void TTrackPanel::ShowStrips() {
  for (int t = 1; t <= SongTracks; ++t) {
    FView.SetTrackButtonsColor(t, TrackButtonColor);
    FView.SetFaderPosition(t, FSong.TrackVolume[t]);
    FView.SetMuteButtonColor(t, FSong.TrackMute[t] ? MutedColor : TrackButtonColor);
    FView.SetSoloButtonColor(t, FSong.TrackSolo[t] ? SoloedColor : TrackButtonColor);
  }
}

void TTrackPanel::SelectTrack(int track) {
  if (!TTrackArray<int>::Contains(track)) return;
  Deselect();
  FModel.CurrentTrack = track;
  UpdateBox();
}

int TTrackPanel::TrkBtn_01Click(int track) {
  if (!TTrackArray<int>::Contains(track)) return NothingAuditioned;
  FView.FocusAway();
  SelectTrack(track);
  return AuditionTrack(FModel, FLists[track], track);
}

void TTrackPanel::trkVol1Click(int track) {
  if (track != FModel.CurrentTrack) SelectTrack(track);
}

void TTrackPanel::trkVol1Change(int track, int position) {
  // A fader reports its position while the window is still loading; the
  // model keeps its own values until the window is ready.
  if (!FModel.FormReady || !TTrackArray<int>::Contains(track)) return;
  if (track != FModel.CurrentTrack) SelectTrack(track);
  StoreVolume(position);
}

void TTrackPanel::StoreVolume(std::int64_t volume) {
  const int t = FModel.CurrentTrack;
  const int v = ClampToRange(volume, LowestTrackVolume, 0);
  FSong.TrackVolume[t] = v;
  FView.SetSlider(psVolume, v);
  FView.SetFaderPosition(t, v);
  FView.SetEditText(peVolume, IntToStr(v / 100));
}

void TTrackPanel::StorePan(std::int64_t pan) {
  const int v = ClampToRange(pan, LowestPan, HighestPan);
  FSong.TrackPan[FModel.CurrentTrack] = v;
  FView.SetSlider(psPan, v);
  FView.SetEditText(pePan, IntToStr(v / 100));
}

void TTrackPanel::StorePitch(std::int64_t pitch) {
  const int v = ClampToRange(pitch, LowestPitch, HighestPitch);
  FSong.TrackPitch[FModel.CurrentTrack] = v;
  FView.SetSlider(psPitch, v);
}

void TTrackPanel::boxVolSliderChange(int position) {
  StoreVolume(position);
}

void TTrackPanel::boxPanSliderChange(int position) {
  StorePan(position);
}

void TTrackPanel::boxPitchSliderChange(int position) {
  StorePitch(position);
}

void TTrackPanel::boxODSliderChange(int position) {
  const int v = std::clamp(position, 0, HighestAmount);
  FSong.TrackOverdrive[FModel.CurrentTrack] = v;
  FView.SetSlider(psOverdrive, v);
}

void TTrackPanel::rndVolSliderChange(int position) {
  const int v = std::clamp(position, 0, HighestAmount);
  FSong.HumanizeVolume[FModel.CurrentTrack] = v;
  FView.SetSlider(psHumanizeVolume, v);
}

void TTrackPanel::rndPanSliderChange(int position) {
  const int v = std::clamp(position, 0, HighestAmount);
  FSong.HumanizePan[FModel.CurrentTrack] = v;
  FView.SetSlider(psHumanizePan, v);
}

void TTrackPanel::rndPitchSliderChange(int position) {
  const int v = std::clamp(position, 0, HighestAmount);
  FSong.HumanizePitch[FModel.CurrentTrack] = v;
  FView.SetSlider(psHumanizePitch, v);
}

void TTrackPanel::edtVolExit(const std::string& text) {
  int decibels = 0;
  if (TryStrToInt(text, decibels))
    StoreVolume(std::int64_t{decibels} * 100);
  else
    FView.SetEditText(peVolume, IntToStr(FSong.TrackVolume[FModel.CurrentTrack] / 100));
}

void TTrackPanel::edtPanExit(const std::string& text) {
  int hundredths = 0;
  if (TryStrToInt(text, hundredths))
    StorePan(std::int64_t{hundredths} * 100);
  else
    FView.SetEditText(pePan, IntToStr(FSong.TrackPan[FModel.CurrentTrack] / 100));
}

void TTrackPanel::ApplyPreset(TMixerPreset preset) {
  const int pitch = FSong.TrackPitch[FModel.CurrentTrack];
  switch (preset) {
    case mpPanCenter: StorePan(0); break;
    case mpPanLeft: StorePan(LowestPan); break;
    case mpPanRight: StorePan(HighestPan); break;
    case mpPan50Left: StorePan(-5000); break;
    case mpPan50Right: StorePan(5000); break;
    case mpVolumeFull: StoreVolume(0); break;
    case mpVolume80: StoreVolume(-1000); break;
    case mpVolume50: StoreVolume(-2500); break;
    case mpVolume25: StoreVolume(-3750); break;
    case mpResetPitch: StorePitch(DefaultTrackPitch); break;
    case mpSemiUp: StorePitch(SemitonesUp(pitch, 1)); break;
    case mpSemiDown: StorePitch(SemitonesDown(pitch, 1)); break;
    case mp4SemiUp: StorePitch(SemitonesUp(pitch, 4)); break;
    case mp4SemiDown: StorePitch(SemitonesDown(pitch, 4)); break;
  }
}

void TTrackPanel::ResetTrack1Click() {
  StorePitch(DefaultTrackPitch);
  StoreVolume(DefaultTrackVolume);
  StorePan(0);
  SetMute(false);
  SetSolo(false);
}

void TTrackPanel::cbxHumanizeClick(bool checked) {
  FSong.TrackHumanize[FModel.CurrentTrack] = checked;
  FView.SetChecked(pcHumanize, checked);
}

void TTrackPanel::mnuHumanizeClick() {
  cbxHumanizeClick(!FSong.TrackHumanize[FModel.CurrentTrack]);
}

// A track is never muted and soloed at once: either one clears the other.
void TTrackPanel::SetMute(bool muted) {
  const int t = FModel.CurrentTrack;
  FSong.TrackMute[t] = muted;
  FView.SetMuteButtonColor(t, muted ? MutedColor : TrackButtonColor);
  FView.SetChecked(pcMute, muted);
  if (muted) SetSolo(false);
}

void TTrackPanel::SetSolo(bool soloed) {
  const int t = FModel.CurrentTrack;
  FSong.TrackSolo[t] = soloed;
  FSong.SoloActive = AnySolo(FSong);
  FView.SetSoloButtonColor(t, soloed ? SoloedColor : TrackButtonColor);
  FView.SetChecked(pcSolo, soloed);
  if (soloed) SetMute(false);
}

void TTrackPanel::cbxMuteClick(bool checked) {
  SetMute(checked);
}

void TTrackPanel::cbxSoloClick(bool checked) {
  SetSolo(checked);
}

void TTrackPanel::trkMute_01Click(int track) {
  if (!TTrackArray<int>::Contains(track)) return;
  SelectTrack(track);
  SetMute(!FSong.TrackMute[track]);
}

void TTrackPanel::trkSolo_01Click(int track) {
  if (!TTrackArray<int>::Contains(track)) return;
  SelectTrack(track);
  SetSolo(!FSong.TrackSolo[track]);
}

void TTrackPanel::mnuMuteClick() {
  SetMute(!FSong.TrackMute[FModel.CurrentTrack]);
}

void TTrackPanel::mnuSoloClick() {
  SetSolo(!FSong.TrackSolo[FModel.CurrentTrack]);
}

void TTrackPanel::mnuhihatClick() {
  FSong.HiHatCut = !FSong.HiHatCut;
  FView.SetChecked(pcHiHatCut, FSong.HiHatCut);
}

void TTrackPanel::MainVolSliderChange(int position) {
  FModel.MainVolume = std::clamp(position, 0, 100) * 100 - 10000;
}

void TTrackPanel::TrkBtn_01MouseEnter(int track) {
  FModel.HoverTrack = track;
  FModel.HoverValid = TTrackArray<int>::Contains(track);
}

void TTrackPanel::TrkBtn_01MouseExit() {
  FModel.HoverValid = false;
}

void TTrackPanel::popDrum1Popup() {
  if (!FModel.HoverValid) return;
  FModel.HoverValid = false;
  SelectTrack(FModel.HoverTrack);
}
