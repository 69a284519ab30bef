// F1 on a form. A menu's item is the menu's business; otherwise the
// control the request is about (the focused one) names the topic, or the
// nearest of its parents that has one, up to the form itself. The topic is
// looked up in the form's own help file when it has one, else in the
// application's. A form where nothing names a topic shows the main window's
// help: its topic, or the help file's contents.
#include "platform/vcl/forms/Application.h"
#include "platform/vcl/forms/Form.h"
#include "platform/vcl/forms/HelpRoute.h"

namespace {

// The class library's control of window (or of its nearest ancestor window
// that is one).
TWinControl* ControlOfWindow(HWND window) {
  for (HWND h = window; h != nullptr; h = ::GetParent(h))
    if (TWinControl* control = FindControl(h)) return control;
  return nullptr;
}

int TopicFrom(TControl* control) {
  for (; control != nullptr; control = control->GetParent())
    if (control->GetHelpContext() != 0) return control->GetHelpContext();
  return 0;
}

}  // namespace

void TCustomForm::WMHelp(TMessage& m) {
  const auto* info = reinterpret_cast<const HELPINFO*>(m.LParam);
  if (info == nullptr || info->iContextType != HELPINFO_WINDOW) {
    WMMenuMessage(m);
    return;
  }
  TWinControl* control = ControlOfWindow(static_cast<HWND>(info->hItemHandle));
  if (control == nullptr || GetParentForm(control) != this) control = this;
  m.Result = TRUE;
  if (Application == nullptr) return;
  const int topic = TopicFrom(control);
  if (topic != 0) {
    const std::string& file = FHelpFile.empty() ? Application->GetHelpFile() : FHelpFile;
    vcl::forms::RouteHelp(file, FBorderIcons.Contains(biHelp) ? HELP_CONTEXTPOPUP : HELP_CONTEXT,
                          static_cast<ULONG_PTR>(topic));
    return;
  }
  TCustomForm* main = Application->GetMainForm();
  const int mainTopic = main != nullptr ? main->GetHelpContext() : 0;
  if (mainTopic != 0)
    Application->HelpContext(mainTopic);
  else
    Application->HelpCommand(HELP_CONTENTS, 0);
}
