// Pictures of the kit editor as a person sees it, saved into
// DRUMS_SCREENSHOTS (or a folder of the run's own): the window with a kit
// opened and the browser on a folder of samples, and the about box. Each
// picture also checks what it must show.
#include "tests/support/ModalScript.h"
#include "editor_fixture.h"

namespace editortest {
namespace {

class Pictures : public Editor {
 protected:
  static void SaveShot(TCustomForm& form, const std::string& name) {
    RedrawWindow(form.GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const fs::path file = fs::path(testsupport::PictureFolder("DRUMS_SCREENSHOTS")) / (name + ".png");
    ASSERT_TRUE(host::Get().Screenshot(win::user::HostWindowOf(form.GetHandle()), file.string()));
  }
};

TEST_F(Pictures, TheWindowWithAKitAndTheBrowserOnSamples) {
  const char* const samples[] = {"kick_deep.wav", "kick_short.wav", "snare_tight.wav", "snare_rim.wav",
                                 "hat_open.wav",  "hat_closed.wav", "tom_low.wav",     "crash.wav"};
  std::int16_t value = 1000;
  for (const char* name : samples) folder.WriteBytes(std::string("samples/") + name, ConstantWav(value += 500));
  folder.WriteBytes("samples/notes.txt", "not a wave");
  Browse(folder / "samples");
  const struct {
    int track;
    std::vector<const char*> waves;
  } tracks[] = {{1, {"kick_deep.wav", "kick_short.wav"}},
                {2, {"snare_tight.wav", "snare_rim.wav"}},
                {3, {"hat_open.wav"}},
                {4, {"hat_closed.wav"}},
                {6, {"tom_low.wav"}},
                {8, {"crash.wav"}}};
  for (const auto& t : tracks) {
    window->cbxTrack->SetItemIndex(t.track - 1);
    window->cbxTrackChange(window->cbxTrack);
    for (const char* wave : t.waves) ClickBrowserLine(wave, 2);
  }
  window->EditorNameEdits[1]->SetText("Kick");
  window->EditorNameEdits[8]->SetText("Crash");
  SaveKitAs(folder / "Studio.kit");
  Command(window->New1);
  OpenKit(folder / "Studio.kit");
  ASSERT_TRUE(Messages().empty());

  // The browser's tree on the samples folder, its list showing the waves.
  window->NavShellTree1->GetSelectedFolder()->SetFolderPath(folder / "samples");
  window->NavShellList1->RefreshContents();
  Pump();
  window->DrumListBox->SetItemIndex(1);
  EXPECT_EQ(window->GetCaption(), "Tambrel RedoZev Idezar - Studio");
  EXPECT_EQ(ListLines(), (std::vector<std::string>{"kick_deep", "kick_short"}));
  EXPECT_EQ(window->NavShellList1->GetItems()->GetCount(), 8) << "only the waves are listed";
  EXPECT_EQ(window->EditorNameEdits[8]->GetText(), "Crash");
  EXPECT_FALSE(window->GetIcon()->Empty()) << "the window has the program's icon";
  SaveShot(*window, "kit_editor_with_kit");
}

TEST_F(Pictures, TheAboutBox) {
  bool pictured = false;
  testsupport::TModalScript about(AboutBox,
                                  {[&] {
                                     EXPECT_FALSE(AboutBox->Image1->GetPicture()->GetGraphic() == nullptr);
                                     EXPECT_FALSE(AboutBox->ProgramIcon->GetPicture()->GetGraphic() == nullptr);
                                     SaveShot(*AboutBox, "kit_editor_about");
                                     pictured = true;
                                   },
                                   [&] { AboutBox->OKButton->Click(); }});
  Command(window->About1);
  EXPECT_TRUE(pictured);
}

}  // namespace
}  // namespace editortest
