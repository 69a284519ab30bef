// The song, wave and MIDI file dialogs on their own: the application started
// as the program starts it, the dialogs made from their form resources, a
// program folder of the test's own as the current directory (with "drum
// patterns"), a track's wave list on a live device for the previews, the
// manual clock, and message boxes answered by the test and kept.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "drummachine/filedialogs/OpenD2.h"
#include "drummachine/filedialogs/OpenWaveD.h"
#include "drummachine/filedialogs/SaveD.h"
#include "platform/host/headless.h"
#include "platform/vcl/Forms.h"
#include "platform/win/drums_ext.h"
#include "sound/DsSounds.h"
#include "tests/support/FullPath.h"
#include "tests/support/HeadlessApplication.h"
#include "tests/support/HostMouse.h"
#include "tests/support/ModalScript.h"
#include "tests/support/MonoWav.h"
#include "tests/support/TempFolder.h"

void RegisterResources_filedialogs_forms();
void UnregisterResources_filedialogs_forms();

namespace songdialogs {

namespace fs = std::filesystem;
using testsupport::FullPath;
using testsupport::TModalScript;

class SongDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    previous = fs::current_path();
    fs::current_path(folder.Path());
    fs::create_directory(fs::path(folder.Path()) / "drum patterns");
    testsupport::StartApplication(
        "Brenkavar Tambrel",
        {kAllProgramParts, {{RegisterResources_filedialogs_forms, UnregisterResources_filedialogs_forms}}});
    win::user::SetMessageBoxAnswer([this](const win::user::MessageBoxRecord&) { return boxAnswer; });
    holder = TCustomForm::CreateNew<TForm>(Application);
    sound = new TDsSound(holder);
    sound->Initialize();
    waves = new TDsWaveList(holder);
    waves->SetDsSound(sound);
    for (const char* name : {"kick", "snare"}) AddTrackWave(name);
    Application->CreateForm(frmDialogOpen);
    Application->CreateForm(frmDialogSave);
    Application->CreateForm(frmWaveOpen);
  }

  void TearDown() override {
    testsupport::StopApplication();
    fs::current_path(previous);
  }

  void Pump() { Application->ProcessMessages(); }

  void AddTrackWave(const std::string& name) {
    auto* item = static_cast<TWaveCollectionItem*>(waves->GetItems()->Add());
    item->SetName(name);
    const std::string path = folder / (name + "-source.wav");
    std::ofstream(path, std::ios::binary) << testsupport::MonoWavBytes(1000, 100);
    TWave wave;
    wave.LoadFromFile(path);
    item->SetWave(&wave);
    item->Restore();
  }
  std::vector<std::string> TrackWaveNames() const {
    std::vector<std::string> names;
    for (int i = 0; i < waves->GetItems()->GetCount(); ++i) names.push_back(waves->GetItems()->GetItems(i)->GetName());
    return names;
  }

  // A file of the program folder (relative: "drum patterns/a.bkv").
  std::string MakeFile(const std::string& relative, const std::string& bytes = "x") const {
    const std::string path = folder / relative;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  std::string MakeWave(const std::string& relative) const {
    return MakeFile(relative, testsupport::MonoWavBytes(2000, 200));
  }
  std::string ReadFile(const std::string& path) const {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  // The texts of the message boxes shown since the last call.
  std::vector<std::string> Messages() {
    std::vector<std::string> texts;
    for (const auto& box : win::user::TakeMessageBoxRecords()) texts.push_back(box.text);
    return texts;
  }

  // The list item of that file name (none: the test fails).
  static TListItem* Item(TShellFileDialog& dialog, const std::string& caption) {
    TListItems* items = dialog.NavShellList1->GetItems();
    for (int i = 0; i < items->GetCount(); ++i)
      if (dialog.NavShellList1->ItemDataAt(i)->GetItemFileName() == caption) return items->GetItem(i);
    ADD_FAILURE() << "no item " << caption << " in " << dialog.ListFolder();
    return nullptr;
  }
  // The file names the list shows.
  static std::vector<std::string> Captions(TShellFileDialog& dialog) {
    std::vector<std::string> names;
    TListItems* items = dialog.NavShellList1->GetItems();
    for (int i = 0; i < items->GetCount(); ++i) names.push_back(dialog.NavShellList1->ItemDataAt(i)->GetItemFileName());
    return names;
  }

  // Input left in the host's queue for the loop that runs next (the modal
  // dialog's): a click on an item's label (clicks 2: the second click of a
  // double click), a click in the middle of a control, typing, a key.
  static void QueueItemClick(TShellFileDialog& dialog, const std::string& caption, int clicks = 1) {
    TListItem* item = Item(dialog, caption);
    if (item == nullptr) return;
    const TRect r = item->DisplayRect(drLabel);
    testsupport::PushClick(dialog.NavShellList1, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2, clicks);
  }
  static void QueueItemDoubleClick(TShellFileDialog& dialog, const std::string& caption) {
    QueueItemClick(dialog, caption, 1);
    QueueItemClick(dialog, caption, 2);
  }
  static void QueueClick(TControl* control) {
    testsupport::PushClick(control, control->GetWidth() / 2, control->GetHeight() / 2);
  }
  static void QueueTyping(TWinControl* control, const std::string& text) {
    control->SetFocus();
    host::Event e;
    e.type = host::EventType::TextInput;
    e.window = win::user::HostWindowOf(GetAncestor(control->GetHandle(), GA_ROOT));
    e.text = text;
    host::headless::PushEvent(e);
  }

  // Saves the dialog's window as a picture into DRUMS_SCREENSHOTS (or a
  // folder of the run's own).
  static void SaveShot(TCustomForm& dialog, const std::string& name) {
    RedrawWindow(dialog.GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const fs::path file = fs::path(testsupport::PictureFolder("DRUMS_SCREENSHOTS")) / (name + ".png");
    host::WindowId id = win::user::HostWindowOf(dialog.GetHandle());
    ASSERT_TRUE(host::Get().Screenshot(id, file.string()));
  }

  TempFolder folder;
  fs::path previous;
  int boxAnswer = IDOK;
  TForm* holder = nullptr;
  TDsSound* sound = nullptr;
  TDsWaveList* waves = nullptr;
};

}  // namespace songdialogs
