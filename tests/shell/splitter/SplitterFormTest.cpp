// The splitter in form text: its panes are read as its children, placed by
// their Index, and written back under it.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "controls/shell/UNavFrame.h"
#include "controls/shell/UNavSplitter.h"
#include "platform/vcl/Forms.h"
#include "tests/support/FormText.h"
#include "tests/support/HeadlessApplication.h"

namespace {

class SplitterForm : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::StartApplication("Splitter form");
    InitNavSplitter();
    RegisterNavSplitterClasses();
    RegisterNavFrameClasses();
  }
  void TearDown() override {
    DoneNavSplitter();
    testsupport::StopApplication();
  }
};

// Panes listed second first: their Index, not their order, places them.
const char* const kForm = R"(object Form1: TForm1
  Left = 0
  Top = 0
  Width = 500
  Height = 300
  object NavSplitter1: TNavSplitter
    Left = 8
    Top = 8
    Width = 400
    Height = 200
    Position = 215
    object NavSplitter1_pane2: TNavPane
      Left = 218
      Top = 0
      Width = 182
      Height = 200
      Index = 1
      MinSize = 40
    end
    object NavSplitter1_pane1: TNavPane
      Left = 0
      Top = 0
      Width = 215
      Height = 200
    end
  end
end
)";

TEST_F(SplitterForm, PanesAreReadByTheirIndexAndWrittenBack) {
  std::unique_ptr<TForm> form(testsupport::ReadFormText(kForm));
  auto* splitter = dynamic_cast<TNavSplitter*>(form->FindComponent("NavSplitter1"));
  ASSERT_NE(splitter, nullptr);
  ASSERT_NE(splitter->GetPane(0), nullptr);
  EXPECT_EQ(splitter->GetPane(0)->GetName(), "NavSplitter1_pane1");
  EXPECT_EQ(splitter->GetPane(1)->GetName(), "NavSplitter1_pane2");
  // The panes belong to the form, as the designer made them.
  EXPECT_EQ(splitter->GetPane(1)->GetOwner(), form.get());
  EXPECT_EQ(splitter->GetPosition(), 215);
  EXPECT_DOUBLE_EQ(splitter->GetRatio(), 215.0 / 400.0);
  EXPECT_EQ(splitter->GetPane2MinSize(), 40);
  splitter->HandleNeeded();
  splitter->SetPosition(390);
  EXPECT_EQ(splitter->GetPosition(), 360);

  const std::string text = testsupport::WriteFormText(form.get());
  EXPECT_NE(text.find("object NavSplitter1_pane1: TNavPane"), std::string::npos) << text;
  EXPECT_NE(text.find("Position = 360"), std::string::npos) << text;
  EXPECT_EQ(text.find("Pane1MinSize"), std::string::npos) << text;
  // Read again, the copy has the same two panes and no more; the first form
  // goes first, as its name is taken while it lives.
  form.reset();
  std::unique_ptr<TForm> copy(testsupport::ReadFormText(text));
  auto* again = dynamic_cast<TNavSplitter*>(copy->FindComponent("NavSplitter1"));
  ASSERT_NE(again, nullptr);
  again->HandleNeeded();
  EXPECT_EQ(again->GetControlCount(), 2);
  EXPECT_EQ(again->GetPane(1)->GetMinSize(), 40);
  EXPECT_EQ(again->GetPosition(), 360);
}

TEST_F(SplitterForm, UnitStartRegistersThePaneOnce) {
  EXPECT_NE(GetClass("TNavPane"), nullptr);
  DoneNavSplitter();
  EXPECT_EQ(GetClass("TNavPane"), nullptr);
  // A pane class already known is left to whoever registered it.
  RegisterClass(TNavPane::StaticClass());
  InitNavSplitter();
  DoneNavSplitter();
  EXPECT_NE(GetClass("TNavPane"), nullptr);
  UnRegisterClass(TNavPane::StaticClass());
  InitNavSplitter();
}

}  // namespace
