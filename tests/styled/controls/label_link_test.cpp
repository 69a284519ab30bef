// Labels as links: what a click opens through the shell, how a failed link
// gives up, how a link looks; the accelerator that focuses another control;
// the older forms' link marker.
#include <string>
#include <vector>

#include "label_fixture.h"
#include "platform/vcl/StdCtrls.h"
#include "platform/vcl/Classes.h"

namespace styledtest {
namespace {

TEST_F(LabelTest, AClickOpensTheTargetAsOneArgument) {
  struct Case {
    TStyJumpModes mode;
    std::string caption, jump;
    std::vector<std::string> opens;  // empty: nothing opened
  } cases[] = {
      {jmInternet, "me@x.org", "", {"xdg-open", "mailto:me@x.org"}},
      {jmInternet, "Home page", "  http://x.org/a b; rm -rf ~  ", {"xdg-open", "http://x.org/a b; rm -rf ~"}},
      {jmInternet, "http://x.org", "   ", {"xdg-open", "http://x.org"}},
      // Addresses that carry their scheme are not made mail links.
      {jmInternet, "mailto:me@x.org", "", {"xdg-open", "mailto:me@x.org"}},
      {jmInternet, "ftp://me@x.org/", "", {"xdg-open", "ftp://me@x.org/"}},
      {jmApplication, "Run", "http://x.org/app", {"xdg-open", "http://x.org/app"}},
      {jmNone, "http://x.org", "", {}},
      {jmCustom, "http://x.org", "", {}},
  };
  for (const Case& c : cases) {
    opened.clear();
    TStySimpleLabel* label = NewLabel(c.caption);
    label->SetJump(c.jump);
    label->SetJumpMode(c.mode);
    int clicks = 0;
    label->OnClick = [&](TObject*) { ++clicks; };
    ClickAt(label, 2, 2);
    EXPECT_EQ(clicks, 1) << c.caption;
    if (c.opens.empty()) {
      EXPECT_TRUE(opened.empty()) << c.caption;
    } else {
      ASSERT_EQ(opened.size(), 1u) << c.caption;
      EXPECT_EQ(opened[0], c.opens);
    }
    EXPECT_TRUE(label->GetEnabled());
    delete label;
  }
}

TEST_F(LabelTest, AFailedInternetLinkDisablesTheLabel) {
  openerWorks = false;
  TStySimpleLabel* label = NewLabel("me@x.org");
  label->SetJumpMode(jmInternet);
  ClickAt(label, 2, 2);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_FALSE(label->GetEnabled());
  EXPECT_EQ(label->GetJumpMode(), jmNone);
  // A disabled label takes no more clicks.
  ClickAt(label, 2, 2);
  EXPECT_EQ(opened.size(), 1u);

  // A program that cannot be started leaves its label as it was.
  TStySimpleLabel* program = NewLabel("", 10, 60);
  program->SetJump("no such program");
  program->SetJumpMode(jmApplication);
  ClickAt(program, 2, 2);
  EXPECT_TRUE(opened.size() == 1u);
  EXPECT_TRUE(program->GetEnabled());
  EXPECT_EQ(program->GetJumpMode(), jmApplication);
}

TEST_F(LabelTest, ALinkIsUnderlinedInItsColourAndKeepsThePressedColourAfterAClick) {
  TStySimpleLabel* label = NewLabel("http://x.org");
  label->SetInActiveColor(clGreen);
  label->SetJumpMode(jmInternet);
  EXPECT_EQ(label->GetFont()->GetColor(), clGreen);
  EXPECT_TRUE(label->GetFont()->GetStyle().Contains(fsUnderline));
  EXPECT_EQ(label->GetCursor(), crStyHand);
  ClickAt(label, 2, 2);
  EXPECT_EQ(label->GetFont()->GetColor(), static_cast<TColor>(0x800080));
  label->SetJumpMode(jmNone);
  EXPECT_EQ(label->GetFont()->GetColor(), clBlack);
  EXPECT_FALSE(label->GetFont()->GetStyle().Contains(fsUnderline));
  EXPECT_EQ(label->GetCursor(), crDefault);
  // Without JumpUnderline the font's own underline is left alone.
  label->SetJumpUnderline(false);
  label->SetJumpMode(jmCustom);
  EXPECT_FALSE(label->GetFont()->GetStyle().Contains(fsUnderline));
}

TEST_F(LabelTest, TheAcceleratorFocusesTheFocusControl) {
  auto* edit = new TEdit(form);
  edit->SetParent(form);
  edit->SetBounds(10, 100, 100, 24);
  auto* other = new TEdit(form);
  other->SetParent(form);
  other->SetBounds(10, 140, 100, 24);
  TStySimpleLabel* label = NewLabel("&Name");
  label->SetFocusControl(edit);
  struct Case {
    bool showAccel, enabled;
    WORD key;
    LRESULT result;
  } cases[] = {{true, true, 'n', 1}, {true, true, 'x', 0}, {false, true, 'n', 0}, {true, false, 'n', 0}};
  for (const Case& c : cases) {
    other->SetFocus();
    Pump();
    label->SetShowAccelChar(c.showAccel);
    label->SetEnabled(c.enabled);
    EXPECT_EQ(label->Perform(CM_DIALOGCHAR, c.key, 0), c.result) << char(c.key) << c.showAccel << c.enabled;
    Pump();
    EXPECT_EQ(edit->Focused(), c.result == 1);
  }
  // Freeing the focus control clears the reference.
  delete edit;
  EXPECT_EQ(label->GetFocusControl(), nullptr);
  label->SetShowAccelChar(true);
  label->SetEnabled(true);
  EXPECT_EQ(label->Perform(CM_DIALOGCHAR, 'n', 0), 0);
}

// A label read from its text form.
void ReadLabel(const std::string& text, TStySimpleLabel* label) {
  TMemoryStream binary;
  TStringStream in(text);
  ObjectTextToBinary(&in, &binary);
  binary.SetPosition(0);
  ReadComponent(&binary, label);
}

TEST_F(LabelTest, ALabelReadFromAFormIsALinkAndSizedToItsCaption) {
  TStySimpleLabel* label = NewLabel("");
  ReadLabel(
      "object TStySimpleLabel\n"
      "  Caption = 'Write to us'\n"
      "  Jump = 'mailto:us@x.org'\n"
      "  InActiveColor = 32768\n"
      "  JumpMode = jmInternet\n"
      "  Options = [loEndEllipsis]\n"
      "  Transparent = False\n"
      "  Font3D.Style = tdRaised\n"
      "end\n",
      label);
  EXPECT_EQ(label->GetJump(), "mailto:us@x.org");
  EXPECT_EQ(label->GetJumpMode(), jmInternet);
  EXPECT_EQ(label->GetFont()->GetColor(), clGreen);
  EXPECT_TRUE(label->GetOptions().Contains(loEndEllipsis));
  EXPECT_FALSE(label->GetTransparent());
  EXPECT_EQ(label->GetFont3D()->GetStyle(), tdRaised);
  // Sized once loading is over, the raised effect included, and not cut
  // short by the ellipsis.
  EXPECT_EQ(label->GetWidth(), TextExtent(label, "Write to us").cx + 2 + 1);
  ClickAt(label, 2, 2);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0][1], "mailto:us@x.org");
}

TEST_F(LabelTest, TheOlderLinkMarkerIsReadAndLeavesTheLabelPlain) {
  TStySimpleLabel* label = NewLabel("");
  ReadLabel("object TStySimpleLabel\n  Caption = 'me@x.org'\n  UseAsJump = True\nend\n", label);
  EXPECT_EQ(label->GetCaption(), "me@x.org");
  EXPECT_EQ(label->GetJumpMode(), jmNone);

  // A value of another type is a clear reading error.
  TStySimpleLabel* other = NewLabel("");
  EXPECT_THROW(ReadLabel("object TStySimpleLabel\n  UseAsJump = 'yes'\nend\n", other), EReadError);
}

}  // namespace
}  // namespace styledtest
