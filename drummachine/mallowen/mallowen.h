// The drum machine's main window: the step grid, the track strips and the
// track panel, the transport, the kits and the step clock. Its form resource
// holds the controls; the behaviour lives in the units it calls (the step
// engine, the grid editing, the mixer, the kits), and the handlers here only
// find the track, step or pattern from the sender and pass it on.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "controls/bmp/BmpCtrls.h"
#include "controls/styled/styctrl.h"
#include "controls/styled/styctrlA.h"
#include "controls/styled/stybtn.h"
#include "controls/styled/stycont.h"
#include "controls/styled/stydlgS.h"
#include "controls/styled/styextcA.h"
#include "controls/styled/styextcS.h"
#include "controls/styled/styshapA.h"
#include "drummachine/core/MainModel.h"
#include "drummachine/core/PlaybackEngine.h"
#include "drummachine/core/RandomSource.h"
#include "drummachine/mallowen/FileChoice.h"
#include "platform/vcl/Buttons.h"
#include "platform/vcl/ComCtrls.h"
#include "platform/vcl/ExtCtrls.h"
#include "platform/vcl/FileCtrl.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/Grids.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/StdCtrls.h"
#include "sound/DsSound.h"
#include "sound/DsTimer.h"
#include "sound/DsWaveList.h"
#include "sound/Wave.h"

class TMainWindowView;
class TStepGridEditor;
class TTrackPanel;
class TSkins;
struct TKitContext;
class TDrumKits;
struct TBeatPreset;

constexpr int StepCellCount = SongTracks * SongSteps;

class TfrmMain : public TForm {
  DRUMS_CLASS(TfrmMain, TForm)

 public:
  explicit TfrmMain(TComponent* AOwner);
  ~TfrmMain() override;

  // The module's state: the song, the engine's position and the window's
  // working state, shared with the dialogs.
  TMainModel Model;

  // Component tables, filled by name at creation.
  TTrackArray<TStyShapeButton*> TrackButtons{};
  std::array<TStyLImage*, StepCellCount> StepCells{};
  std::array<TStyLImage*, StepCellCount> Step32Cells{};
  TTrackArray<TStyShapeButton*> MuteButtons{};
  TTrackArray<TStyShapeButton*> SoloButtons{};
  TTrackArray<TBmpTrackBar*> TrackFaders{};
  TTrackArray<TDsWaveList*> TrackWaveLists{};
  TTrackArray<TStyShapeButton*> DrumButtons{};
  std::array<TShape*, SongSteps> StepLeds{};
  std::array<TMenuItem*, RecentKitCount> UserKitItems{};

  TPlaybackEngine& Engine() { return *FEngine; }
  // The window's component of that name and class; a form without it is
  // not this window's.
  template <class T>
  T* Component(const std::string& name) const {
    auto* component = dynamic_cast<T*>(FindComponent(name));
    if (component == nullptr) throw EComponentError("The main window has no " + name);
    return component;
  }
  // The cell of track t (1..12), step s (1..16) on the 16th or the 32nd row.
  TStyLImage* Cell(int track, int step, bool thirtySecond) const;

  // Stops playback (every stop path, and before a song or kit loads).
  void StopPlaying();
  // Refreshes the track panel for the current track.
  void UpdateBox();
  // The faces a track's cells use: with the first skin scheme the pictures
  // drawn for 16th or for 32nd notes; with a skin its own faces, centred in
  // the narrow cells of a 32nd-note track.
  void ShowTrackFaces(int track, bool thirtySecond);
  // The open dialog's "Open associated Drumkit?" as the last Open left it:
  // a song opened brings its kit (the dialog's start state).
  bool OpenAssociatedKit = true;
  // Opens a web page, an e-mail or a document through the shell; a failure
  // is raised with its text.
  int ShellOpenFile(HWND owner, const std::string& file, const std::string& parameters, const std::string& folder);
  // Where the cell popup shows the beat dialog, preset for the cell that was
  // right-clicked (unset: nothing shows).
  std::function<void(const TBeatPreset&)> ShowBeatDialog;
  // The skin scheme chosen in the scheme box: 0 is the default look.
  int SchemeIndex() const;
  // The skin unit behind the skins dialog; ApplyCurrentSkin puts its skin
  // in force onto the window (the dialog's Preview and Ok).
  TSkins& Skins() { return *FSkins; }
  void ApplyCurrentSkin();

