// Recorders that stand in for the tracks' wave lists, the main window and the
// random generator while the step engine runs.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "drummachine/core/PlaybackEngine.h"

namespace playback_test {

// One play of an item with the values it started with.
struct Hit {
  int track;
  int item;
  int volume;
  int pan;
  int frequency;
  int step;  // the engine's PlayStep at the moment
  int halfTick;  // 1 for a 32nd cell
  int pattern;

  bool operator==(const Hit&) const = default;
};

struct Stop {
  int track;
  int item;
  bool operator==(const Stop&) const = default;
};

struct SoundLog {
  std::vector<Hit> hits;
  std::vector<Stop> stops;
};

// A wave list whose items keep the values last set, as the sound engine's
// items do, and log each play with those values.
class RecordingWaveList : public ITrackWaveList {
 public:
  RecordingWaveList(int track, int count, SoundLog& log, const TMainModel& model)
      : FTrack(track), FCount(count), FLog(log), FModel(model), FItems(count) {}

  int GetCount() const override { return FCount; }
  void SetItemVolume(int index, int volume) override { FItems.at(index).volume = volume; }
  void SetItemPan(int index, int pan) override { FItems.at(index).pan = pan; }
  void SetItemFrequency(int index, int frequency) override { FItems.at(index).frequency = frequency; }
  void PlayItem(int index) override {
    const Values& v = FItems.at(index);
    FLog.hits.push_back(
        {FTrack, index, v.volume, v.pan, v.frequency, FModel.PlayStep, FModel.HalfTick, FModel.PlayPattern});
  }
  void StopItem(int index) override {
    FItems.at(index);
    FLog.stops.push_back({FTrack, index});
  }

 private:
  struct Values {
    int volume = 0;
    int pan = 0;
    int frequency = 0;
  };
  int FTrack;
  int FCount;
  SoundLog& FLog;
  const TMainModel& FModel;
  std::vector<Values> FItems;
};

class RecordingView : public IPlaybackView {
 public:
  void PaintStepLight(int step, bool lit) override { lights.emplace_back(step, lit); }
  void SetStepLightVisible(int step, bool visible) override { lightVisible[step] = visible; }
  void SetStepCellVisible(int track, int step, bool visible) override { cellVisible[{track, step}] = visible; }
  void SetStep32CellVisible(int track, int step, bool visible) override { cell32Visible[{track, step}] = visible; }
  void SetStatusText(int panel, const std::string& text) override { status[panel] = text; }
  void SelectSequenceCell(int col, int row) override { selection = {col, row}; }
  void SetPlaySequencerCaption(const std::string& caption) override { playSequencerCaption = caption; }
  void SetPauseCaption(const std::string& caption) override { pauseCaption = caption; }
  void ReleasePlayButton() override { ++playButtonReleases; }
  void FocusAway() override { ++focusMoves; }
  void SetTimerInterval(unsigned value) override { interval = value; }
  void ShowTempo(const std::string& caption, int position) override {
    tempoCaption = caption;
    tempoPosition = position;
  }
  void CheckMetre(int metre) override { checkedMetre = metre; }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }

  std::vector<std::pair<int, bool>> lights;
  std::map<int, bool> lightVisible;
  std::map<std::pair<int, int>, bool> cellVisible;
  std::map<std::pair<int, int>, bool> cell32Visible;
  std::map<int, std::string> status;
  std::pair<int, int> selection{-1, -1};
  std::string playSequencerCaption;
  std::string pauseCaption;
  int playButtonReleases = 0;
  int focusMoves = 0;
  unsigned interval = 0;
  std::string tempoCaption;
  int tempoPosition = 0;
  int checkedMetre = 0;
  std::vector<std::string> messages;
};

// Gives scripted numbers (0 once the script runs out) and records the ranges
// asked for.
class ScriptedRandom : public IRandomSource {
 public:
  void Randomize() override { ++reseeds; }
  int Random(int range) override {
    ranges.push_back(range);
    if (script.empty()) return 0;
    int v = script.front();
    script.pop_front();
    return v;
  }

  std::deque<int> script;
  std::vector<int> ranges;
  int reseeds = 0;
};

// A model, a view, a random source and twelve tracks of one wave each.
struct Rig {
  Rig() : engine(model, view, random) {
    for (int t = 1; t <= SongTracks; ++t) {
      lists.emplace_back(t, 1, log, model);
    }
    for (int t = 1; t <= SongTracks; ++t) engine.TrackWaveLists[t] = &lists[t - 1];
  }

  // Ticks n times.
  void Tick(int n = 1) {
    for (int i = 0; i < n; ++i) engine.DsTimer1Timer();
  }

  std::vector<Hit> HitsOf(int track) const {
    std::vector<Hit> out;
    for (const Hit& h : log.hits)
      if (h.track == track) out.push_back(h);
    return out;
  }

  TMainModel model;
  RecordingView view;
  ScriptedRandom random;
  SoundLog log;
  std::deque<RecordingWaveList> lists;
  TPlaybackEngine engine;
};

}  // namespace playback_test
