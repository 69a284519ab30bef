// The tips dialog: the window it builds, the random walk through the tips
// with its history, the warning without tips, the show-at-start box, and a
// picture of the dialog as the drum machine configures it.
#include <algorithm>
#include <atomic>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "controls/styled/styctrl.h"
#include "controls/styled/styctrlA.h"
#include "controls/styled/stydlgS.h"
#include "controls/styled/styformA.h"
#include "controls/styled/stystdcS.h"
#include "platform/host/host.h"
#include "platform/vcl/SysUtils.h"
#include "platform/win/drums_ext.h"
#include "resources/texts/ProgramTexts.h"
#include "styled/shared/fixture.h"

// Made by the build: the tips picture among the test program's resources.
void RegisterResources_tips();
void UnregisterResources_tips();

namespace styledtest {
namespace {

using Step = std::function<void(TStyTipForm*)>;
using win::user::MessageBoxRecord;
using win::user::SetMessageBoxAnswer;
using win::user::TakeMessageBoxRecords;

class TipsDialog : public StyledProcs {
 protected:
  TipsDialog() { startup.Resources.push_back({RegisterResources_tips, UnregisterResources_tips}); }
  void SetUp() override {
    StyledProcs::SetUp();
    dlg = new TStyTipDlg(nullptr);
  }
  void TearDown() override {
    Application->OnIdle = nullptr;
    SetMessageBoxAnswer({});
    delete dlg;
    StyledProcs::TearDown();
  }
  void SetTips(int count) {
    dlg->GetTips()->Clear();
    for (int i = 0; i < count; ++i) dlg->GetTips()->Add("Tip number " + IntToStr(i));
  }
  void SetProgramTips() {
    dlg->GetTips()->Clear();
    for (std::string_view tip : program_texts::kTips) dlg->GetTips()->Add(std::string(tip));
  }
  // Runs the dialog: each idle pass of its modal loop takes the next step on
  // the open window; when the steps are done, OK closes it. Answers whether
  // the window was shown at all.
  bool Run(std::vector<Step> steps, TStyTipsDialogMode mode = moNormal) {
    size_t next = 0;
    bool shown = false;
    Application->OnIdle = [&](TObject*, bool& done) {
      done = true;
      TStyTipForm* form = dlg->GetForm();
      if (!form || !form->GetActive()) return;
      shown = true;
      if (next < steps.size()) {
        steps[next++](form);
      } else {
        form->btnOk->Click();
      }
      // Something to wake the loop for the next step.
      PostMessageA(form->GetHandle(), WM_NULL, 0, 0);
    };
    dlg->ShowTips(mode);
    Application->OnIdle = nullptr;
    EXPECT_EQ(dlg->GetForm(), nullptr) << "the window lives only while the dialog runs";
    return shown;
  }
  static std::string Shown(TStyTipForm* form) { return form->lblTip->GetCaption(); }

