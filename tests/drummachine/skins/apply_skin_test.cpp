// Apply: a skin put onto a form of the main window's target controls on the
// headless host: faces and pictures copied into the window's lists, the
// cells' faces by the edited pattern and their transparency on both layers,
// the play button's place and look, the thumbs, the labels and their font,
// and the backgrounds shown or blanked.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "drummachine/skins/ApplySkin.h"
#include "platform/host/headless.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/StdCtrls.h"
#include "platform/win/drums_ext.h"
#include "skin_fixture.h"
#include "tests/support/HeadlessApplication.h"

using namespace skins_test;

namespace {

constexpr int CellTop = 60;  // the grid lies below the play button
constexpr int CellRows = 24;  // a 16th row and its 32nd row below it

int CellIndex(int track, int step) {
  return (track - 1) * SongSteps + (step - 1);
}

bool SamePicture(TBitmap* a, TBitmap* b) {
  if (a->GetWidth() != b->GetWidth() || a->GetHeight() != b->GetHeight()) return false;
  // Rows of the same true-colour format compare as bytes (the backgrounds
  // are large); anything else pixel by pixel.
  const TPixelFormat format = a->GetPixelFormat();
  if (format == b->GetPixelFormat() && (format == pf24bit || format == pf32bit)) {
    const std::size_t row = static_cast<std::size_t>(a->GetWidth()) * (format == pf24bit ? 3 : 4);
    for (int y = 0; y < a->GetHeight(); y++)
      if (std::memcmp(a->GetScanLine(y), b->GetScanLine(y), row) != 0) return false;
    return true;
  }
  for (int y = 0; y < a->GetHeight(); y++)
    for (int x = 0; x < a->GetWidth(); x++)
      if ((a->GetCanvas()->GetPixels(x, y) & 0xFFFFFF) != (b->GetCanvas()->GetPixels(x, y) & 0xFFFFFF)) return false;
  return true;
}

class ApplySkinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::StartApplication("Apply Skin", {{ppClassLibrary, ppStyled, ppBmpCtrls}, {}});
    form = TCustomForm::CreateNew<TForm>(Application);
    form->SetBounds(0, 0, 640, 480);
    targets.BitmapList = new TStyBitmapList(form);
    for (int i = 0; i < SkinsBitmapCount; ++i) targets.BitmapList->AddItem(nullptr);
    targets.ButtonList = new TStyBitmapList(form);
    for (int i = 0; i < SkinsButtonCount; ++i) targets.ButtonList->AddItem(nullptr);
    // The backgrounds first: everything else lies on them.
    targets.MainFill = Fill(TRect(0, 0, 640, 480), 2);
    targets.TrackFill = Fill(TRect(0, 50, 300, 420), 6);
    for (int t = 1; t <= SongTracks; ++t)
      for (int s = 1; s <= SongSteps; ++s) {
        const int left = 10 + (s - 1) * 16, top = CellTop + (t - 1) * CellRows;
        targets.StepCells[CellIndex(t, s)] = Cell(left, top);
        targets.Step32Cells[CellIndex(t, s)] = Cell(left, top + 12);
      }
    auto* play = new TStyMMButton(form);
    play->SetParent(form);
    play->SetBounds(400, 10, 40, 30);
    play->SetButtonFaceImageList(targets.BitmapList);
    play->SetFace(0, 0, 0);
    targets.StyMMButton1 = play;
    targets.MainVolSlider = new TBmpTrackBar(form);
    for (int t = 1; t <= SongTracks; ++t) targets.TrackFaders[t] = new TBmpTrackBar(form);
    targets.PlayStyle = new TBmpTrackBar(form);
    targets.lblTempo = Label(TRect(400, 100, 460, 115));
    targets.lblMainVolume = Label(TRect(400, 120, 460, 135));
    targets.lblPlayStyle = Label(TRect(400, 140, 460, 155));
    // Shown once whole: one invalidation instead of one per control.
    form->Show();
  }
  void TearDown() override { testsupport::StopApplication(); }

  TStyFill* Fill(const TRect& r, int listIndex) {
    auto* fill = new TStyFill(form);
    fill->SetParent(form);
    fill->SetBoundsRect(r);
    fill->GetFillObject()->SetStyle(sfBitmapList);
    fill->SetImageList(targets.BitmapList);
    fill->SetListIndex(listIndex);
    return fill;
  }
  TStyLImage* Cell(int left, int top) {
    auto* cell = new TStyLImage(form);
    cell->SetParent(form);
    cell->SetBounds(left, top, 15, 11);
    cell->SetImageList(targets.ButtonList);
    return cell;
  }
  TLabel* Label(const TRect& r) {
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetAutoSize(false);
    label->SetBoundsRect(r);
    label->SetCaption("Label");
    return label;
  }

  // Paints everything waiting now.
  void PaintNow() {
    Application->ProcessMessages();
    RedrawWindow(form->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Application->ProcessMessages();
  }
  COLORREF PixelAt(TControl* control, int x, int y) {
    PaintNow();
    return Pixel(control, x, y);
  }
  // The colour on screen at a point of control's client area, as last
  // painted.
  COLORREF Pixel(TControl* control, int x, int y) {
    HWND top = GetAncestor(form->GetHandle(), GA_ROOT);
    RECT r{};
    GetWindowRect(top, &r);
    TPoint p = control->ClientToScreen(TPoint(x, y));
    host::Surface s = host::headless::PresentedImage(win::user::HostWindowOf(top));
    const int sx = p.X - r.left, sy = p.Y - r.top;
    if (!s.pixels || sx < 0 || sy < 0 || sx >= s.width || sy >= s.height) return CLR_INVALID;
    const std::uint32_t rgb = s.pixels[sy * s.stride + sx] & 0xFFFFFF;
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
  }

  // A point of the face picture that is not its transparent colour, and
  // whether the cell as last painted shows the picture's colour there.
  ::testing::AssertionResult ShowsFace(TStyLImage* cell, TStyBitmapList* list, int face) {
    TBitmap* picture = list->GetBitmapItem(face)->GetBitmap();
    const TColor transparent = list->GetTransparentColor(face, 0) & 0xFFFFFF;
    for (int y = 0; y < std::min(picture->GetHeight(), cell->GetHeight()); y++)
      for (int x = 0; x < std::min(picture->GetWidth(), cell->GetWidth()); x++) {
        const TColor colour = picture->GetCanvas()->GetPixels(x, y) & 0xFFFFFF;
        if (colour == transparent) continue;
        const COLORREF shown = Pixel(cell, x, y);
        if (shown == static_cast<COLORREF>(colour)) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "face " << face << " at " << x << "," << y << " is " << std::hex
                                             << colour << ", the cell shows " << shown;
      }
    return ::testing::AssertionFailure() << "face " << face << " has no opaque pixel";
  }

  TForm* form = nullptr;
  TSkinTargets targets;
  TMainModel model;
};