  // The built-in kit loaders, by the kit menu's order.
  void LoadKitAnalog();
  void LoadKitBreakbeat();
  void LoadKitBrush();
  void LoadKitCasiaha();
  void LoadKitDisco();
  void LoadKitEnsonik();
  void LoadKitGalaxy();
  void LoadKitHR16();
  void LoadKitIndustrial();
  void LoadKitLofi();
  void LoadKitSoftSynth();
  void LoadKitYahmeha();
  void LoadKitEmpty();
  void LoadKit(int kitId);
  // After a song file was read: the kit the song names, its wave choices
  // and the waves the user had added to its tracks.
  void LoadKitFile();

  // Published components (set by the form reader).
  TDsTimer* DsTimer1 = nullptr;
  TDsSound* DsSound1 = nullptr;
  TStyBitmapList* BitmapList = nullptr;
  TStyBitmapList* ButtonList = nullptr;
  // The step faces the program draws, for 16th and for 32nd tracks, shown
  // under the first skin scheme; ButtonList holds a skin's faces.
  TStyBitmapList* ButtonList16 = nullptr;
  TStyBitmapList* ButtonList32 = nullptr;
  TStyFill* MainFill = nullptr;
  TStyFill* TrackFill = nullptr;
  TStyScrollBox* ScrollBox1 = nullptr;
  TStySimplePanel* BottomPanel = nullptr;
  TPageControl* PageControl1 = nullptr;
  TStatusBar* StatusBar1 = nullptr;
  TFileListBox* FileListBox1 = nullptr;
  TStyMMButton* StyMMButton1 = nullptr;
  TButton* btnplayseq = nullptr;
  TButton* btnpause = nullptr;
  TStringGrid* sequencer = nullptr;
  TUpDown* UpDown1 = nullptr;
  TBmpPopupButton2* btnTempo = nullptr;
  TBmpTrackBar* MainVolSlider = nullptr;
  TBmpTrackBar* PlayStyle = nullptr;
  TEdit* edtRuse = nullptr;
  TLabel* lblTempo = nullptr;
  TLabel* lblMainVolume = nullptr;
  TLabel* lblPlayStyle = nullptr;
  TStyTipDlg* Tips = nullptr;
  TMenuItem* mnu44time = nullptr;
  TMenuItem* mnu34time = nullptr;

