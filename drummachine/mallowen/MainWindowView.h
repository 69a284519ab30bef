// What the window's units show, on the main window's controls: the step
// engine's lights, status panels, order grid and transport; the step grid's
// cells; the track panel and the strips; the kit displays. The setters only
// show: the window keeps its own change and click handlers quiet while they
// run (TfrmMain::TQuiet).
#pragma once

#include <string>

#include "drummachine/core/PlaybackView.h"
#include "drummachine/editing/StepGridView.h"
#include "drummachine/editing/TrackPanelView.h"
#include "drummachine/editing/TrackWaveNames.h"
#include "drummachine/kits/KitView.h"
#include "platform/vcl/Graphics.h"

class TfrmMain;

// The grey of an unlit step light.
constexpr TColor StepLightOff = static_cast<TColor>(0x808080);

class TMainWindowView : public IPlaybackView,
                        public IStepGridView,
                        public ITrackPanelView,
                        public ITrackWaveNames,
                        public IKitView {
 public:
  explicit TMainWindowView(TfrmMain& form) : FForm(form) {}

  // The colour of the lit step light: the skin's.
  TColor LedColor = clYellow;

  void PaintStepLight(int step, bool lit) override;
  void SetStepLightVisible(int step, bool visible) override;
  void SetStepCellVisible(int track, int step, bool visible) override;
  void SetStep32CellVisible(int track, int step, bool visible) override;
  void SetStatusText(int panel, const std::string& text) override;
  void SelectSequenceCell(int col, int row) override;
  void SetPlaySequencerCaption(const std::string& caption) override;
  void SetPauseCaption(const std::string& caption) override;
  void ReleasePlayButton() override;
  void FocusAway() override;
  void SetTimerInterval(unsigned interval) override;
  void ShowTempo(const std::string& caption, int position) override;
  void CheckMetre(int metre) override;
  void ShowMessage(const std::string& text) override;

  // The step grid.
  void SetCellFace(int track, int step, bool thirtySecond, int face, bool repaint) override;
  void SetTrackFaces(int track, bool thirtySecond) override;
  void SetStepCellWidth(int track, int width) override;
  void SetStepRowVisible(int track, bool visible) override;
  void SetStep32RowVisible(int track, bool visible) override;
  void CheckTrackResolution(bool thirtySecond) override;
  void CheckAllSixteenth(bool checked) override;
  void CheckAllThirtySecond(bool checked) override;

  // The track panel and the strips.
  void SetTrackButtonsColor(int track, TColor color) override;
  void SetMuteButtonColor(int track, TColor color) override;
  void SetSoloButtonColor(int track, TColor color) override;
  void SetFaderPosition(int track, int position) override;
  void ShowTrackName(const std::string& name) override;
  void ShowTrackNumber(const std::string& text) override;
  void ShowSampleName(const std::string& name) override;
  void SetCurrentTrackCaption(const std::string& caption) override;
  void SetSlider(TPanelSlider slider, int position) override;
  void SetEditText(TPanelEdit edit, const std::string& text) override;
  void SetChecked(TPanelCheck check, bool checked) override;
  void SetDrumList(const std::vector<std::string>& names, int index) override;
  void SetDrumPopupItems(const std::vector<std::string>& captions) override;
  void ShowRecentSongs(const TRangeArray<std::string, 1, RecentSongCount>& files) override;

  // The waves of the tracks' lists.
  int WaveCount(int track) const override;
  std::string WaveName(int track, int index) const override;

  // The kit displays.
  void SetTrackButtonCaption(int track, const std::string& caption) override;
  void SetDrumButtonCaption(int track, const std::string& caption) override;
  void SetSampleItems(const std::vector<std::string>& items, int itemIndex) override;
  void SetSampleIndex(int itemIndex) override;
  void SetSampleLabel(const std::string& text) override;
  void SetUserKitItem(int n, const std::string& caption, bool visible) override;
  void SetUserKitSeparatorVisible(bool visible) override;
  void SetKitCaptions(const std::string& statusPanel, const std::string& lblkit, const std::string& lblKit2,
                      const std::string& lblkit3) override;
  void SetBuiltinKitChecked(int kitId, bool checked) override;
  void SetUserKitChecked(int n, bool checked) override;

 private:
  TfrmMain& FForm;
};