std::string BuiltInProgramFolder() {
  const char* dir = std::getenv("DRUMS_PROGRAM_DIR");
  return dir ? dir : "";
}

// Each built-in skin as start-up applies it: the window's pictures first
// (the stored container), then the scheme, then Apply.
TEST_F(ApplySkinTest, EachBuiltInSkinReachesEveryTargetControl) {
  const std::string folder = BuiltInProgramFolder();
  ASSERT_FALSE(folder.empty()) << "DRUMS_PROGRAM_DIR is not set";
  // Cells (track, step) of pattern 2, the edited one: (1,1) on, (1,2) on
  // with own settings, (1,3) off, though on in pattern 1; and the 32nd
  // layer of (2,1) on.
  model.EditedPattern = 2;
  model.Song.StepOn(1, 1, 2) = 1;
  model.Song.StepOn(2, 1, 2) = 1;
  model.Song.StepModified(2, 1, 2) = 1;
  model.Song.StepOn(3, 1, 1) = 1;
  model.Song.Step32On(1, 2, 2) = 1;
  for (const char* scheme : {"Default Blue", "Green Circles", "Generic Silver"}) {
    SCOPED_TRACE(scheme);
    targets.BitmapList->LoadFromFile(folder + "/skins/resource2.bml");
    TSkins skins(folder);
    skins.TakeMainPictures(targets.BitmapList, targets.ButtonList);
    skins.LoadScheme(scheme);
    const TSkin& skin = skins.GetSkin();
    ApplySkin(skins, model, targets);

    // The step faces and the pictures are the skin's files.
    for (TSkinCombo combo : {skBeatUp, skBeatDown, skBeatMod, skPlayUp, skPlayDown, skTrackVol, skMainBMP}) {
      const TSkinSlot slot = SkinSlotOf(combo);
      TStyBitmapList* list = slot.InButtonList ? targets.ButtonList : targets.BitmapList;
      TBitmap file;
      file.LoadFromFile(SkinPicturePath(folder, combo, skin.Pictures[combo]));
      EXPECT_TRUE(SamePicture(list->GetBitmapItem(slot.Index)->GetBitmap(), &file)) << "combo " << combo;
    }

    // Faces by the edited pattern, on screen; transparency on both layers.
    struct CellCase {
      int track, step, face;
      bool thirtySecond;
    };
    const CellCase cells[] = {{1, 1, 1, false}, {1, 2, 3, false}, {1, 3, 0, false}, {2, 1, 1, true}, {2, 2, 0, true}};
    PaintNow();
    for (const CellCase& c : cells) {
      TStyLImage* cell = (c.thirtySecond ? targets.Step32Cells : targets.StepCells)[CellIndex(c.track, c.step)];
      EXPECT_EQ(cell->GetListIndex(), c.face) << c.track << "/" << c.step;
      if (!c.thirtySecond) EXPECT_TRUE(ShowsFace(cell, targets.ButtonList, c.face)) << c.track << "/" << c.step;
    }
    for (int i = 0; i < SkinStepCellCount; ++i) {
      EXPECT_EQ(targets.StepCells[i]->GetForceTransparent(), skin.BeatTransparent) << i;
      EXPECT_EQ(targets.Step32Cells[i]->GetForceTransparent(), skin.BeatTransparent) << i;
    }

    // The play button: the skin's place, its transparency, the up face.
    TStyMMButton* play = targets.StyMMButton1;
    EXPECT_EQ(play->GetLeft(), skin.PlayLeft);
    EXPECT_EQ(play->GetTop(), skin.PlayTop);
    EXPECT_EQ(play->GetTransparent(), skin.PlayTransparent);
    EXPECT_EQ(play->GetListIndex(), 0);

    // Thumbs from the skin picture list.
    TStyBitmapList* pictures = skins.GetSkinsBitmapList();
    auto picture = [&](int i) { return pictures->GetBitmapItem(i)->GetBitmap(); };
    EXPECT_TRUE(SamePicture(targets.MainVolSlider->GetThumbHorz(), picture(4)));
    EXPECT_TRUE(SamePicture(targets.MainVolSlider->GetThumbHorzSelected(), picture(5)));
    for (int t = 1; t <= SongTracks; ++t) {
      EXPECT_TRUE(SamePicture(targets.TrackFaders[t]->GetThumbHorz(), picture(7))) << t;
      EXPECT_TRUE(SamePicture(targets.TrackFaders[t]->GetThumbHorzSelected(), picture(8))) << t;
    }
    EXPECT_TRUE(SamePicture(targets.PlayStyle->GetThumbVert(), picture(9)));
    EXPECT_TRUE(SamePicture(targets.PlayStyle->GetThumbVertSelected(), picture(10)));

    // The play-style label's font.
    TFont* font = targets.lblPlayStyle->GetFont();
    EXPECT_EQ(font->GetColor(), static_cast<TColor>(skin.Font.Color));
    EXPECT_EQ(font->GetName(), skin.Font.Name);
    EXPECT_EQ(font->GetSize(), skin.Font.Size);

    // Backgrounds: the built-in skins all have both.
    EXPECT_EQ(targets.MainFill->GetListIndex(), 2);
    EXPECT_EQ(targets.TrackFill->GetListIndex(), 3);
    EXPECT_TRUE(SamePicture(targets.TrackFill->GetFillObject()->GetListBitmap(), picture(3)));
  }
}

