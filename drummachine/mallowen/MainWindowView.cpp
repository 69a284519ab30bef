#include "drummachine/mallowen/MainWindowView.h"

#include "drummachine/mallowen/ComponentNames.h"
#include "drummachine/mallowen/mallowen.h"
#include "platform/vcl/Dialogs.h"
#include "sound/WaveCollection.h"

void TMainWindowView::PaintStepLight(int step, bool lit) {
  if (step < 1 || step > SongSteps) return;
  FForm.StepLeds[static_cast<std::size_t>(step - 1)]->GetBrush()->SetColor(lit ? LedColor : StepLightOff);
}

void TMainWindowView::SetStepLightVisible(int step, bool visible) {
  if (step < 1 || step > SongSteps) return;
  FForm.StepLeds[static_cast<std::size_t>(step - 1)]->SetVisible(visible);
}

void TMainWindowView::SetStepCellVisible(int track, int step, bool visible) {
  FForm.Cell(track, step, false)->SetVisible(visible);
}

void TMainWindowView::SetStep32CellVisible(int track, int step, bool visible) {
  FForm.Cell(track, step, true)->SetVisible(visible);
}

void TMainWindowView::SetStatusText(int panel, const std::string& text) {
  FForm.StatusBar1->GetPanels()->GetItem(panel)->SetText(text);
}

void TMainWindowView::SelectSequenceCell(int col, int row) {
  FForm.sequencer->SetSelection(TGridRect{col, row, col, row});
}

void TMainWindowView::SetPlaySequencerCaption(const std::string& caption) {
  FForm.btnplayseq->SetCaption(caption);
}

void TMainWindowView::SetPauseCaption(const std::string& caption) {
  FForm.btnpause->SetCaption(caption);
}

void TMainWindowView::ReleasePlayButton() {
  FForm.StyMMButton1->SetPressed(false);
}

void TMainWindowView::FocusAway() {
  if (FForm.edtRuse->CanFocus()) FForm.edtRuse->SetFocus();
}

void TMainWindowView::SetTimerInterval(unsigned interval) {
  FForm.DsTimer1->SetInterval(interval);
}

void TMainWindowView::ShowTempo(const std::string& caption, int position) {
  FForm.btnTempo->SetCaption(caption);
  FForm.UpDown1->SetPosition(position);
}

void TMainWindowView::CheckMetre(int metre) {
  FForm.mnu44time->SetChecked(metre == 4);
  FForm.mnu34time->SetChecked(metre == 3);
}

void TMainWindowView::ShowMessage(const std::string& text) {
  ::ShowMessage(text);
}

// ---------------------------------------------------------------- step grid

void TMainWindowView::SetCellFace(int track, int step, bool thirtySecond, int face, bool repaint) {
  TStyLImage* cell = FForm.Cell(track, step, thirtySecond);
  // A cell ignores its own face again; another one first makes it repaint.
  if (repaint && cell->GetListIndex() == face) cell->SetListIndex(face == 2 ? 0 : 2);
  cell->SetListIndex(face);
}

void TMainWindowView::SetTrackFaces(int track, bool thirtySecond) {
  FForm.ShowTrackFaces(track, thirtySecond);
}

void TMainWindowView::SetStepCellWidth(int track, int width) {
  for (int s = 1; s <= SongSteps; ++s) FForm.Cell(track, s, false)->SetWidth(width);
}

void TMainWindowView::SetStepRowVisible(int track, bool visible) {
  for (int s = 1; s <= SongSteps; ++s) FForm.Cell(track, s, false)->SetVisible(visible);
}

void TMainWindowView::SetStep32RowVisible(int track, bool visible) {
  for (int s = 1; s <= SongSteps; ++s) FForm.Cell(track, s, true)->SetVisible(visible);
}

