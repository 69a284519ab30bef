// What the window shows at start and at close: the greeting on its date (set
// through the date seam) and the tips as "Recent.inf" asks.
#include <chrono>
#include <fstream>
#include <memory>

#include "drummachine/dialogs/bday.h"
#include "files_window_fixture.h"
#include "resources/texts/ProgramTexts.h"

namespace windowfiles {
namespace {

// Noon of a day, as the wall clock's microseconds since 1970.
std::int64_t NoonOf(std::chrono::year_month_day day) {
  using namespace std::chrono;
  return duration_cast<microseconds>(sys_days(day).time_since_epoch() + hours(12)).count();
}

// The greeting answered with OK each time it shows; its captions kept.
class GreetingWindow : public FilesWindow {
 protected:
  virtual std::chrono::year_month_day Today() const = 0;
  void BeforeShow() override {
    win::clock::SetWallMicros(NoonOf(Today()));
    script = std::make_unique<TModalScript>(frmBday, std::vector<TModalScript::TStep>{[this] {
                                              captions.push_back(frmBday->GetCaption());
                                              frmBday->SetModalResult(mrOk);
                                            }});
  }
  void TearDown() override {
    script.reset();
    FilesWindow::TearDown();
  }
  // Closes the window, answering the greeting again if it shows.
  void CloseWindow() {
    script.reset();
    script = std::make_unique<TModalScript>(frmBday, std::vector<TModalScript::TStep>{[this] {
                                              captions.push_back(frmBday->GetCaption());
                                              frmBday->SetModalResult(mrOk);
                                            }});
    window->Close();
    Pump();
  }
  std::unique_ptr<TModalScript> script;
  std::vector<std::string> captions;
};

class OnTheGreetingDate : public GreetingWindow {
  std::chrono::year_month_day Today() const override {
    using namespace std::chrono;
    return 2026y / August / 8d;
  }
};

class OnAnotherDate : public GreetingWindow {
  std::chrono::year_month_day Today() const override {
    using namespace std::chrono;
    return 2026y / August / 18d;
  }
};

TEST_F(OnTheGreetingDate, TheGreetingShowsAtStartAndAtClose) {
  ASSERT_EQ(captions.size(), 1u);
  const std::string atStart = captions[0];
  CloseWindow();
  ASSERT_EQ(captions.size(), 2u);
  EXPECT_EQ(captions[1], program_texts::kGreetingClosingCaption);
  EXPECT_NE(atStart, captions[1]);
}

TEST_F(OnAnotherDate, NoGreetingShows) {
  CloseWindow();
  EXPECT_TRUE(captions.empty());
}

// The tips answered each time they show: the tip kept, the show-at-start box
// set as the test says, OK.
class TipsWindow : public FilesWindow {
 protected:
  void BeforeShow() override {
    // The explode effect waits on the clock, which stands still here.
    window->Tips->SetEffect(deNone);
    Application->OnIdle = [this](TObject*, bool& done) {
      done = true;
      TStyTipForm* form = window->Tips->GetForm();
      if (form == nullptr || !form->GetFormState().Contains(fsModal)) return;
      tipShown = form->lblTip->GetCaption();
      form->cbShowAtStart->SetChecked(showAtStartBox);
      form->SetModalResult(mrOk);
      PostMessageA(Application->GetHandle(), WM_NULL, 0, 0);
    };
  }
  std::string tipShown;
  bool showAtStartBox = false;
};

std::string SixteenthLine(const std::string& recent) {
  std::ifstream in(recent, std::ios::binary);
  std::string line;
  for (int n = 0; n < 16; ++n) std::getline(in, line);
  return line;
}

// "1" in the 16th line of "Recent.inf": the tips show at start; their box
// unticked, the window writes "0" when it closes.
class TipsAtStart : public TipsWindow {
 protected:
  std::string TipsAtStartLine() const override { return "1"; }
};

TEST_F(TipsAtStart, ShowAndAreTurnedOffByTheirBox) {
  Application->OnIdle = nullptr;
  EXPECT_FALSE(tipShown.empty());
  EXPECT_FALSE(window->Tips->GetShowAtStart());
  window->Close();
  Pump();
  EXPECT_EQ(SixteenthLine(InFolder("Recent.inf")), "0\r");
}

using NoTipsAtStart = TipsWindow;

TEST_F(NoTipsAtStart, ShowNothingButTheHelpMenuShowsThem) {
  EXPECT_TRUE(tipShown.empty());
  EXPECT_FALSE(window->Tips->GetShowAtStart());
  showAtStartBox = true;
  Command("TambrelTips1");
  EXPECT_FALSE(tipShown.empty());
  EXPECT_TRUE(window->Tips->GetShowAtStart()) << "the box ticked turns them on again";
  Application->OnIdle = nullptr;
  window->Close();
  Pump();
  EXPECT_EQ(SixteenthLine(InFolder("Recent.inf")), "1\r");
}

}  // namespace
}  // namespace windowfiles