// Skins of solid pictures, each of a colour of its own, on a program folder
// of the test's own.
class ApplyCustomSkinTest : public ApplySkinTest {
 protected:
  // A skin with every picture built in, the labels as given and the
  // backgrounds on or off (a custom entry without a name).
  void Use(bool mainBackground, bool tracksBackground, bool tempoLabel, bool mainVolumeLabel) {
    std::vector<std::string> lines = GoodSkinLines();
    lines[0] =
        std::string(mainBackground ? "1" : "2") + (tracksBackground ? " 1" : " 2") + " 1 0 1 0 1 0 0 0 0 0 0 0 1 0";
    lines[1] = lines[2] = "";
    lines[14] = std::string(tempoLabel ? "1" : "0") + (mainVolumeLabel ? " 1" : " 0");
    lines[16] = "255";
    lines[17] = "-16";
    lines[18] = "Courier New";
    lines[19] = "12";
    lines[20] = "40 20";
    skins.LoadSkin(folder.WriteSkin("Test", lines));
  }
  ProgramFolder folder;
  TSkins skins{folder.Dir()};
};

TEST_F(ApplyCustomSkinTest, ABackgroundSwitchedOffShowsTheBlankAndOnAgainItsPicture) {
  // The window's own pictures: the blank of a background switched off.
  const TColor blank = ColorOf(60);
  TStyBitmapList window(nullptr);
  for (int i = 0; i < SkinsBitmapCount; ++i) window.AddItem(nullptr);
  TBitmap picture;
  picture.SetSize(4, 3);
  picture.GetCanvas()->GetBrush()->SetColor(blank);
  picture.GetCanvas()->FillRect(TRect(0, 0, 4, 3));
  window.GetBitmapItem(SkinBlankPicture)->SetBitmap(&picture);
  skins.TakeMainPictures(&window, nullptr);

  struct Case {
    bool main, tracks;
    int mainIndex, tracksIndex;
    TColor mainColour, tracksColour;
  };
  const Case cases[] = {
      {true, false, 2, 6, folder.BuiltIn("back1.bmp"), blank},
      {false, true, 6, 3, blank, folder.BuiltIn("backtrack1.bmp")},
      {true, true, 2, 3, folder.BuiltIn("back1.bmp"), folder.BuiltIn("backtrack1.bmp")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.main) + " " + std::to_string(c.tracks));
    Use(c.main, c.tracks, true, true);
    ApplySkin(skins, model, targets);
    EXPECT_EQ(targets.MainFill->GetListIndex(), c.mainIndex);
    EXPECT_EQ(targets.TrackFill->GetListIndex(), c.tracksIndex);
    EXPECT_EQ(PixelAt(targets.MainFill, 600, 20), static_cast<COLORREF>(c.mainColour));
    EXPECT_EQ(PixelAt(targets.TrackFill, 290, 5), static_cast<COLORREF>(c.tracksColour));
    // A later change of the window's list shows the same pictures.
    targets.BitmapList->Change();
    EXPECT_EQ(PixelAt(targets.MainFill, 600, 20), static_cast<COLORREF>(c.mainColour));
    EXPECT_EQ(PixelAt(targets.TrackFill, 290, 5), static_cast<COLORREF>(c.tracksColour));
  }
}