void TMainWindowView::CheckTrackResolution(bool thirtySecond) {
  FForm.Component<TMenuItem>("mnu32ndNotes")->SetChecked(thirtySecond);
  FForm.Component<TMenuItem>("mnu16thNotes")->SetChecked(!thirtySecond);
}

void TMainWindowView::CheckAllSixteenth(bool checked) {
  FForm.Component<TMenuItem>("mnu16thNotes2")->SetChecked(checked);
}

void TMainWindowView::CheckAllThirtySecond(bool checked) {
  FForm.Component<TMenuItem>("mnu32ndnotes2")->SetChecked(checked);
}

// ------------------------------------------------------- track panel, strips

void TMainWindowView::SetTrackButtonsColor(int track, TColor color) {
  FForm.TrackButtons[track]->GetColors()->SetUp(color);
  FForm.DrumButtons[track]->GetColors()->SetUp(color);
}

void TMainWindowView::SetMuteButtonColor(int track, TColor color) {
  FForm.MuteButtons[track]->GetColors()->SetUp(color);
}

void TMainWindowView::SetSoloButtonColor(int track, TColor color) {
  FForm.SoloButtons[track]->GetColors()->SetUp(color);
}

void TMainWindowView::SetFaderPosition(int track, int position) {
  FForm.TrackFaders[track]->SetPosition(position);
}

void TMainWindowView::ShowTrackName(const std::string& name) {
  for (const char* label : {"lblDrum", "lblDrum2", "lblDrum4"}) FForm.Component<TLabel>(label)->SetCaption(name);
}

void TMainWindowView::ShowTrackNumber(const std::string& text) {
  for (const char* label : {"lbltrk", "lbltrk2", "lbltrk3", "lblTrk4"})
    FForm.Component<TLabel>(label)->SetCaption(text);
}

void TMainWindowView::ShowSampleName(const std::string& name) {
  FForm.Component<TLabel>("lblSample")->SetCaption(name);
}

void TMainWindowView::SetCurrentTrackCaption(const std::string& caption) {
  FForm.Component<TMenuItem>("mnuCurrentTrack")->SetCaption(caption);
}

void TMainWindowView::SetSlider(TPanelSlider slider, int position) {
  static const char* const names[] = {"boxVolSlider", "boxPanSlider", "boxPitchSlider", "boxODSlider",
                                      "rndVolSlider", "rndPanSlider", "rndPitchSlider"};
  FForm.Component<TStyTrackBar>(names[slider])->SetPosition(position);
}

void TMainWindowView::SetEditText(TPanelEdit edit, const std::string& text) {
  FForm.Component<TEdit>(edit == peVolume ? "edtVol" : "edtPan")->SetText(text);
}

void TMainWindowView::SetChecked(TPanelCheck check, bool checked) {
  switch (check) {
    case pcHumanize:
      FForm.Component<TCheckBox>("cbxHumanize")->SetChecked(checked);
      FForm.Component<TMenuItem>("mnuHumanize")->SetChecked(checked);
      FForm.Component<TMenuItem>("popHumanize")->SetChecked(checked);
      break;
    case pcMute:
      FForm.Component<TCheckBox>("cbxMute")->SetChecked(checked);
      FForm.Component<TCheckBox>("cbxMute2")->SetChecked(checked);
      FForm.Component<TMenuItem>("mnuMute")->SetChecked(checked);
      FForm.Component<TMenuItem>("popMute")->SetChecked(checked);
      break;
    case pcSolo:
      FForm.Component<TCheckBox>("cbxSolo")->SetChecked(checked);
      FForm.Component<TCheckBox>("cbxSolo2")->SetChecked(checked);
      FForm.Component<TMenuItem>("mnuSolo")->SetChecked(checked);
      FForm.Component<TMenuItem>("popSolo")->SetChecked(checked);
      break;
    case pcHiHatCut: FForm.Component<TMenuItem>("mnuhihat")->SetChecked(checked); break;
  }
}

void TMainWindowView::SetDrumList(const std::vector<std::string>& names, int index) {
  SetSampleItems(names, index);
}

