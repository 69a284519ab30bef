// A picture of the kit editor's parts together: a group frame around a
// two-pane splitter whose first pane holds the multi-column list box with
// its header and grid lines, and a caption frame in the second.
#include <gtest/gtest.h>

#include <filesystem>

#include "controls/shell/UNavFrame.h"
#include "controls/shell/UNavSplitter.h"
#include "controls/styled/stystdcA.h"
#include "platform/host/headless.h"
#include "platform/host/host.h"
#include "platform/vcl/Forms.h"
#include "platform/win/windows.h"
#include "tests/support/HeadlessApplication.h"

namespace {

constexpr const char* kTitle = "Kit editor parts";

class KitEditorParts : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::StartApplication(kTitle, {{ppClassLibrary, ppStyled}, {}});
    InitNavSplitter();
    form = TCustomForm::CreateNew<TForm>(Application);
    form->SetCaption(kTitle);
    form->SetBounds(40, 40, 640, 400);
    form->SetColor(clBtnFace);
  }
  void TearDown() override {
    delete form;
    DoneNavSplitter();
    testsupport::StopApplication();
  }
  void Pump() { Application->ProcessMessages(); }

  TForm* form = nullptr;
};

TEST_F(KitEditorParts, FramedSplitterWithListBoxPicture) {
  auto* group = new TNavGroup(form);
  group->SetParent(form);
  group->SetBounds(10, 10, 610, 300);
  group->SetCaption("Track 1: Kick");

  auto* splitter = new TNavSplitter(form);
  splitter->SetParent(group);
  splitter->SetName("NavSplitter1");
  splitter->SetAlign(alClient);
  splitter->HandleNeeded();
  splitter->SetPosition(420);

  auto* list = new TStyListBox(form);
  list->SetParent(splitter->GetPane(0));
  list->SetAlign(alClient);
  list->SetGridLines(glBoth);
  THeaderSections* sections = list->GetHeaderSections();
  sections->Clear();
  const struct {
    const char* caption;
    int width;
  } columns[] = {{"Wave", 200}, {"Length", 100}, {"Rate", 90}};
  for (const auto& c : columns) {
    THeaderSection* s = sections->Add();
    s->SetText(c.caption);
    s->SetWidth(c.width);
  }
  for (const char* line : {"kick_deep.wav;0.42 s;44100", "kick_short.wav;0.18 s;44100", "kick_808.wav;1.10 s;22050",
                           "kick_room.wav;0.65 s;44100"})
    list->GetItems()->Add(line);

  auto* frame = new TNavFrame(form);
  frame->SetParent(splitter->GetPane(1));
  frame->SetBounds(8, 8, 160, 60);
  frame->SetFrameStyle(navfsGroup);
  frame->SetCaption("Hi-hat tracks");

  form->Show();
  list->GetListBox()->SetItemIndex(1);
  Pump();
  RedrawWindow(form->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);

  // The list sits inside pane 1, inside the group's frame.
  EXPECT_EQ(list->GetWidth(), splitter->GetPane(0)->GetClientWidth());
  EXPECT_EQ(splitter->GetPane(1)->GetLeft(), 423);

  std::filesystem::path file =
      std::filesystem::path(testsupport::PictureFolder("DRUMS_SCREENSHOTS")) / "kit_editor_parts.png";
  host::WindowId id = 0;
  for (host::WindowId w : host::headless::Windows()) {
    host::headless::WindowState s;
    if (host::headless::GetWindowState(w, s) && s.title == kTitle) id = w;
  }
  ASSERT_NE(id, 0u);
  ASSERT_TRUE(host::Get().Screenshot(id, file.string()));
}

}  // namespace
