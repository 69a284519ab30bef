// The drum buttons' popup through the real window: it opens on the track
// that was right-clicked and lists that track's waves, and its "Add a
// Sample..." item adds a file chosen in the wave dialog.
#include <optional>

#include "drummachine/window_files/file_dialog_answers.h"
#include "kits_window_fixture.h"

namespace windowkits {
namespace {

class DrumPopup : public KitsWindow {
 protected:
  // Right-clicks track t's drum button and returns what the popup showed.
  std::vector<std::string> OpenOn(int t, std::deque<std::function<void()>> steps = {}) {
    std::vector<std::string> shown;
    steps.push_front([this, &shown] { shown = Entries(popup); });
    WhileMenuOpen(std::move(steps));
    RightClickAt(window->DrumButtons[t], 60, 10);
    return shown;
  }

  // The wave names of track t, then the popup's last item.
  std::vector<std::string> ListedFor(int t) {
    std::vector<std::string> names = WaveNames(t);
    names.emplace_back("Add a Sample...");
    return names;
  }

  TPopupMenu* popup = nullptr;
};

TEST_F(DrumPopup, ARightClickMakesTheClickedTrackCurrentAndListsItsWaves) {
  popup = Named<TPopupMenu>("popDrum1");
  ClickAt(window->TrackButtons[2], 30, 10);
  ASSERT_EQ(window->Model.CurrentTrack, 2);
  ASSERT_NE(WaveNames(7), WaveNames(2));

  const std::vector<std::string> shown = OpenOn(7);
  EXPECT_EQ(window->Model.CurrentTrack, 7);
  EXPECT_EQ(shown, ListedFor(7));
  EXPECT_EQ(window->Model.AddSampleItem[7], static_cast<int>(WaveNames(7).size()));
  EXPECT_EQ(window->DrumButtons[7]->GetColors()->GetUp(), clGray);
  EXPECT_EQ(window->TrackButtons[7]->GetColors()->GetUp(), clGray);
  EXPECT_EQ(window->DrumButtons[2]->GetColors()->GetUp(), clSilver);
  EXPECT_EQ(window->TrackButtons[2]->GetColors()->GetUp(), clSilver);
  EXPECT_EQ(Named<TLabel>("lbltrk")->GetCaption(), "track 7");
}

// "Add a Sample..." chosen in the open popup: the file chosen in the wave
// dialog becomes the track's newest wave and the one it plays; the popup
// then lists it. A full track is offered no more.
TEST_F(DrumPopup, AddASampleAddsTheChosenFileToTheTrackAndSelectsIt) {
  popup = Named<TPopupMenu>("popDrum1");
  const fs::path kick = fs::path(folder.Path()) / "my samples" / "kick.wav";
  fs::create_directories(kick.parent_path());
  WriteWav(kick, std::vector<std::int16_t>(300, -700));
  // The wave dialog that "Add a Sample..." opens gets the file typed in.
  std::optional<filedialoganswers::TFileDialogAnswers> person;

  const int before = static_cast<int>(WaveNames(9).size());
  std::deque<std::function<void()>> pickLast;
  for (int i = 0; i <= before; ++i) pickLast.push_back([this] { QueueKey(VK_DOWN); });
  pickLast.push_back([this, &person, &kick] {
    person.emplace();
    person->Answers.push_back(filedialoganswers::TypeAndAccept(kick.string()));
    QueueKey(VK_RETURN);
  });
  OpenOn(9, pickLast);
  Pump();

  ASSERT_TRUE(person.has_value());
  ASSERT_EQ(person->Shown.size(), 1u);
  EXPECT_EQ(person->Shown[0].Dialog, "frmWaveOpen");
  EXPECT_EQ(person->Shown[0].Caption, "Open Wave file");
  EXPECT_EQ(person->Shown[0].Mask, "*.wav");
  EXPECT_TRUE(person->Shown[0].PlayButton);
  EXPECT_EQ(window->Model.CurrentTrack, 9);
  ASSERT_EQ(static_cast<int>(WaveNames(9).size()), before + 1);
  EXPECT_EQ(WaveNames(9).back(), "kick");
  EXPECT_EQ(window->Model.Song.TrackSample[9], before);
  EXPECT_EQ(window->Model.SamplePath[9][before], kick.string());
  EXPECT_EQ(window->DrumButtons[9]->GetCaption(), "kick");
  EXPECT_EQ(Named<TLabel>("lblSample")->GetCaption(), "kick");
  auto* box = Named<TComboBox>("edtDrum");
  EXPECT_EQ(box->GetItemIndex(), before);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(OpenOn(9), ListedFor(9));

  // Filled up to the track's last place, the popup lists the waves alone.
  filedialoganswers::TFileDialogAnswers filler;
  while (static_cast<int>(WaveNames(9).size()) < TrackWaveSlots) {
    filler.Answers.push_back(filedialoganswers::TypeAndAccept(kick.string()));
    Named<TButton>("btnLoadWave")->Click();
  }
  Pump();
  std::vector<std::string> full = WaveNames(9);
  EXPECT_EQ(OpenOn(9), full);
  Named<TButton>("btnLoadWave")->Click();
  Pump();
  EXPECT_EQ(WaveNames(9), full) << "a full track takes no more";
  EXPECT_EQ(filler.Shown.size(), static_cast<std::size_t>(TrackWaveSlots - before - 1)) << "nor asks for a file";
  EXPECT_EQ(Messages().size(), 1u);
}

}  // namespace
}  // namespace windowkits
