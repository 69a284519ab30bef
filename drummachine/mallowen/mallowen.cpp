// The main window's creation, its component tables and its life: shown,
// resized, closed.
#include "drummachine/mallowen/mallowen.h"

#include <algorithm>
#include <exception>
#include <functional>

#include "drummachine/core/RecentFiles.h"
#include "drummachine/dialogs/bday.h"
#include "drummachine/dialogs/beatinfo.h"
#include "drummachine/editing/StepGridEditor.h"
#include "drummachine/editing/TrackPanel.h"
#include "drummachine/kits/DrumKits.h"
#include "drummachine/kits/DsTrackWaveList.h"
#include "drummachine/kits/KitContext.h"
#include "drummachine/mallowen/ComponentNames.h"
#include "drummachine/mallowen/MainWindowView.h"
#include "drummachine/skins/ApplySkin.h"
#include "drummachine/skins/Skins.h"
#include "platform/vcl/SysUtils.h"
#include "resources/texts/ProgramTexts.h"
#include "sound/WaveSample.h"

TfrmMain* frmMain = nullptr;

namespace {

// A step that can fail on its own (a missing data file, a sound device that
// cannot be set): it is reported, and the caller goes on with its next step,
// so the window always comes up whole.
void ReportAndGoOn(const std::function<void()>& step) {
  try {
    step();
  } catch (...) {
    Application->HandleException(nullptr, std::current_exception());
  }
}

}  // namespace

TfrmMain::TfrmMain(TComponent* AOwner) : TForm(AOwner) {
  frmMain = this;
}

TfrmMain::~TfrmMain() {
  // The clock must not tick into a half-destroyed window.
  if (DsTimer1) DsTimer1->OnTimer = nullptr;
  if (frmMain == this) frmMain = nullptr;
}

TStyLImage* TfrmMain::Cell(int track, int step, bool thirtySecond) const {
  const std::size_t index = static_cast<std::size_t>((track - 1) * SongSteps + (step - 1));
  return thirtySecond ? Step32Cells.at(index) : StepCells.at(index);
}

void TfrmMain::MakeComponentTables() {
  for (int t = 1; t <= SongTracks; ++t) {
    const std::string tt = TwoFigures(t);
    TrackButtons[t] = Component<TStyShapeButton>("TrkBtn_" + tt);
    MuteButtons[t] = Component<TStyShapeButton>("trkMute_" + tt);
    SoloButtons[t] = Component<TStyShapeButton>("trkSolo_" + tt);
    TrackFaders[t] = Component<TBmpTrackBar>("trkVol" + std::to_string(t));
    TrackWaveLists[t] = Component<TDsWaveList>("DsWaveList" + std::to_string(t));
    DrumButtons[t] = Component<TStyShapeButton>("btnDrum" + std::to_string(t));
    for (int s = 1; s <= SongSteps; ++s) {
      const std::size_t index = static_cast<std::size_t>((t - 1) * SongSteps + (s - 1));
      StepCells[index] = Component<TStyLImage>("M" + tt + "_" + TwoFigures(s));
      Step32Cells[index] = Component<TStyLImage>("N" + tt + "_" + TwoFigures(s));
    }
  }
  for (int s = 1; s <= SongSteps; ++s)
    StepLeds[static_cast<std::size_t>(s - 1)] = Component<TShape>("Led" + std::to_string(s));
  for (int n = 1; n <= RecentKitCount; ++n)
    UserKitItems[static_cast<std::size_t>(n - 1)] = Component<TMenuItem>("mnukit" + std::to_string(n));
}

void TfrmMain::FormCreate(TObject*) {
  Model = TMainModel{};
  FScratchWave = std::make_unique<TWave>();
  // The tables and the engine come first: every later step and every
  // handler relies on them, whatever fails after.
  MakeComponentTables();
  FView = std::make_unique<TMainWindowView>(*this);
  FEngine = std::make_unique<TPlaybackEngine>(Model, *FView, FRandom);
  for (int t = 1; t <= SongTracks; ++t) {
    FWaveListAdapters[t] = std::make_unique<TDsTrackWaveList>(TrackWaveLists[t]);
    FTrackLists[t] = FWaveListAdapters[t].get();
    FEngine->TrackWaveLists[t] = FTrackLists[t];
  }
  FPanel = std::make_unique<TTrackPanel>(Model, *FView, *FView, FTrackLists);
  FGrid = std::make_unique<TStepGridEditor>(Model, *FView, *FPanel, *FEngine, FRandom);
  FKits.reset(new TKitContext{Model, TrackWaveLists, *FScratchWave, *FView});
  FSongKit = std::make_unique<TDrumKits>(*FKits);
  // The dialogs are made after the main window: they are bound to it when
  // they are shown.
  ShowBeatDialog = [this](const TBeatPreset& preset) {
    if (frmBeat == nullptr) return;
    frmBeat->Model = &Model;
    frmBeat->Grid = FView.get();
    frmBeat->TrackList = [this](int track) { return FTrackLists[track]; };
    frmBeat->Preset(preset);
    frmBeat->ShowModal();
  };
  Model.ProgramFolder = FileListBox1->GetDirectory();
  FSkins = std::make_unique<TSkins>(Model.ProgramFolder);
  Application->SetHelpFile(Model.ProgramFolder + "\\help files\\Manual.hlp");
  FScratchBitmap = std::make_unique<TBitmap>();
  for (int i = 0; i < static_cast<int>(program_texts::kTips.size()); ++i)
    if (Tips->GetTips()->GetCount() <= i)
      Tips->GetTips()->Add(std::string(program_texts::kTips[static_cast<std::size_t>(i)]));

  ReportAndGoOn([this] { BitmapList->LoadFromFile(Model.ProgramFolder + "\\skins\\resource2.bml"); });
  ReportAndGoOn([this] { LoadDrawnFaces(); });
  FSkins->TakeMainPictures(BitmapList, ButtonList);
  ReportAndGoOn([this] {
    if (DsSound1->GetInitialized() && DsSound1->GetPrimary()) {
      WAVEFORMATEX format{};
      MakePCMFormat(format, 44100, 16, 2);
      DsSound1->GetPrimary()->SetFormat(&format);
    }
  });
  Model.FormReady = true;
  ReportAndGoOn([this] {
    if (std::optional<bool> tipsAtStart = LoadRecent(Model)) Tips->SetShowAtStart(*tipsAtStart);
  });
  FEngine->SetStepInterval();
  ReportAndGoOn([this] { LoadKitSoftSynth(); });
  UpdateBox();
}