 private:
  // Form events.
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormActivate(TObject* Sender);
  void FormPaint(TObject* Sender);
  void FormResize(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void Close1Click(TObject* Sender);

  // The file menu.
  void New1Click(TObject* Sender);
  void Open1Click(TObject* Sender);
  void Save1Click(TObject* Sender);
  void SaveAs1Click(TObject* Sender);
  void mnuRecent1Click(TObject* Sender);
  void mnuImportMIDIClick(TObject* Sender);
  void MIDIFile1Click(TObject* Sender);
  // The song and the file name on the window after a song was read,
  // emptied or imported.
  void ShowSong(bool allTracks32nd);
  void ShowSongFileName();
  void SaveSong(const std::optional<std::string>& chosen);
  // Opens the song file name; false when it could not be read (reported).
  void OpenSongFile(const std::string& name);
  // The file a command chooses in the program's own file dialogs (the wave
  // dialog previews on the current track); none when the person cancelled.
  std::optional<std::string> ChooseFile(const TFileChoice& choice);

  // The help menu.
  void HelpIntro1Click(TObject* Sender);
  void QuickStart1Click(TObject* Sender);
  void mnuWebSite1Click(TObject* Sender);
  void mnuSampleSite1Click(TObject* Sender);
  void OnLineUserSupportForum1Click(TObject* Sender);
  void ShareDrumPatterns1Click(TObject* Sender);
  void About2Click(TObject* Sender);

  // The step clock and the transport.
  void DsTimer1Timer(TObject* Sender, int LagCount);
  void StyMMButton1Click(TObject* Sender);
  void btnplayseqClick(TObject* Sender);
  void btnpauseClick(TObject* Sender);
  void sequencerSelectCell(TObject* Sender, int ACol, int ARow, bool& CanSelect);
  void sequencerKeyUp(TObject* Sender, WORD& Key, TShiftState Shift);
  void mnuClearSequencerClick(TObject* Sender);
  void PlayStyleChange(TObject* Sender);
  void UpDown1Click(TObject* Sender, TUDBtnType Button);
  void mnuBPM120Click(TObject* Sender);
  void mnu44timeClick(TObject* Sender);
  void mnu34timeClick(TObject* Sender);

  // The step grid.
  void M01_01Click(TObject* Sender);
  void N04_01Click(TObject* Sender);
  void btnPat2Click(TObject* Sender);
  void mnu16thNotesClick(TObject* Sender);
  void mnu32ndNotesClick(TObject* Sender);
  void mnu16thNotes2Click(TObject* Sender);
  void mnu32ndnotes2Click(TObject* Sender);
  void mnuClearTrackClick(TObject* Sender);
  void mnuClearPatternClick(TObject* Sender);
  void GenerateRandomTrack1Click(TObject* Sender);
  void GenerateRandomPattern1Click(TObject* Sender);
  void mnuCopyTrackClick(TObject* Sender);
  void mnuCutTrackClick(TObject* Sender);
  void mnuPasteTrackClick(TObject* Sender);
  void mnuCopyPatternClick(TObject* Sender);
  void mnuCutPatternClick(TObject* Sender);
  void mnuPastePatternClick(TObject* Sender);
  void popBeatPopup(TObject* Sender);

  // The strips and the track panel.
  void TrkBtn_01Click(TObject* Sender);
  void TrkBtn_01MouseEnter(TObject* Sender);
  void TrkBtn_01MouseExit(TObject* Sender);
  void btnDrum1Click(TObject* Sender);
  void trkVol1Click(TObject* Sender);
  void trkVol1Change(TObject* Sender);
  void trkMute_01Click(TObject* Sender);
  void trkSolo_01Click(TObject* Sender);
  void boxVolSliderChange(TObject* Sender);
  void boxPanSliderChange(TObject* Sender);
  void boxPitchSliderChange(TObject* Sender);
  void boxODSliderChange(TObject* Sender);
  void rndVolSliderChange(TObject* Sender);
  void rndPanSliderChange(TObject* Sender);
  void rndPitchSliderChange(TObject* Sender);
  void edtVolExit(TObject* Sender);
  void edtPanExit(TObject* Sender);
  void cbxHumanizeClick(TObject* Sender);
  void mnuHumanizeClick(TObject* Sender);
  void cbxMuteClick(TObject* Sender);
  void cbxSoloClick(TObject* Sender);
  void mnuMuteClick(TObject* Sender);
  void mnuSoloClick(TObject* Sender);
  void mnuhihatClick(TObject* Sender);
  void MainVolSliderChange(TObject* Sender);
  void PresetClick(TObject* Sender);
  void ResetTrack1Click(TObject* Sender);
  void popDrum1Popup(TObject* Sender);
  void TambrelTips1Click(TObject* Sender);
  void mnuBackgroundClick(TObject* Sender);
  // The Skins menu item: the skins dialog, modeless.
  void Skins1Click(TObject* Sender);

  // Kits and samples.
  void KitItemClick(TObject* Sender);
  void mnukit1Click(TObject* Sender);
  void DrumKit1Click(TObject* Sender);
  void LoadaUserKit1Click(TObject* Sender);
  void mnuPopupDrum00Click(TObject* Sender);
  void edtDrumChange(TObject* Sender);
  void btnLoadWaveClick(TObject* Sender);
  void btnPlayWaveClick(TObject* Sender);
  void AddWaveToCurrentTrack();
  // The hidden label Label35 shows the volume an audition played.
  void ShowAuditionVolume(int played);

  // The drawn step faces from the program folder's skins, once.
  void LoadDrawnFaces();
  // The skin: the saved scheme at start-up.
  void ApplySavedSkin();

  void MakeComponentTables();
  void SequencerToModel();
  void ModelToSequencer();

  static void Publish(TPublisher<TfrmMain>& p);

  // While set, the controls are being set by the window's units: their
  // change and click handlers stay quiet.
  struct TQuiet {
    explicit TQuiet(TfrmMain& form) : FForm(form), FWas(form.FQuiet) { form.FQuiet = true; }
    ~TQuiet() { FForm.FQuiet = FWas; }
    TfrmMain& FForm;
    bool FWas;
  };
  bool FQuiet = false;

  std::unique_ptr<TMainWindowView> FView;
  TLibraryRandom FRandom;
  std::unique_ptr<TPlaybackEngine> FEngine;
  TTrackArray<std::unique_ptr<ITrackWaveList>> FWaveListAdapters;
  TTrackArray<ITrackWaveList*> FTrackLists{};
  std::unique_ptr<TTrackPanel> FPanel;
  std::unique_ptr<TStepGridEditor> FGrid;
  std::unique_ptr<TKitContext> FKits;
  std::unique_ptr<TDrumKits> FSongKit;
  std::unique_ptr<TSkins> FSkins;
  std::unique_ptr<TWave> FScratchWave;
  std::unique_ptr<TBitmap> FScratchBitmap;
  // Set while the window itself changes the order grid, so the grid's
  // events do not copy it back half done.
  bool FSyncingSequencer = false;
};

extern TfrmMain* frmMain;
