// The skins dialog on the real main window, driven through the host: its
// state taken from the skin unit at start, saving and loading skins through
// the kit file dialog, a custom face applied by Preview over the edited
// pattern, a picture from outside the skins folder surviving a save and a
// load, the width, the font and the LED colour, help, and pictures of the
// dialog and of the window in a skin made in it.
#include <cstdlib>

#include "drummachine/skins/LedColor.h"
#include "drummachine/skinsdialog/skins_dialog_fixture.h"
#include "tests/support/HostKeys.h"

namespace skinsdialogtest {
namespace {

std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  std::istringstream in(line);
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

std::vector<std::string> Items(TComboBox* combo) {
  std::vector<std::string> items;
  for (int i = 0; i < combo->GetItems()->GetCount(); ++i) items.push_back(combo->GetItems()->GetStrings(i));
  return items;
}

std::string Text(TComboBox* combo) {
  const int i = combo->GetItemIndex();
  return i < 0 ? std::string() : combo->GetItems()->GetStrings(i);
}

// A skin of the test's own: Generic Silver's entries, a custom off face
// (entry 3) named on its line, opaque cells.
std::vector<std::string> MyBeatLines() {
  std::vector<std::string> lines = {"0 0 1 0 1 0 1 0 3 1 1 1 1 0 1 1"};
  lines.resize(14);
  lines[9] = "mybeat";
  for (const char* line : {"1 1", "9", "0", "-11", "MS Sans Serif", "8", "16 8"}) lines.push_back(line);
  return lines;
}

class SkinsDialogInGreenCircles : public SkinsDialog {
 protected:
  std::string SavedScheme() const override { return "Green Circles"; }
};

// The dialog shows the scheme the start-up applied, read once by the skin
// unit: its entries, settings and pictures, with no scheme or custom entry
// added twice however often it shows. The menu stops playback and opens it
// at its narrow width.
TEST_F(SkinsDialogInGreenCircles, ShowsTheSkinTheStartUpAppliedWithNothingAddedTwice) {
  ClickAt(window->StyMMButton1, 24, 12);
  ASSERT_TRUE(window->Model.Playing);
  for (int showing = 1; showing <= 2; ++showing) {
    SCOPED_TRACE(showing);
    OpenFromMenu();
    EXPECT_FALSE(window->Model.Playing);
    EXPECT_EQ(dialog()->GetWidth(), SkinsDialogNarrowWidth);
    EXPECT_EQ(Items(dialog()->cbxScheme),
              (std::vector<std::string>{"Default Blue", "Green Circles", "Generic Silver"}));
    EXPECT_EQ(Text(dialog()->cbxScheme), "Green Circles");
    EXPECT_EQ(Items(dialog()->cbxMainBMP), (std::vector<std::string>{"none", "Back", "greenback"}));
    EXPECT_EQ(dialog()->cbxMainBMP->GetItemIndex(), 2);
    EXPECT_EQ(Text(dialog()->cbxTracksBMP), "greentracks");
    EXPECT_EQ(dialog()->cbxBeatUp->GetItemIndex(), 1);
    EXPECT_TRUE(dialog()->cbxPlayTransparent->GetChecked());
    EXPECT_EQ(dialog()->cbxLEDColor->GetCurrentColor(), LedColor(10));
    EXPECT_EQ(dialog()->FontDialog1->GetFont()->GetName(), "Arial");
    EXPECT_EQ(dialog()->SpinPlayLeft->GetValue(), 16);
    EXPECT_TRUE(dialog()->GetMainBackgroundSet());
    // The previews show the unit's pictures.
    for (int slot : {0, 1, 3})
      EXPECT_EQ(dialog()->SkinsButtonList->GetBitmapItem(slot)->GetBitmap()->GetCanvas()->GetPixels(7, 5),
                window->Skins().GetSkinsButtonList()->GetBitmapItem(slot)->GetBitmap()->GetCanvas()->GetPixels(7, 5));
    Click(dialog()->btnAdditional);
    Click(dialog()->btnCancel);
    EXPECT_FALSE(dialog()->GetVisible());
    ClickAt(window->StyMMButton1, 24, 12);
  }
  EXPECT_TRUE(Messages().empty());
}

class SkinsDialogInASavedSkin : public SkinsDialog {
 protected:
  std::string SavedScheme() const override { return "Night"; }
  void PlaceDataFolders(const fs::path& program, const fs::path& here) override {
    SkinsDialog::PlaceDataFolders(program, here);
    std::vector<std::string> lines = MyBeatLines();
    lines[0] = "0 0 1 0 1 0 1 0 0 0 0 0 0 0 1 1";
    lines[9].clear();
    WriteSkin((here / "skins" / "Night.skn").string(), lines);
  }
};

TEST_F(SkinsDialogInASavedSkin, ASavedSchemeOfItsOwnIsInTheSchemeBoxOnce) {
  OpenFromMenu();
  EXPECT_EQ(Items(dialog()->cbxScheme),
            (std::vector<std::string>{"Default Blue", "Green Circles", "Generic Silver", "Night"}));
  EXPECT_EQ(dialog()->cbxScheme->GetItemIndex(), 3);
  EXPECT_EQ(window->SchemeIndex(), 3);
  EXPECT_TRUE(Messages().empty());
}

// "Night.old" names the skin Night: its file of 21 lines in the skins
// folder, Night chosen in the scheme box and, after the program closes,
// chosen again at the next start. Saving over it asks first.
TEST_F(SkinsDialog, SavingNightOldWritesNightAndTheNextStartChoosesIt) {
  OpenFromMenu();
  ChooseSkinFile(dialog()->btnSaveSkin, "Night.old");
  EXPECT_TRUE(Messages().empty());
  const std::string night = folder / "skins/Night.skn";
  std::vector<std::string> lines = SkinLines(night);
  ASSERT_EQ(lines.size(), 21u);
  const std::vector<std::string> head = Words(lines[0]);
  ASSERT_EQ(head.size(), 16u) << lines[0];
  for (const std::string& word : head) EXPECT_EQ(word, std::to_string(std::atoi(word.c_str()))) << lines[0];
  EXPECT_EQ(lines[14], "1 1");
  EXPECT_FALSE(fs::exists(folder / "skins/Night.old.skn"));
  EXPECT_EQ(Text(dialog()->cbxScheme), "Night");
  EXPECT_EQ(window->Skins().GetSchemes().GetText(), "Night");

  // Over an existing skin: No keeps the file, Yes replaces it.
  dialog()->cbxTempo->SetChecked(false);
  for (int answer : {IDNO, IDYES}) {
    SCOPED_TRACE(answer);
    win::user::SetMessageBoxAnswer([answer](const win::user::MessageBoxRecord&) { return answer; });
    ChooseSkinFile(dialog()->btnSaveSkin, "Night");
    const std::vector<std::string> asked = Messages();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_NE(asked[0].find("\"Night\" already exists"), std::string::npos) << asked[0];
    EXPECT_EQ(SkinLines(night)[14], answer == IDYES ? "0 1" : "1 1");
  }
  EXPECT_EQ(Items(dialog()->cbxScheme).size(), 4u);

  auto* exit = dynamic_cast<TMenuItem*>(window->FindComponent("Close1"));
  ASSERT_NE(exit, nullptr);
  exit->Click();
  Pump();
  testsupport::StopApplication();
  testsupport::StartApplication(MallowenTitle, MallowenStartup());
  win::user::SetMessageBoxAnswer([](const win::user::MessageBoxRecord&) { return IDOK; });
  CreateMallowenForms();
  window = frmMain;
  window->Show();
  Pump();
  EXPECT_EQ(window->Skins().GetSchemes().GetText(), "Night");
  EXPECT_FALSE(window->lblTempo->GetVisible());
  OpenFromMenu();
  EXPECT_EQ(Text(dialog()->cbxScheme), "Night");
  EXPECT_FALSE(dialog()->cbxTempo->GetChecked());
  EXPECT_TRUE(Messages().empty());
}

// A skin with a custom off face, loaded while a skin scheme is in force:
// Preview puts its pictures on the cells of the edited pattern (off, on and
// the modified note each where the pattern has them); Cancel later keeps
// the look that Preview applied.
TEST_F(SkinsDialogInGreenCircles, PreviewShowsALoadedCustomFaceOnTheEditedPattern) {
  WriteFace(folder / "skins/mybeat.bmp", clRed, clNavy);
  WriteSkin(folder / "skins/MyBeat.skn", MyBeatLines());
  TSong& song = window->Model.Song;
  struct Cell {
    int track, step;
    bool modified;
  };
  const Cell onPattern5[] = {{1, 1, false}, {2, 3, true}, {12, 16, true}, {7, 9, false}};
  for (const Cell& c : onPattern5) {
    song.StepOn(c.step, c.track, 5) = 1;
    song.StepModified(c.step, c.track, 5) = c.modified ? 1 : 0;
  }
  // On pattern 1 only: off while pattern 5 is edited.
  song.StepOn(2, 1, 1) = 1;
  song.StepModified(2, 1, 1) = 1;
  Click(window->Component<TControl>("btnPat5"));
  ASSERT_EQ(window->Model.EditedPattern, 5);

  OpenFromMenu();
  ChooseSkinFile(dialog()->btnLoadSkin, "MyBeat");
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Text(dialog()->cbxBeatUp), "mybeat");
  EXPECT_EQ(Text(dialog()->cbxScheme), "MyBeat");
  EXPECT_EQ(window->Skins().GetSkin().Pictures[skBeatUp].Index, 1) << "nothing in force before Preview";

