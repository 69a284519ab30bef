// The beat settings dialog on a cell of the edited pattern: what its Ok
// writes (and Cancel does not), the boxes beside the sliders, the semitone
// buttons, Reset, and what Play sends to the track's wave list.
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "dialogs_fixture.h"
#include "drummachine/dialogs/beatinfo.h"
#include "drummachine/editing/BeatPopup.h"

namespace dialogstest {
namespace {

// The faces the dialog gives cells.
class FaceRecorder : public IStepGridView {
 public:
  void SetCellFace(int track, int step, bool thirtySecond, int face, bool) override {
    faces[{track, step, thirtySecond}] = face;
  }
  void SetTrackFaces(int, bool) override {}
  void SetStepCellWidth(int, int) override {}
  void SetStepRowVisible(int, bool) override {}
  void SetStep32RowVisible(int, bool) override {}
  void CheckTrackResolution(bool) override {}
  void CheckAllSixteenth(bool) override {}
  void CheckAllThirtySecond(bool) override {}

  std::map<std::tuple<int, int, bool>, int> faces;
};

// A track's wave list that keeps what each wave was last given and plays.
class WaveListRecorder : public ITrackWaveList {
 public:
  explicit WaveListRecorder(int count) : count(count) {}
  int GetCount() const override { return count; }
  void SetItemVolume(int index, int volume) override { last[index].volume = volume; }
  void SetItemPan(int index, int pan) override { last[index].pan = pan; }
  void SetItemFrequency(int index, int frequency) override { last[index].frequency = frequency; }
  void PlayItem(int index) override { played.push_back({index, last[index]}); }
  void StopItem(int) override {}

  struct Values {
    std::optional<int> volume, pan, frequency;
    bool operator==(const Values&) const = default;
  };
  struct Play {
    int wave;
    Values values;
  };
  int count;
  std::map<int, Values> last;
  std::vector<Play> played;
};

constexpr int kPattern = 6;

class BeatDialog : public Dialogs {
 protected:
  void SetUp() override {
    Dialogs::SetUp();
    Application->CreateForm(frmBeat);
    frmBeat->Model = &model;
    frmBeat->Grid = &grid;
    frmBeat->TrackList = [this](int track) -> ITrackWaveList* {
      auto it = lists.find(track);
      return it == lists.end() ? nullptr : &it->second;
    };
    model.EditedPattern = kPattern;
    for (int t = 1; t <= SongTracks; ++t) model.TrackName[t] = "Drum " + std::to_string(t);
  }

  // Opens the dialog as the cell popup does for cell, and runs steps in it.
  void Run(TGridCell cell, std::vector<testsupport::TModalScript::TStep> steps) {
    frmBeat->Preset(BeatPresetFor(model, cell));
    testsupport::TModalScript script(frmBeat, std::move(steps));
    frmBeat->ShowModal();
    ASSERT_TRUE(script.Shown());
  }

  // A cell of the edited pattern made a modified note with own values.
  void MakeModified(TGridCell cell, int volume, int pan, int pitch) {
    TCellLayer layer = model.Song.Layer(cell.ThirtySecond);
    layer.On(cell.Step, cell.Track, kPattern) = 1;
    layer.Modified(cell.Step, cell.Track, kPattern) = 1;
    layer.Volume(cell.Step, cell.Track, kPattern) = volume;
    layer.Pan(cell.Step, cell.Track, kPattern) = pan;
    layer.Pitch(cell.Step, cell.Track, kPattern) = pitch;
  }

  static testsupport::TModalScript::TStep Type(TEdit* box, const std::string& text) {
    return [box, text] { QueueTyping(box, text); };
  }
  static testsupport::TModalScript::TStep Key(int vk) {
    return [vk] { QueueKey(frmBeat, vk); };
  }
  static testsupport::TModalScript::TStep Click(TButton* button) {
    return [button] { QueueClick(button); };
  }

