// Kits travel between the two programs as files: a kit the editor saves,
// copied into the drum machine's "user kits", loads there through the drum
// machine's own loader with the same waves per track and sounds them; a kit
// the drum machine saves opens in the editor the same way.
#include <algorithm>

#include "drummachine/core/MainModel.h"
#include "drummachine/userkit/Loadkit.h"
#include "drummachine/userkit/SaveUserKit.h"
#include "editor_fixture.h"

namespace editortest {
namespace {

class DrumMachineKits : public Editor {
 protected:
  void SetUp() override {
    Editor::SetUp();
    // The drum machine's side: its twelve tracks' wave lists on a device of
    // their own, and its program folder (the test's folder).
    machine = TCustomForm::CreateNew<TForm>(Application);
    auto* sound = new TDsSound(machine);
    sound->Initialize();
    for (int t = 1; t <= SongTracks; ++t) {
      lists[t] = new TDsWaveList(machine);
      lists[t]->SetDsSound(sound);
    }
    model.ProgramFolder = folder.Path();
    fs::create_directory(folder / "user kits");
    // Waves of their own value on tracks 1 and 12 of the editor: 1001..,
    // 12001...
    for (int t : {1, 12}) {
      for (int w = 0; w < 2; ++w) {
        const std::string name = "t" + std::to_string(t) + "w" + std::to_string(w) + ".wav";
        folder.WriteBytes("samples/" + name, ConstantWav(static_cast<std::int16_t>(1000 * t + w + 1)));
      }
    }
    Browse(folder / "samples");
  }

  void TearDown() override {
    delete machine;
    Editor::TearDown();
  }

  static std::vector<std::string> Names(TDsWaveList* list) {
    std::vector<std::string> names;
    for (int i = 0; i < list->GetItems()->GetCount(); ++i) names.push_back(list->GetItems()->GetItems(i)->GetName());
    return names;
  }

  void ChooseTrack(int track) {
    window->cbxTrack->SetItemIndex(track - 1);
    window->cbxTrackChange(window->cbxTrack);
  }

  TForm* machine = nullptr;
  TTrackArray<TDsWaveList*> lists{};
  TMainModel model;
};

TEST_F(DrumMachineKits, AKitSavedByTheEditorLoadsAndSoundsInTheDrumMachine) {
  for (int t : {1, 12}) {
    ChooseTrack(t);
    ClickBrowserLine("t" + std::to_string(t) + "w0.wav", 2);
    ClickBrowserLine("t" + std::to_string(t) + "w1.wav", 2);
  }
  window->EditorNameEdits[12]->SetText("Ride");
  window->cbxOpenhat->SetItemIndex(9);
  fs::create_directory(folder / "elsewhere");
  SaveKitAs(folder / "elsewhere/Edited.kit");
  ASSERT_TRUE(Messages().empty());
  for (const auto& entry : fs::directory_iterator(folder / "elsewhere"))
    fs::copy_file(entry.path(), folder / ("user kits/" + entry.path().filename().string()));

  Loadkit(model, folder / "user kits/Edited.kit", lists);
  EXPECT_EQ(model.Song.KitName.Get(), "Edited");
  EXPECT_EQ(model.TrackName[12].Get(), "Ride");
  EXPECT_EQ(model.OpenHatTrack, 10);
  EXPECT_EQ(model.ClosedHatTrack, 4);
  for (int t = 1; t <= SongTracks; ++t) {
    EXPECT_EQ(Names(lists[t]), Names(window->EditorWaveLists[t])) << "track " << t;
    EXPECT_EQ(model.Song.TrackSample[t], 0) << "every track starts on its first wave";
  }
  // The drum machine sounds track 12's second wave as the editor had it.
  Render(4096);
  lists[12]->GetItems()->GetItems(1)->Play(false);
  const std::vector<std::int16_t> out = Render(dsound::LatencyFrames() + 1000);
  const auto first = std::find_if(out.begin(), out.end(), [](std::int16_t s) { return s != 0; });
  ASSERT_NE(first, out.end()) << "nothing sounded";
  EXPECT_EQ(*first, 12002);
}

TEST_F(DrumMachineKits, AKitSavedByTheDrumMachineOpensInTheEditor) {
  for (int t : {1, 12})
    for (int w = 0; w < 2; ++w) {
      auto* item = static_cast<TWaveCollectionItem*>(lists[t]->GetItems()->Add());
      item->SetName("dm" + std::to_string(t) + "_" + std::to_string(w));
      item->GetWave()->LoadFromFile(folder / ("samples/t" + std::to_string(t) + "w" + std::to_string(w) + ".wav"));
    }
  TUserKitFile kit;
  kit.KitName = "Machine";
  for (int t = 1; t <= SongTracks; ++t) kit.TrackName[t] = "Drum " + std::to_string(t);
  kit.OpenHatTrack = 5;
  kit.ClosedHatTrack = 6;
  kit.TrackSample[12] = 1;
  SaveUserKit(kit, model.ProgramFolder, lists);

  OpenKit(folder / "user kits/Machine.kit");
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(window->GetCaption(), "Tambrel RedoZev Idezar - Machine");
  for (int t = 1; t <= SongTracks; ++t) {
    EXPECT_EQ(Names(window->EditorWaveLists[t]), Names(lists[t])) << "track " << t;
    EXPECT_EQ(window->EditorNameEdits[t]->GetText(), "Drum " + std::to_string(t));
  }
  EXPECT_EQ(window->cbxOpenhat->GetItemIndex(), 4);
  EXPECT_EQ(window->cbxClosedhat->GetItemIndex(), 5);

  ChooseTrack(12);
  EXPECT_EQ(ListLines(), (std::vector<std::string>{"dm12_0", "dm12_1"}));
  Render(4096);
  window->DrumListBox->SetItemIndex(1);
  window->btnPlayWave->Click();
  const std::vector<std::int16_t> out = Render(dsound::LatencyFrames() + 1000);
  const auto first = std::find_if(out.begin(), out.end(), [](std::int16_t s) { return s != 0; });
  ASSERT_NE(first, out.end()) << "nothing sounded";
  EXPECT_EQ(*first, 12002);
}

}  // namespace
}  // namespace editortest
