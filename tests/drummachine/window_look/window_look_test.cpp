// The main window's look on screen, in each built-in skin: the step cells'
// faces, the backgrounds, the play button, the step lights and the current
// track's colour, as the window paints them at start-up; a cell's face
// following clicks; a broken skin file leaving the look alone; the track
// panel and the grid's background laid out whole; and pictures of the window
// (in each skin, and each page of the track panel).
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "drummachine/mainwindow/main_window_fixture.h"
#include "drummachine/skins/Skins.h"
#include "tests/support/PresentedPixel.h"

namespace mainwindowtest {
namespace {

// One built-in look: the scheme "Recent.inf" saves, and the picture files
// of the program folder's skins it shows.
struct Look {
  const char* saved;  // line 15 of "Recent.inf"
  const char* picture;  // the screenshot's name
  const char* offFace;
  const char* onFace;
  const char* mainBackground;
  const char* tracksBackground;
  const char* playUp;
  bool transparentCells;  // the face's own transparent colour shows the tracks' background
  COLORREF led;  // the lit step light, $BBGGRR
};

void PrintTo(const Look& look, std::ostream* os) {
  *os << look.picture;
}

// Where the skins' files come from: the first scheme's cells take the rows'
// own pictures; the others their skin's combo entries.
const Look kLooks[] = {
    {"", "start-up", "bbtn1_1", "bbtn1_2", "back1", "backtrack1", "Playbtn_2_Up", false, 0xFFFF00},
    {"Default Blue", "default-blue", "bbtn1_1", "bbtn1_2", "back1", "backtrack1", "Playbtn_2_Up", false, 0xFFFF00},
    {"Green Circles", "green-circles", "btn3_2", "btn3_1", "greenback", "greentracks", "Playbtn_3_Up", true, 0x00FF00},
    {"Generic Silver", "generic-silver", "btn2_1", "btn2_3", "silver", "silver", "Playbtn_2_Up", false, 0x0000FF},
};

constexpr COLORREF kGrey = 0x808080;

COLORREF PictureAt(TBitmap* picture, int x, int y) {
  return static_cast<COLORREF>(picture->GetCanvas()->GetPixels(x, y)) & 0xFFFFFF;
}

class WindowLook : public MainWindow {
 protected:
  // Everything invalid painted now.
  void PaintNow() {
    Pump();
    RedrawWindow(window->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
  }

  // The colour on screen at a point of control's client area, as last
  // presented.
  COLORREF Screen(TControl* control, int x, int y) { return testsupport::PresentedPixel(control, x, y); }

  // A picture file of the program folder's skins, by name without ".bmp".
  TBitmap* Picture(const std::string& name) {
    auto picture = std::make_unique<TBitmap>();
    picture->LoadFromFile(window->Model.ProgramFolder + "\\skins\\" + name + ".bmp");
    pictures.push_back(std::move(picture));
    return pictures.back().get();
  }

  // The background fill's picture at a point of control, tiled from the
  // fill's corner.
  COLORREF BackgroundAt(TControl* fill, TBitmap* background, TControl* control, int x, int y) {
    const TPoint p = control->ClientToScreen(TPoint(x, y));
    const TPoint origin = fill->ClientToScreen(TPoint(0, 0));
    return PictureAt(background, (p.X - origin.X) % background->GetWidth(), (p.Y - origin.Y) % background->GetHeight());
  }

  // Every pixel of a cell: the face where it covers the cell, the tracks'
  // background around it and, on a transparent face, where the face has its
  // transparent colour.
  ::testing::AssertionResult ShowsFace(TStyLImage* cell, TBitmap* face, TBitmap* tracks, bool transparent) {
    const COLORREF key = static_cast<COLORREF>(face->GetTransparentColor()) & 0xFFFFFF;
    for (int y = 0; y < cell->GetHeight(); ++y)
      for (int x = 0; x < cell->GetWidth(); ++x) {
        const bool covered =
            x < face->GetWidth() && y < face->GetHeight() && !(transparent && PictureAt(face, x, y) == key);
        const COLORREF expected = covered ? PictureAt(face, x, y) : BackgroundAt(window->TrackFill, tracks, cell, x, y);
        const COLORREF shown = Screen(cell, x, y);
        if (shown != expected)
          return ::testing::AssertionFailure() << cell->GetName() << " at " << x << "," << y << " shows " << std::hex
                                               << shown << ", expected " << expected;
      }
    return ::testing::AssertionSuccess();
  }

  // The play button's face where it is opaque, the main background where
  // it is transparent.
  ::testing::AssertionResult ShowsPlayFace(TBitmap* face, TBitmap* main) {
    TStyMMButton* play = window->StyMMButton1;
    const COLORREF key = static_cast<COLORREF>(face->GetTransparentColor()) & 0xFFFFFF;
    for (int y = 0; y < play->GetHeight(); ++y)
      for (int x = 0; x < play->GetWidth(); ++x) {
        const COLORREF own = PictureAt(face, x, y);
        const COLORREF expected = own != key ? own : BackgroundAt(window->MainFill, main, play, x, y);
        const COLORREF shown = Screen(play, x, y);
        if (shown != expected)
          return ::testing::AssertionFailure() << "the play button at " << x << "," << y << " shows " << std::hex
                                               << shown << ", expected " << expected;
      }
    return ::testing::AssertionSuccess();
  }

  // The window as it is now, as "<name>.png" under DRUMS_WINDOW_PICTURES.
  void SavePicture(const std::string& name) {
    PaintNow();
    const std::string path = testsupport::PictureFolder("DRUMS_WINDOW_PICTURES") + "/" + name + ".png";
    HWND top = GetAncestor(window->GetHandle(), GA_ROOT);
    EXPECT_TRUE(host::Get().Screenshot(win::user::HostWindowOf(top), path)) << path;
  }

  COLORREF LedColour(int step) {
    TShape* led = window->StepLeds[static_cast<std::size_t>(step - 1)];
    return Screen(led, led->GetWidth() / 2, led->GetHeight() / 2);
  }

  std::vector<std::unique_ptr<TBitmap>> pictures;
};

class WindowInEachSkin : public WindowLook, public ::testing::WithParamInterface<Look> {
 protected:
  std::string SavedScheme() const override { return GetParam().saved; }
};

// Points of the main background between the top strip's controls, in the
// form's client area.
const TPoint kBackgroundPoints[] = {{126, 18}, {590, 30}, {20, 45}, {330, 42}};

TEST_P(WindowInEachSkin, StartsWithTheSkinsFacesBackgroundsAndLights) {
  const Look& look = GetParam();
  PaintNow();
  TBitmap* tracks = Picture(look.tracksBackground);
  TBitmap* main = Picture(look.mainBackground);
  for (int t : {1, 7, 12})
    for (int s : {1, 9, 16})
      EXPECT_TRUE(ShowsFace(window->Cell(t, s, false), Picture(look.offFace), tracks, look.transparentCells));
  for (const TPoint& p : kBackgroundPoints)
    EXPECT_EQ(Screen(window, p.X, p.Y), BackgroundAt(window->MainFill, main, window, p.X, p.Y))
        << "at " << p.X << "," << p.Y;
  EXPECT_TRUE(ShowsPlayFace(Picture(look.playUp), main));
  for (int s = 1; s <= SongSteps; ++s) EXPECT_EQ(LedColour(s), kGrey) << "light " << s;

  // The current track's name and drum buttons, and only they, are grey.
  int greyNames = 0, greyDrums = 0;
  for (int t = 1; t <= SongTracks; ++t) {
    greyNames += Screen(window->TrackButtons[t], 4, 11) == kGrey;
    greyDrums += Screen(window->DrumButtons[t], 4, 11) == kGrey;
  }
  EXPECT_EQ(greyNames, 1);
  EXPECT_EQ(greyDrums, 1);
  EXPECT_EQ(Screen(window->TrackButtons[1], 4, 11), kGrey);
  EXPECT_EQ(Screen(window->DrumButtons[1], 4, 11), kGrey);

  // One step played: its light takes the skin's colour, the others stay grey.
  ClickAt(window->StyMMButton1, 24, 12);
  ASSERT_TRUE(window->Model.Playing);
  Advance(150);
  PaintNow();
  EXPECT_EQ(LedColour(1), look.led);
  for (int s = 2; s <= SongSteps; ++s) EXPECT_EQ(LedColour(s), kGrey) << "light " << s;

  window->StopPlaying();
  SavePicture(std::string("main-window-") + look.picture);
}

TEST_P(WindowInEachSkin, ClickingACellShowsTheOnFaceAndAgainTheOffFace) {
  const Look& look = GetParam();
  PaintNow();
  TStyLImage* cell = window->Cell(1, 1, false);
  TBitmap* tracks = Picture(look.tracksBackground);
  for (const char* face : {look.onFace, look.offFace}) {
    ClickAt(cell, cell->GetWidth() / 2, cell->GetHeight() / 2);
    PaintNow();
    EXPECT_EQ(window->Model.Song.StepOn(1, 1, 1), face == look.onFace ? 1 : 0);
    EXPECT_TRUE(ShowsFace(cell, Picture(face), tracks, look.transparentCells)) << face;
  }
}

INSTANTIATE_TEST_SUITE_P(BuiltInSkins, WindowInEachSkin, ::testing::ValuesIn(kLooks),
                         [](const ::testing::TestParamInfo<Look>& info) {
                           std::string name = info.param.picture;
                           for (char& c : name)
                             if (c == '-') c = '_';
                           return name;
                         });

// The window in Green Circles, whose look a broken skin must leave alone.
class WindowInGreenCircles : public WindowLook {
 protected:
  std::string SavedScheme() const override { return "Green Circles"; }