  Click(dialog()->btnPreview);
  EXPECT_FALSE(dialog()->GetVisible());
  TBitmap* off = SkinPicture("mybeat");
  TBitmap* on = SkinPicture("btn3_1");
  TBitmap* modified = SkinPicture("btn3_3");
  auto expectFaces = [&] {
    PaintNow();
    for (int t = 1; t <= SongTracks; ++t)
      for (int s = 1; s <= SongSteps; ++s) {
        TBitmap* face = off;
        for (const Cell& c : onPattern5)
          if (c.track == t && c.step == s) face = c.modified ? modified : on;
        EXPECT_TRUE(ShowsFace(window->Cell(t, s, false), face));
      }
  };
  expectFaces();

  OpenFromMenu();
  EXPECT_EQ(Text(dialog()->cbxBeatUp), "mybeat");
  // Loaded again, the custom name is not added again.
  ChooseSkinFile(dialog()->btnLoadSkin, "MyBeat");
  EXPECT_EQ(Items(dialog()->cbxBeatUp), (std::vector<std::string>{"Button 2", "Button 3", "mybeat"}));
  Click(dialog()->btnCancel);
  EXPECT_FALSE(dialog()->GetVisible());
  expectFaces();
  EXPECT_EQ(window->Skins().GetSkin().Pictures[skBeatUp].Name, "mybeat");
  EXPECT_TRUE(Messages().empty());
}

// A picture chosen outside the skins folder is kept by its full path, so
// the skin saved with it shows the same pixels when it is loaded again; one
// of the skins folder keeps its bare name.
TEST_F(SkinsDialog, APictureFromOutsideTheSkinsFolderSurvivesSavingAndLoading) {
  const std::string outside = folder / "my pictures/outside.face.bmp";
  WriteFace(outside, clLime, clPurple);
  WriteFace(folder / "skins/inside.bmp", clAqua, clMaroon);
  char full[MAX_PATH] = {};
  GetFullPathNameA(outside.c_str(), sizeof full, full, nullptr);

  OpenFromMenu();
  // A scheme of skin faces (the first scheme draws its own).
  Choose(dialog()->cbxScheme, 2);
  ASSERT_EQ(Text(dialog()->cbxScheme), "Generic Silver");
  PickPicture(dialog()->btnOpenBeatUp, full);
  EXPECT_EQ(Text(dialog()->cbxBeatUp), full);
  PickPicture(dialog()->btnOpenBeatDown, (folder / "skins/inside.bmp"));
  EXPECT_EQ(Text(dialog()->cbxBeatDown), "inside");
  ChooseSkinFile(dialog()->btnSaveSkin, "Outside");
  EXPECT_EQ(SkinLines(folder / "skins/Outside.skn").at(9), full);
  EXPECT_EQ(SkinLines(folder / "skins/Outside.skn").at(10), "inside");

  TStyLImage* cell = window->Cell(4, 6, false);
  Click(dialog()->btnPreview);
  PaintNow();
  EXPECT_TRUE(ShowsFace(cell, Picture(outside)));

  // Another face in force, then the saved skin again.
  OpenFromMenu();
  Choose(dialog()->cbxBeatUp, 0);
  Click(dialog()->btnPreview);
  PaintNow();
  EXPECT_TRUE(ShowsFace(cell, SkinPicture("btn2_1")));
  OpenFromMenu();
  ChooseSkinFile(dialog()->btnLoadSkin, "Outside");
  EXPECT_EQ(Text(dialog()->cbxBeatUp), full);
  Click(dialog()->btnPreview);
  PaintNow();
  EXPECT_TRUE(ShowsFace(cell, Picture(outside)));
  ClickAt(cell, 7, 5);
  PaintNow();
  EXPECT_TRUE(ShowsFace(cell, Picture(folder / "skins/inside.bmp"))) << "the on face";
  EXPECT_TRUE(Messages().empty());
}

// A picture that cannot be read any more: a skin naming it is reported and
// not loaded, and Preview reports it and keeps the dialog open with the
// person's choices while the window keeps its look.
TEST_F(SkinsDialogInGreenCircles, APictureThatCannotBeReadIsReportedAndNothingIsLost) {
  const std::string gone = folder / "my pictures/gone.bmp";
  WriteFace(gone, clYellow, clBlue);
  char full[MAX_PATH] = {};
  GetFullPathNameA(gone.c_str(), sizeof full, full, nullptr);
  OpenFromMenu();
  PickPicture(dialog()->btnOpenBeatUp, full);
  ChooseSkinFile(dialog()->btnSaveSkin, "Gone");
  Choose(dialog()->cbxBeatUp, 1);
  fs::remove(gone);

  ChooseSkinFile(dialog()->btnLoadSkin, "Gone");
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_EQ(dialog()->cbxBeatUp->GetItemIndex(), 1) << "the dialog keeps what it showed";

  PaintNow();
  const COLORREF before = Screen(window->Cell(3, 3, false), 7, 5);
  dialog()->cbxBeatUp->SetItemIndex(2);
  ASSERT_EQ(Text(dialog()->cbxBeatUp), full);
  Click(dialog()->btnPreview);
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_TRUE(dialog()->GetVisible());
  EXPECT_EQ(Text(dialog()->cbxBeatUp), full);
  EXPECT_EQ(window->Skins().GetSkin().Pictures[skBeatUp].Index, 1);
  PaintNow();
  EXPECT_EQ(Screen(window->Cell(3, 3, false), 7, 5), before);
}

// Choosing a scheme shows its skin in the dialog and changes the window
// only on Preview; a scheme whose file is gone is reported and not chosen.
TEST_F(SkinsDialog, ASchemeChosenShowsInTheDialogAndReachesTheWindowOnPreview) {
  OpenFromMenu();
  TBitmap* back = SkinPicture("back1");
  const COLORREF before = static_cast<COLORREF>(back->GetCanvas()->GetPixels(126, 18)) & 0xFFFFFF;
  Choose(dialog()->cbxScheme, 1);
  EXPECT_EQ(Text(dialog()->cbxMainBMP), "greenback");
  PaintNow();
  EXPECT_EQ(Screen(window, 126, 18), before);
  Click(dialog()->btnOk);
  PaintNow();
  EXPECT_EQ(Screen(window, 126, 18),
            static_cast<COLORREF>(SkinPicture("greenback")->GetCanvas()->GetPixels(126, 18)) & 0xFFFFFF);

  fs::remove(folder / "skins/Generic Silver.skn");
  OpenFromMenu();
  Choose(dialog()->cbxScheme, 2);
  const std::vector<std::string> reported = Messages();
  ASSERT_EQ(reported.size(), 1u);
  EXPECT_EQ(Text(dialog()->cbxScheme), "Green Circles");
  EXPECT_EQ(window->Skins().GetSchemes().GetText(), "Green Circles");
  EXPECT_EQ(Text(dialog()->cbxMainBMP), "greenback");
}

// "Additional >>" widens the dialog and narrows it again; the font chosen
// reaches the normal/sequencer label and the LED colour chosen lights the
// playing step; pictures of the dialog at both widths and of the window in
// the skin made here.
TEST_F(SkinsDialogInGreenCircles, WidthFontAndLedColour) {
  OpenFromMenu();
  SavePicture(dialog(), "skins-dialog-narrow");
  Click(dialog()->btnAdditional);
  EXPECT_EQ(dialog()->GetWidth(), SkinsDialogWideWidth);
  Click(dialog()->btnAdditional);
  EXPECT_EQ(dialog()->GetWidth(), SkinsDialogNarrowWidth);
  Click(dialog()->btnAdditional);

  // The colour box lists the skin unit's colours in its order.
  for (int i = 0; i < LedColorCount; ++i) {
    dialog()->cbxLEDColor->SetItemIndex(i);
    EXPECT_EQ(dialog()->cbxLEDColor->GetCurrentColor(), LedColor(i)) << i;
  }
  dialog()->cbxLEDColor->SetItemIndex(10);
  Choose(dialog()->cbxLEDColor, 9);
  ASSERT_EQ(dialog()->cbxLEDColor->GetCurrentColor(), clRed);

  WhileCommonDialogOpen({[](HWND dlg) {
    DialogText(dlg, cmb1, "Times New Roman", CBN_EDITCHANGE);
    DialogText(dlg, cmb3, "14", CBN_EDITCHANGE);
    HWND colours = GetDlgItem(dlg, cmb4);
    SendMessageA(colours, CB_SETCURSEL, 1, 0);
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(cmb4, CBN_SELCHANGE), reinterpret_cast<LPARAM>(colours));
    DialogOk(dlg);
  }});
  Click(dialog()->Button1);
  Application->OnIdle = nullptr;
  EXPECT_EQ(dialog()->FontDialog1->GetFont()->GetName(), "Times New Roman");

