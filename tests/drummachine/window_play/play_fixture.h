// The main window playing: a recorder in front of each track's real wave-list
// adapter (every call passes on, so the real sound still plays), the step
// clock driven tick by tick, cells clicked through the host and message boxes
// answered at once.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "drummachine/core/TrackWaveList.h"
#include "tests/drummachine/mainwindow/main_window_fixture.h"

namespace windowplay {

// One play of a wave with the values it started with, and the tick of the
// step clock it came on (1 for the first tick after Play).
struct Play {
  int tick;
  int track;
  int wave;
  int volume;
  int pan;
  int frequency;
  bool operator==(const Play&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Play& p) {
  return out << "{tick " << p.tick << ", track " << p.track << ", wave " << p.wave << ", volume " << p.volume
             << ", pan " << p.pan << ", frequency " << p.frequency << "}";
}

// Records the values each wave was last given and every play and stop, then
// passes the call on to the real list.
class RecordingWaveList : public ITrackWaveList {
 public:
  RecordingWaveList(int track, ITrackWaveList& real, const int& tick, std::vector<Play>& plays)
      : FTrack(track), FReal(real), FTick(tick), FPlays(plays), FValues(16) {}

  int GetCount() const override { return FReal.GetCount(); }
  void SetItemVolume(int index, int volume) override {
    Values(index).volume = volume;
    FReal.SetItemVolume(index, volume);
  }
  void SetItemPan(int index, int pan) override {
    Values(index).pan = pan;
    FReal.SetItemPan(index, pan);
  }
  void SetItemFrequency(int index, int frequency) override {
    Values(index).frequency = frequency;
    FReal.SetItemFrequency(index, frequency);
  }
  void PlayItem(int index) override {
    const Play& v = Values(index);
    FPlays.push_back({FTick, FTrack, index, v.volume, v.pan, v.frequency});
    FReal.PlayItem(index);
  }
  void StopItem(int index) override {
    ++stops;
    FReal.StopItem(index);
  }

  int stops = 0;

 private:
  Play& Values(int index) {
    if (index >= static_cast<int>(FValues.size())) FValues.resize(static_cast<std::size_t>(index) + 1);
    return FValues.at(static_cast<std::size_t>(index));
  }

  int FTrack;
  ITrackWaveList& FReal;
  const int& FTick;
  std::vector<Play>& FPlays;
  std::vector<Play> FValues;
};

class PlayingWindow : public mainwindowtest::MainWindow {
 protected:
  void SetUp() override {
    MainWindow::SetUp();
    win::user::SetMessageBoxAnswer([](const win::user::MessageBoxRecord&) { return IDOK; });
    for (int t = 1; t <= SongTracks; ++t) {
      ITrackWaveList*& engineList = window->Engine().TrackWaveLists[t];
      ASSERT_NE(engineList, nullptr) << "track " << t;
      recorders[t] = std::make_unique<RecordingWaveList>(t, *engineList, tick, plays);
      engineList = recorders[t].get();
    }
  }

  void TearDown() override {
    // The engine must not reach a recorder that is gone while the window
    // closes.
    if (window != nullptr)
      for (int t = 1; t <= SongTracks; ++t) window->Engine().TrackWaveLists[t] = nullptr;
    MainWindow::TearDown();
  }

  // Ticks of the step clock at its interval, counted from the last Play.
  void Tick(int count = 1) {
    for (int i = 0; i < count; ++i) {
      ++tick;
      Advance(static_cast<int>(window->DsTimer1->GetInterval()));
    }
  }

  // The beat both the trigger log and the output are checked on, a hit on
  // every step: the kick (track 1) on the quarters, the snare (track 2) on
  // 5 and 13, the closed hat (track 4) on every other step.
  void ClickPattern() {
    for (int step : {1, 5, 9, 13}) ClickCell(1, step);
    for (int step : {5, 13}) ClickCell(2, step);
    for (int step = 1; step <= SongSteps; ++step)
      if (step % 4 != 1) ClickCell(4, step);
  }

  void ClickCell(int track, int step, bool thirtySecond = false) {
    TStyLImage* cell = window->Cell(track, step, thirtySecond);
    ClickAt(cell, cell->GetWidth() / 2, cell->GetHeight() / 2);
    // The next click is one of its own, not the second of a double click.
    win::clock::Advance(1'000'000);
  }

  // Play or Stop. A second before, so that it never makes a double click
  // with a click before it (the step clock's next tick then comes at once).
  void ClickPlay() {
    win::clock::Advance(1'000'000);
    ClickAt(window->StyMMButton1, window->StyMMButton1->GetWidth() / 2, window->StyMMButton1->GetHeight() / 2);
    tick = 0;
  }

  TColor LightColor(int step) { return window->StepLeds[static_cast<std::size_t>(step - 1)]->GetBrush()->GetColor(); }

  TWaveCollectionItem* Wave(int track, int index) { return window->TrackWaveLists[track]->GetItems()->GetItems(index); }

  int tick = 0;
  std::vector<Play> plays;
  TTrackArray<std::unique_ptr<RecordingWaveList>> recorders;
};

}  // namespace windowplay