  // What the window shows and holds: a cell, background points, the play
  // button, the scheme, and samples of every picture of its lists.
  std::vector<COLORREF> State() {
    PaintNow();
    std::vector<COLORREF> state;
    TStyLImage* cell = window->Cell(2, 3, false);
    for (int y = 0; y < cell->GetHeight(); ++y)
      for (int x = 0; x < cell->GetWidth(); ++x) state.push_back(Screen(cell, x, y));
    for (const TPoint& p : kBackgroundPoints) state.push_back(Screen(window, p.X, p.Y));
    for (int x = 0; x < window->StyMMButton1->GetWidth(); ++x) state.push_back(Screen(window->StyMMButton1, x, 12));
    state.push_back(static_cast<COLORREF>(window->SchemeIndex()));
    for (TStyBitmapList* list : {window->ButtonList, window->BitmapList})
      for (int i = 0; i < list->GetCount(); ++i) {
        TBitmap* picture = list->GetBitmapItem(i)->GetBitmap();
        for (int y = 0; y < picture->GetHeight(); y += 5)
          for (int x = 0; x < picture->GetWidth(); x += 5) state.push_back(PictureAt(picture, x, y));
      }
    return state;
  }

  std::string SkinPath() const { return folder.Path() + "/broken.skn"; }
  void WriteSkin(const std::vector<std::string>& lines) const {
    std::ofstream file(SkinPath(), std::ios::binary);
    for (const std::string& line : lines) file << line << "\r\n";
  }
};

// A skin of its own look: Generic Silver's faces and backgrounds.
std::vector<std::string> SilverLines() {
  std::vector<std::string> lines = {"0 0 1 0 1 0 1 0 0 0 0 0 0 0 1 2"};
  lines.resize(14);
  for (const char* line : {"1 1", "9", "0", "-11", "MS Sans Serif", "8", "16 8"}) lines.push_back(line);
  return lines;
}

TEST_F(WindowInGreenCircles, ABrokenSkinFileLeavesTheWindowAsItWas) {
  struct Broken {
    const char* what;
    bool written;
    int line;  // 1-based, replaced by text; 0: none
    const char* text;
    int keep;  // lines kept, -1: all
  };
  const Broken cases[] = {
      {"a missing file", false, 0, "", -1},
      {"a file cut short", true, 0, "", 20},
      {"a word among the entries", true, 1, "0 0 1 0 one 0 1 0 0 0 0 0 0 0 1 2", -1},
      {"an LED entry past the colour box", true, 16, "16", -1},
      {"a custom off face that is missing", true, 1, "0 0 1 0 1 0 1 0 2 0 0 0 0 0 1 2", -1},
      {"a background that is no bitmap", true, 1, "2 0 1 0 1 0 1 0 0 0 0 0 0 0 1 2", -1},
  };
  // The custom names: the off face names a picture that is not there, the
  // background (a name with a dot is its path) a file that is no bitmap.
  const std::string garbage = folder.Path() + "/garbage.bmp";
  std::ofstream(garbage, std::ios::binary) << "BM but not a picture";
  const std::vector<COLORREF> before = State();
  for (const Broken& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(SkinPath());
    if (c.written) {
      std::vector<std::string> lines = SilverLines();
      lines[1] = garbage;
      lines[9] = "nosuch";
      if (c.line > 0) lines[static_cast<std::size_t>(c.line - 1)] = c.text;
      if (c.keep >= 0) lines.resize(static_cast<std::size_t>(c.keep));
      WriteSkin(lines);
    }
    EXPECT_THROW(window->Skins().LoadSkin(SkinPath()), Exception);
    window->ApplyCurrentSkin();
    EXPECT_TRUE(State() == before);
  }

  // The same road with a good file changes the look.
  WriteSkin(SilverLines());
  window->Skins().LoadSkin(SkinPath());
  window->ApplyCurrentSkin();
  PaintNow();
  EXPECT_TRUE(ShowsFace(window->Cell(2, 3, false), Picture("btn2_1"), Picture("silver"), false));
}

// The track panel's pages show each of their controls whole, and the status
// bar covers none of the panel.
TEST_F(WindowLook, TheTrackPanelShowsEveryControlWhole) {
  TPageControl* pages = window->PageControl1;
  for (int i = 0; i < pages->GetPageCount(); ++i) {
    TTabSheet* page = pages->GetPages(i);
    pages->SetActivePage(page);
    SavePicture("main-window-page-" + page->GetCaption());
    const TRect room(0, 0, page->GetClientWidth(), page->GetClientHeight());
    for (int c = 0; c < page->GetControlCount(); ++c) {
      TControl* control = page->GetControls(c);
      if (!control->GetVisible()) continue;
      const TRect r = control->GetBoundsRect();
      EXPECT_TRUE(r.Left >= room.Left && r.Top >= room.Top && r.Right <= room.Right && r.Bottom <= room.Bottom)
          << control->GetName() << " on " << page->GetCaption() << " at " << r.Left << "," << r.Top << "-" << r.Right
          << "," << r.Bottom << " in " << room.Right << "x" << room.Bottom;
    }
  }
  EXPECT_LE(pages->GetTop() + pages->GetHeight(), window->StatusBar1->GetTop());
}

// Every control of the grid lies on the tracks' background, which covers
// the grid's whole width.
TEST_F(WindowLook, TheTracksBackgroundLiesUnderTheWholeGrid) {
  PaintNow();
  TStyFill* fill = window->TrackFill;
  EXPECT_GE(fill->GetWidth(), window->ScrollBox1->GetClientWidth());
  const TRect under = fill->GetBoundsRect();
  for (int c = 0; c < window->ScrollBox1->GetControlCount(); ++c) {
    TControl* control = window->ScrollBox1->GetControls(c);
    if (control == fill || !control->GetVisible()) continue;
    const TRect r = control->GetBoundsRect();
    EXPECT_TRUE(r.Left >= under.Left && r.Top >= under.Top && r.Right <= under.Right && r.Bottom <= under.Bottom)
        << control->GetName() << " at " << r.Left << "," << r.Top << "-" << r.Right << "," << r.Bottom;
  }
}

}  // namespace
}  // namespace mainwindowtest
