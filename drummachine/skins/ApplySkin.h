// Apply: puts the skin in force onto the main window's controls: the step
// faces and background pictures into the window's lists, the cells' faces
// and transparency, the play button's place and look, the sliders' thumbs,
// the display labels and the play-style label's font, and the backgrounds.
#pragma once

#include <array>

#include "controls/bmp/BmpCtrls.h"
#include "controls/styled/stybtn.h"
#include "controls/styled/stycont.h"
#include "controls/styled/styctrlA.h"
#include "controls/styled/styextcS.h"
#include "drummachine/core/MainModel.h"
#include "drummachine/skins/Skins.h"
#include "platform/vcl/Controls.h"

constexpr int SkinStepCellCount = SongTracks * SongSteps;

// The main window's controls a skin changes. Cells are indexed
// (track - 1) * 16 + (step - 1). A missing (null) control is left out.
struct TSkinTargets {
  TStyBitmapList* ButtonList = nullptr;
  TStyBitmapList* BitmapList = nullptr;
  std::array<TStyLImage*, SkinStepCellCount> StepCells{};
  std::array<TStyLImage*, SkinStepCellCount> Step32Cells{};
  TStyMMButton* StyMMButton1 = nullptr;
  TBmpTrackBar* MainVolSlider = nullptr;
  TTrackArray<TBmpTrackBar*> TrackFaders{};
  TBmpTrackBar* PlayStyle = nullptr;
  TControl* lblTempo = nullptr;
  TControl* lblMainVolume = nullptr;
  TControl* lblPlayStyle = nullptr;
  TStyFill* MainFill = nullptr;
  TStyFill* TrackFill = nullptr;
};

// The cells show the faces of model's EditedPattern: off, on, or the
// modified note.
void ApplySkin(const TSkins& skins, const TMainModel& model, const TSkinTargets& targets);
