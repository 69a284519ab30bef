// What the track mixer and the track panel show: the strip colours of the
// tracks, the panel's labels, sliders, edits and check marks, the wave
// choices and the track menu's marks. The setters only show state: the main
// window keeps its own change and click handlers quiet while they run.
#pragma once

#include <string>
#include <vector>

#include "drummachine/core/MainModel.h"
#include "platform/vcl/Graphics.h"

// The strip colours.
constexpr TColor SelectedTrackColor = clGray;  // the current track's name and drum buttons
constexpr TColor TrackButtonColor = clSilver;
constexpr TColor MutedColor = clMaroon;
constexpr TColor SoloedColor = clOlive;

// The panel's sliders: boxVolSlider, boxPanSlider, boxPitchSlider,
// boxODSlider, rndVolSlider, rndPanSlider, rndPitchSlider.
enum TPanelSlider { psVolume, psPan, psPitch, psOverdrive, psHumanizeVolume, psHumanizePan, psHumanizePitch };
// The panel's number boxes: edtVol (decibels) and edtPan.
enum TPanelEdit { peVolume, pePan };
// The switches and their menu items: cbxHumanize and mnuHumanize; cbxMute,
// cbxMute2 and mnuMute; cbxSolo, cbxSolo2 and mnuSolo; mnuhihat.
enum TPanelCheck { pcHumanize, pcMute, pcSolo, pcHiHatCut };

// The caption of the drum popup's last item.
constexpr const char* AddSampleCaption = "Add a Sample...";

class ITrackPanelView {
 public:
  virtual ~ITrackPanelView() = default;

  // The track's name button and drum button (the drum button's shape colour 4).
  virtual void SetTrackButtonsColor(int track, TColor color) = 0;
  virtual void SetMuteButtonColor(int track, TColor color) = 0;
  virtual void SetSoloButtonColor(int track, TColor color) = 0;
  // The track's volume fader.
  virtual void SetFaderPosition(int track, int position) = 0;

  // lblDrum, lblDrum2 and lblDrum4.
  virtual void ShowTrackName(const std::string& name) = 0;
  // lbltrk, lbltrk2, lbltrk3 and lblTrk4.
  virtual void ShowTrackNumber(const std::string& text) = 0;
  // lblSample.
  virtual void ShowSampleName(const std::string& name) = 0;
  // mnuCurrentTrack.
  virtual void SetCurrentTrackCaption(const std::string& caption) = 0;
  virtual void SetSlider(TPanelSlider slider, int position) = 0;
  virtual void SetEditText(TPanelEdit edit, const std::string& text) = 0;
  virtual void SetChecked(TPanelCheck check, bool checked) = 0;
  // The track menu's "16th Notes" / "32nd Notes" marks: one of them checked.
  virtual void CheckTrackResolution(bool thirtySecond) = 0;
  // edtDrum: the items and the selected one (-1 for none).
  virtual void SetDrumList(const std::vector<std::string>& names, int index) = 0;
  // popDrum1: item i gets captions[i] and shows; the items after them hide.
  virtual void SetDrumPopupItems(const std::vector<std::string>& captions) = 0;
  // The recent-song items of the File menu.
  virtual void ShowRecentSongs(const TRangeArray<std::string, 1, RecentSongCount>& files) = 0;
  // Takes the keyboard focus away from the buttons (to edtRuse).
  virtual void FocusAway() = 0;
};
