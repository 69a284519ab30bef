#include "drummachine/skins/ApplySkin.h"

#include "drummachine/skins/PictureCopy.h"

namespace {

// The faces a step cell shows, as items of the step face list.
constexpr int CellFaceOff = 0;
constexpr int CellFaceOn = 1;
constexpr int CellFaceRefresh = 2;
constexpr int CellFaceModified = 3;

// The play button's list item: up, and another that makes it repaint.
constexpr int PlayFaceUp = 0;
constexpr int PlayFaceRefresh = 1;

// Pictures of the skin picture list by use.
constexpr int PictureMainBackground = 2;
constexpr int PictureTracksBackground = 3;
constexpr int PictureMainVolThumb = 4;
constexpr int PictureMainVolThumbSelected = 5;
constexpr int PictureTrackVolThumb = 7;
constexpr int PictureTrackVolThumbSelected = 8;
constexpr int PictureSequencerThumb = 9;
constexpr int PictureSequencerThumbSelected = 10;

TBitmap* Picture(const TStyBitmapList* list, int index) {
  return list->GetBitmapItem(index)->GetBitmap();
}

// The face set first to another value makes the cell repaint even when its
// face stays the same.
void SetCellFace(TStyLImage* cell, bool transparent, bool on, bool modified) {
  if (cell == nullptr) return;
  cell->SetForceTransparent(transparent);
  cell->SetListIndex(CellFaceRefresh);
  cell->SetListIndex(on ? CellFaceOn : CellFaceOff);
  if (modified) cell->SetListIndex(CellFaceModified);
}

void SetThumbs(TBmpTrackBar* bar, const TStyBitmapList* pictures, int thumb, int selected, bool vertical) {
  if (bar == nullptr) return;
  if (vertical) {
    bar->SetThumbVert(Picture(pictures, thumb));
    bar->SetThumbVertSelected(Picture(pictures, selected));
  } else {
    bar->SetThumbHorz(Picture(pictures, thumb));
    bar->SetThumbHorzSelected(Picture(pictures, selected));
  }
}

// A background shows its picture, or the blank when the skin has it off.
// The fill's list item follows the picture, so that a later change of the
// list shows the same picture again.
void SetBackground(TStyFill* fill, const TStyBitmapList* pictures, bool set, int picture) {
  if (fill == nullptr) return;
  const int shown = set ? picture : SkinBlankPicture;
  fill->SetListIndex(shown);
  fill->GetFillObject()->SetListBitmap(Picture(pictures, shown));
  fill->Invalidate();
}

}  // namespace

void ApplySkin(const TSkins& skins, const TMainModel& model, const TSkinTargets& targets) {
  const TSkin& skin = skins.GetSkin();
  const TStyBitmapList* pictures = skins.GetSkinsBitmapList();
  CopyListPictures(skins.GetSkinsButtonList(), targets.ButtonList, 0, SkinsButtonCount);
  CopyListPictures(pictures, targets.BitmapList, 0, SkinsBitmapCount);

  const TSong& song = model.Song;
  const int pattern = model.EditedPattern;
  for (int t = 1; t <= SongTracks; ++t) {
    for (int s = 1; s <= SongSteps; ++s) {
      const int i = (t - 1) * SongSteps + (s - 1);
      SetCellFace(targets.StepCells[i], skin.BeatTransparent, IsOn(song.StepOn(s, t, pattern)),
                  IsOn(song.StepModified(s, t, pattern)));
      SetCellFace(targets.Step32Cells[i], skin.BeatTransparent, IsOn(song.Step32On(s, t, pattern)),
                  IsOn(song.Step32Modified(s, t, pattern)));
    }
  }

  if (TStyMMButton* play = targets.StyMMButton1) {
    play->SetTransparent(skin.PlayTransparent);
    play->SetListIndex(PlayFaceRefresh);
    play->SetListIndex(PlayFaceUp);
    play->SetBounds(skin.PlayLeft, skin.PlayTop, play->GetWidth(), play->GetHeight());
  }

  SetThumbs(targets.MainVolSlider, pictures, PictureMainVolThumb, PictureMainVolThumbSelected, false);
  for (int t = 1; t <= SongTracks; ++t)
    SetThumbs(targets.TrackFaders[t], pictures, PictureTrackVolThumb, PictureTrackVolThumbSelected, false);
  SetThumbs(targets.PlayStyle, pictures, PictureSequencerThumb, PictureSequencerThumbSelected, true);

  if (targets.lblTempo) targets.lblTempo->SetVisible(skin.TempoLabel);
  if (targets.lblMainVolume) targets.lblMainVolume->SetVisible(skin.MainVolumeLabel);
  if (targets.lblPlayStyle) {
    TFont* font = targets.lblPlayStyle->GetFont();
    font->SetColor(static_cast<TColor>(skin.Font.Color));
    font->SetHeight(skin.Font.Height);
    font->SetName(skin.Font.Name);
    font->SetSize(skin.Font.Size);
  }

  SetBackground(targets.MainFill, pictures, skins.GetMainBackgroundSet(), PictureMainBackground);
  SetBackground(targets.TrackFill, pictures, skins.GetTracksBackgroundSet(), PictureTracksBackground);
}