void TfrmMain::FormShow(TObject*) {
  if (frmBday != nullptr && IsGreetingDate()) frmBday->ShowModal();
  if (Tips->GetShowAtStart()) Tips->Execute();
  ApplySavedSkin();
}

// The faces of the first scheme are the program folder's pictures; the form
// keeps copies in case they cannot be read.
void TfrmMain::LoadDrawnFaces() {
  static const std::pair<int, const char*> faces[] = {{0, "bbtn1_1"}, {1, "bbtn1_2"}, {3, "bbtn1_3"}};
  for (const auto& [list, suffix] : {std::pair{ButtonList16, ""}, std::pair{ButtonList32, "_32"}})
    for (const auto& [index, file] : faces) {
      FScratchBitmap->LoadFromFile(Model.ProgramFolder + "\\skins\\" + file + suffix + ".bmp");
      list->GetBitmapItem(index)->SetBitmap(FScratchBitmap.get());
    }
}

int TfrmMain::SchemeIndex() const {
  return FSkins ? FSkins->GetSchemes().GetItemIndex() : 0;
}

void TfrmMain::ApplySavedSkin() {
  ReportAndGoOn([this] { FSkins->StartUp(Model.SkinSchemeName); });
  ApplyCurrentSkin();
}

void TfrmMain::ApplyCurrentSkin() {
  TSkinTargets targets;
  targets.ButtonList = ButtonList;
  targets.BitmapList = BitmapList;
  targets.StepCells = StepCells;
  targets.Step32Cells = Step32Cells;
  targets.StyMMButton1 = StyMMButton1;
  targets.MainVolSlider = MainVolSlider;
  targets.TrackFaders = TrackFaders;
  targets.PlayStyle = PlayStyle;
  targets.lblTempo = lblTempo;
  targets.lblMainVolume = lblMainVolume;
  targets.lblPlayStyle = lblPlayStyle;
  targets.MainFill = MainFill;
  targets.TrackFill = TrackFill;
  {
    TQuiet quiet(*this);
    ApplySkin(*FSkins, Model, targets);
  }
  FView->LedColor = FSkins->GetLedColor();
  for (int t = 1; t <= SongTracks; ++t) ShowTrackFaces(t, Model.Song.TrackUses32nd[t]);
  Invalidate();
}

void TfrmMain::mnuBackgroundClick(TObject* Sender) {
  auto* item = dynamic_cast<TMenuItem*>(Sender);
  if (item == nullptr) return;
  const bool on = !item->GetChecked();
  ReportAndGoOn([&] {
    FSkins->ShowBackgrounds(BitmapList, on);
    item->SetChecked(on);
  });
  // Another picture first, so the fills take their pictures anew.
  MainFill->SetListIndex(6);
  MainFill->SetListIndex(2);
  TrackFill->SetListIndex(6);
  TrackFill->SetListIndex(3);
}

void TfrmMain::FormActivate(TObject*) {
  if (edtRuse->CanFocus()) edtRuse->SetFocus();
}

void TfrmMain::FormPaint(TObject*) {
  // The cells paint themselves from their faces; a paint never sets them
  // again (that would ask for another paint, for ever).
}

void TfrmMain::FormResize(TObject*) {
  if (GetWindowState() == wsMinimized) return;
  if (GetWidth() != 628) SetWidth(628);
  if (GetHeight() > 651) SetHeight(651);
  // Below this height the grid would have no room at all; the panels keep
  // their places instead of going negative.
  const int height = std::max(GetHeight(), 264);
  ScrollBox1->SetHeight(height - 264);
  MainFill->SetHeight(height - 192);
  BottomPanel->SetTop(ScrollBox1->GetHeight() + 71);
  PageControl1->SetTop(ScrollBox1->GetHeight() + 79);
}

void TfrmMain::Close1Click(TObject*) {
  StopPlaying();
  Close();
}

void TfrmMain::FormClose(TObject*, TCloseAction&) {
  // The scheme chosen last is the one the next start applies.
  if (FSkins) Model.SkinSchemeName = FSkins->GetSchemes().GetText();
  try {
    SaveRecent(Model, Tips->GetShowAtStart());
  } catch (...) {
    // The program still ends; the user learns that the lists were not kept.
    Application->HandleException(this, std::current_exception());
  }
  if (frmBday != nullptr && IsGreetingDate()) {
    frmBday->SetCaption(std::string(program_texts::kGreetingClosingCaption));
    frmBday->ShowModal();
  }
}

void TfrmMain::StopPlaying() {
  FEngine->StopPlaying();
}
