// The main window's track strips and track panel: each handler reads its
// sender (a strip's track, a slider's position, a box's text) and leaves the
// rest to the track panel unit.
#include "drummachine/editing/Audition.h"
#include "drummachine/editing/TrackPanel.h"
#include "drummachine/mallowen/ComponentNames.h"
#include "drummachine/mallowen/mallowen.h"

namespace {

int SliderPosition(TObject* sender) {
  if (auto* styled = dynamic_cast<TStyTrackBar*>(sender)) return styled->GetPosition();
  if (auto* bitmap = dynamic_cast<TBmpTrackBar*>(sender)) return bitmap->GetPosition();
  return 0;
}

bool IsChecked(TObject* sender) {
  auto* box = dynamic_cast<TCheckBox*>(sender);
  return box != nullptr && box->GetChecked();
}

std::string EditText(TObject* sender) {
  auto* edit = dynamic_cast<TEdit*>(sender);
  return edit != nullptr ? edit->GetText() : std::string();
}

}  // namespace

#define DRUMS_PANEL_HANDLER(handler, call)  \
  void TfrmMain::handler(TObject* Sender) { \
    (void)Sender;                           \
    if (FQuiet) return;                     \
    TQuiet quiet(*this);                    \
    call;                                   \
  }

DRUMS_PANEL_HANDLER(TrkBtn_01MouseEnter, FPanel->TrkBtn_01MouseEnter(NameNumber(Sender, 7)))
DRUMS_PANEL_HANDLER(TrkBtn_01MouseExit, FPanel->TrkBtn_01MouseExit())
DRUMS_PANEL_HANDLER(btnDrum1Click, FPanel->SelectTrack(NameNumber(Sender, 7)))
DRUMS_PANEL_HANDLER(trkVol1Click, FPanel->trkVol1Click(NameNumber(Sender, 6)))
DRUMS_PANEL_HANDLER(trkVol1Change, FPanel->trkVol1Change(NameNumber(Sender, 6), SliderPosition(Sender)))
DRUMS_PANEL_HANDLER(trkMute_01Click, FPanel->trkMute_01Click(NameNumber(Sender, 8)))
DRUMS_PANEL_HANDLER(trkSolo_01Click, FPanel->trkSolo_01Click(NameNumber(Sender, 8)))
DRUMS_PANEL_HANDLER(boxVolSliderChange, FPanel->boxVolSliderChange(SliderPosition(Sender)))
DRUMS_PANEL_HANDLER(boxPanSliderChange, FPanel->boxPanSliderChange(SliderPosition(Sender)))
DRUMS_PANEL_HANDLER(boxPitchSliderChange, FPanel->boxPitchSliderChange(SliderPosition(Sender)))
DRUMS_PANEL_HANDLER(boxODSliderChange, FPanel->boxODSliderChange(SliderPosition(Sender)))
DRUMS_PANEL_HANDLER(rndVolSliderChange, FPanel->rndVolSliderChange(SliderPosition(Sender)))
DRUMS_PANEL_HANDLER(rndPanSliderChange, FPanel->rndPanSliderChange(SliderPosition(Sender)))
DRUMS_PANEL_HANDLER(rndPitchSliderChange, FPanel->rndPitchSliderChange(SliderPosition(Sender)))
DRUMS_PANEL_HANDLER(MainVolSliderChange, FPanel->MainVolSliderChange(SliderPosition(Sender)))
DRUMS_PANEL_HANDLER(edtVolExit, FPanel->edtVolExit(EditText(Sender)))
DRUMS_PANEL_HANDLER(edtPanExit, FPanel->edtPanExit(EditText(Sender)))
DRUMS_PANEL_HANDLER(cbxHumanizeClick, FPanel->cbxHumanizeClick(IsChecked(Sender)))
DRUMS_PANEL_HANDLER(mnuHumanizeClick, FPanel->mnuHumanizeClick())
DRUMS_PANEL_HANDLER(cbxMuteClick, FPanel->cbxMuteClick(IsChecked(Sender)))
DRUMS_PANEL_HANDLER(cbxSoloClick, FPanel->cbxSoloClick(IsChecked(Sender)))
DRUMS_PANEL_HANDLER(mnuMuteClick, FPanel->mnuMuteClick())
DRUMS_PANEL_HANDLER(mnuSoloClick, FPanel->mnuSoloClick())
DRUMS_PANEL_HANDLER(mnuhihatClick, FPanel->mnuhihatClick())
DRUMS_PANEL_HANDLER(ResetTrack1Click, FPanel->ResetTrack1Click())
DRUMS_PANEL_HANDLER(popDrum1Popup, FPanel->popDrum1Popup())

#undef DRUMS_PANEL_HANDLER

void TfrmMain::TrkBtn_01Click(TObject* Sender) {
  if (FQuiet) return;
  TQuiet quiet(*this);
  ShowAuditionVolume(FPanel->TrkBtn_01Click(NameNumber(Sender, 7)));
}

// The presets of the track menu and of the name buttons' menu ("pop" before
// the item's name): the item's name says which.
void TfrmMain::PresetClick(TObject* Sender) {
  static const std::pair<const char*, TMixerPreset> presets[] = {{"mnuPanCenter", mpPanCenter},
                                                                 {"mnuPanLeft", mpPanLeft},
                                                                 {"mnuPanRight", mpPanRight},
                                                                 {"mnuPan50Left", mpPan50Left},
                                                                 {"mnuPan50Right", mpPan50Right},
                                                                 {"Full1", mpVolumeFull},
                                                                 {"N801", mpVolume80},
                                                                 {"N501", mpVolume50},
                                                                 {"N251", mpVolume25},
                                                                 {"Reset1", mpResetPitch},
                                                                 {"mnuSemiUp", mpSemiUp},
                                                                 {"mnuSemiDown", mpSemiDown},
                                                                 {"mnu4SemiUp", mp4SemiUp},
                                                                 {"mnu4SemiDown", mp4SemiDown}};
  auto* item = dynamic_cast<TComponent*>(Sender);
  if (item == nullptr || FQuiet) return;
  std::string name = item->GetName();
  if (name.rfind("pop", 0) == 0) name.erase(0, 3);
  for (const auto& [itemName, preset] : presets)
    if (name == itemName) {
      TQuiet quiet(*this);
      FPanel->ApplyPreset(preset);
    }
}

void TfrmMain::TambrelTips1Click(TObject*) {
  Tips->Execute();
}

void TfrmMain::UpdateBox() {
  TQuiet quiet(*this);
  FPanel->UpdateBox();
}
