// The current track's waves on the real window: adding from the browser by
// double-click and by button, the limit of 15, ordering, removing and
// playing, and the track the waves go to.
#include <algorithm>

#include "editor_fixture.h"

namespace editortest {
namespace {

class Waves : public Editor {
 protected:
  void SetUp() override {
    Editor::SetUp();
    folder.WriteBytes("my.samples/kick.wav", ConstantWav(3000));
    folder.WriteBytes("my.samples/snare.wav", ConstantWav(7000));
    folder.WriteBytes("other/kick.wav", ConstantWav(-5000));
    Browse(folder / "my.samples");
  }

  std::int16_t FirstSample(int track, int index) {
    TWave* wave = window->EditorWaveLists[track]->GetItems()->GetItems(index)->GetWave();
    return *static_cast<const std::int16_t*>(wave->GetDataMemory());
  }

  void SelectLine(int line) {
    window->DrumListBox->SetItemIndex(line);
    Pump();
  }
};

// A folder's dot is no part of a wave's name.
TEST_F(Waves, ADoubleClickAddsTheWaveNamedAfterItsFileToTheCurrentTrack) {
  EXPECT_TRUE(window->lblHint->GetVisible());
  ClickBrowserLine("kick.wav", 2);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(ListLines(), std::vector<std::string>{"kick"});
  EXPECT_FALSE(window->lblHint->GetVisible());
  TWaveCollectionItem* item = window->EditorWaveLists[1]->GetItems()->GetItems(0);
  EXPECT_TRUE(item->GetLive()) << "a new wave is playable at once";
  EXPECT_EQ(FirstSample(1, 0), 3000);
  EXPECT_EQ(window->DrumListBox->GetItemIndex(), 0);
}

TEST_F(Waves, TheSixteenthWaveIsRefusedAndRemoveAllMakesRoomForFifteen) {
  for (int i = 0; i < 15; ++i) ClickBrowserLine("snare.wav", 2);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(ListLines().size(), 15u);
  ClickBrowserLine("kick.wav", 2);
  EXPECT_EQ(Messages(), std::vector<std::string>{"Only 15 Waves can be on a Track!"});
  EXPECT_EQ(ListLines(), std::vector<std::string>(15, "snare"));

  window->btnRemoveAll->Click();
  EXPECT_TRUE(ListLines().empty());
  // By the button this time: select, then "<< Add Wave".
  ClickBrowserLine("kick.wav");
  ASSERT_TRUE(window->WaveFileSelected);
  for (int i = 0; i < 15; ++i) window->btnAddWave->Click();
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(ListLines(), std::vector<std::string>(15, "kick"));
}

TEST_F(Waves, AFileThatIsNoWaveIsReportedAndAddsNothing) {
  ClickBrowserLine("kick.wav", 2);
  folder.WriteBytes("my.samples/broken.wav", "RIFF but nothing more");
  Browse(folder / "my.samples");
  ClickBrowserLine("broken.wav", 2);
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_EQ(ListLines(), std::vector<std::string>{"kick"});
  EXPECT_EQ(window->EditorWaveLists[1]->GetItems()->GetCount(), 1);
}

TEST_F(Waves, AddWaveWithoutASelectedFileDoesNothing) {
  window->btnAddWave->Click();
  ClickBrowserLine("kick.wav");
  // A click in the folder tree forgets the selection.
  window->NavShellTree1Click(window->NavShellTree1);
  window->btnAddWave->Click();
  EXPECT_TRUE(ListLines().empty());
  EXPECT_TRUE(Messages().empty());
}

// Moving a wave moves it in the track's bank too, and so in the saved kit.
TEST_F(Waves, UpAndDownOrderTheTrackAndTheSavedKit) {
  ClickBrowserLine("kick.wav", 2);
  ClickBrowserLine("snare.wav", 2);
  window->btnUp->Click();  // on the first line: nothing
  EXPECT_EQ(ListLines(), (std::vector<std::string>{"kick", "snare"}));
  SelectLine(1);
  window->btnUp->Click();
  EXPECT_EQ(ListLines(), (std::vector<std::string>{"snare", "kick"}));
  EXPECT_EQ(window->DrumListBox->GetItemIndex(), 0);
  SaveKitAs(folder / "Rock.kit");
  EXPECT_EQ(BankNames(folder / "Rock_01.dsw"), (std::vector<std::string>{"snare", "kick"}));

  SelectLine(1);
  window->btnDown->Click();  // on the last line: nothing
  EXPECT_EQ(ListLines(), (std::vector<std::string>{"snare", "kick"}));
  SelectLine(0);
  window->btnDown->Click();
  EXPECT_EQ(ListLines(), (std::vector<std::string>{"kick", "snare"}));
  EXPECT_EQ(window->DrumListBox->GetItemIndex(), 1);
  EXPECT_EQ(FirstSample(1, 0), 3000);
}

// Of two waves with one name, the selected line's own goes.
TEST_F(Waves, RemoveTakesTheSelectedLinesWaveAmongEqualNames) {
  ClickBrowserLine("kick.wav", 2);
  ClickBrowserLine("snare.wav", 2);
  Browse(folder / "other");
  ClickBrowserLine("kick.wav", 2);
  ASSERT_EQ(ListLines(), (std::vector<std::string>{"kick", "snare", "kick"}));
  SelectLine(0);
  window->btnRemoveWave->Click();
  EXPECT_EQ(ListLines(), (std::vector<std::string>{"snare", "kick"}));
  EXPECT_EQ(FirstSample(1, 1), -5000) << "the other folder's kick stays";
  window->btnRemoveWave->Click();
  window->btnRemoveWave->Click();
  window->btnRemoveWave->Click();  // on an empty list: nothing
  EXPECT_TRUE(ListLines().empty());
}

// The selected line's wave sounds: its samples reach the mixer's output.
TEST_F(Waves, PlaySoundsTheSelectedWave) {
  ClickBrowserLine("kick.wav", 2);
  ClickBrowserLine("snare.wav", 2);
  Render(4096);
  SelectLine(1);
  window->btnPlayWave->Click();
  const std::vector<std::int16_t> out = Render(dsound::LatencyFrames() + 1500);
  const auto first = std::find_if(out.begin(), out.end(), [](std::int16_t s) { return s != 0; });
  ASSERT_NE(first, out.end()) << "nothing sounded";
  EXPECT_EQ(*first, 7000);
  EXPECT_EQ(std::count(out.begin(), out.end(), 3000), 0) << "the other wave sounded";
  EXPECT_EQ(std::count(out.begin(), out.end(), 7000),
            std::count_if(first, out.end(), [](std::int16_t s) { return s != 0; }))
      << "the wave sounds as it is";

  // A double click on a line plays that line's wave.
  Render(4096);
  TListBox* lines = window->DrumListBox->GetListBox();
  testsupport::PushClick(lines, 20, 5);
  testsupport::PushClick(lines, 20, 5, 2);
  Pump();
  EXPECT_EQ(window->DrumListBox->GetItemIndex(), 0);
  const std::vector<std::int16_t> again = Render(dsound::LatencyFrames() + 1500);
  EXPECT_GT(std::count(again.begin(), again.end(), 3000), 0) << "the first wave did not sound";
  EXPECT_EQ(std::count(again.begin(), again.end(), 7000), 0);
}

TEST_F(Waves, TheTrackLabelsNamesAndComboChooseTheCurrentTrack) {
  ClickBrowserLine("kick.wav", 2);
  struct {
    const char* how;
    std::function<void()> choose;
    int track;
  } cases[] = {
      {"label", [&] { testsupport::PushClick(window->EditorTrackLabels[5], 5, 5); }, 5},
      {"name edit", [&] { testsupport::PushClick(window->EditorNameEdits[12], 5, 5); }, 12},
      {"combo",
       [&] {
         window->cbxTrack->SetItemIndex(7);
         window->cbxTrackChange(window->cbxTrack);
       },
       8},
  };
  for (const auto& c : cases) {
    c.choose();
    Pump();
    EXPECT_EQ(window->EditorTrack, c.track) << c.how;
    EXPECT_EQ(window->cbxTrack->GetItemIndex(), c.track - 1) << c.how;
    EXPECT_EQ(Panel(2), "Track " + std::to_string(c.track)) << c.how;
    for (int t = 1; t <= SongTracks; ++t)
      EXPECT_EQ(window->EditorTrackLabels[t]->GetFont()->GetStyle().Contains(fsBold), t == c.track) << c.how;
    EXPECT_TRUE(ListLines().empty()) << c.how;
  }
  ClickBrowserLine("snare.wav", 2);
  EXPECT_EQ(window->EditorWaveLists[8]->GetItems()->GetCount(), 1);
  window->cbxTrack->SetItemIndex(0);
  window->cbxTrackChange(window->cbxTrack);
  EXPECT_EQ(ListLines(), std::vector<std::string>{"kick"});
}

// A right click on the track's list opens its pop-up menu, whose commands
// act on the selected line.
TEST_F(Waves, TheListsPopupMenuOffersTheCommandsForTheSelectedWave) {
  ClickBrowserLine("kick.wav", 2);
  ClickBrowserLine("snare.wav", 2);
  ClickBrowserLine("kick.wav", 2);
  SelectLine(1);
  std::vector<std::string> entries;
  Application->OnIdle = [&](TObject*, bool& done) {
    done = true;
    HWND menuWindow = FindWindowA("#32768", nullptr);
    if (!menuWindow) return;
    HMENU menu = window->PopupMenu1->GetHandle();
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      char text[128] = {};
      GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
      entries.emplace_back(text);
    }
    EndMenu();
    PostMessageA(menuWindow, WM_NULL, 0, 0);
  };
  TListBox* lines = window->DrumListBox->GetListBox();
  for (host::EventType type : {host::EventType::MouseDown, host::EventType::MouseUp})
    testsupport::PushMouseEvent(type, lines, 20, 5, host::MouseButton::Right);
  Pump();
  Application->OnIdle = nullptr;
  EXPECT_EQ(entries, (std::vector<std::string>{"Remove Selected Wave", "", "Play Selected Wave", "", "Move Selected Up",
                                               "Move Selected Down"}));
  auto item = [&](const char* name) { return dynamic_cast<TMenuItem*>(window->FindComponent(name)); };
  item("MoveSelectedDown1")->Click();
  EXPECT_EQ(ListLines(), (std::vector<std::string>{"kick", "kick", "snare"}));
  item("MoveSelectedUp1")->Click();
  item("RemoveSelectedWave1")->Click();
  EXPECT_EQ(ListLines(), (std::vector<std::string>{"kick", "kick"}));
}

// A window lower than the part above the browser gives the browser no
// height, never a negative one.
TEST_F(Waves, TheBrowserFollowsTheWindowsHeight) {
  window->SetHeight(600);
  Pump();
  EXPECT_EQ(window->NavSplitter2->GetHeight(), 600 - 321);
  window->SetHeight(200);
  Pump();
  EXPECT_EQ(window->NavSplitter2->GetHeight(), 0);
}

}  // namespace
}  // namespace editortest