  // Other faces for the picture of the window, and the previews follow.
  Choose(dialog()->cbxBeatUp, 0);
  Choose(dialog()->cbxPlayUp, 0);
  Choose(dialog()->cbxMainBMP, 1);
  dialog()->SpinPlayLeft->SetValue(10);
  PaintNow();
  EXPECT_TRUE(PreviewShows(dialog()->SkinsBeatButton, SkinPicture("btn2_1")));
  Click(dialog()->SkinsBeatButton);
  PaintNow();
  EXPECT_EQ(dialog()->GetBeatPreviewFace(), 1);
  EXPECT_TRUE(PreviewShows(dialog()->SkinsBeatButton, SkinPicture("btn3_1")));
  EXPECT_TRUE(PreviewShows(dialog()->SkinsPlaybutton, SkinPicture("Playbtn_2_Up")));
  SavePicture(dialog(), "skins-dialog-wide");

  Click(dialog()->btnPreview);
  TFont* font = window->lblPlayStyle->GetFont();
  EXPECT_EQ(font->GetName(), "Times New Roman");
  EXPECT_EQ(font->GetSize(), 14);
  EXPECT_EQ(font->GetColor(), clMaroon);
  EXPECT_EQ(window->StyMMButton1->GetLeft(), 10);

  ClickAt(window->StyMMButton1, 24, 12);
  ASSERT_TRUE(window->Model.Playing);
  Advance(150);
  PaintNow();
  TShape* led = window->StepLeds[0];
  EXPECT_EQ(Screen(led, led->GetWidth() / 2, led->GetHeight() / 2), static_cast<COLORREF>(clRed));
  SavePicture(window, "main-window-skin-made-in-dialog");
  window->StopPlaying();
  EXPECT_TRUE(Messages().empty());
}

// Help and F1 show the skins topic of the dialog's own help file.
TEST_F(SkinsDialog, HelpAndF1ShowTheSkinsTopic) {
  OpenFromMenu();
  auto shown = [] {
    HWND viewer = FindWindowA("DrumsHelpViewer", nullptr);
    char text[128] = {};
    if (viewer != nullptr) GetWindowTextA(viewer, text, sizeof text);
    return std::string(viewer != nullptr ? text : "none");
  };
  dialog()->cbxScheme->SetFocus();
  testsupport::PushKey(dialog()->cbxScheme, VK_F1);
  Pump();
  EXPECT_NE(shown().find("Skins"), std::string::npos) << shown();
  SendMessageA(FindWindowA("DrumsHelpViewer", nullptr), WM_CLOSE, 0, 0);
  Pump();
  ASSERT_EQ(shown(), "none");
  Click(dialog()->Button2);
  EXPECT_NE(shown().find("Skins"), std::string::npos) << shown();
  EXPECT_TRUE(Messages().empty());
}

}  // namespace
}  // namespace skinsdialogtest
