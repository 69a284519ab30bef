// The main window's help menu: the manual's topics, the maker's web pages
// and the about box.
#include "drummachine/dialogs/ShellOpen.h"
#include "drummachine/dialogs/aboutb.h"
#include "drummachine/mallowen/mallowen.h"
#include "resources/texts/ProgramTexts.h"

namespace {

// The manual's topics the menu opens.
constexpr int IntroductionTopic = 5;
constexpr int GettingStartedTopic = 15;

}  // namespace

int TfrmMain::ShellOpenFile(HWND owner, const std::string& file, const std::string& parameters,
                            const std::string& folder) {
  return ::ShellOpenFile(owner, file, parameters, folder);
}

void TfrmMain::HelpIntro1Click(TObject*) {
  Application->HelpContext(IntroductionTopic);
}

void TfrmMain::QuickStart1Click(TObject*) {
  Application->HelpContext(GettingStartedTopic);
}

void TfrmMain::mnuWebSite1Click(TObject*) {
  ShellOpenFile(GetHandle(), std::string(program_texts::kMakerSite), "", "");
}

void TfrmMain::mnuSampleSite1Click(TObject*) {
  ShellOpenFile(GetHandle(), std::string(program_texts::kSampleSite), "", "");
}

void TfrmMain::OnLineUserSupportForum1Click(TObject*) {
  ShellOpenFile(GetHandle(), std::string(program_texts::kMakerSite) + std::string(program_texts::kSupportForumPage), "",
                "");
}

void TfrmMain::ShareDrumPatterns1Click(TObject*) {
  ShellOpenFile(GetHandle(), std::string(program_texts::kMakerSite) + std::string(program_texts::kPatternsPage), "",
                "");
}

void TfrmMain::About2Click(TObject*) {
  StopPlaying();
  if (AboutBox != nullptr) AboutBox->ShowModal();
}