  FaceRecorder grid;
  std::map<int, WaveListRecorder> lists;
};

TEST_F(BeatDialog, OkWritesTheCellTheLabelsNameOnItsLayer) {
  struct Case {
    TGridCell cell;
    const char* beatLabel;
  };
  const Case cases[] = {
      {{3, 3, true}, "Beat 3 32nd"},
      {{12, 12, false}, "Beat 12"},
      {{7, 12, true}, "Beat 12 32nd"},
      {{1, 9, false}, "Beat 9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.beatLabel);
    model.Song = TSong();
    model.Song.TrackVolume[c.cell.Track] = -1500;
    grid.faces.clear();
    Run(c.cell, {[&] {
                   EXPECT_EQ(frmBeat->lblbeat->GetCaption(), c.beatLabel);
                   EXPECT_EQ(frmBeat->lbltrkName->GetCaption(), "Drum " + std::to_string(c.cell.Track));
                   EXPECT_EQ(frmBeat->GetBoundsRect().TopLeft(), TPoint(230 + 4 * c.cell.Step, 115 + 5 * c.cell.Track));
                   frmBeat->beatPanSlider->SetPosition(-2500);
                   frmBeat->BeatPitchSlider->SetPosition(30000);
                 },
                 Click(frmBeat->btnOk)});

    const auto [t, s, thirty] = std::tuple(c.cell.Track, c.cell.Step, c.cell.ThirtySecond);
    TSong expected;
    expected.TrackVolume[t] = -1500;
    TCellLayer layer = expected.Layer(thirty);
    layer.On(s, t, kPattern) = 1;
    layer.Modified(s, t, kPattern) = 1;
    layer.Volume(s, t, kPattern) = -1500;
    layer.Pan(s, t, kPattern) = -2500;
    layer.Pitch(s, t, kPattern) = 30000;
    EXPECT_EQ(model.Song, expected) << "that cell of that layer, and nothing else";
    EXPECT_EQ(grid.faces, (std::map<std::tuple<int, int, bool>, int>{{{t, s, thirty}, CellModified}}));
  }
}

TEST_F(BeatDialog, SemitoneButtonsStepThePitch) {
  struct Case {
    bool up;
    int expected;
  };
  for (const Case& c : {Case{true, 46722}, Case{false, 41625}}) {
    SCOPED_TRACE(c.up ? ">>" : "<<");
    model.Song = TSong();
    Run({2, 4, false}, {[&] { QueueClick(c.up ? frmBeat->btnSemiUp : frmBeat->btnSemiDown); }, Click(frmBeat->btnOk)});
    EXPECT_EQ(model.Song.StepPitch(4, 2, kPattern), c.expected);
  }
}

TEST_F(BeatDialog, VolumeAboveFullLevelShowsAndStoresZeroButOnlyOnOk) {
  const TGridCell cell{5, 2, false};
  Run(cell, {Type(frmBeat->edtBeatVol, "5"), Key(VK_TAB),
             [&] {
               EXPECT_EQ(frmBeat->edtBeatVol->GetText(), "0");
               EXPECT_EQ(frmBeat->beatVolSlider->GetPosition(), 0);
               EXPECT_EQ(model.Song, TSong()) << "leaving a box stores nothing";
             },
             Click(frmBeat->btnOk)});
  EXPECT_EQ(model.Song.StepVolume(2, 5, kPattern), 0);
  EXPECT_EQ(model.Song.StepModified(2, 5, kPattern), 1);
}

TEST_F(BeatDialog, BoxesMoveTheirSlidersWithinRange) {
  struct Case {
    bool volume;
    const char* typed;
    int position;
    const char* shown;
  };
  const Case cases[] = {
      {true, "-25", -2500, "-25"}, {true, "-95", -8000, "-80"},     {true, " -3 ", -300, "-3"},
      {false, "40", 4000, "40"},   {false, "-250", -10000, "-100"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    TEdit* box = c.volume ? frmBeat->edtBeatVol : frmBeat->edtBeatPan;
    TStyTrackBar* slider = c.volume ? frmBeat->beatVolSlider : frmBeat->beatPanSlider;
    Run({1, 1, false}, {Type(box, c.typed), Key(VK_TAB), [&] {
                          EXPECT_EQ(slider->GetPosition(), c.position);
                          EXPECT_EQ(box->GetText(), c.shown);
                        }});
  }
}

TEST_F(BeatDialog, ABoxWithoutANumberShowsItsSliderAgain) {
  const TGridCell cell{4, 8, false};
  MakeModified(cell, -1234, 5678, 40000);
  struct Case {
    bool volume;
    const char* typed;
  };
  const Case cases[] = {{true, "loud"}, {true, ""}, {false, "12x"}, {false, "99999999999"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    TEdit* box = c.volume ? frmBeat->edtBeatVol : frmBeat->edtBeatPan;
    // The box is emptied first (its text is selected when it takes the
    // focus), then the text comes.
    std::vector<testsupport::TModalScript::TStep> steps{Type(box, "x"), Key(VK_BACK)};
    if (*c.typed != '\0') steps.push_back(Type(box, c.typed));
    steps.push_back(Key(VK_TAB));
    steps.push_back([&] {
      EXPECT_EQ(frmBeat->beatVolSlider->GetPosition(), -1234);
      EXPECT_EQ(frmBeat->beatPanSlider->GetPosition(), 5678);
      EXPECT_EQ(box->GetText(), c.volume ? "-12" : "56");
    });
    Run(cell, std::move(steps));
    EXPECT_TRUE(win::user::TakeMessageBoxRecords().empty()) << "no error reached the user";
  }
}

TEST_F(BeatDialog, EnterTakesANumberTypedButNotYetLeft) {
  Run({6, 10, true}, {Type(frmBeat->edtBeatVol, "-25"), Key(VK_RETURN)});
  EXPECT_EQ(model.Song.Step32Volume(10, 6, kPattern), -2500);
  EXPECT_EQ(model.Song.Step32On(10, 6, kPattern), 1);
}

TEST_F(BeatDialog, CancelAfterTypingChangesNothing) {
  const TGridCell modified{3, 5, false};
  MakeModified(modified, -2000, 300, 50000);
  const TGridCell plain{3, 6, true};
  for (const TGridCell& cell : {modified, plain}) {
    SCOPED_TRACE(cell.Step);
    const TSong before = model.Song;
    Run(cell, {Type(frmBeat->edtBeatVol, "50"), Key(VK_TAB), Type(frmBeat->edtBeatPan, "90"), Key(VK_TAB),
               [] { frmBeat->BeatPitchSlider->SetPosition(20000); }, Click(frmBeat->btnCancel)});
    EXPECT_EQ(model.Song, before);
    EXPECT_TRUE(grid.faces.empty());
  }
}

TEST_F(BeatDialog, ResetTakesTheTracksValues) {
  // The plain "on" face only when Reset moved no slider; the cell is a
  // modified note holding the track's values either way.
  struct Case {
    const char* name;
    bool ownValues;
    int face;
  };
  const Case cases[] = {{"already the track's values", false, CellOn}, {"own values before", true, CellModified}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    model.Song = TSong();
    model.Song.TrackVolume[9] = -700;
    model.Song.TrackPan[9] = 1200;
    model.Song.TrackPitch[9] = 22050;
    const TGridCell cell{9, 14, false};
    if (c.ownValues) MakeModified(cell, -3000, -4000, 60000);
    grid.faces.clear();
    Run(cell, {Click(frmBeat->btnReset), Click(frmBeat->btnOk)});
    EXPECT_EQ(grid.faces[std::tuple(9, 14, false)], c.face);
    EXPECT_EQ(model.Song.StepOn(14, 9, kPattern), 1);
    EXPECT_EQ(model.Song.StepModified(14, 9, kPattern), 1);
    EXPECT_EQ(model.Song.StepVolume(14, 9, kPattern), -700);
    EXPECT_EQ(model.Song.StepPan(14, 9, kPattern), 1200);
    EXPECT_EQ(model.Song.StepPitch(14, 9, kPattern), 22050);
  }
}

TEST_F(BeatDialog, PlaySendsTheDialogsValuesWithTheMainVolumeNeverBelowSilence) {
  struct Case {
    int volume;
    int mainVolume;
    int played;
  };
  const Case cases[] = {{-1000, -2000, -3000}, {-8000, -5000, -10000}, {0, -10000, -10000}, {-200, 0, -200}};
  lists.emplace(4, WaveListRecorder(3));
  model.Song.TrackSample[4] = 2;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.volume + c.mainVolume);
    lists.at(4).played.clear();
    model.MainVolume = c.mainVolume;
    Run({4, 7, false}, {[&] {
                          frmBeat->beatVolSlider->SetPosition(c.volume);
                          frmBeat->beatPanSlider->SetPosition(-600);
                          frmBeat->BeatPitchSlider->SetPosition(33000);
                        },
                        Click(frmBeat->btnPlay), Click(frmBeat->btnCancel)});
    ASSERT_EQ(lists.at(4).played.size(), 1u);
    EXPECT_EQ(lists.at(4).played[0].wave, 2);
    EXPECT_EQ(lists.at(4).played[0].values, (WaveListRecorder::Values{c.played, -600, 33000}));
  }
  EXPECT_EQ(model.Song, [] {
    TSong song;
    song.TrackSample[4] = 2;
    return song;
  }()) << "Play stores nothing";
}

TEST_F(BeatDialog, PlayWithoutTheTracksWavePlaysNothing) {
  lists.emplace(4, WaveListRecorder(2));
  model.Song.TrackSample[4] = 2;  // one past the list's end
  Run({4, 1, false}, {Click(frmBeat->btnPlay)});
  Run({5, 1, false}, {Click(frmBeat->btnPlay)});  // track 5 has no list
  EXPECT_TRUE(lists.at(4).played.empty());
  EXPECT_TRUE(lists.at(4).last.empty());
  EXPECT_TRUE(win::user::TakeMessageBoxRecords().empty());
}

}  // namespace
}  // namespace dialogstest
