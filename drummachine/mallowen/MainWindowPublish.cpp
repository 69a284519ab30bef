// The main window's published components and handlers: the form resource
// binds its controls' events by these names.
#include "drummachine/mallowen/mallowen.h"

void TfrmMain::Publish(TPublisher<TfrmMain>& p) {
  p.Field("DsTimer1", &TfrmMain::DsTimer1);
  p.Field("DsSound1", &TfrmMain::DsSound1);
  p.Field("BitmapList", &TfrmMain::BitmapList);
  p.Field("ButtonList", &TfrmMain::ButtonList);
  p.Field("ButtonList16", &TfrmMain::ButtonList16);
  p.Field("ButtonList32", &TfrmMain::ButtonList32);
  p.Field("MainFill", &TfrmMain::MainFill);
  p.Field("TrackFill", &TfrmMain::TrackFill);
  p.Field("ScrollBox1", &TfrmMain::ScrollBox1);
  p.Field("BottomPanel", &TfrmMain::BottomPanel);
  p.Field("PageControl1", &TfrmMain::PageControl1);
  p.Field("StatusBar1", &TfrmMain::StatusBar1);
  p.Field("FileListBox1", &TfrmMain::FileListBox1);
  p.Field("StyMMButton1", &TfrmMain::StyMMButton1);
  p.Field("btnplayseq", &TfrmMain::btnplayseq);
  p.Field("btnpause", &TfrmMain::btnpause);
  p.Field("sequencer", &TfrmMain::sequencer);
  p.Field("UpDown1", &TfrmMain::UpDown1);
  p.Field("btnTempo", &TfrmMain::btnTempo);
  p.Field("MainVolSlider", &TfrmMain::MainVolSlider);
  p.Field("PlayStyle", &TfrmMain::PlayStyle);
  p.Field("edtRuse", &TfrmMain::edtRuse);
  p.Field("lblTempo", &TfrmMain::lblTempo);
  p.Field("lblMainVolume", &TfrmMain::lblMainVolume);
  p.Field("lblPlayStyle", &TfrmMain::lblPlayStyle);
  p.Field("Tips", &TfrmMain::Tips);
  p.Field("mnu44time", &TfrmMain::mnu44time);
  p.Field("mnu34time", &TfrmMain::mnu34time);

  p.Method("FormCreate", &TfrmMain::FormCreate);
  p.Method("FormShow", &TfrmMain::FormShow);
  p.Method("FormActivate", &TfrmMain::FormActivate);
  p.Method("FormPaint", &TfrmMain::FormPaint);
  p.Method("FormResize", &TfrmMain::FormResize);
  p.Method("FormClose", &TfrmMain::FormClose);
  p.Method("Close1Click", &TfrmMain::Close1Click);

  p.Method("DsTimer1Timer", &TfrmMain::DsTimer1Timer);
  p.Method("StyMMButton1Click", &TfrmMain::StyMMButton1Click);
  p.Method("btnplayseqClick", &TfrmMain::btnplayseqClick);
  p.Method("btnpauseClick", &TfrmMain::btnpauseClick);
  p.Method("sequencerSelectCell", &TfrmMain::sequencerSelectCell);
  p.Method("sequencerKeyUp", &TfrmMain::sequencerKeyUp);
  p.Method("mnuClearSequencerClick", &TfrmMain::mnuClearSequencerClick);
  p.Method("PlayStyleChange", &TfrmMain::PlayStyleChange);
  p.Method("UpDown1Click", &TfrmMain::UpDown1Click);
  p.Method("mnuBPM120Click", &TfrmMain::mnuBPM120Click);
  p.Method("mnu44timeClick", &TfrmMain::mnu44timeClick);
  p.Method("mnu34timeClick", &TfrmMain::mnu34timeClick);

  p.Method("M01_01Click", &TfrmMain::M01_01Click);
  p.Method("N04_01Click", &TfrmMain::N04_01Click);
  p.Method("btnPat2Click", &TfrmMain::btnPat2Click);
  p.Method("mnu16thNotesClick", &TfrmMain::mnu16thNotesClick);
  p.Method("mnu32ndNotesClick", &TfrmMain::mnu32ndNotesClick);
  p.Method("mnu16thNotes2Click", &TfrmMain::mnu16thNotes2Click);
  p.Method("mnu32ndnotes2Click", &TfrmMain::mnu32ndnotes2Click);
  p.Method("mnuClearTrackClick", &TfrmMain::mnuClearTrackClick);
  p.Method("mnuClearPatternClick", &TfrmMain::mnuClearPatternClick);
  p.Method("GenerateRandomTrack1Click", &TfrmMain::GenerateRandomTrack1Click);
  p.Method("mnuCopyTrackClick", &TfrmMain::mnuCopyTrackClick);
  p.Method("mnuCutTrackClick", &TfrmMain::mnuCutTrackClick);
  p.Method("mnuPasteTrackClick", &TfrmMain::mnuPasteTrackClick);
  p.Method("mnuCopyPatternClick", &TfrmMain::mnuCopyPatternClick);
  p.Method("mnuCutPatternClick", &TfrmMain::mnuCutPatternClick);
  p.Method("mnuPastePatternClick", &TfrmMain::mnuPastePatternClick);
  p.Method("popBeatPopup", &TfrmMain::popBeatPopup);

  p.Method("TrkBtn_01Click", &TfrmMain::TrkBtn_01Click);
  p.Method("TrkBtn_01MouseEnter", &TfrmMain::TrkBtn_01MouseEnter);
  p.Method("TrkBtn_01MouseExit", &TfrmMain::TrkBtn_01MouseExit);
  // The drum buttons share the name buttons' hover: their names end in the
  // track's number at the same place.
  p.Method("btnDrum1MouseEnter", &TfrmMain::TrkBtn_01MouseEnter);
  p.Method("btnDrum1MouseExit", &TfrmMain::TrkBtn_01MouseExit);
  p.Method("btnDrum1Click", &TfrmMain::btnDrum1Click);
  p.Method("trkVol1Click", &TfrmMain::trkVol1Click);
  p.Method("trkVol1Change", &TfrmMain::trkVol1Change);
  p.Method("trkMute_01Click", &TfrmMain::trkMute_01Click);
  p.Method("trkSolo_01Click", &TfrmMain::trkSolo_01Click);
  p.Method("boxVolSliderChange", &TfrmMain::boxVolSliderChange);
  p.Method("boxPanSliderChange", &TfrmMain::boxPanSliderChange);
  p.Method("boxPitchSliderChange", &TfrmMain::boxPitchSliderChange);
  p.Method("boxODSliderChange", &TfrmMain::boxODSliderChange);
  p.Method("rndVolSliderChange", &TfrmMain::rndVolSliderChange);
  p.Method("rndPanSliderChange", &TfrmMain::rndPanSliderChange);
  p.Method("rndPitchSliderChange", &TfrmMain::rndPitchSliderChange);
  p.Method("edtVolExit", &TfrmMain::edtVolExit);
  p.Method("edtPanExit", &TfrmMain::edtPanExit);
  p.Method("cbxHumanizeClick", &TfrmMain::cbxHumanizeClick);
  p.Method("mnuHumanizeClick", &TfrmMain::mnuHumanizeClick);
  p.Method("cbxMuteClick", &TfrmMain::cbxMuteClick);
  p.Method("cbxSoloClick", &TfrmMain::cbxSoloClick);
  p.Method("mnuMuteClick", &TfrmMain::mnuMuteClick);
  p.Method("mnuSoloClick", &TfrmMain::mnuSoloClick);
  p.Method("mnuhihatClick", &TfrmMain::mnuhihatClick);
  p.Method("MainVolSliderChange", &TfrmMain::MainVolSliderChange);
  for (const char* preset : {"mnuPanCenterClick", "mnuPanLeftClick", "mnuPanRightClick", "mnuPan50LeftClick",
                             "mnuPan50RightClick", "Full1Click", "N801Click", "N501Click", "N251Click", "Reset1Click",
                             "mnuSemiUpClick", "mnuSemiDownClick", "mnu4SemiUpClick", "mnu4SemiDownClick"})
    p.Method(preset, &TfrmMain::PresetClick);
  p.Method("ResetTrack1Click", &TfrmMain::ResetTrack1Click);
  p.Method("popDrum1Popup", &TfrmMain::popDrum1Popup);
  p.Method("TambrelTips1Click", &TfrmMain::TambrelTips1Click);
  p.Method("mnuBackgroundClick", &TfrmMain::mnuBackgroundClick);
  p.Method("Skins1Click", &TfrmMain::Skins1Click);

  for (const char* kit : {"mnuAnalogClick", "mnuBreakbeatClick", "mnuBrushClick", "mnuCasiahaClick", "mnuDiscoClick",
                          "mnuEnsonikClick", "mnuGalaxyClick", "mnuHR16Click", "mnuIndustrialClick", "mnuLofiClick",
                          "mnuSoftSynthClick", "mnuYahmehaClick", "mnuEmptyClick"})
    p.Method(kit, &TfrmMain::KitItemClick);
  p.Method("mnukit1Click", &TfrmMain::mnukit1Click);
  p.Method("DrumKit1Click", &TfrmMain::DrumKit1Click);
  p.Method("LoadaUserKit1Click", &TfrmMain::LoadaUserKit1Click);
  p.Method("mnuPopupDrum00Click", &TfrmMain::mnuPopupDrum00Click);
  p.Method("edtDrumChange", &TfrmMain::edtDrumChange);
  p.Method("btnLoadWaveClick", &TfrmMain::btnLoadWaveClick);
  p.Method("btnPlayWaveClick", &TfrmMain::btnPlayWaveClick);

  p.Method("New1Click", &TfrmMain::New1Click);
  p.Method("Open1Click", &TfrmMain::Open1Click);
  p.Method("Save1Click", &TfrmMain::Save1Click);
  p.Method("SaveAs1Click", &TfrmMain::SaveAs1Click);
  p.Method("mnuRecent1Click", &TfrmMain::mnuRecent1Click);
  p.Method("mnuImportMIDIClick", &TfrmMain::mnuImportMIDIClick);
  p.Method("MIDIFile1Click", &TfrmMain::MIDIFile1Click);
  p.Method("GenerateRandomPattern1Click", &TfrmMain::GenerateRandomPattern1Click);
  p.Method("HelpIntro1Click", &TfrmMain::HelpIntro1Click);
  p.Method("QuickStart1Click", &TfrmMain::QuickStart1Click);
  p.Method("mnuWebSite1Click", &TfrmMain::mnuWebSite1Click);
  p.Method("mnuSampleSite1Click", &TfrmMain::mnuSampleSite1Click);
  p.Method("OnLineUserSupportForum1Click", &TfrmMain::OnLineUserSupportForum1Click);
  p.Method("ShareDrumPatterns1Click", &TfrmMain::ShareDrumPatterns1Click);
  p.Method("About2Click", &TfrmMain::About2Click);
}