void TMainWindowView::SetDrumPopupItems(const std::vector<std::string>& captions) {
  for (int i = 0; i < TrackWaveSlots; ++i) {
    auto* item = FForm.Component<TMenuItem>("mnuPopupDrum" + TwoFigures(i));
    const bool shown = i < static_cast<int>(captions.size());
    if (shown) item->SetCaption(captions[static_cast<std::size_t>(i)]);
    item->SetVisible(shown);
  }
}

void TMainWindowView::ShowRecentSongs(const TRangeArray<std::string, 1, RecentSongCount>& files) {
  for (int n = 1; n <= RecentSongCount; ++n) {
    auto* item = FForm.Component<TMenuItem>("mnuRecent" + std::to_string(n));
    item->SetCaption(std::to_string(n) + ". " + files[n]);
    item->SetVisible(!files[n].empty());
  }
  FForm.Component<TMenuItem>("N12")->SetVisible(!files[1].empty());
}

// ------------------------------------------------------------------- waves

int TMainWindowView::WaveCount(int track) const {
  if (track < 1 || track > SongTracks || FForm.TrackWaveLists[track] == nullptr) return 0;
  return FForm.TrackWaveLists[track]->GetItems()->GetCount();
}

std::string TMainWindowView::WaveName(int track, int index) const {
  if (index < 0 || index >= WaveCount(track)) return {};
  return static_cast<TWaveCollectionItem*>(FForm.TrackWaveLists[track]->GetItems()->GetItem(index))->GetName();
}

// ------------------------------------------------------------ kit displays

void TMainWindowView::SetTrackButtonCaption(int track, const std::string& caption) {
  FForm.TrackButtons[track]->SetCaption(caption);
}

void TMainWindowView::SetDrumButtonCaption(int track, const std::string& caption) {
  FForm.DrumButtons[track]->SetCaption(caption);
}

void TMainWindowView::SetSampleItems(const std::vector<std::string>& items, int itemIndex) {
  auto* box = FForm.Component<TComboBox>("edtDrum");
  box->GetItems()->Clear();
  for (const std::string& item : items) box->GetItems()->Add(item);
  box->SetItemIndex(itemIndex);
}

void TMainWindowView::SetSampleIndex(int itemIndex) {
  FForm.Component<TComboBox>("edtDrum")->SetItemIndex(itemIndex);
}

void TMainWindowView::SetSampleLabel(const std::string& text) {
  FForm.Component<TLabel>("lblSample")->SetCaption(text);
}

void TMainWindowView::SetUserKitItem(int n, const std::string& caption, bool visible) {
  TMenuItem* item = FForm.UserKitItems[static_cast<std::size_t>(n - 1)];
  item->SetCaption(caption);
  item->SetVisible(visible);
}

void TMainWindowView::SetUserKitSeparatorVisible(bool visible) {
  FForm.Component<TMenuItem>("N18")->SetVisible(visible);
}

void TMainWindowView::SetKitCaptions(const std::string& statusPanel, const std::string& lblkit,
                                     const std::string& lblKit2, const std::string& lblkit3) {
  SetStatusText(1, statusPanel);
  FForm.Component<TLabel>("lblkit")->SetCaption(lblkit);
  FForm.Component<TLabel>("lblKit2")->SetCaption(lblKit2);
  FForm.Component<TLabel>("lblkit3")->SetCaption(lblkit3);
}

void TMainWindowView::SetBuiltinKitChecked(int kitId, bool checked) {
  if (kitId < 0 || kitId >= static_cast<int>(KitItemNames.size())) return;
  FForm.Component<TMenuItem>(KitItemNames[static_cast<std::size_t>(kitId)])->SetChecked(checked);
}

void TMainWindowView::SetUserKitChecked(int n, bool checked) {
  FForm.UserKitItems[static_cast<std::size_t>(n - 1)]->SetChecked(checked);
}
