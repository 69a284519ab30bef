// The kit units on the sound tests' fixture: twelve wave lists on a live
// device, a model whose program folder holds the built kits, and a view that
// records what the window would show.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "drummachine/core/BuiltinKits.h"
#include "drummachine/core/MainModel.h"
#include "drummachine/core_test_support.h"
#include "drummachine/kits/KitContext.h"
#include "sound/support/sound_fixture.h"
#include "tests/support/MonoWav.h"

namespace kits_test {

namespace fs = std::filesystem;

// The window as the kit units leave it. Every check mark starts set, so a
// test sees each one the units clear.
class RecordingView : public IKitView {
 public:
  RecordingView() {
    BuiltinChecked.fill(true);
    UserChecked.Fill(true);
    UserKitCaptions.Fill("as in the form");
  }
  void SetTrackButtonCaption(int t, const std::string& caption) override { TrackButtons[t] = caption; }
  void SetDrumButtonCaption(int t, const std::string& caption) override { DrumButtons[t] = caption; }
  void SetSampleItems(const std::vector<std::string>& items, int itemIndex) override {
    SampleItems = items;
    SampleIndex = itemIndex;
  }
  void SetSampleIndex(int itemIndex) override { SampleIndex = itemIndex; }
  void SetSampleLabel(const std::string& text) override { SampleLabel = text; }
  void SetUserKitItem(int n, const std::string& caption, bool visible) override {
    UserKitCaptions[n] = caption;
    UserKitVisible[n] = visible;
  }
  void SetUserKitSeparatorVisible(bool visible) override { SeparatorVisible = visible; }
  void SetKitCaptions(const std::string& panel, const std::string& kit15, const std::string& kit12,
                      const std::string& kitAll) override {
    KitCaptions = {panel, kit15, kit12, kitAll};
  }
  void SetBuiltinKitChecked(int kitId, bool checked) override {
    BuiltinChecked.at(static_cast<size_t>(kitId)) = checked;
  }
  void SetUserKitChecked(int n, bool checked) override { UserChecked[n] = checked; }
  void ShowMessage(const std::string& text) override { Messages.push_back(text); }

  // The checked kit items: "built-in N" or "mnukitN".
  std::vector<std::string> Checked() const {
    std::vector<std::string> items;
    for (int k = 0; k < BuiltinKitCount; ++k)
      if (BuiltinChecked[static_cast<size_t>(k)]) items.push_back("built-in " + std::to_string(k));
    for (int n = 1; n <= RecentKitCount; ++n)
      if (UserChecked[n]) items.push_back("mnukit" + std::to_string(n));
    return items;
  }

  TTrackArray<std::string> TrackButtons;
  TTrackArray<std::string> DrumButtons;
  std::vector<std::string> SampleItems;
  int SampleIndex = -2;
  std::string SampleLabel;
  TRangeArray<std::string, 1, RecentKitCount> UserKitCaptions;
  TRangeArray<bool, 1, RecentKitCount> UserKitVisible;
  bool SeparatorVisible = false;
  std::array<std::string, 4> KitCaptions;
  std::array<bool, BuiltinKitCount> BuiltinChecked{};
  TRangeArray<bool, 1, RecentKitCount> UserChecked;
  std::vector<std::string> Messages;
};

// The built kits' folder of the program folder.
inline std::string ProgramDir() {
  const char* program = std::getenv("DRUMS_PROGRAM_DIR");
  return program ? program : "program";
}

// A 16-bit mono PCM ".wav" file of 44,100 Hz whose every sample is value.
inline void WriteWavFile(const std::string& path, std::int16_t value, int frames) {
  core_test::WriteBytes(path, testsupport::MonoWavBytes(value, frames));
}

class KitsTest : public soundtest::SoundTest {
 protected:
  void SetUp() override {
    SoundTest::SetUp();
    sound = NewSound();
    for (int t = 1; t <= SongTracks; ++t) lists[t] = NewList(sound);
    kits.TrackWaveLists = lists;
    model.ProgramFolder = ProgramDir();
    for (int t = 1; t <= SongTracks; ++t) model.TrackName[t] = "old " + std::to_string(t);
  }

  // Makes the program folder a copy of the built one in the test's folder.
  void UseCopiedProgramFolder() {
    fs::create_directories(temp / "user kits");
    fs::copy(fs::path(ProgramDir()) / "kits", temp / "kits");
    model.ProgramFolder = temp.string();
  }

  // The names of track t's waves.
  std::vector<std::string> WaveNames(int t) const {
    std::vector<std::string> names;
    TWaveCollection* bank = lists[t]->GetItems();
    for (int i = 0; i < bank->GetCount(); ++i) names.push_back(bank->GetItems(i)->GetName());
    return names;
  }

  // Adds count waves to track t, each sounding its own value.
  void FillTrack(int t, int count) {
    for (int w = 0; w < count; ++w)
      AddItem(lists[t], "wave " + std::to_string(w), static_cast<std::int16_t>(100 * t + w), 100);
  }

  TDsSound* sound = nullptr;
  TTrackArray<TDsWaveList*> lists;
  TMainModel model;
  TWave scratch;
  RecordingView view;
  TKitContext kits{model, {}, scratch, view};
};

}  // namespace kits_test
