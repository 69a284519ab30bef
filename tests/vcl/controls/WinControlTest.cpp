#include <functional>
#include <string>
#include <vector>

#include "ControlsFixture.h"
#include "platform/win/windows.h"

namespace ctltest {
namespace {

TWinProbe* MakeChild(TWinControl* parent, const std::string& name, TRect bounds = Bounds(10, 10, 50, 20)) {
  auto* c = new TWinProbe(nullptr);
  c->SetName(name);
  c->SetBoundsRect(bounds);
  c->SetParent(parent);
  return c;
}

TEST_F(ControlsTest, HandlesAreMadeOnDemandParentFirst) {
  auto* parent = new TWinProbe(nullptr);
  parent->SetName("Outer");
  auto* child = MakeChild(parent, "Inner");
  EXPECT_FALSE(parent->HandleAllocated());
  EXPECT_FALSE(child->HandleAllocated());

  HWND h = child->GetHandle();
  EXPECT_EQ(TWinProbe::Created(), (std::vector<std::string>{"Outer", "Inner"}));
  EXPECT_EQ(::GetParent(h), parent->GetHandle());
  EXPECT_EQ(FindControl(h), child);
  EXPECT_EQ(FindControl(parent->GetHandle()), parent);
  delete parent;  // takes its child with it
  EXPECT_FALSE(IsWindow(h));
}

TEST_F(ControlsTest, ChildrenOfAShownParentGetWindowsWhenInserted) {
  auto* child = MakeChild(host, "Shown");
  EXPECT_TRUE(child->HandleAllocated());
  EXPECT_TRUE(child->Showing());
  EXPECT_TRUE(IsWindowVisible(child->GetHandle()));
  child->Hide();
  EXPECT_FALSE(child->Showing());
  EXPECT_FALSE(IsWindowVisible(child->GetHandle()));
}

TEST_F(ControlsTest, SetBoundsMovesTheWindowAndTheWindowFeedsBoundsBack) {
  auto* child = MakeChild(host, "C");
  child->SetBounds(12, 24, 60, 30);
  RECT r;
  GetWindowRect(child->GetHandle(), &r);
  MapWindowPoints(nullptr, host->GetHandle(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(TRect(r), Bounds(12, 24, 60, 30));

  MoveWindow(child->GetHandle(), 5, 6, 70, 80, TRUE);
  EXPECT_EQ(child->GetBoundsRect(), Bounds(5, 6, 70, 80));
  EXPECT_EQ(child->GetClientRect(), Rect(0, 0, 70, 80));
}

TEST_F(ControlsTest, ReparentingKeepsTheWindow) {
  auto* a = MakeChild(host, "A", Bounds(0, 0, 100, 100));
  auto* b = MakeChild(a, "B");
  HWND hb = b->GetHandle();
  b->SetParent(host);
  EXPECT_EQ(b->GetHandle(), hb);
  EXPECT_EQ(::GetParent(hb), host->GetHandle());
  EXPECT_EQ(a->GetControlCount(), 0);
  EXPECT_EQ(host->GetControlCount(), 2);
}

struct AlignChild {
  TAlign align;
  TRect bounds;  // before aligning
  TRect expected;
};
struct AlignCase {
  const char* name;
  std::vector<AlignChild> children;
};

TEST_F(ControlsTest, AlignLaysChildrenOutInTheLibrarysOrder) {
  const AlignCase cases[] = {
      {"one of each",
       {{alClient, Bounds(0, 0, 5, 5), Rect(30, 10, 160, 80)},
        {alTop, Bounds(0, 0, 5, 10), Rect(0, 0, 200, 10)},
        {alBottom, Bounds(0, 0, 5, 20), Rect(0, 80, 200, 100)},
        {alLeft, Bounds(0, 0, 30, 5), Rect(0, 10, 30, 80)},
        {alRight, Bounds(0, 0, 40, 5), Rect(160, 10, 200, 80)}}},
      // A control aligned later at the top edge goes above the others.
      {"new top goes first",
       {{alTop, Bounds(0, 0, 5, 10), Rect(0, 20, 200, 30)}, {alTop, Bounds(0, 0, 5, 20), Rect(0, 0, 200, 20)}}},
      {"lower top goes below",
       {{alTop, Bounds(0, 0, 5, 10), Rect(0, 0, 200, 10)}, {alTop, Bounds(0, 50, 5, 20), Rect(0, 10, 200, 30)}}},
      {"bottoms stack upwards",
       {{alBottom, Bounds(0, 90, 5, 10), Rect(0, 90, 200, 100)},
        {alBottom, Bounds(0, 0, 5, 15), Rect(0, 75, 200, 90)}}},
      {"lefts and rights keep widths",
       {{alLeft, Bounds(0, 0, 20, 5), Rect(0, 0, 20, 100)},
        {alLeft, Bounds(50, 0, 25, 5), Rect(20, 0, 45, 100)},
        {alRight, Bounds(0, 0, 15, 5), Rect(185, 0, 200, 100)}}},
      {"client fills what is left", {{alClient, Bounds(3, 3, 5, 5), Rect(0, 0, 200, 100)}}},
  };
  for (const AlignCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto* parent = new TWinControl(nullptr);
    parent->SetBounds(0, 0, 200, 100);
    std::vector<TControl*> made;
    for (const AlignChild& ch : c.children) {
      auto* child = new TProbe(nullptr);
      child->SetBoundsRect(ch.bounds);
      child->SetParent(parent);
      child->SetAlign(ch.align);
      made.push_back(child);
    }
    for (size_t i = 0; i < made.size(); i++) EXPECT_EQ(made[i]->GetBoundsRect(), c.children[i].expected) << i;
    delete parent;
  }
}

TEST_F(ControlsTest, AlignFollowsTheParentsSizeAndSkipsHiddenChildren) {
  auto* panel = MakeChild(host, "P", Bounds(0, 0, 100, 100));
  auto* top = new TProbe(nullptr);
  top->SetHeight(10);
  top->SetParent(panel);
  top->SetAlign(alTop);
  auto* client = new TProbe(nullptr);
  client->SetParent(panel);
  client->SetAlign(alClient);
  panel->SetBounds(0, 0, 120, 60);  // WM_SIZE realigns
  EXPECT_EQ(top->GetBoundsRect(), Rect(0, 0, 120, 10));
  EXPECT_EQ(client->GetBoundsRect(), Rect(0, 10, 120, 60));
  top->Hide();
  EXPECT_EQ(client->GetBoundsRect(), Rect(0, 0, 120, 60));
  panel->DisableAlign();
  top->Show();
  EXPECT_EQ(client->GetBoundsRect(), Rect(0, 0, 120, 60));
  panel->EnableAlign();
  EXPECT_EQ(client->GetBoundsRect(), Rect(0, 10, 120, 60));
}

TEST_F(ControlsTest, MessagesReachHandlersThroughWindowAndPerform) {
  auto* child = MakeChild(host, "C");
  EXPECT_EQ(child->Perform(WM_PROBE, 0, 0), 42);
  EXPECT_EQ(SendMessageA(child->GetHandle(), WM_PROBE, 0, 0), 42);

  // A replaced WindowProc sees messages first and may keep them.
  std::vector<UINT> seen;
  TWndMethod old = child->WindowProc;
  child->WindowProc = [&](TMessage& m) {
    seen.push_back(m.Msg);
    if (m.Msg == WM_PROBE + 1) {
      m.Result = 7;
      return;
    }
    old(m);
  };
  EXPECT_EQ(SendMessageA(child->GetHandle(), WM_PROBE, 0, 0), 42);
  EXPECT_EQ(SendMessageA(child->GetHandle(), WM_PROBE + 1, 0, 0), 7);
  EXPECT_EQ(seen, (std::vector<UINT>{WM_PROBE, WM_PROBE + 1}));
  child->WindowProc = old;
}

TEST_F(ControlsTest, CommandFromAChildWindowIsReflectedToIt) {
  auto* child = MakeChild(host, "C");
  WPARAM w = MAKEWPARAM(5, 1);
  SendMessageA(host->GetHandle(), WM_COMMAND, w, reinterpret_cast<LPARAM>(child->GetHandle()));
  ASSERT_EQ(child->log.size(), 1u);
  EXPECT_EQ(child->log[0].Msg, CN_COMMAND);
  EXPECT_EQ(child->log[0].WParam, w);
  // A menu command (no control window) stays with the parent.
  SendMessageA(host->GetHandle(), WM_COMMAND, 7, 0);
  EXPECT_EQ(child->log.size(), 1u);
}

TEST_F(ControlsTest, KeyMessagesReachKeyEvents) {
  auto* child = MakeChild(host, "C");
  std::vector<std::string> events;
  child->OnKeyDown = [&](TObject*, WORD& key, TShiftState) { events.push_back("down " + std::to_string(key)); };
  child->OnKeyUp = [&](TObject*, WORD& key, TShiftState) { events.push_back("up " + std::to_string(key)); };
  child->OnKeyPress = [&](TObject*, char& key) { events.push_back(std::string("press ") + key); };
  HWND h = child->GetHandle();
  SendMessageA(h, WM_KEYDOWN, 'A', 1);
  SendMessageA(h, WM_CHAR, 'a', 1);
  SendMessageA(h, WM_KEYUP, 'A', 1);
  EXPECT_EQ(events, (std::vector<std::string>{"down 65", "press a", "up 65"}));
}

TEST_F(ControlsTest, TabMovesTheFocusInTabOrder) {
  auto* a = MakeChild(host, "A");
  auto* b = MakeChild(host, "B");
  auto* c = MakeChild(host, "C");
  a->SetTabStop(true);
  c->SetTabStop(true);  // b is skipped: no tab stop
  std::vector<std::string> trail;
  for (TWinControl* w : {a, b, c}) {
    w->OnEnter = [&trail, w](TObject*) { trail.push_back("enter " + w->GetName()); };
    w->OnExit = [&trail, w](TObject*) { trail.push_back("exit " + w->GetName()); };
  }
  a->SetFocus();
  ASSERT_TRUE(a->Focused());
  auto tab = [&](TWinControl* from) {
    MSG msg{from->GetHandle(), WM_KEYDOWN, VK_TAB, 1, 0, {0, 0}};
    return vcl::IsKeyMsg(msg);
  };
  EXPECT_TRUE(tab(a));
  EXPECT_TRUE(c->Focused());
  EXPECT_TRUE(tab(c));  // wraps around
  EXPECT_TRUE(a->Focused());
  EXPECT_EQ(trail, (std::vector<std::string>{"enter A", "exit A", "enter C", "exit C", "enter A"}));

  // Tab order, not creation order, decides.
  c->SetTabOrder(0);
  EXPECT_EQ(a->GetTabOrder(), 1);
  EXPECT_TRUE(tab(a));
  EXPECT_TRUE(c->Focused());

  // An ordinary key is not a dialog key.
  MSG plain{c->GetHandle(), WM_KEYDOWN, 'X', 1, 0, {0, 0}};
  EXPECT_FALSE(vcl::IsKeyMsg(plain));
}

TEST_F(ControlsTest, RecreateWndKeepsTextAndChildren) {
  auto* outer = MakeChild(host, "Outer", Bounds(0, 0, 100, 100));
  auto* inner = MakeChild(outer, "Inner");
  outer->SetText("Hello");
  HWND before = outer->GetHandle();
  char buf[32] = {};
  GetWindowTextA(before, buf, sizeof buf);
  EXPECT_STREQ(buf, "Hello");

  outer->RecreateWnd();
  EXPECT_FALSE(IsWindow(before));
  HWND after = outer->GetHandle();
  GetWindowTextA(after, buf, sizeof buf);
  EXPECT_STREQ(buf, "Hello");
  EXPECT_EQ(outer->GetText(), "Hello");
  ASSERT_TRUE(inner->HandleAllocated());
  EXPECT_EQ(::GetParent(inner->GetHandle()), after);
}

TEST_F(ControlsTest, TextWithoutAWindowIsKeptByTheControl) {
  auto* loose = new TWinProbe(nullptr);
  loose->SetText("Loose");
  EXPECT_EQ(loose->GetTextLen(), 5);
  loose->SetParent(host);
  char buf[32] = {};
  GetWindowTextA(loose->GetHandle(), buf, sizeof buf);
  EXPECT_STREQ(buf, "Loose");
}

// Each setter given the value it already has sends nothing and paints nothing.
struct SetterCase {
  const char* name;
  std::function<void(TControl*)> same;
  std::function<void(TControl*)> changed;
  UINT message;  // what the change sends
};

TEST_F(ControlsTest, SettersIgnoreAnUnchangedValue) {
  const SetterCase cases[] = {
      {"Color", [](TControl* c) { c->SetColor(c->GetColor()); }, [](TControl* c) { c->SetColor(clLime); },
       CM_COLORCHANGED},
      {"Enabled", [](TControl* c) { c->SetEnabled(true); }, [](TControl* c) { c->SetEnabled(false); },
       CM_ENABLEDCHANGED},
      {"Visible", [](TControl* c) { c->SetVisible(true); }, [](TControl* c) { c->SetVisible(false); },
       CM_VISIBLECHANGED},
      {"Text", [](TControl* c) { c->SetText("T"); }, [](TControl* c) { c->SetText("U"); }, CM_TEXTCHANGED},
      {"Cursor", [](TControl* c) { c->SetCursor(crDefault); }, [](TControl* c) { c->SetCursor(crCross); },
       CM_CURSORCHANGED},
      {"ShowHint", [](TControl* c) { c->SetShowHint(false); }, [](TControl* c) { c->SetShowHint(true); },
       CM_SHOWHINTCHANGED},
      {"ParentFont", [](TControl* c) { c->SetParentFont(true); }, [](TControl* c) { c->SetParentFont(false); },
       CM_PARENTFONTCHANGED},
  };
  for (const SetterCase& sc : cases) {
    SCOPED_TRACE(sc.name);
    auto* probe = new TProbe(nullptr);
    probe->SetBounds(10, 10, 20, 20);
    probe->SetParent(host);
    probe->SetText("T");
    PaintNow();
    std::vector<UINT> seen;
    TWndMethod old = probe->WindowProc;
    probe->WindowProc = [&](TMessage& m) {
      if (m.Msg != WM_GETTEXT && m.Msg != WM_GETTEXTLENGTH) seen.push_back(m.Msg);
      old(m);
    };
    sc.same(probe);
    EXPECT_TRUE(seen.empty());
    EXPECT_FALSE(GetUpdateRect(host->GetHandle(), nullptr, FALSE));
    sc.changed(probe);
    EXPECT_NE(std::find(seen.begin(), seen.end(), sc.message), seen.end());
    probe->WindowProc = old;
    delete probe;
    PaintNow();
  }
  // Bounds too: the same rectangle neither invalidates nor realigns.
  auto* probe = new TProbe(nullptr);
  probe->SetParent(host);
  probe->SetBounds(1, 2, 3, 4);
  PaintNow();
  probe->SetBounds(1, 2, 3, 4);
  EXPECT_FALSE(GetUpdateRect(host->GetHandle(), nullptr, FALSE));
}

TEST_F(ControlsTest, ParentColorAndFontFollowTheParent) {
  auto* child = new TProbe(nullptr);
  child->SetParent(host);
  EXPECT_EQ(child->GetColor(), clRed);
  host->SetColor(clYellow);
  EXPECT_EQ(child->GetColor(), clYellow);
  EXPECT_TRUE(child->GetParentColor());
  host->GetFont()->SetSize(14);
  EXPECT_EQ(child->GetFont()->GetSize(), 14);
  EXPECT_TRUE(child->GetParentFont());
  child->SetColor(clBlack);  // its own colour ends following
  host->SetColor(clWhite);
  EXPECT_EQ(child->GetColor(), clBlack);
}

TEST(Accelerators, AmpersandMarksTheKey) {
  struct Case {
    WORD ch;
    const char* caption;
    bool accel;
  };
  const Case cases[] = {
      {'S', "&Save", true},   {'s', "&Save", true},        {'A', "S&ave", true},   {'S', "Save", false},
      {'S', "&&Save", false}, {'A', "Drum && &All", true}, {'X', "Ends &", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsAccel(c.ch, c.caption), c.accel) << c.caption << " " << char(c.ch);
}

}  // namespace
}  // namespace ctltest

namespace ctltest {
namespace {

LRESULT CALLBACK BaseClassProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_USER + 5) return 99;
  return DefWindowProcA(hwnd, msg, w, l);
}

// A control built on a window class made elsewhere, as the standard
// controls are built on the system's.
class TSubclassed : public TWinProbe {
  DRUMS_CLASS(TSubclassed, TWinProbe)

 public:
  explicit TSubclassed(TComponent* owner) : TWinProbe(owner) {}

 protected:
  void CreateParams(TCreateParams& params) override {
    TWinProbe::CreateParams(params);
    CreateSubClass(params, "CtlTestBase");
  }
};

TEST_F(ControlsTest, SubclassedWindowClassAnswersWhatTheControlLeaves) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = BaseClassProc;
  wc.lpszClassName = "CtlTestBase";
  RegisterClassA(&wc);
  auto* c = new TSubclassed(nullptr);
  c->SetParent(host);
  HWND h = c->GetHandle();
  EXPECT_EQ(SendMessageA(h, WM_USER + 5, 0, 0), 99);  // the base class's procedure
  EXPECT_EQ(SendMessageA(h, WM_PROBE, 0, 0), 42);  // the control's own handler first
  EXPECT_EQ(FindControl(h), c);
  delete c;
  UnregisterClassA("CtlTestBase", nullptr);
}

}  // namespace
}  // namespace ctltest
