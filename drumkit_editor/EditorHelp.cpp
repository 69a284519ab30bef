// The Help menu: the editor's help file, the sample library's web site and
// the about box.
#include <string>

#include "drumkit_editor/drmaboutb.h"
#include "drumkit_editor/padwerk_help.h"
#include "drummachine/dialogs/ShellOpen.h"
#include "resources/texts/ProgramTexts.h"

namespace {

// The help file's first topic: the window as a whole.
constexpr int EditorHelpTopics = 5;

}  // namespace

void TfrmDrumEditor::HelpTopics1Click(TObject*) {
  Application->HelpContext(EditorHelpTopics);
}

void TfrmDrumEditor::About1Click(TObject*) {
  if (AboutBox != nullptr) AboutBox->ShowModal();
}

void TfrmDrumEditor::SampleSite1Click(TObject*) {
  ShellOpenFile(GetHandle(), std::string(program_texts::kSampleSite), "", "");
}
