// The program's start-up and shutdown pair: what each choice of parts starts,
// that starting twice only counts, that a shutdown without a start does
// nothing, and that a shutdown followed by a start (as the fixtures do for
// every test) starts afresh.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "controls/bmp/BmpCtrls.h"
#include "controls/styled/stycompo.h"
#include "controls/styled/stycont.h"
#include "drummachine/startup/ProgramEntry.h"
#include "drummachine/startup/ProgramStartup.h"
#include "platform/vcl/Classes.h"
#include "platform/vcl/Controls.h"
#include "platform/vcl/Forms.h"
#include "platform/win/windows.h"
#include "sound/DsSounds.h"
#include "platform/win/ole2.h"

namespace {

// What is running, as a program sees it.
struct Running {
  bool application = false;  // the class library: Application, Screen, Mouse
  bool colourNames = false;  // "clRed" for streaming
  bool soundClasses = false;  // TDsSound for form reading
  bool styled = false;  // StyApplication, StyContainer, their classes
  bool handCursor = false;  // the styled library's cursor in Screen
  bool bmpCtrls = false;  // TBmpTrackBar for form reading, its thumbs
  bool shellControls = false;  // COM started for the shell browser controls
  friend bool operator==(const Running&, const Running&) = default;
};

std::ostream& operator<<(std::ostream& out, const Running& r) {
  return out << "{application " << r.application << ", colourNames " << r.colourNames << ", soundClasses "
             << r.soundClasses << ", styled " << r.styled << ", handCursor " << r.handCursor << ", bmpCtrls "
             << r.bmpCtrls << ", shellControls " << r.shellControls << "}";
}

BOOL CALLBACK CountThumbs(HMODULE, LPCSTR, LPSTR name, LONG_PTR count) {
  if (!IS_INTRESOURCE(name) && std::string(name).rfind("THUMB_", 0) == 0) ++*reinterpret_cast<int*>(count);
  return TRUE;
}

int Thumbs() {
  int count = 0;
  EnumResourceNamesA(nullptr, RT_BITMAP, CountThumbs, reinterpret_cast<LONG_PTR>(&count));
  return count;
}

Running Now() {
  Running r;
  r.application = Application != nullptr && Screen != nullptr && Mouse != nullptr;
  std::int64_t colour = 0;
  r.colourNames = IdentToIntegerConst("TColor", "clRed", colour);
  r.soundClasses = GetClass("TDsSound") != nullptr;
  r.styled = StyApplication != nullptr && StyContainer != nullptr && GetClass("TStySimplePanel") != nullptr;
  r.handCursor = Screen != nullptr && Screen->GetCursors(crStyHand) != Screen->GetCursors(crDefault);
  r.bmpCtrls = GetClass("TBmpTrackBar") != nullptr && Thumbs() == 4;
  // A start of COM that is not the first answers S_FALSE.
  r.shellControls = CoInitialize(nullptr) == S_FALSE;
  CoUninitialize();
  return r;
}

const Running kNothing{};
const Running kEverything{true, true, true, true, true, true, true};

TEST(ProgramStartup, EachChoiceOfPartsStartsThoseAndItsShutdownEndsThem) {
  const Running classLibrary{true, true, false, false, false, false, false};
  struct Case {
    const char* program;
    TProgramParts parts;
    Running running;
  };
  const Case cases[] = {
      {"drum machine", kAllProgramParts, kEverything},
      {"kit editor", kAllProgramParts - TProgramParts{ppBmpCtrls}, {true, true, true, true, true, false, true}},
      {"class library alone", {ppClassLibrary}, classLibrary},
      // The styled library stands on the class library and starts it itself.
      {"styled library alone", {ppStyled}, {true, true, false, true, true, false, false}},
      {"sound classes alone", {ppSoundClasses}, {false, false, true, false, false, false, false}},
      {"bitmap controls alone", {ppBmpCtrls}, {false, false, false, false, false, true, false}},
      {"shell controls alone", {ppShellControls}, {false, false, false, false, false, false, true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.program);
    StartProgram({c.parts, {}});
    EXPECT_EQ(Now(), c.running);
    StopProgram();
    EXPECT_EQ(Now(), kNothing);
  }
}

TEST(ProgramStartup, AShutdownWithoutAStartDoesNothing) {
  StopProgram();
  DoneBmpCtrls();
  DoneStyApplication();
  DoneSoundClasses();
  DoneApplication();
  vcl::DoneControls();
  EXPECT_EQ(Now(), kNothing);
  StartProgram({kAllProgramParts, {}});  // and leaves no debt behind
  EXPECT_EQ(Now(), kEverything);
  StopProgram();
  EXPECT_EQ(Now(), kNothing);
}

TEST(ProgramStartup, ASecondStartOnlyCounts) {
  StartProgram({kAllProgramParts, {}});
  TApplication* application = Application;
  TScreen* screen = Screen;
  TStyApplication* styApplication = StyApplication;
  StartProgram({kAllProgramParts, {}});
  EXPECT_EQ(Application, application);
  EXPECT_EQ(Screen, screen);
  EXPECT_EQ(StyApplication, styApplication);
  EXPECT_EQ(Thumbs(), 4);  // the resources are not there twice
  StopProgram();
  EXPECT_EQ(Now(), kEverything);  // the first start still holds everything
  EXPECT_EQ(Application, application);
  StopProgram();
  EXPECT_EQ(Now(), kNothing);
}

// A fixture starts the class library; a test inside it starts the whole
// program and stops it again: the fixture's application stays.
TEST(ProgramStartup, AnInnerShutdownLeavesWhatTheOuterStartStarted) {
  StartProgram({{ppClassLibrary}, {}});
  TApplication* application = Application;
  StartProgram({kAllProgramParts, {}});
  StopProgram();
  EXPECT_EQ(Now(), (Running{true, true, false, false, false, false}));
  EXPECT_EQ(Application, application);
  StopProgram();
  EXPECT_EQ(Now(), kNothing);
}

TEST(ProgramStartup, AStartAfterTheLastShutdownStartsAfresh) {
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE(round);
    StartProgram({kAllProgramParts, {}});
    EXPECT_EQ(Now(), kEverything);
    TForm* form = TCustomForm::CreateNew<TForm>(Application);
    form->SetCaption("owned by the application");
    StopProgram();  // the application frees its form
    EXPECT_EQ(Now(), kNothing);
  }
}

int registered = 0, unregistered = 0;

TEST(ProgramStartup, AFailedStartStopsWhatItHadStarted) {
  registered = unregistered = 0;
  const TProgramResources good{[] { ++registered; }, [] { ++unregistered; }};
  const TProgramResources bad{[] { throw std::runtime_error("damaged resources"); }, [] { ++unregistered; }};
  EXPECT_THROW(StartProgram({kAllProgramParts, {good, bad}}), std::runtime_error);
  EXPECT_EQ(registered, 1);
  EXPECT_EQ(unregistered, 1);  // the good module only
  EXPECT_EQ(Now(), kNothing);
  StopProgram();  // the failed start left nothing to stop
  EXPECT_EQ(unregistered, 1);
}

TEST(ProgramStartup, TheProgramsResourcesComeFirstAndGoLast) {
  std::vector<std::string> order;
  static std::vector<std::string>* log = nullptr;
  log = &order;
  const TProgramResources own{[] { log->push_back(Application ? "registered late" : "registered"); },
                              [] { log->push_back(Application ? "unregistered early" : "unregistered"); }};
  StartProgram({kAllProgramParts, {own}});
  StopProgram();
  EXPECT_EQ(order, (std::vector<std::string>{"registered", "unregistered"}));
  log = nullptr;
}

TEST(ProgramStartup, TheEntryRunsTheBodyBetweenStartAndShutdown) {
  Running during;
  EXPECT_EQ(RunProgram({kAllProgramParts, {}},
                       [&] {
                         during = Now();
                         return 7;
                       }),
            7);
  EXPECT_EQ(during, kEverything);
  EXPECT_EQ(Now(), kNothing);
  // An exception out of the body still stops the program, which ends with 1.
  EXPECT_EQ(RunProgram({kAllProgramParts, {}}, []() -> int { throw std::runtime_error("lost the device"); }), 1);
  EXPECT_EQ(Now(), kNothing);
}

}  // namespace
