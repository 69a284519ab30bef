#include "drummachine/dialogs/generate.h"

#include <array>
#include <string>

TfrmGenerate* frmGenerate = nullptr;

namespace {

const std::array<TCheckBox * TfrmGenerate::*, SongTracks> kTrackBoxes = {
    &TfrmGenerate::cbxTrack1, &TfrmGenerate::cbxTrack2,  &TfrmGenerate::cbxTrack3,  &TfrmGenerate::cbxTrack4,
    &TfrmGenerate::cbxTrack5, &TfrmGenerate::cbxTrack6,  &TfrmGenerate::cbxTrack7,  &TfrmGenerate::cbxTrack8,
    &TfrmGenerate::cbxTrack9, &TfrmGenerate::cbxTrack10, &TfrmGenerate::cbxTrack11, &TfrmGenerate::cbxTrack12,
};

}  // namespace

TfrmGenerate::~TfrmGenerate() {
  if (frmGenerate == this) frmGenerate = nullptr;
}

void TfrmGenerate::Publish(TPublisher<TfrmGenerate>& p) {
  p.Field("Label1", &TfrmGenerate::Label1);
  for (int t = 1; t <= SongTracks; ++t) p.Field(("cbxTrack" + std::to_string(t)).c_str(), kTrackBoxes[t - 1]);
  p.Field("btnGenerate", &TfrmGenerate::btnGenerate);
  p.Field("btnCancel", &TfrmGenerate::btnCancel);

  p.Method("btnGenerateClick", &TfrmGenerate::btnGenerateClick);
  p.Method("btnCancelClick", &TfrmGenerate::btnCancelClick);
}

TCheckBox* TfrmGenerate::TrackBox(int track) const {
  if (!TTrackArray<bool>::Contains(track)) RaiseRangeError();
  return this->*kTrackBoxes[track - 1];
}

TTrackArray<bool> TfrmGenerate::CheckedTracks() const {
  TTrackArray<bool> checked;
  for (int t = 1; t <= SongTracks; ++t) checked[t] = TrackBox(t)->GetChecked();
  return checked;
}

void TfrmGenerate::btnGenerateClick(TObject*) {
  if (Model != nullptr) Model->GenerateConfirmed = true;
  SetModalResult(mrOk);
}

void TfrmGenerate::btnCancelClick(TObject*) {
  if (Model != nullptr) Model->GenerateConfirmed = false;
  SetModalResult(mrCancel);
}
