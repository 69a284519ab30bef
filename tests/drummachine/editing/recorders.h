// Recorder views of the step grid and the track panel, a table of wave
// names, and a rig that binds them with the step engine's recorders.
#pragma once

#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "../playback/recorders.h"
#include "drummachine/editing/StepGridEditor.h"
#include "drummachine/editing/TrackPanel.h"

namespace editing_test {

// Keeps what each cell, row and menu mark shows last.
class RecordingGridView : public IStepGridView {
 public:
  void SetCellFace(int track, int step, bool thirtySecond, int face, bool repaint) override {
    faces[{track, step, thirtySecond}] = face;
    repaints[{track, step, thirtySecond}] = repaint;
  }
  void SetTrackFaces(int track, bool thirtySecond) override { faceSet[track] = thirtySecond; }
  void SetStepCellWidth(int track, int width) override { widths[track] = width; }
  void SetStepRowVisible(int track, bool visible) override { rowVisible[track] = visible; }
  void SetStep32RowVisible(int track, bool visible) override { row32Visible[track] = visible; }
  void CheckTrackResolution(bool thirtySecond) override { trackMenu32nd = thirtySecond; }
  void CheckAllSixteenth(bool checked) override { allSixteenthChecked = checked; }
  void CheckAllThirtySecond(bool checked) override { allThirtySecondChecked = checked; }

  // -1 for a cell never drawn.
  int Face(int track, int step, bool thirtySecond = false) const {
    auto it = faces.find({track, step, thirtySecond});
    return it == faces.end() ? -1 : it->second;
  }

  std::map<std::tuple<int, int, bool>, int> faces;
  std::map<std::tuple<int, int, bool>, bool> repaints;
  std::map<int, bool> faceSet;
  std::map<int, int> widths;
  std::map<int, bool> rowVisible;
  std::map<int, bool> row32Visible;
  bool trackMenu32nd = false;
  bool allSixteenthChecked = true;
  bool allThirtySecondChecked = false;
};

class RecordingPanelView : public ITrackPanelView {
 public:
  void SetTrackButtonsColor(int track, TColor color) override { trackColors[track] = color; }
  void SetMuteButtonColor(int track, TColor color) override { muteColors[track] = color; }
  void SetSoloButtonColor(int track, TColor color) override { soloColors[track] = color; }
  void SetFaderPosition(int track, int position) override { faders[track] = position; }
  void ShowTrackName(const std::string& name) override { trackName = name; }
  void ShowTrackNumber(const std::string& text) override { trackNumber = text; }
  void ShowSampleName(const std::string& name) override { sampleName = name; }
  void SetCurrentTrackCaption(const std::string& caption) override { currentTrackCaption = caption; }
  void SetSlider(TPanelSlider slider, int position) override { sliders[slider] = position; }
  void SetEditText(TPanelEdit edit, const std::string& text) override { edits[edit] = text; }
  void SetChecked(TPanelCheck check, bool checked) override { checks[check] = checked; }
  void CheckTrackResolution(bool thirtySecond) override { trackMenu32nd = thirtySecond; }
  void SetDrumList(const std::vector<std::string>& names, int index) override {
    drumList = names;
    drumIndex = index;
  }
  void SetDrumPopupItems(const std::vector<std::string>& captions) override { popupItems = captions; }
  void ShowRecentSongs(const TRangeArray<std::string, 1, RecentSongCount>& files) override { recentSongs = files; }
  void FocusAway() override { ++focusMoves; }

  // The tracks whose name and drum buttons show the current-track colour.
  std::vector<int> TracksMarked() const {
    std::vector<int> marked;
    for (const auto& [track, color] : trackColors)
      if (color == SelectedTrackColor) marked.push_back(track);
    return marked;
  }

  std::map<int, TColor> trackColors;
  std::map<int, TColor> muteColors;
  std::map<int, TColor> soloColors;
  std::map<int, int> faders;
  std::string trackName;
  std::string trackNumber;
  std::string sampleName;
  std::string currentTrackCaption;
  std::map<TPanelSlider, int> sliders;
  std::map<TPanelEdit, std::string> edits;
  std::map<TPanelCheck, bool> checks;
  bool trackMenu32nd = false;
  std::vector<std::string> drumList;
  int drumIndex = -2;
  std::vector<std::string> popupItems;
  TRangeArray<std::string, 1, RecentSongCount> recentSongs;
  int focusMoves = 0;
};

// Wave names by track; a track without an entry holds no waves.
class TableWaveNames : public ITrackWaveNames {
 public:
  int WaveCount(int track) const override {
    auto it = names.find(track);
    return it == names.end() ? 0 : static_cast<int>(it->second.size());
  }
  std::string WaveName(int track, int index) const override { return names.at(track).at(index); }

  std::map<int, std::vector<std::string>> names;
};

// The model, both units, the step engine and recorders for all of them; the
// model is ready (FormReady) and every track holds one wave.
struct Rig {
  Rig()
      : engine(model, playbackView, random),
        panel(model, panelView, waves, engine.TrackWaveLists),
        grid(model, gridView, panel, engine, random) {
    model.FormReady = true;
    for (int t = 1; t <= SongTracks; ++t) lists.emplace_back(t, 1, log, model);
    for (int t = 1; t <= SongTracks; ++t) engine.TrackWaveLists[t] = &lists[t - 1];
  }

  TMainModel model;
  playback_test::RecordingView playbackView;
  playback_test::ScriptedRandom random;
  playback_test::SoundLog log;
  std::deque<playback_test::RecordingWaveList> lists;
  RecordingGridView gridView;
  RecordingPanelView panelView;
  TableWaveNames waves;
  TPlaybackEngine engine;
  TTrackPanel panel;
  TStepGridEditor grid;
};

}  // namespace editing_test
