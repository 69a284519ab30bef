// The base controls: bounds change sets, the image-list reference and its
// streaming, posted focus notifications and mouse entry and exit.
#include <gtest/gtest.h>

#include <vector>

#include "controls/styled/stycctrl.h"
#include "platform/host/headless.h"
#include "platform/vcl/Classes.h"
#include "platform/vcl/Forms.h"
#include "platform/win/drums_ext.h"
#include "platform/win/windows.h"
#include "styled/shared/fixture.h"

namespace {

using styledtest::StyledProcs;

// A window-less control recording what the base class reports.
class TBaseProbe : public TStyGraphicControl {
  DRUMS_CLASS(TBaseProbe, TStyGraphicControl)
 public:
  explicit TBaseProbe(TComponent* AOwner) : TStyGraphicControl(AOwner) {}
  std::vector<std::uint64_t> Bounds;
  int ListChanges = 0;
  void BoundsChanged(TStyBoundsChanges Changes) override {
    Bounds.push_back(Changes.Bits());
    inherited::BoundsChanged(Changes);
  }
  void ImageListChanged(TObject* Sender) override {
    ++ListChanges;
    inherited::ImageListChanged(Sender);
  }
  void SetLoading(bool on) { SetComponentStateFlag(csLoading, on); }
};

TEST_F(StyledProcs, SetBoundsReportsWhatChanged) {
  struct Case {
    const char* name;
    int left, top, width, height;
    std::vector<std::uint64_t> expected;
  };
  // The probe starts at 10, 20, 30 x 30.
  const Case cases[] = {
      {"unchanged", 10, 20, 30, 30, {}}, {"move", 11, 20, 30, 30, {2}},   {"move down", 10, 25, 30, 30, {2}},
      {"resize", 10, 20, 40, 30, {1}},   {"taller", 10, 20, 30, 31, {1}}, {"both", 0, 0, 5, 5, {3}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TBaseProbe probe(nullptr);
    probe.SetBounds(10, 20, 30, 30);
    probe.Bounds.clear();
    std::vector<std::uint64_t> events;
    probe.OnBoundsChanged = [&](TObject* sender, TStyBoundsChanges changes) {
      EXPECT_EQ(sender, &probe);
      events.push_back(changes.Bits());
    };
    probe.SetBounds(c.left, c.top, c.width, c.height);
    EXPECT_EQ(probe.Bounds, c.expected);
    EXPECT_EQ(events, c.expected);

    // While loading nothing is reported, whatever changed.
    probe.SetLoading(true);
    probe.SetBounds(c.left + 1, c.top + 1, c.width + 1, c.height + 1);
    probe.SetLoading(false);
    EXPECT_EQ(probe.Bounds, c.expected);
  }
}

TEST_F(StyledProcs, ImageListReferenceReportsOnlyRealChanges) {
  TStyBitmapList list(nullptr);
  TBaseProbe probe(nullptr);
  // Without a list the indexes are only stored.
  probe.SetListIndex(3);
  probe.SetImageIndex(2);
  EXPECT_EQ(probe.GetListIndex(), 3);
  EXPECT_EQ(probe.GetImageIndex(), 2);
  EXPECT_EQ(probe.ListChanges, 0);

  probe.SetImageList(&list);
  EXPECT_EQ(probe.ListChanges, 1);
  EXPECT_EQ(list.GetLinkCount(), 1);
  // The same list again still reports, and the link stays registered once.
  probe.SetImageList(&list);
  EXPECT_EQ(probe.ListChanges, 2);
  EXPECT_EQ(list.GetLinkCount(), 1);

  struct Case {
    int index;  // 0 ImageIndex, 1 ListIndex
    int value;
    int expectedValue;
    int expectedChanges;
  };
  const Case cases[] = {
      {1, 3, 3, 0},  // the current value
      {1, -1, 3, 0},  // negative: ignored
      {1, 2, 2, 1},  {0, 2, 2, 0}, {0, -5, 2, 0}, {0, 0, 0, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.index << " <- " << c.value);
    const int before = probe.ListChanges;
    if (c.index == 0)
      probe.SetImageIndex(c.value);
    else
      probe.SetListIndex(c.value);
    EXPECT_EQ(c.index == 0 ? probe.GetImageIndex() : probe.GetListIndex(), c.expectedValue);
    EXPECT_EQ(probe.ListChanges - before, c.expectedChanges);
  }

  // A change of the list reaches the control through its link.
  const int before = probe.ListChanges;
  list.Change();
  EXPECT_EQ(probe.ListChanges, before + 1);
}

TEST_F(StyledProcs, FreeingTheImageListEmptiesTheReference) {
  auto* list = new TStyBitmapList(nullptr);
  TBaseProbe graphic(nullptr);
  TStyCustomControl windowed(nullptr);
  TStyContainerComponent component(nullptr);
  graphic.SetImageList(list);
  windowed.SetImageList(list);
  component.SetImageList(list);
  EXPECT_EQ(list->GetLinkCount(), 3);
  EXPECT_TRUE(graphic.ImageListEmpty());  // no such item yet
  delete list;
  EXPECT_EQ(graphic.GetImageList(), nullptr);
  EXPECT_EQ(windowed.GetImageList(), nullptr);
  EXPECT_EQ(component.GetImageList(), nullptr);
  EXPECT_TRUE(graphic.ImageListEmpty());
  // The links are let go: a new list takes them without trouble.
  TStyBitmapList other(nullptr);
  graphic.SetImageList(&other);
  windowed.SetImageList(&other);
  EXPECT_EQ(other.GetLinkCount(), 2);
}

TEST_F(StyledProcs, ControlFreedBeforeItsListLeavesNoLink) {
  TStyBitmapList list(nullptr);
  {
    TBaseProbe graphic(nullptr);
    TStyCustomControl windowed(nullptr);
    graphic.SetImageList(&list);
    windowed.SetImageList(&list);
    EXPECT_EQ(list.GetLinkCount(), 2);
  }
  EXPECT_EQ(list.GetLinkCount(), 0);
  list.Change();  // no dangling link is told
}

TEST_F(StyledProcs, GlobalListStreamsAsInternalAndReadsBackTheSameList) {
  RegisterClass(TBaseProbe::StaticClass());
  for (TStyCustomImageList* global : {static_cast<TStyCustomImageList*>(StyContainer->GetBitmapList()),
                                      static_cast<TStyCustomImageList*>(StyContainer->GetImageList())}) {
    TBaseProbe probe(nullptr);
    probe.SetName("Probe");
    probe.SetImageList(global);
    probe.SetListIndex(4);
    TMemoryStream binary;
    WriteComponent(&binary, &probe);
    binary.SetPosition(0);
    TStringStream text;
    ObjectBinaryToText(&binary, &text);
    const std::string form = text.GetDataString();
    EXPECT_NE(form.find("Internal = 'STY"), std::string::npos) << form;
    EXPECT_EQ(form.find("ImageList ="), std::string::npos) << form;

    binary.SetPosition(0);
    TBaseProbe back(nullptr);
    ReadComponent(&binary, &back);
    EXPECT_EQ(back.GetImageList(), global);
    EXPECT_EQ(back.GetListIndex(), 4);
    EXPECT_EQ(global->GetLinkCount(), 2);
  }
  // A list of the form itself is an ordinary reference.
  TForm* form = TCustomForm::CreateNew<TForm>(Application);
  form->SetName("Owner");
  auto* own = new TStyBitmapList(form);
  own->SetName("Pictures");
  auto* user = new TBaseProbe(form);
  user->SetName("User");
  user->SetParent(form);
  user->SetImageList(own);
  TMemoryStream formBinary;
  WriteComponent(&formBinary, form);
  formBinary.SetPosition(0);
  TStringStream formText;
  ObjectBinaryToText(&formBinary, &formText);
  EXPECT_NE(formText.GetDataString().find("ImageList = Pictures"), std::string::npos) << formText.GetDataString();
  EXPECT_EQ(formText.GetDataString().find("Internal"), std::string::npos);
  delete form;

  // No list: neither property is written.
  TBaseProbe empty(nullptr);
  empty.SetName("Empty");
  TMemoryStream binary;
  WriteComponent(&binary, &empty);
  binary.SetPosition(0);
  TStringStream text;
  ObjectBinaryToText(&binary, &text);
  EXPECT_EQ(text.GetDataString().find("Internal"), std::string::npos);
  EXPECT_EQ(text.GetDataString().find("ImageList"), std::string::npos);
}

TEST_F(StyledProcs, TransparencySwitchesTheOpaqueStyle) {
  TBaseProbe graphic(nullptr);
  TStyCustomControl windowed(nullptr);
  // Graphic controls start transparent, windowed ones opaque.
  EXPECT_TRUE(graphic.GetTransparent());
  EXPECT_FALSE(graphic.GetControlStyle().Contains(csOpaque));
  EXPECT_TRUE(graphic.GetControlStyle().Contains(csReplicatable));
  EXPECT_EQ(graphic.GetWidth(), 30);
  EXPECT_FALSE(windowed.GetTransparent());
  EXPECT_EQ(windowed.GetWidth(), 100);
  EXPECT_EQ(windowed.GetHeight(), 40);
  for (bool transparent : {true, false, true}) {
    graphic.SetTransparent(transparent);
    windowed.SetTransparent(transparent);
    EXPECT_EQ(graphic.GetControlStyle().Contains(csOpaque), !transparent);
    EXPECT_EQ(windowed.GetControlStyle().Contains(csOpaque), !transparent);
  }
  // Without a background provider nothing uses the parent's background.
  windowed.SetTransparent(true);
  EXPECT_FALSE(windowed.UsesParentBackground());
  EXPECT_FALSE(graphic.UsesParentBackground());
}

TEST_F(StyledProcs, FocusInRunsAfterOnePumpNotInsideSetFocus) {
  TForm* form = TCustomForm::CreateNew<TForm>(Application);
  form->SetBounds(100, 100, 300, 200);
  auto* first = new TStyCustomControl(form);
  auto* second = new TStyCustomControl(form);
  first->SetParent(form);
  second->SetParent(form);
  second->SetLeft(120);
  form->Show();
  Pump();
  first->SetFocus();
  Pump();

  std::vector<std::string> events;
  first->OnFocusOut = [&](TObject*) { events.push_back("first out"); };
  second->OnFocusIn = [&](TObject* sender) {
    EXPECT_EQ(sender, second);
    // By now the focus change is complete.
    EXPECT_EQ(GetFocus(), second->GetHandle());
    events.push_back("second in");
  };
  second->SetFocus();
  EXPECT_TRUE(events.empty());
  EXPECT_TRUE(second->GetHasFocus());
  EXPECT_FALSE(first->GetHasFocus());
  Pump();
  EXPECT_EQ(events, (std::vector<std::string>{"first out", "second in"}));
  delete form;
}

// Moves the mouse to a client point of form through the host.
void MoveMouse(TForm* form, int x, int y) {
  const TPoint screen = form->ClientToScreen(TPoint(x, y));
  RECT r{};
  GetWindowRect(form->GetHandle(), &r);
  host::Event e;
  e.type = host::EventType::MouseMove;
  e.window = win::user::HostWindowOf(form->GetHandle());
  e.screenX = screen.X;
  e.screenY = screen.Y;
  e.x = screen.X - r.left;
  e.y = screen.Y - r.top;
  host::headless::PushEvent(e);
  Application->ProcessMessages();
}

TEST_F(StyledProcs, MouseMovesTellWindowLessControlsOfEntryAndExit) {
  TForm* form = TCustomForm::CreateNew<TForm>(Application);
  form->SetBounds(100, 100, 300, 200);
  auto* probe = new TBaseProbe(form);
  probe->SetParent(form);
  probe->SetBounds(50, 50, 40, 40);
  auto* panel = new TStyCustomControl(form);
  panel->SetParent(form);
  panel->SetBounds(150, 50, 60, 60);
  form->Show();
  Pump();

  std::vector<std::string> events;
  probe->OnMouseEnter = [&](TObject*) { events.push_back("probe enter"); };
  probe->OnMouseExit = [&](TObject*) { events.push_back("probe exit"); };
  panel->OnMouseEnter = [&](TObject*) { events.push_back("panel enter"); };
  panel->OnMouseExit = [&](TObject*) { events.push_back("panel exit"); };

  MoveMouse(form, 10, 10);
  EXPECT_TRUE(events.empty());
  MoveMouse(form, 60, 60);
  MoveMouse(form, 70, 70);  // moving inside says nothing more
  EXPECT_EQ(events, (std::vector<std::string>{"probe enter"}));
  MoveMouse(form, 160, 60);
  EXPECT_TRUE(panel->GetMouseInside());
  MoveMouse(form, 10, 150);
  EXPECT_FALSE(panel->GetMouseInside());
  EXPECT_EQ(events, (std::vector<std::string>{"probe enter", "probe exit", "panel enter", "panel exit"}));
  delete form;
}

}  // namespace