TEST_F(ApplyCustomSkinTest, LabelsFollowTheSkinAndThePlayStyleLabelTakesItsFont) {
  const bool flags[][2] = {{false, true}, {true, false}, {false, false}, {true, true}};
  for (const auto& f : flags) {
    Use(true, true, f[0], f[1]);
    ApplySkin(skins, model, targets);
    EXPECT_EQ(targets.lblTempo->GetVisible(), f[0]);
    EXPECT_EQ(targets.lblMainVolume->GetVisible(), f[1]);
  }
  TFont* font = targets.lblPlayStyle->GetFont();
  EXPECT_EQ(font->GetColor(), static_cast<TColor>(255));
  EXPECT_EQ(font->GetName(), "Courier New");
  EXPECT_EQ(font->GetSize(), 12);
  EXPECT_EQ(targets.StyMMButton1->GetBoundsRect(), TRect(40, 20, 80, 50));
}

TEST_F(ApplyCustomSkinTest, CellsShowTheSkinsFacesOnScreen) {
  Use(true, true, true, true);
  model.Song.StepOn(5, 4, 1) = 1;
  model.Song.StepOn(6, 4, 1) = 1;
  model.Song.StepModified(6, 4, 1) = 1;
  ApplySkin(skins, model, targets);
  struct Case {
    int step;
    const char* file;
  };
  for (const Case& c : {Case{5, "btn2_3.bmp"}, Case{6, "btn2_2.bmp"}, Case{7, "btn2_1.bmp"}}) {
    EXPECT_EQ(PixelAt(targets.StepCells[CellIndex(4, c.step)], 1, 1), static_cast<COLORREF>(folder.BuiltIn(c.file)))
        << c.step;
  }
}

TEST_F(ApplyCustomSkinTest, WindowListsMissingTheirStoredPicturesGrowToTakeTheSkin) {
  Use(true, true, true, true);
  targets.BitmapList->ClearItems();
  targets.ButtonList->ClearItems();
  ApplySkin(skins, model, targets);
  ASSERT_EQ(targets.BitmapList->GetCount(), SkinsBitmapCount);
  ASSERT_EQ(targets.ButtonList->GetCount(), SkinsButtonCount);
  EXPECT_EQ(FirstPixel(targets.ButtonList, 1), folder.BuiltIn("btn2_3.bmp"));
  EXPECT_EQ(FirstPixel(targets.BitmapList, 0), folder.BuiltIn("Playbtn_2_Up.bmp"));
}

}  // namespace
