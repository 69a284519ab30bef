// The kit editor's main window: the twelve tracks with their names and
// hi-hat choice on the left, the current track's waves with the buttons that
// play, order, add and remove them on the right, and below them a folder
// tree and a list of the chosen folder's ".wav" files. File > New, Open Kit
// and Save Kit read and write a user kit in any folder.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "controls/shell/UNavFrame.h"
#include "controls/shell/UNavShellControls.h"
#include "controls/shell/UNavSplitter.h"
#include "controls/styled/stystdcA.h"
#include "drummachine/core/Song.h"
#include "drummachine/userkit/UserKitFile.h"
#include "platform/vcl/ComCtrls.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/ExtCtrls.h"
#include "platform/vcl/FileCtrl.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/StdCtrls.h"
#include "sound/DsSound.h"
#include "sound/DsWaveList.h"
#include "sound/Wave.h"

// A track holds at most this many waves.
constexpr int EditorMaxTrackWaves = 15;
// The window's caption; an opened or saved kit's name follows it after " - ".
inline constexpr const char* EditorCaption = "Tambrel RedoZev Idezar";

class TfrmDrumEditor : public TForm {
  DRUMS_CLASS(TfrmDrumEditor, TForm)

 public:
  explicit TfrmDrumEditor(TComponent* AOwner);
  ~TfrmDrumEditor() override;

  // The editor's state.
  // The kit name of the last opened kit file (line 1); New and Save keep it.
  std::string EditorKitName;
  TTrackArray<TEditorTrackName> EditorTrackName;
  // 0 until New or Open set them.
  std::int32_t EditorOpenHatTrack = 0;
  std::int32_t EditorClosedHatTrack = 0;
  TTrackArray<TDsWaveList*> EditorWaveLists{};
  TTrackArray<TLabel*> EditorTrackLabels{};
  TTrackArray<TEdit*> EditorNameEdits{};
  int EditorTrack = 1;
  // Every added ".wav" file is read into it before it is copied to a track.
  std::unique_ptr<TWave> EditorWave;
  // A file is selected in the wave browser.
  bool WaveFileSelected = false;
  // The current directory at start.
  std::string StartFolder;

  // Published components (set by the form reader).
  TNavSplitter* NavSplitter1 = nullptr;
  TNavPane* NavSplitter1_pane1 = nullptr;
  TNavPane* NavSplitter1_pane2 = nullptr;
  TPanel* HatPanel = nullptr;
  TNavFrame* NavFrame1 = nullptr;
  TLabel* lblOpenhat = nullptr;
  TLabel* lblClosedhat = nullptr;
  TComboBox* cbxOpenhat = nullptr;
  TComboBox* cbxClosedhat = nullptr;
  TScrollBox* ScrollBox1 = nullptr;
  TLabel* lblCurrentTrack = nullptr;
  TComboBox* cbxTrack = nullptr;
  TButton* btnPlayWave = nullptr;
  TStyListBox* DrumListBox = nullptr;
  TButton* btnUp = nullptr;
  TButton* btnDown = nullptr;
  TLabel* lblOrder = nullptr;
  TButton* btnAddWave = nullptr;
  TButton* btnRemoveWave = nullptr;
  TButton* btnRemoveAll = nullptr;
  TLabel* lblHint = nullptr;
  TNavSplitter* NavSplitter2 = nullptr;
  TNavPane* NavSplitter2_pane1 = nullptr;
  TNavPane* NavSplitter2_pane2 = nullptr;
  TNavShellTree* NavShellTree1 = nullptr;
  TNavShellList* NavShellList1 = nullptr;
  TStatusBar* StatusBar1 = nullptr;
  TMainMenu* MainMenu1 = nullptr;
  TMenuItem* File1 = nullptr;
  TMenuItem* New1 = nullptr;
  TMenuItem* OpenKit1 = nullptr;
  TMenuItem* SaveKit1 = nullptr;
  TMenuItem* Exit1 = nullptr;
  TMenuItem* Help1 = nullptr;
  TMenuItem* HelpTopics1 = nullptr;
  TMenuItem* GetmoreDrumSamples1 = nullptr;
  TMenuItem* mnuSampleSite1 = nullptr;
  TMenuItem* About1 = nullptr;
  TPopupMenu* PopupMenu1 = nullptr;
  TOpenDialog* OpenDialog1 = nullptr;
  TSaveDialog* SaveDialog1 = nullptr;
  TDirectoryListBox* DirectoryListBox1 = nullptr;
  TDsSound* DsSound1 = nullptr;

  // Handlers.
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormResize(TObject* Sender);
  void New1Click(TObject* Sender);
  void OpenKit1Click(TObject* Sender);
  void SaveKit1Click(TObject* Sender);
  void Exit1Click(TObject* Sender);
  void btnAddWaveClick(TObject* Sender);
  void NavShellList1DblClickOpen(TObject* Sender, bool& afHandled);
  void btnRemoveWaveClick(TObject* Sender);
  void btnRemoveAllClick(TObject* Sender);
  void btnUpClick(TObject* Sender);
  void btnDownClick(TObject* Sender);
  void btnPlayWaveClick(TObject* Sender);
  void cbxTrackChange(TObject* Sender);
  void lblTrk1Click(TObject* Sender);
  void edtName1Click(TObject* Sender);
  void NavShellList1SelectItem(TObject* Sender, TListItem* Item, bool Selected);
  void NavShellList1Change(TObject* Sender, TListItem* Item, TItemChange Change);
  void NavShellTree1Change(TObject* Sender, TTreeNode* Node);
  void NavShellList1FolderChanged(TObject* Sender);
  void NavShellTree1Click(TObject* Sender);
  void HelpTopics1Click(TObject* Sender);
  void About1Click(TObject* Sender);
  void SampleSite1Click(TObject* Sender);

  // The name edits and hat combos from EditorTrackName and the hat tracks.
  void TrackLabelUpdate();
  // The list box anew from the current track's waves, the first selected.
  void UpdateDrumListBox();

  // The current track's bank.
  TWaveCollection* CurrentWaves() const;

  static void Publish(TPublisher<TfrmDrumEditor>& p);

 private:
  void FindComponents();
  void SelectTrack(int track);
  // A track clicked in the window: the track combo follows (numbers
  // outside 1..12 are ignored).
  void ChooseTrack(int track);
  // Adds the ".wav" file at path to the current track (refused when full).
  void AddWave(const std::string& path);
  void MoveSelectedWave(int delta);
  // The list box's selected line when it shows a wave of the current
  // track; -1 otherwise.
  int SelectedWaveIndex() const;
  void SetKitCaption(const std::string& kitName);
  void ShowGreetingOnItsDay();
};

extern TfrmDrumEditor* frmDrumEditor;
