// How help topics are drawn, shared by the help window and the pop-up.
#pragma once

#include <string>

#include "platform/win/winuser.h"

namespace win::shell {

// A topic's text as drawn: its paragraphs separated by an empty line.
std::string ShownParagraphs(const std::string& text);
// The font of a topic's text; the caller deletes it.
HFONT HelpBodyFont();
// Registers a help window class with the arrow cursor unless it exists.
void RegisterHelpClass(const char* name, WNDPROC proc);

}  // namespace win::shell
