// The context pop-up of the help: a topic shown in a small window at the
// cursor instead of the help window, gone at the next click or key or when
// another window is activated.
#pragma once

#include <string>

namespace win::shell {

void ShowHelpPopup(const std::string& text);
void CloseHelpPopup();

}  // namespace win::shell
