// The track mixer and the track panel: choosing the current track, the
// panel's refresh (UpdateBox), its sliders, number boxes and presets, mute
// and solo, humanise, the hi-hat cut, the main volume and the drum popup's
// track. Each command leaves the model and everything shown in their final
// state itself; the view's setters only show.
#pragma once

#include <string>

#include "drummachine/core/MainModel.h"
#include "drummachine/core/TrackWaveList.h"
#include "drummachine/editing/TrackPanelView.h"
#include "drummachine/editing/TrackWaveNames.h"

// The ranges of the panel's controls; a value outside is taken as its end.
constexpr int LowestTrackVolume = -5000;
constexpr int LowestPan = -10000;
constexpr int HighestPan = 10000;
constexpr int LowestPitch = 4100;
constexpr int HighestPitch = 84100;
constexpr int HighestAmount = 10;  // overdrive and the humanise amounts
constexpr int DefaultTrackPitch = 44100;
constexpr int DefaultTrackVolume = -1000;

// The pan, volume and pitch presets of the track menu and its popup.
enum TMixerPreset {
  mpPanCenter,  // mnuPanCenter "Center"
  mpPanLeft,  // mnuPanLeft "Full Left"
  mpPanRight,  // mnuPanRight "Full Right"
  mpPan50Left,  // mnuPan50Left "50% Left"
  mpPan50Right,  // mnuPan50Right "50% Right"
  mpVolumeFull,  // Full1 "Full"
  mpVolume80,  // N801 "80%"
  mpVolume50,  // N501 "50%"
  mpVolume25,  // N251 "25%"
  mpResetPitch,  // Reset1 "Reset Pitch"
  mpSemiUp,  // mnuSemiUp "Semi-tone (up)"
  mpSemiDown,  // mnuSemiDown "Semi-tone (down)"
  mp4SemiUp,  // mnu4SemiUp "4 Semi-tones (up)"
  mp4SemiDown  // mnu4SemiDown "4 Semi-tones (down)"
};

class TTrackPanel {
 public:
  // lists: each track's wave list (none for an empty one), for auditions.
  TTrackPanel(TMainModel& model, ITrackPanelView& view, const ITrackWaveNames& waves,
              const TTrackArray<ITrackWaveList*>& lists);

  // Shows the current track in the panel and marks its strip.
  void UpdateBox();
  // Makes track current (the old one's strip loses its mark) and refreshes
  // the panel.
  void SelectTrack(int track);

  // A track-name button: the track becomes current and its wave plays once.
  // Returns what AuditionTrack returned.
  int TrkBtn_01Click(int track);
  // A track's fader clicked, or moved to position.
  void trkVol1Click(int track);
  void trkVol1Change(int track, int position);

  // The panel's sliders moved.
  void boxVolSliderChange(int position);
  void boxPanSliderChange(int position);
  void boxPitchSliderChange(int position);
  void boxODSliderChange(int position);
  void rndVolSliderChange(int position);
  void rndPanSliderChange(int position);
  void rndPitchSliderChange(int position);
  // The number boxes left: decibels and pan hundredths. A text that is not a
  // number restores the box from its slider.
  void edtVolExit(const std::string& text);
  void edtPanExit(const std::string& text);

  void ApplyPreset(TMixerPreset preset);
  // Pitch, volume and pan back to their start values; mute and solo off.
  void ResetTrack1Click();

  void cbxHumanizeClick(bool checked);
  void mnuHumanizeClick();
  // The panel's mute and solo boxes set to checked, for the current track.
  void cbxMuteClick(bool checked);
  void cbxSoloClick(bool checked);
  // A strip's mute or solo button: the track becomes current, then its mute
  // or solo toggles.
  void trkMute_01Click(int track);
  void trkSolo_01Click(int track);
  void mnuMuteClick();
  void mnuSoloClick();

  void mnuhihatClick();
  void MainVolSliderChange(int position);

  // The mouse over a track's name button or drum button (btnDrum1MouseEnter
  // is the same), and away again.
  void TrkBtn_01MouseEnter(int track);
  void TrkBtn_01MouseExit();
  // popDrum1 opening: the track under the mouse becomes current first, so
  // the popup lists that track's waves.
  void popDrum1Popup();

  // The current track's buttons out of the selected look.
  void Deselect();
  // Every track's strip as the song has it (fader, mute and solo colours),
  // with no track marked: after a song was read, emptied or imported.
  void ShowStrips();

 private:
  void StoreVolume(std::int64_t volume);
  void StorePan(std::int64_t pan);
  void StorePitch(std::int64_t pitch);
  void SetMute(bool muted);
  void SetSolo(bool soloed);
  void ShowWaves();

  TMainModel& FModel;
  TSong& FSong;
  ITrackPanelView& FView;
  const ITrackWaveNames& FWaves;
  const TTrackArray<ITrackWaveList*>& FLists;
};
