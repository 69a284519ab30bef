// Actions and the controls linked to them: what a control takes from its
// action and when, running the action from a click, unlinking when the
// action goes, and both read from form text.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/vcl/ActnList.h"
#include "platform/vcl/Classes.h"
#include "platform/vcl/Controls.h"

namespace {

// A control that lets the tests click it and call ActionChange.
class TActionProbe : public TGraphicControl {
  DRUMS_CLASS(TActionProbe, TGraphicControl)

 public:
  explicit TActionProbe(TComponent* owner) : TGraphicControl(owner) {}
  using TControl::ActionChange;
  using TControl::Click;
};

class TActionRoot : public TComponent {
  DRUMS_CLASS(TActionRoot, TComponent)

 public:
  explicit TActionRoot(TComponent* owner) : TComponent(owner) {}
};

struct Counter {
  int runs = 0;
  TObject* sender = nullptr;
  TNotifyEvent Handler() {
    return [this](TObject* s) {
      runs++;
      sender = s;
    };
  }
};

TObject* plainSenders[2];
void PlainA(TObject* sender) {
  plainSenders[0] = sender;
}
void PlainB(TObject* sender) {
  plainSenders[1] = sender;
}

class Actions : public ::testing::Test {
 protected:
  void SetUp() override {
    root = std::make_unique<TActionRoot>(nullptr);
    list = new TActionList(root.get());
    action = new TAction(root.get());
    action->SetActionList(list);
    control = new TActionProbe(root.get());
  }
  std::unique_ptr<TActionRoot> root;
  TActionList* list = nullptr;
  TAction* action = nullptr;
  TActionProbe* control = nullptr;
};

TEST_F(Actions, LinkingCopiesTheActionAndFollowsItsChanges) {
  action->SetCaption("Play");
  action->SetHint("Starts the pattern");
  action->SetEnabled(false);
  control->SetCaption("own");
  control->SetHint("own hint");
  control->SetAction(action);
  EXPECT_EQ(control->GetAction(), action);
  EXPECT_EQ(control->GetCaption(), "Play");
  EXPECT_EQ(control->GetHint(), "Starts the pattern");
  EXPECT_FALSE(control->GetEnabled());
  EXPECT_TRUE(control->GetVisible());

  struct Change {
    const char* what;
    std::function<void()> change;
    std::function<bool()> seen;
  };
  const Change changes[] = {
      {"caption", [&] { action->SetCaption("Stop"); }, [&] { return control->GetCaption() == "Stop"; }},
      {"enabled", [&] { action->SetEnabled(true); }, [&] { return control->GetEnabled(); }},
      {"hint", [&] { action->SetHint("Halts"); }, [&] { return control->GetHint() == "Halts"; }},
      {"visible", [&] { action->SetVisible(false); }, [&] { return !control->GetVisible(); }},
  };
  for (const Change& c : changes) {
    c.change();
    EXPECT_TRUE(c.seen()) << c.what;
  }

  control->SetAction(nullptr);
  action->SetCaption("Later");
  EXPECT_EQ(control->GetCaption(), "Stop") << "an unlinked control no longer follows";
  EXPECT_EQ(action->GetClientCount(), 0);
}

TEST_F(Actions, CheckDefaultsTakesOnlyWhatTheControlLeftAtItsDefault) {
  action->SetCaption("Play");
  action->SetHint("Starts");
  action->SetEnabled(false);
  action->SetVisible(false);
  Counter fromAction, own;
  action->OnExecute = fromAction.Handler();

  struct Case {
    const char* what;
    std::string caption;
    std::string hint;
    bool enabled;
    bool visible;
    bool ownClick;
    std::string wantCaption;
    std::string wantHint;
    bool wantEnabled;
    bool wantVisible;
  };
  const Case cases[] = {
      {"all default", "", "", true, true, false, "Play", "Starts", false, false},
      {"caption is the name", "Probe", "", true, true, false, "Play", "Starts", false, false},
      {"all own", "Mine", "My hint", false, false, true, "Mine", "My hint", false, false},
  };
  for (const Case& c : cases) {
    TActionProbe probe(nullptr);
    probe.SetName("Probe");
    probe.SetCaption(c.caption);
    probe.SetHint(c.hint);
    probe.SetEnabled(c.enabled);
    probe.SetVisible(c.visible);
    if (c.ownClick) probe.OnClick = own.Handler();
    probe.ActionChange(action, true);
    EXPECT_EQ(probe.GetCaption(), c.wantCaption) << c.what;
    EXPECT_EQ(probe.GetHint(), c.wantHint) << c.what;
    EXPECT_EQ(probe.GetEnabled(), c.wantEnabled) << c.what;
    EXPECT_EQ(probe.GetVisible(), c.wantVisible) << c.what;
    fromAction.runs = own.runs = 0;
    probe.OnClick(&probe);
    EXPECT_EQ(c.ownClick ? own.runs : fromAction.runs, 1) << c.what << ": the click handler";
  }

  // Without checkDefaults everything is taken, the click handler too.
  TActionProbe probe(nullptr);
  probe.SetCaption("Mine");
  probe.OnClick = own.Handler();
  probe.ActionChange(action, false);
  EXPECT_EQ(probe.GetCaption(), "Play");
  own.runs = fromAction.runs = 0;
  probe.OnClick(&probe);
  EXPECT_EQ(fromAction.runs, 1);
  EXPECT_EQ(own.runs, 0);
}

TEST_F(Actions, ExecuteRunsOnExecuteOnlyWhenThereIsOneAndTheActionIsEnabled) {
  EXPECT_FALSE(action->Execute()) << "no handler";
  Counter counter;
  action->OnExecute = counter.Handler();
  EXPECT_TRUE(action->Execute());
  EXPECT_EQ(counter.runs, 1);
  EXPECT_EQ(counter.sender, action);
  action->SetEnabled(false);
  EXPECT_FALSE(action->Execute());
  EXPECT_EQ(counter.runs, 1);

  TBasicAction basic(nullptr);
  EXPECT_FALSE(basic.Execute());
  basic.OnExecute = counter.Handler();
  EXPECT_TRUE(basic.Execute());
  EXPECT_EQ(counter.sender, &basic);
}

TEST_F(Actions, AClickRunsTheLinkedActionUnlessTheControlHasItsOwnHandler) {
  Counter fromAction, own;
  action->OnExecute = fromAction.Handler();
  control->SetAction(action);
  control->Click();
  EXPECT_EQ(fromAction.runs, 1);
  EXPECT_EQ(fromAction.sender, action) << "run through the action";

  action->SetEnabled(false);
  control->Click();
  EXPECT_EQ(fromAction.runs, 1) << "a disabled action does not run";
  action->SetEnabled(true);

  control->OnClick = [&own, this](TObject* s) {
    own.runs++;
    own.sender = s;
  };
  control->Click();
  EXPECT_EQ(own.runs, 1);
  EXPECT_EQ(own.sender, control);
  EXPECT_EQ(fromAction.runs, 1);

  // Plain functions are told apart by their address, not their type.
  action->OnExecute = PlainA;
  control->OnClick = PlainB;
  control->Click();
  EXPECT_EQ(plainSenders[1], control);
  EXPECT_EQ(plainSenders[0], nullptr);
  control->OnClick = PlainA;
  control->Click();
  EXPECT_EQ(plainSenders[0], action) << "the action's own handler runs through the action";
}

TEST_F(Actions, AFreedActionOrListUnlinksItsControls) {
  Counter fromAction;
  action->OnExecute = fromAction.Handler();
  control->SetAction(action);
  auto* second = new TActionProbe(root.get());
  second->SetAction(action);
  delete action;
  EXPECT_EQ(control->GetAction(), nullptr);
  EXPECT_EQ(second->GetAction(), nullptr);
  EXPECT_EQ(list->GetActionCount(), 0);
  control->Click();  // the handler it took stays; nothing dangles
  EXPECT_EQ(fromAction.runs, 1);

  auto* other = new TAction(root.get());
  other->SetActionList(list);
  control->SetAction(other);
  auto* images = new TImageList(root.get());
  list->SetImages(images);
  delete images;
  EXPECT_EQ(list->GetImages(), nullptr);
  delete list;  // takes its actions with it
  EXPECT_EQ(control->GetAction(), nullptr);
  EXPECT_EQ(root->GetComponentCount(), 2) << "the two controls";
}

TEST_F(Actions, ListIndexesAndOrder) {
  auto* second = new TAction(root.get());
  second->SetActionList(list);
  EXPECT_EQ(list->GetActionCount(), 2);
  EXPECT_EQ(list->GetAction(1), second);
  EXPECT_EQ(second->GetIndex(), 1);
  EXPECT_THROW(list->GetAction(2), EListError);
  EXPECT_THROW(list->GetAction(-1), EListError);
  second->SetActionList(nullptr);
  EXPECT_EQ(list->GetActionCount(), 1);
  EXPECT_EQ(second->GetIndex(), -1);
  delete second;
}

void ReadText(const std::string& text, TComponent& root) {
  TStringStream in(text);
  TMemoryStream binary;
  ObjectTextToBinary(&in, &binary);
  binary.SetPosition(0);
  ReadComponent(&binary, &root);
}

TEST(ActionForms, TheActionPropertyReadsFromFormTextKeepingWhatTheControlSets) {
  vcl::RegisterActionClasses();
  RegisterClasses({TActionProbe::StaticClass(), TImageList::StaticClass()});
  TActionRoot root(nullptr);
  ReadText(
      "object Root: TActionRoot\n"
      "  object Plain: TActionProbe\n"
      "    Action = actPlay\n"
      "  end\n"
      "  object Own: TActionProbe\n"
      "    Caption = 'Mine'\n"
      "    Enabled = False\n"
      "    Action = actPlay\n"
      "  end\n"
      "  object Images: TImageList\n"
      "  end\n"
      "  object Actions: TActionList\n"
      "    Images = Images\n"
      "    object actPlay: TAction\n"
      "      Caption = 'Play'\n"
      "      Hint = 'Starts'\n"
      "      ImageIndex = 3\n"
      "      ShortCut = 16464\n"
      "    end\n"
      "  end\n"
      "end\n",
      root);
  auto* list = dynamic_cast<TActionList*>(root.FindComponent("Actions"));
  auto* action = dynamic_cast<TAction*>(root.FindComponent("actPlay"));
  auto* plain = dynamic_cast<TActionProbe*>(root.FindComponent("Plain"));
  auto* own = dynamic_cast<TActionProbe*>(root.FindComponent("Own"));
  ASSERT_TRUE(list && action && plain && own);
  EXPECT_EQ(action->GetActionList(), list);
  EXPECT_EQ(list->GetImages(), root.FindComponent("Images"));
  EXPECT_EQ(action->GetImageIndex(), 3);
  EXPECT_EQ(action->GetShortCut(), 16464);
  EXPECT_EQ(plain->GetAction(), action);
  EXPECT_EQ(plain->GetCaption(), "Play");
  EXPECT_EQ(plain->GetHint(), "Starts");
  EXPECT_EQ(own->GetAction(), action);
  EXPECT_EQ(own->GetCaption(), "Mine");
  EXPECT_FALSE(own->GetEnabled());
  EXPECT_EQ(own->GetHint(), "Starts");

  // Once loaded, a change of the action reaches every linked control.
  action->SetCaption("Go");
  EXPECT_EQ(own->GetCaption(), "Go");
}

}  // namespace