  TStyTipDlg* dlg = nullptr;
};

// Next n - 1 times walks through every tip once and then stops; Previous
// walks back through the same order; Next then replays it forwards.
TEST_F(TipsDialog, NextDrawsEveryTipOnceAndPreviousReplaysTheHistory) {
  struct Case {
    int tips;
    std::int32_t seed;
  };
  for (const Case& c : {Case{1, 7}, Case{2, 1}, Case{5, 123}, Case{15, 2026}, Case{15, -99}}) {
    SCOPED_TRACE("tips " + std::to_string(c.tips) + " seed " + std::to_string(c.seed));
    SetTips(c.tips);
    RandSeed = c.seed;
    std::vector<std::string> forward, backward, replay;
    std::vector<Step> steps;
    steps.push_back([&](TStyTipForm* f) {
      forward.push_back(Shown(f));
      EXPECT_FALSE(f->btnPrevious->GetEnabled()) << "nothing to go back to";
      EXPECT_EQ(f->btnNext->GetEnabled(), c.tips > 1);
      EXPECT_EQ(f->GetActiveControl(), f->btnOk) << "OK takes the focus";
    });
    for (int i = 1; i < c.tips; ++i) {
      steps.push_back([&, i](TStyTipForm* f) {
        EXPECT_TRUE(f->btnNext->GetEnabled());
        f->btnNext->Click();
        forward.push_back(Shown(f));
        EXPECT_TRUE(f->btnPrevious->GetEnabled());
        EXPECT_EQ(f->btnNext->GetEnabled(), i < c.tips - 1) << "Next stops after the last fresh tip";
      });
    }
    for (int i = 1; i < c.tips; ++i) {
      steps.push_back([&](TStyTipForm* f) {
        f->btnPrevious->Click();
        backward.push_back(Shown(f));
        EXPECT_TRUE(f->btnNext->GetEnabled());
      });
    }
    steps.push_back([&](TStyTipForm* f) {
      EXPECT_FALSE(f->btnPrevious->GetEnabled()) << "back at the first tip";
      for (int i = 1; i < c.tips; ++i) {
        f->btnNext->Click();
        replay.push_back(Shown(f));
      }
    });
    ASSERT_TRUE(Run(steps));

    ASSERT_EQ(forward.size(), static_cast<size_t>(c.tips));
    const std::set<std::string> distinct(forward.begin(), forward.end());
    EXPECT_EQ(distinct.size(), static_cast<size_t>(c.tips)) << "no tip twice";
    for (const std::string& tip : forward) EXPECT_GE(dlg->GetTips()->IndexOf(tip), 0) << tip;
    std::vector<std::string> expectedBack(forward.rbegin() + 1, forward.rend());
    EXPECT_EQ(backward, expectedBack);
    EXPECT_EQ(replay, std::vector<std::string>(forward.begin() + 1, forward.end()));
  }
}

TEST_F(TipsDialog, TheOrderComesFromTheRandomNumbers) {
  SetTips(15);
  std::vector<std::string> runs[2];
  for (int run = 0; run < 2; ++run) {
    RandSeed = 42;
    std::vector<Step> steps;
    for (int i = 0; i < 14; ++i) {
      steps.push_back([&, run](TStyTipForm* f) {
        runs[run].push_back(Shown(f));
        f->btnNext->Click();
      });
    }
    Run(steps);
  }
  EXPECT_EQ(runs[0], runs[1]) << "the same seed draws the same order; a new showing starts a new history";
  std::vector<std::string> inOrder;
  for (int i = 0; i < 14; ++i) inOrder.push_back("Tip number " + IntToStr(i));
  EXPECT_NE(runs[0], inOrder);
}

TEST_F(TipsDialog, BuildsItsWindowInCode) {
  SetProgramTips();
  if (Application) Application->SetTitle("Tambrel");
  TObject* customized = nullptr;
  dlg->OnCustomize = [&](TObject* sender) { customized = sender; };
  Run({[&](TStyTipForm* f) {
    EXPECT_EQ(customized, f) << "OnCustomize gets the window";
    EXPECT_EQ(f->GetClientWidth(), 424);
    EXPECT_EQ(f->GetClientHeight(), 223);
    EXPECT_EQ(f->GetBorderStyle(), bsDialog);
    EXPECT_EQ(f->GetCaption(), "Tips&Tricks Tambrel...");
    EXPECT_EQ(f->lblHeader->GetCaption(), "Tip...");
    EXPECT_EQ(f->btnNext->GetCaption(), "&Next Tip");
    EXPECT_EQ(f->btnPrevious->GetCaption(), "&Previous Tip");
    EXPECT_TRUE(f->btnOk->GetDefault());
    EXPECT_EQ(f->btnOk->GetModalResult(), mrOk);
    EXPECT_FALSE(f->btnCustom->GetVisible());
    EXPECT_FALSE(f->styler->GetEnabled()) << "CaptionFill off";
    EXPECT_FALSE(f->back->GetEnabled()) << "no image list";
    EXPECT_FALSE(f->btnHelp->GetVisible()) << "HelpContext 0";
    EXPECT_EQ(f->btnOk->GetBoundsRect(), TRect(337, 9, 417, 33));
    EXPECT_EQ(f->pnlTip->GetBoundsRect(), TRect(5, 8, 330, 195));
    EXPECT_EQ(Rgb(f->pnlTip->GetColor()), 0xDFFFFF);
    EXPECT_EQ(f->cbShowAtStart->GetBoundsRect(), TRect(5, 204, 18, 217));
    EXPECT_EQ(f->lblShowAtStart->GetCaption(), "Show tips at every start");
    EXPECT_EQ(f->imgTip->GetBoundsRect(), TRect(5, 7, 35, 47));
    ASSERT_NE(f->imgTip->GetBitmap(), nullptr);
    EXPECT_EQ(f->imgTip->GetBitmap()->GetWidth(), 30) << "the program's picture 16816";
    EXPECT_EQ(f->imgTip->GetBitmap()->GetHeight(), 40);
    EXPECT_GE(dlg->GetTips()->IndexOf(Shown(f)), 0);
  }});
  EXPECT_EQ(dlg->GetTipsCount(), 15);
}

TEST_F(TipsDialog, TitleHeaderExtraButtonAndHelpFollowTheProperties) {
  SetTips(3);
  dlg->SetCaptionTitle("Tips for Tambrel");
  dlg->SetCaptionHeader("Tambrel Tips");
  dlg->SetCustomButton("&More");
  dlg->SetHelpContext(12);
  dlg->GetHints()->SetText("Close\nMore tips\nAnother\nBack\nHelp\nAt start");
  int custom = 0;
  dlg->OnCustomClick = [&](TObject*) { ++custom; };
  Run({[&](TStyTipForm* f) {
    EXPECT_EQ(f->GetCaption(), "Tips for Tambrel");
    EXPECT_EQ(f->lblHeader->GetCaption(), "Tambrel Tips");
    EXPECT_TRUE(f->btnCustom->GetVisible());
    EXPECT_EQ(f->btnCustom->GetCaption(), "&More");
    f->btnCustom->Click();
    EXPECT_TRUE(f->btnHelp->GetVisible());
    EXPECT_EQ(f->btnHelp->GetCaption(), "&Help") << "a Help button without caption";
    EXPECT_EQ(f->btnOk->GetHint(), "Close");
    EXPECT_EQ(f->btnCustom->GetHint(), "More tips");
    EXPECT_EQ(f->btnNext->GetHint(), "Another");
    EXPECT_EQ(f->btnPrevious->GetHint(), "Back");
    EXPECT_EQ(f->btnHelp->GetHint(), "Help");
    EXPECT_EQ(f->cbShowAtStart->GetHint(), "At start");
    EXPECT_EQ(f->lblShowAtStart->GetHint(), "At start");
  }});
  EXPECT_EQ(custom, 1);
}

TEST_F(TipsDialog, WithoutTipsAWarningComesInsteadOfTheWindow) {
  SetMessageBoxAnswer([](const MessageBoxRecord&) { return IDOK; });
  TakeMessageBoxRecords();
  struct Case {
    const char* what;
    TStyTipsDialogMode mode;
    bool showAtStart;
    size_t warnings;
  };
  for (const Case& c : {Case{"on demand", moNormal, false, 1}, Case{"at start", moStart, true, 1},
                        Case{"at start, switched off", moStart, false, 0}}) {
    SCOPED_TRACE(c.what);
    dlg->SetShowAtStart(c.showAtStart);
    EXPECT_FALSE(Run({}, c.mode)) << "no window";
    const std::vector<MessageBoxRecord> records = TakeMessageBoxRecords();
    ASSERT_EQ(records.size(), c.warnings);
    if (c.warnings) {
      EXPECT_EQ(records[0].text, "No Tips available - Dialog will not be displayed...");
      EXPECT_EQ(records[0].type & 0xF, static_cast<UINT>(MB_OK));
    }
    EXPECT_EQ(dlg->GetShowAtStart(), c.showAtStart);
  }
  SetTips(2);
  dlg->SetShowAtStart(false);
  EXPECT_FALSE(Run({}, moStart)) << "tips, but switched off at start";
  EXPECT_TRUE(TakeMessageBoxRecords().empty());
}

TEST_F(TipsDialog, TheBoxBelowKeepsShowAtStart) {
  SetTips(4);
  struct Case {
    const char* what;
    bool before;
    Step act;
    bool after;
  };
  const Case cases[] = {
      {"left alone", true, [](TStyTipForm*) {}, true},
      {"unchecked", true, [](TStyTipForm* f) { f->cbShowAtStart->SetChecked(false); }, false},
      {"label clicked", true, [](TStyTipForm* f) { f->lblShowAtStart->Click(); }, false},
      {"label clicked twice", true,
       [](TStyTipForm* f) {
         f->lblShowAtStart->Click();
         f->lblShowAtStart->Click();
       },
       true},
      {"checked", false, [](TStyTipForm* f) { f->cbShowAtStart->SetChecked(true); }, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    dlg->SetShowAtStart(c.before);
    ASSERT_TRUE(Run({[&](TStyTipForm* f) {
      EXPECT_EQ(f->cbShowAtStart->GetChecked(), c.before);
      c.act(f);
    }}));
    EXPECT_EQ(dlg->GetShowAtStart(), c.after);
  }
  dlg->SetShowAtStart(true);
  Run({[](TStyTipForm* f) { f->cbShowAtStart->SetChecked(false); }}, moStart);
  EXPECT_FALSE(Run({}, moStart)) << "the next start shows no tips";
}

// The main window's component as its form text gives it.
TEST_F(TipsDialog, ReadsAndWritesTheMainWindowsComponent) {
  const std::string text =
      "object Tips: TStyTipDlg\n"
      "  CaptionFill = True\n"
      "  CaptionHeader = 'Tambrel Tips'\n"
      "  CaptionTitle = 'Tips for Tambrel'\n"
      "  Effect = deExplodeExt\n"
      "  ShowAtStart = True\n"
      "  Tips.Strings = (\n"
      "    'First tip'\n"
      "    'Second tip')\n"
      "end\n";
  ReadText(text, dlg);
  EXPECT_TRUE(dlg->GetCaptionFill());
  EXPECT_EQ(dlg->GetCaptionHeader(), "Tambrel Tips");
  EXPECT_EQ(dlg->GetCaptionTitle(), "Tips for Tambrel");
  EXPECT_EQ(dlg->GetEffect(), deExplodeExt);
  EXPECT_TRUE(dlg->GetShowAtStart());
  EXPECT_EQ(dlg->GetTipsCount(), 2);
  EXPECT_EQ(dlg->GetColors(), 32);
  EXPECT_EQ(dlg->GetPosition(), bpCenter);
  EXPECT_EQ(dlg->GetRelatePos(), brScreen);
  EXPECT_EQ(dlg->GetMode(), moNormal);
  EXPECT_TRUE(dlg->GetShowHints());
  const std::string written = AsText(dlg);
  EXPECT_EQ(written.find("TipsCount"), std::string::npos) << written;
  EXPECT_EQ(written.find("Colors"), std::string::npos) << "defaults are not written\n" << written;
  EXPECT_NE(written.find("'Second tip'"), std::string::npos) << written;
}

TEST_F(TipsDialog, OpensOverTheAnchorWhenGivenOne) {
  SetTips(3);
  std::unique_ptr<TForm> anchor(TCustomForm::CreateNew<TForm>(nullptr));
  anchor->SetBounds(100, 120, 600, 400);
  bool checked = false;
  Application->OnIdle = [&](TObject*, bool& done) {
    done = true;
    TStyTipForm* f = dlg->GetForm();
    if (!f || !f->GetActive()) return;
    EXPECT_EQ(f->GetLeft(), 100 + (600 - f->GetWidth()) / 2);
    EXPECT_EQ(f->GetTop(), 120 + (400 - f->GetHeight()) / 2);
    checked = true;
    f->btnOk->Click();
    PostMessageA(f->GetHandle(), WM_NULL, 0, 0);
  };
  dlg->ShowTips(moNormal, anchor.get());
  EXPECT_TRUE(checked);
}

TEST_F(TipsDialog, AFailureWhileShowingFreesTheWindowAndTheNextShowingStartsAfresh) {
  SetTips(3);
  dlg->OnCustomize = [](TObject*) { throw Exception("customizing failed"); };
  EXPECT_THROW(dlg->ShowTips(moNormal), Exception);
  EXPECT_EQ(dlg->GetForm(), nullptr);
  dlg->OnCustomize = nullptr;
  std::vector<std::string> shown;
  EXPECT_TRUE(Run({[&](TStyTipForm* f) {
    EXPECT_FALSE(f->btnPrevious->GetEnabled()) << "a fresh history";
    shown.push_back(Shown(f));
  }}));
  EXPECT_EQ(shown.size(), 1u);
}

// The drum machine's dialog opens with the explode effect: its pauses run on
// the clock, which another thread moves until the window is up.
TEST_F(TipsDialog, OpensAfterTheExplodeEffect) {
  SetTips(2);
  dlg->SetEffect(deExplodeExt);
  std::atomic<bool> up{false};
  std::thread clock([&] {
    while (!up) {
      win::clock::Advance(1000);
      std::this_thread::yield();
    }
  });
  const bool shown = Run({[&](TStyTipForm*) { up = true; }});
  up = true;
  clock.join();
  EXPECT_TRUE(shown);
}

// The dialog as the drum machine's main window configures it, saved as the
// host presents it (caption bar included).
TEST_F(TipsDialog, PictureOfTheDrumMachinesTips) {
  SetProgramTips();
  dlg->SetCaptionFill(true);
  dlg->SetCaptionHeader("Tambrel Tips");
  dlg->SetCaptionTitle("Tips for Tambrel");
  dlg->SetShowAtStart(true);
  RandSeed = 3;
  bool saved = false;
  Run({[](TStyTipForm* f) { f->btnNext->Click(); },
       [&](TStyTipForm* f) {
         f->Update();
         EXPECT_TRUE(f->styler->GetEnabled()) << "CaptionFill on";
         EXPECT_TRUE(f->styler->GetOptions().Contains(fsCheckSystemGradient));
         EXPECT_NEAR(f->GetLeft() + f->GetWidth() / 2, 512, 1) << "centred on the screen";
         Sheet sheet(f->GetClientWidth(), f->GetClientHeight());
         f->PaintTo(sheet.Canvas()->GetHandle(), 0, 0);
         EXPECT_EQ(sheet.At(200, 150), 0xDFFFFF) << "the panel's pale yellow";
         EXPECT_EQ(sheet.At(5 + 5 + 1, 8 + 7 + 1), 0xDFFFFF) << "the picture's corner shows the panel";
         saved = SavePicture(sheet.bitmap.get(), "tips_dialog_client.png");
         std::filesystem::create_directories(PictureDir());
         host::Get().Screenshot(win::user::HostWindowOf(f->GetHandle()), PictureDir() + "/tips_dialog.png");
       }});
  EXPECT_TRUE(saved);
}

}  // namespace
}  // namespace styledtest
